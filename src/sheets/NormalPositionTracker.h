// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QObject>
#include <QPoint>

class QWidget;

namespace tavrin {

// Follows a top-level window's outer top-left corner while it is in its
// normal state (neither minimised nor hidden), so that a window closed while
// minimised can save where it stands when restored rather than whatever
// placeholder the window system reports for an iconified window.
class NormalPositionTracker : public QObject {
    Q_OBJECT
public:
    // Watches `window`, which also owns the tracker.
    explicit NormalPositionTracker(QWidget& window);

    // The frame's top-left corner in pixels when the window was last seen in
    // its normal state; its present one if it has not been seen minimised.
    QPoint framePosition() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void record();

    QWidget& window_;
    QPoint last_;
};

} // namespace tavrin
