// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "ByteBuffer.h"
#include "JetFormat.h"

#include <cstdint>

namespace tavrin::jet {

// Fills one data page: rows are stored from the end of the page downwards,
// their offsets listed after the page header.
class DataPageBuilder {
public:
    // Jet indexes address a row on a page with one byte.
    static constexpr std::size_t kMaxRows = 255;

    DataPageBuilder(const JetFormat& format, std::uint32_t tableDefinitionPage);

    bool fits(std::size_t rowSize) const;
    // Returns the row's number on this page.
    std::size_t add(const Bytes& row);
    std::size_t rowCount() const { return rows_; }
    std::size_t freeSpace() const;
    Bytes page() const;

private:
    const JetFormat& format_;
    ByteBuffer page_;
    std::size_t rows_ = 0;
    std::size_t rowStart_; // lowest offset used by rows so far
};

} // namespace tavrin::jet
