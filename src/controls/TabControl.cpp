// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#include "TabControl.h"

#include <QPainter>
#include <QStyleOptionTabWidgetFrame>
#include <QStylePainter>
#include <QTabBar>

#include "FixedTabBar.h"

namespace tavrin {

TabControl::TabControl(const QStringList& captions, int tabHeight, QWidget* parent)
    : QWidget(parent), bar_(new FixedTabBar(tabHeight, this)), tabHeight_(tabHeight),
      members_(static_cast<std::size_t>(captions.size())) {
    bar_->setObjectName(QStringLiteral("tabBar"));
    bar_->setExpanding(false);
    bar_->setUsesScrollButtons(false);
    bar_->setDrawBase(false);
    bar_->setElideMode(Qt::ElideNone);
    bar_->setFocusPolicy(Qt::StrongFocus);
    for (const QString& caption : captions) {
        bar_->addTab(caption);
    }
    setFocusProxy(bar_);
    connect(bar_, &QTabBar::currentChanged, this, [this](int index) {
        const int previous = current_;
        current_ = index;
        showTab(index);
        emit clicked(previous);
    });
}

void TabControl::addToTab(int tab, QWidget* control) {
    if (tab < 0 || tab >= tabCount()) {
        return;
    }
    control->setParent(this);
    members_[static_cast<std::size_t>(tab)].push_back(control);
    control->setVisible(tab == current_);
}

int TabControl::tab() const {
    return current_;
}

void TabControl::setTab(int tab) {
    bar_->setCurrentIndex(tab);
}

int TabControl::tabCount() const {
    return static_cast<int>(members_.size());
}

const std::vector<QWidget*>& TabControl::controlsOf(int tab) const {
    static const std::vector<QWidget*> none;
    if (tab < 0 || tab >= tabCount()) {
        return none;
    }
    return members_[static_cast<std::size_t>(tab)];
}

void TabControl::showTab(int tab) {
    // Hide first, so that no moment shows two sheets at once.
    for (int i = 0; i < tabCount(); ++i) {
        if (i != tab) {
            for (QWidget* control : members_[static_cast<std::size_t>(i)]) {
                control->hide();
            }
        }
    }
    for (QWidget* control : controlsOf(tab)) {
        control->show();
    }
}

void TabControl::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    bar_->setGeometry(0, 0, width(), tabHeight_);
}

void TabControl::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionTabWidgetFrame frame;
    frame.initFrom(this);
    frame.rect = QRect(0, tabHeight_ - 1, width(), height() - tabHeight_ + 1);
    frame.shape = QTabBar::RoundedNorth;
    frame.tabBarSize = QSize(width(), tabHeight_);
    painter.drawPrimitive(QStyle::PE_FrameTabWidget, frame);
    // The page is the window's button face, not the style's lighter panel:
    // everything inside the frame's edges.
    const int edge = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &frame, this);
    painter.fillRect(frame.rect.adjusted(edge, edge, -edge, -edge), palette().button());
}

} // namespace tavrin
