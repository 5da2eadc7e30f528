// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#include "CopiesUnderWindowManager.h"

#include <QStandardPaths>
#include <gtest/gtest.h>

namespace tavrin::test {

XvfbSession& CopiesUnderWindowManager::session() {
    static XvfbSession instance;
    return instance;
}

void CopiesUnderWindowManager::SetUp() {
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

void CopiesUnderWindowManager::closeThroughWindowManager(quint64 window) {
    client.askWindowManager(static_cast<xcb_window_t>(window), client.atom("_NET_CLOSE_WINDOW"),
                            {0, 2, 0, 0, 0});
    client.flush();
}

} // namespace tavrin::test
