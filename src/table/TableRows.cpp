// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#include "TableRows.h"

#include <algorithm>

namespace tavrin {

int TableRows::bind(const QString& field) {
    bindings_.push_back({field, table_.fieldIndex(field)});
    return bindingCount() - 1;
}

void TableRows::setTable(TableData table) {
    table_ = std::move(table);
    current_ = -1;
    for (Binding& binding : bindings_) {
        binding.column = table_.fieldIndex(binding.field);
    }
}

bool TableRows::moveTo(int row) {
    if (table_.rows.empty()) {
        return false;
    }
    const int target = std::clamp(row, 0, rowCount() - 1);
    if (target == current_) {
        return false;
    }
    current_ = target;
    return true;
}

const QString* TableRows::value(int binding) const {
    if (current_ < 0 || binding < 0 || binding >= bindingCount()) {
        return nullptr;
    }
    const int column = bindings_[static_cast<std::size_t>(binding)].column;
    if (column < 0) {
        return nullptr;
    }
    return &table_.rows[static_cast<std::size_t>(current_)][static_cast<std::size_t>(column)];
}

QStringList TableRows::boundFields() const {
    QStringList fields;
    for (const Binding& binding : bindings_) {
        if (!fields.contains(binding.field)) {
            fields << binding.field;
        }
    }
    return fields;
}

QStringList TableRows::missingFields() const {
    QStringList missing;
    for (const Binding& binding : bindings_) {
        if (binding.column < 0 && !missing.contains(binding.field)) {
            missing << binding.field;
        }
    }
    return missing;
}

} // namespace tavrin
