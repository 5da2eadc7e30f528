// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT
#include "JetValueText.h"

#include <array>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <optional>
#include <vector>

namespace tavrin {
namespace {

constexpr unsigned char kNegative = 0x80;

// The shortest text that reads back as the same number, at the value's own
// precision: plain decimal notation from 1e-5 up to 1e15, the sizes a
// drawing can carry, and exponent notation outside them ("5e-324",
// "1e+300", "3.4e+38" for a Single).
template <typename T> QString numberText(T value) {
    constexpr T kPlainFrom = T(1e-5);
    constexpr T kPlainBelow = T(1e15);
    const T magnitude = std::fabs(value);
    const bool plain = magnitude == 0 || (magnitude >= kPlainFrom && magnitude < kPlainBelow);
    std::array<char, 64> buffer{};
    const auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                      plain ? std::chars_format::fixed : std::chars_format::scientific);
    return QString::fromLatin1(buffer.data(), static_cast<int>(result.ptr - buffer.data()));
}

// A Jet date: days from 30 December 1899, the fraction the time of day.
// Before that day the whole days count back from it and the fraction is
// still the time after midnight, so -1.5 is noon on 29 December 1899.
// Shown as MM/DD/YYYY HH:MM:SS (a short date without the time), whatever
// the locale; a value outside the years 100 to 9999 that Jet keeps is
// not a date.
std::optional<QString> dateText(double value, bool dateOnly) {
    using namespace std::chrono;
    constexpr double kFirstDay = -657434; // 1 January 100
    constexpr double kLastDay = 2958465;  // 31 December 9999
    constexpr double kSecondsADay = 86400;
    if (!std::isfinite(value) || value <= kFirstDay - 1 || value >= kLastDay + 1) {
        return std::nullopt;
    }
    const double wholeDays = std::trunc(value);
    auto seconds =
        static_cast<long long>(std::llround(std::fabs(value - wholeDays) * kSecondsADay));
    auto day = static_cast<long long>(wholeDays);
    if (seconds == static_cast<long long>(kSecondsADay)) {
        seconds = 0;
        ++day;
    }
    const year_month_day date{sys_days{1899y / December / 30} + days{day}};
    const int year = static_cast<int>(date.year());
    if (year < 100 || year > 9999) {
        return std::nullopt;
    }
    std::array<char, 32> buffer{};
    int length =
        std::snprintf(buffer.data(), buffer.size(), "%02u/%02u/%04d",
                      static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()), year);
    if (!dateOnly) {
        length +=
            std::snprintf(buffer.data() + length, buffer.size() - static_cast<std::size_t>(length),
                          " %02lld:%02lld:%02lld", seconds / 3600, seconds / 60 % 60, seconds % 60);
    }
    return QString::fromLatin1(buffer.data(), length);
}

void cut(QString& text) {
    if (text.size() <= JetValueText::kMaxChars) {
        return;
    }
    text.truncate(JetValueText::kMaxChars);
    if (text.back().isHighSurrogate()) {
        text.chop(1);
    }
}

} // namespace

QString JetValueText::decoded(const char* bytes, std::size_t size) const {
    // UTF-8 takes at most four bytes a character.
    std::vector<char> out(std::size_t{kMaxChars} * 4 + 1);
    const int length = mdb_unicode2ascii(mdb_, bytes, size, out.data(), out.size());
    QString text = QString::fromUtf8(out.data(), length);
    text.replace(QChar(u'\0'), QChar(0xFFFD));
    cut(text);
    return text;
}

JetValueText::Cell JetValueText::formatted(const MdbColumn& column) const {
    if (column.col_type == MDB_DATETIME) {
        const std::optional<QString> date =
            dateText(mdb_get_double(mdb_->pg_buf, column.cur_value_start),
                     mdb_col_is_shortdate(&column) != 0);
        return date ? Cell{JetReadError::None, *date} : Cell{JetReadError::Corrupt, {}};
    }
    char* text = mdb_col_to_string(mdb_, mdb_->pg_buf, column.cur_value_start, column.col_type,
                                   column.cur_value_len);
    QString result = QString::fromUtf8(text);
    g_free(text);
    return {JetReadError::None, result};
}

// A sign byte, then the magnitude as four 32-bit little-endian words, the
// most significant first; col_scale digits follow the decimal point.
QString JetValueText::numeric(const MdbColumn& column) const {
    const unsigned char* value = mdb_->pg_buf + column.cur_value_start;
    unsigned __int128 magnitude = 0;
    for (int word = 0; word < 4; ++word) {
        for (int byte = 3; byte >= 0; --byte) {
            magnitude = magnitude << 8 | value[1 + word * 4 + byte];
        }
    }
    std::string digits;
    do {
        digits.insert(digits.begin(), static_cast<char>('0' + static_cast<int>(magnitude % 10)));
        magnitude /= 10;
    } while (magnitude != 0);
    const auto scale = static_cast<std::size_t>(std::min<int>(column.col_scale, 38));
    if (scale > 0) {
        if (digits.size() <= scale) {
            digits.insert(0, scale + 1 - digits.size(), '0');
        }
        digits.insert(digits.size() - scale, 1, '.');
        while (digits.back() == '0') {
            digits.pop_back();
        }
        if (digits.back() == '.') {
            digits.pop_back();
        }
    }
    const bool negative = (value[0] & kNegative) != 0 && digits != "0";
    return QString::fromLatin1((negative ? "-" : "") + digits);
}

JetValueText::Cell JetValueText::text(const MdbColumn& column, const JetColumnType& type) const {
    Cell cell = uncut(column, type);
    cut(cell.text);
    return cell;
}

JetValueText::Cell JetValueText::uncut(const MdbColumn& column, const JetColumnType& type) const {
    const int start = column.cur_value_start;
    const int size = column.cur_value_len;
    if (type.kind == JetValueKind::Boolean) {
        // libmdb leaves the Null flag, which holds the value, as the length.
        return {JetReadError::None, QString::fromLatin1(size != 0 ? mdb_->boolean_false_value
                                                                  : mdb_->boolean_true_value)};
    }
    if (size == 0) {
        return {};
    }
    if (size < 0 || start < 0 || start + size > mdb_->fmt->pg_size || size < type.width) {
        return {JetReadError::Corrupt, {}};
    }
    const char* bytes = reinterpret_cast<const char*>(mdb_->pg_buf) + start;
    switch (type.kind) {
    case JetValueKind::Boolean:
    case JetValueKind::Formatted:
        return formatted(column);
    case JetValueKind::Single:
        return {JetReadError::None, numberText(mdb_get_single(mdb_->pg_buf, start))};
    case JetValueKind::Double:
        return {JetReadError::None, numberText(mdb_get_double(mdb_->pg_buf, start))};
    case JetValueKind::Numeric:
        return {JetReadError::None, numeric(column)};
    case JetValueKind::Text:
        return {JetReadError::None, decoded(bytes, static_cast<std::size_t>(size))};
    case JetValueKind::Binary: {
        QString text = QString::fromUtf8(bytes, size);
        text.replace(QChar(u'\0'), QChar(0xFFFD));
        cut(text);
        return {JetReadError::None, text};
    }
    case JetValueKind::Memo:
    case JetValueKind::Ole: {
        const JetLongValueReader::Value value = longValues_.read(start, size);
        if (value.error != JetReadError::None || type.kind == JetValueKind::Ole) {
            return {value.error, {}};
        }
        const auto known = longTexts_.find(value.key);
        if (value.key != 0 && known != longTexts_.end()) {
            return {JetReadError::None, known->second};
        }
        QString text =
            decoded(value.bytes.constData(), static_cast<std::size_t>(value.bytes.size()));
        if (value.key != 0) {
            longTexts_.emplace(value.key, text);
        }
        return {JetReadError::None, text};
    }
    }
    return {};
}

} // namespace tavrin
