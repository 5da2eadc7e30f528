// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#include "TableDefinitionWriter.h"

#include <algorithm>

namespace tavrin::jet {

namespace {

constexpr std::uint8_t kUserTable = 0x4E;
constexpr std::uint8_t kSystemTable = 0x53;
constexpr std::uint8_t kFixedColumn = 0x01;
constexpr std::uint8_t kNullable = 0x02;
constexpr std::uint8_t kCompressedUnicode = 0x01;
constexpr std::uint8_t kTextType = 0x0A;
constexpr std::uint8_t kMemoType = 0x0C;

} // namespace

void TableDefinitionWriter::appendColumn(ByteBuffer& out, const ColumnSlot& slot) const {
    const ColumnDef& def = slot.def;
    const bool text = def.typeCode == kTextType || def.typeCode == kMemoType;
    const std::uint8_t flags = slot.isFixed() ? kFixedColumn | kNullable : kNullable;
    const std::size_t at = out.size();
    out.appendZeros(format_.columnEntrySize);
    out.putU8(at, def.typeCode);
    if (format_.isJet3()) {
        out.putU16(at + 1, slot.nullKey);
        out.putU16(at + 3, slot.varIndex);
        out.putU16(at + 5, slot.number);
        if (text) {
            out.putU16(at + 7, kSortOrder);
            out.putU16(at + 9, kCodePage);
        }
        out.putU8(at + 13, flags);
        out.putU16(at + 14, slot.fixedOffset);
        out.putU16(at + 16, def.length);
    } else {
        out.putU16(at + 5, slot.nullKey);
        out.putU16(at + 7, slot.varIndex);
        out.putU16(at + 9, slot.number);
        if (text) {
            out.putU16(at + 11, kSortOrder);
            out.putU8(at + 16, kCompressedUnicode);
        }
        out.putU8(at + 15, flags);
        out.putU16(at + 21, slot.fixedOffset);
        out.putU16(at + 23, def.length);
    }
}

Bytes TableDefinitionWriter::stream(const Table& table) const {
    const ColumnLayout& layout = *table.layout;
    const auto columns = static_cast<std::uint16_t>(layout.size());
    ByteBuffer out;
    out.appendU32(0); // definition length, set below
    if (!format_.isJet3())
        out.appendU32(0);
    out.appendU32(table.rowCount);
    out.appendU32(0); // next autonumber
    if (!format_.isJet3())
        out.appendZeros(16);
    out.appendU8(table.system ? kSystemTable : kUserTable);
    out.appendU16(columns); // most columns a row has
    out.appendU16(static_cast<std::uint16_t>(layout.varCount()));
    out.appendU16(columns);
    out.appendU32(0); // logical indexes
    out.appendU32(0); // index entries
    out.appendU32(table.usedPagesMap);
    out.appendU32(table.freePagesMap);
    for (const auto& slot : layout.columns())
        appendColumn(out, slot);
    for (const auto& slot : layout.columns()) {
        if (format_.isJet3())
            out.appendU8(static_cast<std::uint8_t>(slot.def.name.size()));
        else
            out.appendU16(static_cast<std::uint16_t>(slot.def.name.size()));
        out.append(slot.def.name);
    }
    out.appendU16(0xFFFF); // no long-value column maps follow
    out.putU32(0, static_cast<std::uint32_t>(out.size()));
    return std::move(out.bytes());
}

std::size_t TableDefinitionWriter::pageCount(const ColumnLayout& layout) const {
    Table probe;
    probe.layout = &layout;
    const std::size_t perPage = format_.pageSize - 8;
    return (stream(probe).size() + perPage - 1) / perPage;
}

std::vector<Bytes> TableDefinitionWriter::pages(const Table& table, std::uint32_t firstPage) const {
    const Bytes data = stream(table);
    const std::size_t perPage = format_.pageSize - 8;
    const std::size_t count = (data.size() + perPage - 1) / perPage;
    std::vector<Bytes> out;
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t begin = i * perPage;
        const std::size_t end = std::min(data.size(), begin + perPage);
        ByteBuffer page(format_.pageSize);
        page.putU8(0, 0x02);
        page.putU8(1, 0x01);
        if (format_.isJet3()) {
            page.putU8(2, 'V');
            page.putU8(3, 'C');
        } else {
            const std::size_t free = perPage - (end - begin);
            page.putU16(2, static_cast<std::uint16_t>(free >= 8 ? free - 8 : 0));
        }
        if (i + 1 < count)
            page.putU32(4, firstPage + static_cast<std::uint32_t>(i + 1));
        page.put(8, std::span(data).subspan(begin, end - begin));
        out.push_back(std::move(page.bytes()));
    }
    return out;
}

} // namespace tavrin::jet
