// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#pragma once

// Reads a table from UTF-8 CSV (RFC 4180). The header row names the columns;
// a name may end in ":integer", ":long", ":single", ":double", ":memo", ":ole"
// (or ":text") to give the column's type, Text otherwise. An empty cell is Null.

#include "JetWriter.h"

#include <cstddef>
#include <istream>
#include <stdexcept>
#include <string>

namespace tavrin {

// A CSV that cannot become a table; line() is the 1-based line where the
// offending record starts, and what() begins with "line N: ".
class CsvError : public std::runtime_error {
public:
    CsvError(std::size_t line, const std::string& message)
        : std::runtime_error("line " + std::to_string(line) + ": " + message), line_(line) {}
    std::size_t line() const { return line_; }

private:
    std::size_t line_;
};

// Reads the CSV and checks every row against what a file of the given
// version can hold, so a table returned here can be written.
JetTable readCsvTable(std::istream& in, const std::string& tableName,
                      JetVersion version = JetVersion::Jet4);

} // namespace tavrin
