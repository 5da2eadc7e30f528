// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include <iconv.h>
#include <optional>
#include <string>
#include <string_view>

namespace tavrin::jet {

// One iconv conversion (stateless character sets only), owned.
class Iconv {
public:
    Iconv(const char* to, const char* from);
    ~Iconv();
    Iconv(const Iconv&) = delete;
    Iconv& operator=(const Iconv&) = delete;

    // The whole input converted, or nullopt if any of it cannot be.
    std::optional<std::string> convert(std::string_view in) const;

private:
    iconv_t cd_;
};

} // namespace tavrin::jet
