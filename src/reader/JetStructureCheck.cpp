// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#include "JetStructureCheck.h"

#include "JetColumnTypes.h"

#include <vector>

namespace tavrin {
namespace {

constexpr unsigned char kTableDefinitionPage = 0x02;
constexpr std::size_t kUsageMapHeader = 5;     // map type and first page
constexpr std::size_t kContinuationHeader = 8; // page type, owner, next page
constexpr unsigned char kFixedFlag = 0x01;

} // namespace

JetStructureCheck::JetStructureCheck(MdbHandle* mdb, const JetPageCheck& pages)
    : mdb_(mdb), pages_(pages) {}

// The usage map's row is found with libmdb's own row lookup, as
// mdb_read_table finds it; the lookup leaves the current page as it was.
JetReadError JetStructureCheck::usageMap() const {
    const int mapRow =
        static_cast<int>(mdb_get_int32(mdb_->pg_buf, mdb_->fmt->tab_usage_map_offset));
    if (!pages_.inFile(static_cast<std::uint32_t>(mapRow) >> 8)) {
        return JetReadError::Truncated;
    }
    void* page = nullptr;
    int start = 0;
    std::size_t length = 0;
    if (mdb_find_pg_row(mdb_, mapRow, &page, &start, &length) != 0) {
        return JetReadError::Corrupt;
    }
    // libmdb reads the map's type byte and, for type 0, its first page number
    // without looking at the length.
    if (length < kUsageMapHeader) {
        return JetReadError::Corrupt;
    }
    const unsigned char type = static_cast<const unsigned char*>(page)[start];
    // A type 1 map (a list of map pages) may sit in a longer row than its
    // list needs; libmdb reads only the whole page numbers it holds.
    return type == 0 || type == 1 ? JetReadError::None : JetReadError::Corrupt;
}

// The column entries follow the real indexes and may run on into the
// definition's continuation pages, each named at offset 4 of the one before
// and read after its own 8-byte header, as libmdb reads them. The current
// page is the definition's first.
bool JetStructureCheck::columnsSound() const {
    const MdbFormatConstants& format = *mdb_->fmt;
    const auto pageSize = static_cast<std::size_t>(format.pg_size);
    const auto columnCount =
        static_cast<unsigned int>(mdb_get_int16(mdb_->pg_buf, format.tab_num_cols_offset));
    const auto indexCount =
        static_cast<std::int32_t>(mdb_get_int32(mdb_->pg_buf, format.tab_num_ridxs_offset));
    if (indexCount < 0) {
        return false;
    }
    const std::uint64_t columnsStart = static_cast<std::uint64_t>(format.tab_cols_start_offset) +
                                       static_cast<std::uint64_t>(indexCount) *
                                           static_cast<std::uint64_t>(format.tab_ridx_entry_size);
    const auto entrySize = static_cast<std::size_t>(format.tab_col_entry_size);
    const std::uint64_t columnsEnd = columnsStart + std::uint64_t{columnCount} * entrySize;
    // A definition cannot be longer than the whole pages of the file.
    if (columnsEnd > std::uint64_t{pages_.pageCount()} * pageSize) {
        return false;
    }
    std::vector<unsigned char> definition(mdb_->pg_buf, mdb_->pg_buf + pageSize);
    while (definition.size() < columnsEnd) {
        const auto next = static_cast<unsigned long>(mdb_get_int32(mdb_->pg_buf, 4));
        if (mdb_read_pg(mdb_, next) != static_cast<ssize_t>(pageSize)) {
            return false;
        }
        definition.insert(definition.end(), mdb_->pg_buf + kContinuationHeader,
                          mdb_->pg_buf + pageSize);
    }
    for (unsigned int i = 0; i < columnCount; ++i) {
        unsigned char* entry = definition.data() + columnsStart + std::size_t{i} * entrySize;
        const JetColumnType* type = jetColumnType(entry[0]);
        if (type == nullptr) {
            return false;
        }
        const int width = type->width;
        if (width == 0) {
            continue;
        }
        const bool fixed = (entry[format.col_flags_offset] & kFixedFlag) != 0;
        const int size = mdb_get_int16(entry, format.col_size_offset);
        const int offset = mdb_get_int16(entry, format.tab_col_offset_fixed);
        if (!fixed || size < width || offset + size > format.pg_size) {
            return false;
        }
    }
    return true;
}

JetReadError JetStructureCheck::tableDefinition(std::uint32_t page) const {
    const JetReadError chain = pages_.definitionChain(page);
    if (chain != JetReadError::None) {
        return chain;
    }
    if (mdb_read_pg(mdb_, page) != static_cast<ssize_t>(mdb_->fmt->pg_size) ||
        mdb_->pg_buf[0] != kTableDefinitionPage) {
        return JetReadError::Corrupt;
    }
    const JetReadError map = usageMap();
    if (map != JetReadError::None) {
        return map;
    }
    return columnsSound() ? JetReadError::None : JetReadError::Corrupt;
}

} // namespace tavrin
