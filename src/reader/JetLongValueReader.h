// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT
#pragma once

#include "JetPageCheck.h"
#include "JetReadResult.h"

#include <QByteArray>

#include <cstdint>
#include <map>
#include <utility>

namespace tavrin {

// Follows Memo and OLE values. A row holds a 12-byte header for each: the
// length in its low 24 bits with flags in the top byte (0x80: the value
// follows the header in the row; 0x40: it is one row of a long value page;
// 0: a chain of such rows, each starting with the pointer to the next, 0 in
// the last; libmdb knows no other),
// the pointer (page << 8 | row) and four unused bytes. Long value pages are
// data pages whose owner is "LVAL". Every pointer must name a row of such a
// page in the file, a chain must end without a loop and hold no more than
// the declared length, and all the chains of one read together visit no
// more bytes than the file holds; a value shared by many cells is followed
// once. Only the first `byteLimit` bytes of a value are kept.
class JetLongValueReader {
public:
    struct Value {
        JetReadError error = JetReadError::None;
        QByteArray bytes;
        // Names a value followed to a long value page (its pointer and
        // length word); 0 for a value kept in its row.
        std::uint64_t key = 0;
    };

    JetLongValueReader(MdbHandle* mdb, const JetPageCheck& pages, std::size_t byteLimit);

    // The value whose field of `size` bytes starts at `start` of libmdb's
    // current page. Leaves the current page as it was.
    Value read(int start, int size);

private:
    Value follow(std::uint32_t pointer, std::uint32_t length, bool oneRow);
    // Finds the row `pointer` names, in libmdb's other page buffer.
    JetReadError findRow(std::uint32_t pointer, const unsigned char** row, std::size_t* size);
    void keep(QByteArray& bytes, const unsigned char* data, std::size_t size) const;

    MdbHandle* mdb_;
    const JetPageCheck& pages_;
    std::size_t byteLimit_;
    std::uint64_t budget_; // bytes all chains may still visit
    std::map<std::pair<std::uint32_t, std::uint32_t>, Value> followed_;
};

} // namespace tavrin
