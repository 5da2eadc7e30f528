// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "CopiesFixture.h"
#include "X11Client.h"
#include "XvfbSession.h"

namespace tavrin::test {

// Copies of the viewer as real windows on the test program's own X server
// (Xvfb) under openbox; a test is skipped where Xvfb, xdotool or openbox is
// missing.
class CopiesUnderWindowManager : public CopiesFixture {
public:
    // The test program's X server, which its main() starts.
    static XvfbSession& session();

protected:
    // The waits for what the window manager does: generous, as the sanitizer
    // build under a full CTest run is slow.
    static constexpr int kSlowWaitMs = 30000;

    void SetUp() override;

    // The window manager's close of a copy's window (its X window `window`),
    // as the window manager's close button, or a pager or task bar, asks for
    // it: with no time stamp, as the user's own request.
    void closeThroughWindowManager(quint64 window);

    X11Client client;
};

} // namespace tavrin::test
