// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tavrin::jet {

// Strict UTF-8 decoding (no overlong forms, no surrogates); nullopt if invalid.
std::optional<std::u32string> decodeUtf8(std::string_view text);
std::string encodeUtf8(std::u32string_view text);
// "U+00A5" style name of a code point, for messages.
std::string codePointName(char32_t c);

} // namespace tavrin::jet
