// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

// Reading tables from CSV: quoting, types, and the refusal of bad input with
// the line it lies on.

#include "CsvTable.h"

#include <gtest/gtest.h>
#include <sstream>

namespace tavrin {
namespace {

using Row = std::vector<std::optional<std::string>>;

JetTable read(const std::string& csv, JetVersion version = JetVersion::Jet4) {
    std::istringstream in(csv);
    return readCsvTable(in, "Kelvor", version);
}

TEST(CsvTable, QuotingLineEndingsTypesAndNulls) {
    const JetTable table = read("\xEF\xBB\xBF"
                                "Ha-05k,\"Db-10k:integer\",L:Long,S:single,D:double,T:text\r\n"
                                "\"a,b\",1,-2,0.5,1e3,\"say \"\"hi\"\"\r\nagain\"\r\n"
                                ",,,,,\"\"\n"
                                "ｴﾙﾎﾞ,+3,0,-0,2.5,x");
    ASSERT_EQ(table.columns.size(), 6u);
    EXPECT_EQ(table.columns[0].name, "Ha-05k");
    EXPECT_EQ(table.columns[1].name, "Db-10k");
    const JetType types[] = {JetType::Text,   JetType::Integer, JetType::Long,
                             JetType::Single, JetType::Double,  JetType::Text};
    for (std::size_t i = 0; i < 6; ++i)
        EXPECT_EQ(table.columns[i].type, types[i]) << i;
    ASSERT_EQ(table.rows.size(), 3u);
    EXPECT_EQ(table.rows[0], (Row{"a,b", "1", "-2", "0.5", "1e3", "say \"hi\"\r\nagain"}));
    EXPECT_EQ(table.rows[1], Row(6, std::nullopt));
    EXPECT_EQ(table.rows[2], (Row{"ｴﾙﾎﾞ", "+3", "0", "-0", "2.5", "x"}));
}

// The values nearest 0 that a column holds are kept, and a zero written
// any way is zero.
TEST(CsvTable, KeepsTheLeastNumbersAColumnHolds) {
    const JetTable table =
        read("D:double,S:single\n5e-324,1e-45\n-4.9e-324,-1.4e-45\n0e-400,-0.000e999\n");
    EXPECT_EQ(table.rows.size(), 3u);
}

struct BadCsv {
    const char* what;
    std::string csv;
    JetVersion version;
    std::size_t line;
    const char* message; // part of the message
};

void PrintTo(const BadCsv& bad, std::ostream* os) {
    *os << bad.what;
}

const std::string kLong256(256, 'x');

const BadCsv kBadCsvs[] = {
    {"empty input", "", JetVersion::Jet4, 1, "header row is missing"},
    {"empty header", "\nA\n", JetVersion::Jet4, 1, "header row is empty"},
    {"unknown type suffix", "A,B:float\n1,2\n", JetVersion::Jet4, 1,
     "unknown type suffix \":float\""},
    {"empty column name", "A,,C\n", JetVersion::Jet4, 1, "column 2 has an empty name"},
    {"empty name before suffix", "A,:long\n", JetVersion::Jet4, 1, "empty name"},
    {"duplicate name", "A,b,B:long\n", JetVersion::Jet4, 1, "\"B\" appears twice"},
    {"name too long", std::string(65, 'n') + "\n", JetVersion::Jet4, 1, "at most 64"},
    {"too many cells", "A,B\n1,2\n1,2,3\n", JetVersion::Jet4, 3,
     "the row has 3 cells; the header has 2"},
    {"too few cells", "A,B\n1,2\n\"multi\nline\",2\n3\n", JetVersion::Jet4, 5,
     "the row has 1 cells"},
    {"unterminated quote", "A,B\n1,2\n\"open,2\n3,4\n", JetVersion::Jet4, 3,
     "quoted field is not closed"},
    {"text after closing quote", "A\n\"a\"b\n", JetVersion::Jet4, 2, "text after a closing quote"},
    {"quote inside unquoted field", "A\na\"b\"\n", JetVersion::Jet4, 2, "quote inside an unquoted"},
    {"text of 256 characters", "A\nok\n" + kLong256 + "\n", JetVersion::Jet4, 3,
     "256 characters long"},
    {"Jet 3 text over 255 bytes",
     "A\n" + std::string(128, 'x') +
         [] {
             std::string kanji;
             for (int i = 0; i < 64; ++i)
                 kanji += "単";
             return kanji;
         }() +
         "\n",
     JetVersion::Jet3, 2, "256 bytes in code page 932"},
    {"Jet 3 text outside code page 932", "A\nok\n한국\n", JetVersion::Jet3, 3,
     "cannot be written in code page 932"},
    {"Jet 3 look-alike that code page 932 lacks", "A\n¥100\n", JetVersion::Jet3, 2, "U+00A5"},
    {"Jet 3 name outside code page 932", "A,한\n", JetVersion::Jet3, 1, "code page 932"},
    {"Jet 4 character beyond the BMP", "A\n\xF0\x9F\x98\x80\n", JetVersion::Jet4, 2, "U+1F600"},
    {"invalid UTF-8", "A\n\xC3\x28\n", JetVersion::Jet4, 2, "not valid UTF-8"},
    {"integer not a number", "A:integer\n1\n2x\n", JetVersion::Jet4, 3,
     "\"2x\" is not a valid Integer"},
    {"integer too large", "A:integer\n32768\n", JetVersion::Jet4, 2, "is out of range for Integer"},
    {"integer too small", "A:integer\n-32769\n", JetVersion::Jet4, 2, "out of range"},
    {"integer with fraction", "A:integer\n1.5\n", JetVersion::Jet4, 2, "not a valid Integer"},
    {"long too large", "A:long\n2147483648\n", JetVersion::Jet4, 2, "is out of range for Long"},
    {"long huge", "A:long\n99999999999999999999\n", JetVersion::Jet4, 2,
     "is out of range for Long"},
    {"single too large", "A:single\n1e39\n", JetVersion::Jet4, 2, "is out of range for Single"},
    {"double too large", "A:double\n1e309\n", JetVersion::Jet4, 2, "is out of range for Double"},
    {"double not finite", "A:double\ninf\n", JetVersion::Jet4, 2, "not a valid Double"},
    {"double that would be stored as 0", "A:double\n0\n1e-400\n", JetVersion::Jet4, 3,
     "\"1e-400\" is too close to 0 for Double"},
    {"single that would be stored as -0", "A:single\n-1e-320\n", JetVersion::Jet4, 2,
     "\"-1e-320\" is too close to 0 for Single"},
    {"single below the least subnormal", "A:single\n1e-46\n", JetVersion::Jet4, 2,
     "too close to 0 for Single"},
    {"single rounding to infinity", "A:single\n3.4028236e38\n", JetVersion::Jet4, 2,
     "is out of range for Single"},
    {"name with a dot", "A.1,B\n", JetVersion::Jet4, 1, "column \"A.1\": a Jet name cannot hold"},
    {"name with an exclamation mark", "A!\n", JetVersion::Jet3, 1, "cannot hold"},
    {"name with a grave accent", "`A\n", JetVersion::Jet4, 1, "cannot hold"},
    {"name with brackets", "A,[B]\n", JetVersion::Jet4, 1, "column \"[B]\""},
    {"name with a closing bracket", "B]\n", JetVersion::Jet4, 1, "cannot hold"},
    {"name with a leading space", "A, B\n", JetVersion::Jet4, 1, "cannot start with a space"},
    {"name with a control character", "\"A\tB\"\n", JetVersion::Jet4, 1, "control character"},
    {"name with a line break", "\"A\nB\"\n", JetVersion::Jet4, 1, "control character"},
    {"number with spaces", "A:double\n 1\n", JetVersion::Jet4, 2, "not a valid Double"},
    {"row larger than a page",
     "A,B,C,D,E,F,G,H,I\n" +
         [] {
             std::string row;
             for (int i = 0; i < 9; ++i)
                 row += (i ? "," : "") + std::string(255, 'z');
             return row + "\n";
         }(),
     JetVersion::Jet3, 2, "a data page holds rows of at most 2036"},
    {"over 256 columns whose Nulls cannot share flags",
     [] {
         // libmdb tells only 256 columns' Null flags apart; alternating Null
         // numbers leave no two neighbours that could share one.
         std::string header, row;
         for (int i = 0; i < 300; ++i) {
             header += (i ? ",N" : "N") + std::to_string(i) + ":long";
             row += (i ? "," : "") + (i % 2 ? std::string() : std::to_string(i));
         }
         return header + "\n" + row + "\n";
     }(),
     JetVersion::Jet4, 1, "too few neighbouring columns"},
    {"Jet 3 with more than 255 columns",
     [] {
         std::string header;
         for (int i = 0; i < 256; ++i)
             header += (i ? ",C" : "C") + std::to_string(i);
         return header + "\n";
     }(),
     JetVersion::Jet3, 1, "at most 255"},
};

class CsvTableRefuses : public ::testing::TestWithParam<BadCsv> {};

TEST_P(CsvTableRefuses, WithTheLineInTheMessage) {
    const BadCsv& bad = GetParam();
    try {
        read(bad.csv, bad.version);
        FAIL() << bad.what << " was accepted";
    } catch (const CsvError& e) {
        EXPECT_EQ(e.line(), bad.line) << e.what();
        const std::string message = e.what();
        EXPECT_EQ(message.rfind("line " + std::to_string(bad.line) + ": ", 0), 0u) << message;
        EXPECT_NE(message.find(bad.message), std::string::npos) << message;
    }
}

INSTANTIATE_TEST_SUITE_P(BadInput, CsvTableRefuses, ::testing::ValuesIn(kBadCsvs),
                         [](const auto& info) {
                             std::string name = info.param.what;
                             for (char& c : name)
                                 if (!std::isalnum(static_cast<unsigned char>(c)))
                                     c = '_';
                             return name;
                         });

} // namespace
} // namespace tavrin
