// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QAbstractNativeEventFilter>
#include <QtGlobal>
#include <functional>

namespace tavrin {

// Calls back when the window manager gives the keyboard focus to one of
// the program's windows other than `except`, or offers it (WM_TAKE_FOCUS), also to a window that Qt
// keeps from taking it because a modal window blocks it (Qt then hands the activation on to the
// modal window, which nothing shows while it is minimised). Does nothing off X11.
class X11FocusWatch final : public QAbstractNativeEventFilter {
public:
    X11FocusWatch(quintptr except, std::function<void()> focused);
    ~X11FocusWatch() override;
    X11FocusWatch(const X11FocusWatch&) = delete;
    X11FocusWatch& operator=(const X11FocusWatch&) = delete;

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    quintptr except_;
    std::function<void()> focused_;
    quint32 protocols_ = 0; // the atoms WM_PROTOCOLS and WM_TAKE_FOCUS
    quint32 takeFocus_ = 0;
    bool installed_ = false;
};

} // namespace tavrin
