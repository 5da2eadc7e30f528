#include "JetStructureCheck.h"

#include <cstring>

namespace tavrin {
namespace {

constexpr unsigned char kTableDefinitionPage = 0x02;
constexpr unsigned int kOffsetMask = 0x1fff;
constexpr unsigned int kMaxRowsPerPage = 1000; // libmdb's own limit
constexpr unsigned int kUsageMapHeader = 5;    // map type and first page

std::uint32_t int32At(const std::vector<unsigned char>& bytes, unsigned int offset) {
    return static_cast<std::uint32_t>(bytes[offset]) |
           static_cast<std::uint32_t>(bytes[offset + 1]) << 8 |
           static_cast<std::uint32_t>(bytes[offset + 2]) << 16 |
           static_cast<std::uint32_t>(bytes[offset + 3]) << 24;
}

unsigned int int16At(const std::vector<unsigned char>& bytes, unsigned int offset) {
    return static_cast<unsigned int>(bytes[offset]) |
           static_cast<unsigned int>(bytes[offset + 1]) << 8;
}

} // namespace

JetStructureCheck::JetStructureCheck(MdbHandle* mdb)
    : mdb_(mdb), pageSize_(static_cast<unsigned int>(mdb->fmt->pg_size)) {}

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

bool JetStructureCheck::tableDefinitionSound(std::uint32_t page) const {
    std::vector<unsigned char> definition;
    if (!readPage(page, definition) || definition[0] != kTableDefinitionPage) {
        return false;
    }
    const auto mapOffset = static_cast<unsigned int>(mdb_->fmt->tab_usage_map_offset);
    if (mapOffset + 4 > pageSize_) {
        return false;
    }
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
    return type == 0 || (type == 1 && (length - 1) % 4 == 0);
}

} // namespace tavrin
