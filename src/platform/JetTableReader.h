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
};

// Reads one table of a Jet 3 or Jet 4 database file, read only, through libmdb.
// Jet 3 text is decoded in the code page the file records, or as code page 932
// where it records none; Jet 4 text is Unicode. Numbers come out as a person
// writes them ("15.5", never "15.50000000").
class JetTableReader {
public:
    static JetReadResult read(const QString& path, const QString& tableName);

    // The Japanese message for an error about `path`.
    static QString messageFor(JetReadError error, const QString& path, const QString& tableName);
};

} // namespace tavrin
