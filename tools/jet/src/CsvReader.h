// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include <cstddef>
#include <istream>
#include <optional>
#include <string>
#include <vector>

namespace tavrin::jet {

// Splits RFC 4180 CSV into records: fields separated by commas, records by
// CRLF or LF; a quoted field may hold commas, line breaks and doubled quotes.
// Throws CsvError for malformed quoting.
class CsvReader {
public:
    struct Field {
        std::string text;
        bool quoted = false;
    };
    struct Record {
        std::size_t line = 0; // where the record starts, 1-based
        std::vector<Field> fields;
    };

    explicit CsvReader(std::istream& in);

    // The next record, or nullopt at the end of input.
    std::optional<Record> next();

private:
    int get();
    int peek();

    std::istream& in_;
    std::size_t line_ = 1;
    bool started_ = false;
};

} // namespace tavrin::jet
