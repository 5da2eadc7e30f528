#pragma once

#include "TableData.h"

#include <QString>

namespace tavrin {

// What went wrong when a data file could not be read.
enum class JetReadError {
    None,
    Missing,    // no such file
    NotAFile,   // a directory or other non-regular file
    Unreadable, // no permission, or the read failed
    Empty,      // zero bytes
    Truncated,  // cut: not whole pages, or a page a read needs is not in the file
    NotJet,     // without the Jet signature, whatever its size
    Corrupt,    // a Jet header, but a structure or value a read needs is damaged
    NoTable,    // the table is not in the file
    NoRows,     // the table holds no row
};

struct JetReadResult {
    TableData table;
    JetReadError error = JetReadError::None;
    QString message; // Japanese, names the path; empty on success

    bool ok() const { return error == JetReadError::None; }

    // The Japanese message for an error about `path`.
    static QString messageFor(JetReadError error, const QString& path, const QString& tableName);
};

} // namespace tavrin
