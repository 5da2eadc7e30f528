// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#include "XvfbSession.h"

#include "X11Client.h"
#include "X11Probe.h"

#include <QDeadlineTimer>
#include <QStandardPaths>
#include <QTest>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace tavrin::test {

XvfbSession::Program::Program(const std::vector<std::string>& arguments) {
    replace(arguments);
}

void XvfbSession::Program::replace(const std::vector<std::string>& arguments) {
    stop();
    std::vector<char*> argv;
    for (const std::string& argument : arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);
    if (posix_spawnp(&pid_, argv[0], nullptr, nullptr, argv.data(), environ) != 0) {
        pid_ = -1;
    }
}

void XvfbSession::Program::stop() {
    if (pid_ > 0) {
        kill(pid_, SIGTERM);
        waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }
}

bool XvfbSession::Program::running() const {
    return pid_ > 0 && waitpid(pid_, nullptr, WNOHANG) == 0;
}

XvfbSession::~XvfbSession() {
    windowManager_.stop();
    server_.stop();
}

bool XvfbSession::start(const char* screen) {
    if (QStandardPaths::findExecutable("Xvfb").isEmpty()) {
        return false;
    }
    int fds[2];
    if (pipe(fds) != 0) {
        return false;
    }
    server_.replace(
        {"Xvfb", "-displayfd", std::to_string(fds[1]), "-screen", "0", screen, "-nolisten", "tcp"});
    close(fds[1]);
    std::string number;
    pollfd ready{fds[0], POLLIN, 0};
    char c = 0;
    while (poll(&ready, 1, 10000) == 1 && read(fds[0], &c, 1) == 1 && c != '\n') {
        number += c;
    }
    close(fds[0]);
    if (number.empty()) {
        server_.stop();
        return false;
    }
    display_ = QByteArray(":") + QByteArray::fromStdString(number);
    qputenv("DISPLAY", display_);
    return true;
}

bool XvfbSession::startWindowManager(int timeoutMs) {
    if (QStandardPaths::findExecutable("openbox").isEmpty()) {
        return false;
    }
    if (!windowManager_.running()) {
        windowManager_.replace({"openbox", "--sm-disable"});
    }
    // Announced on the root is not yet ready: what counts is that a window
    // mapped now is managed (see X11Client::managesANewWindow).
    const QDeadlineTimer deadline(timeoutMs);
    return QTest::qWaitFor(windowManagerRunning, timeoutMs) &&
           X11Client().managesANewWindow(static_cast<int>(deadline.remainingTime()));
}

bool XvfbSession::windowManagerAlive() const {
    return windowManager_.running();
}

int XvfbSession::resultForCTest(int result) {
    if (result == 0 && ::testing::UnitTest::GetInstance()->skipped_test_count() > 0) {
        return 77;
    }
    return result;
}

} // namespace tavrin::test
