// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

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
// A table that the viewer would refuse to take from the reading program (its
// answer longer than ReaderAnswer::kMaxBytes, or more than
// ReaderAnswer::kMaxCells values) is damaged, here as there: a dimension
// table of 10,000 rows takes about a quarter of it, while a small file can
// hold numbers or shared long values whose text is many times its size (each
// value being cut at JetValueText::kMaxChars).
class JetFileReader {
public:
    static JetReadResult read(const QString& path, const QString& tableName);
};

} // namespace tavrin
