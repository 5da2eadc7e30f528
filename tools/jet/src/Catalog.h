// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "ColumnLayout.h"
#include "JetFormat.h"
#include "RowEncoder.h"
#include "TextCodec.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tavrin::jet {

// The system table MSysObjects, whose definition is always on page 2: one row
// per object (the containers, MSysObjects itself and the user table). Id is a
// table's definition page; Flags 0x80000000 marks a system table.
class Catalog {
public:
    static constexpr std::uint32_t kDefinitionPage = 2;

    Catalog(const JetFormat& format, const TextCodec& text);

    const ColumnLayout& layout() const { return layout_; }
    // Rows for a database holding one user table, timestamped `when`
    // (days since 1899-12-30, as Jet stores dates).
    std::vector<EncodedRow> rows(const std::string& userTable, std::uint32_t userTablePage,
                                 double when) const;

private:
    const TextCodec& text_;
    ColumnLayout layout_;
};

} // namespace tavrin::jet
