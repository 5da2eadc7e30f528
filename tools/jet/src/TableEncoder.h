// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "CellEncoder.h"
#include "ColumnLayout.h"
#include "JetFormat.h"
#include "JetWriter.h"
#include "RowEncoder.h"

#include <optional>
#include <string>
#include <vector>

namespace tavrin::jet {

// Checks and encodes the user table: its name, its columns, and each row's
// cells. Errors are JetWriteError with the row and column concerned.
class TableEncoder {
public:
    static constexpr std::size_t kMaxNameChars = 64;

    TableEncoder(JetVersion version, const std::string& tableName,
                 const std::vector<JetColumn>& columns);

    const JetFormat& format() const { return format_; }
    const CellEncoder& cells() const { return cells_; }
    const ColumnLayout& layout() const { return layout_; }

    EncodedRow encodeCells(const std::vector<std::optional<std::string>>& row,
                           std::size_t rowIndex) const;
    // The stored row, laid out with the given layout (which may differ from
    // layout() in its Null-flag keys only).
    Bytes encodeRow(const EncodedRow& cells, const ColumnLayout& layout,
                    std::size_t rowIndex) const;
    // Throws JetWriteError if the row, its long values stored, does not fit a
    // data page.
    void checkRow(EncodedRow cells, std::size_t rowIndex) const;

private:
    ColumnLayout makeLayout(const std::string& tableName,
                            const std::vector<JetColumn>& columns) const;

    const JetFormat& format_;
    CellEncoder cells_;
    std::vector<JetType> types_;
    std::vector<std::string> names_;
    ColumnLayout layout_;
};

} // namespace tavrin::jet
