// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#include "FormTop.h"

#include "WindowManager.h"

namespace tavrin {

qint32 FormTop::SetFormTopmost(WindowManager& windowManager, const FormWindow& form, qint16 flag) {
    const quintptr handle = form.hWnd();
    switch (flag) {
    case 1:
        return windowManager.setTopmost(handle, true);
    case 0:
        return windowManager.setTopmost(handle, false);
    default:
        return 0;
    }
}

} // namespace tavrin
