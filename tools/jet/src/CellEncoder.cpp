// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#include "CellEncoder.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

namespace tavrin::jet {

namespace {

std::string_view withoutPlus(std::string_view v) {
    if (v.size() > 1 && v.front() == '+' && v[1] != '-' && v[1] != '+')
        v.remove_prefix(1);
    return v;
}

[[noreturn]] void notANumber(std::string_view value, JetType type) {
    throw CellError("\"" + std::string(value) + "\" is not a valid " + CellEncoder::typeName(type) +
                    " number");
}

[[noreturn]] void doesNotFit(std::string_view value, JetType type) {
    throw CellError("\"" + std::string(value) + "\" is out of range for " +
                    CellEncoder::typeName(type));
}

template <typename Int> Bytes encodeInteger(std::string_view value, JetType type) {
    const std::string_view digits = withoutPlus(value);
    long long parsed = 0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), parsed);
    if (ec == std::errc::result_out_of_range && end == digits.data() + digits.size())
        doesNotFit(value, type);
    if (ec != std::errc() || end != digits.data() + digits.size())
        notANumber(value, type);
    if (parsed < std::numeric_limits<Int>::min() || parsed > std::numeric_limits<Int>::max())
        doesNotFit(value, type);
    ByteBuffer out;
    if constexpr (sizeof(Int) == 2)
        out.appendU16(static_cast<std::uint16_t>(parsed));
    else
        out.appendU32(static_cast<std::uint32_t>(parsed));
    return out.bytes();
}

[[noreturn]] void roundsToZero(std::string_view value, JetType type) {
    throw CellError("\"" + std::string(value) + "\" is too close to 0 for " +
                    CellEncoder::typeName(type) + " (it would be stored as 0)");
}

// Whether the digits before the exponent name a number other than 0.
bool namesNonZero(std::string_view digits) {
    const auto exponent = digits.find_first_of("eE");
    const std::string_view mantissa = digits.substr(0, exponent);
    return mantissa.find_first_of("123456789") != std::string_view::npos;
}

template <typename Float> Float parseFloat(std::string_view value, JetType type) {
    const std::string_view digits = withoutPlus(value);
    const char* first = digits.data();
    const char* last = digits.data() + digits.size();
    Float parsed = 0;
    auto [end, ec] = std::from_chars(first, last, parsed, std::chars_format::general);
    if (end != last || (ec != std::errc() && ec != std::errc::result_out_of_range))
        notANumber(value, type);
    if (ec == std::errc::result_out_of_range) {
        // Either too large, or so small it is stored as (almost) zero.
        long double wide = 0;
        std::from_chars(first, last, wide, std::chars_format::general);
        if (std::fabs(wide) >= 1)
            doesNotFit(value, type);
        parsed = static_cast<Float>(wide);
    }
    if (!std::isfinite(parsed))
        notANumber(value, type);
    if (parsed == 0 && namesNonZero(digits))
        roundsToZero(value, type);
    return parsed;
}

} // namespace

const char* CellEncoder::typeName(JetType type) {
    switch (type) {
    case JetType::Integer:
        return "Integer";
    case JetType::Long:
        return "Long";
    case JetType::Single:
        return "Single";
    case JetType::Double:
        return "Double";
    case JetType::Text:
        return "Text";
    case JetType::Memo:
        return "Memo";
    case JetType::Ole:
        return "OLE";
    }
    return "unknown";
}

Bytes CellEncoder::encode(JetType type, std::string_view value) const {
    switch (type) {
    case JetType::Integer:
        return encodeInteger<std::int16_t>(value, type);
    case JetType::Long:
        return encodeInteger<std::int32_t>(value, type);
    case JetType::Single: {
        ByteBuffer out;
        out.appendU32(std::bit_cast<std::uint32_t>(parseFloat<float>(value, type)));
        return out.bytes();
    }
    case JetType::Double: {
        const auto bits = std::bit_cast<std::uint64_t>(parseFloat<double>(value, type));
        ByteBuffer out;
        out.appendU32(static_cast<std::uint32_t>(bits));
        out.appendU32(static_cast<std::uint32_t>(bits >> 32));
        return out.bytes();
    }
    case JetType::Text:
        return text_.encodeValue(value);
    case JetType::Memo:
        return text_.encodeMemo(value);
    case JetType::Ole:
        return Bytes(value.begin(), value.end());
    }
    throw CellError("unknown column type");
}

} // namespace tavrin::jet
