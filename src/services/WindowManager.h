// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QtGlobal>

namespace tavrin {

// The window manager's topmost band. `window` is the native window handle
// (QWidget::winId()).
class WindowManager {
public:
    virtual ~WindowManager() = default;
    // Puts the window into the topmost band (true) or back into the ordinary
    // band (false), keeping its position and size. Nonzero when the change was made.
    virtual qint32 setTopmost(quintptr window, bool topmost) = 0;
};

// A window manager that changes nothing and says so.
class NoWindowManager final : public WindowManager {
public:
    qint32 setTopmost(quintptr, bool) override { return 0; }
};

} // namespace tavrin
