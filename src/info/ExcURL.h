// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

namespace tavrin {

class Shell;

// The homepage link's way to the desktop shell.
class ExcURL {
public:
    // Hands `address` to the shell's "open" when it is an http or https
    // address with a host; anything else (a file, a program, another scheme)
    // is dropped, so the link can never start a program or open a local file.
    // The shell's result is not examined.
    static void ShellExecute(Shell& shell, const QString& address);

    static bool isWebAddress(const QString& address);
};

} // namespace tavrin
