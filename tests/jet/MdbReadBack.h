// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#pragma once

// Reads a database file back through mdbtools, both through libmdb and
// through the mdb-export / mdb-tables commands.

#include <optional>
#include <string>
#include <vector>

namespace tavrin::test {

using Rows = std::vector<std::vector<std::optional<std::string>>>;

struct LibmdbTable {
    std::vector<std::string> columnNames; // in the order libmdb presents them
    Rows rows;                            // cells bound by column name; Null as nullopt
    // The stored value of each Single/Double/Integer/Long cell, read from the
    // page bytes; nullopt for Null and text cells.
    std::vector<std::vector<std::optional<double>>> numbers;
    int codePage = 0;
    int sortOrder = 0;
    // Pages libmdb's usage map gives for the table, and the pages that really
    // are the table's data pages (found by reading every page).
    std::vector<long> mappedPages;
    std::vector<long> dataPages;
    // What libmdb printed on stderr meanwhile.
    std::string warnings;
};

// Opens the file with libmdb, binds every column by name and fetches all rows.
LibmdbTable readWithLibmdb(const std::string& path, const std::string& table);

// Output of a command, with its exit status.
struct CommandResult {
    int status = -1;
    std::string output; // stdout
    std::string errors; // stderr
};
CommandResult runCommand(const std::string& command);

// mdb-export's CSV for the table, parsed back into rows (header first).
// Throws if mdb-export fails or prints anything on stderr.
Rows exportedRows(const std::string& path, const std::string& table);

} // namespace tavrin::test
