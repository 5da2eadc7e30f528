// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include <array>
#include <cstdint>
#include <xcb/xcb.h>

namespace tavrin::test {

// A connection of its own to the X server on DISPLAY, for the requests
// another program makes of a window: a pager, a task bar, the desktop.
class X11Client {
public:
    X11Client();
    ~X11Client();
    X11Client(const X11Client&) = delete;
    X11Client& operator=(const X11Client&) = delete;

    bool connected() const;
    xcb_atom_t atom(const char* name);

    // A 32-bit client message about `window` of the type `type`: to the
    // window manager through the root window, as the extended window manager
    // hints have it, or to the window itself.
    void askWindowManager(xcb_window_t window, xcb_atom_t type,
                          const std::array<std::uint32_t, 5>& data);
    void tellWindow(xcb_window_t window, xcb_atom_t type, const std::array<std::uint32_t, 5>& data);
    // Sends what was asked so far.
    void flush();

    // Whether the window manager manages a window mapped now: maps a window
    // of its own and waits up to `timeoutMs` until the manager has set its
    // WM_STATE, asking for the map again every round, then destroys it. A
    // manager that has announced itself may still be starting: openbox
    // announces itself first, then reads its configuration, theme (where
    // fontconfig may first build its cache) and menus, and only then handles
    // events; a window that asks to be mapped meanwhile is never managed and
    // stays unmapped, never exposed.
    bool managesANewWindow(int timeoutMs);

private:
    void send(xcb_window_t destination, std::uint32_t eventMask, xcb_window_t window,
              xcb_atom_t type, const std::array<std::uint32_t, 5>& data);

    xcb_connection_t* connection_;
};

} // namespace tavrin::test
