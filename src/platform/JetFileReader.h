#pragma once

#include "JetReadResult.h"

#include <QString>

namespace tavrin {

// Reads one table of a Jet 3 or Jet 4 database file, read only, through
// libmdb, in the calling process. Jet 3 text is decoded in the code page the
// file records, or as code page 932 where it records none; Jet 4 text is
// Unicode. Numbers come out as a person writes them ("15.5", never
// "15.50000000"). libmdb trusts the file it reads, so the viewer runs this
// only inside the reading program (see JetTableReader).
class JetFileReader {
public:
    static JetReadResult read(const QString& path, const QString& tableName);
};

} // namespace tavrin
