// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

// Large tables in the main window: ten thousand rows, and three hundred
// columns with the sheets' fields among columns past the 256th. Every arrow
// works at either end, and every box shows its own field of the current row.

#include "Form1Harness.h"
#include "JetFixture.h"
#include "LargeTables.h"
#include "SheetBuilder.h"
#include "SheetDefinitions.h"

#include <QDir>
#include <QFileInfo>
#include <QToolButton>
#include <gtest/gtest.h>
#include <ostream>

namespace tavrin {
namespace {

enum Arrow { First, Previous, Next, Last };

struct LargeTable {
    const char* name;
    JetTable (*make)();
    int rows;
};

void PrintTo(const LargeTable& table, std::ostream* out) {
    *out << table.name;
}

const LargeTable kTenThousandRows{"TenThousandRows", [] { return test::dimensionTable(10000); },
                                  10000};
const LargeTable kThreeHundredColumns{"ThreeHundredColumns",
                                      [] { return test::manyColumnsTable(300, 200); }, 200};

class LargeTableTest : public ::testing::TestWithParam<LargeTable> {
protected:
    LargeTableTest() : harness(directory(GetParam())) {}

    // Each table is written once, on its first test, into a folder of its own.
    static QString directory(const LargeTable& table) {
        static QTemporaryDir files;
        const QString folder = files.filePath(QString::fromLatin1(table.name));
        const QString file = folder + QStringLiteral("/tavrin.mdb");
        if (QDir().mkpath(folder) && !QFileInfo::exists(file)) {
            test::writeFixture(file, JetVersion::Jet4, table.make());
        }
        return folder;
    }

    DataControl& open() {
        Form1& form = harness.start();
        EXPECT_TRUE(harness.messages.dataErrors.isEmpty())
            << harness.messages.dataErrors.join("").toStdString();
        return *form.Data1();
    }

    // Every value box and size box of every sheet shows its field of row `row`.
    void expectRowShown(int row) const {
        EXPECT_EQ(harness.form->Data1()->currentRow(), row);
        int checked = 0;
        int wrong = 0;
        for (const SheetDef& sheet : sheetDefinitions()) {
            for (const auto* boxes : {&sheet.valueBoxes, &sheet.sizeBoxes}) {
                for (const ValueBoxDef& def : *boxes) {
                    const QLabel* box = harness.label(SheetBuilder::objectName(def));
                    const QString expected =
                        QStringLiteral("%1#%2").arg(QString::fromStdString(def.field)).arg(row);
                    ++checked;
                    if (box == nullptr || box->text() != expected) {
                        if (wrong++ == 0) {
                            ADD_FAILURE()
                                << SheetBuilder::objectName(def).toStdString() << " shows "
                                << (box ? box->text().toStdString() : "nothing") << " on row "
                                << row;
                        }
                    }
                }
            }
        }
        EXPECT_EQ(wrong, 0) << "of " << checked << " boxes";
    }

    test::Form1Harness harness;
};

// One test a table, so that each run writes and reads the table once.
TEST_P(LargeTableTest, OpensWithEveryRowAndEveryArrowWorksAtEitherEnd) {
    DataControl& data = open();
    ASSERT_EQ(data.rowCount(), GetParam().rows);
    // Every row came in order, across all the table's pages.
    const int column = data.table().fieldIndex(QStringLiteral("A"));
    ASSERT_GE(column, 0);
    int outOfPlace = 0;
    for (int r = 0; r < data.rowCount(); ++r) {
        outOfPlace +=
            data.table().rows[std::size_t(r)][std::size_t(column)] != QStringLiteral("A#%1").arg(r);
    }
    EXPECT_EQ(outOfPlace, 0);
    expectRowShown(0);

    const int last = GetParam().rows - 1;
    const struct {
        Arrow arrow;
        int row; // the row current after the click
    } kClicks[] = {
        {Previous, 0}, {First, 0},   {Next, 1},    {Previous, 0},        {Previous, 0},
        {Last, last},  {Next, last}, {Last, last}, {Previous, last - 1}, {Next, last},
        {Next, last},  {First, 0},   {First, 0},   {Last, last},
    };
    const char* const kArrowNames[] = {"First", "Previous", "Next", "Last"};
    int step = 0;
    for (const auto& click : kClicks) {
        SCOPED_TRACE(testing::Message() << "click " << ++step << ": " << kArrowNames[click.arrow]);
        data.button(click.arrow)->click();
        expectRowShown(click.row);
    }
}

const auto kName = [](const auto& info) { return std::string(info.param.name); };

// The 10,000-row table has more data pages than one inline usage map can
// list, so it lists them through map pages (a type 1 map).
INSTANTIATE_TEST_SUITE_P(Jet4, LargeTableTest,
                         ::testing::Values(kThreeHundredColumns, kTenThousandRows), kName);

} // namespace
} // namespace tavrin
