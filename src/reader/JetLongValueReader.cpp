// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT
#include "JetLongValueReader.h"

#include <algorithm>
#include <cstring>
#include <set>

namespace tavrin {
namespace {

constexpr int kHeaderSize = 12;
constexpr std::uint32_t kFlagMask = 0xFF000000;
constexpr std::uint32_t kInline = 0x80000000;
constexpr std::uint32_t kOneRow = 0x40000000;
constexpr std::uint32_t kChain = 0;
constexpr std::size_t kNextPointerSize = 4;
constexpr unsigned char kDataPage = 0x01;
constexpr char kLongValueOwner[] = {'L', 'V', 'A', 'L'};
constexpr int kOwnerOffset = 4;

} // namespace

JetLongValueReader::JetLongValueReader(MdbHandle* mdb, const JetPageCheck& pages,
                                       std::size_t byteLimit)
    : mdb_(mdb), pages_(pages), byteLimit_(byteLimit),
      budget_(std::uint64_t{pages.pageCount()} * static_cast<std::uint64_t>(mdb->fmt->pg_size)) {}

void JetLongValueReader::keep(QByteArray& bytes, const unsigned char* data,
                              std::size_t size) const {
    const std::size_t room = byteLimit_ - std::min<std::size_t>(byteLimit_, bytes.size());
    bytes.append(reinterpret_cast<const char*>(data), static_cast<qsizetype>(std::min(room, size)));
}

JetLongValueReader::Value JetLongValueReader::read(int start, int size) {
    if (size == 0) {
        return {};
    }
    if (size < kHeaderSize || start < 0 || start + size > mdb_->fmt->pg_size) {
        return {JetReadError::Corrupt, {}};
    }
    const unsigned char* field = mdb_->pg_buf + start;
    const auto word = static_cast<std::uint32_t>(mdb_get_int32(mdb_->pg_buf, start));
    const std::uint32_t flags = word & kFlagMask;
    if (flags == kInline) {
        Value value;
        keep(value.bytes, field + kHeaderSize, static_cast<std::size_t>(size - kHeaderSize));
        return value;
    }
    if (flags != kOneRow && flags != kChain) {
        return {JetReadError::Corrupt, {}};
    }
    const auto pointer = static_cast<std::uint32_t>(mdb_get_int32(mdb_->pg_buf, start + 4));
    const auto key = std::make_pair(pointer, word);
    const auto known = followed_.find(key);
    if (known != followed_.end()) {
        return known->second;
    }
    Value value = follow(pointer, word & ~kFlagMask, flags == kOneRow);
    value.key = std::uint64_t{pointer} << 32 | word;
    followed_.emplace(key, value);
    return value;
}

JetReadError JetLongValueReader::findRow(std::uint32_t pointer, const unsigned char** row,
                                         std::size_t* size) {
    if (!pages_.inFile(pointer >> 8)) {
        return JetReadError::Truncated;
    }
    void* page = nullptr;
    int start = 0;
    if (mdb_find_pg_row(mdb_, static_cast<int>(pointer), &page, &start, size) != 0) {
        return JetReadError::Corrupt;
    }
    const auto* bytes = static_cast<const unsigned char*>(page);
    const auto rows = static_cast<std::uint32_t>(
        mdb_get_int16(static_cast<void*>(mdb_->alt_pg_buf), mdb_->fmt->row_count_offset));
    if (bytes[0] != kDataPage ||
        std::memcmp(bytes + kOwnerOffset, kLongValueOwner, sizeof kLongValueOwner) != 0 ||
        (pointer & 0xFF) >= rows) {
        return JetReadError::Corrupt;
    }
    if (*size > budget_) {
        return JetReadError::Corrupt;
    }
    budget_ -= *size;
    *row = bytes + start;
    return JetReadError::None;
}

JetLongValueReader::Value JetLongValueReader::follow(std::uint32_t pointer, std::uint32_t length,
                                                     bool oneRow) {
    Value value;
    const unsigned char* row = nullptr;
    std::size_t size = 0;
    if (oneRow) {
        value.error = findRow(pointer, &row, &size);
        if (value.error == JetReadError::None) {
            keep(value.bytes, row, std::min<std::size_t>(size, length));
        }
        return value;
    }
    std::set<std::uint32_t> visited;
    std::uint64_t total = 0;
    while (pointer != 0) {
        if (!visited.insert(pointer).second) {
            return {JetReadError::Corrupt, {}};
        }
        value.error = findRow(pointer, &row, &size);
        if (value.error != JetReadError::None) {
            value.bytes.clear();
            return value;
        }
        // A part holds its next pointer and at least one byte of the value.
        if (size <= kNextPointerSize) {
            return {JetReadError::Corrupt, {}};
        }
        total += size - kNextPointerSize;
        if (total > length) {
            return {JetReadError::Corrupt, {}};
        }
        keep(value.bytes, row + kNextPointerSize, size - kNextPointerSize);
        pointer = static_cast<std::uint32_t>(mdb_get_int32(const_cast<unsigned char*>(row), 0));
    }
    return value;
}

} // namespace tavrin
