// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT
#pragma once

// Small shell programs that stand in for the reading program and misbehave,
// and a look at whether a process still runs.

#include <QString>
#include <QTemporaryDir>

namespace tavrin::test {

class StandInReader {
public:
    // A program at `name` in a folder of its own whose body is `script`
    // (POSIX shell; "$@" holds PATH and TABLE). It writes its process id to
    // pidFile() before the body runs.
    explicit StandInReader(const QString& script, const QString& name = "tavrin-read");

    QString program() const { return program_; }
    QString folder() const { return dir_.path(); }
    QString pidFile() const { return dir_.filePath("reader.pid"); }

    // The id it wrote, once it has started (waits up to 10 s); 0 if never.
    long waitForPid() const;

private:
    QTemporaryDir dir_;
    QString program_;
};

// Whether process `pid` has ended (gone, or a zombie) within `milliseconds`.
bool hasEnded(long pid, int milliseconds);

} // namespace tavrin::test
