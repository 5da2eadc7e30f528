#pragma once

// Ends a benchmark program once its first frame has been painted, printing
// "shown maxrss_kb=N" for tavrin-bench.

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <cstdio>
#include <functional>
#include <sys/resource.h>

class FirstFrameReport : public QObject {
public:
    // `ready` tells whether a paint now counts as the first frame.
    explicit FirstFrameReport(std::function<bool()> ready = [] { return true; })
        : ready_(std::move(ready)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !done_ && ready_()) {
            done_ = true;
            // Quit once this paint has been delivered.
            QTimer::singleShot(0, [] {
                rusage usage{};
                getrusage(RUSAGE_SELF, &usage);
                std::printf("shown maxrss_kb=%ld\n", usage.ru_maxrss);
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<bool()> ready_;
    bool done_ = false;
};
