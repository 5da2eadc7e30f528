// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "ByteBuffer.h"
#include "JetFormat.h"

#include <cstdint>
#include <vector>

namespace tavrin::jet {

// A column as stored: its Jet type code and size.
struct ColumnDef {
    Bytes name; // already encoded for the file's version
    std::uint8_t typeCode = 0;
    std::uint16_t fixedSize = 0; // 0 for a variable-length column
    std::uint16_t length = 0;    // declared length (text: bytes)
};

// Where each column sits in a row: fixed columns at fixed offsets in column
// order, variable ones by their index in the offset table.
struct ColumnSlot {
    ColumnDef def;
    std::uint16_t number = 0; // position in the table
    std::uint16_t fixedOffset = 0;
    std::uint16_t varIndex = 0;
    // libmdb takes one byte of the column number as the column's sort key and
    // Null-flag bit, so past 256 columns neighbours share a key.
    std::uint16_t nullKey = 0;
    bool isFixed() const { return def.fixedSize != 0; }
};

class ColumnLayout {
public:
    static constexpr std::size_t kDistinctKeys = 256;

    explicit ColumnLayout(std::vector<ColumnDef> defs);

    // For a table of more than 256 columns: groups neighbouring columns under
    // shared Null-flag keys so that no row needs one flag both set and clear
    // (a Null fixed-size cell beside a non-Null cell). present[row][column]
    // is true for non-Null cells. Throws JetWriteError if no grouping works.
    void shareNullKeys(const std::vector<std::vector<bool>>& present);

    const std::vector<ColumnSlot>& columns() const { return slots_; }
    std::size_t size() const { return slots_.size(); }
    std::size_t fixedSize() const { return fixedSize_; }
    std::size_t varCount() const { return varCount_; }

private:
    std::vector<ColumnSlot> slots_;
    std::size_t fixedSize_ = 0;
    std::size_t varCount_ = 0;
};

} // namespace tavrin::jet
