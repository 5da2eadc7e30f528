// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT
#pragma once

#include "PlainLabel.h"

namespace tavrin {

// A fixed caption over a drawing, as tall as its design height (the line
// height of "ＭＳ Ｐゴシック" at its size, which is the font's pixel size) and as
// wide as its text. The text stands on the baseline that font gives it, at
// 220/256 of the pixel size below the top, whatever font stands in for it: a
// stand-in with a taller line neither grows the label nor moves the letters.
class CaptionLabel : public PlainLabel {
    Q_OBJECT
public:
    CaptionLabel(const QString& text, int designHeight, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    // The distance from the label's top to its text's baseline, in pixels.
    int baseline() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int designHeight_;
};

} // namespace tavrin
