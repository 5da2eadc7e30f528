// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT
#include "JetImage.h"

#include <algorithm>

namespace tavrin::test {
namespace {

constexpr std::size_t kVersionOffset = 0x14;
constexpr std::uint16_t kOffsetMask = 0x1FFF;
constexpr std::size_t kHeaderSize = 12;

} // namespace

JetImage::JetImage(std::span<std::uint8_t> bytes) : bytes_(bytes) {
    jet3_ = bytes.size() > kVersionOffset && bytes[kVersionOffset] == 0;
    pageSize_ = jet3_ ? 2048 : 4096;
    rowCountOffset_ = jet3_ ? 8 : 12;
}

std::uint32_t JetImage::u32(std::size_t at) const {
    if (at + 4 > bytes_.size())
        return 0;
    return std::uint32_t{bytes_[at]} | std::uint32_t{bytes_[at + 1]} << 8 |
           std::uint32_t{bytes_[at + 2]} << 16 | std::uint32_t{bytes_[at + 3]} << 24;
}

void JetImage::setU32(std::size_t at, std::uint32_t value) const {
    for (std::size_t i = 0; i < 4 && at + i < bytes_.size(); ++i)
        bytes_[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

std::uint16_t JetImage::u16(std::size_t at) const {
    if (at + 2 > bytes_.size())
        return 0;
    return static_cast<std::uint16_t>(bytes_[at] | bytes_[at + 1] << 8);
}

void JetImage::setU16(std::size_t at, std::uint16_t value) const {
    for (std::size_t i = 0; i < 2 && at + i < bytes_.size(); ++i)
        bytes_[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

std::uint8_t JetImage::pageType(std::size_t page) const {
    const std::size_t at = page * pageSize_;
    return at < bytes_.size() ? bytes_[at] : 0;
}

std::uint32_t JetImage::owner(std::size_t page) const {
    return u32(page * pageSize_ + 4);
}

std::size_t JetImage::rowCount(std::size_t page) const {
    return u16(page * pageSize_ + rowCountOffset_);
}

std::optional<JetImage::Row> JetImage::row(std::size_t page, std::size_t row) const {
    if (page >= pageCount() || row >= rowCount(page))
        return std::nullopt;
    const std::size_t base = page * pageSize_;
    const std::size_t start = u16(base + rowCountOffset_ + 2 + 2 * row) & kOffsetMask;
    const std::size_t end =
        row == 0 ? pageSize_ : u16(base + rowCountOffset_ + 2 * row) & kOffsetMask;
    if (start >= end || end > pageSize_)
        return std::nullopt;
    return Row{base + start, end - start};
}

std::optional<JetImage::Row> JetImage::rowAt(std::uint32_t pointer) const {
    return row(pointer >> 8, pointer & 0xFF);
}

std::vector<std::uint8_t> JetImage::rowBytes(std::size_t page, std::size_t row) const {
    const auto found = this->row(page, row);
    if (!found)
        return {};
    const auto begin = bytes_.begin() + static_cast<std::ptrdiff_t>(found->start);
    return {begin, begin + static_cast<std::ptrdiff_t>(found->size)};
}

void JetImage::setRows(std::size_t page, const std::vector<PageRow>& rows) const {
    const std::size_t base = page * pageSize_;
    std::size_t end = pageSize_;
    setU16(base + rowCountOffset_, static_cast<std::uint16_t>(rows.size()));
    for (std::size_t r = 0; r < rows.size(); ++r) {
        end -= rows[r].bytes.size();
        std::copy(rows[r].bytes.begin(), rows[r].bytes.end(),
                  bytes_.begin() + static_cast<std::ptrdiff_t>(base + end));
        setU16(base + rowCountOffset_ + 2 + 2 * r, static_cast<std::uint16_t>(end | rows[r].flags));
    }
    const std::size_t tableEnd = rowCountOffset_ + 2 + 2 * rows.size();
    std::fill(bytes_.begin() + static_cast<std::ptrdiff_t>(base + tableEnd),
              bytes_.begin() + static_cast<std::ptrdiff_t>(base + end), std::uint8_t{0});
    setU16(base + 2, static_cast<std::uint16_t>(end - tableEnd));
}

std::vector<std::size_t> JetImage::dataPages(std::uint32_t definitionPage) const {
    std::vector<std::size_t> pages;
    for (std::size_t page = 1; page < pageCount(); ++page)
        if (pageType(page) == kDataPage && owner(page) == definitionPage)
            pages.push_back(page);
    return pages;
}

std::vector<JetImage::LongValueField>
JetImage::longValueFields(const std::vector<std::size_t>& pages) const {
    std::vector<LongValueField> fields;
    for (const std::size_t page : pages) {
        for (std::size_t r = 0; r < rowCount(page); ++r) {
            const auto found = row(page, r);
            if (!found)
                continue;
            for (std::size_t at = found->start; at + kHeaderSize <= found->start + found->size;
                 ++at) {
                const std::uint32_t flags = u32(at) >> 24;
                const std::uint32_t pointer = u32(at + 4);
                if ((flags == 0x40 || flags == 0x00) && (u32(at) & 0xFFFFFF) != 0 &&
                    u32(at + 8) == 0 && (pointer >> 8) < pageCount() &&
                    owner(pointer >> 8) == kLongValueOwner && rowAt(pointer)) {
                    fields.push_back({at, pointer});
                    at += kHeaderSize - 1;
                }
            }
        }
    }
    return fields;
}

} // namespace tavrin::test
