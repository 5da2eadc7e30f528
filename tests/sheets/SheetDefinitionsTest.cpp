// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

// The sheet tables checked against an independent copy of the layout: every
// value box and caption label of every sheet, the sheet captions and
// descriptions, the dimension fields, and the geometric rules the layout keeps.

#include "SheetDefinitions.h"
#include "ExpectedSheets.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace tavrin {
namespace {

using namespace expected;

// ---------------------------------------------------------------------------
// Helpers

// Decodes UTF-8; an ill-formed sequence yields U+FFFD so that the comparison fails.
std::u32string codePoints(const std::string& text) {
    std::u32string out;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        int extra = lead < 0x80           ? 0
                    : (lead >> 5) == 0x6  ? 1
                    : (lead >> 4) == 0xE  ? 2
                    : (lead >> 3) == 0x1E ? 3
                                          : -1;
        if (extra < 0 || i + static_cast<std::size_t>(extra) >= text.size()) {
            out.push_back(U'\uFFFD');
            ++i;
            continue;
        }
        char32_t cp = extra == 0 ? lead : lead & (0x3F >> extra);
        bool ok = true;
        for (int k = 1; k <= extra; ++k) {
            const auto next = static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]);
            ok = ok && (next & 0xC0) == 0x80;
            cp = (cp << 6) | (next & 0x3F);
        }
        out.push_back(ok ? cp : U'\uFFFD');
        i += static_cast<std::size_t>(extra) + 1;
    }
    return out;
}

struct Rect {
    int left, top, right, bottom; // right and bottom exclusive
};

bool overlap(const Rect& a, const Rect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

Rect rectOf(const ValueBoxDef& b) {
    return {b.left, b.top, b.left + b.width, b.top + b.height};
}
Rect rectOf(const CaptionLabelDef& c) {
    return {c.left, c.top, c.left + c.width, c.top + c.height};
}

// ---------------------------------------------------------------------------
// The layout as the sheets show it, typed from the drawings' tables.

class SheetTest : public ::testing::TestWithParam<int> {
protected:
    const SheetDef& sheet() const {
        return sheetDefinitions().at(static_cast<std::size_t>(GetParam()));
    }
};

// ---------------------------------------------------------------------------
// The sheets themselves

TEST(SheetSet, FiveSheetsWithTheirCaptionsPicturesDrawingsAndDescriptions) {
    struct Row {
        std::u32string tab;
        const char* picture;
        const char* drawing;
        int width, height;
        std::u32string description;
    };
    const std::vector<Row> rows{
        {U"JIS 5k\uFF6510k", "Picture1", "sheet0", 518, 509,
         U"JIS 5,10k 10A\uFF5E1000A [JIS B 2220(1990)]"},
        {U"JIS 20k", "Picture2", "sheet12", 537, 543, U"JIS 20k 10A\uFF5E600A [JIS B 2220(1990)]"},
        {U"JIS 30k", "Picture5", "sheet12", 537, 543, U"JIS 30k 10A\uFF5E500A [JIS B 2220(1990)]"},
        {U"JIS 40\uFF6563k", "Picture3", "sheet3", 538, 499,
         U"JIS 40,63k 15A\uFF5E400A [JIS B 2210(1984)]"},
        {U"\uFF74\uFF99\uFF8E\uFF9E\uFF65\uFF81\uFF70", "Picture4", "sheet4", 549, 529,
         U"JIS \uFF74\uFF99\uFF8E\uFF9E\uFF65\uFF81\uFF70 10A\uFF5E1000A [JIS B 2313(1991)]"},
    };
    const auto& sheets = sheetDefinitions();
    ASSERT_EQ(sheets.size(), rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(sheets[i].index, static_cast<int>(i));
        EXPECT_EQ(codePoints(sheets[i].tabCaption), rows[i].tab);
        EXPECT_EQ(sheets[i].pictureBox, rows[i].picture);
        EXPECT_EQ(sheets[i].drawing, rows[i].drawing);
        EXPECT_EQ(sheets[i].drawingWidth, rows[i].width);
        EXPECT_EQ(sheets[i].drawingHeight, rows[i].height);
        EXPECT_EQ(codePoints(sheets[i].description), rows[i].description);
        EXPECT_EQ(codePoints(sheetDescription(static_cast<int>(i))), rows[i].description);
        // The drawing is larger than the client area it fills.
        EXPECT_GT(sheets[i].drawingWidth, kPictureClientWidth);
        EXPECT_GT(sheets[i].drawingHeight, kPictureClientHeight);
    }
}

TEST(SheetSet, DescriptionOutsideTheFiveSheetsIsEmpty) {
    EXPECT_EQ(sheetDescription(-1), "");
    EXPECT_EQ(sheetDescription(5), "");
    EXPECT_EQ(sheetDescription(32767), "");
}

TEST_P(SheetTest, SizeBoxesShowTheNominalSizeInTheStripBelowThePicture) {
    const auto& boxes = sheet().sizeBoxes;
    ASSERT_EQ(boxes.size(), 2u);
    const struct {
        const char* control;
        const char* field;
        int left;
    } expected[] = {{"Label1", "A", 120}, {"Label2", "B", 1380}};
    for (std::size_t i = 0; i < 2; ++i) {
        SCOPED_TRACE(expected[i].control);
        EXPECT_EQ(boxes[i].control, expected[i].control);
        EXPECT_EQ(boxes[i].index, GetParam());
        EXPECT_EQ(boxes[i].field, expected[i].field);
        EXPECT_EQ(boxes[i].designCaption(), expected[i].field);
        EXPECT_EQ(boxes[i].left, expected[i].left);
        EXPECT_EQ(boxes[i].top, 7140);
        EXPECT_EQ(boxes[i].width, 1215);
        EXPECT_EQ(boxes[i].height, 375);
        EXPECT_DOUBLE_EQ(boxes[i].points, 14.25);
    }
}

TEST_P(SheetTest, EveryValueBoxHasItsFieldPlaceSizeAndStyle) {
    const std::vector<Box> expected = expectedBoxes(GetParam());
    const auto& boxes = sheet().valueBoxes;
    ASSERT_EQ(boxes.size(), expected.size());
    std::map<std::string, const ValueBoxDef*> byName;
    for (const auto& b : boxes) {
        EXPECT_TRUE(byName.emplace(b.control, &b).second) << "twice: " << b.control;
    }
    for (const Box& e : expected) {
        SCOPED_TRACE(e.control);
        ASSERT_TRUE(byName.count(e.control));
        const ValueBoxDef& b = *byName[e.control];
        EXPECT_EQ(b.index, -1);
        EXPECT_EQ(b.field, e.field);
        EXPECT_EQ(b.left, e.left);
        EXPECT_EQ(b.top, e.top);
        EXPECT_EQ(b.width, e.width);
        EXPECT_EQ(b.height, e.height);
        EXPECT_DOUBLE_EQ(b.points, 12.0);
        EXPECT_EQ(b.designCaption(), e.caption);
    }
}

TEST_P(SheetTest, EveryCaptionLabelHasItsTextPlaceAndFontSize) {
    const std::vector<Caption>& expected = expectedCaptions(GetParam());
    const auto& labels = sheet().captionLabels;
    ASSERT_EQ(labels.size(), expected.size());
    std::map<int, const CaptionLabelDef*> byIndex;
    for (const auto& c : labels) {
        EXPECT_TRUE(byIndex.emplace(c.index, &c).second) << "twice: " << c.index;
    }
    for (const Caption& e : expected) {
        SCOPED_TRACE(e.index);
        ASSERT_TRUE(byIndex.count(e.index));
        const CaptionLabelDef& c = *byIndex[e.index];
        EXPECT_EQ(codePoints(c.caption), e.caption);
        EXPECT_EQ(c.left, e.left);
        EXPECT_EQ(c.top, e.top);
        EXPECT_EQ(c.width, e.width);
        EXPECT_EQ(c.height, e.height);
        EXPECT_DOUBLE_EQ(c.points, e.points);
    }
}

// Two labels of a sheet overlap only where the fittings' two-line names are
// set 180 twips apart with 195-twip labels: those lines share 15 twips.
TEST_P(SheetTest, NoTwoLabelsOverlapButTheFittingNamesTwoLines) {
    struct Item {
        std::string name;
        Rect rect;
    };
    std::vector<Item> items;
    for (const auto& b : sheet().valueBoxes) {
        items.push_back({b.control, rectOf(b)});
    }
    for (const auto& c : sheet().captionLabels) {
        items.push_back({"Label0(" + std::to_string(c.index) + ")", rectOf(c)});
    }
    std::set<std::pair<std::string, std::string>> overlapping;
    for (std::size_t i = 0; i < items.size(); ++i) {
        for (std::size_t j = i + 1; j < items.size(); ++j) {
            if (overlap(items[i].rect, items[j].rect)) {
                overlapping.insert(std::minmax(items[i].name, items[j].name));
                if (GetParam() == 4) {
                    EXPECT_EQ(std::min(items[i].rect.bottom, items[j].rect.bottom) -
                                  std::max(items[i].rect.top, items[j].rect.top),
                              15);
                }
            }
        }
    }
    std::set<std::pair<std::string, std::string>> expected;
    if (GetParam() == 4) {
        expected = {{"Label0(37)", "Label0(38)"},
                    {"Label0(39)", "Label0(40)"},
                    {"Label0(41)", "Label0(42)"}};
    }
    EXPECT_EQ(overlapping, expected);
}

TEST_P(SheetTest, EveryLabelLiesInsideTheVisibleClientArea) {
    const Rect visible{0, 0, kPictureClientWidth * 15, kPictureClientHeight * 15};
    auto inside = [&](const Rect& r) {
        return r.left >= visible.left && r.top >= visible.top && r.right <= visible.right &&
               r.bottom <= visible.bottom;
    };
    for (const auto& b : sheet().valueBoxes) {
        EXPECT_TRUE(inside(rectOf(b))) << b.control;
    }
    for (const auto& c : sheet().captionLabels) {
        EXPECT_TRUE(inside(rectOf(c))) << "Label0(" << c.index << ")";
    }
}

TEST_P(SheetTest, RightMostAndLowestEdgesAreThoseTheDrawingIsLaidOutFor) {
    // right-most edge, lowest edge, in twips
    const std::pair<int, int> edges[] = {
        {6660, 4755 + 300}, {444 * 15, 432 * 15}, {444 * 15, 432 * 15}, {6720, 5880}, {6660, 6375}};
    int right = 0;
    int bottom = 0;
    for (const auto& b : sheet().valueBoxes) {
        right = std::max(right, rectOf(b).right);
        bottom = std::max(bottom, rectOf(b).bottom);
    }
    for (const auto& c : sheet().captionLabels) {
        right = std::max(right, rectOf(c).right);
        bottom = std::max(bottom, rectOf(c).bottom);
    }
    EXPECT_EQ(right, edges[GetParam()].first);
    EXPECT_EQ(bottom, edges[GetParam()].second);
}

INSTANTIATE_TEST_SUITE_P(AllSheets, SheetTest, ::testing::Range(0, 5));

// ---------------------------------------------------------------------------
// Across the sheets

TEST(SheetSet, EightyTwoValueBoxesAndFortySixCaptionLabels) {
    const std::size_t perSheet[] = {15, 12, 12, 19, 14};
    std::size_t sizeBoxes = 0;
    std::size_t valueBoxes = 0;
    std::vector<int> indexes;
    for (const auto& s : sheetDefinitions()) {
        sizeBoxes += s.sizeBoxes.size();
        valueBoxes += s.valueBoxes.size();
        EXPECT_EQ(s.valueBoxes.size(), perSheet[s.index]) << s.index;
        for (const auto& c : s.captionLabels) {
            indexes.push_back(c.index);
        }
    }
    EXPECT_EQ(sizeBoxes, 10u);
    EXPECT_EQ(sizeBoxes + valueBoxes, 82u);
    std::sort(indexes.begin(), indexes.end());
    std::vector<int> all(46);
    for (int i = 0; i < 46; ++i) {
        all[static_cast<std::size_t>(i)] = i;
    }
    EXPECT_EQ(indexes, all);
}

TEST(SheetSet, CaptionLabelIndexesBelongToTheirSheets) {
    const std::vector<std::set<int>> members{
        {0, 4, 5, 6, 7, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19},
        {1, 20},
        {44, 45},
        {2, 8, 9, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36},
        {3, 37, 38, 39, 40, 41, 42, 43},
    };
    for (const auto& s : sheetDefinitions()) {
        std::set<int> got;
        for (const auto& c : s.captionLabels) {
            got.insert(c.index);
        }
        EXPECT_EQ(got, members.at(static_cast<std::size_t>(s.index))) << s.index;
    }
}

// Value-box control names name one control each in the main window; only the
// size boxes are control arrays.
TEST(SheetSet, DrawingValueBoxNamesAreUniqueInTheWindow) {
    std::set<std::string> names;
    for (const auto& s : sheetDefinitions()) {
        for (const auto& b : s.valueBoxes) {
            EXPECT_TRUE(names.insert(b.control).second) << b.control;
            EXPECT_NE(b.control, "Label0");
            EXPECT_NE(b.control, "Label1");
            EXPECT_NE(b.control, "Label2");
        }
    }
    EXPECT_EQ(names.size(), 72u);
}

// ---------------------------------------------------------------------------
// The dimension record

TEST(DimensionRecord, SixtyTwoFieldsInTheirOrder) {
    const std::vector<std::string> expected{
        "A",      "B",      "Da",     "D-05k",  "C-05k",  "T-05k",  "Ta-05k", "Db-05k", "Ha-05k",
        "H-05k",  "D-10k",  "C-10k",  "T-10k",  "Ta-10k", "Db-10k", "Ha-10k", "H-10k",  "D-20k",
        "C-20k",  "T-20k",  "Ta-20k", "Tb-20k", "Db-20k", "Dc-20k", "Ha-20k", "H-20k",  "Dd-20k",
        "Tc-20k", "D-30k",  "C-30k",  "T-30k",  "Ta-30k", "Tb-30k", "Db-30k", "Dc-30k", "Ha-30k",
        "H-30k",  "Dd-30k", "Tc-30k", "D-40k",  "C-40k",  "T-40k",  "Ta-40k", "Tb-40k", "Db-40k",
        "Dc-40k", "Ha-40k", "H-40k",  "D-63k",  "C-63k",  "T-63k",  "Ta-63k", "Tb-63k", "Db-63k",
        "Dc-63k", "Ha-63k", "H-63k",  "Dp",     "M",      "N",      "O",      "P"};
    EXPECT_EQ(dimensionFields(), expected);
}

// The boxes that show each field, as the record's field list names them.
TEST(DimensionRecord, EveryFieldIsShownByTheBoxesListedForIt) {
    std::map<std::string, std::multiset<std::string>> shownBy;
    for (const auto& s : sheetDefinitions()) {
        for (const auto& b : s.sizeBoxes) {
            shownBy[b.field].insert(b.control + "(" + std::to_string(b.index) + ")");
        }
        for (const auto& b : s.valueBoxes) {
            shownBy[b.field].insert(b.control);
        }
    }
    const std::map<std::string, std::multiset<std::string>> expected{
        {"A", {"Label1(0)", "Label1(1)", "Label1(2)", "Label1(3)", "Label1(4)"}},
        {"B", {"Label2(0)", "Label2(1)", "Label2(2)", "Label2(3)", "Label2(4)"}},
        {"Da", {"Label8", "Label19", "Label74", "Label33"}},
        {"D-05k", {"Label3"}},
        {"C-05k", {"Label5"}},
        {"T-05k", {"Label11"}},
        {"Ta-05k", {"Label13"}},
        {"Db-05k", {"Label9"}},
        {"Ha-05k", {"Label15"}},
        {"H-05k", {"Label17"}},
        {"D-10k", {"Label4"}},
        {"C-10k", {"Label6"}},
        {"T-10k", {"Label12"}},
        {"Ta-10k", {"Label14"}},
        {"Db-10k", {"Label10"}},
        {"Ha-10k", {"Label16"}},
        {"H-10k", {"Label18"}},
        {"D-20k", {"Label28"}},
        {"C-20k", {"Label27"}},
        {"T-20k", {"Label23"}},
        {"Ta-20k", {"Label24"}},
        {"Tb-20k", {"Label25"}},
        {"Db-20k", {"Label20"}},
        {"Dc-20k", {"Label26"}},
        {"Ha-20k", {"Label21"}},
        {"H-20k", {"Label22"}},
        {"Dd-20k", {"Label29"}},
        {"Tc-20k", {"Label30"}},
        {"D-30k", {"Label65"}},
        {"C-30k", {"Label66"}},
        {"T-30k", {"Label70"}},
        {"Ta-30k", {"Label69"}},
        {"Tb-30k", {"Label68"}},
        {"Db-30k", {"Label73"}},
        {"Dc-30k", {"Label67"}},
        {"Ha-30k", {"Label72"}},
        {"H-30k", {"Label71"}},
        {"Dd-30k", {"Label64"}},
        {"Tc-30k", {"Label63"}},
        {"D-40k", {"Label40"}},
        {"C-40k", {"Label38"}},
        {"T-40k", {"Label45"}},
        {"Ta-40k", {"Label48"}},
        {"Tb-40k", {"Label43"}},
        {"Db-40k", {"Label36"}},
        {"Dc-40k", {"Label42"}},
        {"Ha-40k", {"Label32"}},
        {"H-40k", {"Label34"}},
        {"D-63k", {"Label39"}},
        {"C-63k", {"Label37"}},
        {"T-63k", {"Label46"}},
        {"Ta-63k", {"Label47"}},
        {"Tb-63k", {"Label44"}},
        {"Db-63k", {"Label35"}},
        {"Dc-63k", {"Label41"}},
        {"Ha-63k", {"Label31"}},
        {"H-63k", {"Label7"}},
        {"Dp", {"Label49", "Label54", "Label56", "Label59"}},
        {"M", {"Label50", "Label51", "Label60"}},
        {"N", {"Label52", "Label53"}},
        {"O", {"Label61", "Label62"}},
        {"P", {"Label55", "Label57", "Label58"}},
    };
    EXPECT_EQ(shownBy, expected);
    // and the record's fields are exactly the fields shown
    std::set<std::string> shown;
    for (const auto& [field, boxes] : shownBy) {
        shown.insert(field);
    }
    const auto& fields = dimensionFields();
    EXPECT_EQ(shown, std::set<std::string>(fields.begin(), fields.end()));
}

// ---------------------------------------------------------------------------
// Helpers of the sheet data

TEST(FieldNames, ClassSuffixIsStrippedAndNothingElse) {
    const std::pair<const char*, const char*> cases[] = {
        {"Ha-05k", "Ha"}, {"H-10k", "H"},     {"Db-20k", "Db"}, {"Tc-30k", "Tc"},
        {"C-40k", "C"},   {"Ta-63k", "Ta"},   {"Da", "Da"},     {"A", "A"},
        {"Dp", "Dp"},     {"X-15k", "X-15k"}, {"-05k", "-05k"}, {"", ""},
    };
    for (const auto& [field, stripped] : cases) {
        EXPECT_EQ(stripClassSuffix(field), stripped) << field;
    }
}

TEST(FieldNames, ValueBoxWidthFollowsTheDimensionCode) {
    const std::pair<const char*, int> cases[] = {
        {"A", 1215}, {"B", 1215},    {"Ha-05k", 1035}, {"Ha-63k", 1035},
        {"M", 810},  {"H-10k", 795}, {"H-40k", 795},   {"Da", 675},
        {"Dp", 675}, {"N", 675},     {"Tc-20k", 675},  {"D-30k", 675},
    };
    for (const auto& [field, width] : cases) {
        EXPECT_EQ(valueBoxWidth(field), width) << field;
    }
}

TEST(Units, PointsToPixelsAtNinetySixDotsPerInch) {
    EXPECT_EQ(pointsToPixels(9.75), 13);
    EXPECT_EQ(pointsToPixels(11.25), 15);
    EXPECT_EQ(pointsToPixels(12.0), 16);
    EXPECT_EQ(pointsToPixels(14.25), 19);
    EXPECT_EQ(twipsToPixels(7140), 476);
    EXPECT_EQ(twipsToPixels(6660), 444);
}

} // namespace
} // namespace tavrin
