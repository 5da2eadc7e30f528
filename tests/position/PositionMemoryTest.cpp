// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#include "PositionFixture.h"
#include "SessionEnd.h"
#include "X11WindowManager.h"

#include <QAction>
#include <QDialog>
#include <QLocale>
#include <QPushButton>
#include <csignal>
#include <gtest/gtest.h>
#include <optional>

namespace tavrin {
namespace {

using test::ProgramRun;
using test::RecordingWindowManager;
using test::SpyStore;
using test::WarningLog;

// Twips to pixels on the window's screen (15 twips a pixel at 96 DPI).
QPoint pixels(const Form1& form, double left, double top) {
    return {qRound(left * form.logicalDpiX() / 1440.0), qRound(top * form.logicalDpiY() / 1440.0)};
}

class PositionMemoryTest : public ::testing::Test {
protected:
    void store(std::optional<QString> x1, std::optional<QString> y1) {
        if (x1) {
            settings.put("X1", *x1);
        }
        if (y1) {
            settings.put("Y1", *y1);
        }
    }
    // Closes the window from its frame.
    static void closeFromFrame(Form1& form) {
        form.close();
        QCoreApplication::processEvents();
    }

    SpyStore settings;
    RecordingWindowManager windowManager;
};

TEST_F(PositionMemoryTest, RestoresLeftThenTopWithTheDesignPositionAsDefault) {
    struct Case {
        const char* name;
        std::optional<QString> x1;
        std::optional<QString> y1;
        double left;
        double top;
        const char* warning; // a text the warning holds, or none
    };
    const Case cases[] = {
        {"empty store", {}, {}, 0, 0, nullptr},
        {"600 and 450", "600", "450", 600, 450, nullptr},
        {"only X1", "600", {}, 600, 0, nullptr},
        {"letters in X1", "abc", "450", 0, 450, "X1"},
        {"empty Y1", "600", "", 600, 0, "Y1"},
        {"not a finite number", "nan", "1e39", 0, 0, "Y1"},
        {"negative, partly off the screen", "-150", "-90", -150, -90, nullptr},
        {"surrounding blanks", " 600 ", "450 ", 600, 450, nullptr},
        {"on no screen", "150000", "150000", 0, 0, "caption bar"},
        {"wholly left of the screen", "-15000", {}, 0, 0, "caption bar"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SpyStore fresh;
        settings = fresh;
        store(c.x1, c.y1);
        WarningLog warnings;
        ProgramRun run(settings, windowManager);
        Form1& form = run.start();

        EXPECT_EQ(form.frameGeometry().topLeft(), pixels(form, c.left, c.top));
        EXPECT_DOUBLE_EQ(form.leftTwips(), c.left);
        EXPECT_DOUBLE_EQ(form.topTwips(), c.top);
        EXPECT_EQ(settings.reads, QStringList({"X1", "Y1"}));
        EXPECT_TRUE(settings.writes.isEmpty());
        EXPECT_TRUE(run.messages.handlerErrors.isEmpty());
        EXPECT_TRUE(run.programEnd.exitCodes.empty());
        if (c.warning) {
            EXPECT_TRUE(warnings.mentions(c.warning)) << warnings.lines().join('\n').toStdString();
        } else {
            EXPECT_TRUE(warnings.lines().isEmpty()) << warnings.lines().join('\n').toStdString();
        }
    }
}

TEST_F(PositionMemoryTest, AFrameCloseSavesThePositionAndTheNextStartOpensThere) {
    struct Case {
        QPoint frame; // pixels
        const char* x1;
        const char* y1;
    };
    const Case cases[] = {{{40, 30}, "600", "450"}, {{-10, -6}, "-150", "-90"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.x1);
        {
            ProgramRun run(settings, windowManager);
            Form1& form = run.start();
            form.move(c.frame);
            closeFromFrame(form);
            EXPECT_FALSE(form.isVisible());
        }
        EXPECT_EQ(settings.value("X1"), c.x1);
        EXPECT_EQ(settings.value("Y1"), c.y1);
        // Both keys in one write, so that copies closing at once cannot mix them.
        EXPECT_EQ(settings.batches.back(),
                  QStringList({QString("X1=") + c.x1, QString("Y1=") + c.y1}));

        ProgramRun next(settings, windowManager);
        EXPECT_EQ(next.start().frameGeometry().topLeft(), c.frame);
    }
}

TEST_F(PositionMemoryTest, NothingIsWrittenBeforeTheFirstFrameClose) {
    ProgramRun run(settings, windowManager);
    Form1& form = run.start();
    form.move(40, 30);
    form.action("FormTop_ON")->trigger();
    EXPECT_TRUE(settings.writes.isEmpty());
    EXPECT_FALSE(settings.has("X1"));
}

TEST_F(PositionMemoryTest, QuitCommand2AndEscLeaveTheStoreAsItWas) {
    const std::pair<const char*, std::function<void(Form1&)>> ways[] = {
        {"Quit", [](Form1& form) { form.action("Quit")->trigger(); }},
        {"Command2", [](Form1& form) { form.Command2()->click(); }},
        {"Esc",
         [](Form1& form) {
             form.activateWindow();
             ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
             QTest::keyClick(&form, Qt::Key_Escape);
         }},
    };
    for (const auto& [name, end] : ways) {
        SCOPED_TRACE(name);
        SpyStore fresh;
        settings = fresh;
        store("600", "450");
        ProgramRun run(settings, windowManager);
        Form1& form = run.start();
        form.move(100, 100);
        end(form);
        EXPECT_EQ(run.programEnd.exitCodes, std::vector<int>{0});
        EXPECT_TRUE(settings.writes.isEmpty());
        EXPECT_EQ(settings.value("X1"), "600");
        EXPECT_EQ(settings.value("Y1"), "450");
    }
}

TEST_F(PositionMemoryTest, ABadStoredTextIsReplacedByTheNextSave) {
    store("abc", "");
    ProgramRun run(settings, windowManager);
    Form1& form = run.start();
    form.move(40, 30);
    closeFromFrame(form);
    EXPECT_EQ(settings.value("X1"), "600");
    EXPECT_EQ(settings.value("Y1"), "450");
}

TEST_F(PositionMemoryTest, ARefusedSaveShowsTheErrorBoxNamingTheKeysAndEnds) {
    // The store refuses the write that holds either key; it then keeps both
    // earlier keys, never one new and one old.
    const QSet<QString> cases[] = {{"X1", "Y1"}, {"Y1"}, {"X1"}};
    for (const QSet<QString>& refused : cases) {
        SCOPED_TRACE(refused.values().join(' ').toStdString());
        SpyStore fresh;
        settings = fresh;
        store("15", "30");
        settings.refused = refused;
        ProgramRun run(settings, windowManager);
        Form1& form = run.start();
        form.move(40, 30);
        closeFromFrame(form);
        EXPECT_EQ(settings.writes, QStringList({"X1=600", "Y1=450"}));
        ASSERT_EQ(run.messages.handlerErrors.size(), 1);
        const QString box = run.messages.handlerErrors[0];
        EXPECT_TRUE(box.contains("Form1_StrtUp/X1") && box.contains("Form1_StrtUp/Y1"))
            << box.toStdString();
        EXPECT_EQ(run.programEnd.exitCodes, std::vector<int>{1});
        EXPECT_EQ(settings.value("X1"), "15");
        EXPECT_EQ(settings.value("Y1"), "30");
    }
}

TEST_F(PositionMemoryTest, TheSessionsEndClosesAModalWindowThenTheFrame) {
    for (const int number : {SIGTERM, SIGHUP}) {
        SCOPED_TRACE(number);
        SpyStore fresh;
        settings = fresh;
        ProgramRun run(settings, windowManager);
        Form1& form = run.start();
        form.move(40, 30);
        QDialog information;
        information.setWindowModality(Qt::ApplicationModal);
        information.show();
        ASSERT_EQ(QApplication::activeModalWidget(), &information);
        SessionEnd sessionEnd(form);
        ASSERT_TRUE(sessionEnd.watching());
        ASSERT_EQ(::raise(number), 0);
        EXPECT_TRUE(QTest::qWaitFor([&] { return !form.isVisible(); }, 5000));
        EXPECT_FALSE(information.isVisible());
        EXPECT_EQ(settings.writes, QStringList({"X1=600", "Y1=450"}));
        EXPECT_TRUE(run.programEnd.exitCodes.empty());
    }
}

TEST_F(PositionMemoryTest, AWindowClosedWhileMinimisedSavesItsNormalPosition) {
    ProgramRun run(settings, windowManager);
    Form1& form = run.start();
    form.move(40, 30);
    QCoreApplication::processEvents();
    form.showMinimized();
    QCoreApplication::processEvents();
    ASSERT_TRUE(form.isMinimized());
    // Where some window systems park an iconified window.
    form.move(-32000, -32000);
    QCoreApplication::processEvents();
    closeFromFrame(form);
    EXPECT_EQ(settings.value("X1"), "600");
    EXPECT_EQ(settings.value("Y1"), "450");
}

TEST(PositionTextTest, WritesAndReadsAsciiDigitsWhateverTheLocale) {
    const QLocale saved;
    const QLocale locales[] = {QLocale(QLocale::English, QLocale::UnitedStates),
                               QLocale(QLocale::German, QLocale::Germany),
                               QLocale(QLocale::Arabic, QLocale::Egypt),
                               QLocale(QLocale::Persian, QLocale::Iran),
                               QLocale(QLocale::Marathi, QLocale::India),
                               QLocale(QLocale::Japanese, QLocale::Japan)};
    const struct {
        float value;
        const char* text;
    } values[] = {{5250, "5250"}, {-150, "-150"},        {1234567, "1234567"},
                  {0.5f, "0.5"},  {-1234.5f, "-1234.5"}, {7065, "7065"}};
    for (const QLocale& locale : locales) {
        SCOPED_TRACE(locale.name().toStdString());
        QLocale::setDefault(locale);
        for (const auto& v : values) {
            SCOPED_TRACE(v.text);
            EXPECT_EQ(WindowPositionMemory::toText(v.value), v.text);
            EXPECT_EQ(WindowPositionMemory::fromText(v.text), v.value);
        }
        // What an earlier version wrote in this locale: its whole numbers
        // read, in its own digits and with its minus sign; a fraction in its
        // decimal separator is not taken for another number.
        QLocale writer = locale;
        writer.setNumberOptions(QLocale::OmitGroupSeparator);
        for (const float whole : {5250.0f, -5250.0f, 0.0f, -90.0f}) {
            const QString text = writer.toString(whole, 'g', 7);
            SCOPED_TRACE(text.toStdString());
            EXPECT_EQ(WindowPositionMemory::fromText(text), whole);
        }
        const QString fraction = writer.toString(-1234.5f, 'g', 7);
        if (fraction != "-1234.5") {
            EXPECT_EQ(WindowPositionMemory::fromText(fraction), std::nullopt)
                << fraction.toStdString();
        }
    }
    QLocale::setDefault(saved);

    for (const char* bad :
         {"", " ", "abc", "12abc", "inf", "nan", "1e39", "1,5", "1,234", "5\u0662",
          "\u0665\u0662\u0665\u0660\u0665\u0662\u0665\u0660\u0665\u0660", "--5", "\u0665-"}) {
        SCOPED_TRACE(bad);
        EXPECT_EQ(WindowPositionMemory::fromText(QString::fromUtf8(bad)), std::nullopt);
    }
}

TEST(ReachableTest, TakesACaptionBarWithEnoughOnOneScreenToGrab) {
    const QList<QRect> screens = {{0, 0, 800, 600}, {800, 0, 1024, 768}};
    const struct {
        QRectF captionBar;
        QList<QRect> screens;
        bool reachable;
    } cases[] = {
        {{100, 100, 473, 20}, screens, true},
        {{1700, 700, 473, 20}, screens, true},           // on the second screen
        {{-433, 0, 473, 20}, screens, true},             // 40 pixels at the left edge
        {{-434, 0, 473, 20}, screens, false},            // 39 pixels
        {{1784, 0, 473, 20}, screens, true},             // 40 pixels at the right edge
        {{1823, 0, 473, 20}, screens, false},            // 1 pixel
        {{600, 580, 473, 20}, screens, true},            // all of its height
        {{100, 590, 473, 20}, screens.mid(0, 1), true},  // half of its height
        {{100, 591, 473, 20}, screens.mid(0, 1), false}, // a pixel less
        {{100, -10, 473, 20}, screens, true},            // dragged partly off the top
        {{100, -11, 473, 20}, screens, false},
        {{-473, 0, 473, 20}, screens, false},
        {{0, -20, 473, 20}, screens, false},
        {{100, 650, 473, 20}, screens.mid(0, 1), false},
        {{1e12, 0, 473, 20}, screens, false},
        {{10, 10, 30, 20}, screens, true}, // narrower than the width it takes
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.captionBar.x() << ", " << c.captionBar.y());
        EXPECT_EQ(WindowPositionMemory::reachable(c.captionBar, c.screens), c.reachable);
    }
}

// Sets or clears environment variables for the length of a test.
class Environment {
public:
    explicit Environment(const QList<QByteArray>& names) {
        for (const QByteArray& name : names) {
            saved_.append({name, qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name))
                                                                 : std::nullopt});
        }
    }
    ~Environment() {
        for (const auto& [name, value] : saved_) {
            value ? qputenv(name, *value) : qunsetenv(name);
        }
    }
    static void set(const char* name, const char* value) {
        value ? qputenv(name, value) : qunsetenv(name);
    }

private:
    QList<std::pair<QByteArray, std::optional<QByteArray>>> saved_;
};

TEST(PreferXcbOnWaylandTest, ChoosesXcbOnlyOnWaylandWithXWaylandAndNoPlatformChosen) {
    struct Case {
        const char* wayland;
        const char* display;
        const char* platform;
        std::vector<const char*> arguments;
        bool chosen;
        const char* platformAfter;
    };
    const Case cases[] = {
        {"wayland-0", ":0", nullptr, {}, true, "xcb"},
        {"wayland-0", nullptr, nullptr, {}, false, nullptr},
        {nullptr, ":0", nullptr, {}, false, nullptr},
        {"wayland-0", ":0", "wayland", {}, false, "wayland"},
        {"wayland-0", ":0", nullptr, {"-platform", "wayland"}, false, nullptr},
        {"wayland-0", ":0", nullptr, {"--platform", "wayland"}, false, nullptr},
    };
    for (const Case& c : cases) {
        const Environment environment({"WAYLAND_DISPLAY", "DISPLAY", "QT_QPA_PLATFORM"});
        Environment::set("WAYLAND_DISPLAY", c.wayland);
        Environment::set("DISPLAY", c.display);
        Environment::set("QT_QPA_PLATFORM", c.platform);
        std::vector<const char*> argv = {"tavrin"};
        argv.insert(argv.end(), c.arguments.begin(), c.arguments.end());
        EXPECT_EQ(preferXcbOnWayland(static_cast<int>(argv.size()), argv.data()), c.chosen);
        if (c.platformAfter) {
            EXPECT_EQ(qgetenv("QT_QPA_PLATFORM"), c.platformAfter);
        } else {
            EXPECT_FALSE(qEnvironmentVariableIsSet("QT_QPA_PLATFORM"));
        }
    }
}

TEST(X11WindowManagerTest, ChangesNothingOffX11) {
    SpyStore settings;
    X11WindowManager manager;
    ProgramRun run(settings, manager);
    Form1& form = run.start();
    const QRect before = form.frameGeometry();
    EXPECT_EQ(manager.setTopmost(form.hWnd(), true), 0);
    EXPECT_EQ(form.frameGeometry(), before);
}

} // namespace
} // namespace tavrin
