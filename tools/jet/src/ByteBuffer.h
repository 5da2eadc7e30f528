// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace tavrin::jet {

using Bytes = std::vector<std::uint8_t>;

// Little-endian byte buffer: appends at the end or writes at an offset.
class ByteBuffer {
public:
    ByteBuffer() = default;
    explicit ByteBuffer(std::size_t size) : bytes_(size, 0) {}

    void appendU8(std::uint8_t v) { bytes_.push_back(v); }
    void appendU16(std::uint16_t v);
    void appendU32(std::uint32_t v);
    void append(std::span<const std::uint8_t> data);
    void appendZeros(std::size_t count) { bytes_.insert(bytes_.end(), count, 0); }

    void putU8(std::size_t offset, std::uint8_t v);
    void putU16(std::size_t offset, std::uint16_t v);
    void putU32(std::size_t offset, std::uint32_t v);
    void put(std::size_t offset, std::span<const std::uint8_t> data);

    std::size_t size() const { return bytes_.size(); }
    const Bytes& bytes() const { return bytes_; }
    Bytes& bytes() { return bytes_; }

private:
    void ensure(std::size_t end);
    Bytes bytes_;
};

} // namespace tavrin::jet
