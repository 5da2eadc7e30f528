// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT
#include "JetRowWalk.h"

namespace tavrin {
namespace {

// As Jet writes them: libmdb 1.0 reads the two the other way round, which
// shows deleted rows and drops moved ones.
constexpr std::uint16_t kDeletedFlag = 0x8000;
constexpr std::uint16_t kLookupFlag = 0x4000;
constexpr std::uint16_t kOffsetMask = 0x1FFF;
constexpr unsigned char kDataPage = 0x01;
constexpr int kOwnerOffset = 4;
constexpr std::size_t kPointerBytes = 4;

// The rows the current page claims, when its offset table fits the page;
// libmdb's scan reads the offsets without asking.
bool rowCountFits(MdbHandle* mdb, unsigned int* rows) {
    const int offset = mdb->fmt->row_count_offset;
    *rows = static_cast<unsigned int>(mdb_get_int16(mdb->pg_buf, offset));
    return offset + 2 + std::int64_t{*rows} * 2 <= mdb->fmt->pg_size;
}

} // namespace

JetRowWalk::JetRowWalk(MdbHandle* mdb, MdbTableDef* table, const JetPageCheck& pages)
    : mdb_(mdb), table_(table), pages_(pages) {
    // The walk decides which rows are deleted; libmdb reads the row it is given.
    table_->noskip_del = 1;
}

bool JetRowWalk::fail(JetReadError error) {
    error_ = error;
    ended_ = true;
    return false;
}

bool JetRowWalk::load(std::uint32_t page) {
    if (loaded_ == page) {
        return true;
    }
    if (!pages_.inFile(page)) {
        return fail(JetReadError::Truncated);
    }
    if (mdb_read_pg(mdb_, page) != static_cast<ssize_t>(mdb_->fmt->pg_size)) {
        return fail(JetReadError::Corrupt);
    }
    loaded_ = page;
    return true;
}

std::uint16_t JetRowWalk::offsetWord(unsigned int row) const {
    return static_cast<std::uint16_t>(
        mdb_get_int16(mdb_->pg_buf, mdb_->fmt->row_count_offset + 2 + static_cast<int>(row) * 2));
}

// The next data page of the table's usage map, as libmdb's scan finds it:
// a page the map names that is not one of the table's data pages is passed
// over, as libmdb passes it over.
bool JetRowWalk::nextPage() {
    for (;;) {
        const gint32 next = mdb_map_find_next(mdb_, static_cast<unsigned char*>(table_->usage_map),
                                              table_->map_sz, page_);
        if (next <= 0 || static_cast<std::uint32_t>(next) <= page_) {
            if (next < 0) {
                return fail(JetReadError::Corrupt);
            }
            ended_ = true;
            return false;
        }
        page_ = static_cast<std::uint32_t>(next);
        if (!load(page_)) {
            return false;
        }
        if (mdb_->pg_buf[0] != kDataPage || mdb_get_int32(mdb_->pg_buf, kOwnerOffset) !=
                                                static_cast<long>(table_->entry->table_pg)) {
            continue;
        }
        if (!rowCountFits(mdb_, &rowsOnPage_)) {
            return fail(JetReadError::Corrupt);
        }
        slot_ = 0;
        return true;
    }
}

// Has libmdb find the values of row `row` of the current page, after making
// sure it holds its column count, Null flags and variable column count,
// which libmdb reads from its ends whatever its length.
bool JetRowWalk::readRow(unsigned int row) {
    int start = 0;
    std::size_t size = 0;
    if (mdb_find_row(mdb_, static_cast<int>(row), &start, &size) != 0) {
        return fail(JetReadError::Corrupt);
    }
    start &= kOffsetMask;
    const bool jet3 = IS_JET3(mdb_);
    const std::size_t countBytes = jet3 ? 1 : 2;
    if (size < countBytes) {
        return fail(JetReadError::Corrupt);
    }
    const unsigned int columns =
        jet3 ? mdb_->pg_buf[start] : static_cast<unsigned int>(mdb_get_int16(mdb_->pg_buf, start));
    const std::size_t least =
        countBytes + (columns + 7) / 8 + (table_->num_var_cols > 0 ? countBytes : 0);
    if (columns == 0 || size < least || mdb_read_row(table_, row) != 1) {
        return fail(JetReadError::Corrupt);
    }
    ++shown_;
    return true;
}

// Follows the lookup row `row` of the current page to the row that holds it.
bool JetRowWalk::follow(unsigned int row) {
    for (;;) {
        int start = 0;
        std::size_t size = 0;
        if (mdb_find_row(mdb_, static_cast<int>(row), &start, &size) != 0 || size < kPointerBytes) {
            return fail(JetReadError::Corrupt);
        }
        start &= kOffsetMask;
        const unsigned char* pointer = mdb_->pg_buf + start;
        const unsigned int targetRow = pointer[0];
        const std::uint32_t targetPage = std::uint32_t{pointer[1]} |
                                         std::uint32_t{pointer[2]} << 8 |
                                         std::uint32_t{pointer[3]} << 16;
        if (targetPage == 0) {
            return fail(JetReadError::Corrupt);
        }
        if (!reached_.insert(targetPage << 8 | targetRow).second) {
            return fail(JetReadError::Corrupt);
        }
        if (!load(targetPage)) {
            return false;
        }
        unsigned int rows = 0;
        if (mdb_->pg_buf[0] != kDataPage ||
            mdb_get_int32(mdb_->pg_buf, kOwnerOffset) !=
                static_cast<long>(table_->entry->table_pg) ||
            !rowCountFits(mdb_, &rows) || targetRow >= rows) {
            return fail(JetReadError::Corrupt);
        }
        const std::uint16_t word = offsetWord(targetRow);
        // A moved row not marked so would be shown in its own place too.
        if ((word & kDeletedFlag) == 0) {
            return fail(JetReadError::Corrupt);
        }
        row = targetRow;
        if ((word & kLookupFlag) == 0) {
            return readRow(row);
        }
    }
}

bool JetRowWalk::next() {
    while (!ended_) {
        if ((page_ == 0 || slot_ >= rowsOnPage_) && !nextPage()) {
            break;
        }
        if (slot_ >= rowsOnPage_ || !load(page_)) {
            continue;
        }
        const unsigned int row = slot_++;
        const std::uint16_t word = offsetWord(row);
        if ((word & kDeletedFlag) != 0) {
            continue;
        }
        return (word & kLookupFlag) != 0 ? follow(row) : readRow(row);
    }
    if (error_ == JetReadError::None && shown_ != static_cast<qint64>(table_->num_rows)) {
        error_ = JetReadError::Corrupt;
    }
    return false;
}

} // namespace tavrin
