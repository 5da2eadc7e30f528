// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QByteArray>
#include <string>
#include <sys/types.h>
#include <vector>

namespace tavrin::test {

// An X server of the tests' own: Xvfb on a display number it picks itself
// (-displayfd), so that several such tests can run at once, and openbox on it
// once asked for. Both end with this, the window manager first.
class XvfbSession {
public:
    XvfbSession() = default;
    ~XvfbSession();
    XvfbSession(const XvfbSession&) = delete;
    XvfbSession& operator=(const XvfbSession&) = delete;

    // Starts Xvfb with one screen of `screen` (width x height x depth) and
    // sets DISPLAY to it; false when Xvfb is not installed or did not start.
    bool start(const char* screen = "1024x768x24");
    bool started() const { return !display_.isEmpty(); }
    const QByteArray& display() const { return display_; }

    // Starts openbox unless it runs, and waits up to `timeoutMs` until it
    // manages a window mapped then; false when it is missing or did not.
    bool startWindowManager(int timeoutMs);
    bool windowManagerAlive() const;

    // A test program's result as CTest takes it: 77, "skipped", when a test
    // was skipped and none failed.
    static int resultForCTest(int result);

private:
    // A program started in the background and ended with a SIGTERM.
    class Program {
    public:
        Program() = default;
        explicit Program(const std::vector<std::string>& arguments);
        Program(const Program&) = delete;
        Program& operator=(const Program&) = delete;
        ~Program() { stop(); }
        void replace(const std::vector<std::string>& arguments);
        void stop();
        bool running() const;

    private:
        pid_t pid_ = -1;
    };

    QByteArray display_;
    Program server_;
    Program windowManager_;
};

} // namespace tavrin::test
