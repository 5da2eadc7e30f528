// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

// The bundled dimension table read as plain data, with the checks that catch
// a slip in a copy or in typing: the sizes and their order, the geometry every
// flange keeps, the bolt each hole takes, the raised-face height between T and
// Ta, every column rising with the size, the relations of the fittings'
// lengths, the pipe series of the fitting ends, and the sizes each column is
// filled over. A rule holds wherever its cells are filled, so a column entered
// later is checked as soon as it is there. The checks guard the figures; they
// never supply one.

#include "CsvTable.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <fstream>
#include <map>
#include <numbers>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <vector>

namespace tavrin {
namespace {

// The table by field name and nominal size (the number of its A designation).
class Kelvor {
public:
    Kelvor() {
        std::ifstream file(TAVRIN_KELVOR_CSV, std::ios::binary);
        table_ = readCsvTable(file, "Kelvor");
        for (std::size_t c = 0; c < table_.columns.size(); ++c) {
            column_[table_.columns[c].name] = c;
        }
    }

    const JetTable& table() const { return table_; }
    std::size_t rows() const { return table_.rows.size(); }

    // The nominal size of row `r`: "150A" is 150.
    int size(std::size_t r) const { return std::stoi(cell(r, "A").value_or("0")); }

    bool has(const std::string& field) const { return column_.contains(field); }

    std::optional<std::string> cell(std::size_t r, const std::string& field) const {
        return table_.rows.at(r).at(column_.at(field));
    }

    // The sizes whose cell of `field` is filled.
    std::set<int> filled(const std::string& field) const {
        std::set<int> sizes;
        for (std::size_t r = 0; r < rows(); ++r) {
            if (cell(r, field)) {
                sizes.insert(size(r));
            }
        }
        return sizes;
    }

private:
    JetTable table_;
    std::map<std::string, std::size_t> column_;
};

const Kelvor& kelvor() {
    static const Kelvor table;
    return table;
}

std::optional<double> number(const std::optional<std::string>& text) {
    if (!text) {
        return std::nullopt;
    }
    double value = 0;
    const char* end = text->data() + text->size();
    const auto [last, error] = std::from_chars(text->data(), end, value);
    if (error != std::errc() || last != end) {
        return std::nullopt;
    }
    return value;
}

// "1 1/2B" as inches; nullopt for anything else.
std::optional<double> inches(const std::string& b) {
    if (b.empty() || b.back() != 'B') {
        return std::nullopt;
    }
    const std::string text = b.substr(0, b.size() - 1);
    const std::size_t space = text.find(' ');
    const std::string whole = space == std::string::npos
                                  ? (text.find('/') == std::string::npos ? text : "0")
                                  : text.substr(0, space);
    const std::string fraction = space == std::string::npos
                                     ? (text.find('/') == std::string::npos ? "" : text)
                                     : text.substr(space + 1);
    double value = number(whole).value_or(-1);
    if (!fraction.empty()) {
        const std::size_t slash = fraction.find('/');
        const auto top = number(fraction.substr(0, slash));
        const auto bottom =
            slash == std::string::npos ? std::nullopt : number(fraction.substr(slash + 1));
        if (!top || !bottom || *bottom == 0) {
            return std::nullopt;
        }
        value += *top / *bottom;
    }
    return value > 0 ? std::optional<double>(value) : std::nullopt;
}

// The nominal sizes of JIS, in A designations: the table's rows, in order.
const std::vector<int> kSizes = {10,  15,  20,  25,  32,  40,  50,  65,  80,  90,  100,
                                 125, 150, 175, 200, 225, 250, 300, 350, 400, 450, 500,
                                 550, 600, 650, 700, 750, 800, 850, 900, 1000};

std::set<int> sizesFrom(int first, int last, std::set<int> missing = {}) {
    std::set<int> sizes;
    for (const int size : kSizes) {
        if (size >= first && size <= last && !missing.contains(size)) {
            sizes.insert(size);
        }
    }
    return sizes;
}

TEST(KelvorTable, HoldsEveryNominalSizeOnceInAscendingOrder) {
    const Kelvor& table = kelvor();
    ASSERT_EQ(table.rows(), kSizes.size());
    std::optional<double> previousInches;
    for (std::size_t r = 0; r < table.rows(); ++r) {
        SCOPED_TRACE(r);
        EXPECT_EQ(table.cell(r, "A"), std::to_string(kSizes[r]) + "A");
        const auto b = table.cell(r, "B");
        if (!b) {
            continue;
        }
        const auto value = inches(*b);
        ASSERT_TRUE(value) << *b;
        if (previousInches) {
            EXPECT_GT(*value, *previousInches) << *b;
        }
        previousInches = value;
    }
}

TEST(KelvorTable, EveryDimensionIsAPositiveNumber) {
    const Kelvor& table = kelvor();
    for (std::size_t c = 0; c < table.table().columns.size(); ++c) {
        const std::string& name = table.table().columns[c].name;
        if (name == "A" || name == "B" || name.starts_with("Ha-") || name.starts_with("H-")) {
            continue;
        }
        for (std::size_t r = 0; r < table.rows(); ++r) {
            const auto text = table.cell(r, name);
            if (text) {
                const auto value = number(text);
                EXPECT_TRUE(value && *value > 0)
                    << name << " at " << table.size(r) << "A: " << *text;
            }
        }
    }
}

// The bolt thread the flange tables pair with each bolt-hole diameter.
const std::map<int, std::string> kBoltForHole = {
    {12, "M10"}, {15, "M12"}, {19, "M16"}, {23, "M20"}, {25, "M22"},
    {27, "M24"}, {30, "M27"}, {33, "M30"}, {36, "M33"}, {39, "M36"},
};

// Height of the raised face (the gasket-seat table's f) at a nominal size,
// the same for 5K, 10K and 20K up to 600A.
int raisedFaceHeight(int size) {
    return size <= 25 ? 1 : size <= 250 ? 2 : 3;
}

// One row of one flange class, with the bolt-hole callout taken apart.
struct FlangeRow {
    int size = 0;
    std::optional<double> d, c, t, ta, db, dp;
    std::optional<int> holes, hole;
    std::optional<std::string> thread;
};

// A rule every flange row keeps wherever the cells it reads are filled:
// nullopt when they are not, else whether the row keeps it.
struct FlangeCheck {
    const char* name;
    std::optional<bool> (*holds)(const FlangeRow&);
};

const std::vector<FlangeCheck> kFlangeChecks = {
    {"D > C + hole",
     [](const FlangeRow& r) -> std::optional<bool> {
         if (!r.d || !r.c || !r.hole) {
             return std::nullopt;
         }
         return *r.d > *r.c + *r.hole;
     }},
    {"C - hole > Dp (the pipe passes inside the bolt holes)",
     [](const FlangeRow& r) -> std::optional<bool> {
         if (!r.c || !r.hole || !r.dp) {
             return std::nullopt;
         }
         return *r.c - *r.hole > *r.dp;
     }},
    {"Db < C - hole (the raised face stays inside the bolt holes)",
     [](const FlangeRow& r) -> std::optional<bool> {
         if (!r.db || !r.c || !r.hole) {
             return std::nullopt;
         }
         return *r.db < *r.c - *r.hole;
     }},
    {"the thread fits its hole",
     [](const FlangeRow& r) -> std::optional<bool> {
         if (!r.thread) {
             return std::nullopt;
         }
         return r.hole && kBoltForHole.contains(*r.hole) && kBoltForHole.at(*r.hole) == *r.thread;
     }},
    {"a hole diameter the flange tables use",
     [](const FlangeRow& r) -> std::optional<bool> {
         if (!r.hole) {
             return std::nullopt;
         }
         return kBoltForHole.contains(*r.hole);
     }},
    {"holes come in fours",
     [](const FlangeRow& r) -> std::optional<bool> {
         if (!r.holes) {
             return std::nullopt;
         }
         return *r.holes % 4 == 0;
     }},
    {"Ta = T + f",
     [](const FlangeRow& r) -> std::optional<bool> {
         if (!r.t || !r.ta) {
             return std::nullopt;
         }
         return *r.ta - *r.t == raisedFaceHeight(r.size);
     }},
    {"T > 0 under the raised face",
     [](const FlangeRow& r) -> std::optional<bool> {
         if (!r.t) {
             return std::nullopt;
         }
         return *r.t > 0;
     }},
};

struct FlangeClass {
    std::string suffix;
    std::pair<int, int> range; // the sizes its sheet names
};

const std::vector<FlangeClass> kClasses = {
    {"05k", {10, 1000}}, {"10k", {10, 1000}}, {"20k", {10, 600}},
    {"30k", {10, 500}},  {"40k", {15, 400}},  {"63k", {15, 400}},
};

void PrintTo(const FlangeClass& flange, std::ostream* out) {
    *out << flange.suffix;
}

class FlangeColumns : public ::testing::TestWithParam<FlangeClass> {};

TEST_P(FlangeColumns, KeepTheGeometryOfAFlange) {
    const FlangeClass& flange = GetParam();
    const Kelvor& table = kelvor();
    const auto field = [&](const char* code) { return std::string(code) + "-" + flange.suffix; };
    for (std::size_t r = 0; r < table.rows(); ++r) {
        FlangeRow row;
        row.size = table.size(r);
        SCOPED_TRACE(std::to_string(row.size) + "A " + flange.suffix);
        row.d = number(table.cell(r, field("D")));
        row.c = number(table.cell(r, field("C")));
        row.t = number(table.cell(r, field("T")));
        row.ta = number(table.cell(r, field("Ta")));
        row.db = number(table.cell(r, field("Db")));
        row.dp = number(table.cell(r, "Dp"));
        row.thread = table.cell(r, field("H"));
        if (const auto ha = table.cell(r, field("Ha"))) {
            // "8-φ19": the number of holes, then their diameter.
            const std::string phi = "-\u03C6";
            const std::size_t at = ha->find(phi);
            ASSERT_NE(at, std::string::npos) << *ha;
            row.holes = std::stoi(ha->substr(0, at));
            row.hole = std::stoi(ha->substr(at + phi.size()));
            EXPECT_EQ(*ha, std::to_string(*row.holes) + phi + std::to_string(*row.hole));
        }
        for (const FlangeCheck& check : kFlangeChecks) {
            const auto holds = check.holds(row);
            EXPECT_TRUE(holds.value_or(true)) << check.name;
        }
    }
}

TEST_P(FlangeColumns, StayWithinTheRangeTheSheetNames) {
    const FlangeClass& flange = GetParam();
    const auto [first, last] = flange.range;
    const Kelvor& table = kelvor();
    for (const auto& column : table.table().columns) {
        if (column.name.ends_with("-" + flange.suffix)) {
            for (const int size : table.filled(column.name)) {
                EXPECT_TRUE(size >= first && size <= last) << column.name << " at " << size << "A";
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Classes, FlangeColumns, ::testing::ValuesIn(kClasses),
                         [](const auto& info) { return "Class" + info.param.suffix; });

// Every dimension grows with the nominal size: strictly for diameters,
// never shrinking for thicknesses and fitting lengths (small sizes share
// them). A slip of one digit breaks the order. T is left to "Ta = T + f":
// it is the table's thickness less the raised face, and the raised face
// grows from 2 to 3 mm at 300A where the thickness may stay the same.
TEST(KelvorTable, EveryColumnRisesWithTheSize) {
    const Kelvor& table = kelvor();
    for (const auto& column : table.table().columns) {
        const std::string& name = column.name;
        if (name == "A" || name == "B" || name.starts_with("H-") || name.starts_with("T-")) {
            continue;
        }
        const bool callout = name.starts_with("Ha-");
        const bool strict = !callout && (name.starts_with("D") || name.starts_with("C-"));
        std::optional<double> previous;
        for (std::size_t r = 0; r < table.rows(); ++r) {
            const auto text = table.cell(r, name);
            // The callout rises by its number of holes; the hole itself may
            // shrink when the number of holes doubles.
            const auto value =
                callout && text ? number(text->substr(0, text->find('-'))) : number(text);
            if (!value) {
                continue;
            }
            if (previous) {
                if (strict) {
                    EXPECT_GT(*value, *previous) << name << " at " << table.size(r) << "A";
                } else {
                    EXPECT_GE(*value, *previous) << name << " at " << table.size(r) << "A";
                }
            }
            previous = value;
        }
    }
}

// The sizes each column is filled over: what the copies of the tables give
// and the filling rule keeps (data/SOURCES.md says why each gap is empty).
// A figure added or lost by accident changes one of these sets.
struct Coverage {
    std::vector<std::string> columns;
    std::set<int> sizes;
};

const std::set<int> kNoSizes;
const std::set<int> kAll = sizesFrom(10, 1000);
const std::set<int> k20k = sizesFrom(10, 600, {175, 225});
const std::set<int> k30k = sizesFrom(10, 250, {65, 80, 90, 100, 175, 200, 225});
const std::set<int> k40k = sizesFrom(15, 400, {175, 225});

const std::vector<Coverage> kCoverage = {
    {{"A", "B", "Dp", "D-05k", "C-05k", "Db-05k", "T-10k", "Ta-10k", "Db-10k"}, kAll},
    {{"Da"}, sizesFrom(10, 1000, {90, 175, 225, 250, 850})},
    {{"T-05k", "Ta-05k"}, sizesFrom(10, 1000, {650, 750, 850})},
    {{"Ha-05k"}, sizesFrom(10, 900)},
    {{"H-05k"}, sizesFrom(10, 300)},
    {{"H-20k"}, sizesFrom(10, 300, {175, 225})},
    {{"D-10k", "C-10k"}, sizesFrom(10, 1000, {175})},
    {{"Ha-10k"}, sizesFrom(10, 1000, {175, 225, 550, 800})},
    {{"H-10k"}, sizesFrom(10, 300, {175, 225})},
    {{"D-20k", "C-20k", "T-20k", "Ta-20k", "Db-20k", "Ha-20k"}, k20k},
    {{"D-30k", "C-30k", "Ha-30k"}, k30k},
    {{"Db-30k"}, sizesFrom(10, 250, {65, 80, 100, 175, 200, 225})},
    {{"D-40k", "C-40k", "Ha-40k"}, k40k},
    {{"Db-40k"}, sizesFrom(15, 40)},
    {{"M"}, sizesFrom(15, 700, {225})},
    {{"N"}, sizesFrom(25, 500, {175, 225})},
    {{"O"}, sizesFrom(15, 500, {225})},
    {{"P"}, sizesFrom(15, 700, {175, 225})},
    {{"Tb-20k", "Dc-20k", "Dd-20k", "Tc-20k", "T-30k",  "Ta-30k", "Tb-30k", "Dc-30k", "H-30k",
      "Dd-30k", "Tc-30k", "T-40k",  "Ta-40k", "Tb-40k", "Dc-40k", "H-40k",  "D-63k",  "C-63k",
      "T-63k",  "Ta-63k", "Tb-63k", "Db-63k", "Dc-63k", "Ha-63k", "H-63k"},
     kNoSizes},
};

TEST(KelvorTable, EachColumnIsFilledOverTheSizesItsCopiesGive) {
    const Kelvor& table = kelvor();
    std::set<std::string> named;
    for (const Coverage& coverage : kCoverage) {
        for (const std::string& column : coverage.columns) {
            EXPECT_TRUE(named.insert(column).second) << column << " listed twice";
            ASSERT_TRUE(table.has(column)) << column;
            EXPECT_EQ(table.filled(column), coverage.sizes) << column;
        }
    }
    for (const auto& column : table.table().columns) {
        EXPECT_TRUE(named.contains(column.name)) << column.name << " has no coverage";
    }
}

// The fittings' lengths against the inch size of their B designation: from
// 25A (1B) on, the 90° long elbow is 1.5 times the inch size and the short
// elbow once the inch size (15A and 20A take the 25A elbow); at every size
// the 45° elbow is the long radius times tan 22.5°.
TEST(KelvorTable, FittingLengthsKeepTheirRelations) {
    const Kelvor& table = kelvor();
    const double tan225 = std::tan(std::numbers::pi / 8);
    for (std::size_t r = 0; r < table.rows(); ++r) {
        SCOPED_TRACE(std::to_string(table.size(r)) + "A");
        const auto inch = table.cell(r, "B") ? inches(*table.cell(r, "B")) : std::nullopt;
        const auto m = number(table.cell(r, "M"));
        const auto n = number(table.cell(r, "N"));
        const auto o = number(table.cell(r, "O"));
        if (m && inch && *inch >= 1) {
            EXPECT_NEAR(*m, 1.5 * *inch * 25.4, 0.1) << "M";
        }
        if (n && inch && *inch >= 1) {
            EXPECT_NEAR(*n, *inch * 25.4, 0.1) << "N";
        }
        if (m && o) {
            EXPECT_NEAR(*o, *m * tan225, 0.1) << "O";
        }
        if (o) {
            EXPECT_TRUE(m) << "an O without the M it is measured on";
        }
    }
}

// The outside diameter of the pipe of each nominal size, the series the
// fitting ends are made to: JIS G 3452 to 500A, the larger welded pipes above.
const std::map<int, std::string> kPipeOutsideDiameter = {
    {10, "17.3"},     {15, "21.7"},   {20, "27.2"},   {25, "34.0"},   {32, "42.7"},
    {40, "48.6"},     {50, "60.5"},   {65, "76.3"},   {80, "89.1"},   {90, "101.6"},
    {100, "114.3"},   {125, "139.8"}, {150, "165.2"}, {175, "190.7"}, {200, "216.3"},
    {225, "241.8"},   {250, "267.4"}, {300, "318.5"}, {350, "355.6"}, {400, "406.4"},
    {450, "457.2"},   {500, "508.0"}, {550, "558.8"}, {600, "609.6"}, {650, "660.4"},
    {700, "711.2"},   {750, "762.0"}, {800, "812.8"}, {850, "863.6"}, {900, "914.4"},
    {1000, "1016.0"},
};

TEST(KelvorTable, FittingEndsFollowThePipeSeries) {
    const Kelvor& table = kelvor();
    std::set<int> series;
    for (const auto& [size, diameter] : kPipeOutsideDiameter) {
        series.insert(size);
    }
    EXPECT_EQ(table.filled("Dp"), series);
    std::optional<double> previous;
    for (std::size_t r = 0; r < table.rows(); ++r) {
        const int size = table.size(r);
        const auto dp = table.cell(r, "Dp");
        if (!dp) {
            continue;
        }
        SCOPED_TRACE(std::to_string(size) + "A");
        if (kPipeOutsideDiameter.contains(size)) {
            EXPECT_EQ(*dp, kPipeOutsideDiameter.at(size));
        }
        const auto value = number(dp);
        ASSERT_TRUE(value);
        EXPECT_GT(*value, size) << "an outside diameter is larger than the nominal bore";
        EXPECT_EQ(dp->size() - dp->find('.'), 2U) << *dp << " is not written to one decimal";
        if (size >= 350) {
            // From 350A (14B) on, the outside diameter is the size in whole
            // inches (A / 25) times 25.4 mm.
            EXPECT_EQ(size % 25, 0);
            EXPECT_NEAR(*value, size / 25 * 25.4, 1e-6) << *dp;
        }
        if (previous) {
            EXPECT_GT(*value, *previous);
        }
        previous = value;
    }
}

} // namespace
} // namespace tavrin
