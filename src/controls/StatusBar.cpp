// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#include "StatusBar.h"

#include "PlainLabel.h"

namespace tavrin {
namespace {
constexpr int kGap = 2;
} // namespace

StatusBar::StatusBar(const std::vector<int>& panelWidths, QWidget* parent)
    : QWidget(parent), widths_(panelWidths) {
    for (std::size_t i = 0; i < widths_.size(); ++i) {
        auto* label = new PlainLabel({}, this);
        label->setObjectName(QStringLiteral("Panel%1").arg(i + 1));
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setLineWidth(1);
        label->setMargin(1);
        label->setIndent(2);
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        panels_.push_back(label);
    }
    layoutPanels();
}

QLabel* StatusBar::panel(int panel) const {
    if (panel < 1 || panel > panelCount()) {
        return nullptr;
    }
    return panels_[static_cast<std::size_t>(panel - 1)];
}

void StatusBar::setPanelText(int panel, const QString& text) {
    if (QLabel* label = this->panel(panel)) {
        label->setText(text);
    }
}

QString StatusBar::panelText(int panel) const {
    const QLabel* label = this->panel(panel);
    return label ? label->text() : QString();
}

void StatusBar::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layoutPanels();
}

void StatusBar::layoutPanels() {
    int x = 0;
    for (std::size_t i = 0; i < panels_.size(); ++i) {
        const bool last = i + 1 == panels_.size();
        const int width = last ? std::max(widths_[i], this->width() - x - kGap) : widths_[i];
        panels_[i]->setGeometry(x, kGap, width, std::max(0, height() - kGap));
        x += width + kGap;
    }
}

} // namespace tavrin
