// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT
#pragma once

#include "JetPageCheck.h"
#include "JetReadResult.h"

#include <cstdint>
#include <unordered_set>

namespace tavrin {

// Walks the rows of a table in the order libmdb's table scan gives them, and
// has libmdb find each row's values. libmdb's own scan skips a row it cannot
// decode and does not follow a lookup row, so a damaged or moved row would
// make the table shorter without a word; here either is damage, or followed.
//
// A data page's offset table gives each row's start, with two flags: 0x8000,
// a deleted row, which is skipped, and 0x4000, a lookup row, which holds the
// place of a row moved elsewhere: the row number and, in three bytes, the
// page of the row that holds it. A lookup is followed to a data page of this
// table and a row that page has; that row bears the deleted flag, so that
// the scan does not show it in its own place as well, and may itself be a
// lookup; no row is reached twice. Every row shown must be one libmdb
// decodes and must hold at least its column count and Null flags, and the
// rows shown must be as many as the table definition declares.
class JetRowWalk {
public:
    JetRowWalk(MdbHandle* mdb, MdbTableDef* table, const JetPageCheck& pages);

    // Makes the next row libmdb's current row: its page is the current page
    // and every column's value is found. False at the end of the table and
    // on damage, which error() then tells.
    bool next();
    JetReadError error() const { return error_; }

private:
    bool fail(JetReadError error);
    bool nextPage();
    bool load(std::uint32_t page);
    std::uint16_t offsetWord(unsigned int row) const;
    bool follow(unsigned int row);
    bool readRow(unsigned int row);

    MdbHandle* mdb_;
    MdbTableDef* table_;
    const JetPageCheck& pages_;
    std::uint32_t page_ = 0;   // the page the scan is on
    std::uint32_t loaded_ = 0; // the page in libmdb's page buffer
    unsigned int rowsOnPage_ = 0;
    unsigned int slot_ = 0;
    qint64 shown_ = 0;
    std::unordered_set<std::uint32_t> reached_; // rows reached through a lookup
    JetReadError error_ = JetReadError::None;
    bool ended_ = false;
};

} // namespace tavrin
