// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#include "SheetDefinitions.h"

#include <array>
#include <cmath>
#include <stdexcept>
#include <string_view>
#include <utility>

namespace tavrin {
namespace {

// Every place is written once; widths, heights and font sizes follow from the
// rules below.

constexpr int kValueBoxHeight = 300;
constexpr double kValueBoxPoints = 12.0;

constexpr int kSizeBoxTop = 7140;
constexpr int kSizeBoxHeight = 375;
constexpr double kSizeBoxPoints = 14.25;

struct SizeBoxRow {
    const char* control;
    const char* field;
    int left;
};

constexpr std::array kSizeBoxes{
    SizeBoxRow{"Label1", "A", 120},
    SizeBoxRow{"Label2", "B", 1380},
};

struct WidthRule {
    std::string_view code;
    int width;
};

constexpr int kDefaultValueBoxWidth = 675;
constexpr std::array kWidthRules{
    WidthRule{"A", 1215}, WidthRule{"B", 1215}, WidthRule{"Ha", 1035},
    WidthRule{"M", 810},  WidthRule{"H", 795},
};

constexpr std::array<std::string_view, 6> kClassSuffixes{"-05k", "-10k", "-20k",
                                                         "-30k", "-40k", "-63k"};

// Caption texts. The unit mark's colon is U+FF1A; "チ－" ends in U+FF0D; the
// fittings' names use full-width digits and U+00B0.
constexpr std::string_view kUnitMark = "単位：mm";
constexpr std::string_view k5k = "5k";
constexpr std::string_view k10k = "10k";
constexpr std::string_view k40k = "40k";
constexpr std::string_view k63k = "63k";
constexpr std::string_view k65AUp = "65A以上";
constexpr std::string_view kTee = "チ－";
constexpr std::string_view kElbow90 = "９０°エルボ";
constexpr std::string_view kElbow45 = "４５°エルボ";
constexpr std::string_view kLong = "ロング";
constexpr std::string_view kShort = "ショート";

// A caption label takes the size of its text; the design size and the font
// size go with the caption.
struct CaptionStyle {
    std::string_view caption;
    double points;
    int width;
    int height;
};

constexpr std::array kCaptionStyles{
    CaptionStyle{k5k, 11.25, 225, 225},      CaptionStyle{k10k, 11.25, 345, 225},
    CaptionStyle{k40k, 11.25, 345, 225},     CaptionStyle{k63k, 11.25, 345, 225},
    CaptionStyle{kUnitMark, 12.0, 960, 240}, CaptionStyle{k65AUp, 12.0, 870, 240},
    CaptionStyle{kTee, 12.0, 465, 240},      CaptionStyle{kElbow90, 9.75, 1020, 195},
    CaptionStyle{kElbow45, 9.75, 1020, 195}, CaptionStyle{kLong, 9.75, 510, 195},
    CaptionStyle{kShort, 9.75, 600, 195},
};

struct BoxRow {
    const char* control;
    const char* field;
    int left;
    int top;
};

struct CaptionRow {
    int index;
    std::string_view caption;
    int left;
    int top;
};

// Sheet 0: classes 5k and 10k.
constexpr std::array kSheet0Boxes{
    BoxRow{"Label15", "Ha-05k", 780, 330},   BoxRow{"Label16", "Ha-10k", 780, 660},
    BoxRow{"Label17", "H-05k", 780, 1005},   BoxRow{"Label18", "H-10k", 780, 1335},
    BoxRow{"Label8", "Da", 2715, 1020},      BoxRow{"Label11", "T-05k", 5175, 855},
    BoxRow{"Label12", "T-10k", 5175, 1230},  BoxRow{"Label5", "C-05k", 2220, 2985},
    BoxRow{"Label6", "C-10k", 3465, 2985},   BoxRow{"Label3", "D-05k", 2220, 3525},
    BoxRow{"Label4", "D-10k", 3465, 3525},   BoxRow{"Label9", "Db-05k", 2880, 4185},
    BoxRow{"Label10", "Db-10k", 2880, 4560}, BoxRow{"Label13", "Ta-05k", 5220, 4380},
    BoxRow{"Label14", "Ta-10k", 5220, 4755},
};

constexpr std::array kSheet0Captions{
    CaptionRow{0, kUnitMark, 5700, 180}, CaptionRow{10, k5k, 1890, 390},
    CaptionRow{15, k10k, 1875, 720},     CaptionRow{11, k5k, 1650, 1050},
    CaptionRow{16, k10k, 1620, 1380},    CaptionRow{12, k5k, 4890, 915},
    CaptionRow{17, k10k, 4770, 1275},    CaptionRow{6, k5k, 1935, 3030},
    CaptionRow{7, k10k, 3075, 3015},     CaptionRow{4, k5k, 1935, 3570},
    CaptionRow{5, k10k, 3075, 3570},     CaptionRow{14, k5k, 2580, 4215},
    CaptionRow{19, k10k, 2475, 4590},    CaptionRow{13, k5k, 4920, 4425},
    CaptionRow{18, k10k, 4815, 4815},
};

// Sheets 1 and 2 (classes 20k and 30k) share one layout; a row names both
// sheets' controls, and a class-bound code gets the sheet's class suffix.
struct TwinBoxRow {
    const char* control20k;
    const char* control30k;
    const char* code;
    bool classBound;
    int left;
    int top;
};

constexpr std::array kTwinBoxes{
    TwinBoxRow{"Label19", "Label74", "Da", false, 2685, 1560},
    TwinBoxRow{"Label20", "Label73", "Db", true, 2685, 510},
    TwinBoxRow{"Label21", "Label72", "Ha", true, 735, 450},
    TwinBoxRow{"Label22", "Label71", "H", true, 735, 795},
    TwinBoxRow{"Label23", "Label70", "T", true, 4890, 870},
    TwinBoxRow{"Label24", "Label69", "Ta", true, 5430, 465},
    TwinBoxRow{"Label25", "Label68", "Tb", true, 5565, 2970},
    TwinBoxRow{"Label26", "Label67", "Dc", true, 2685, 2580},
    TwinBoxRow{"Label27", "Label66", "C", true, 2685, 3120},
    TwinBoxRow{"Label28", "Label65", "D", true, 2685, 3660},
    TwinBoxRow{"Label29", "Label64", "Dd", true, 2685, 4305},
    TwinBoxRow{"Label30", "Label63", "Tc", true, 3825, 4815},
};

struct TwinCaptionRow {
    int index20k;
    int index30k;
    std::string_view caption;
    int left;
    int top;
};

constexpr std::array kTwinCaptions{
    TwinCaptionRow{1, 45, kUnitMark, 5700, 6240},
    TwinCaptionRow{20, 44, k65AUp, 735, 4620},
};

// Sheet 3: classes 40k and 63k.
constexpr std::array kSheet3Boxes{
    BoxRow{"Label32", "Ha-40k", 765, 645},   BoxRow{"Label31", "Ha-63k", 765, 975},
    BoxRow{"Label34", "H-40k", 765, 1335},   BoxRow{"Label7", "H-63k", 765, 1665},
    BoxRow{"Label36", "Db-40k", 2850, 1455}, BoxRow{"Label35", "Db-63k", 2850, 1815},
    BoxRow{"Label33", "Da", 2700, 2880},     BoxRow{"Label48", "Ta-40k", 5445, 765},
    BoxRow{"Label47", "Ta-63k", 5445, 1140}, BoxRow{"Label45", "T-40k", 4890, 1605},
    BoxRow{"Label46", "T-63k", 4890, 1980},  BoxRow{"Label43", "Tb-40k", 5640, 4320},
    BoxRow{"Label44", "Tb-63k", 5640, 4695}, BoxRow{"Label42", "Dc-40k", 2895, 4050},
    BoxRow{"Label41", "Dc-63k", 2895, 4410}, BoxRow{"Label38", "C-40k", 2265, 4995},
    BoxRow{"Label37", "C-63k", 3510, 4995},  BoxRow{"Label40", "D-40k", 2265, 5580},
    BoxRow{"Label39", "D-63k", 3510, 5580},
};

constexpr std::array kSheet3Captions{
    CaptionRow{2, kUnitMark, 5700, 180}, CaptionRow{21, k40k, 1860, 690},
    CaptionRow{22, k63k, 1860, 1005},    CaptionRow{9, k40k, 1635, 1395},
    CaptionRow{8, k63k, 1635, 1710},     CaptionRow{23, k40k, 2445, 1500},
    CaptionRow{24, k63k, 2445, 1845},    CaptionRow{27, k40k, 4995, 795},
    CaptionRow{28, k63k, 4995, 1155},    CaptionRow{29, k40k, 4485, 1635},
    CaptionRow{30, k63k, 4485, 1995},    CaptionRow{31, k40k, 6375, 4365},
    CaptionRow{32, k63k, 6375, 4710},    CaptionRow{25, k40k, 2490, 4080},
    CaptionRow{26, k63k, 2490, 4440},    CaptionRow{33, k40k, 1845, 5040},
    CaptionRow{34, k63k, 3105, 5040},    CaptionRow{35, k40k, 1845, 5625},
    CaptionRow{36, k63k, 3105, 5625},
};

// Sheet 4: elbows and tee.
constexpr std::array kSheet4Boxes{
    BoxRow{"Label49", "Dp", 2790, 555},  BoxRow{"Label50", "M", 2190, 2460},
    BoxRow{"Label51", "M", 1155, 2460},  BoxRow{"Label52", "N", 3660, 2700},
    BoxRow{"Label53", "N", 5400, 2460},  BoxRow{"Label54", "Dp", 5940, 900},
    BoxRow{"Label55", "P", 5520, 3600},  BoxRow{"Label56", "Dp", 5880, 5940},
    BoxRow{"Label57", "P", 4635, 5940},  BoxRow{"Label58", "P", 3615, 5940},
    BoxRow{"Label59", "Dp", 2475, 4110}, BoxRow{"Label60", "M", 1020, 6075},
    BoxRow{"Label61", "O", 285, 3765},   BoxRow{"Label62", "O", 180, 6075},
};

constexpr std::array kSheet4Captions{
    CaptionRow{3, kUnitMark, 5700, 180}, CaptionRow{37, kElbow90, 600, 300},
    CaptionRow{38, kLong, 600, 480},     CaptionRow{39, kElbow90, 3960, 540},
    CaptionRow{40, kShort, 3960, 720},   CaptionRow{41, kElbow45, 1920, 3480},
    CaptionRow{42, kLong, 1920, 3660},   CaptionRow{43, kTee, 4260, 3600},
};

// The dot of "5k･10k", "40･63k" and "ｴﾙﾎﾞ･ﾁｰ" is U+FF65, the tilde of the
// descriptions U+FF5E.
struct SheetRow {
    const char* tabCaption;
    const char* pictureBox;
    const char* drawing;
    int drawingWidth;
    int drawingHeight;
    const char* description;
};

constexpr std::array kSheetRows{
    SheetRow{"JIS 5k･10k", "Picture1", "sheet0", 518, 509,
             "JIS 5,10k 10A～1000A [JIS B 2220(1990)]"},
    SheetRow{"JIS 20k", "Picture2", "sheet12", 537, 543, "JIS 20k 10A～600A [JIS B 2220(1990)]"},
    SheetRow{"JIS 30k", "Picture5", "sheet12", 537, 543, "JIS 30k 10A～500A [JIS B 2220(1990)]"},
    SheetRow{"JIS 40･63k", "Picture3", "sheet3", 538, 499,
             "JIS 40,63k 15A～400A [JIS B 2210(1984)]"},
    SheetRow{"ｴﾙﾎﾞ･ﾁｰ", "Picture4", "sheet4", 549, 529,
             "JIS ｴﾙﾎﾞ･ﾁｰ 10A～1000A [JIS B 2313(1991)]"},
};

const std::array<const char*, 62> kDimensionFields{
    "A",     "B",      "Da",                                                       //
    "D-05k", "C-05k",  "T-05k",  "Ta-05k", "Db-05k", "Ha-05k", "H-05k",            //
    "D-10k", "C-10k",  "T-10k",  "Ta-10k", "Db-10k", "Ha-10k", "H-10k",            //
    "D-20k", "C-20k",  "T-20k",  "Ta-20k", "Tb-20k", "Db-20k", "Dc-20k", "Ha-20k", //
    "H-20k", "Dd-20k", "Tc-20k",                                                   //
    "D-30k", "C-30k",  "T-30k",  "Ta-30k", "Tb-30k", "Db-30k", "Dc-30k", "Ha-30k", //
    "H-30k", "Dd-30k", "Tc-30k",                                                   //
    "D-40k", "C-40k",  "T-40k",  "Ta-40k", "Tb-40k", "Db-40k", "Dc-40k", "Ha-40k", //
    "H-40k",                                                                       //
    "D-63k", "C-63k",  "T-63k",  "Ta-63k", "Tb-63k", "Db-63k", "Dc-63k", "Ha-63k", //
    "H-63k",                                                                       //
    "Dp",    "M",      "N",      "O",      "P",                                    //
};

ValueBoxDef valueBox(std::string control, std::string field, int left, int top) {
    ValueBoxDef box;
    box.control = std::move(control);
    box.field = std::move(field);
    box.left = left;
    box.top = top;
    box.width = valueBoxWidth(box.field);
    box.height = kValueBoxHeight;
    box.points = kValueBoxPoints;
    return box;
}

const CaptionStyle& captionStyle(std::string_view caption) {
    for (const auto& style : kCaptionStyles) {
        if (style.caption == caption) {
            return style;
        }
    }
    // Every caption of the tables above has a style; an unknown one is a typo.
    throw std::logic_error("no caption style for a caption label");
}

CaptionLabelDef captionLabel(int index, std::string_view caption, int left, int top) {
    const CaptionStyle& style = captionStyle(caption);
    CaptionLabelDef label;
    label.index = index;
    label.caption = std::string(caption);
    label.left = left;
    label.top = top;
    label.width = style.width;
    label.height = style.height;
    label.points = style.points;
    return label;
}

template <typename Rows> std::vector<ValueBoxDef> valueBoxes(const Rows& rows) {
    std::vector<ValueBoxDef> boxes;
    for (const BoxRow& row : rows) {
        boxes.push_back(valueBox(row.control, row.field, row.left, row.top));
    }
    return boxes;
}

template <typename Rows> std::vector<CaptionLabelDef> captionLabels(const Rows& rows) {
    std::vector<CaptionLabelDef> labels;
    for (const CaptionRow& row : rows) {
        labels.push_back(captionLabel(row.index, row.caption, row.left, row.top));
    }
    return labels;
}

// The twin layout for sheet 1 (twin 0, class 20k) or sheet 2 (twin 1, class 30k).
std::vector<ValueBoxDef> twinValueBoxes(int twin) {
    const std::string suffix = twin == 0 ? "-20k" : "-30k";
    std::vector<ValueBoxDef> boxes;
    for (const TwinBoxRow& row : kTwinBoxes) {
        std::string field = row.code;
        if (row.classBound) {
            field += suffix;
        }
        boxes.push_back(valueBox(twin == 0 ? row.control20k : row.control30k, std::move(field),
                                 row.left, row.top));
    }
    return boxes;
}

std::vector<CaptionLabelDef> twinCaptionLabels(int twin) {
    std::vector<CaptionLabelDef> labels;
    for (const TwinCaptionRow& row : kTwinCaptions) {
        labels.push_back(
            captionLabel(twin == 0 ? row.index20k : row.index30k, row.caption, row.left, row.top));
    }
    return labels;
}

std::vector<ValueBoxDef> sizeBoxes(int sheet) {
    std::vector<ValueBoxDef> boxes;
    for (const SizeBoxRow& row : kSizeBoxes) {
        ValueBoxDef box = valueBox(row.control, row.field, row.left, kSizeBoxTop);
        box.index = sheet;
        box.height = kSizeBoxHeight;
        box.points = kSizeBoxPoints;
        boxes.push_back(std::move(box));
    }
    return boxes;
}

std::vector<SheetDef> buildSheets() {
    std::vector<SheetDef> sheets;
    for (int i = 0; i < static_cast<int>(kSheetRows.size()); ++i) {
        const SheetRow& row = kSheetRows[static_cast<std::size_t>(i)];
        SheetDef sheet;
        sheet.index = i;
        sheet.tabCaption = row.tabCaption;
        sheet.pictureBox = row.pictureBox;
        sheet.drawing = row.drawing;
        sheet.drawingWidth = row.drawingWidth;
        sheet.drawingHeight = row.drawingHeight;
        sheet.description = row.description;
        sheet.sizeBoxes = sizeBoxes(i);
        sheets.push_back(std::move(sheet));
    }
    sheets[0].valueBoxes = valueBoxes(kSheet0Boxes);
    sheets[0].captionLabels = captionLabels(kSheet0Captions);
    for (int twin = 0; twin < 2; ++twin) {
        sheets[static_cast<std::size_t>(1 + twin)].valueBoxes = twinValueBoxes(twin);
        sheets[static_cast<std::size_t>(1 + twin)].captionLabels = twinCaptionLabels(twin);
    }
    sheets[3].valueBoxes = valueBoxes(kSheet3Boxes);
    sheets[3].captionLabels = captionLabels(kSheet3Captions);
    sheets[4].valueBoxes = valueBoxes(kSheet4Boxes);
    sheets[4].captionLabels = captionLabels(kSheet4Captions);
    return sheets;
}

} // namespace

std::string ValueBoxDef::designCaption() const {
    return stripClassSuffix(field);
}

const std::vector<SheetDef>& sheetDefinitions() {
    static const std::vector<SheetDef> sheets = buildSheets();
    return sheets;
}

std::string sheetDescription(int index) {
    const auto& sheets = sheetDefinitions();
    if (index < 0 || index >= static_cast<int>(sheets.size())) {
        return {};
    }
    return sheets[static_cast<std::size_t>(index)].description;
}

std::string stripClassSuffix(const std::string& field) {
    const std::string_view name(field);
    for (std::string_view suffix : kClassSuffixes) {
        if (name.size() > suffix.size() && name.ends_with(suffix)) {
            return std::string(name.substr(0, name.size() - suffix.size()));
        }
    }
    return field;
}

int pointsToPixels(double points) {
    return static_cast<int>(std::lround(points * 96.0 / 72.0));
}

int valueBoxWidth(const std::string& field) {
    const std::string code = stripClassSuffix(field);
    for (const WidthRule& rule : kWidthRules) {
        if (rule.code == code) {
            return rule.width;
        }
    }
    return kDefaultValueBoxWidth;
}

const std::vector<std::string>& dimensionFields() {
    static const std::vector<std::string> fields(kDimensionFields.begin(), kDimensionFields.end());
    return fields;
}

} // namespace tavrin
