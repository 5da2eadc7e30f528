#include "JapaneseFont.h"

#include <QFontMetrics>

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
    QFont fitted = font;
    for (int stretch = 100; stretch > 50; --stretch) {
        fitted.setStretch(stretch);
        if (QFontMetrics(fitted).horizontalAdvance(text) <= width) {
            break;
        }
    }
    return fitted;
}

} // namespace tavrin
