// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

namespace tavrin {

// The desktop shell: runs a verb on a file or an address, as a file manager
// does on a double click. The result is the shell's own business.
class Shell {
public:
    virtual ~Shell() = default;
    virtual void open(const QString& verb, const QString& file) = 0;
};

} // namespace tavrin
