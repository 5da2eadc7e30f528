// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#include "ExpectedSheets.h"

namespace tavrin::expected {
namespace {

const std::u32string kUnit = U"\u5358\u4F4D\uFF1Amm";                // 単位：mm
const std::u32string k65A = U"65A\u4EE5\u4E0A";                      // 65A以上
const std::u32string kTee = U"\u30C1\uFF0D";                         // チ－
const std::u32string kE90 = U"\uFF19\uFF10\u00B0\u30A8\u30EB\u30DC"; // ９０°エルボ
const std::u32string kE45 = U"\uFF14\uFF15\u00B0\u30A8\u30EB\u30DC"; // ４５°エルボ
const std::u32string kLong = U"\u30ED\u30F3\u30B0";                  // ロング
const std::u32string kShort = U"\u30B7\u30E7\u30FC\u30C8";           // ショート

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

} // namespace

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

} // namespace tavrin::expected
