// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QList>
#include <QString>
#include <utility>

namespace tavrin {

// Keys of one section with their texts, in the order they are written.
using SettingsEntries = QList<std::pair<QString, QString>>;

// The per-user application-settings store, addressed by application, section
// and key; values are texts. Several copies of the program may use one store
// at the same time.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // The stored text, or `defaultText` when the key is absent.
    virtual QString read(const QString& application, const QString& section, const QString& key,
                         const QString& defaultText) const = 0;
    // Creates the key or replaces its value; false when the store could not be written.
    bool write(const QString& application, const QString& section, const QString& key,
               const QString& text) {
        return writeAll(application, section, {{key, text}});
    }
    // Creates or replaces every key of `entries` in one write: whoever reads
    // or writes the store at the same time (another copy of the program) finds
    // either all of them or none of them. False when the store could not be
    // written; then none of them was.
    virtual bool writeAll(const QString& application, const QString& section,
                          const SettingsEntries& entries) = 0;
};

// A store that holds nothing: every read answers with its default.
class EmptySettingsStore final : public SettingsStore {
public:
    QString read(const QString&, const QString&, const QString&,
                 const QString& defaultText) const override {
        return defaultText;
    }
    bool writeAll(const QString&, const QString&, const SettingsEntries&) override { return true; }
};

} // namespace tavrin
