// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT
#include "CaptionLabel.h"

#include <QPainter>
#include <cmath>

namespace tavrin {
namespace {

// The ascent of "ＭＳ Ｐゴシック": 220 of its 256 units to the em.
constexpr double kAscentPerEm = 220.0 / 256.0;

} // namespace

CaptionLabel::CaptionLabel(const QString& text, int designHeight, QWidget* parent)
    : PlainLabel(text, parent), designHeight_(designHeight) {}

QSize CaptionLabel::sizeHint() const {
    return {PlainLabel::sizeHint().width(), designHeight_};
}

QSize CaptionLabel::minimumSizeHint() const {
    return sizeHint();
}

int CaptionLabel::baseline() const {
    const int em = font().pixelSize() > 0 ? font().pixelSize() : fontMetrics().height();
    return static_cast<int>(std::lround(em * kAscentPerEm));
}

void CaptionLabel::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(palette().color(foregroundRole()));
    painter.drawText(QPoint(contentsRect().left(), baseline()), text());
}

} // namespace tavrin
