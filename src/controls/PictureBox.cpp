// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#include "PictureBox.h"

#include <QPainter>

namespace tavrin {

PictureBox::PictureBox(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    setLineWidth(2);
    setAutoFillBackground(true);
}

void PictureBox::setPictureSource(std::function<QPixmap()> source) {
    source_ = std::move(source);
    picture_ = QPixmap();
    update();
}

const QPixmap& PictureBox::picture() const {
    if (source_) {
        picture_ = source_();
        source_ = nullptr;
    }
    return picture_;
}

QPoint PictureBox::clientOrigin() const {
    return contentsRect().topLeft();
}

void PictureBox::place(QWidget* child, const QRect& rect) {
    child->setParent(this);
    child->setGeometry(rect.translated(clientOrigin()));
}

QRect PictureBox::clientRect(const QWidget* child) const {
    return child->geometry().translated(-clientOrigin());
}

void PictureBox::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    if (picture().isNull()) {
        return;
    }
    QPainter painter(this);
    const QRect client = contentsRect();
    painter.setClipRect(client);
    painter.drawPixmap(client.topLeft(), picture_);
}

} // namespace tavrin
