// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "ByteBuffer.h"
#include "ColumnLayout.h"
#include "JetFormat.h"

#include <cstdint>
#include <vector>

namespace tavrin::jet {

// Writes a table definition (TDEF): header, column descriptors, column
// names. A definition longer than a page continues on further pages, each
// with an 8-byte header, linked by the next-page pointer at offset 4.
class TableDefinitionWriter {
public:
    struct Table {
        const ColumnLayout* layout = nullptr;
        bool system = false;
        std::uint32_t rowCount = 0;
        std::uint32_t usedPagesMap = 0; // page << 8 | row of the usage map row
        std::uint32_t freePagesMap = 0;
    };

    explicit TableDefinitionWriter(const JetFormat& format) : format_(format) {}

    std::size_t pageCount(const ColumnLayout& layout) const;
    // The pages, to be stored from firstPage on.
    std::vector<Bytes> pages(const Table& table, std::uint32_t firstPage) const;

private:
    // The definition as one stream: what follows the first page's 8-byte header.
    Bytes stream(const Table& table) const;
    void appendColumn(ByteBuffer& out, const ColumnSlot& slot) const;

    const JetFormat& format_;
};

} // namespace tavrin::jet
