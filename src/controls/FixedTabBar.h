// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QTabBar>

namespace tavrin {

// A tab bar whose tabs share its width equally at a fixed height, all in one row.
class FixedTabBar : public QTabBar {
    Q_OBJECT
public:
    FixedTabBar(int tabHeight, QWidget* parent = nullptr);

protected:
    QSize tabSizeHint(int index) const override;
    QSize minimumTabSizeHint(int index) const override { return tabSizeHint(index); }
    // Draws each caption centred over the whole tab, without the style's padding.
    void paintEvent(QPaintEvent* event) override;

private:
    int tabHeight_;
};

} // namespace tavrin
