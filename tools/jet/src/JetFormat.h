// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "JetWriter.h"

#include <cstddef>
#include <cstdint>

namespace tavrin::jet {

// Layout figures that differ between Jet 3 and Jet 4 files.
struct JetFormat {
    JetVersion version;
    std::size_t pageSize;
    std::size_t dataPageHeaderSize; // data page bytes before the row offset table
    std::size_t rowCountOffset;     // data page offset of the row count
    std::size_t columnEntrySize;    // table definition bytes per column
    std::size_t usageMapSize;       // bytes of a table's usage map row
    std::size_t headerMaskLength;   // masked bytes of page 0 from 0x18
    std::uint16_t textColumnLength; // stored length of a Text(255) column
    std::size_t maxColumns;
    std::size_t countSize;    // bytes of a row's column count and variable count
    std::size_t nameLenSize;  // bytes of a column name's length prefix
    std::uint8_t versionByte; // page 0 offset 0x14

    bool isJet3() const { return version == JetVersion::Jet3; }
    std::size_t maxRowSize() const { return pageSize - dataPageHeaderSize - 2; }

    static const JetFormat& of(JetVersion version);
};

// Code page and sort order recorded for text: Japanese (Shift_JIS, LCID 1041).
inline constexpr std::uint16_t kCodePage = 932;
inline constexpr std::uint16_t kSortOrder = 0x0411;

} // namespace tavrin::jet
