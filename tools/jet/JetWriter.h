// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#pragma once

// Writes a Jet 3 (Access 97) or Jet 4 (Access 2000) database file that holds
// one user table. Meant for building test fixtures and sample data files that
// mdbtools' libmdb reads.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace tavrin {

enum class JetVersion { Jet3, Jet4 };

// Column types with their Jet type codes.
enum class JetType : std::uint8_t {
    Integer = 0x03, // 16-bit signed
    Long = 0x04,    // 32-bit signed
    Single = 0x06,  // IEEE single
    Double = 0x07,  // IEEE double
    Text = 0x0A,    // Text(255)
    Ole = 0x0B,     // OLE object: the cell's bytes as they are
    Memo = 0x0C,    // Memo: text of up to 65,535 characters
};

struct JetColumn {
    std::string name; // UTF-8, 1..64 characters, unique (case-insensitive)
    JetType type = JetType::Text;
};

struct JetTable {
    std::string name; // UTF-8
    std::vector<JetColumn> columns;
    // Cells as UTF-8 text (numbers in C notation, e.g. "-12", "0.1", "1e5");
    // std::nullopt is Null.
    std::vector<std::vector<std::optional<std::string>>> rows;
};

// Thrown for a table that cannot be written. row() and column() are 0-based
// indexes into JetTable::rows and JetTable::columns when the problem lies there.
class JetWriteError : public std::runtime_error {
public:
    explicit JetWriteError(const std::string& message, std::optional<std::size_t> row = {},
                           std::optional<std::size_t> column = {})
        : std::runtime_error(message), row_(row), column_(column) {}
    std::optional<std::size_t> row() const { return row_; }
    std::optional<std::size_t> column() const { return column_; }

private:
    std::optional<std::size_t> row_;
    std::optional<std::size_t> column_;
};

// Checks everything writeJetFile would refuse, without writing.
void checkJetTable(JetVersion version, const JetTable& table);

// Writes the table to path (through a temporary file beside it, renamed on
// success, so a failure leaves path as it was). Jet 3 text is stored in code
// page 932, Jet 4 text as UCS-2 (compressed where that is shorter). Memo and
// OLE values of up to 64 bytes are kept in their row; longer ones go to long
// value pages, in one row there if they fit one, else in a chain of rows.
void writeJetFile(const std::string& path, JetVersion version, const JetTable& table);

} // namespace tavrin
