// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#include "HeaderPage.h"

#include <array>
#include <cstring>
#include <utility>

namespace tavrin::jet {

namespace {

constexpr std::size_t kMaskStart = 0x18;
constexpr std::array<std::uint8_t, 4> kMaskKey{0xC7, 0xDA, 0x39, 0x6B}; // 0x6b39dac7
constexpr char kSignature[] = "Standard Jet DB";

} // namespace

void HeaderPage::rc4(std::span<const std::uint8_t> key, std::span<std::uint8_t> data) {
    std::array<std::uint8_t, 256> s{};
    for (std::size_t i = 0; i < s.size(); ++i)
        s[i] = static_cast<std::uint8_t>(i);
    std::uint8_t j = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        j = static_cast<std::uint8_t>(j + s[i] + key[i % key.size()]);
        std::swap(s[i], s[j]);
    }
    std::uint8_t a = 0;
    std::uint8_t b = 0;
    for (auto& byte : data) {
        a = static_cast<std::uint8_t>(a + 1);
        b = static_cast<std::uint8_t>(b + s[a]);
        std::swap(s[a], s[b]);
        byte ^= s[static_cast<std::uint8_t>(s[a] + s[b])];
    }
}

Bytes HeaderPage::page() const {
    ByteBuffer page(format_.pageSize);
    page.putU8(1, 0x01);
    page.put(4, std::span(reinterpret_cast<const std::uint8_t*>(kSignature), sizeof kSignature));
    page.putU32(0x14, format_.versionByte);
    // Inside the masked part: sort order, code page, database key 0 (pages
    // are not encrypted) and an empty password.
    if (format_.isJet3())
        page.putU16(0x3A, kSortOrder);
    else
        page.putU16(0x6E, kSortOrder);
    page.putU16(0x3C, kCodePage);
    page.putU32(0x3E, 0);
    Bytes bytes = std::move(page.bytes());
    rc4(kMaskKey, std::span(bytes).subspan(kMaskStart, format_.headerMaskLength));
    return bytes;
}

} // namespace tavrin::jet
