// The always-on-top switch and the window position on a real X server:
// main() starts Xvfb on a display it picks itself and runs the tests on Qt's
// xcb platform; the tests that need a window manager start openbox.
#include "PositionFixture.h"
#include "StatusBar.h"
#include "X11WindowManager.h"

#include <QApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace tavrin {
namespace {

using test::ProgramRun;
using test::SpyStore;

// A program started in the background and ended with the tests.
class Child {
public:
    Child() = default;
    explicit Child(const std::vector<std::string>& arguments) {
        std::vector<char*> argv;
        for (const std::string& argument : arguments) {
            argv.push_back(const_cast<char*>(argument.c_str()));
        }
        argv.push_back(nullptr);
        if (posix_spawnp(&pid_, argv[0], nullptr, nullptr, argv.data(), environ) != 0) {
            pid_ = -1;
        }
    }
    Child(Child&& other) noexcept : pid_(std::exchange(other.pid_, -1)) {}
    Child& operator=(Child&& other) noexcept {
        std::swap(pid_, other.pid_);
        return *this;
    }
    ~Child() {
        if (pid_ > 0) {
            kill(pid_, SIGTERM);
            waitpid(pid_, nullptr, 0);
        }
    }
    bool running() const { return pid_ > 0 && waitpid(pid_, nullptr, WNOHANG) == 0; }

private:
    pid_t pid_ = -1;
};

// What main() set up.
struct X11Session {
    bool xvfb = false;
    Child server;
    Child windowManager;
};

X11Session& session() {
    static X11Session instance;
    return instance;
}

// Starts Xvfb, which picks a free display number and writes it to a pipe.
std::optional<QByteArray> startXvfb() {
    if (QStandardPaths::findExecutable("Xvfb").isEmpty()) {
        return std::nullopt;
    }
    int fds[2];
    if (pipe(fds) != 0) {
        return std::nullopt;
    }
    session().server = Child({"Xvfb", "-displayfd", std::to_string(fds[1]), "-screen", "0",
                              "1024x768x24", "-nolisten", "tcp"});
    close(fds[1]);
    std::string number;
    pollfd ready{fds[0], POLLIN, 0};
    char c = 0;
    while (poll(&ready, 1, 10000) == 1 && read(fds[0], &c, 1) == 1 && c != '\n') {
        number += c;
    }
    close(fds[0]);
    if (number.empty()) {
        return std::nullopt;
    }
    return QByteArray(":") + QByteArray::fromStdString(number);
}

// Runs a tool to its end while the program goes on handling its events.
QString runTool(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForStarted(5000)) {
        return {};
    }
    if (!QTest::qWaitFor([&] { return process.state() == QProcess::NotRunning; }, 10000)) {
        process.kill();
        process.waitForFinished();
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString netWmState(WId window) {
    return runTool("xprop", {"-id", QString::number(window), "_NET_WM_STATE"});
}

// The window's client area on the X server: absolute position and size.
QRect serverGeometry(WId window) {
    const QString info = runTool("xwininfo", {"-id", QString::number(window)});
    const auto number = [&](const char* label) {
        const QRegularExpression pattern(QString(label) + R"(:\s+(-?\d+))");
        return pattern.match(info).captured(1).toInt();
    };
    return {number("Absolute upper-left X"), number("Absolute upper-left Y"), number("Width"),
            number("Height")};
}

// Left, right, top and bottom of the frame the window manager drew, once it
// has drawn one.
std::optional<QList<int>> frameExtents(WId window) {
    const QString text = runTool("xprop", {"-id", QString::number(window), "_NET_FRAME_EXTENTS"});
    const QRegularExpressionMatch match =
        QRegularExpression(R"(= (\d+), (\d+), (\d+), (\d+))").match(text);
    if (!match.hasMatch()) {
        return std::nullopt;
    }
    return QList<int>{match.captured(1).toInt(), match.captured(2).toInt(),
                      match.captured(3).toInt(), match.captured(4).toInt()};
}

bool windowManagerRunning() {
    return runTool("xprop", {"-root", "_NET_SUPPORTING_WM_CHECK"}).contains("window id");
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
    EXPECT_TRUE(QTest::qWaitFor([&] { return form.isActiveWindow(); }, 5000));
    runTool("xdotool", {"key", "--clearmodifiers", keys});
}

class X11Test : public ::testing::Test {
protected:
    void SetUp() override {
        if (!session().xvfb) {
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
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    form.FormTop_ON_Click();
    EXPECT_EQ(manager.answers, std::vector<qint32>{0});
    EXPECT_EQ(form.StatusBar1()->panelText(2), "FormTop");
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
        if (!session().windowManager.running()) {
            session().windowManager = Child({"openbox", "--sm-disable"});
            ASSERT_TRUE(QTest::qWaitFor(windowManagerRunning, 10000));
        }
    }

    // Shows the window and waits until the window manager has framed it.
    void show(Form1& form) {
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
        ASSERT_TRUE(QTest::qWaitFor([&] { return frameExtents(form.winId()).has_value(); }, 5000));
        QTest::qWait(200);
    }
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
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return netWmState(window).contains("_NET_WM_STATE_ABOVE"); }, 5000))
        << netWmState(window).toStdString();
    EXPECT_EQ(form.StatusBar1()->panelText(2), "FormTop");
    EXPECT_TRUE(form.action("FormTop_ON")->isChecked());
    EXPECT_EQ(manager.answers, std::vector<qint32>{1});
    QTest::qWait(200);
    EXPECT_EQ(form.winId(), window);
    EXPECT_EQ(serverGeometry(window), onServer);
    EXPECT_EQ(form.frameGeometry(), frame);

    pressKeys(form, "F5");
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return !netWmState(window).contains("_NET_WM_STATE_ABOVE"); }, 5000))
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
        EXPECT_TRUE(QTest::qWaitFor([&] { return !form.isVisible(); }, 5000));
        EXPECT_TRUE(manager.answers.empty());
        EXPECT_EQ(settings.value("X1"), QString::number(c.frame.x() * 15));
        EXPECT_EQ(settings.value("Y1"), QString::number(c.frame.y() * 15));
        EXPECT_TRUE(run.programEnd.exitCodes.empty());
    }
}

} // namespace
} // namespace tavrin

int main(int argc, char* argv[]) {
    const QTemporaryDir home;
    qputenv("HOME", home.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", (home.path() + "/config").toUtf8());
    qunsetenv("WAYLAND_DISPLAY");
    if (const std::optional<QByteArray> display = tavrin::startXvfb()) {
        tavrin::session().xvfb = true;
        qputenv("DISPLAY", *display);
        qputenv("QT_QPA_PLATFORM", "xcb");
    } else {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    int result = 0;
    {
        QApplication application(argc, argv);
        ::testing::InitGoogleTest(&argc, argv);
        result = RUN_ALL_TESTS();
        // CTest reports the run as skipped when a test was skipped and none failed.
        if (result == 0 && ::testing::UnitTest::GetInstance()->skipped_test_count() > 0) {
            result = 77;
        }
    }
    tavrin::session().windowManager = {};
    tavrin::session().server = {};
    return result;
}
