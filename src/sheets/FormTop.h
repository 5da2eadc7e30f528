// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QtGlobal>

namespace tavrin {

class WindowManager;

// A window whose native handle can be read.
class FormWindow {
public:
    virtual ~FormWindow() = default;
    virtual quintptr hWnd() const = 0;
};

// Moves a form's window into or out of the window manager's topmost band.
class FormTop {
public:
    // Flag 1: into the topmost band; 0: back into the ordinary band. Returns
    // the window manager's result unchanged (nonzero on success); any other
    // flag makes no call and returns 0. The handle is read for every flag.
    static qint32 SetFormTopmost(WindowManager& windowManager, const FormWindow& form, qint16 flag);
};

} // namespace tavrin
