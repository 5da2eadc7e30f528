// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

// Eight copies of the viewer ending together as a desktop ends them: real
// windows on an X server of the test's own (Xvfb) under openbox, each closed
// from its frame or all ended by the session's SIGTERM.
#include "CopiesUnderWindowManager.h"
#include "WindowManagerPlacing.h"
#include "X11Probe.h"

#include <QCoreApplication>
#include <QTest>
#include <csignal>
#include <gtest/gtest.h>
#include <ostream>

namespace tavrin {
namespace {

using test::CopiesUnderWindowManager;
using test::CopyProcess;

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

class CopiesX11Test : public CopiesUnderWindowManager,
                      public ::testing::WithParamInterface<Ending> {
protected:
    void end(CopyProcess& copy, const Shown& shown) {
        const auto window = static_cast<xcb_window_t>(shown.window);
        switch (GetParam()) {
        case Ending::WindowManagersClose:
            closeThroughWindowManager(shown.window);
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
    tavrin::test::CopiesUnderWindowManager::session().start();
    QCoreApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return tavrin::test::XvfbSession::resultForCTest(RUN_ALL_TESTS());
}
