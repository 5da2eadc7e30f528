// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#include "UsageMap.h"

#include "JetWriter.h"

#include <algorithm>

namespace tavrin::jet {

UsageMap::UsageMap(const JetFormat& format, std::vector<std::uint32_t> pages)
    : format_(format), pages_(std::move(pages)) {
    std::sort(pages_.begin(), pages_.end());
    if (pages_.empty())
        return;
    start_ = pages_.front();
    const std::size_t inlinePages = (format_.usageMapSize - 5) * 8;
    if (pages_.back() - start_ < inlinePages)
        return;
    inline_ = false;
    for (const std::uint32_t page : pages_) {
        const std::size_t slot = page / pagesPerBitmapPage();
        if (slots_.empty() || slots_.back() != slot)
            slots_.push_back(slot);
    }
    if (slots_.back() >= (format_.usageMapSize - 1) / 4)
        throw JetWriteError("the file has too many pages for its usage maps");
}

Bytes UsageMap::row(std::uint32_t firstBitmapPage) const {
    ByteBuffer row(format_.usageMapSize);
    if (inline_) {
        row.putU8(0, 0x00);
        row.putU32(1, start_);
        for (const std::uint32_t page : pages_) {
            const std::size_t bit = page - start_;
            row.bytes()[5 + bit / 8] |= static_cast<std::uint8_t>(1u << (bit % 8));
        }
    } else {
        row.putU8(0, 0x01);
        for (std::size_t i = 0; i < slots_.size(); ++i)
            row.putU32(1 + 4 * slots_[i], firstBitmapPage + static_cast<std::uint32_t>(i));
    }
    return std::move(row.bytes());
}

std::vector<Bytes> UsageMap::bitmapPages() const {
    std::vector<Bytes> out;
    for (const std::size_t slot : slots_) {
        ByteBuffer page(format_.pageSize);
        page.putU8(0, 0x05);
        page.putU8(1, 0x01);
        for (const std::uint32_t p : pages_) {
            if (p / pagesPerBitmapPage() != slot)
                continue;
            const std::size_t bit = p % pagesPerBitmapPage();
            page.bytes()[4 + bit / 8] |= static_cast<std::uint8_t>(1u << (bit % 8));
        }
        out.push_back(std::move(page.bytes()));
    }
    return out;
}

} // namespace tavrin::jet
