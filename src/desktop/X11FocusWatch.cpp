// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT
#include "X11FocusWatch.h"

#include "XcbAtom.h"

#include <QGuiApplication>
#include <xcb/xcb.h>

namespace tavrin {

X11FocusWatch::X11FocusWatch(quintptr except, std::function<void()> focused)
    : except_(except), focused_(std::move(focused)) {
    auto* x11 = qGuiApp && QGuiApplication::platformName() == QLatin1String("xcb")
                    ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>()
                    : nullptr;
    if (x11 == nullptr || x11->connection() == nullptr) {
        return;
    }
    protocols_ = xcbAtom(x11->connection(), "WM_PROTOCOLS");
    takeFocus_ = xcbAtom(x11->connection(), "WM_TAKE_FOCUS");
    QCoreApplication::instance()->installNativeEventFilter(this);
    installed_ = true;
}

X11FocusWatch::~X11FocusWatch() {
    if (installed_ && QCoreApplication::instance() != nullptr) {
        QCoreApplication::instance()->removeNativeEventFilter(this);
    }
}

bool X11FocusWatch::nativeEventFilter(const QByteArray& eventType, void* message,
                                      qintptr* /*result*/) {
    if (eventType != "xcb_generic_event_t") {
        return false;
    }
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    bool toAnother = false;
    switch (event->response_type & 0x7f) {
    case XCB_FOCUS_IN: {
        const auto* focus = static_cast<const xcb_focus_in_event_t*>(message);
        toAnother = focus->event != except_ && focus->detail != XCB_NOTIFY_DETAIL_POINTER;
        break;
    }
    case XCB_CLIENT_MESSAGE: {
        // The window manager's offer of the focus (WM_TAKE_FOCUS).
        const auto* offer = static_cast<const xcb_client_message_event_t*>(message);
        toAnother = offer->window != except_ && offer->format == 32 && offer->type == protocols_ &&
                    offer->data.data32[0] == takeFocus_;
        break;
    }
    default:
        break;
    }
    if (toAnother && focused_) {
        focused_();
    }
    return false;
}

} // namespace tavrin
