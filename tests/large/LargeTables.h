// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#pragma once

// The large Kelvor tables of the large-table tests and their benchmark.

#include "JetWriter.h"

#include <QString>

namespace tavrin::test {

// The many-rows table is dimensionTable() (JetFixture.h).

// `columnCount` Text columns (at least the dimension record's 62): the fields
// of the dimension record from the 201st column on, read as in
// dimensionTable(), and extra columns "X<n>" before and after them, each cell "x".
JetTable manyColumnsTable(int columnCount, int rowCount);

// Writes a Jet 4 file of the dimension record's 62 fields as Memo columns
// and `rowCount` rows in which every cell names one shared long value of
// 4,000 bytes in one row and declares 16,000: a file built to make a reader
// allocate far more than the file holds.
void writeSharedLongValueFile(const QString& path, int rowCount);

} // namespace tavrin::test
