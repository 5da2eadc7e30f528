// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#include "LargeTables.h"

#include "JetFixture.h"
#include "JetImage.h"
#include "SheetDefinitions.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace tavrin::test {
namespace {

constexpr int kExtraColumnsBefore = 200;

constexpr std::uint32_t kUserDefinitionPage = JetImage::kWrittenTablePage;
constexpr std::uint32_t kDeclaredLength = 16000;
constexpr std::uint32_t kInlineFlag = 0x80000000;
constexpr std::uint32_t kOneRowFlag = 0x40000000;

} // namespace

void writeSharedLongValueFile(const QString& path, int rowCount) {
    const std::vector<std::string>& fields = dimensionFields();
    JetTable table;
    table.name = "Kelvor";
    for (const std::string& field : fields) {
        table.columns.push_back({field, JetType::Memo});
    }
    for (int r = 0; r < rowCount; ++r) {
        table.rows.emplace_back(fields.size(), Cell("x"));
    }
    table.rows.front().front() = std::string(4000, 'a');
    writeFixture(path, JetVersion::Jet4, table);

    QByteArray bytes = readAll(path);
    const JetImage image(std::span(reinterpret_cast<std::uint8_t*>(bytes.data()),
                                   static_cast<std::size_t>(bytes.size())));
    const auto shared = image.longValueFields(image.dataPages(kUserDefinitionPage));
    if (shared.size() != 1) {
        throw std::runtime_error("the shared long value was not written as one");
    }
    // Every other cell is "x" in its row: a header declaring 2 bytes inline
    // (the letter in UCS-2), which now names the shared value instead.
    for (const std::size_t page : image.dataPages(kUserDefinitionPage)) {
        const std::size_t end = (page + 1) * image.pageSize();
        for (std::size_t at = page * image.pageSize(); at + 15 <= end; ++at) {
            if (image.u32(at) == (kInlineFlag | 2) && image.u32(at + 4) == 0 &&
                image.u32(at + 8) == 0 && image.u16(at + 12) == 'x') {
                image.setU32(at, kOneRowFlag | kDeclaredLength);
                image.setU32(at + 4, shared.front().pointer);
            }
        }
    }
    image.setU32(shared.front().at, kOneRowFlag | kDeclaredLength);
    writeAll(path, bytes);
}

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
