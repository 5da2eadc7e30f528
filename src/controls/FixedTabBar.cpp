// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#include "FixedTabBar.h"

#include <QStyleOptionTab>
#include <QStylePainter>

namespace tavrin {

FixedTabBar::FixedTabBar(int tabHeight, QWidget* parent) : QTabBar(parent), tabHeight_(tabHeight) {}

QSize FixedTabBar::tabSizeHint(int index) const {
    const int tabs = std::max(1, count());
    const int base = width() / tabs;
    // The last tab takes the pixels the division leaves over.
    const int extra = index == count() - 1 ? width() - base * tabs : 0;
    return {base + extra, tabHeight_};
}

void FixedTabBar::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    // The current tab last, so that its shape stands in front of its neighbours'.
    const int current = currentIndex();
    for (int pass = 0; pass < 2; ++pass) {
        for (int i = 0; i < count(); ++i) {
            if ((i == current) != (pass == 1)) {
                continue;
            }
            QStyleOptionTab option;
            initStyleOption(&option, i);
            const QString caption = option.text;
            option.text.clear();
            painter.drawControl(QStyle::CE_TabBarTabShape, option);
            painter.setPen(palette().color(QPalette::WindowText));
            painter.drawText(option.rect, Qt::AlignCenter | Qt::TextSingleLine, caption);
            if (i == current && hasFocus()) {
                QStyleOptionFocusRect focus;
                focus.initFrom(this);
                focus.rect = option.rect.adjusted(3, 3, -3, -3);
                painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
            }
        }
    }
}

} // namespace tavrin
