// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#include "X11Client.h"

#include "XcbAtom.h"

#include <QDeadlineTimer>
#include <QTest>

#include <cstdlib>

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

bool X11Client::managesANewWindow(int timeoutMs) {
    if (!connected()) {
        return false;
    }
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data;
    const xcb_window_t probe = xcb_generate_id(connection_);
    xcb_create_window(connection_, XCB_COPY_FROM_PARENT, probe, screen->root, 0, 0, 16, 16, 0,
                      XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual, 0, nullptr);
    const QDeadlineTimer deadline(timeoutMs);
    bool managed = false;
    while (!managed && !deadline.hasExpired()) {
        // Mapping a window that is already mapped does nothing.
        xcb_map_window(connection_, probe);
        xcb_flush(connection_);
        QTest::qWait(50);
        const xcb_atom_t wmState = atom("WM_STATE");
        if (wmState == XCB_ATOM_NONE) {
            continue;
        }
        xcb_get_property_reply_t* reply = xcb_get_property_reply(
            connection_, xcb_get_property(connection_, 0, probe, wmState, XCB_ATOM_ANY, 0, 2),
            nullptr);
        managed = reply != nullptr && reply->type != XCB_ATOM_NONE;
        std::free(reply);
    }
    xcb_destroy_window(connection_, probe);
    xcb_flush(connection_);
    return managed;
}

} // namespace tavrin::test
