// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#include "ClickLabel.h"

#include <QMouseEvent>

namespace tavrin {

ClickLabel::ClickLabel(const QString& text, QWidget* parent) : PlainLabel(text, parent) {}

void ClickLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        pressed_ = true;
    }
    event->accept();
}

void ClickLabel::mouseDoubleClickEvent(QMouseEvent* event) {
    pressed_ = false;
    event->accept();
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = event->button() == Qt::LeftButton && pressed_ &&
                       rect().contains(event->position().toPoint());
    if (event->button() == Qt::LeftButton) {
        pressed_ = false;
    }
    event->accept();
    if (click) {
        emit clicked();
    }
}

} // namespace tavrin
