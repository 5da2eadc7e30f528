// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT
#pragma once

#include "ByteBuffer.h"
#include "DataPageBuilder.h"
#include "JetFormat.h"
#include "JetWriter.h"

#include <cstdint>
#include <vector>

namespace tavrin::jet {

// Memo and OLE values. A row holds a 12-byte header for each: the value's
// length with flags in its top byte, a pointer (page << 8 | row) and four
// zero bytes. Up to kInlineLimit bytes follow the header in the row (flag
// 0x80); a value that fits one row of a long value page lives there (flag
// 0x40); a longer one is a chain of rows, each starting with the pointer to
// the next part, 0 in the last (flags 0). Long value pages are data pages
// whose owner is the word "LVAL".
class LongValueStore {
public:
    static constexpr std::size_t kInlineLimit = 64;
    static constexpr std::uint32_t kOwner = 0x4C41564C; // "LVAL"
    static constexpr std::size_t kHeaderSize = 12;

    explicit LongValueStore(const JetFormat& format) : format_(format) {}

    static bool isLong(JetType type) { return type == JetType::Memo || type == JetType::Ole; }
    // The bytes a row takes for a value of `size` bytes.
    static std::size_t fieldSize(std::size_t size) {
        return kHeaderSize + (size <= kInlineLimit ? size : 0);
    }

    // Keeps a value and returns its number.
    std::size_t add(Bytes value);
    // What the row holds for value `id` when the long value pages are
    // numbered from `firstPage`.
    Bytes field(std::size_t id, std::uint32_t firstPage) const;
    std::size_t pageCount() const { return placement_.size(); }
    std::vector<Bytes> pages(std::uint32_t firstPage) const;

private:
    struct Part {
        std::uint32_t page = 0; // index among the long value pages
        std::uint32_t row = 0;
        std::size_t from = 0;
        std::size_t size = 0;
    };
    struct Value {
        Bytes data;
        std::vector<Part> parts; // none: kept in the row
        bool oneRow = false;     // one row of its own, without a next pointer
    };
    struct Placed {
        std::size_t value;
        std::size_t part;
    };

    Part place(std::size_t rowSize, Placed what);
    Bytes partRow(const Value& value, std::size_t part, std::uint32_t firstPage) const;
    std::uint32_t pointer(const Part& part, std::uint32_t firstPage) const {
        return (firstPage + part.page) << 8 | part.row;
    }

    const JetFormat& format_;
    std::vector<Value> values_;
    std::vector<std::vector<Placed>> placement_; // per page, its rows in order
    std::vector<DataPageBuilder> packing_;
};

} // namespace tavrin::jet
