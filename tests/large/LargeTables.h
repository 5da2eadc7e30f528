#pragma once

// The large Kelvor tables of the large-table tests and their benchmark.

#include "JetWriter.h"

namespace tavrin::test {

// The many-rows table is dimensionTable() (JetFixture.h).

// `columnCount` Text columns (at least the dimension record's 62): the fields
// of the dimension record from the 201st column on, read as in
// dimensionTable(), and extra columns "X<n>" before and after them, each cell "x".
JetTable manyColumnsTable(int columnCount, int rowCount);

} // namespace tavrin::test
