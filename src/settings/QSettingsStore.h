// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "SettingsStore.h"

#include <QSet>
#include <chrono>

namespace tavrin {

// The per-user settings store in QSettings' INI format (IniText), read and
// written in memory and beside the file, never through a copy elsewhere. Each application
// keeps its own file, <config>/<organization>/<application>.ini, where
// <config> is the user's configuration folder (UserConfigFolder: usually
// ~/.config), so the main window's position lives in
// ~/.config/Tavrin/Tavrin.ini under [Form1_StrtUp]. Sections are INI groups,
// keys are keys in them, values are texts.
//
// A write takes the lock file beside the settings file (the one QSettings
// takes, <file>.lock, through QLockFile), waiting for it a bounded time;
// reads the file again under the lock, so that the keys another copy of the
// program wrote stay; and replaces the file by renaming a finished new file
// over it (QSaveFile): a reader finds either the earlier file or the new one,
// and a failed write leaves the earlier file whole. The keys of one
// writeAll() go in one such replacement. A file that QSettings cannot parse
// is read as empty, with a warning, and never written over.
//
// Only a regular file of at most kMaxFileBytes is read: this program's own
// file holds one short section, and a larger one, or a FIFO, a device or a
// folder in its place, would only make the program wait or fill its memory.
// Such a file is not read (one warning on standard error says why), and a
// write refuses to replace it, so a file the user put there stays as it is.
//
// With no configuration folder (no usable home folder anywhere) nothing is
// kept: reads answer their defaults and writes keep nothing, with one warning.
class QSettingsStore final : public SettingsStore {
public:
    static constexpr std::chrono::milliseconds kDefaultLockWait{1500};
    // The largest settings file that is read, 64 KiB.
    static constexpr qsizetype kMaxFileBytes = 64 * 1024;

    // In the user's configuration folder.
    explicit QSettingsStore(QString organization = QStringLiteral("Tavrin"));
    // In `configFolder`, empty for none; a write waits at most `lockWait` for
    // the lock.
    QSettingsStore(QString organization, QString configFolder,
                   std::chrono::milliseconds lockWait = kDefaultLockWait);

    // The stored text, or the default where the key is absent or the file
    // cannot be read (then with a warning on standard error, once a file).
    QString read(const QString& application, const QString& section, const QString& key,
                 const QString& defaultText) const override;
    // False when the file could not be written (with the reason on standard
    // error); the file on disk then keeps its earlier contents.
    bool writeAll(const QString& application, const QString& section,
                  const SettingsEntries& entries) override;

    // The file that holds `application`'s settings; empty with no folder.
    QString fileName(const QString& application) const;

private:
    void warnOnce(const QString& about, const QString& text) const;

    QString organization_;
    QString configFolder_;
    std::chrono::milliseconds lockWait_;
    mutable QSet<QString> warned_;
};

} // namespace tavrin
