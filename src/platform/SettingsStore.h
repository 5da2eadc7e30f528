#pragma once

#include <QString>

namespace tavrin {

// The per-user application-settings store, addressed by application, section
// and key; values are texts.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // The stored text, or `defaultText` when the key is absent.
    virtual QString read(const QString& application, const QString& section, const QString& key,
                         const QString& defaultText) const = 0;
    // Creates the key or replaces its value; false when the store could not be written.
    virtual bool write(const QString& application, const QString& section, const QString& key,
                       const QString& text) = 0;
};

// A store that holds nothing: every read answers with its default.
class EmptySettingsStore final : public SettingsStore {
public:
    QString read(const QString&, const QString&, const QString&,
                 const QString& defaultText) const override {
        return defaultText;
    }
    bool write(const QString&, const QString&, const QString&, const QString&) override {
        return true;
    }
};

} // namespace tavrin
