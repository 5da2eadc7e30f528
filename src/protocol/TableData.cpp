// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#include "TableData.h"

namespace tavrin {

int TableData::fieldIndex(const QString& name) const {
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (fields[i].compare(name, Qt::CaseInsensitive) == 0) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

} // namespace tavrin
