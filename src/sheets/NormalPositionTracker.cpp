// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#include "NormalPositionTracker.h"

#include <QEvent>
#include <QWidget>

namespace tavrin {

NormalPositionTracker::NormalPositionTracker(QWidget& window) : QObject(&window), window_(window) {
    setObjectName(QStringLiteral("normalPositionTracker"));
    record();
    window_.installEventFilter(this);
}

QPoint NormalPositionTracker::framePosition() const {
    return window_.isMinimized() ? last_ : window_.frameGeometry().topLeft();
}

bool NormalPositionTracker::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &window_) {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Show:
        case QEvent::WindowStateChange:
            record();
            break;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}

void NormalPositionTracker::record() {
    if (!window_.isMinimized()) {
        last_ = window_.frameGeometry().topLeft();
    }
}

} // namespace tavrin
