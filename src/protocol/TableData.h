// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>
#include <vector>

namespace tavrin {

// A whole table read into memory: its field names in table order and every
// row's values as display text (Null as an empty text).
struct TableData {
    std::vector<QString> fields;
    std::vector<std::vector<QString>> rows;

    // Index of a field by name, in any case (Jet names do not depend on
    // case), or -1.
    int fieldIndex(const QString& name) const;
};

} // namespace tavrin
