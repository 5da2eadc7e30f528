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
};

// Opens the file with libmdb, binds every column by name and fetches all rows.
LibmdbTable readWithLibmdb(const std::string& path, const std::string& table);

// Output of a command, with its exit status.
struct CommandResult {
    int status = -1;
    std::string output;
};
CommandResult runCommand(const std::string& command);

// mdb-export's CSV for the table, parsed back into rows (header first).
Rows exportedRows(const std::string& path, const std::string& table);

} // namespace tavrin::test
