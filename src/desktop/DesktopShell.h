// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "Shell.h"

namespace tavrin {

// The desktop's shell over QDesktopServices: "open" hands the address to the
// desktop's handler for it (xdg-open outside KDE and GNOME). Other verbs do
// nothing.
class DesktopShell final : public Shell {
public:
    void open(const QString& verb, const QString& file) override;
};

} // namespace tavrin
