// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace tavrin {

// The viewer's command line. The viewer takes no arguments; it answers
// --help and --version (and -h, -v) on standard output and refuses anything
// else on standard error, all before a window system is connected. Started
// without a display to connect to, it says so in one line and ends with 1.
class CommandLine {
public:
    struct Answer {
        int exitCode = 0;
        QString standardOutput;
        QString standardError;
    };

    // What `arguments` (the program's name first) ask for: nothing when the
    // viewer is to start, otherwise the texts to print and the status to end
    // with. `settingsFile` is named in the help.
    static std::optional<Answer> answer(const QStringList& arguments, const QString& settingsFile);

    // What a start without arguments meets: nothing when Qt's platform
    // `platform` (QT_QPA_PLATFORM, a list of names; empty for the default)
    // has a display to connect to, otherwise the line to end with. Only xcb
    // and wayland need one: DISPLAY (`display`) or WAYLAND_DISPLAY
    // (`waylandDisplay`).
    static std::optional<Answer> withoutDisplay(const QString& platform, const QString& display,
                                                const QString& waylandDisplay);

    // answer() on the real command line and withoutDisplay() on the real
    // environment, printed; the status to end the program with, or nothing
    // when the viewer is to start.
    static std::optional<int> handle(int argc, char* argv[]);
};

} // namespace tavrin
