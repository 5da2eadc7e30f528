// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "WindowManager.h"

namespace tavrin {

// The topmost band on X11: the window's _NET_WM_STATE_ABOVE state, asked of
// the window manager through Qt's xcb platform (Qt::WindowStaysOnTopHint on
// the window's QWindow, which sends the _NET_WM_STATE client message for a
// mapped window and sets the property on one not yet mapped). The window is
// neither recreated nor moved nor resized.
class X11WindowManager final : public WindowManager {
public:
    // Nonzero when the request went to a window manager that supports the
    // above state; 0 for a window this program does not own, on a platform
    // other than xcb, or with no such window manager running.
    qint32 setTopmost(quintptr window, bool topmost) override;
};

// On a Wayland session, where a program can neither place its own window nor
// keep it above others, runs the program through XWayland (Qt's xcb platform):
// sets QT_QPA_PLATFORM=xcb when WAYLAND_DISPLAY and DISPLAY are set and the
// user chose no platform (neither QT_QPA_PLATFORM nor a -platform argument).
// Call before the QApplication is constructed. True when it chose xcb.
bool preferXcbOnWayland(int argc, const char* const* argv);

} // namespace tavrin
