// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#include "TableEncoder.h"

#include "LongValueStore.h"

#include <set>

namespace tavrin::jet {

namespace {

struct TypeSize {
    JetType type;
    std::uint16_t fixedSize; // 0: variable length
};

constexpr TypeSize kTypeSizes[] = {
    {JetType::Integer, 2}, {JetType::Long, 4}, {JetType::Single, 4}, {JetType::Double, 8},
    {JetType::Text, 0},    {JetType::Memo, 0}, {JetType::Ole, 0},
};

std::uint16_t fixedSizeOf(JetType type) {
    for (const auto& t : kTypeSizes)
        if (t.type == type)
            return t.fixedSize;
    throw JetWriteError("unknown column type");
}

// What Jet refuses in an object name: a leading space, control characters
// and the characters its SQL gives a meaning ("." and "!" join names, "`",
// "[" and "]" quote them). Empty when the name is allowed.
std::string nameFault(const std::string& name) {
    if (name.front() == ' ')
        return "a Jet name cannot start with a space";
    for (const char c : name) {
        if (static_cast<unsigned char>(c) < 0x20)
            return "a Jet name cannot hold a control character";
        if (c == '.' || c == '!' || c == '`' || c == '[' || c == ']')
            return std::string("a Jet name cannot hold '") + c + "' (nor . ! ` [ ])";
    }
    return {};
}

std::string asciiLower(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return s;
}

} // namespace

TableEncoder::TableEncoder(JetVersion version, const std::string& tableName,
                           const std::vector<JetColumn>& columns)
    : format_(JetFormat::of(version)), cells_(version), layout_(makeLayout(tableName, columns)) {
    for (const auto& c : columns) {
        types_.push_back(c.type);
        names_.push_back(c.name);
    }
}

ColumnLayout TableEncoder::makeLayout(const std::string& tableName,
                                      const std::vector<JetColumn>& columns) const {
    if (tableName.empty())
        throw JetWriteError("the table name is empty");
    try {
        cells_.text().encodeValue(tableName);
        cells_.text().encodeName(tableName, kMaxNameChars);
    } catch (const CellError& e) {
        throw JetWriteError("table name \"" + tableName + "\": " + e.what());
    }
    if (columns.empty())
        throw JetWriteError("the table has no columns");
    if (columns.size() > format_.maxColumns)
        throw JetWriteError("the table has " + std::to_string(columns.size()) +
                            " columns; this file version holds at most " +
                            std::to_string(format_.maxColumns));
    std::vector<ColumnDef> defs;
    std::set<std::string> seen;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const JetColumn& column = columns[i];
        if (column.name.empty())
            throw JetWriteError("column " + std::to_string(i + 1) + " has an empty name", {}, i);
        if (const std::string fault = nameFault(column.name); !fault.empty())
            throw JetWriteError("column \"" + column.name + "\": " + fault, {}, i);
        ColumnDef def;
        try {
            def.name = cells_.text().encodeName(column.name, kMaxNameChars);
        } catch (const CellError& e) {
            throw JetWriteError("column \"" + column.name + "\": " + e.what(), {}, i);
        }
        if (!seen.insert(asciiLower(column.name)).second)
            throw JetWriteError("column name \"" + column.name + "\" appears twice", {}, i);
        def.typeCode = static_cast<std::uint8_t>(column.type);
        def.fixedSize = fixedSizeOf(column.type);
        def.length = def.fixedSize != 0             ? def.fixedSize
                     : column.type == JetType::Text ? format_.textColumnLength
                                                    : 0;
        defs.push_back(std::move(def));
    }
    return ColumnLayout(std::move(defs));
}

EncodedRow TableEncoder::encodeCells(const std::vector<std::optional<std::string>>& row,
                                     std::size_t rowIndex) const {
    if (row.size() != types_.size())
        throw JetWriteError("the row has " + std::to_string(row.size()) + " cells; the table has " +
                                std::to_string(types_.size()) + " columns",
                            rowIndex);
    EncodedRow out(row.size());
    for (std::size_t c = 0; c < row.size(); ++c) {
        if (!row[c])
            continue;
        try {
            out[c] = cells_.encode(types_[c], *row[c]);
        } catch (const CellError& e) {
            throw JetWriteError("column \"" + names_[c] + "\": " + e.what(), rowIndex, c);
        }
    }
    return out;
}

Bytes TableEncoder::encodeRow(const EncodedRow& cells, const ColumnLayout& layout,
                              std::size_t rowIndex) const {
    try {
        return RowEncoder(format_, layout).encode(cells);
    } catch (const CellError& e) {
        throw JetWriteError(e.what(), rowIndex);
    }
}

void TableEncoder::checkRow(EncodedRow cells, std::size_t rowIndex) const {
    for (std::size_t c = 0; c < cells.size(); ++c)
        if (cells[c] && LongValueStore::isLong(types_[c]))
            cells[c] = Bytes(LongValueStore::fieldSize(cells[c]->size()));
    encodeRow(cells, layout_, rowIndex);
}

} // namespace tavrin::jet
