#include "JetStructureCheck.h"

#include <vector>

namespace tavrin {
namespace {

constexpr unsigned char kTableDefinitionPage = 0x02;
constexpr std::size_t kUsageMapHeader = 5;     // map type and first page
constexpr std::size_t kContinuationHeader = 8; // page type, owner, next page
constexpr unsigned char kFixedFlag = 0x01;

// The bytes libmdb reads for a value of a fixed-width type, whatever size the
// column claims; zero for the types it reads by the column's own length.
int valueWidth(unsigned char type) {
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

} // namespace

JetStructureCheck::JetStructureCheck(MdbHandle* mdb, std::uint64_t fileSize)
    : mdb_(mdb), fileSize_(fileSize) {}

// The usage map's row is found with libmdb's own row lookup, as
// mdb_read_table finds it; the lookup leaves the current page as it was.
bool JetStructureCheck::usageMapSound() const {
    const int mapRow =
        static_cast<int>(mdb_get_int32(mdb_->pg_buf, mdb_->fmt->tab_usage_map_offset));
    void* page = nullptr;
    int start = 0;
    std::size_t length = 0;
    if (mdb_find_pg_row(mdb_, mapRow, &page, &start, &length) != 0) {
        return false;
    }
    // libmdb reads the map's type byte and, for type 0, its first page number
    // without looking at the length.
    if (length < kUsageMapHeader) {
        return false;
    }
    const unsigned char type = static_cast<const unsigned char*>(page)[start];
    // A type 1 map (a list of map pages) may sit in a longer row than its
    // list needs; libmdb reads only the whole page numbers it holds.
    return type == 0 || type == 1;
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
    if (columnsEnd > fileSize_ / pageSize * pageSize) {
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
        const int width = valueWidth(entry[0]);
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

bool JetStructureCheck::tableDefinitionSound(std::uint32_t page) const {
    if (mdb_read_pg(mdb_, page) != static_cast<ssize_t>(mdb_->fmt->pg_size) ||
        mdb_->pg_buf[0] != kTableDefinitionPage) {
        return false;
    }
    return usageMapSound() && columnsSound();
}

} // namespace tavrin
