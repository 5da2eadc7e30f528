#include "LargeTables.h"

#include "JetFixture.h"
#include "SheetDefinitions.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace tavrin::test {
namespace {

constexpr int kExtraColumnsBefore = 200;

} // namespace

JetTable manyColumnsTable(int columnCount, int rowCount) {
    const std::vector<std::string>& fields = dimensionFields();
    const int fieldCount = static_cast<int>(fields.size());
    if (columnCount < fieldCount) {
        throw std::invalid_argument("a table of the dimension record has at least 62 columns");
    }
    const int before = std::min(kExtraColumnsBefore, columnCount - fieldCount);
    std::vector<std::string> columns;
    for (int c = 0; c < columnCount; ++c) {
        const int field = c - before;
        columns.push_back(field >= 0 && field < fieldCount ? fields[std::size_t(field)]
                                                           : "X" + std::to_string(c));
    }
    std::vector<std::vector<Cell>> rows;
    rows.reserve(std::size_t(rowCount));
    for (int r = 0; r < rowCount; ++r) {
        std::vector<Cell> row;
        row.reserve(columns.size());
        for (int c = 0; c < columnCount; ++c) {
            const int field = c - before;
            row.emplace_back(field >= 0 && field < fieldCount
                                 ? fields[std::size_t(field)] + "#" + std::to_string(r)
                                 : std::string("x"));
        }
        rows.push_back(std::move(row));
    }
    return textTable(columns, rows);
}

} // namespace tavrin::test
