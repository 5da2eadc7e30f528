// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#include "X11WindowManager.h"

#include "XcbAtom.h"

#include <QGuiApplication>
#include <QWindow>
#include <cstdlib>
#include <memory>
#include <xcb/xcb.h>

namespace tavrin {
namespace {

template <typename Reply> using ReplyPtr = std::unique_ptr<Reply, decltype(&std::free)>;

template <typename Reply> ReplyPtr<Reply> owned(Reply* reply) {
    return {reply, &std::free};
}

// Whether the running window manager lists _NET_WM_STATE_ABOVE among the
// hints it supports (_NET_SUPPORTED on the root window).
bool windowManagerSupportsAbove(xcb_connection_t* connection, xcb_window_t root) {
    const xcb_atom_t supported = xcbAtom(connection, "_NET_SUPPORTED");
    const xcb_atom_t above = xcbAtom(connection, "_NET_WM_STATE_ABOVE");
    if (supported == XCB_ATOM_NONE || above == XCB_ATOM_NONE) {
        return false;
    }
    const auto reply = owned(xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, root, supported, XCB_ATOM_ATOM, 0, 4096),
        nullptr));
    if (!reply || reply->format != 32) {
        return false;
    }
    const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply.get()));
    const int count = xcb_get_property_value_length(reply.get()) / 4;
    for (int i = 0; i < count; ++i) {
        if (atoms[i] == above) {
            return true;
        }
    }
    return false;
}

xcb_window_t rootOf(xcb_connection_t* connection, xcb_window_t window) {
    const auto reply =
        owned(xcb_query_tree_reply(connection, xcb_query_tree(connection, window), nullptr));
    return reply ? reply->root : xcb_window_t(XCB_WINDOW_NONE);
}

// Asks the window manager to add or remove _NET_WM_STATE_ABOVE on a mapped
// window: the client message Extended Window Manager Hints define, sent to
// the root window.
void requestAboveState(xcb_connection_t* connection, xcb_window_t root, xcb_window_t window,
                       bool above) {
    constexpr uint32_t kRemove = 0;
    constexpr uint32_t kAdd = 1;
    constexpr uint32_t kFromApplication = 1;
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = xcbAtom(connection, "_NET_WM_STATE");
    message.data.data32[0] = above ? kAdd : kRemove;
    message.data.data32[1] = xcbAtom(connection, "_NET_WM_STATE_ABOVE");
    message.data.data32[2] = 0;
    message.data.data32[3] = kFromApplication;
    xcb_send_event(connection, 0, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&message));
}

QWindow* ownWindow(quintptr handle) {
    for (QWindow* window : QGuiApplication::allWindows()) {
        if (window->handle() != nullptr && window->winId() == handle) {
            return window;
        }
    }
    return nullptr;
}

} // namespace

qint32 X11WindowManager::setTopmost(quintptr handle, bool topmost) {
    // Other platforms (offscreen among them) may answer for the X11
    // interface too, without a connection.
    auto* x11 = qGuiApp && QGuiApplication::platformName() == QLatin1String("xcb")
                    ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>()
                    : nullptr;
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    QWindow* window = ownWindow(handle);
    if (connection == nullptr || window == nullptr) {
        return 0;
    }
    const auto id = static_cast<xcb_window_t>(handle);
    const xcb_window_t root = rootOf(connection, id);
    // Qt's xcb window sets the state on a window not yet mapped and keeps its
    // own flags in step, without recreating the window; it sends nothing for
    // a flag it already has, though the window manager's state may have
    // changed since (the user's own choice in the window menu). So for a
    // flag it already has the request goes to the window manager from here:
    // one request for each call, never two that could cross a change the
    // user makes in between.
    const bool changed = window->flags().testFlag(Qt::WindowStaysOnTopHint) != topmost;
    window->setFlag(Qt::WindowStaysOnTopHint, topmost);
    if (!changed && window->isVisible()) {
        requestAboveState(connection, root, id, topmost);
    }
    xcb_flush(connection);
    return windowManagerSupportsAbove(connection, root) ? 1 : 0;
}

bool preferXcbOnWayland(int argc, const char* const* argv) {
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") || qEnvironmentVariableIsEmpty("DISPLAY")) {
        return false;
    }
    for (int i = 1; i < argc; ++i) {
        const char* argument = argv[i];
        if (std::strcmp(argument, "-platform") == 0 || std::strcmp(argument, "--platform") == 0) {
            return false;
        }
    }
    qputenv("QT_QPA_PLATFORM", "xcb");
    return true;
}

} // namespace tavrin
