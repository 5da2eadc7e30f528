// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#include "TextCodec.h"

#include "Utf8.h"

#include <array>
#include <limits>

namespace tavrin::jet {

namespace {

constexpr std::size_t kTextChars = 255;
constexpr std::size_t kTextBytesJet3 = 255;
constexpr std::size_t kMemoChars = 65535;

} // namespace

TextCodec::TextCodec(JetVersion version) : version_(version) {
    if (version == JetVersion::Jet3) {
        toCp932_ = std::make_unique<Iconv>("CP932", "UTF-8");
        fromCp932_ = std::make_unique<Iconv>("UTF-8", "CP932");
    }
}

TextCodec::~TextCodec() = default;

std::u32string TextCodec::decode(std::string_view utf8, std::size_t maxChars,
                                 const char* what) const {
    auto text = decodeUtf8(utf8);
    if (!text)
        throw CellError(std::string(what) + " is not valid UTF-8");
    if (text->size() > maxChars)
        throw CellError(std::string(what) + " is " + std::to_string(text->size()) +
                        " characters long; at most " + std::to_string(maxChars) + " fit");
    for (const char32_t c : *text) {
        if (c == 0)
            throw CellError(std::string(what) + " contains a NUL character");
        if (c > 0xFFFF && version_ == JetVersion::Jet4)
            throw CellError(std::string(what) + " contains " + codePointName(c) +
                            ", outside the Basic Multilingual Plane that Jet text holds");
    }
    return *text;
}

Bytes TextCodec::toCodePage(const std::u32string& text) const {
    Bytes out;
    for (const char32_t c : text) {
        if (c < 0x80) {
            out.push_back(static_cast<std::uint8_t>(c));
            continue;
        }
        auto cached = cp932Cache_.find(c);
        if (cached == cp932Cache_.end()) {
            // Accept a character only if code page 932 gives it back unchanged:
            // iconv also maps some look-alikes (U+00A5 to 0x5C, for one).
            const std::string utf8 = encodeUtf8(std::u32string(1, c));
            auto encoded = toCp932_->convert(utf8);
            if (encoded) {
                const auto back = fromCp932_->convert(*encoded);
                if (!back || *back != utf8)
                    encoded.reset();
            }
            cached = cp932Cache_.emplace(c, encoded.value_or(std::string())).first;
        }
        if (cached->second.empty())
            throw CellError("character " + encodeUtf8(std::u32string(1, c)) + " (" +
                            codePointName(c) + ") cannot be written in code page 932");
        out.insert(out.end(), cached->second.begin(), cached->second.end());
    }
    return out;
}

std::u16string TextCodec::toUcs2(const std::u32string& text) {
    std::u16string units;
    units.reserve(text.size());
    for (const char32_t c : text)
        units.push_back(static_cast<char16_t>(c));
    return units;
}

Bytes TextCodec::plainUcs2(std::u16string_view units) {
    Bytes out;
    out.reserve(units.size() * 2);
    for (const char16_t u : units) {
        out.push_back(static_cast<std::uint8_t>(u & 0xFF));
        out.push_back(static_cast<std::uint8_t>(u >> 8));
    }
    return out;
}

std::optional<Bytes> TextCodec::compressUcs2(std::u16string_view units, bool onlyIfShorter) {
    // The reader takes a zero byte as a switch between one-byte and two-byte
    // characters, so a character whose low byte is zero rules compression out.
    for (const char16_t u : units)
        if ((u & 0xFF) == 0)
            return std::nullopt;

    // Shortest encoding by dynamic programming over the two modes; the text
    // starts in one-byte mode after the 0xFF 0xFE marker.
    enum Mode { Narrow = 0, Wide = 1 };
    constexpr std::size_t kInf = std::numeric_limits<std::size_t>::max() / 4;
    const std::size_t n = units.size();
    std::vector<std::array<std::size_t, 2>> cost(n + 1, {kInf, kInf});
    std::vector<std::array<int, 2>> from(n + 1, {0, 0});
    cost[0] = {2, 3};
    from[0] = {Narrow, Narrow};
    for (std::size_t i = 0; i < n; ++i) {
        const bool narrowable = (units[i] >> 8) == 0;
        for (int prev = 0; prev < 2; ++prev) {
            if (cost[i][prev] >= kInf)
                continue;
            for (int next = 0; next < 2; ++next) {
                if (next == Narrow && !narrowable)
                    continue;
                const std::size_t c =
                    cost[i][prev] + (prev != next ? 1 : 0) + (next == Narrow ? 1 : 2);
                if (c < cost[i + 1][next]) {
                    cost[i + 1][next] = c;
                    from[i + 1][next] = prev;
                }
            }
        }
    }
    int mode = cost[n][Narrow] <= cost[n][Wide] ? Narrow : Wide;
    if (onlyIfShorter && cost[n][mode] >= n * 2)
        return std::nullopt;

    std::vector<int> modes(n);
    for (std::size_t i = n; i > 0; --i) {
        modes[i - 1] = mode;
        mode = from[i][mode];
    }
    Bytes out{0xFF, 0xFE};
    int current = Narrow;
    for (std::size_t i = 0; i < n; ++i) {
        if (modes[i] != current) {
            out.push_back(0);
            current = modes[i];
        }
        out.push_back(static_cast<std::uint8_t>(units[i] & 0xFF));
        if (current == Wide)
            out.push_back(static_cast<std::uint8_t>(units[i] >> 8));
    }
    return out;
}

Bytes TextCodec::encodeValue(std::string_view utf8) const {
    const std::u32string text = decode(utf8, kTextChars, "text");
    if (version_ == JetVersion::Jet3) {
        Bytes bytes = toCodePage(text);
        if (bytes.size() > kTextBytesJet3)
            throw CellError("text is " + std::to_string(bytes.size()) +
                            " bytes in code page 932; a Jet 3 Text column holds at most 255");
        return bytes;
    }
    return toJet4(text);
}

Bytes TextCodec::encodeMemo(std::string_view utf8) const {
    const std::u32string text = decode(utf8, kMemoChars, "memo");
    return version_ == JetVersion::Jet3 ? toCodePage(text) : toJet4(text);
}

Bytes TextCodec::toJet4(const std::u32string& text) {
    const std::u16string units = toUcs2(text);
    // Plain UCS-2 starting with U+FEFF would read as the compression marker.
    const bool markerClash = !units.empty() && units.front() == 0xFEFF;
    if (auto compressed = compressUcs2(units, !markerClash))
        return *compressed;
    if (markerClash)
        throw CellError("text starting with U+FEFF followed by such characters cannot be stored");
    return plainUcs2(units);
}

Bytes TextCodec::encodeName(std::string_view utf8, std::size_t maxChars) const {
    const std::u32string text = decode(utf8, maxChars, "name");
    if (version_ == JetVersion::Jet3)
        return toCodePage(text);
    return plainUcs2(toUcs2(text));
}

} // namespace tavrin::jet
