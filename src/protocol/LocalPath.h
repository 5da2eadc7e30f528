// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>

namespace tavrin {

// File names as the file system holds them, which is bytes. A name that is
// valid UTF-8 reads as its text; each byte that is not stands for itself as
// one of the code points U+DC80 to U+DCFF (lone surrogates, which no valid
// UTF-8 yields), so every name survives fromBytes and toBytes unchanged.
class LocalPath {
public:
    static QString fromBytes(const QByteArray& bytes);
    static QByteArray toBytes(const QString& path);

    // `path` for a message: each byte that is not UTF-8 as U+FFFD.
    static QString forDisplay(const QString& path);

    // The process's working directory. One that has been deleted since comes
    // back as the kernel names it ("/old/folder (deleted)"), a folder that
    // no longer exists, so nothing is ever found in it.
    static QString workingDirectory();
};

} // namespace tavrin
