// The sheet tables checked against an independent copy of the layout: every
// value box and caption label of every sheet, the sheet captions and
// descriptions, the dimension fields, and the geometric rules the layout keeps.

#include "SheetDefinitions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace tavrin {
namespace {

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

const std::u32string kUnit = U"\u5358\u4F4D\uFF1Amm";                // 単位：mm
const std::u32string k65A = U"65A\u4EE5\u4E0A";                      // 65A以上
const std::u32string kTee = U"\u30C1\uFF0D";                         // チ－
const std::u32string kE90 = U"\uFF19\uFF10\u00B0\u30A8\u30EB\u30DC"; // ９０°エルボ
const std::u32string kE45 = U"\uFF14\uFF15\u00B0\u30A8\u30EB\u30DC"; // ４５°エルボ
const std::u32string kLong = U"\u30ED\u30F3\u30B0";                  // ロング
const std::u32string kShort = U"\u30B7\u30E7\u30FC\u30C8";           // ショート

struct Box {
    const char* control;
    const char* field;
    int left, top, width, height;
    const char* caption;
};

struct Caption {
    int index;
    std::u32string caption;
    int left, top, width, height;
    double points;
};

const std::vector<Box> kSheet0Boxes{
    {"Label15", "Ha-05k", 780, 330, 1035, 300, "Ha"},
    {"Label16", "Ha-10k", 780, 660, 1035, 300, "Ha"},
    {"Label17", "H-05k", 780, 1005, 795, 300, "H"},
    {"Label18", "H-10k", 780, 1335, 795, 300, "H"},
    {"Label8", "Da", 2715, 1020, 675, 300, "Da"},
    {"Label11", "T-05k", 5175, 855, 675, 300, "T"},
    {"Label12", "T-10k", 5175, 1230, 675, 300, "T"},
    {"Label5", "C-05k", 2220, 2985, 675, 300, "C"},
    {"Label6", "C-10k", 3465, 2985, 675, 300, "C"},
    {"Label3", "D-05k", 2220, 3525, 675, 300, "D"},
    {"Label4", "D-10k", 3465, 3525, 675, 300, "D"},
    {"Label9", "Db-05k", 2880, 4185, 675, 300, "Db"},
    {"Label10", "Db-10k", 2880, 4560, 675, 300, "Db"},
    {"Label13", "Ta-05k", 5220, 4380, 675, 300, "Ta"},
    {"Label14", "Ta-10k", 5220, 4755, 675, 300, "Ta"},
};

const std::vector<Caption> kSheet0Captions{
    {0, kUnit, 5700, 180, 960, 240, 12},       {10, U"5k", 1890, 390, 225, 225, 11.25},
    {15, U"10k", 1875, 720, 345, 225, 11.25},  {11, U"5k", 1650, 1050, 225, 225, 11.25},
    {16, U"10k", 1620, 1380, 345, 225, 11.25}, {12, U"5k", 4890, 915, 225, 225, 11.25},
    {17, U"10k", 4770, 1275, 345, 225, 11.25}, {6, U"5k", 1935, 3030, 225, 225, 11.25},
    {7, U"10k", 3075, 3015, 345, 225, 11.25},  {4, U"5k", 1935, 3570, 225, 225, 11.25},
    {5, U"10k", 3075, 3570, 345, 225, 11.25},  {14, U"5k", 2580, 4215, 225, 225, 11.25},
    {19, U"10k", 2475, 4590, 345, 225, 11.25}, {13, U"5k", 4920, 4425, 225, 225, 11.25},
    {18, U"10k", 4815, 4815, 345, 225, 11.25},
};

// Sheets 1 and 2: one layout, the 20k and the 30k names on one row.
struct TwinBox {
    const char* control20k;
    const char* field20k;
    const char* control30k;
    const char* field30k;
    int left, top, width, height;
    const char* caption;
};

const std::vector<TwinBox> kTwinBoxes{
    {"Label19", "Da", "Label74", "Da", 2685, 1560, 675, 300, "Da"},
    {"Label20", "Db-20k", "Label73", "Db-30k", 2685, 510, 675, 300, "Db"},
    {"Label21", "Ha-20k", "Label72", "Ha-30k", 735, 450, 1035, 300, "Ha"},
    {"Label22", "H-20k", "Label71", "H-30k", 735, 795, 795, 300, "H"},
    {"Label23", "T-20k", "Label70", "T-30k", 4890, 870, 675, 300, "T"},
    {"Label24", "Ta-20k", "Label69", "Ta-30k", 5430, 465, 675, 300, "Ta"},
    {"Label25", "Tb-20k", "Label68", "Tb-30k", 5565, 2970, 675, 300, "Tb"},
    {"Label26", "Dc-20k", "Label67", "Dc-30k", 2685, 2580, 675, 300, "Dc"},
    {"Label27", "C-20k", "Label66", "C-30k", 2685, 3120, 675, 300, "C"},
    {"Label28", "D-20k", "Label65", "D-30k", 2685, 3660, 675, 300, "D"},
    {"Label29", "Dd-20k", "Label64", "Dd-30k", 2685, 4305, 675, 300, "Dd"},
    {"Label30", "Tc-20k", "Label63", "Tc-30k", 3825, 4815, 675, 300, "Tc"},
};

const std::vector<Caption> kSheet1Captions{
    {1, kUnit, 5700, 6240, 960, 240, 12},
    {20, k65A, 735, 4620, 870, 240, 12},
};
const std::vector<Caption> kSheet2Captions{
    {45, kUnit, 5700, 6240, 960, 240, 12},
    {44, k65A, 735, 4620, 870, 240, 12},
};

const std::vector<Box> kSheet3Boxes{
    {"Label32", "Ha-40k", 765, 645, 1035, 300, "Ha"},
    {"Label31", "Ha-63k", 765, 975, 1035, 300, "Ha"},
    {"Label34", "H-40k", 765, 1335, 795, 300, "H"},
    {"Label7", "H-63k", 765, 1665, 795, 300, "H"},
    {"Label36", "Db-40k", 2850, 1455, 675, 300, "Db"},
    {"Label35", "Db-63k", 2850, 1815, 675, 300, "Db"},
    {"Label33", "Da", 2700, 2880, 675, 300, "Da"},
    {"Label48", "Ta-40k", 5445, 765, 675, 300, "Ta"},
    {"Label47", "Ta-63k", 5445, 1140, 675, 300, "Ta"},
    {"Label45", "T-40k", 4890, 1605, 675, 300, "T"},
    {"Label46", "T-63k", 4890, 1980, 675, 300, "T"},
    {"Label43", "Tb-40k", 5640, 4320, 675, 300, "Tb"},
    {"Label44", "Tb-63k", 5640, 4695, 675, 300, "Tb"},
    {"Label42", "Dc-40k", 2895, 4050, 675, 300, "Dc"},
    {"Label41", "Dc-63k", 2895, 4410, 675, 300, "Dc"},
    {"Label38", "C-40k", 2265, 4995, 675, 300, "C"},
    {"Label37", "C-63k", 3510, 4995, 675, 300, "C"},
    {"Label40", "D-40k", 2265, 5580, 675, 300, "D"},
    {"Label39", "D-63k", 3510, 5580, 675, 300, "D"},
};

const std::vector<Caption> kSheet3Captions{
    {2, kUnit, 5700, 180, 960, 240, 12},       {21, U"40k", 1860, 690, 345, 225, 11.25},
    {22, U"63k", 1860, 1005, 345, 225, 11.25}, {9, U"40k", 1635, 1395, 345, 225, 11.25},
    {8, U"63k", 1635, 1710, 345, 225, 11.25},  {23, U"40k", 2445, 1500, 345, 225, 11.25},
    {24, U"63k", 2445, 1845, 345, 225, 11.25}, {27, U"40k", 4995, 795, 345, 225, 11.25},
    {28, U"63k", 4995, 1155, 345, 225, 11.25}, {29, U"40k", 4485, 1635, 345, 225, 11.25},
    {30, U"63k", 4485, 1995, 345, 225, 11.25}, {31, U"40k", 6375, 4365, 345, 225, 11.25},
    {32, U"63k", 6375, 4710, 345, 225, 11.25}, {25, U"40k", 2490, 4080, 345, 225, 11.25},
    {26, U"63k", 2490, 4440, 345, 225, 11.25}, {33, U"40k", 1845, 5040, 345, 225, 11.25},
    {34, U"63k", 3105, 5040, 345, 225, 11.25}, {35, U"40k", 1845, 5625, 345, 225, 11.25},
    {36, U"63k", 3105, 5625, 345, 225, 11.25},
};

const std::vector<Box> kSheet4Boxes{
    {"Label49", "Dp", 2790, 555, 675, 300, "Dp"},  {"Label50", "M", 2190, 2460, 810, 300, "M"},
    {"Label51", "M", 1155, 2460, 810, 300, "M"},   {"Label52", "N", 3660, 2700, 675, 300, "N"},
    {"Label53", "N", 5400, 2460, 675, 300, "N"},   {"Label54", "Dp", 5940, 900, 675, 300, "Dp"},
    {"Label55", "P", 5520, 3600, 675, 300, "P"},   {"Label56", "Dp", 5880, 5940, 675, 300, "Dp"},
    {"Label57", "P", 4635, 5940, 675, 300, "P"},   {"Label58", "P", 3615, 5940, 675, 300, "P"},
    {"Label59", "Dp", 2475, 4110, 675, 300, "Dp"}, {"Label60", "M", 1020, 6075, 810, 300, "M"},
    {"Label61", "O", 285, 3765, 675, 300, "O"},    {"Label62", "O", 180, 6075, 675, 300, "O"},
};

const std::vector<Caption> kSheet4Captions{
    {3, kUnit, 5700, 180, 960, 240, 12},     {37, kE90, 600, 300, 1020, 195, 9.75},
    {38, kLong, 600, 480, 510, 195, 9.75},   {39, kE90, 3960, 540, 1020, 195, 9.75},
    {40, kShort, 3960, 720, 600, 195, 9.75}, {41, kE45, 1920, 3480, 1020, 195, 9.75},
    {42, kLong, 1920, 3660, 510, 195, 9.75}, {43, kTee, 4260, 3600, 465, 240, 12},
};

std::vector<Box> expectedBoxes(int sheet) {
    switch (sheet) {
    case 0:
        return kSheet0Boxes;
    case 3:
        return kSheet3Boxes;
    case 4:
        return kSheet4Boxes;
    default: {
        std::vector<Box> boxes;
        for (const TwinBox& t : kTwinBoxes) {
            boxes.push_back(
                sheet == 1
                    ? Box{t.control20k, t.field20k, t.left, t.top, t.width, t.height, t.caption}
                    : Box{t.control30k, t.field30k, t.left, t.top, t.width, t.height, t.caption});
        }
        return boxes;
    }
    }
}

const std::vector<Caption>& expectedCaptions(int sheet) {
    static const std::vector<const std::vector<Caption>*> all{
        &kSheet0Captions, &kSheet1Captions, &kSheet2Captions, &kSheet3Captions, &kSheet4Captions};
    return *all.at(static_cast<std::size_t>(sheet));
}

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
