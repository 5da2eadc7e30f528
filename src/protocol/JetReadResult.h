// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "TableData.h"

#include <QString>
#include <QStringList>

namespace tavrin {

// What went wrong when a data file could not be read.
enum class JetReadError {
    None,
    NoReader,   // the reading program is not installed
    Missing,    // no such file
    NotAFile,   // a directory or other non-regular file
    Unreadable, // no permission, or the read failed
    Empty,      // zero bytes
    Truncated,  // cut: not whole pages, or a page a read needs is not in the file
    NotJet,     // without the Jet signature, whatever its size
    Corrupt,    // a Jet header, but a structure or value a read needs is damaged
    NoTable,    // the table is not in the file
    NoRows,     // the table holds no row
    TooLarge,   // the table holds more than the viewer takes (ReaderAnswer's bounds)
};

struct JetReadResult {
    TableData table;
    JetReadError error = JetReadError::None;
    QString message; // Japanese, names the path; empty on success

    bool ok() const { return error == JetReadError::None; }

    // The Japanese message for an error about `path`.
    static QString messageFor(JetReadError error, const QString& path, const QString& tableName);
    // No reading program at any of `places`.
    static JetReadResult readerMissing(const QStringList& places);
    // `missing` of the `bound` fields shown are not in the table; `firstNames`
    // are the first of them.
    static QString missingFieldsMessage(const QString& path, const QString& tableName, int missing,
                                        int bound, const QStringList& firstNames);
};

} // namespace tavrin
