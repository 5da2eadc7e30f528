// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "ByteBuffer.h"
#include "JetFormat.h"

#include <cstdint>
#include <vector>

namespace tavrin::jet {

// A page usage map: a bitmap of pages, kept inline in its row when the pages
// lie close enough together (type 0), otherwise a list of pointers to bitmap
// pages of type 0x05 (type 1), each covering a fixed range of page numbers.
class UsageMap {
public:
    UsageMap(const JetFormat& format, std::vector<std::uint32_t> pages);

    bool isInline() const { return inline_; }
    // Bitmap pages this map needs (0 when inline).
    std::size_t bitmapPageCount() const { return slots_.size(); }
    // The map row; bitmap pages, if any, are numbered from firstBitmapPage.
    Bytes row(std::uint32_t firstBitmapPage) const;
    std::vector<Bytes> bitmapPages() const;

private:
    std::size_t pagesPerBitmapPage() const { return (format_.pageSize - 4) * 8; }

    const JetFormat& format_;
    std::vector<std::uint32_t> pages_;
    bool inline_ = true;
    std::uint32_t start_ = 0;
    std::vector<std::size_t> slots_; // type 1: indexes of the ranges in use
};

} // namespace tavrin::jet
