// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

// The always-on-top switch and the window position on a real X server:
// main() starts Xvfb on a display it picks itself and runs the tests on Qt's
// xcb platform; the tests that need a window manager start openbox.
#include "DataControl.h"
#include "Form2.h"
#include "PositionFixture.h"
#include "QSettingsStore.h"
#include "RecordingShell.h"
#include "SessionEnd.h"
#include "StatusBar.h"
#include "X11Client.h"
#include "X11Probe.h"
#include "X11WindowManager.h"
#include "XvfbSession.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QToolButton>
#include <gtest/gtest.h>
#include <signal.h>

namespace tavrin {
namespace {

using test::frameExtents;
using test::ProgramRun;
using test::property;
using test::runTool;
using test::serverGeometry;
using test::SpyStore;
using test::windowManagerRunning;

// The X server main() started.
test::XvfbSession& session() {
    static test::XvfbSession instance;
    return instance;
}

QString netWmState(WId window) {
    return property(window, "_NET_WM_STATE");
}

bool above(WId window) {
    return netWmState(window).contains("_NET_WM_STATE_ABOVE");
}

// Asks the window manager to add or remove the above state, as its own
// window menu does for the user, from a connection of its own.
void askWindowManager(WId window, bool add) {
    test::X11Client client;
    ASSERT_TRUE(client.connected());
    client.askWindowManager(static_cast<xcb_window_t>(window), client.atom("_NET_WM_STATE"),
                            {add ? 1u : 0u, client.atom("_NET_WM_STATE_ABOVE"), 0,
                             2 /* from a pager, as the user's own choice */, 0});
    client.flush();
}

// How far the centre of a window's frame lies from the screen's centre, as
// the X server has it: the client area and the frame the window manager
// drew around it, if any.
int offCentre(WId window, const QScreen& screen) {
    const QRect client = serverGeometry(window);
    const QList<int> extents = frameExtents(window).value_or(QList<int>{0, 0, 0, 0});
    const QRect frame = client.adjusted(-extents[0], -extents[2], extents[1], extents[3]);
    return (frame.center() - screen.geometry().center()).manhattanLength();
}

// The waits of the tests below, for what the window manager does: generous,
// as the sanitizer build under a full CTest run is slow.
constexpr int kSlowWaitMs = 15000;

bool iconic(WId window) {
    return property(window, "WM_STATE").contains("Iconic");
}

// The real window manager layer, with the answers it gave.
class AnsweringWindowManager final : public WindowManager {
public:
    qint32 setTopmost(quintptr window, bool topmost) override {
        answers.push_back(real.setTopmost(window, topmost));
        return answers.back();
    }
    X11WindowManager real;
    std::vector<qint32> answers;
};

bool hasXdotool() {
    return !QStandardPaths::findExecutable("xdotool").isEmpty();
}

// Gives the window the keyboard focus and presses `keys` on the X server.
void pressKeys(Form1& form, const QString& keys) {
    runTool("xdotool", {"windowactivate", "--sync", QString::number(form.winId())});
    EXPECT_TRUE(QTest::qWaitFor([&] { return form.isActiveWindow(); }, kSlowWaitMs));
    runTool("xdotool", {"key", "--clearmodifiers", keys});
}

class X11Test : public ::testing::Test {
protected:
    void SetUp() override {
        if (!session().started()) {
            GTEST_SKIP() << "Xvfb is not installed or did not start";
        }
        ASSERT_EQ(QGuiApplication::platformName(), "xcb");
    }
};

// Runs before any window manager is started.
TEST_F(X11Test, WithoutAWindowManagerTheChangeIsRefused) {
    ASSERT_FALSE(windowManagerRunning());
    SpyStore settings;
    AnsweringWindowManager manager;
    ProgramRun run(settings, manager);
    Form1& form = run.start();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form, kSlowWaitMs));
    form.FormTop_ON_Click();
    EXPECT_EQ(manager.answers, std::vector<qint32>{0});
    EXPECT_EQ(form.StatusBar1()->panelText(2), "FormTop");
}

TEST_F(X11Test, TheInformationWindowOpensCentredWithNoWindowManager) {
    test::RecordingShell shell;
    Form2 form2(shell);
    form2.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form2, kSlowWaitMs));
    QTest::qWait(200);
    EXPECT_LE(offCentre(form2.winId(), *form2.screen()), 2)
        << serverGeometry(form2.winId()).x() << "," << serverGeometry(form2.winId()).y();
}

class X11WindowManagerTest : public X11Test {
protected:
    void SetUp() override {
        X11Test::SetUp();
        if (IsSkipped()) {
            return;
        }
        if (QStandardPaths::findExecutable("openbox").isEmpty() || !hasXdotool()) {
            GTEST_SKIP() << "openbox or xdotool is not installed";
        }
        ASSERT_TRUE(session().startWindowManager(10000));
    }

    // Shows the window and waits until the window manager has framed it.
    void show(Form1& form) {
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form, kSlowWaitMs));
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return frameExtents(form.winId()).has_value(); }, kSlowWaitMs));
        QTest::qWait(200);
    }

    // Starts a main window over `settings` and `manager` and shows it.
    Form1& startShown() {
        run = std::make_unique<ProgramRun>(settings, manager);
        Form1& form = run->start();
        show(form);
        return form;
    }

    SpyStore settings;
    AnsweringWindowManager manager;
    std::unique_ptr<ProgramRun> run;
};

TEST_F(X11WindowManagerTest, F4AndF5SwitchTheAboveStateWithoutMovingTheWindow) {
    SpyStore settings;
    AnsweringWindowManager manager;
    ProgramRun run(settings, manager);
    Form1& form = run.start();
    show(form);
    const WId window = form.winId();
    const QRect onServer = serverGeometry(window);
    const QRect frame = form.frameGeometry();
    EXPECT_FALSE(netWmState(window).contains("_NET_WM_STATE_ABOVE"));

    pressKeys(form, "F4");
    EXPECT_TRUE(QTest::qWaitFor([&] { return netWmState(window).contains("_NET_WM_STATE_ABOVE"); },
                                kSlowWaitMs))
        << netWmState(window).toStdString();
    EXPECT_EQ(form.StatusBar1()->panelText(2), "FormTop");
    EXPECT_TRUE(form.action("FormTop_ON")->isChecked());
    EXPECT_EQ(manager.answers, std::vector<qint32>{1});
    QTest::qWait(200);
    EXPECT_EQ(form.winId(), window);
    EXPECT_EQ(serverGeometry(window), onServer);
    EXPECT_EQ(form.frameGeometry(), frame);

    pressKeys(form, "F5");
    EXPECT_TRUE(QTest::qWaitFor([&] { return !netWmState(window).contains("_NET_WM_STATE_ABOVE"); },
                                kSlowWaitMs))
        << netWmState(window).toStdString();
    EXPECT_EQ(form.StatusBar1()->panelText(2), "");
    EXPECT_TRUE(form.action("FormTop_OFF")->isChecked());
    EXPECT_EQ(manager.answers, (std::vector<qint32>{1, 1}));
    QTest::qWait(200);
    EXPECT_EQ(form.winId(), window);
    EXPECT_EQ(serverGeometry(window), onServer);
    EXPECT_EQ(form.frameGeometry(), frame);
}

TEST_F(X11WindowManagerTest, TheFrameOpensAtTheRestoredPositionAndAltF4SavesIt) {
    struct Case {
        std::optional<QString> x1;
        std::optional<QString> y1;
        QPoint frame;
    };
    const Case cases[] = {{{}, {}, {0, 0}}, {"3000", "2250", {200, 150}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.frame.x());
        SpyStore settings;
        if (c.x1) {
            settings.put("X1", *c.x1);
            settings.put("Y1", *c.y1);
        }
        AnsweringWindowManager manager;
        ProgramRun run(settings, manager);
        Form1& form = run.start();
        show(form);
        const QList<int> extents = frameExtents(form.winId()).value();
        const QRect client = serverGeometry(form.winId());
        EXPECT_EQ(client.topLeft() - QPoint(extents[0], extents[2]), c.frame);
        EXPECT_EQ(form.frameGeometry().topLeft(), c.frame);

        // Alt+F4 is the window manager's close, not the F4 command.
        pressKeys(form, "alt+F4");
        EXPECT_TRUE(QTest::qWaitFor([&] { return !form.isVisible(); }, kSlowWaitMs));
        EXPECT_TRUE(manager.answers.empty());
        EXPECT_EQ(settings.value("X1"), QString::number(c.frame.x() * 15));
        EXPECT_EQ(settings.value("Y1"), QString::number(c.frame.y() * 15));
        EXPECT_TRUE(run.programEnd.exitCodes.empty());
    }
}

TEST_F(X11WindowManagerTest, TheMainWindowCarriesTheProgramIconAndFourDistinctArrows) {
    Form1& form = startShown();
    const QString icon = property(form.winId(), "_NET_WM_ICON");
    EXPECT_TRUE(icon.contains("Icon (32 x 32)")) << icon.left(200).toStdString();
    // The data control's four arrows, as the window shows them, all differ.
    QList<QImage> arrows;
    for (int which = 0; which < 4; ++which) {
        arrows << form.Data1()->button(which)->grab().toImage();
    }
    for (int a = 0; a < 4; ++a) {
        for (int b = a + 1; b < 4; ++b) {
            EXPECT_NE(arrows[a], arrows[b]) << a << " and " << b;
        }
    }
    // First and last draw their nine-pixel bar beside the triangle.
    const auto black = [](const QImage& image) {
        int count = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                count += image.pixelColor(x, y) == Qt::black;
            }
        }
        return count;
    };
    EXPECT_EQ(black(arrows[0]), black(arrows[1]) + 9);
    EXPECT_EQ(black(arrows[3]), black(arrows[2]) + 9);
}

TEST_F(X11WindowManagerTest, EachCommandSetsTheStateTheWindowManagerChangedSince) {
    Form1& form = startShown();
    const WId window = form.winId();
    // The user changes the state from the window manager's menu between the
    // commands; each command still leaves the state its menu item shows.
    const struct {
        const char* key;
        bool userBefore; // what the user made of the state before the key
        bool after;
    } steps[] = {{"F4", false, true},
                 {"F4", false, true},
                 {"F5", true, false},
                 {"F5", true, false},
                 {"F4", false, true}};
    int number = 0;
    for (const auto& step : steps) {
        SCOPED_TRACE(testing::Message() << "step " << ++number << ", " << step.key);
        // Asked again until it shows: under load a request may cross one
        // still on its way from the previous step.
        ASSERT_TRUE(QTest::qWaitFor(
            [&] {
                askWindowManager(window, step.userBefore);
                return QTest::qWaitFor([&] { return above(window) == step.userBefore; }, 1000);
            },
            kSlowWaitMs))
            << netWmState(window).toStdString();
        pressKeys(form, step.key);
        EXPECT_TRUE(QTest::qWaitFor([&] { return above(window) == step.after; }, kSlowWaitMs))
            << netWmState(window).toStdString();
        EXPECT_EQ(form.action("FormTop_ON")->isChecked(), step.after);
    }
}

TEST_F(X11WindowManagerTest, F4AndF5WorkWithAMenuOpen) {
    Form1& form = startShown();
    const WId window = form.winId();
    const struct {
        const char* open; // keys that open the menu
        const char* menu; // the menu then open
        const char* key;
        bool after;
    } cases[] = {{"alt+f", "file", "F4", true},
                 {"alt+v", "View", "F5", false},
                 {"alt+v Right", "FrontTop", "F4", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.menu);
        pressKeys(form, QString::fromLatin1(c.open).split(' ').first());
        if (QString::fromLatin1(c.open).contains(' ')) {
            QTest::qWait(200);
            runTool("xdotool", {"key", QString::fromLatin1(c.open).split(' ').last()});
        }
        ASSERT_TRUE(QTest::qWaitFor(
            [&] {
                const QWidget* popup = QApplication::activePopupWidget();
                return popup != nullptr && popup->objectName() == c.menu;
            },
            5000));
        runTool("xdotool", {"key", "--clearmodifiers", c.key});
        EXPECT_TRUE(QTest::qWaitFor([&] { return above(window) == c.after; }, kSlowWaitMs))
            << netWmState(window).toStdString();
        EXPECT_EQ(form.action("FormTop_ON")->isChecked(), c.after);
        EXPECT_TRUE(
            QTest::qWaitFor([] { return !QApplication::activePopupWidget(); }, kSlowWaitMs));
    }
}

TEST_F(X11WindowManagerTest, SigtermSavesThePositionTheFrameStandsAt) {
    settings.put("X1", "3000");
    settings.put("Y1", "2250");
    Form1& form = startShown();
    const SessionEnd sessionEnd(form);
    settings.memory.values.clear();
    ASSERT_EQ(::raise(SIGTERM), 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !form.isVisible(); }, kSlowWaitMs));
    EXPECT_EQ(settings.value("X1"), "3000");
    EXPECT_EQ(settings.value("Y1"), "2250");
}

TEST_F(X11WindowManagerTest, AStaleLockLetsAltF4EndWithinThreeSeconds) {
    const QTemporaryDir config;
    ASSERT_TRUE(QDir().mkpath(config.filePath("Tavrin/Tavrin.ini.lock")));
    QSettingsStore store(QStringLiteral("Tavrin"), config.path());
    ProgramRun run(store, manager);
    Form1& form = run.start();
    show(form);
    QElapsedTimer closing;
    pressKeys(form, "alt+F4");
    closing.start();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !run.programEnd.exitCodes.empty(); }, kSlowWaitMs));
    EXPECT_LT(closing.elapsed(), 3000);
    EXPECT_EQ(run.messages.handlerErrors.size(), 1);
    EXPECT_EQ(run.programEnd.exitCodes, std::vector<int>{1});
}

// Records whether a window was ever minimised.
class MinimiseWatch : public QObject {
public:
    explicit MinimiseWatch(QWidget& widget) : widget_(widget) { widget_.installEventFilter(this); }
    ~MinimiseWatch() override { widget_.removeEventFilter(this); }

    bool seen = false;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::WindowStateChange && widget_.isMinimized()) {
            seen = true;
        }
        return false;
    }

private:
    QWidget& widget_;
};

TEST_F(X11WindowManagerTest, TheInformationWindowOpensCentredAndCannotStayMinimised) {
    Form1& form = startShown();

    test::RecordingShell shell;
    Form2 form2(shell);
    form2.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form2, kSlowWaitMs));
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return frameExtents(form2.winId()).has_value(); }, kSlowWaitMs));
    QTest::qWait(300);
    const WId window = form2.winId();
    EXPECT_LE(offCentre(window, *form2.screen()), 2)
        << serverGeometry(window).x() << "," << serverGeometry(window).y();

    // The hints ask for no minimise (openbox offers it to every dialog all
    // the same), and the address is drawn in blue.
    EXPECT_TRUE(property(window, "_NET_WM_WINDOW_TYPE").contains("_NET_WM_WINDOW_TYPE_DIALOG"));
    const QRegularExpressionMatch motif =
        QRegularExpression(R"(= 0x([0-9a-f]+), 0x([0-9a-f]+), 0x([0-9a-f]+))")
            .match(property(window, "_MOTIF_WM_HINTS"));
    ASSERT_TRUE(motif.hasMatch()) << property(window, "_MOTIF_WM_HINTS").toStdString();
    const uint flags = motif.captured(1).toUInt(nullptr, 16);
    const uint functions = motif.captured(2).toUInt(nullptr, 16);
    const uint decorations = motif.captured(3).toUInt(nullptr, 16);
    constexpr uint kFunctionsGiven = 1, kDecorationsGiven = 2, kAll = 1;
    constexpr uint kMinimiseFunction = 8, kCloseFunction = 32, kMinimiseButton = 32;
    EXPECT_TRUE((flags & kFunctionsGiven) && !(functions & kAll) &&
                !(functions & kMinimiseFunction) && (functions & kCloseFunction))
        << functions;
    EXPECT_TRUE((flags & kDecorationsGiven) && !(decorations & kAll) &&
                !(decorations & kMinimiseButton))
        << decorations;
    const QImage grab = form2.grab().toImage();
    const QRect address = form2.Label13(Form2::kAddressIndex)->geometry();
    int blue = 0;
    for (int y = address.top(); y <= address.bottom(); ++y) {
        for (int x = address.left(); x <= address.right(); ++x) {
            blue += grab.pixelColor(x, y) == QColor(0, 0, 255);
        }
    }
    EXPECT_GT(blue, 20);

    // Minimised all the same: activating the main window brings it back.
    // The window manager may give the main window the focus as it iconifies
    // this one, and that activation can bring it back before the iconic state
    // is ever seen on the server; the window's own state change is the proof
    // that it was minimised.
    MinimiseWatch minimised(form2);
    runTool("xdotool", {"windowminimize", "--sync", QString::number(window)});
    ASSERT_TRUE(QTest::qWaitFor([&] { return minimised.seen || iconic(window); }, kSlowWaitMs));
    runTool("xdotool", {"windowactivate", QString::number(form.winId())});
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return !iconic(window) && !form2.isMinimized(); }, kSlowWaitMs))
        << property(window, "WM_STATE").toStdString();
}

} // namespace
} // namespace tavrin

int main(int argc, char* argv[]) {
    const QTemporaryDir home;
    qputenv("HOME", home.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", (home.path() + "/config").toUtf8());
    qunsetenv("WAYLAND_DISPLAY");
    qputenv("QT_QPA_PLATFORM", tavrin::session().start() ? "xcb" : "offscreen");
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return tavrin::test::XvfbSession::resultForCTest(RUN_ALL_TESTS());
}
