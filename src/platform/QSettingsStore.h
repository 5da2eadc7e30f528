#pragma once

#include "SettingsStore.h"

namespace tavrin {

// The per-user settings store over QSettings in INI format. Each application
// keeps its own file, $XDG_CONFIG_HOME/<organization>/<application>.ini
// ($XDG_CONFIG_HOME defaults to ~/.config), so the main window's position
// lives in ~/.config/Tavrin/Tavrin.ini under [Form1_StrtUp]. Sections are INI
// groups, keys are keys in them, values are texts.
//
// Every write is flushed at once. While QSettings writes it holds the lock
// file beside the settings file, reads the file again if another copy of the
// program has changed it, and replaces it by renaming a finished new file over
// it: a reader finds either the earlier file or the new one, and a failed
// write leaves the earlier file whole. The keys of one writeAll() go in one
// such replacement.
class QSettingsStore final : public SettingsStore {
public:
    explicit QSettingsStore(QString organization = QStringLiteral("Tavrin"));

    QString read(const QString& application, const QString& section, const QString& key,
                 const QString& defaultText) const override;
    // False when the file could not be written (with the reason on standard
    // error); the file on disk then keeps its earlier contents.
    bool writeAll(const QString& application, const QString& section,
                  const SettingsEntries& entries) override;

    // The file that holds `application`'s settings.
    QString fileName(const QString& application) const;

private:
    QString organization_;
};

} // namespace tavrin
