// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#pragma once

namespace tavrin {

// Who the program is to the desktop: its name, which Qt gives the window as
// its class (WM_CLASS "tavrin", "Tavrin" on X11, named by the menu entry's
// StartupWMClass), its version, and its menu entry (the desktop file name,
// the application id, which Wayland takes as the window's app id), so that
// docks and task bars tie the window to the entry.
class ApplicationIdentity {
public:
    // Sets all three on the application; call once the QGuiApplication is made.
    static void apply();
};

} // namespace tavrin
