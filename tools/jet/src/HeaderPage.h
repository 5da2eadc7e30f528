// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "ByteBuffer.h"
#include "JetFormat.h"

#include <span>

namespace tavrin::jet {

// Page 0: the database definition page. Everything from offset 0x18 on for
// 126 (Jet 3) or 128 (Jet 4) bytes is masked with RC4 under a fixed key.
class HeaderPage {
public:
    explicit HeaderPage(const JetFormat& format) : format_(format) {}

    Bytes page() const;

    // RC4 applied in place (masking and unmasking are the same operation).
    static void rc4(std::span<const std::uint8_t> key, std::span<std::uint8_t> data);

private:
    const JetFormat& format_;
};

} // namespace tavrin::jet
