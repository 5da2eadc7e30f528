// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#include "FormTop.h"
#include "PositionFixture.h"
#include "StatusBar.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <gtest/gtest.h>

namespace tavrin {
namespace {

using test::ProgramRun;
using test::RecordingWindowManager;
using test::SpyStore;

// What the user sees of the always-on-top state.
struct Shown {
    QString panel2;
    bool onChecked;
    bool offChecked;
    bool operator==(const Shown&) const = default;
};

Shown shown(const Form1& form) {
    return {form.StatusBar1()->panelText(2), form.action("FormTop_ON")->isChecked(),
            form.action("FormTop_OFF")->isChecked()};
}

void PrintTo(const Shown& s, std::ostream* os) {
    *os << "{panel 2 \"" << s.panel2.toStdString() << "\", ON " << s.onChecked << ", OFF "
        << s.offChecked << "}";
}

const Shown kInitial{QString(), false, false};
const Shown kOn{QStringLiteral("FormTop"), true, false};
const Shown kOff{QString(), false, true};

class AlwaysOnTopTest : public ::testing::Test {
protected:
    SpyStore settings;
    RecordingWindowManager windowManager;
};

TEST_F(AlwaysOnTopTest, StartsOrdinaryWithCheckableItemsAndNoMark) {
    ProgramRun run(settings, windowManager);
    Form1& form = run.start();
    EXPECT_EQ(shown(form), kInitial);
    EXPECT_TRUE(form.action("FormTop_ON")->isCheckable());
    EXPECT_TRUE(form.action("FormTop_OFF")->isCheckable());
    EXPECT_TRUE(windowManager.calls.empty());
}

TEST_F(AlwaysOnTopTest, EveryCommandLeadsToItsStateFromEveryState) {
    struct Step {
        const char* from;
        const char* command;
        Shown after;
    };
    const Step table[] = {
        {"Initial", "FormTop_ON", kOn}, {"Initial", "FormTop_OFF", kOff},
        {"Initial", "About", kOff},     {"On", "FormTop_ON", kOn},
        {"On", "FormTop_OFF", kOff},    {"On", "About", kOff},
        {"Off", "FormTop_ON", kOn},     {"Off", "FormTop_OFF", kOff},
        {"Off", "About", kOff},
    };
    for (const Step& step : table) {
        SCOPED_TRACE(std::string(step.from) + " then " + step.command);
        RecordingWindowManager manager;
        ProgramRun run(settings, manager);
        Form1& form = run.start();
        if (QString(step.from) == "On") {
            form.action("FormTop_ON")->trigger();
        } else if (QString(step.from) == "Off") {
            form.action("FormTop_OFF")->trigger();
        }
        const std::size_t before = manager.calls.size();

        // The information window opens only after the switch-off.
        std::optional<Shown> atInformation;
        std::size_t callsAtInformation = 0;
        run.onInformation = [&] {
            atInformation = shown(form);
            callsAtInformation = manager.calls.size();
        };
        form.action(step.command)->trigger();

        EXPECT_EQ(shown(form), step.after);
        ASSERT_EQ(manager.calls.size(), before + 1);
        EXPECT_EQ(manager.calls.back().window, form.hWnd());
        EXPECT_EQ(manager.calls.back().topmost, QString(step.command) == "FormTop_ON");
        if (QString(step.command) == "About") {
            ASSERT_TRUE(atInformation.has_value());
            EXPECT_EQ(*atInformation, kOff);
            EXPECT_EQ(callsAtInformation, before + 1);
        } else {
            EXPECT_FALSE(atInformation.has_value());
        }
        EXPECT_TRUE(run.programEnd.exitCodes.empty());
    }
}

TEST_F(AlwaysOnTopTest, OnTwiceMakesThePlatformCallTwice) {
    ProgramRun run(settings, windowManager);
    Form1& form = run.start();
    form.action("FormTop_ON")->trigger();
    form.action("FormTop_ON")->trigger();
    ASSERT_EQ(windowManager.calls.size(), 2u);
    EXPECT_TRUE(windowManager.calls[0].topmost);
    EXPECT_TRUE(windowManager.calls[1].topmost);
    EXPECT_EQ(shown(form), kOn);
}

TEST_F(AlwaysOnTopTest, ARefusedChangeStillShowsTheRequestedState) {
    windowManager.result = 0;
    ProgramRun run(settings, windowManager);
    Form1& form = run.start();
    form.action("FormTop_ON")->trigger();
    EXPECT_EQ(shown(form), kOn);
    form.action("FormTop_OFF")->trigger();
    EXPECT_EQ(shown(form), kOff);
    EXPECT_EQ(windowManager.calls.size(), 2u);
    EXPECT_TRUE(run.messages.handlerErrors.isEmpty());
}

TEST_F(AlwaysOnTopTest, F4AndF5WorkWithNoMenuOpenAndAltF4IsNotF4) {
    ProgramRun run(settings, windowManager);
    Form1& form = run.start();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    ASSERT_EQ(QApplication::activePopupWidget(), nullptr);

    QTest::keyClick(&form, Qt::Key_F4);
    ASSERT_EQ(windowManager.calls.size(), 1u);
    EXPECT_TRUE(windowManager.calls[0].topmost);
    EXPECT_EQ(shown(form), kOn);

    QTest::keyClick(&form, Qt::Key_F5);
    ASSERT_EQ(windowManager.calls.size(), 2u);
    EXPECT_FALSE(windowManager.calls[1].topmost);
    EXPECT_EQ(shown(form), kOff);

    QTest::keyClick(&form, Qt::Key_F4, Qt::AltModifier);
    EXPECT_EQ(windowManager.calls.size(), 2u);
    EXPECT_EQ(shown(form), kOff);
}

TEST_F(AlwaysOnTopTest, F4AndF5WorkWhileAMenuIsOpen) {
    ProgramRun run(settings, windowManager);
    Form1& form = run.start();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    auto* view = form.findChild<QMenu*>("View");
    auto* frontTop = form.findChild<QMenu*>("FrontTop");
    auto* file = form.findChild<QMenu*>("file");
    // Each menu open in its turn: a top-level menu, and the submenu that
    // shows the items themselves.
    struct Case {
        std::vector<QMenu*> open;
        Qt::Key key;
        Shown after;
    };
    const Case cases[] = {
        {{file}, Qt::Key_F4, kOn},
        {{view}, Qt::Key_F5, kOff},
        {{view, frontTop}, Qt::Key_F4, kOn},
        {{view, frontTop}, Qt::Key_F5, kOff},
    };
    std::size_t calls = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.open.back()->objectName().toStdString());
        for (QMenu* menu : c.open) {
            menu->popup(form.mapToGlobal(QPoint(20, 20)));
            ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activePopupWidget() == menu; }));
        }
        QTest::keyClick(c.open.back(), c.key);
        EXPECT_EQ(windowManager.calls.size(), ++calls);
        EXPECT_EQ(shown(form), c.after);
        // As a click on the item does, the key closes the menus.
        EXPECT_TRUE(QTest::qWaitFor([] { return QApplication::activePopupWidget() == nullptr; }));
    }
}

// A form whose handle reads are counted.
class CountingForm final : public FormWindow {
public:
    quintptr hWnd() const override {
        ++reads;
        return 0x4242;
    }
    mutable int reads = 0;
};

TEST(SetFormTopmostTest, PassesFlagsOneAndZeroOnAndAnswersZeroForAnyOther) {
    struct Case {
        qint16 flag;
        qint32 result;
        std::optional<bool> topmost; // the platform call made, if any
    };
    const Case cases[] = {{1, 7, true}, {0, 7, false}, {2, 0, {}}, {-1, 0, {}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.flag);
        RecordingWindowManager manager;
        manager.result = 7;
        CountingForm form;
        EXPECT_EQ(FormTop::SetFormTopmost(manager, form, c.flag), c.result);
        EXPECT_EQ(form.reads, 1);
        if (c.topmost) {
            ASSERT_EQ(manager.calls.size(), 1u);
            EXPECT_EQ(manager.calls[0].window, 0x4242u);
            EXPECT_EQ(manager.calls[0].topmost, *c.topmost);
        } else {
            EXPECT_TRUE(manager.calls.empty());
        }
    }
}

TEST(SetFormTopmostTest, AnswersWithTheRefusal) {
    RecordingWindowManager manager;
    manager.result = 0;
    CountingForm form;
    EXPECT_EQ(FormTop::SetFormTopmost(manager, form, 1), 0);
    EXPECT_EQ(manager.calls.size(), 1u);
}

} // namespace
} // namespace tavrin
