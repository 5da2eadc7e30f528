// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT
//
// The main window while its table is read, and what it says of a table that
// lacks the fields it shows.

#include "Form1Harness.h"
#include "JetFixture.h"
#include "JetTableReader.h"
#include "SheetDefinitions.h"
#include "StandInReader.h"
#include "StatusBar.h"
#include "TabControl.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTabBar>
#include <gtest/gtest.h>

namespace tavrin {
namespace {

using test::Form1Harness;
using test::StandInReader;

class DataFileTest : public ::testing::Test {
protected:
    void useReader(const StandInReader& reader) {
        harness.reader.setReaderProgram(reader.program());
    }
    QString dataFile() const { return dir.filePath("tavrin.mdb"); }

    QTemporaryDir dir;
    Form1Harness harness{dir.path()};
};

enum class Ending { Esc, Quit, Frame };

class WhileTheReaderSleeps : public DataFileTest, public ::testing::WithParamInterface<Ending> {};

// The window answers while the reader takes its time: it changes sheets,
// opens its menus and ends each way it can; the reader ends with it.
TEST_P(WhileTheReaderSleeps, TheWindowAnswersAndEnds) {
    test::writeFixture(dataFile(), JetVersion::Jet4, test::dimensionTable(3));
    const StandInReader reader(QStringLiteral("exec sleep 600"));
    useReader(reader);
    Form1& form = harness.start(false);
    const long pid = reader.waitForPid();
    ASSERT_GT(pid, 0);
    EXPECT_TRUE(form.Data1()->isReading());
    EXPECT_EQ(form.cursor().shape(), Qt::BusyCursor);

    QTabBar* tabs = form.SSTab1()->tabBar();
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(3).center());
    QTest::qWait(50);
    EXPECT_EQ(form.StatusBar1()->panelText(1), QString::fromStdString(sheetDescription(3)));
    EXPECT_FALSE(form.grab().isNull());

    auto* file = form.findChild<QMenu*>("file");
    ASSERT_NE(file, nullptr);
    form.menuBar()->setActiveAction(file->menuAction());
    EXPECT_TRUE(QTest::qWaitFor([&] { return file->isVisible(); }, 5000));
    file->close();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !file->isVisible(); }, 5000));

    form.activateWindow();
    switch (GetParam()) {
    case Ending::Esc:
        QTest::keyClick(&form, Qt::Key_Escape);
        EXPECT_EQ(harness.programEnd.exitCodes, std::vector<int>{0});
        break;
    case Ending::Quit:
        form.action("Quit")->trigger();
        EXPECT_EQ(harness.programEnd.exitCodes, std::vector<int>{0});
        break;
    case Ending::Frame:
        EXPECT_TRUE(form.close());
        EXPECT_FALSE(harness.settings.writes.isEmpty());
        break;
    }
    EXPECT_TRUE(form.Data1()->isReading());
    EXPECT_TRUE(harness.messages.dataErrors.isEmpty());
    harness.form.reset();
    EXPECT_TRUE(test::hasEnded(pid, 5000));
}

INSTANTIATE_TEST_SUITE_P(Endings, WhileTheReaderSleeps,
                         ::testing::Values(Ending::Esc, Ending::Quit, Ending::Frame),
                         [](const auto& info) {
                             return std::string(info.param == Ending::Esc    ? "Esc"
                                                : info.param == Ending::Quit ? "Quit"
                                                                             : "Frame");
                         });

// The boxes keep their design captions under a busy cursor until the read
// ends, and then show the first row.
TEST_F(DataFileTest, ValuesAppearWhenTheReadEnds) {
    test::writeFixture(dataFile(), JetVersion::Jet4, test::dimensionTable(3));
    const StandInReader reader(QStringLiteral("sleep 1; exec '%1' \"$@\"").arg(test::builtReader()));
    useReader(reader);
    Form1& form = harness.start(false);
    ASSERT_GT(reader.waitForPid(), 0);
    EXPECT_EQ(harness.label("Label1(0)")->text(), QStringLiteral("A"));
    EXPECT_EQ(form.cursor().shape(), Qt::BusyCursor);
    QSignalSpy read(form.Data1(), &DataControl::readFinished);
    ASSERT_TRUE(read.wait(JetTableReader::kTimeLimitMs + 5000));
    EXPECT_EQ(harness.label("Label1(0)")->text(), QStringLiteral("A#0"));
    EXPECT_EQ(harness.label("Label3")->text(), QStringLiteral("D-05k#0"));
    EXPECT_NE(form.cursor().shape(), Qt::BusyCursor);
    EXPECT_TRUE(harness.messages.dataErrors.isEmpty());
}

// Field names do not depend on case, as in the Jet engine.
TEST_F(DataFileTest, BindsFieldsWhateverTheirCase) {
    test::writeFixture(dataFile(), JetVersion::Jet4,
                       test::textTable({"a", "B", "DA", "d-05K", "ha-05k"},
                                       {{"10A", "3/8B", "17.8", "75", "4-φ12"}}));
    Form1& form = harness.start();
    EXPECT_EQ(harness.label("Label1(4)")->text(), QStringLiteral("10A"));
    EXPECT_EQ(harness.label("Label2(0)")->text(), QStringLiteral("3/8B"));
    EXPECT_EQ(harness.label("Label8")->text(), QStringLiteral("17.8"));
    EXPECT_EQ(harness.label("Label3")->text(), QStringLiteral("75"));
    EXPECT_EQ(harness.label("Label15")->text(), QStringLiteral("4-φ12"));
    // What is missing keeps its design caption, and is reported once.
    EXPECT_EQ(harness.label("Label4")->text(), QStringLiteral("D"));
    ASSERT_EQ(harness.messages.dataErrors.size(), 1);
    const QString message = harness.messages.dataErrors[0];
    const QString start =
        QStringLiteral("データファイル「%1」のテーブル「Kelvor」には、表示する 62 "
                       "のフィールドのうち 57 個がありません（")
            .arg(dataFile());
    const QString end = QStringLiteral(" ほか）。");
    ASSERT_TRUE(message.startsWith(start) && message.endsWith(end)) << message.toStdString();
    const QStringList named = message.mid(start.size(), message.size() - start.size() - end.size())
                                  .split(QStringLiteral("、"));
    EXPECT_EQ(named.size(), 5);
    for (const QString& name : named) {
        const std::vector<std::string>& fields = dimensionFields();
        EXPECT_NE(std::find(fields.begin(), fields.end(), name.toStdString()), fields.end());
        EXPECT_FALSE(QStringList({"A", "B", "Da", "D-05k", "Ha-05k"}).contains(name));
    }
    form.Data1()->moveNext();
    EXPECT_EQ(harness.messages.dataErrors.size(), 1);
}

TEST_F(DataFileTest, SaysATableWithNoneOfTheFieldsIsNoDimensionTable) {
    test::writeFixture(dataFile(), JetVersion::Jet4,
                       test::textTable({"Name", "Price"}, {{"ボルト", "10"}}));
    harness.start();
    EXPECT_EQ(harness.messages.dataErrors,
              QStringList(QStringLiteral("データファイル「%1」のテーブル「Kelvor」は寸法表では"
                                         "ありません。表示する 62 のフィールドが一つもありません。")
                              .arg(dataFile())));
    EXPECT_EQ(harness.label("Label1(0)")->text(), QStringLiteral("A"));
    EXPECT_EQ(harness.label("Label15")->text(), QStringLiteral("Ha"));
}

} // namespace
} // namespace tavrin
