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
//
// A table whose text, counting kCellCost more for each cell, passes
// kTableTextLimit UTF-16 code units is damaged: a dimension table of 10,000
// rows holds less than half of it, while a small file can hold numbers or
// shared long values whose text is many times its size (each value being cut
// at JetValueText::kMaxChars), which the viewer would have to hold.
class JetFileReader {
public:
    static constexpr qint64 kTableTextLimit = qint64{32} << 20;
    static constexpr qint64 kCellCost = 12; // a QString's own size, in code units

    static JetReadResult read(const QString& path, const QString& tableName);
};

} // namespace tavrin
