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

private:
    void send(xcb_window_t destination, std::uint32_t eventMask, xcb_window_t window,
              xcb_atom_t type, const std::array<std::uint32_t, 5>& data);

    xcb_connection_t* connection_;
};

} // namespace tavrin::test
