// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT
#include "SessionEnd.h"

#include <QApplication>
#include <QSessionManager>
#include <QSocketNotifier>
#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>
#include <utility>

namespace tavrin {
namespace {

constexpr std::array<int, 3> kSignals{SIGTERM, SIGHUP, SIGINT};

// The pipe's ends: the handler writes, the event loop reads.
int pipeEnds[2] = {-1, -1};
struct sigaction earlier[kSignals.size()];
// The signals taken since the watch began.
volatile sig_atomic_t signalsTaken = 0;

extern "C" void onSignal(int number) {
    if (signalsTaken > 0) {
        // The second: the signal's own action, which ends the program, once
        // this handler returns.
        struct sigaction fallBack {};
        fallBack.sa_handler = SIG_DFL;
        sigemptyset(&fallBack.sa_mask);
        sigaction(number, &fallBack, nullptr);
        raise(number);
        return;
    }
    signalsTaken = 1;
    const int saved = errno;
    const auto byte = static_cast<unsigned char>(number);
    [[maybe_unused]] const ssize_t written = ::write(pipeEnds[1], &byte, 1);
    errno = saved;
}

bool openPipe() {
    if (::pipe2(pipeEnds, O_CLOEXEC | O_NONBLOCK) != 0) {
        pipeEnds[0] = pipeEnds[1] = -1;
        return false;
    }
    return true;
}

void closePipe() {
    for (int& end : pipeEnds) {
        if (end >= 0) {
            ::close(end);
            end = -1;
        }
    }
}

} // namespace

SessionEnd::SessionEnd(QWidget& mainWindow, std::function<void()> unattended, QObject* parent)
    : QObject(parent), mainWindow_(&mainWindow), unattended_(std::move(unattended)) {
    if (qApp != nullptr) {
        connect(qApp, &QGuiApplication::commitDataRequest, this,
                [this](QSessionManager&) { end(); });
    }
    if (!openPipe()) {
        return;
    }
    notifier_ = std::make_unique<QSocketNotifier>(pipeEnds[0], QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, &SessionEnd::readSignals);
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    signalsTaken = 0;
    for (std::size_t i = 0; i < kSignals.size(); ++i) {
        sigaction(kSignals[i], &action, &earlier[i]);
    }
}

SessionEnd::~SessionEnd() {
    if (notifier_) {
        for (std::size_t i = 0; i < kSignals.size(); ++i) {
            sigaction(kSignals[i], &earlier[i], nullptr);
        }
        notifier_.reset();
        closePipe();
    }
}

void SessionEnd::readSignals() {
    unsigned char bytes[16];
    bool any = false;
    while (::read(pipeEnds[0], bytes, sizeof bytes) > 0) {
        any = true;
    }
    if (any) {
        end();
    }
}

void SessionEnd::end() {
    if (ended_ || mainWindow_ == nullptr) {
        return;
    }
    ended_ = true;
    if (unattended_) {
        unattended_();
    }
    // A modal window (the information window) first, as the main window
    // takes no input while it is open.
    while (QWidget* modal = QApplication::activeModalWidget()) {
        if (modal == mainWindow_ || !modal->close() || QApplication::activeModalWidget() == modal) {
            break;
        }
    }
    mainWindow_->close();
}

} // namespace tavrin
