// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "JetReadResult.h"

#include <QByteArray>

namespace tavrin {

// A read's result as the reading program hands it to the viewer, and back.
//
// The viewer trusts no answer: decode() takes only an answer that is whole
// and consistent, with counts that the bytes received can hold, a table with
// at least one field and one row and at most kMaxCells values, or an error
// with no table; the viewer reads at most kMaxBytes from the reader, and an
// answer that would be longer stands for a damaged file.
class ReaderAnswer {
public:
    // Well above what a table of the program's 62 fields with 10,000 rows
    // needs (about 10 MB and 620,000 values), and low enough that the
    // viewer's memory stays under about 150 MB whatever the reader sends.
    static constexpr qint64 kMaxBytes = 32 * 1024 * 1024;
    static constexpr qint64 kMaxCells = 1'000'000;

    // An answer's length is kHeadBytes for an empty message, the counts and
    // their frame, and textBytes(n) for each field name and value of n UTF-16
    // code units.
    static constexpr qint64 kHeadBytes = 20;
    static constexpr qint64 textBytes(qint64 units) { return 4 + 2 * units; }

    static QByteArray encode(const JetReadResult& result);
    // False for an answer that is cut, too long, inconsistent or empty.
    static bool decode(const QByteArray& bytes, JetReadResult& result);
};

} // namespace tavrin
