// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#include "DataPageBuilder.h"

namespace tavrin::jet {

DataPageBuilder::DataPageBuilder(const JetFormat& format, std::uint32_t tableDefinitionPage)
    : format_(format), page_(format.pageSize), rowStart_(format.pageSize) {
    page_.putU8(0, 0x01);
    page_.putU8(1, 0x01);
    page_.putU32(4, tableDefinitionPage);
}

bool DataPageBuilder::fits(std::size_t rowSize) const {
    return rows_ < kMaxRows && rowSize + 2 <= freeSpace();
}

std::size_t DataPageBuilder::add(const Bytes& row) {
    rowStart_ -= row.size();
    page_.put(rowStart_, row);
    page_.putU16(format_.rowCountOffset + 2 + 2 * rows_, static_cast<std::uint16_t>(rowStart_));
    return rows_++;
}

std::size_t DataPageBuilder::freeSpace() const {
    return rowStart_ - format_.dataPageHeaderSize - 2 * rows_;
}

Bytes DataPageBuilder::page() const {
    ByteBuffer page = page_;
    page.putU16(2, static_cast<std::uint16_t>(freeSpace()));
    page.putU16(format_.rowCountOffset, static_cast<std::uint16_t>(rows_));
    return std::move(page.bytes());
}

} // namespace tavrin::jet
