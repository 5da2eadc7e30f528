// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "MessageSink.h"

#include <QPointer>
#include <QWidget>

namespace tavrin {

// Reports to the user in message boxes: the data control's report opens
// without blocking the window it belongs to, the handler error box is modal.
// Once unattended (the session is ending and nobody may be there to click),
// the handler error goes to standard error alone, and the program goes on to
// its end.
class QtMessageSink final : public MessageSink {
public:
    void setParentWindow(QWidget* window) { window_ = window; }
    void setUnattended() { unattended_ = true; }
    void showDataError(const QString& text) override;
    void showHandlerError(const QString& text) override;

private:
    QPointer<QWidget> window_;
    bool unattended_ = false;
};

} // namespace tavrin
