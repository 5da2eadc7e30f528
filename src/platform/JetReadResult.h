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
    Truncated,  // shorter than the smallest Jet database
    NotJet,     // not a Jet database at all
    Corrupt,    // a Jet header, but the catalog or table cannot be read
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
