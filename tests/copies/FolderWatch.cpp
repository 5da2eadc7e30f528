// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#include "FolderWatch.h"

#include <QFile>
#include <cstring>
#include <poll.h>
#include <unistd.h>

namespace tavrin::test {

FolderWatch::FolderWatch(const QString& folder, std::uint32_t mask)
    : fd_(inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {
    if (fd_ >= 0) {
        watch_ = inotify_add_watch(fd_, QFile::encodeName(folder).constData(), mask);
    }
}

FolderWatch::~FolderWatch() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

QList<FolderWatch::Event> FolderWatch::wait(int timeoutMs) {
    QList<Event> events;
    if (!valid()) {
        return events;
    }
    pollfd ready{fd_, POLLIN, 0};
    if (::poll(&ready, 1, timeoutMs) != 1) {
        return events;
    }
    alignas(inotify_event) char buffer[64 * 1024];
    for (;;) {
        const ssize_t length = ::read(fd_, buffer, sizeof buffer);
        if (length <= 0) {
            break;
        }
        for (ssize_t at = 0; at < length;) {
            inotify_event event;
            std::memcpy(&event, buffer + at, sizeof event);
            if (event.mask & IN_Q_OVERFLOW) {
                overflowed_ = true;
            }
            const char* name = buffer + at + sizeof event;
            events.append({event.len > 0 ? QFile::decodeName(name) : QString(), event.mask});
            at += static_cast<ssize_t>(sizeof event + event.len);
        }
    }
    return events;
}

int FolderWatch::count(const QList<Event>& events, const QString& name, std::uint32_t mask) {
    int n = 0;
    for (const Event& event : events) {
        if (event.name == name && (event.mask & mask) != 0) {
            ++n;
        }
    }
    return n;
}

} // namespace tavrin::test
