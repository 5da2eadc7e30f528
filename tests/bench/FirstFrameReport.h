// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#pragma once

// The first frame of a benchmark's window: its first paint once `ready`
// holds, seen on the window and every control in it.

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <functional>
#include <sys/resource.h>

class FirstFrame : public QObject {
public:
    // `onFirst` runs once the first frame's paint has been delivered.
    FirstFrame(
        QWidget& window, std::function<bool()> ready = [] { return true; },
        std::function<void()> onFirst = {})
        : ready_(std::move(ready)), onFirst_(std::move(onFirst)) {
        window.installEventFilter(this);
        for (QWidget* widget : window.findChildren<QWidget*>()) {
            widget->installEventFilter(this);
        }
    }

    bool seen() const { return seen_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_ && ready_()) {
            seen_ = true;
            if (onFirst_) {
                QTimer::singleShot(0, onFirst_);
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<bool()> ready_;
    std::function<void()> onFirst_;
    bool seen_ = false;
};

// Prints "shown maxrss_kb=N" for tavrin-bench and ends the program.
inline void reportFirstFrameAndQuit() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("shown maxrss_kb=%ld\n", usage.ru_maxrss);
    std::fflush(stdout);
    QCoreApplication::exit(0);
}
