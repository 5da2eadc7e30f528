// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#include "X11Client.h"

#include "XcbAtom.h"

namespace tavrin::test {

X11Client::X11Client() : connection_(xcb_connect(nullptr, nullptr)) {}

X11Client::~X11Client() {
    xcb_disconnect(connection_);
}

bool X11Client::connected() const {
    return xcb_connection_has_error(connection_) == 0;
}

xcb_atom_t X11Client::atom(const char* name) {
    return xcbAtom(connection_, name);
}

void X11Client::askWindowManager(xcb_window_t window, xcb_atom_t type,
                                 const std::array<std::uint32_t, 5>& data) {
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
    send(root, XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY, window,
         type, data);
}

void X11Client::tellWindow(xcb_window_t window, xcb_atom_t type,
                           const std::array<std::uint32_t, 5>& data) {
    send(window, XCB_EVENT_MASK_NO_EVENT, window, type, data);
}

void X11Client::send(xcb_window_t destination, std::uint32_t eventMask, xcb_window_t window,
                     xcb_atom_t type, const std::array<std::uint32_t, 5>& data) {
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = type;
    for (std::size_t i = 0; i < data.size(); ++i) {
        message.data.data32[i] = data[i];
    }
    xcb_send_event(connection_, 0, destination, eventMask, reinterpret_cast<const char*>(&message));
}

void X11Client::flush() {
    xcb_flush(connection_);
}

} // namespace tavrin::test
