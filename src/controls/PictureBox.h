// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QFrame>
#include <QPixmap>

#include <functional>

namespace tavrin {

// A picture box: a sunken 2-pixel edge around a client area that shows its
// picture unscaled at the top-left corner, cut off at the client area's edges.
// Its child controls are placed in client-area coordinates.
class PictureBox : public QFrame {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    // The picture, made by `source` when it is first painted or asked for, so
    // that a box on a tab not yet shown costs nothing at start-up.
    void setPictureSource(std::function<QPixmap()> source);
    const QPixmap& picture() const;

    // The client area's top-left corner in the box's own coordinates.
    QPoint clientOrigin() const;
    // Places `child` (made a child of this box) at `rect`, given in pixels
    // from the client area's top-left corner.
    void place(QWidget* child, const QRect& rect);
    // `child`'s rectangle in client-area pixels.
    QRect clientRect(const QWidget* child) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    mutable QPixmap picture_;
    mutable std::function<QPixmap()> source_;
};

} // namespace tavrin
