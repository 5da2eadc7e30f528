// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#include "Fakes.h"
#include "Form1.h"
#include "Form2.h"
#include "InfoTexts.h"
#include "JetTableReader.h"
#include "RecordingShell.h"
#include "SettingsStore.h"
#include "StatusBar.h"
#include "TabControl.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>

namespace tavrin {
namespace {

// A window manager that hands each call to the test, which notes what the
// main window shows at that moment.
class ObservedWindowManager final : public WindowManager {
public:
    qint32 setTopmost(quintptr, bool topmost) override {
        if (onCall) {
            onCall(topmost);
        }
        return 1;
    }
    std::function<void(bool)> onCall;
};

Form2* shownForm2() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* form2 = qobject_cast<Form2*>(widget); form2 && form2->isVisible()) {
            return form2;
        }
    }
    return nullptr;
}

int form2Count() {
    int count = 0;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        count += qobject_cast<Form2*>(widget) != nullptr ? 1 : 0;
    }
    return count;
}

class AboutTest : public ::testing::Test {
protected:
    void start(std::function<void()> showInformation) {
        form1 = std::make_unique<Form1>(Form1Platform{settings, windowManager, messages, programEnd,
                                                      reader, std::move(showInformation),
                                                      [this] { return dir.path(); }});
        windowManager.onCall = [this](bool topmost) {
            log << QStringLiteral("topmost(%1) ").arg(topmost ? 1 : 0) + state();
        };
        form1->load();
        form1->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form1.get()));
    }
    // Starts the main window with the program's own About display.
    void startWithForm2() {
        start([this] { Form2::showModal(shell); });
    }

    QString state() const {
        return QStringLiteral("panel2=\"%1\" on=%2 off=%3")
            .arg(form1->StatusBar1()->panelText(2))
            .arg(form1->action(QStringLiteral("FormTop_ON"))->isChecked() ? 1 : 0)
            .arg(form1->action(QStringLiteral("FormTop_OFF"))->isChecked() ? 1 : 0);
    }
    void trigger(const char* action) { form1->action(QString::fromLatin1(action))->trigger(); }

    // Runs `act` on the information window from inside its modal loop once
    // it is shown; closes the window if it is still open seconds later, so
    // that no test hangs.
    void whenShown(std::function<void(Form2&)> act) {
        QObject::disconnect(&poll, nullptr, nullptr, nullptr);
        auto acted = std::make_shared<bool>(false);
        auto clock = std::make_shared<QElapsedTimer>();
        clock->start();
        QObject::connect(&poll, &QTimer::timeout, [this, act, acted, clock] {
            Form2* form2 = shownForm2();
            if (!*acted && form2 != nullptr) {
                *acted = true;
                act(*form2);
            } else if (*acted && form2 == nullptr) {
                poll.stop();
            } else if (clock->elapsed() > 5000) {
                ADD_FAILURE() << (*acted ? "the information window stayed open"
                                         : "the information window did not open");
                if (form2 != nullptr) {
                    form2->reject();
                }
                poll.stop();
            }
        });
        poll.start(5);
    }

    QPoint tabCentre(int tab) const {
        QTabBar* bar = form1->SSTab1()->tabBar();
        return bar->mapTo(form1.get(), bar->tabRect(tab).center());
    }

    QTemporaryDir dir;
    EmptySettingsStore settings;
    ObservedWindowManager windowManager;
    test::RecordingMessages messages;
    test::RecordingProgramEnd programEnd;
    JetTableReader reader;
    test::RecordingShell shell;
    QStringList log;
    QTimer poll;
    std::unique_ptr<Form1> form1;
};

TEST_F(AboutTest, SwitchesAlwaysOnTopOffAndThenShowsTheWindowFromEveryState) {
    start([this] { log << QStringLiteral("information ") + state(); });
    const QString off = QStringLiteral("panel2=\"\" on=0 off=1");
    const QStringList aboutSteps = {
        // Panel 2 is emptied before the platform call, the marks set after it.
        QStringLiteral("topmost(0) panel2=\"\" on=1 off=0"),
        QStringLiteral("information ") + off,
    };

    // From On.
    trigger("FormTop_ON");
    log.clear();
    trigger("About");
    EXPECT_EQ(log, aboutSteps);
    EXPECT_EQ(state(), off);

    // From Off, and again: each About repeats every step, the call included.
    for (int run = 0; run < 2; ++run) {
        log.clear();
        trigger("About");
        EXPECT_EQ(log, (QStringList{QStringLiteral("topmost(0) ") + off,
                                    QStringLiteral("information ") + off}));
        EXPECT_EQ(state(), off);
    }
}

TEST_F(AboutTest, FromStartUpLeavesTheOffMarkAlthoughOffWasNeverChosen) {
    start([this] { log << QStringLiteral("information ") + state(); });
    EXPECT_EQ(state(), QStringLiteral("panel2=\"\" on=0 off=0"));
    trigger("About");
    EXPECT_EQ(log, (QStringList{QStringLiteral("topmost(0) panel2=\"\" on=0 off=0"),
                                QStringLiteral("information panel2=\"\" on=0 off=1")}));
}

TEST_F(AboutTest, EveryWayOfClosingTheWindowReturnsToTheMainWindow) {
    startWithForm2();
    struct Way {
        const char* name;
        std::function<void(Form2&)> close;
    };
    const Way ways[] = {
        {"Command1", [](Form2& f) { QTest::mouseClick(f.Command1(), Qt::LeftButton); }},
        {"Esc", [](Form2& f) { QTest::keyClick(f.Command1(), Qt::Key_Escape); }},
        {"frame", [](Form2& f) { f.windowHandle()->close(); }},
    };
    for (const Way& way : ways) {
        SCOPED_TRACE(way.name);
        trigger("FormTop_ON");
        log.clear();
        bool wasOpen = false;
        whenShown([&](Form2& f) {
            wasOpen = true;
            way.close(f);
        });
        trigger("About"); // returns only once the window is closed
        EXPECT_TRUE(wasOpen);
        EXPECT_EQ(form2Count(), 0);
        // Nothing after the switch-off: one platform call, the state stays Off.
        EXPECT_EQ(log.size(), 1);
        EXPECT_EQ(state(), QStringLiteral("panel2=\"\" on=0 off=1"));
    }
    EXPECT_TRUE(shell.calls.isEmpty());
    EXPECT_TRUE(messages.handlerErrors.isEmpty());
}

TEST_F(AboutTest, EachAboutShowsAFreshApplicationModalWindowWithoutOwner) {
    startWithForm2();
    const QString homepage = QString::fromUtf8(infotexts::kHomepage);
    QPointer<Form2> first;
    whenShown([&](Form2& f) {
        first = &f;
        EXPECT_EQ(f.parentWidget(), nullptr);
        EXPECT_TRUE(f.isModal());
        EXPECT_EQ(f.windowModality(), Qt::ApplicationModal);
        EXPECT_EQ(QApplication::activeModalWidget(), &f);
        f.Label13(Form2::kAddressIndex)->setText(QStringLiteral("https://changed.example/"));
        f.Command1()->click();
    });
    trigger("About");
    ASSERT_FALSE(first.isNull() && form2Count() != 0);
    EXPECT_TRUE(first.isNull()); // destroyed when closed

    QString secondAddress;
    whenShown([&](Form2& f) {
        secondAddress = f.Label13(Form2::kAddressIndex)->text();
        f.Command1()->click();
    });
    trigger("About");
    EXPECT_EQ(secondAddress, homepage);
    EXPECT_EQ(form2Count(), 0);
}

TEST_F(AboutTest, TheMainWindowTakesNoInputWhileTheWindowIsOpen) {
    startWithForm2();
    ASSERT_EQ(form1->SSTab1()->tab(), 0);
    whenShown([&](Form2& f) {
        QTest::mouseClick(form1->windowHandle(), Qt::LeftButton, {}, tabCentre(1));
        QTest::keyClick(form1->windowHandle(), Qt::Key_F4); // FormTop_ON's key
        EXPECT_EQ(form1->SSTab1()->tab(), 0);
        EXPECT_EQ(state(), QStringLiteral("panel2=\"\" on=0 off=1"));
        f.Command1()->click();
    });
    trigger("About");
    EXPECT_EQ(log.size(), 1);

    // The same input reaches the main window once the information window is closed.
    QTest::mouseClick(form1->windowHandle(), Qt::LeftButton, {}, tabCentre(1));
    EXPECT_EQ(form1->SSTab1()->tab(), 1);
}

} // namespace
} // namespace tavrin
