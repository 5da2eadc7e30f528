// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT
#pragma once

#include "JetColumnTypes.h"
#include "JetLongValueReader.h"
#include "JetReadResult.h"

#include <QString>

#include <unordered_map>

namespace tavrin {

// The text of one value of the row libmdb has just fetched, read from the
// page itself rather than from libmdb's text (which ends at the first NUL and
// is cut at libmdb's bind size): a NUL shows as U+FFFD, numbers as the
// shortest text that reads back as the same number ("15.5", never
// "15.50000000"; "1e+300"), dates as MM/DD/YYYY HH:MM:SS. A value longer than kMaxChars
// UTF-16 code units, the most a Text field holds, is cut there: the widest
// value box is 81 pixels wide and shows some ten characters, so nothing
// shown is lost, while a file whose cells all name one long value cannot
// make the answer to the viewer grow with that value's length. The cells
// that name one long value share one text.
class JetValueText {
public:
    static constexpr int kMaxChars = 255;
    // Enough bytes of a long value for kMaxChars characters in any of the
    // file's encodings (at most three bytes a character, and Jet 4's
    // two-byte compression marker).
    static constexpr std::size_t kLongValueBytes = kMaxChars * 3 + 2;

    struct Cell {
        JetReadError error = JetReadError::None;
        QString text;
    };

    JetValueText(MdbHandle* mdb, JetLongValueReader& longValues)
        : mdb_(mdb), longValues_(longValues) {}

    Cell text(const MdbColumn& column, const JetColumnType& type) const;

private:
    Cell uncut(const MdbColumn& column, const JetColumnType& type) const;
    QString decoded(const char* bytes, std::size_t size) const;
    Cell formatted(const MdbColumn& column) const;
    QString numeric(const MdbColumn& column) const;

    MdbHandle* mdb_;
    JetLongValueReader& longValues_;
    mutable std::unordered_map<std::uint64_t, QString> longTexts_;
};

} // namespace tavrin
