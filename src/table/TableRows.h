// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "TableData.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace tavrin {

// The rows of the table a data control shows, its current row and the fields
// bound to it, without the widgets. A binding names a field, found by name
// whatever its case; the current row gives each binding its value. Until a
// table with rows is set no row is current and every move is ignored; moves
// stop at the first and the last row.
class TableRows {
public:
    // Binds `field` and returns the binding's number, counted from 0.
    int bind(const QString& field);
    int bindingCount() const { return static_cast<int>(bindings_.size()); }

    // Takes `table` in place of the one before; no row is current until a
    // move makes one so.
    void setTable(TableData table);
    const TableData& table() const { return table_; }
    int rowCount() const { return static_cast<int>(table_.rows.size()); }
    bool isEmpty() const { return table_.rows.empty(); }
    int currentRow() const { return current_; } // -1 while no row is current

    // Makes `row` current, held to the first and the last row; false when
    // that changes nothing (no rows, or the row was current already).
    bool moveTo(int row);
    bool moveFirst() { return moveTo(0); }
    bool movePrevious() { return moveTo(current_ - 1); }
    bool moveNext() { return moveTo(current_ + 1); }
    bool moveLast() { return moveTo(rowCount() - 1); }

    // The current row's value of binding `binding`; null while no row is
    // current or when the table lacks its field.
    const QString* value(int binding) const;

    // The bound fields, each once in the order first bound, and those of
    // them the table lacks.
    QStringList boundFields() const;
    QStringList missingFields() const;

private:
    struct Binding {
        QString field;
        int column = -1;
    };

    TableData table_;
    std::vector<Binding> bindings_;
    int current_ = -1;
};

} // namespace tavrin
