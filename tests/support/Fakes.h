// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#pragma once

// Recording stand-ins for the platform layers the windows use.

#include "MessageSink.h"
#include "ProgramEnd.h"
#include "SettingsStore.h"
#include "WindowManager.h"

#include <QMap>
#include <QStringList>
#include <stdexcept>
#include <vector>

namespace tavrin::test {

class RecordingMessages final : public MessageSink {
public:
    void showDataError(const QString& text) override { dataErrors << text; }
    void showHandlerError(const QString& text) override { handlerErrors << text; }
    QStringList dataErrors;
    QStringList handlerErrors;
};

class RecordingProgramEnd final : public ProgramEnd {
public:
    void endNow(int exitCode) override { exitCodes.push_back(exitCode); }
    std::vector<int> exitCodes;
};

class RecordingWindowManager final : public WindowManager {
public:
    struct Call {
        quintptr window;
        bool topmost;
    };
    qint32 setTopmost(quintptr window, bool topmost) override {
        calls.push_back({window, topmost});
        return result;
    }
    std::vector<Call> calls;
    qint32 result = 1;
};

// An in-memory settings store that records its writes.
class MemorySettingsStore final : public SettingsStore {
public:
    QString read(const QString& application, const QString& section, const QString& key,
                 const QString& defaultText) const override {
        if (failReads) {
            throw std::runtime_error("settings store unavailable");
        }
        return values.value(path(application, section, key), defaultText);
    }
    bool writeAll(const QString& application, const QString& section,
                  const SettingsEntries& entries) override {
        for (const auto& [key, text] : entries) {
            writes << path(application, section, key) + "=" + text;
        }
        if (failWrites) {
            return false;
        }
        for (const auto& [key, text] : entries) {
            values[path(application, section, key)] = text;
        }
        return true;
    }
    static QString path(const QString& application, const QString& section, const QString& key) {
        return application + "/" + section + "/" + key;
    }
    QMap<QString, QString> values;
    QStringList writes;
    bool failReads = false;
    bool failWrites = false;
};

} // namespace tavrin::test
