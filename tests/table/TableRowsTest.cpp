// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#include "TableRows.h"

#include <gtest/gtest.h>

#include <optional>

namespace tavrin {
namespace {

// The value binding `binding` gives, or none.
std::optional<QString> valueOf(const TableRows& rows, int binding) {
    const QString* value = rows.value(binding);
    return value != nullptr ? std::optional<QString>(*value) : std::nullopt;
}

// Fields A and B, and `rows` rows with A#r and B#r.
TableData table(int rows) {
    TableData data;
    data.fields = {QStringLiteral("A"), QStringLiteral("B")};
    for (int r = 0; r < rows; ++r) {
        data.rows.push_back({QStringLiteral("A#%1").arg(r), QStringLiteral("B#%1").arg(r)});
    }
    return data;
}

TEST(TableRows, MovesStopAtTheFirstAndTheLastRow) {
    TableRows rows;
    const int a = rows.bind(QStringLiteral("A"));
    rows.setTable(table(3));
    EXPECT_EQ(rows.currentRow(), -1);
    EXPECT_EQ(valueOf(rows, a), std::nullopt);

    const struct {
        bool (TableRows::*move)();
        bool changed;
        int row;
    } kMoves[] = {
        {&TableRows::movePrevious, true, 0}, // from no row: the first
        {&TableRows::movePrevious, false, 0}, {&TableRows::moveFirst, false, 0},
        {&TableRows::moveNext, true, 1},      {&TableRows::moveLast, true, 2},
        {&TableRows::moveNext, false, 2},     {&TableRows::moveLast, false, 2},
        {&TableRows::movePrevious, true, 1},  {&TableRows::moveFirst, true, 0},
    };
    int step = 0;
    for (const auto& move : kMoves) {
        SCOPED_TRACE(testing::Message() << "move " << ++step);
        EXPECT_EQ((rows.*move.move)(), move.changed);
        EXPECT_EQ(rows.currentRow(), move.row);
        EXPECT_EQ(valueOf(rows, a), QStringLiteral("A#%1").arg(move.row));
    }
    EXPECT_FALSE(rows.moveTo(-5));
    EXPECT_TRUE(rows.moveTo(99));
    EXPECT_EQ(rows.currentRow(), 2);
}

TEST(TableRows, AnEmptyTableHasNoCurrentRowWhateverTheMove) {
    TableRows rows;
    const int a = rows.bind(QStringLiteral("A"));
    for (const TableData& data : {TableData{}, table(0)}) {
        rows.setTable(data);
        EXPECT_TRUE(rows.isEmpty());
        for (auto move : {&TableRows::moveFirst, &TableRows::movePrevious, &TableRows::moveNext,
                          &TableRows::moveLast}) {
            EXPECT_FALSE((rows.*move)());
        }
        EXPECT_EQ(rows.currentRow(), -1);
        EXPECT_EQ(valueOf(rows, a), std::nullopt);
    }
}

TEST(TableRows, BindsByFieldNameWhateverItsCaseBeforeOrAfterTheTable) {
    TableRows rows;
    const int lower = rows.bind(QStringLiteral("b"));
    const int missing = rows.bind(QStringLiteral("C"));
    rows.setTable(table(2));
    const int upper = rows.bind(QStringLiteral("A"));
    rows.bind(QStringLiteral("b"));
    ASSERT_TRUE(rows.moveLast());
    EXPECT_EQ(valueOf(rows, lower), QStringLiteral("B#1"));
    EXPECT_EQ(valueOf(rows, upper), QStringLiteral("A#1"));
    EXPECT_EQ(valueOf(rows, missing), std::nullopt);
    EXPECT_EQ(valueOf(rows, rows.bindingCount()), std::nullopt);
    // Each bound name once, in the order first bound.
    EXPECT_EQ(rows.boundFields(), (QStringList{"b", "C", "A"}));
    EXPECT_EQ(rows.missingFields(), (QStringList{"C"}));
}

} // namespace
} // namespace tavrin
