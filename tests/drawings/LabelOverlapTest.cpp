// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

// The labels laid over each drawing hide no drawn pixel, but where a box sits
// over a centre line or takes in the end of its own leader.

#include "ImageProbe.h"

#include "SheetDefinitions.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

using namespace tavrin;

// A value box that may cover drawn pixels, all on one row or one column,
// and does cover at least one of them.
struct Allowance {
    int sheet;
    const char* control;
    bool column; // false: a row
    int at;
};

const Allowance kAllowances[] = {
    {1, "Label19", true, 201},  // bore box over the axis inside the bore
    {2, "Label74", true, 201},  //
    {1, "Label25", false, 207}, // back-step height box over its leader's end
    {2, "Label68", false, 207}, //
    {3, "Label33", true, 202},  // bore box over the axis's dashes
    {4, "Label50", false, 174}, // leaders and dimension lines running into their boxes
    {4, "Label52", false, 188}, //
    {4, "Label53", false, 173}, //
    {4, "Label55", false, 249}, //
    {4, "Label56", true, 401},  //
    {4, "Label62", true, 33},   //
};

std::optional<Allowance> allowanceFor(int sheet, const std::string& control) {
    for (const Allowance& a : kAllowances)
        if (a.sheet == sheet && control == a.control)
            return a;
    return std::nullopt;
}

struct Covered {
    int count = 0;
    int offLine = 0; // drawn pixels off the allowed row or column
    std::string first;
};

Covered covered(const QImage& image, int left, int top, int width, int height,
                const std::optional<Allowance>& allowance) {
    Covered c;
    const int x0 = twipsToPixels(left);
    const int y0 = twipsToPixels(top);
    for (int y = y0; y < y0 + twipsToPixels(height); ++y) {
        for (int x = x0; x < x0 + twipsToPixels(width); ++x) {
            if (test::isBackground(image, x, y))
                continue;
            ++c.count;
            const bool onLine = allowance && (allowance->column ? x : y) == allowance->at;
            if (!onLine && c.offLine++ == 0)
                c.first = std::to_string(x) + "," + std::to_string(y);
        }
    }
    return c;
}

class LabelsOverDrawing : public ::testing::TestWithParam<int> {};

TEST_P(LabelsOverDrawing, HideOnlyWhatTheLayoutAllows) {
    const SheetDef& sheet = sheetDefinitions().at(GetParam());
    const QImage image = test::loadDrawing(QString::fromStdString(sheet.drawing));
    ASSERT_FALSE(image.isNull()) << sheet.drawing;
    for (const ValueBoxDef& box : sheet.valueBoxes) {
        const auto allowance = allowanceFor(sheet.index, box.control);
        const Covered c = covered(image, box.left, box.top, box.width, box.height, allowance);
        EXPECT_EQ(c.offLine, 0) << box.control << " covers " << c.first;
        if (allowance) {
            EXPECT_GT(c.count, 0) << box.control << " should take in its line's end";
        }
    }
    for (const CaptionLabelDef& label : sheet.captionLabels) {
        const Covered c =
            covered(image, label.left, label.top, label.width, label.height, std::nullopt);
        EXPECT_EQ(c.count, 0) << "Label0(" << label.index << ") covers " << c.first;
    }
}

INSTANTIATE_TEST_SUITE_P(Sheets, LabelsOverDrawing, ::testing::Values(0, 1, 2, 3, 4),
                         [](const auto& info) { return "Sheet" + std::to_string(info.param); });

} // namespace
