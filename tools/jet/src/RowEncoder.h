// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "ByteBuffer.h"
#include "ColumnLayout.h"
#include "JetFormat.h"

#include <optional>
#include <vector>

namespace tavrin::jet {

using EncodedRow = std::vector<std::optional<Bytes>>; // per column; nullopt is Null

// Lays out one row as a data page stores it: column count, fixed-size
// columns, variable-length data, the variable-column offset table (with
// Jet 3's jump table), the variable-column count and the Null mask.
class RowEncoder {
public:
    RowEncoder(const JetFormat& format, const ColumnLayout& layout)
        : format_(format), layout_(layout) {}

    // Throws CellError if the row is larger than a data page can hold.
    Bytes encode(const EncodedRow& cells) const;

private:
    Bytes nullMask(const EncodedRow& cells) const;
    void appendJet4Offsets(ByteBuffer& row, const std::vector<std::size_t>& offsets) const;
    Bytes encodeJet3(ByteBuffer fixed, const EncodedRow& cells, const Bytes& mask) const;

    const JetFormat& format_;
    const ColumnLayout& layout_;
};

} // namespace tavrin::jet
