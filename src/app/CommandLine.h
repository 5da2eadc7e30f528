// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace tavrin {

// The viewer's command line. The viewer takes no arguments; it answers
// --help and --version (and -h, -v) on standard output and refuses anything
// else on standard error, all before a window system is connected.
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

    // answer() on the real command line, printed; the status to end the
    // program with, or nothing when the viewer is to start.
    static std::optional<int> handle(int argc, char* argv[]);
};

} // namespace tavrin
