// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

// Files written by tavrin_jetwriter, read back by mdbtools (libmdb and its
// commands) for both file versions.

#include "CsvTable.h"
#include "JetWriter.h"
#include "MdbReadBack.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <unistd.h>

namespace tavrin {
namespace {

namespace fs = std::filesystem;
using test::Rows;

using Row = std::vector<std::optional<std::string>>;
constexpr std::nullopt_t Null = std::nullopt;

class JetRoundTrip : public ::testing::TestWithParam<JetVersion> {
protected:
    void SetUp() override {
        unsetenv("MDB_JET3_CHARSET");
        std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        std::replace(name.begin(), name.end(), '/', '-');
        dir_ =
            fs::temp_directory_path() / ("jet-roundtrip-" + std::to_string(getpid()) + "-" + name);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string write(const JetTable& table) {
        const std::string path = (dir_ / "out.mdb").string();
        writeJetFile(path, GetParam(), table);
        return path;
    }

    static JetTable makeTable(std::vector<JetColumn> columns, Rows rows) {
        return JetTable{"Kelvor", std::move(columns), std::move(rows)};
    }

    // What mdb-export should print: the header, then the rows.
    static Rows withHeader(const JetTable& table, Rows rows) {
        Row header;
        for (const auto& c : table.columns)
            header.emplace_back(c.name);
        rows.insert(rows.begin(), header);
        return rows;
    }

    bool jet3() const { return GetParam() == JetVersion::Jet3; }

    fs::path dir_;
};

std::string number(double v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.10g", v);
    return buf;
}

std::string versionName(const ::testing::TestParamInfo<JetVersion>& info) {
    return info.param == JetVersion::Jet3 ? "Jet3" : "Jet4";
}

TEST_P(JetRoundTrip, TablesListsOnlyTheUserTableAndVersionIsRecorded) {
    const std::string path = write(makeTable({{"A", JetType::Text}}, {{"x"}}));
    EXPECT_EQ(test::runCommand("mdb-tables -1 '" + path + "'").output, "Kelvor\n");
    EXPECT_EQ(test::runCommand("mdb-tables -S -1 '" + path + "'").output, "MSysObjects\nKelvor\n");
    EXPECT_EQ(test::runCommand("mdb-ver '" + path + "'").output, jet3() ? "JET3\n" : "JET4\n");
    const auto back = test::readWithLibmdb(path, "Kelvor");
    EXPECT_EQ(back.codePage, 932);
    EXPECT_EQ(back.sortOrder, 0x0411); // Japanese
}

TEST_P(JetRoundTrip, MixedColumnsJapaneseTextAndNullsComeBack) {
    const JetTable table =
        makeTable({{"Ha-05k", JetType::Text},
                   {"Db-10k", JetType::Integer},
                   {"L", JetType::Long},
                   {"S", JetType::Single},
                   {"D", JetType::Double}},
                  {
                      {"ｴﾙﾎﾞ", "-32768", "-2147483648", "-1.5", "-0.001"},
                      {"φ19", "32767", "2147483647", "0.25", "12.5"},
                      {"4-M16", Null, Null, Null, Null},
                      {"単位：mm", "0", "0", "0", "0"},
                      {"say \"hi\", twice\nnext line", "7", "-7", "1e+10", "1e+300"},
                      {Null, Null, Null, Null, Null},
                  });
    const std::string path = write(table);
    const Rows expected = withHeader(table, table.rows);
    EXPECT_EQ(test::exportedRows(path, "Kelvor"), expected);

    const auto back = test::readWithLibmdb(path, "Kelvor");
    EXPECT_EQ(back.columnNames, (std::vector<std::string>{"Ha-05k", "Db-10k", "L", "S", "D"}));
    EXPECT_EQ(back.rows, table.rows);
    EXPECT_EQ(back.warnings, "");
    EXPECT_EQ(back.mappedPages, back.dataPages);
    EXPECT_EQ(back.numbers[0][1], -32768);
    EXPECT_EQ(back.numbers[0][2], -2147483648.0);
    EXPECT_EQ(back.numbers[0][4], -0.001);
}

// Memo values in each place the writer keeps one: in the row, in one row of
// a long value page, and in a chain of rows over several pages.
TEST_P(JetRoundTrip, MemoValuesComeBackFromEveryPlaceTheyAreKept) {
    const JetTable table = makeTable({{"A", JetType::Text}, {"M", JetType::Memo}},
                                     {
                                         {"in row", "短いメモ"},
                                         {"one row", std::string(300, 'm') + "終"},
                                         {"chain", std::string(9000, 'c') + "チェーン"},
                                         {"null", Null},
                                     });
    const auto back = test::readWithLibmdb(write(table), "Kelvor");
    EXPECT_EQ(back.rows, table.rows);
    EXPECT_EQ(back.warnings, "");
}

TEST_P(JetRoundTrip, SingleStoresSinglePrecision) {
    const JetTable table =
        makeTable({{"S", JetType::Single}, {"D", JetType::Double}},
                  {{"0.1", "0.1"}, {"16777217", "16777217"}, {"-3.4e38", "-1e-300"}});
    const std::string path = write(table);
    const auto back = test::readWithLibmdb(path, "Kelvor");
    ASSERT_EQ(back.numbers.size(), 3u);
    EXPECT_EQ(back.numbers[0][0], static_cast<double>(0.1f));
    EXPECT_NE(back.numbers[0][0], 0.1);
    EXPECT_EQ(back.numbers[0][1], 0.1);
    EXPECT_EQ(back.numbers[1][0], 16777216.0);
    EXPECT_EQ(back.numbers[1][1], 16777217.0);
    EXPECT_EQ(back.numbers[2][0], static_cast<double>(-3.4e38f));
    EXPECT_EQ(back.numbers[2][1], -1e-300);
    EXPECT_EQ(test::exportedRows(path, "Kelvor")[2], (Row{"16777216", "16777217"}));
}

TEST_P(JetRoundTrip, TenThousandRowsSpanManyDataPages) {
    // Short rows keep the page map inline; full-length texts need more pages
    // than an inline map covers, so the map points to bitmap pages instead.
    for (const std::size_t textLength : {3u, 250u}) {
        Rows rows;
        for (int i = 0; i < 10000; ++i)
            rows.push_back({std::to_string(i) + std::string(textLength, 'k'),
                            std::to_string(i - 5000),
                            i % 3 == 0 ? Row::value_type() : number(i * 0.25)});
        const JetTable table =
            makeTable({{"T", JetType::Text}, {"N", JetType::Long}, {"D", JetType::Double}}, rows);
        const std::string path = write(table);
        // An inline map covers 984 (Jet 3) or 472 (Jet 4) pages.
        const std::size_t pages = fs::file_size(path) / (jet3() ? 2048 : 4096);
        if (textLength > 100)
            EXPECT_GT(pages, jet3() ? 984u : 472u);
        else
            EXPECT_GT(pages, 50u);
        const Rows exported = test::exportedRows(path, "Kelvor");
        EXPECT_EQ(exported, withHeader(table, rows)) << "text length " << textLength;
        const auto back = test::readWithLibmdb(path, "Kelvor");
        EXPECT_EQ(back.rows.size(), 10000u);
        EXPECT_EQ(back.mappedPages, back.dataPages);
        EXPECT_EQ(back.warnings, "");
    }
}

TEST_P(JetRoundTrip, WideTableDefinitionSpansSeveralPages) {
    // Jet 3 rows count their columns in one byte: 255 is its most.
    const int count = jet3() ? 255 : 300;
    std::vector<JetColumn> columns;
    for (int i = 0; i < count; ++i)
        columns.push_back(
            {"Column-" + std::to_string(i), i % 4 == 0 ? JetType::Long : JetType::Text});
    Rows rows;
    for (int r = 0; r < 4; ++r) {
        Row row;
        for (int i = 0; i < count; ++i) {
            const bool null = (r + i) % 5 == 0;
            row.push_back(
                null ? Row::value_type()
                     : (i % 4 == 0 ? std::to_string(r * 1000 + i) : "v" + std::to_string(i)));
        }
        rows.push_back(row);
    }
    rows.push_back(Row(count, Null));
    const JetTable table = makeTable(columns, rows);
    const std::string path = write(table);
    const auto back = test::readWithLibmdb(path, "Kelvor");
    ASSERT_EQ(back.columnNames.size(), static_cast<std::size_t>(count));
    EXPECT_EQ(back.columnNames.back(), "Column-" + std::to_string(count - 1));
    EXPECT_EQ(back.rows, rows);
    EXPECT_EQ(test::exportedRows(path, "Kelvor"), withHeader(table, rows));
}

TEST_P(JetRoundTrip, RowAsLargeAsAPageHolds) {
    // Texts of 255 characters, compressed in Jet 4 to 257 bytes and 255 in Jet 3.
    const std::size_t perText = jet3() ? 255 : 257;
    const std::size_t limit = jet3() ? 2048 - 10 - 2 : 4096 - 14 - 2;
    const std::size_t count = jet3() ? 8 : 16;
    std::vector<JetColumn> columns;
    for (std::size_t i = 0; i < count; ++i)
        columns.push_back({"T" + std::to_string(i), JetType::Text});
    // Row overhead besides the texts: column count, offsets, variable count, Null mask.
    const std::size_t overhead = jet3() ? 1 + (count + 1) + 7 + 1 + 1 : 2 + 2 * (count + 1) + 2 + 2;
    Row row(count, std::string(255, 'x'));
    std::size_t last = limit - overhead - perText * (count - 1);
    if (!jet3())
        last -= 2; // the compression marker
    row.back() = std::string(last, 'y');
    const JetTable fits = makeTable(columns, {row, row});
    const std::string path = write(fits);
    EXPECT_EQ(test::readWithLibmdb(path, "Kelvor").rows, fits.rows);

    row.back() = std::string(last + 1, 'y');
    try {
        writeJetFile((dir_ / "too-big.mdb").string(), GetParam(), makeTable(columns, {row}));
        FAIL() << "a row larger than a page was written";
    } catch (const JetWriteError& e) {
        EXPECT_EQ(e.row(), 0u);
        EXPECT_NE(std::string(e.what()).find("at most " + std::to_string(limit)), std::string::npos)
            << e.what();
    }
    EXPECT_FALSE(fs::exists(dir_ / "too-big.mdb"));
}

TEST_P(JetRoundTrip, ManyVariableColumnsWithOffsetsPast256) {
    // In Jet 3 this exercises the jump table of one-byte offsets.
    std::vector<JetColumn> columns;
    for (int i = 0; i < 120; ++i)
        columns.push_back({"V" + std::to_string(i), JetType::Text});
    Rows rows;
    for (int r = 0; r < 30; ++r) {
        Row row;
        for (int i = 0; i < 120; ++i) {
            const int k = (r * 7 + i) % 13;
            row.push_back(k == 0 ? Row::value_type()
                                 : std::string(static_cast<std::size_t>(k * (r % 3)) + 1,
                                               'a' + static_cast<char>(i % 26)));
        }
        rows.push_back(row);
    }
    const JetTable table = makeTable(columns, rows);
    EXPECT_EQ(test::readWithLibmdb(write(table), "Kelvor").rows, rows);
}

TEST_P(JetRoundTrip, EmptyTableAndNonAsciiNames) {
    const JetTable table = makeTable({{"寸法", JetType::Text}, {"Ｄｂ", JetType::Double}}, {});
    const auto back = test::readWithLibmdb(write(table), "Kelvor");
    EXPECT_EQ(back.columnNames, (std::vector<std::string>{"寸法", "Ｄｂ"}));
    EXPECT_TRUE(back.rows.empty());
}

INSTANTIATE_TEST_SUITE_P(Versions, JetRoundTrip,
                         ::testing::Values(JetVersion::Jet3, JetVersion::Jet4), versionName);

// Jet 3 text is code page 932. libmdb decodes code page 932 with iconv's
// "SHIFT-JIS", which reads 0x5C as YEN SIGN, 0x7E as OVERLINE, 0x8160 as WAVE
// DASH and lacks the NEC extensions; with MDB_JET3_CHARSET=CP932 it reads
// exactly what was written.
TEST(Jet3CodePage, EveryCp932CharacterComesBackWithCp932Decoding) {
    const fs::path path =
        fs::temp_directory_path() / ("jet3-cp932-" + std::to_string(getpid()) + ".mdb");
    const Row row{"a\\b~c", "10～20", "①Ⅱ㈱", "－￢∥", "ｱｲｳ"};
    writeJetFile(path.string(), JetVersion::Jet3,
                 {"Kelvor",
                  {{"A", JetType::Text},
                   {"B", JetType::Text},
                   {"C", JetType::Text},
                   {"D", JetType::Text},
                   {"E", JetType::Text}},
                  {row}});
    setenv("MDB_JET3_CHARSET", "CP932", 1);
    const auto back = test::readWithLibmdb(path.string(), "Kelvor");
    unsetenv("MDB_JET3_CHARSET");
    ASSERT_EQ(back.rows.size(), 1u);
    EXPECT_EQ(back.rows[0], row);
    // Without it, libmdb's default decoding changes these characters.
    EXPECT_EQ(test::readWithLibmdb(path.string(), "Kelvor").rows[0][0], "a¥b‾c");
    fs::remove(path);
}

} // namespace
} // namespace tavrin
