// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

// Damaged data files built from sound ones: long values that point astray,
// cut files, text that is not Jet, text with a NUL, and a file whose long
// values all share one row. Each is read in this process and through the
// reading program, as the viewer reads it.

#include "JetFileReader.h"
#include "JetFixture.h"
#include "JetImage.h"
#include "JetTableReader.h"
#include "JetValueText.h"
#include "ReaderAnswer.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>

namespace tavrin {
namespace {

using test::JetImage;

constexpr std::uint32_t kUserDefinitionPage = test::JetImage::kWrittenTablePage;

JetImage imageOf(QByteArray& bytes) {
    return JetImage(std::span(reinterpret_cast<std::uint8_t*>(bytes.data()),
                              static_cast<std::size_t>(bytes.size())));
}

const char* versionName(JetVersion version) {
    return version == JetVersion::Jet3 ? "Jet3" : "Jet4";
}

// Reads `file` both ways; both must agree.
JetReadResult readBothWays(const QString& file) {
    const JetReadResult here = JetFileReader::read(file, QStringLiteral("Kelvor"));
    const JetReadResult there = test::readTable(file, QStringLiteral("Kelvor"));
    EXPECT_EQ(here.error, there.error) << there.message.toStdString();
    EXPECT_EQ(here.table.rows, there.table.rows);
    return here;
}

// A table of one Memo value in a chain over several long value pages.
JetTable chainTable() {
    JetTable table;
    table.name = "Kelvor";
    table.columns = {{"A", JetType::Text}, {"M", JetType::Memo}};
    table.rows = {{"chain", std::string(6000, 'c')}};
    return table;
}

// A column's type byte in the table definition (no indexes precede them).
std::size_t columnEntry(const JetImage& image, std::size_t column) {
    const std::size_t start = image.isJet3() ? 43 : 63;
    const std::size_t size = image.isJet3() ? 18 : 25;
    return kUserDefinitionPage * image.pageSize() + start + column * size;
}

struct Damage {
    const char* name;
    JetReadError expected;
    std::function<void(const JetImage&, const JetImage::LongValueField&)> patch;
};

// The first part of the value's chain names itself, with data and without.
void loopWithData(const JetImage& image, const JetImage::LongValueField& field) {
    image.setU32(image.rowAt(field.pointer)->start, field.pointer);
}
void loopWithoutData(const JetImage& image, const JetImage::LongValueField& field) {
    const auto row = *image.rowAt(field.pointer);
    const std::size_t page = field.pointer >> 8;
    const std::size_t newStart = row.start + row.size - 4 - page * image.pageSize();
    image.setU16(page * image.pageSize() + (image.isJet3() ? 8 : 12) + 2 +
                     2 * (field.pointer & 0xFF),
                 static_cast<std::uint16_t>(newStart));
    image.setU32(page * image.pageSize() + newStart, field.pointer);
}

const Damage kDamages[] = {
    {"chain_part_names_itself", JetReadError::Corrupt, loopWithData},
    {"empty_chain_part_names_itself", JetReadError::Corrupt, loopWithoutData},
    {"flags_libmdb_does_not_handle", JetReadError::Corrupt,
     [](const JetImage& image, const JetImage::LongValueField& field) {
         image.setU32(field.at, 0x20000000u | (image.u32(field.at) & 0xFFFFFF));
     }},
    {"pointer_to_a_row_the_page_lacks", JetReadError::Corrupt,
     [](const JetImage& image, const JetImage::LongValueField& field) {
         image.setU32(field.at + 4, (field.pointer & ~0xFFu) | 0xFE);
     }},
    {"pointer_to_a_page_of_another_kind", JetReadError::Corrupt,
     [](const JetImage& image, const JetImage::LongValueField& field) {
         image.setU32(field.at + 4, kUserDefinitionPage << 8);
     }},
    {"pointer_past_the_end", JetReadError::Truncated,
     [](const JetImage& image, const JetImage::LongValueField& field) {
         image.setU32(field.at + 4, static_cast<std::uint32_t>(image.pageCount() + 3) << 8);
     }},
    {"chain_longer_than_declared", JetReadError::Corrupt,
     [](const JetImage& image, const JetImage::LongValueField& field) {
         image.setU32(field.at, 100);
     }},
    {"one_row_value_as_a_chain", JetReadError::Truncated,
     [](const JetImage& image, const JetImage::LongValueField& field) {
         // The row's first bytes, taken for a next pointer, name no page.
         const auto row = *image.rowAt(field.pointer);
         image.setU32(row.start, 0xFFFFFF00u);
     }},
    {"column_type_libmdb_does_not_read", JetReadError::Corrupt,
     [](const JetImage& image, const JetImage::LongValueField&) {
         image.bytes()[columnEntry(image, 1)] = 0x0D;
     }},
};

void PrintTo(const Damage& damage, std::ostream* out) {
    *out << damage.name;
}

class LongValueDamage : public ::testing::TestWithParam<std::tuple<JetVersion, Damage>> {};

TEST_P(LongValueDamage, IsReportedAndNeverHangs) {
    const auto& [version, damage] = GetParam();
    QTemporaryDir dir;
    const QString file = dir.filePath("tavrin.mdb");
    test::writeFixture(file, version, chainTable());
    ASSERT_TRUE(readBothWays(file).ok());

    QByteArray bytes = test::readAll(file);
    const JetImage image = imageOf(bytes);
    const auto fields = image.longValueFields(image.dataPages(kUserDefinitionPage));
    ASSERT_EQ(fields.size(), 1u);
    damage.patch(image, fields.front());
    test::writeAll(file, bytes);

    const JetReadResult result = readBothWays(file);
    EXPECT_EQ(result.error, damage.expected) << result.message.toStdString();
    EXPECT_TRUE(result.table.rows.empty());
}

INSTANTIATE_TEST_SUITE_P(Cases, LongValueDamage,
                         ::testing::Combine(::testing::Values(JetVersion::Jet3, JetVersion::Jet4),
                                            ::testing::ValuesIn(kDamages)),
                         [](const auto& info) {
                             return std::string(versionName(std::get<0>(info.param))) + "_" +
                                    std::get<1>(info.param).name;
                         });

// The three-row table of the rows' cases, on one data page.
JetTable threeRows() {
    JetTable table;
    table.name = "Kelvor";
    table.columns = {{"A", JetType::Text}, {"B", JetType::Long}, {"C", JetType::Text}};
    table.rows = {{"10A", "111", "x"}, {"15A", "222", "y"}, {"20A", "333", "z"}};
    return table;
}

// A lookup row: the row number, then the page in three bytes.
std::vector<std::uint8_t> pointerTo(std::size_t page, std::size_t row) {
    return {std::uint8_t(row), std::uint8_t(page), std::uint8_t(page >> 8),
            std::uint8_t(page >> 16)};
}

// What a case makes of the page's three rows, and of the table definition.
struct RowDamage {
    const char* name;
    JetReadError expected;
    std::vector<const char*> shown; // the A of each row read, when read
    std::function<void(const JetImage&, std::size_t page, std::vector<JetImage::PageRow>&)> patch;
};

constexpr auto kLookup = JetImage::kLookupFlag;
constexpr auto kDeleted = JetImage::kDeletedFlag;

// The declared row count of the table definition.
std::size_t rowCountAt(const JetImage& image) {
    return kUserDefinitionPage * image.pageSize() + (image.isJet3() ? 12 : 16);
}

const RowDamage kRowDamages[] = {
    {"sound", JetReadError::None, {"10A", "15A", "20A"}, nullptr},
    {"moved_row_is_followed",
     JetReadError::None,
     {"10A", "15A", "20A"},
     [](const JetImage&, std::size_t page, std::vector<JetImage::PageRow>& rows) {
         rows.push_back({rows[1].bytes, kDeleted});
         rows[1] = {pointerTo(page, 3), kLookup};
     }},
    {"row_moved_twice_is_followed",
     JetReadError::None,
     {"10A", "15A", "20A"},
     [](const JetImage&, std::size_t page, std::vector<JetImage::PageRow>& rows) {
         rows.push_back({pointerTo(page, 4), std::uint16_t(kLookup | kDeleted)});
         rows.push_back({rows[1].bytes, kDeleted});
         rows[1] = {pointerTo(page, 3), kLookup};
     }},
    {"deleted_row_left_out_of_the_count",
     JetReadError::None,
     {"10A", "20A"},
     [](const JetImage& image, std::size_t, std::vector<JetImage::PageRow>& rows) {
         rows[1].flags = kDeleted;
         image.setU32(rowCountAt(image), 2);
     }},
    {"lookup_to_a_row_the_page_lacks",
     JetReadError::Corrupt,
     {},
     [](const JetImage&, std::size_t page, std::vector<JetImage::PageRow>& rows) {
         rows[1] = {pointerTo(page, 7), kLookup};
     }},
    {"lookup_to_itself",
     JetReadError::Corrupt,
     {},
     [](const JetImage&, std::size_t page, std::vector<JetImage::PageRow>& rows) {
         rows[1] = {pointerTo(page, 1), kLookup};
     }},
    {"lookups_in_a_loop",
     JetReadError::Corrupt,
     {},
     [](const JetImage&, std::size_t page, std::vector<JetImage::PageRow>& rows) {
         rows.push_back({pointerTo(page, 1), std::uint16_t(kLookup | kDeleted)});
         rows[1] = {pointerTo(page, 3), kLookup};
     }},
    {"lookup_to_a_row_also_shown_in_its_place",
     JetReadError::Corrupt,
     {},
     [](const JetImage&, std::size_t page, std::vector<JetImage::PageRow>& rows) {
         rows[1] = {pointerTo(page, 2), kLookup};
     }},
    {"two_lookups_to_one_row",
     JetReadError::Corrupt,
     {},
     [](const JetImage&, std::size_t page, std::vector<JetImage::PageRow>& rows) {
         rows.push_back({rows[1].bytes, kDeleted});
         rows[1] = {pointerTo(page, 3), kLookup};
         rows[2] = {pointerTo(page, 3), kLookup};
     }},
    {"lookup_to_a_page_of_another_kind",
     JetReadError::Corrupt,
     {},
     [](const JetImage&, std::size_t, std::vector<JetImage::PageRow>& rows) {
         rows[1] = {pointerTo(kUserDefinitionPage, 0), kLookup};
     }},
    {"lookup_past_the_end",
     JetReadError::Truncated,
     {},
     [](const JetImage& image, std::size_t, std::vector<JetImage::PageRow>& rows) {
         rows[1] = {pointerTo(image.pageCount() + 3, 0), kLookup};
     }},
    {"lookup_too_short",
     JetReadError::Corrupt,
     {},
     [](const JetImage&, std::size_t page, std::vector<JetImage::PageRow>& rows) {
         rows[1] = {{2, std::uint8_t(page), 0}, kLookup};
     }},
    {"junk_row",
     JetReadError::Corrupt,
     {},
     [](const JetImage&, std::size_t, std::vector<JetImage::PageRow>& rows) {
         rows[1] = {{0xDE, 0xAD, 0xBE, 0xEF}, 0};
     }},
    {"junk_row_claiming_the_columns",
     JetReadError::Corrupt,
     {},
     [](const JetImage& image, std::size_t, std::vector<JetImage::PageRow>& rows) {
         rows[1] = {{3, 0, 0, 0}, 0};
         if (image.isJet3())
             rows[1].bytes.pop_back();
     }},
    {"deleted_row_still_counted",
     JetReadError::Corrupt,
     {},
     [](const JetImage&, std::size_t, std::vector<JetImage::PageRow>& rows) {
         rows[1].flags = kDeleted;
     }},
    // Flag 0x8000 marks a deleted row, whatever the row holds: a row that
    // libmdb 1.0 takes for a lookup is not shown, and the count tells.
    {"pointer_flagged_0x8000_is_deleted",
     JetReadError::Corrupt,
     {},
     [](const JetImage&, std::size_t page, std::vector<JetImage::PageRow>& rows) {
         rows[1] = {pointerTo(page, 2), 0x8000};
     }},
    {"more_rows_declared",
     JetReadError::Corrupt,
     {},
     [](const JetImage& image, std::size_t, std::vector<JetImage::PageRow>&) {
         image.setU32(rowCountAt(image), 4);
     }},
};

void PrintTo(const RowDamage& damage, std::ostream* out) {
    *out << damage.name;
}

class RowDamageTest : public ::testing::TestWithParam<std::tuple<JetVersion, RowDamage>> {};

// A row that is moved, damaged or missing never makes the table shorter in
// silence: it is followed and read, or the file is damaged.
TEST_P(RowDamageTest, IsFollowedOrReported) {
    const auto& [version, damage] = GetParam();
    QTemporaryDir dir;
    const QString file = dir.filePath("tavrin.mdb");
    test::writeFixture(file, version, threeRows());
    QByteArray bytes = test::readAll(file);
    const JetImage image = imageOf(bytes);
    const std::vector<std::size_t> pages = image.dataPages(kUserDefinitionPage);
    ASSERT_EQ(pages.size(), 1u);
    ASSERT_EQ(image.u32(rowCountAt(image)), 3u);
    std::vector<JetImage::PageRow> rows;
    for (std::size_t r = 0; r < image.rowCount(pages[0]); ++r) {
        rows.push_back({image.rowBytes(pages[0], r), 0});
    }
    ASSERT_EQ(rows.size(), 3u);
    if (damage.patch) {
        damage.patch(image, pages[0], rows);
    }
    image.setRows(pages[0], rows);
    test::writeAll(file, bytes);

    const JetReadResult result = readBothWays(file);
    ASSERT_EQ(result.error, damage.expected) << result.message.toStdString();
    std::vector<QString> shown;
    for (const auto& row : result.table.rows) {
        shown.push_back(row.at(0));
    }
    std::vector<QString> expected(damage.shown.begin(), damage.shown.end());
    EXPECT_EQ(shown, expected);
    if (!result.ok()) {
        EXPECT_TRUE(result.message.contains(QStringLiteral("壊れて")) ||
                    damage.expected == JetReadError::Truncated);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, RowDamageTest,
                         ::testing::Combine(::testing::Values(JetVersion::Jet3, JetVersion::Jet4),
                                            ::testing::ValuesIn(kRowDamages)),
                         [](const auto& info) {
                             return std::string(versionName(std::get<0>(info.param))) + "_" +
                                    std::get<1>(info.param).name;
                         });

class CutFile : public ::testing::TestWithParam<JetVersion> {};

// A cut file, whether or not it ends on a page boundary, is never read as
// if the missing bytes were blank values.
TEST_P(CutFile, IsTruncatedWhereverItEnds) {
    QTemporaryDir dir;
    const QString good = dir.filePath("good.mdb");
    test::writeFixture(good, GetParam(), test::dimensionTable(200));
    QByteArray bytes = test::readAll(good);
    const JetImage image = imageOf(bytes);
    const std::size_t lastData = image.dataPages(kUserDefinitionPage).back();
    const std::size_t pageSize = image.pageSize();

    struct Cut {
        const char* name;
        qsizetype size;
    };
    const Cut cuts[] = {
        {"by one byte", bytes.size() - 1},
        {"inside the last data page", qsizetype(lastData * pageSize + pageSize / 2)},
        {"just after the last data page's first byte", qsizetype(lastData * pageSize + 1)},
        {"before the last data page", qsizetype(lastData * pageSize)},
    };
    for (const Cut& cut : cuts) {
        const QString file = dir.filePath("cut.mdb");
        test::writeAll(file, bytes.left(cut.size));
        const JetReadResult result = readBothWays(file);
        EXPECT_EQ(result.error, JetReadError::Truncated) << cut.name;
        EXPECT_TRUE(result.message.contains(QStringLiteral("途中で切れています"))) << cut.name;
    }
}

// The sample's shape: the 62 fields of a dimension record, a few rows.
TEST_P(CutFile, SampleShapedFileCutByOneByteIsTruncated) {
    QTemporaryDir dir;
    const QString file = dir.filePath("tavrin.mdb");
    test::writeFixture(file, GetParam(), test::dimensionTable(12));
    test::writeAll(file, test::readAll(file).chopped(1));
    EXPECT_EQ(readBothWays(file).error, JetReadError::Truncated);
}

INSTANTIATE_TEST_SUITE_P(Versions, CutFile, ::testing::Values(JetVersion::Jet3, JetVersion::Jet4),
                         [](const auto& info) { return versionName(info.param); });

// Without the Jet signature a file is not a Jet database, however short;
// with the start of one and no more, it is a cut one.
TEST(NotJet, ShortFilesAreJudgedByTheirSignature) {
    QTemporaryDir dir;
    struct Case {
        QByteArray bytes;
        JetReadError expected;
    };
    const Case cases[] = {
        {"hello", JetReadError::NotJet},
        {"h", JetReadError::NotJet},
        {QByteArray("\x00\x01\x00\x00Standard Jet", 16), JetReadError::Truncated},
        {QByteArray("\x00\x01\x00\x00Standard Jat", 16), JetReadError::NotJet},
    };
    for (const Case& c : cases) {
        const QString file = dir.filePath("tavrin.mdb");
        test::writeAll(file, c.bytes);
        EXPECT_EQ(readBothWays(file).error, c.expected) << c.bytes.toStdString();
    }
}

class TextWithNul : public ::testing::TestWithParam<JetVersion> {};

// The NUL shows as U+FFFD and the rest of the value follows it.
TEST_P(TextWithNul, ShowsTheWholeValue) {
    QTemporaryDir dir;
    const QString file = dir.filePath("tavrin.mdb");
    const bool jet3 = GetParam() == JetVersion::Jet3;
    // Jet 4 keeps this value as plain UCS-2, Jet 3 as code page 932.
    const std::string value = jet3 ? "nulXend" : "日本X語";
    test::writeFixture(file, GetParam(),
                       test::textTable({"A", "B"}, {{std::string("first"), value}}));
    QByteArray bytes = test::readAll(file);
    const QByteArray marker = jet3 ? QByteArray("nulXend") : QByteArray("\x2c\x67X\x00", 4);
    const qsizetype at = bytes.indexOf(marker);
    ASSERT_GE(at, 0);
    bytes[at + (jet3 ? 3 : 2)] = '\0';
    test::writeAll(file, bytes);

    const JetReadResult result = readBothWays(file);
    ASSERT_TRUE(result.ok()) << result.message.toStdString();
    EXPECT_EQ(result.table.rows.at(0).at(1),
              jet3 ? QStringLiteral("nul\uFFFDend") : QStringLiteral("日本\uFFFD語"));
}

INSTANTIATE_TEST_SUITE_P(Versions, TextWithNul,
                         ::testing::Values(JetVersion::Jet3, JetVersion::Jet4),
                         [](const auto& info) { return versionName(info.param); });

// Every Memo cell names one shared chain and declares 16,000 bytes: each is
// read once and cut at the length a box can show.
TEST(SharedLongValue, IsReadOnceAndCut) {
    QTemporaryDir dir;
    const QString file = dir.filePath("tavrin.mdb");
    JetTable table;
    table.name = "Kelvor";
    table.columns = {{"M1", JetType::Memo}, {"M2", JetType::Memo}};
    for (int r = 0; r < 40; ++r) {
        table.rows.push_back({std::string(4100, char('a' + r % 26)), std::string(4100, 'z')});
    }
    test::writeFixture(file, JetVersion::Jet4, table);
    QByteArray bytes = test::readAll(file);
    const JetImage image = imageOf(bytes);
    const auto fields = image.longValueFields(image.dataPages(kUserDefinitionPage));
    ASSERT_EQ(fields.size(), 80u);
    for (const auto& field : fields) {
        image.setU32(field.at, 16000);
        image.setU32(field.at + 4, fields.front().pointer);
    }
    test::writeAll(file, bytes);

    const JetReadResult result = readBothWays(file);
    ASSERT_TRUE(result.ok()) << result.message.toStdString();
    ASSERT_EQ(result.table.rows.size(), 40u);
    const QString shown(JetValueText::kMaxChars, QLatin1Char('a'));
    for (const auto& row : result.table.rows) {
        EXPECT_EQ(row, (std::vector<QString>{shown, shown}));
    }
}

// A long value is cut at the same length as any other, and one that fits is
// read whole, in each of the forms the writer keeps one.
TEST(LongValueText, IsCutAtTheShownLength) {
    QTemporaryDir dir;
    for (const JetVersion version : {JetVersion::Jet3, JetVersion::Jet4}) {
        const QString file = dir.filePath(QStringLiteral("%1.mdb").arg(versionName(version)));
        JetTable table;
        table.name = "Kelvor";
        table.columns = {{"M", JetType::Memo}, {"O", JetType::Ole}};
        const std::string fits = std::string(JetValueText::kMaxChars - 1, 'k') + "終";
        table.rows = {{"短い", "ole"},
                      {fits, std::string(300, 'o')},
                      {fits + "x", std::nullopt},
                      {std::string(3000, 'y') + "ｶﾅ", std::string(9000, 'p')}};
        test::writeFixture(file, version, table);
        const JetReadResult result = readBothWays(file);
        ASSERT_TRUE(result.ok()) << result.message.toStdString();
        const QString shownFits = QString(JetValueText::kMaxChars - 1, 'k') + QStringLiteral("終");
        const std::vector<std::vector<QString>> expected = {
            {QStringLiteral("短い"), ""},
            {shownFits, ""},
            {shownFits, ""},
            {QString(JetValueText::kMaxChars, 'y'), ""},
        };
        EXPECT_EQ(result.table.rows, expected) << versionName(version);
    }
}

// A table past the bounds of what the viewer takes from the reader, in
// values or in the bytes of their text, is too large, not damaged.
TEST(TableBounds, ATableTooLargeForTheViewerSaysSo) {
    struct Bound {
        JetType type;
        int columns;
        std::string value;
    };
    // Text values of the longest length shown, as many as a row holds; and
    // the dimension record's 62 fields of short numbers.
    const Bound bytes{JetType::Text, 15, std::string(JetValueText::kMaxChars, 'x')};
    const Bound values{JetType::Integer, 62, "7"};
    const auto answerRows = [](const Bound& bound) {
        qint64 fieldBytes = 0;
        for (int c = 0; c < bound.columns; ++c) {
            fieldBytes += ReaderAnswer::textBytes(QString::number(c).size() + 1);
        }
        return (ReaderAnswer::kMaxBytes - ReaderAnswer::kHeadBytes - fieldBytes) /
               (bound.columns * ReaderAnswer::textBytes(qint64(bound.value.size())));
    };
    const qint64 valueRows = ReaderAnswer::kMaxCells / values.columns;
    ASSERT_LT(valueRows, answerRows(values));
    ASSERT_LT(answerRows(bytes) * bytes.columns, ReaderAnswer::kMaxCells);
    struct Case {
        const char* name;
        const Bound& bound;
        qint64 rows;
        JetReadError expected;
    };
    const Case cases[] = {
        {"bytes within", bytes, answerRows(bytes), JetReadError::None},
        {"bytes past", bytes, answerRows(bytes) + 1, JetReadError::TooLarge},
        {"values within", values, valueRows, JetReadError::None},
        {"values past", values, valueRows + 1, JetReadError::TooLarge},
    };
    QTemporaryDir dir;
    for (const Case& c : cases) {
        JetTable table;
        table.name = "Kelvor";
        for (int i = 0; i < c.bound.columns; ++i) {
            table.columns.push_back({"D" + std::to_string(i), c.bound.type});
        }
        table.rows.assign(static_cast<std::size_t>(c.rows),
                          std::vector<test::Cell>(static_cast<std::size_t>(c.bound.columns),
                                                  test::Cell(c.bound.value)));
        const QString file = dir.filePath("tavrin.mdb");
        test::writeFixture(file, JetVersion::Jet4, table);
        const JetReadResult result = readBothWays(file);
        EXPECT_EQ(result.error, c.expected) << c.name << ": " << result.message.toStdString();
        if (result.ok()) {
            EXPECT_EQ(result.table.rows.size(), static_cast<std::size_t>(c.rows)) << c.name;
            EXPECT_EQ(result.table.rows.back().back(), QString::fromStdString(c.bound.value))
                << c.name;
        } else {
            EXPECT_EQ(
                result.message.toStdString(),
                QStringLiteral("データファイル「%1」のテーブル「Kelvor」は大きすぎて表示できま"
                               "せん（値は 100 万個、テキストは 32 MB まで）。")
                    .arg(file)
                    .toStdString())
                << c.name;
        }
    }
}

// Numbers show as the shortest text that reads back as the same value, at
// the column's precision, and dates with the year in full, before 1899 too.
// A Double column retyped in the definition holds the dates.
TEST(ValueText, NumbersAndDatesAsTheyReadBack) {
    struct Case {
        JetType type;
        bool date;
        const char* stored;
        const char* shown; // nullptr: damaged
    };
    const Case cases[] = {
        {JetType::Double, false, "5e-324", "5e-324"},
        {JetType::Double, false, "1e300", "1e+300"},
        {JetType::Double, false, "-1.7976931348623157e308", "-1.7976931348623157e+308"},
        {JetType::Double, false, "0.1", "0.1"},
        {JetType::Double, false, "15.5", "15.5"},
        {JetType::Double, false, "-2.5", "-2.5"},
        {JetType::Double, false, "0", "0"},
        {JetType::Double, false, "0.00001", "0.00001"},
        {JetType::Double, false, "0.000009", "9e-06"},
        {JetType::Double, false, "999999999999999", "999999999999999"},
        {JetType::Double, false, "1e15", "1e+15"},
        {JetType::Double, false, "123456789012.5", "123456789012.5"},
        {JetType::Single, false, "3.4e38", "3.4e+38"},
        {JetType::Single, false, "0.1", "0.1"},
        {JetType::Single, false, "155", "155"},
        {JetType::Single, false, "16777217", "16777216"},
        {JetType::Single, false, "1e-45", "1e-45"},
        {JetType::Double, true, "45000.5", "03/15/2023 12:00:00"},
        {JetType::Double, true, "0", "12/30/1899 00:00:00"},
        {JetType::Double, true, "-1.5", "12/29/1899 12:00:00"},
        {JetType::Double, true, "-0.25", "12/30/1899 06:00:00"},
        {JetType::Double, true, "-36522.75", "01/01/1800 18:00:00"},
        {JetType::Double, true, "-657434", "01/01/0100 00:00:00"},
        {JetType::Double, true, "2958465.5", "12/31/9999 12:00:00"},
        {JetType::Double, true, "1.99999999999", "01/01/1900 00:00:00"},
        {JetType::Double, true, "-657435", nullptr},
        {JetType::Double, true, "2958466", nullptr},
        {JetType::Double, true, "1e300", nullptr},
    };
    QTemporaryDir dir;
    for (const Case& c : cases) {
        JetTable table;
        table.name = "Kelvor";
        table.columns = {{"V", c.type}};
        table.rows = {{c.stored}};
        const QString file = dir.filePath("tavrin.mdb");
        test::writeFixture(file, JetVersion::Jet4, table);
        if (c.date) {
            QByteArray bytes = test::readAll(file);
            const JetImage image = imageOf(bytes);
            image.bytes()[columnEntry(image, 0)] = 0x08; // DateTime
            test::writeAll(file, bytes);
        }
        const JetReadResult result = readBothWays(file);
        if (c.shown == nullptr) {
            EXPECT_EQ(result.error, JetReadError::Corrupt) << c.stored;
            continue;
        }
        ASSERT_TRUE(result.ok()) << c.stored << ": " << result.message.toStdString();
        EXPECT_EQ(result.table.rows.at(0).at(0), QString::fromLatin1(c.shown)) << c.stored;
    }
}

// libmdb places a Numeric's decimal point by its precision; the reader by its
// scale. A Double, a Double and an Integer side by side give the 17 bytes a
// Numeric column takes, retyped in the definition and rewritten in the row.
TEST(NumericColumn, ShowsItsValueAtItsScale) {
    struct Case {
        std::uint8_t sign;
        std::uint64_t high; // the upper 64 bits of the 128-bit magnitude
        std::uint64_t low;
        std::uint8_t scale;
        const char* expected;
    };
    const Case cases[] = {
        {0x00, 0, 12345, 2, "123.45"},
        {0x80, 0, 5, 3, "-0.005"},
        {0x00, 0, 1200, 2, "12"},
        {0x80, 0, 0, 2, "0"},
        {0x00, 1, 0, 0, "18446744073709551616"},
        {0x00, 0, 42, 0, "42"},
    };
    QTemporaryDir dir;
    for (const Case& c : cases) {
        JetTable table;
        table.name = "Kelvor";
        table.columns = {{"N", JetType::Double}, {"D", JetType::Double}, {"I", JetType::Integer}};
        table.rows = {{"0", "0", "0"}};
        const QString file = dir.filePath("tavrin.mdb");
        test::writeFixture(file, JetVersion::Jet4, table);
        QByteArray bytes = test::readAll(file);
        const JetImage image = imageOf(bytes);
        const std::size_t entry = columnEntry(image, 0);
        image.bytes()[entry] = 0x10; // Numeric
        image.bytes()[entry + 11] = c.scale;
        image.setU16(entry + 23, 17);
        const std::size_t value =
            image.row(image.dataPages(kUserDefinitionPage).front(), 0)->start + 2;
        image.bytes()[value] = c.sign;
        // Four 32-bit little-endian words, the most significant first.
        const std::uint32_t words[] = {std::uint32_t(c.high >> 32), std::uint32_t(c.high),
                                       std::uint32_t(c.low >> 32), std::uint32_t(c.low)};
        for (int w = 0; w < 4; ++w) {
            image.setU32(value + 1 + 4 * std::size_t(w), words[w]);
        }
        test::writeAll(file, bytes);
        const JetReadResult result = readBothWays(file);
        ASSERT_TRUE(result.ok()) << result.message.toStdString();
        EXPECT_EQ(result.table.rows.at(0).at(0), QString::fromLatin1(c.expected));
    }
}

} // namespace
} // namespace tavrin
