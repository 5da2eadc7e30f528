// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#include "CsvTable.h"

#include "src/CsvReader.h"
#include "src/TableEncoder.h"

#include <cctype>

namespace tavrin {

namespace {

struct Suffix {
    const char* text;
    JetType type;
};

constexpr Suffix kSuffixes[] = {
    {"integer", JetType::Integer}, {"long", JetType::Long}, {"single", JetType::Single},
    {"double", JetType::Double},   {"text", JetType::Text}, {"memo", JetType::Memo},
    {"ole", JetType::Ole},
};

JetColumn parseHeaderName(const std::string& field, std::size_t line) {
    const auto colon = field.rfind(':');
    if (colon == std::string::npos)
        return {field, JetType::Text};
    std::string suffix = field.substr(colon + 1);
    for (char& c : suffix)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (const auto& s : kSuffixes)
        if (suffix == s.text)
            return {field.substr(0, colon), s.type};
    throw CsvError(line, "column \"" + field +
                             "\" has an unknown type suffix \":" + field.substr(colon + 1) +
                             "\" (known: :integer, :long, :single, :double, :text, :memo, :ole)");
}

} // namespace

JetTable readCsvTable(std::istream& in, const std::string& tableName, JetVersion version) {
    jet::CsvReader reader(in);
    const auto header = reader.next();
    if (!header)
        throw CsvError(1, "the header row is missing");
    if (header->fields.size() == 1 && header->fields.front().text.empty())
        throw CsvError(header->line, "the header row is empty");

    JetTable table;
    table.name = tableName;
    for (const auto& field : header->fields)
        table.columns.push_back(parseHeaderName(field.text, header->line));

    std::optional<jet::TableEncoder> encoder;
    try {
        encoder.emplace(version, tableName, table.columns);
    } catch (const JetWriteError& e) {
        throw CsvError(header->line, e.what());
    }

    const std::size_t columns = table.columns.size();
    std::vector<std::vector<bool>> present;
    while (auto record = reader.next()) {
        if (record->fields.size() != columns)
            throw CsvError(record->line, "the row has " + std::to_string(record->fields.size()) +
                                             " cells; the header has " + std::to_string(columns) +
                                             " columns");
        std::vector<std::optional<std::string>> row;
        row.reserve(columns);
        for (auto& field : record->fields) {
            if (field.text.empty())
                row.emplace_back(std::nullopt);
            else
                row.emplace_back(std::move(field.text));
        }
        try {
            encoder->checkRow(encoder->encodeCells(row, table.rows.size()), table.rows.size());
        } catch (const JetWriteError& e) {
            throw CsvError(record->line, e.what());
        }
        if (columns > jet::ColumnLayout::kDistinctKeys) {
            std::vector<bool> p(columns);
            for (std::size_t c = 0; c < columns; ++c)
                p[c] = row[c].has_value();
            present.push_back(std::move(p));
        }
        table.rows.push_back(std::move(row));
    }
    if (columns > jet::ColumnLayout::kDistinctKeys) {
        try {
            jet::ColumnLayout(encoder->layout()).shareNullKeys(present);
        } catch (const JetWriteError& e) {
            throw CsvError(header->line, e.what());
        }
    }
    return table;
}

} // namespace tavrin
