// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "ByteBuffer.h"
#include "Iconv.h"
#include "JetWriter.h"

#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unordered_map>

namespace tavrin::jet {

// A value that cannot be stored; the message says why, without position.
class CellError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Turns UTF-8 text into the bytes a Jet file stores: code page 932 for Jet 3,
// UCS-2LE for Jet 4 (values in Access's compressed form where that is shorter).
class TextCodec {
public:
    explicit TextCodec(JetVersion version);
    ~TextCodec();

    // A Text(255) cell value. Throws CellError.
    Bytes encodeValue(std::string_view utf8) const;
    // A Memo cell value (at most 65,535 characters). Throws CellError.
    Bytes encodeMemo(std::string_view utf8) const;
    // An object or column name (at most maxChars characters). Throws CellError.
    Bytes encodeName(std::string_view utf8, std::size_t maxChars) const;

    // Jet 4's compressed form of UCS-2 text; nullopt if the text cannot be
    // compressed, or (with onlyIfShorter) if that isn't shorter than plain UCS-2.
    static std::optional<Bytes> compressUcs2(std::u16string_view units, bool onlyIfShorter = true);

private:
    std::u32string decode(std::string_view utf8, std::size_t maxChars, const char* what) const;
    Bytes toCodePage(const std::u32string& text) const;
    static Bytes toJet4(const std::u32string& text);
    static std::u16string toUcs2(const std::u32string& text);
    static Bytes plainUcs2(std::u16string_view units);

    JetVersion version_;
    std::unique_ptr<Iconv> toCp932_;
    std::unique_ptr<Iconv> fromCp932_;
    mutable std::unordered_map<char32_t, std::string> cp932Cache_;
};

} // namespace tavrin::jet
