// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

// The homepage link through the real desktop shell: on an X server of its own,
// Qt's desktop services run the first xdg-open on PATH, here a stand-in that
// notes its argument in a file. Nothing is opened for real.
#include "DesktopShell.h"
#include "Form2.h"
#include "InfoTexts.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLibraryInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace tavrin {
namespace {

// An Xvfb server started on the first free display number from 90 on, and
// stopped when this goes.
class XvfbServer {
public:
    explicit XvfbServer(const QString& program) {
        for (int display = 90; display < 200 && pid_ <= 0; ++display) {
            if (QFileInfo::exists(QStringLiteral("/tmp/.X%1-lock").arg(display)) ||
                QFileInfo::exists(socketPath(display))) {
                continue;
            }
            tryStart(program, display);
        }
    }
    ~XvfbServer() {
        if (pid_ > 0) {
            ::kill(pid_, SIGTERM);
            ::waitpid(pid_, nullptr, 0);
        }
    }
    XvfbServer(const XvfbServer&) = delete;
    XvfbServer& operator=(const XvfbServer&) = delete;

    bool running() const { return pid_ > 0; }
    QByteArray display() const { return ":" + QByteArray::number(display_); }

private:
    static QString socketPath(int display) {
        return QStringLiteral("/tmp/.X11-unix/X%1").arg(display);
    }
    static bool accepts(int display) {
        const std::string path = socketPath(display).toStdString();
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        path.copy(address.sun_path, sizeof address.sun_path - 1);
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        const bool ok =
            fd >= 0 && ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
        if (fd >= 0) {
            ::close(fd);
        }
        return ok;
    }
    void tryStart(const QString& program, int display) {
        const std::string file = program.toStdString();
        const std::string name = ":" + std::to_string(display);
        std::string args[] = {file, name, "-nolisten", "tcp", "-screen", "0", "800x600x24"};
        char* argv[] = {args[0].data(), args[1].data(), args[2].data(), args[3].data(),
                        args[4].data(), args[5].data(), args[6].data(), nullptr};
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
        pid_t pid = 0;
        const int failed = posix_spawn(&pid, file.c_str(), &actions, nullptr, argv, environ);
        posix_spawn_file_actions_destroy(&actions);
        if (failed != 0) {
            return;
        }
        for (int wait = 0; wait < 500; ++wait) { // up to 10 s
            if (::waitpid(pid, nullptr, WNOHANG) == pid) {
                return; // it gave up, most likely the display was taken meanwhile
            }
            if (accepts(display)) {
                pid_ = pid;
                display_ = display;
                return;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        ::kill(pid, SIGTERM);
        ::waitpid(pid, nullptr, 0);
    }

    pid_t pid_ = 0;
    int display_ = 0;
};

TEST(XvfbLinkTest, AClickOnThe30kLineRunsXdgOpenOnceWithTheHomepage) {
    const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
    if (xvfb.isEmpty()) {
        GTEST_SKIP() << "Xvfb is not installed";
    }
    const QString xcbPlugin =
        QLibraryInfo::path(QLibraryInfo::PluginsPath) + QStringLiteral("/platforms/libqxcb.so");
    if (!QFile::exists(xcbPlugin)) {
        GTEST_SKIP() << "Qt's xcb platform plugin is not installed";
    }
    XvfbServer server(xvfb);
    ASSERT_TRUE(server.running()) << "Xvfb did not start on any free display";

    // The stand-in xdg-open, first on PATH.
    QTemporaryDir bin;
    ASSERT_TRUE(bin.isValid());
    const QString record = bin.filePath(QStringLiteral("opened.txt"));
    QFile script(bin.filePath(QStringLiteral("xdg-open")));
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\nprintf '%s\\n' \"$*\" >> '" + QFile::encodeName(record) + "'\n");
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    // An X session that is neither KDE nor GNOME, so Qt runs xdg-open.
    qputenv("QT_QPA_PLATFORM", "xcb");
    qputenv("DISPLAY", server.display());
    qputenv("PATH", QFile::encodeName(bin.path()) + ":" + qgetenv("PATH"));
    for (const char* name :
         {"WAYLAND_DISPLAY", "DESKTOP_SESSION", "XDG_CURRENT_DESKTOP", "XDG_SESSION_DESKTOP",
          "KDE_FULL_SESSION", "GNOME_DESKTOP_SESSION_ID", "BROWSER", "DEFAULT_BROWSER", "SNAP"}) {
        qunsetenv(name);
    }

    int argc = 1;
    char name[] = "info_xvfb_test";
    char* argv[] = {name, nullptr};
    QApplication application(argc, argv);
    ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb"));

    DesktopShell shell;
    Form2 form(shell);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    QTest::mouseClick(form.windowHandle(), Qt::LeftButton, {},
                      form.Label13(6)->geometry().center());

    QFile opened(record);
    for (int wait = 0; wait < 200 && !opened.exists(); ++wait) { // up to 10 s
        QTest::qWait(50);
    }
    ASSERT_TRUE(opened.exists()) << "xdg-open was not run";
    QTest::qWait(300); // room for a second, wrong run
    ASSERT_TRUE(opened.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(opened.readAll()), QString::fromUtf8(infotexts::kHomepage) + "\n");
    EXPECT_TRUE(form.isVisible());
}

} // namespace
} // namespace tavrin
