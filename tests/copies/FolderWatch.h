// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QList>
#include <QString>
#include <cstdint>
#include <sys/inotify.h>

namespace tavrin::test {

// What happens to the entries of one folder while this lives, as inotify
// reports it. The folder must exist.
class FolderWatch {
public:
    struct Event {
        QString name; // the entry; empty for the folder itself
        std::uint32_t mask;
    };

    // Changes: of content and attributes, entries created, deleted, renamed.
    static constexpr std::uint32_t kChanges = IN_MODIFY | IN_ATTRIB | IN_CLOSE_WRITE | IN_CREATE |
                                              IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO |
                                              IN_DELETE_SELF | IN_MOVE_SELF;
    // Changes and every open and close; reads are never followed.
    static constexpr std::uint32_t kOpensAndChanges = kChanges | IN_OPEN | IN_CLOSE_NOWRITE;

    explicit FolderWatch(const QString& folder, std::uint32_t mask = kOpensAndChanges);
    ~FolderWatch();
    FolderWatch(const FolderWatch&) = delete;
    FolderWatch& operator=(const FolderWatch&) = delete;

    bool valid() const { return fd_ >= 0 && watch_ >= 0; }
    // Waits up to `timeoutMs` for at least one event, then returns all that
    // came; none when the time ran out.
    QList<Event> wait(int timeoutMs);
    // The events that came since the last call, without waiting.
    QList<Event> take() { return wait(0); }
    // Whether the kernel dropped events because too many came at once.
    bool overflowed() const { return overflowed_; }

    // How many of `events` concern `name` and carry any bit of `mask`.
    static int count(const QList<Event>& events, const QString& name, std::uint32_t mask);

private:
    int fd_ = -1;
    int watch_ = -1;
    bool overflowed_ = false;
};

} // namespace tavrin::test
