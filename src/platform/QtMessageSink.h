// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "MessageSink.h"

#include <QPointer>
#include <QWidget>

namespace tavrin {

// Reports to the user in message boxes: the data control's report opens
// without blocking the window it belongs to, the handler error box is modal.
class QtMessageSink final : public MessageSink {
public:
    void setParentWindow(QWidget* window) { window_ = window; }
    void showDataError(const QString& text) override;
    void showHandlerError(const QString& text) override;

private:
    QPointer<QWidget> window_;
};

} // namespace tavrin
