// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

// Eight copies of the viewer ending together as a desktop ends them: real
// windows on an X server of the test's own (Xvfb) under openbox, each closed
// from its frame or all ended by the session's SIGTERM.
#include "CopiesFixture.h"
#include "WindowManagerPlacing.h"
#include "X11Client.h"
#include "X11Probe.h"
#include "XvfbSession.h"

#include <QCoreApplication>
#include <QStandardPaths>
#include <QTest>
#include <csignal>
#include <gtest/gtest.h>
#include <ostream>

namespace tavrin {
namespace {

using test::CopiesFixture;
using test::CopyProcess;

// The waits for what the window manager does: generous, as the sanitizer
// build under a full CTest run is slow.
constexpr int kSlowWaitMs = 30000;

// What main() set up.
test::XvfbSession& session() {
    static test::XvfbSession instance;
    return instance;
}

// How the copies are ended, all in one go.
enum class Ending {
    WindowManagersClose, // the window manager's close (_NET_CLOSE_WINDOW), as its close button
    DeleteWindowMessage, // WM_DELETE_WINDOW sent to each window, as the window manager sends it
    SessionsSigterm,     // SIGTERM to each copy, as the session ends
};

const char* nameOf(Ending ending) {
    switch (ending) {
    case Ending::WindowManagersClose:
        return "WindowManagersClose";
    case Ending::DeleteWindowMessage:
        return "DeleteWindowMessage";
    case Ending::SessionsSigterm:
        break;
    }
    return "SessionsSigterm";
}

void PrintTo(Ending ending, std::ostream* os) {
    *os << nameOf(ending);
}

class CopiesX11Test : public CopiesFixture, public ::testing::WithParamInterface<Ending> {
protected:
    void SetUp() override {
        if (!session().started()) {
            GTEST_SKIP() << "Xvfb is not installed or did not start";
        }
        if (QStandardPaths::findExecutable("xdotool").isEmpty()) {
            GTEST_SKIP() << "xdotool is not installed";
        }
        if (!session().startWindowManager(kSlowWaitMs)) {
            GTEST_SKIP() << "openbox is not installed or did not start";
        }
        ASSERT_TRUE(client.connected());
        CopiesFixture::SetUp();
        display = session().display();
    }

    void end(CopyProcess& copy, const Shown& shown) {
        const auto window = static_cast<xcb_window_t>(shown.window);
        switch (GetParam()) {
        case Ending::WindowManagersClose:
            // No time stamp; from a pager or task bar, as the user's own request.
            client.askWindowManager(window, client.atom("_NET_CLOSE_WINDOW"), {0, 2, 0, 0, 0});
            client.flush();
            break;
        case Ending::DeleteWindowMessage:
            client.tellWindow(window, client.atom("WM_PROTOCOLS"),
                              {client.atom("WM_DELETE_WINDOW"), XCB_CURRENT_TIME, 0, 0, 0});
            client.flush();
            break;
        case Ending::SessionsSigterm:
            copy.signal(SIGTERM);
            break;
        }
    }

    test::X11Client client;
};

TEST_P(CopiesX11Test, EightCopiesEndTogetherWithOneCompleteSetOnFile) {
    closeInRounds(
        3, 8,
        [this](CopyProcess& copy, const Shown& shown, QPoint frame) {
            return test::placeThroughWindowManager(copy, shown.window, frame, kSlowWaitMs);
        },
        [this](CopyProcess& copy, const Shown& shown) { end(copy, shown); });
}

INSTANTIATE_TEST_SUITE_P(Endings, CopiesX11Test,
                         ::testing::Values(Ending::WindowManagersClose, Ending::DeleteWindowMessage,
                                           Ending::SessionsSigterm),
                         [](const auto& info) { return nameOf(info.param); });

} // namespace
} // namespace tavrin

int main(int argc, char* argv[]) {
    qunsetenv("WAYLAND_DISPLAY");
    tavrin::session().start();
    QCoreApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return tavrin::test::XvfbSession::resultForCTest(RUN_ALL_TESTS());
}
