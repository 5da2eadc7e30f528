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
    const JetReadResult there = JetTableReader::read(file, QStringLiteral("Kelvor"));
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

// Numbers whose text is many times their eight bytes: a table of them is
// read up to the reader's limit on the text of a table, and refused past it.
TEST(TableText, IsBoundedWhateverTheValuesAre) {
    QTemporaryDir dir;
    // The most rows of 62 values cut to their length whose answer the viewer
    // takes, and one more.
    qint64 fieldBytes = 0;
    for (int c = 0; c < 62; ++c) {
        fieldBytes += ReaderAnswer::textBytes(QString::number(c).size() + 1);
    }
    const qint64 rowBytes = 62 * ReaderAnswer::textBytes(JetValueText::kMaxChars);
    const qint64 rowsWithin =
        (ReaderAnswer::kMaxBytes - ReaderAnswer::kHeadBytes - fieldBytes) / rowBytes;
    for (const auto& [rowCount, expected] : {std::pair{rowsWithin, JetReadError::None},
                                             std::pair{rowsWithin + 1, JetReadError::Corrupt}}) {
        JetTable table;
        table.name = "Kelvor";
        for (int c = 0; c < 62; ++c) {
            table.columns.push_back({"D" + std::to_string(c), JetType::Double});
        }
        table.rows.assign(static_cast<std::size_t>(rowCount),
                          std::vector<test::Cell>(62, test::Cell("1e300")));
        const QString file = dir.filePath("tavrin.mdb");
        test::writeFixture(file, JetVersion::Jet4, table);
        const JetReadResult result = readBothWays(file);
        EXPECT_EQ(result.error, expected) << rowCount << " rows";
        if (result.ok()) {
            const QString& last = result.table.rows.back().back();
            EXPECT_EQ(last.size(), JetValueText::kMaxChars);
            EXPECT_TRUE(last.startsWith(QStringLiteral("10000000000")));
        }
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
