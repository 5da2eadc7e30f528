// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#pragma once

// A main window over recording stand-ins, started as the program starts it,
// and the means to watch what it writes to standard error.

#include "Fakes.h"
#include "Form1.h"
#include "JetTableReader.h"
#include "SettingsStore.h"
#include "WindowPositionMemory.h"

#include <QCoreApplication>
#include <QPoint>
#include <QRect>
#include <QSet>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <ostream>

// Texts in failure messages as texts.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QPoint& point, std::ostream* os) {
    *os << "(" << point.x() << ", " << point.y() << ")";
}
inline void PrintTo(const QRect& rect, std::ostream* os) {
    *os << "(" << rect.x() << ", " << rect.y() << ") " << rect.width() << "x" << rect.height();
}

namespace tavrin::test {

// An in-memory store that also records the keys it is asked for, in order, and
// can refuse the writes that hold chosen keys; like the file it stands for, it
// then stores none of that write's keys.
class SpyStore final : public SettingsStore {
public:
    QString read(const QString& application, const QString& section, const QString& key,
                 const QString& defaultText) const override {
        reads << key;
        return memory.read(application, section, key, defaultText);
    }
    bool writeAll(const QString& application, const QString& section,
                  const SettingsEntries& entries) override {
        QStringList batch;
        bool refuse = false;
        for (const auto& [key, text] : entries) {
            batch << key + "=" + text;
            refuse = refuse || refused.contains(key);
        }
        writes << batch;
        batches << batch;
        return !refuse && memory.writeAll(application, section, entries);
    }

    void put(const QString& key, const QString& text) { memory.values[path(key)] = text; }
    bool has(const QString& key) const { return memory.values.contains(path(key)); }
    QString value(const QString& key) const { return memory.values.value(path(key)); }

    static QString path(const QString& key) {
        return MemorySettingsStore::path(WindowPositionMemory::kApplication,
                                         WindowPositionMemory::kSection, key);
    }

    MemorySettingsStore memory;
    mutable QStringList reads;
    QStringList writes;         // every key written, in order
    QList<QStringList> batches; // the keys of each write, a write at a time
    QSet<QString> refused;
};

// Collects the warnings written while it lives.
class WarningLog {
public:
    WarningLog();
    ~WarningLog();
    WarningLog(const WarningLog&) = delete;
    WarningLog& operator=(const WarningLog&) = delete;

    const QStringList& lines() const;
    bool mentions(const QString& text) const;
};

// One run of the program: a main window over the store `settings`, which
// outlives it so that the next run can read what this one saved.
struct ProgramRun {
    ProgramRun(SettingsStore& settings, WindowManager& windowManager)
        : reader(builtReader()),
          form(std::make_unique<Form1>(Form1Platform{settings, windowManager, messages, programEnd,
                                                     reader, [this] { onInformation(); },
                                                     [this] { return directory.path(); }})) {}

    // Loads and shows the window, as the program does.
    Form1& start() {
        form->load();
        form->show();
        QCoreApplication::processEvents();
        return *form;
    }

    // The reading process of this build.
    static QString builtReader();

    JetTableReader reader;
    RecordingMessages messages;
    RecordingProgramEnd programEnd;
    std::function<void()> onInformation = [] {};
    QTemporaryDir directory;
    std::unique_ptr<Form1> form;
};

} // namespace tavrin::test
