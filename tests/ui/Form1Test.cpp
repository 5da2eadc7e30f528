// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#include "Form1Harness.h"
#include "JetFixture.h"
#include "StatusBar.h"
#include "TabControl.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMenuBar>
#include <QPushButton>
#include <QTabBar>
#include <QToolButton>
#include <gtest/gtest.h>

namespace tavrin {
namespace {

using test::Form1Harness;

const QString kSheet0Description = QStringLiteral("JIS 5,10k 10A～1000A [JIS B 2220(1990)]");

class Form1Test : public ::testing::Test {
protected:
    void writeTable(JetVersion version, int rows) {
        test::writeFixture(dir.filePath("tavrin.mdb"), version, test::dimensionTable(rows));
    }
    QTemporaryDir dir;
    Form1Harness harness{dir.path()};
};

TEST_F(Form1Test, OpensAsAFixedWindowWithItsCaptionAndClientArea) {
    Form1& form = harness.start();
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Merolan【Kelvor】 JIS B 2210・2220・2313"));
    EXPECT_EQ(form.client()->size(), QSize(471, 526));
    EXPECT_EQ(form.client()->y(), form.menuBar()->height());
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
    const Qt::WindowFlags flags = form.windowFlags();
    EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_EQ(form.frameGeometry().topLeft(), QPoint(0, 0));
}

TEST_F(Form1Test, TheFourArrowsReadAsFirstPreviousNextAndLast) {
    Form1& form = harness.start();
    QList<QImage> arrows;
    for (int which = 0; which < 4; ++which) {
        arrows << form.Data1()->button(which)->icon().pixmap(QSize(9, 9)).toImage();
    }
    const auto blackColumn = [](const QImage& image, int x) {
        for (int y = 0; y < image.height(); ++y) {
            if (image.pixelColor(x, y) != Qt::black) {
                return false;
            }
        }
        return true;
    };
    // First and last: a full bar at the outer edge; previous and next none.
    EXPECT_TRUE(blackColumn(arrows[0], 0));
    EXPECT_FALSE(blackColumn(arrows[1], 0));
    EXPECT_FALSE(blackColumn(arrows[2], 8));
    EXPECT_TRUE(blackColumn(arrows[3], 8));
    for (int a = 0; a < 4; ++a) {
        for (int b = a + 1; b < 4; ++b) {
            EXPECT_NE(arrows[a], arrows[b]) << a << " and " << b;
        }
    }
    // Each is the other side's mirror image.
    EXPECT_EQ(arrows[0].mirrored(true, false), arrows[3]);
    EXPECT_EQ(arrows[1].mirrored(true, false), arrows[2]);
}

TEST_F(Form1Test, PlacesItsControlsInTheClientArea) {
    Form1& form = harness.start();
    EXPECT_EQ(form.SSTab1()->geometry(), QRect(0, 0, 469, 505));
    EXPECT_EQ(form.Data1()->geometry(), QRect(264, 476, 201, 25));
    EXPECT_EQ(form.Command2()->geometry(), QRect(192, 476, 53, 25));
    EXPECT_EQ(form.StatusBar1()->geometry(), QRect(0, 505, 471, 21));
    EXPECT_EQ(form.StatusBar1()->panel(1)->width(), 388);
    EXPECT_GE(form.StatusBar1()->panel(2)->width(), 80);

    // Front to back: status bar, data control, tab control, end button.
    const QObjectList order = form.client()->children();
    const auto at = [&](QObject* o) { return order.indexOf(o); };
    EXPECT_LT(at(form.Command2()), at(form.SSTab1()));
    EXPECT_LT(at(form.SSTab1()), at(form.Data1()));
    EXPECT_LT(at(form.Data1()), at(form.StatusBar1()));
    // The end button is covered: a click at its centre reaches the tab control.
    const QPoint centre = form.Command2()->geometry().center();
    QWidget* hit = form.client()->childAt(centre);
    EXPECT_NE(hit, form.Command2());
    EXPECT_TRUE(hit == form.SSTab1() || form.SSTab1()->isAncestorOf(hit));
    EXPECT_EQ(form.Command2()->text(), QStringLiteral("終　了"));
}

TEST_F(Form1Test, HasEveryMenuWithItsCaptionAndKeys) {
    Form1& form = harness.start();
    struct Item {
        const char* name;
        const char* caption;
        QKeySequence shortcut;
    };
    const Item items[] = {
        {"file", "ﾌｧｲﾙ(&F)", {}},         {"Quit", "終了", {}},
        {"View", "表示(&V)", {}},         {"FrontTop", "常に手前表示", {}},
        {"FormTop_ON", "ON", Qt::Key_F4}, {"FormTop_OFF", "OFF", Qt::Key_F5},
        {"Help", "ﾍﾙﾌﾟ(&H)", {}},         {"About", "Merolanについて", {}},
    };
    for (const Item& item : items) {
        SCOPED_TRACE(item.name);
        if (auto* menu = form.findChild<QMenu*>(item.name)) {
            EXPECT_EQ(menu->title(), QString::fromUtf8(item.caption));
        } else {
            QAction* action = form.action(item.name);
            ASSERT_NE(action, nullptr);
            EXPECT_EQ(action->text(), QString::fromUtf8(item.caption));
            EXPECT_EQ(action->shortcut(), item.shortcut);
            EXPECT_FALSE(action->isChecked());
        }
    }
    const QList<QAction*> top = form.menuBar()->actions();
    ASSERT_EQ(top.size(), 3);
    EXPECT_EQ(top[0]->menu()->objectName(), "file");
    EXPECT_EQ(top[1]->menu()->objectName(), "View");
    EXPECT_EQ(top[2]->menu()->objectName(), "Help");
}

TEST_F(Form1Test, StartsOnSheetZeroWithItsDescription) {
    writeTable(JetVersion::Jet4, 3);
    Form1& form = harness.start();
    EXPECT_EQ(form.SSTab1()->tab(), 0);
    EXPECT_EQ(form.StatusBar1()->panelText(1), kSheet0Description);
    EXPECT_EQ(form.StatusBar1()->panelText(2), QString());
    EXPECT_TRUE(harness.windowManager.calls.empty());
    EXPECT_EQ(form.Data1()->databaseName(), dir.path() + "/tavrin.mdb");
    EXPECT_EQ(form.Data1()->caption(), QStringLiteral("     Kelvor"));
    EXPECT_EQ(form.Data1()->recordSource(), QStringLiteral("Kelvor"));
    EXPECT_EQ(form.Data1()->connect(), QStringLiteral("Access"));
}

TEST(Form1Path, DoublesTheSeparatorAtTheRoot) {
    Form1Harness harness(QStringLiteral("/"));
    Form1& form = harness.start();
    EXPECT_EQ(form.Data1()->databaseName(), QStringLiteral("//tavrin.mdb"));
}

class Form1DataTest : public Form1Test, public ::testing::WithParamInterface<JetVersion> {};

TEST_P(Form1DataTest, StepsThroughTheRowsWithTheArrows) {
    writeTable(GetParam(), 3);
    Form1& form = harness.start();
    ASSERT_TRUE(harness.messages.dataErrors.isEmpty())
        << harness.messages.dataErrors.join("").toStdString();
    DataControl& data = *form.Data1();
    const auto sizes = [&] {
        QStringList shown;
        for (int sheet = 0; sheet < 5; ++sheet) {
            shown << harness.label(QStringLiteral("Label1(%1)").arg(sheet))->text()
                  << harness.label(QStringLiteral("Label2(%1)").arg(sheet))->text();
        }
        return shown;
    };
    const auto row = [](int r) {
        QStringList shown;
        for (int sheet = 0; sheet < 5; ++sheet) {
            shown << QStringLiteral("A#%1").arg(r) << QStringLiteral("B#%1").arg(r);
        }
        return shown;
    };
    EXPECT_EQ(sizes(), row(0));
    data.button(1)->click(); // previous on the first row
    EXPECT_EQ(sizes(), row(0));
    data.button(2)->click();
    EXPECT_EQ(sizes(), row(1));
    // A box of a hidden sheet is filled too.
    EXPECT_EQ(harness.label("Label40")->text(), QStringLiteral("D-40k#1"));
    data.button(3)->click();
    EXPECT_EQ(sizes(), row(2));
    data.button(2)->click(); // next on the last row
    EXPECT_EQ(sizes(), row(2));
    data.button(0)->click();
    EXPECT_EQ(sizes(), row(0));
    EXPECT_EQ(harness.label("Label15")->text(), QStringLiteral("Ha-05k#0"));
}

INSTANTIATE_TEST_SUITE_P(Versions, Form1DataTest,
                         ::testing::Values(JetVersion::Jet3, JetVersion::Jet4),
                         [](const auto& info) {
                             return info.param == JetVersion::Jet3 ? "Jet3" : "Jet4";
                         });

TEST_F(Form1Test, KeepsDesignCaptionsAndRunsOnWhenTheFileIsMissing) {
    Form1& form = harness.start();
    ASSERT_EQ(harness.messages.dataErrors.size(), 1);
    EXPECT_TRUE(harness.messages.dataErrors[0].contains(dir.filePath("tavrin.mdb")));
    EXPECT_EQ(harness.label("Label15")->text(), QStringLiteral("Ha"));
    EXPECT_EQ(harness.label("Label16")->text(), QStringLiteral("Ha"));
    EXPECT_EQ(harness.label("Label1(0)")->text(), QStringLiteral("A"));
    form.Data1()->button(2)->click();
    EXPECT_EQ(harness.label("Label1(0)")->text(), QStringLiteral("A"));
    EXPECT_TRUE(form.isVisible());
    EXPECT_TRUE(harness.programEnd.exitCodes.empty());
    EXPECT_EQ(harness.messages.dataErrors.size(), 1);
}

TEST_F(Form1Test, LeavesABoxWhoseFieldIsMissingAtItsDesignCaption) {
    test::writeFixture(dir.filePath("tavrin.mdb"), JetVersion::Jet4,
                       test::textTable({"B", "A", "Unused"}, {{"1/2B", "15A", "x"}}));
    harness.start();
    EXPECT_EQ(harness.label("Label1(2)")->text(), QStringLiteral("15A"));
    EXPECT_EQ(harness.label("Label2(2)")->text(), QStringLiteral("1/2B"));
    EXPECT_EQ(harness.label("Label3")->text(), QStringLiteral("D"));
}

TEST_F(Form1Test, NeverWritesTheDataFile) {
    writeTable(JetVersion::Jet4, 5);
    const QString file = dir.filePath("tavrin.mdb");
    const QByteArray before = test::readAll(file);
    const QDateTime modified = QFileInfo(file).lastModified();
    Form1& form = harness.start();
    for (int i = 0; i < 6; ++i) {
        form.Data1()->button(2)->click();
    }
    form.close();
    harness.form.reset();
    EXPECT_EQ(test::readAll(file), before);
    EXPECT_EQ(QFileInfo(file).lastModified(), modified);
}

TEST_F(Form1Test, EscAndQuitEndAtOnceWithoutUnload) {
    Form1& form = harness.start();
    form.activateWindow();
    QTest::keyClick(&form, Qt::Key_Escape);
    form.action("Quit")->trigger();
    EXPECT_EQ(harness.programEnd.exitCodes, (std::vector<int>{0, 0}));
    EXPECT_TRUE(harness.settings.writes.isEmpty());
}

TEST_F(Form1Test, TabReachesTheHiddenEndButton) {
    Form1& form = harness.start();
    form.activateWindow();
    form.SSTab1()->tabBar()->setFocus();
    EXPECT_EQ(form.SSTab1()->tabBar()->nextInFocusChain(), form.Command2());
    form.Command2()->setFocus();
    QTest::keyClick(form.Command2(), Qt::Key_Space);
    QTest::keyClick(form.Command2(), Qt::Key_Return);
    EXPECT_EQ(harness.programEnd.exitCodes, (std::vector<int>{0, 0}));
}

TEST_F(Form1Test, CloseFromTheFrameRunsUnload) {
    Form1& form = harness.start();
    form.close();
    EXPECT_FALSE(harness.settings.writes.isEmpty());
    EXPECT_TRUE(harness.programEnd.exitCodes.empty());
}

TEST_F(Form1Test, AnErrorInAHandlerShowsOneBoxAndEnds) {
    harness.settings.failReads = true;
    harness.start();
    EXPECT_EQ(harness.messages.handlerErrors.size(), 1);
    EXPECT_EQ(harness.programEnd.exitCodes, (std::vector<int>{1}));
}

} // namespace
} // namespace tavrin
