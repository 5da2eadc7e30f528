// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#include "ByteBuffer.h"

#include <algorithm>

namespace tavrin::jet {

void ByteBuffer::appendU16(std::uint16_t v) {
    putU16(bytes_.size(), v);
}

void ByteBuffer::appendU32(std::uint32_t v) {
    putU32(bytes_.size(), v);
}

void ByteBuffer::append(std::span<const std::uint8_t> data) {
    bytes_.insert(bytes_.end(), data.begin(), data.end());
}

void ByteBuffer::putU8(std::size_t offset, std::uint8_t v) {
    ensure(offset + 1);
    bytes_[offset] = v;
}

void ByteBuffer::putU16(std::size_t offset, std::uint16_t v) {
    ensure(offset + 2);
    bytes_[offset] = static_cast<std::uint8_t>(v);
    bytes_[offset + 1] = static_cast<std::uint8_t>(v >> 8);
}

void ByteBuffer::putU32(std::size_t offset, std::uint32_t v) {
    ensure(offset + 4);
    for (int i = 0; i < 4; ++i)
        bytes_[offset + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

void ByteBuffer::put(std::size_t offset, std::span<const std::uint8_t> data) {
    ensure(offset + data.size());
    std::copy(data.begin(), data.end(), bytes_.begin() + static_cast<std::ptrdiff_t>(offset));
}

void ByteBuffer::ensure(std::size_t end) {
    if (bytes_.size() < end)
        bytes_.resize(end, 0);
}

} // namespace tavrin::jet
