// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

namespace tavrin {

// How the reader turns a column's value into text.
enum class JetValueKind {
    Boolean,   // kept in the row's Null mask
    Formatted, // a fixed-width value libmdb formats (integers, currency, dates, ids)
    Single,
    Double,
    Numeric, // a 17-byte scaled decimal
    Text,    // text of the file's encoding
    Memo,    // text, perhaps on long value pages
    Ole,     // bytes on long value pages; shown empty
    Binary,  // bytes kept in the row; shown empty
};

// A column type the reader knows, with the bytes libmdb reads for one value
// of a fixed-width type whatever size the column claims (0 for the types it
// reads by the value's own length).
struct JetColumnType {
    std::uint8_t code;
    JetValueKind kind;
    int width;
};

// The type with this Jet type code, or nullptr for a code libmdb does not
// read safely (a damaged file).
const JetColumnType* jetColumnType(std::uint8_t code);

} // namespace tavrin
