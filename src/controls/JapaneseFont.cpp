// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#include "JapaneseFont.h"

#include <QFontMetrics>

#include <algorithm>
#include <cmath>

namespace tavrin {

QStringList japaneseFontFamilies() {
    return {QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic"),
            QStringLiteral("IPAGothic")};
}

QFont japaneseFont(double points) {
    QFont font;
    font.setFamilies(japaneseFontFamilies());
    font.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    return font;
}

QFont fittedFont(const QFont& font, const QString& text, int width) {
    constexpr int kNarrowest = 50;
    constexpr int kStep = 5;
    const int natural = QFontMetrics(font).horizontalAdvance(text);
    if (natural <= width || natural <= 0) {
        return font;
    }
    // Every stretch is a font of its own to load, so stretches come in steps,
    // shared by the captions that need about the same narrowing; the first
    // guess is the proportional one, which nearly always fits.
    QFont fitted = font;
    int stretch = std::max(kNarrowest, 100 * width / natural / kStep * kStep);
    fitted.setStretch(stretch);
    while (stretch > kNarrowest && QFontMetrics(fitted).horizontalAdvance(text) > width) {
        stretch -= kStep;
        fitted.setStretch(stretch);
    }
    return fitted;
}

} // namespace tavrin
