// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

// The two window icons: 32 x 32, transparent around the picture, drawn only
// in colours of the standard 16-colour palette.

#include "ImageProbe.h"

#include "AssetPaths.h"

#include <QSet>

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

using namespace tavrin;

const QSet<QRgb> kVgaPalette{
    qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
    qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
    qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
    qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255),
};

struct IconCase {
    const char* name;
    QSet<QRgb> mustShow; // the colours the picture is described with
};

void PrintTo(const IconCase& c, std::ostream* os) {
    *os << c.name;
}

const IconCase kIcons[] = {
    {"tavrin",
     {qRgb(0, 0, 0), qRgb(128, 128, 128), qRgb(0, 255, 0), qRgb(255, 255, 255), qRgb(255, 255, 0)}},
    {"info", {qRgb(0, 0, 0), qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), qRgb(255, 255, 0)}},
};

class Icon : public ::testing::TestWithParam<IconCase> {};

TEST_P(Icon, IsA32By32PictureInThe16ColourPaletteOnATransparentGround) {
    const QImage icon = test::loadIcon(GetParam().name);
    ASSERT_FALSE(icon.isNull());
    EXPECT_EQ(icon.size(), QSize(32, 32));
    for (const QPoint corner : {QPoint(0, 0), QPoint(31, 0), QPoint(0, 31), QPoint(31, 31)})
        EXPECT_EQ(qAlpha(icon.pixel(corner)), 0) << corner.x() << "," << corner.y();
    QSet<QRgb> shown;
    int transparent = 0;
    for (int y = 0; y < icon.height(); ++y) {
        for (int x = 0; x < icon.width(); ++x) {
            const QRgb p = icon.pixel(x, y);
            if (qAlpha(p) == 0) {
                ++transparent;
                continue;
            }
            EXPECT_EQ(qAlpha(p), 255) << "half-transparent pixel at " << x << "," << y;
            shown.insert(p | 0xff000000);
        }
    }
    EXPECT_GT(transparent, 0);
    EXPECT_TRUE(shown.subtract(kVgaPalette).isEmpty())
        << "colours outside the palette: " << shown.size();
}

TEST_P(Icon, ShowsEveryColourItIsDescribedWith) {
    const QImage icon = test::loadIcon(GetParam().name);
    QSet<QRgb> shown;
    for (int y = 0; y < icon.height(); ++y)
        for (int x = 0; x < icon.width(); ++x)
            if (qAlpha(icon.pixel(x, y)) != 0)
                shown.insert(icon.pixel(x, y) | 0xff000000);
    EXPECT_TRUE(shown.contains(GetParam().mustShow));
}

TEST_P(Icon, IsCompiledInAsAResource) {
    const QImage embedded(assets::iconPath(GetParam().name));
    ASSERT_FALSE(embedded.isNull());
    EXPECT_EQ(embedded.convertToFormat(QImage::Format_ARGB32), test::loadIcon(GetParam().name));
}

INSTANTIATE_TEST_SUITE_P(Windows, Icon, ::testing::ValuesIn(kIcons),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
