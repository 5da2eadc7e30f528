// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

// The committed drawings: reproducible from the generator, the right size,
// three colours only, and nothing drawn outside each sheet's extent.

#include "ImageProbe.h"

#include "AssetPaths.h"
#include "DrawingRenderer.h"
#include "SheetDrawings.h"

#include <QDir>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

using namespace tavrin;

struct AssetCase {
    const char* name;
    int width;
    int height;
    QRect extent; // bounding box of everything drawn
};

void PrintTo(const AssetCase& c, std::ostream* os) {
    *os << c.name;
}

const AssetCase kAssets[] = {
    {"sheet0", 518, 509, QRect(QPoint(33, 43), QPoint(423, 433))},
    {"sheet12", 537, 543, QRect(QPoint(30, 40), QPoint(436, 431))},
    {"sheet3", 538, 499, QRect(QPoint(31, 63), QPoint(437, 407))},
    {"sheet4", 549, 529, QRect(QPoint(23, 46), QPoint(439, 433))},
};

// Same size and the same colour at every pixel; reports the first difference.
::testing::AssertionResult samePixels(const QImage& a, const QImage& b) {
    if (a.size() != b.size())
        return ::testing::AssertionFailure() << "sizes differ";
    const QImage ra = a.convertToFormat(QImage::Format_RGB32);
    const QImage rb = b.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < ra.height(); ++y)
        for (int x = 0; x < ra.width(); ++x)
            if (ra.pixel(x, y) != rb.pixel(x, y))
                return ::testing::AssertionFailure() << "first difference at " << x << "," << y;
    return ::testing::AssertionSuccess();
}

const drawings::Drawing* drawingNamed(const std::string& name) {
    for (const drawings::Drawing& d : drawings::sheetDrawings())
        if (d.name == name)
            return &d;
    return nullptr;
}

class DrawingAsset : public ::testing::TestWithParam<AssetCase> {};

TEST_P(DrawingAsset, IsWhatTheGeneratorDraws) {
    const drawings::Drawing* drawing = drawingNamed(GetParam().name);
    ASSERT_NE(drawing, nullptr);
    EXPECT_TRUE(samePixels(drawings::DrawingRenderer::render(*drawing).toImage(),
                           test::loadDrawing(GetParam().name)));
}

TEST_P(DrawingAsset, IsAThreeColourIndexedImageOfItsSize) {
    const QImage raw(QStringLiteral(TAVRIN_ASSETS_DIR "/drawings/%1.png").arg(GetParam().name));
    ASSERT_FALSE(raw.isNull());
    EXPECT_EQ(raw.width(), GetParam().width);
    EXPECT_EQ(raw.height(), GetParam().height);
    EXPECT_EQ(raw.format(), QImage::Format_Indexed8);

    const QImage image = test::loadDrawing(GetParam().name);
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y));
    EXPECT_EQ(colours, (QSet<QRgb>{qRgb(192, 192, 192), qRgb(160, 160, 164), qRgb(0, 0, 0)}));
}

TEST_P(DrawingAsset, DrawsOnlyWithinItsExtent) {
    const QImage image = test::loadDrawing(GetParam().name);
    QRect drawn;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (!test::isBackground(image, x, y))
                drawn |= QRect(x, y, 1, 1);
    EXPECT_EQ(drawn, GetParam().extent);
    // The picture box shows only the top-left 457 x 445 pixels; the drawings
    // keep clear of its last columns and rows as well.
    EXPECT_LE(drawn.right(), 439);
    EXPECT_LE(drawn.bottom(), 433);
}

INSTANTIATE_TEST_SUITE_P(Sheets, DrawingAsset, ::testing::ValuesIn(kAssets),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_P(DrawingAsset, IsCompiledInAsAResource) {
    const QImage embedded(assets::drawingPath(GetParam().name));
    ASSERT_FALSE(embedded.isNull()) << assets::drawingPath(GetParam().name).toStdString();
    EXPECT_TRUE(samePixels(embedded, test::loadDrawing(GetParam().name)));
}

TEST(DrawingGenerator, WritesEveryDrawingAsCommitted) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(drawings::writeSheetDrawings(dir.path()));
    for (const AssetCase& a : kAssets) {
        SCOPED_TRACE(a.name);
        EXPECT_TRUE(samePixels(QImage(QDir(dir.path()).filePath(QString(a.name) + ".png")),
                               test::loadDrawing(a.name)));
    }
}

TEST(DrawingGenerator, ReportsAFolderItCannotWriteInto) {
    EXPECT_FALSE(drawings::writeSheetDrawings(QStringLiteral("/nonexistent/folder")));
}

} // namespace
