#include "JetStructureCheck.h"

#include <cstring>

namespace tavrin {
namespace {

constexpr unsigned char kTableDefinitionPage = 0x02;
constexpr unsigned int kOffsetMask = 0x1fff;
constexpr unsigned int kMaxRowsPerPage = 1000;  // libmdb's own limit
constexpr unsigned int kUsageMapHeader = 5;     // map type and first page
constexpr unsigned int kContinuationHeader = 8; // page type, owner, next page
constexpr unsigned char kFixedFlag = 0x01;

// The bytes libmdb reads for a value of a fixed-width type, whatever size the
// column claims; zero for the types it reads by the column's own length.
unsigned int valueWidth(unsigned char type) {
    switch (type) {
    case MDB_BYTE:
        return 1;
    case MDB_INT:
        return 2;
    case MDB_LONGINT:
    case MDB_COMPLEX:
    case MDB_FLOAT:
        return 4;
    case MDB_MONEY:
    case MDB_DOUBLE:
    case MDB_DATETIME:
        return 8;
    case MDB_REPID:
        return 16;
    case MDB_NUMERIC:
        return 17;
    default:
        return 0;
    }
}

std::uint32_t int32At(const std::vector<unsigned char>& bytes, unsigned int offset) {
    return static_cast<std::uint32_t>(bytes[offset]) |
           static_cast<std::uint32_t>(bytes[offset + 1]) << 8 |
           static_cast<std::uint32_t>(bytes[offset + 2]) << 16 |
           static_cast<std::uint32_t>(bytes[offset + 3]) << 24;
}

unsigned int int16At(const std::vector<unsigned char>& bytes, unsigned int offset) {
    return static_cast<unsigned int>(bytes[offset]) | static_cast<unsigned int>(bytes[offset + 1])
                                                          << 8;
}

} // namespace

JetStructureCheck::JetStructureCheck(MdbHandle* mdb, std::uint64_t fileSize)
    : mdb_(mdb), pageSize_(static_cast<unsigned int>(mdb->fmt->pg_size)),
      pageCount_(fileSize / pageSize_) {}

bool JetStructureCheck::readPage(std::uint32_t page, std::vector<unsigned char>& bytes) const {
    if (mdb_read_pg(mdb_, page) != static_cast<ssize_t>(pageSize_)) {
        return false;
    }
    bytes.assign(mdb_->pg_buf, mdb_->pg_buf + pageSize_);
    return true;
}

// Where row `row` of a data page lies, found as libmdb finds it.
bool JetStructureCheck::findRow(const std::vector<unsigned char>& page, unsigned int row,
                                unsigned int& start, unsigned int& length) const {
    const unsigned int countOffset = static_cast<unsigned int>(mdb_->fmt->row_count_offset);
    if (row > kMaxRowsPerPage || countOffset + 4 + row * 2 > pageSize_) {
        return false;
    }
    start = int16At(page, countOffset + 2 + row * 2) & kOffsetMask;
    const unsigned int end =
        row == 0 ? pageSize_ : int16At(page, countOffset + row * 2) & kOffsetMask;
    if (start >= pageSize_ || start > end || end > pageSize_) {
        return false;
    }
    length = end - start;
    return true;
}

// A definition longer than one page goes on in the pages each one names at
// offset 4, after their own header; libmdb reads it as one run of bytes.
bool JetStructureCheck::readDefinition(std::vector<unsigned char>& definition,
                                       std::size_t length) const {
    std::vector<unsigned char> page;
    while (definition.size() < length) {
        const std::uint32_t next = int32At(definition.size() == pageSize_ ? definition : page, 4);
        if (!readPage(next, page)) {
            return false;
        }
        definition.insert(definition.end(), page.begin() + kContinuationHeader, page.end());
    }
    return true;
}

bool JetStructureCheck::usageMapSound(const std::vector<unsigned char>& definition) const {
    const auto mapOffset = static_cast<unsigned int>(mdb_->fmt->tab_usage_map_offset);
    const std::uint32_t mapRow = int32At(definition, mapOffset);
    std::vector<unsigned char> mapPage;
    unsigned int start = 0;
    unsigned int length = 0;
    if (!readPage(mapRow >> 8, mapPage) || !findRow(mapPage, mapRow & 0xff, start, length)) {
        return false;
    }
    // libmdb reads the map's type byte and, for type 0, its first page number
    // without looking at the length.
    if (length < kUsageMapHeader) {
        return false;
    }
    const unsigned char type = mapPage[start];
    // A type 1 map (a list of map pages) may sit in a longer row than its
    // list needs; libmdb reads only the whole page numbers it holds.
    return type == 0 || type == 1;
}

bool JetStructureCheck::columnsSound(const std::vector<unsigned char>& firstPage) const {
    const MdbFormatConstants& format = *mdb_->fmt;
    const unsigned int columnCount = int16At(firstPage, format.tab_num_cols_offset);
    const std::int32_t indexCount =
        static_cast<std::int32_t>(int32At(firstPage, format.tab_num_ridxs_offset));
    if (indexCount < 0) {
        return false;
    }
    const std::uint64_t columnsStart = static_cast<std::uint64_t>(format.tab_cols_start_offset) +
                                       static_cast<std::uint64_t>(indexCount) *
                                           static_cast<std::uint64_t>(format.tab_ridx_entry_size);
    const auto entrySize = static_cast<unsigned int>(format.tab_col_entry_size);
    const std::uint64_t columnsEnd = columnsStart + std::uint64_t{columnCount} * entrySize;
    // A definition cannot be longer than the file that holds it.
    const std::uint64_t fileBytes = static_cast<std::uint64_t>(pageCount_) * pageSize_;
    if (columnsEnd > fileBytes) {
        return false;
    }
    std::vector<unsigned char> definition = firstPage;
    if (!readDefinition(definition, static_cast<std::size_t>(columnsEnd))) {
        return false;
    }
    for (unsigned int i = 0; i < columnCount; ++i) {
        const std::size_t entry =
            static_cast<std::size_t>(columnsStart) + std::size_t{i} * entrySize;
        const unsigned char type = definition[entry];
        const unsigned int width = valueWidth(type);
        if (width == 0) {
            continue;
        }
        const bool fixed = (definition[entry + format.col_flags_offset] & kFixedFlag) != 0;
        const unsigned int size =
            int16At(definition, static_cast<unsigned int>(entry) + format.col_size_offset);
        const unsigned int offset =
            int16At(definition, static_cast<unsigned int>(entry) + format.tab_col_offset_fixed);
        if (!fixed || size < width || offset + size > pageSize_) {
            return false;
        }
    }
    return true;
}

bool JetStructureCheck::tableDefinitionSound(std::uint32_t page) const {
    std::vector<unsigned char> definition;
    if (!readPage(page, definition) || definition[0] != kTableDefinitionPage) {
        return false;
    }
    return usageMapSound(definition) && columnsSound(definition);
}

} // namespace tavrin
