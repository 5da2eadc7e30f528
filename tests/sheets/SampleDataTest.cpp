// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

// The bundled sample table must match the record the sheets bind to: a header
// that drifts from the field names leaves boxes empty without any error.

#include "SheetDefinitions.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace tavrin {
namespace {

std::vector<std::string> splitLine(const std::string& line) {
    std::vector<std::string> cells;
    std::string cell;
    std::istringstream in(line);
    while (std::getline(in, cell, ',')) {
        cells.push_back(cell);
    }
    if (!line.empty() && line.back() == ',') {
        cells.emplace_back();
    }
    return cells;
}

std::vector<std::vector<std::string>> readSample() {
    std::ifstream file(TAVRIN_SAMPLE_CSV, std::ios::binary);
    EXPECT_TRUE(file.good()) << TAVRIN_SAMPLE_CSV;
    std::vector<std::vector<std::string>> rows;
    std::string line;
    while (std::getline(file, line)) {
        EXPECT_EQ(line.find('\r'), std::string::npos);
        EXPECT_EQ(line.find('"'), std::string::npos); // nothing needs quoting
        rows.push_back(splitLine(line));
    }
    return rows;
}

TEST(SampleData, HeaderIsTheDimensionRecordAndEveryRowHasAllFields) {
    const auto rows = readSample();
    ASSERT_GE(rows.size(), 2u);
    EXPECT_EQ(rows.front(), dimensionFields());
    std::set<std::string> sizes;
    for (std::size_t r = 1; r < rows.size(); ++r) {
        SCOPED_TRACE(r);
        ASSERT_EQ(rows[r].size(), dimensionFields().size());
        const std::string& a = rows[r][0];
        const std::string& b = rows[r][1];
        EXPECT_TRUE(!a.empty() && a.back() == 'A') << a;
        EXPECT_TRUE(b.empty() || b.back() == 'B') << b; // empty: not filled in
        EXPECT_TRUE(sizes.insert(a).second) << "size twice: " << a;
    }
}

} // namespace
} // namespace tavrin
