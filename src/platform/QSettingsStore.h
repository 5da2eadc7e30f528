#pragma once

#include "SettingsStore.h"

namespace tavrin {

// The per-user settings store over QSettings in INI format. Each application
// keeps its own file, $XDG_CONFIG_HOME/<organization>/<application>.ini
// ($XDG_CONFIG_HOME defaults to ~/.config), so the main window's position
// lives in ~/.config/Tavrin/Tavrin.ini under [Form1_StrtUp]. Sections are INI
// groups, keys are keys in them, values are texts.
//
// Every write is flushed at once; QSettings replaces the file through a
// temporary file, so a failed write leaves the earlier file whole.
class QSettingsStore final : public SettingsStore {
public:
    explicit QSettingsStore(QString organization = QStringLiteral("Tavrin"));

    QString read(const QString& application, const QString& section, const QString& key,
                 const QString& defaultText) const override;
    // False when the file could not be written (with the reason on standard
    // error); the file on disk then keeps its earlier contents.
    bool write(const QString& application, const QString& section, const QString& key,
               const QString& text) override;

    // The file that holds `application`'s settings.
    QString fileName(const QString& application) const;

private:
    QString organization_;
};

} // namespace tavrin
