// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT
#include "JetValueText.h"

#include <array>
#include <charconv>
#include <vector>

namespace tavrin {
namespace {

constexpr unsigned char kNegative = 0x80;

// Shortest text that reads back as the same number, in plain decimal notation.
template <typename T> QString numberText(T value) {
    std::array<char, 400> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::fixed);
    if (result.ec != std::errc()) {
        return QString::number(static_cast<double>(value), 'g', 17);
    }
    return QString::fromLatin1(buffer.data(), static_cast<int>(result.ptr - buffer.data()));
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

QString JetValueText::formatted(const MdbColumn& column) const {
    const bool shortDate = column.col_type == MDB_DATETIME && mdb_col_is_shortdate(&column);
    const std::string longFormat = mdb_->date_fmt;
    if (shortDate) {
        mdb_set_date_fmt(mdb_, mdb_->shortdate_fmt);
    }
    char* text = mdb_col_to_string(mdb_, mdb_->pg_buf, column.cur_value_start, column.col_type,
                                   column.cur_value_len);
    if (shortDate) {
        mdb_set_date_fmt(mdb_, longFormat.c_str());
    }
    QString result = QString::fromUtf8(text);
    g_free(text);
    return result;
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
        return {JetReadError::None, formatted(column)};
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
