// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

// A caption too wide for its design width is narrowed, in steps of 5 %, to the
// widest step that fits; one that fits keeps its font.

#include "JapaneseFont.h"

#include <QFontMetrics>

#include <gtest/gtest.h>

namespace {

struct FitCase {
    const char* text;
    int width;
};

class FontFitTest : public ::testing::TestWithParam<FitCase> {};

TEST_P(FontFitTest, NarrowsToTheWidestStretchThatFits) {
    const QFont base = tavrin::japaneseFont(9);
    const QString text = QString::fromUtf8(GetParam().text);
    const int width = GetParam().width;
    const QFont fitted = tavrin::fittedFont(base, text, width);
    const int natural = QFontMetrics(base).horizontalAdvance(text);
    if (natural <= width) {
        EXPECT_EQ(fitted, base);
        return;
    }
    const int stretch = fitted.stretch();
    ASSERT_GE(stretch, 50);
    ASSERT_LT(stretch, 100);
    EXPECT_EQ(stretch % 5, 0);
    if (stretch > 50) {
        EXPECT_LE(QFontMetrics(fitted).horizontalAdvance(text), width);
    }
    if (stretch == 95) {
        return;
    }
    QFont wider = fitted;
    wider.setStretch(stretch + 5);
    EXPECT_GT(QFontMetrics(wider).horizontalAdvance(text), width) << "stretch " << stretch;
}

INSTANTIATE_TEST_SUITE_P(Captions, FontFitTest,
                         ::testing::Values(FitCase{"呼び径", 200}, FitCase{"呼び径", 30},
                                           FitCase{"フランジ外径 D", 60},
                                           FitCase{"ボルト穴中心円径 C", 40},
                                           FitCase{"ﾎﾞﾙﾄ穴数-径 h", 70},
                                           FitCase{"とても長い見出しの文字列", 5}));

} // namespace
