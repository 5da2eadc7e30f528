// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#include "JetTableReader.h"
#include "JetFileReader.h"
#include "JetFixture.h"
#include "ReaderAnswer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <unistd.h>

namespace tavrin {
namespace {

using test::Cell;

class JetTableReaderTest : public ::testing::TestWithParam<JetVersion> {
protected:
    QString path(const QString& name) const { return dir_.filePath(name); }
    QTemporaryDir dir_;
};

// Every kind of value the viewer meets, written by the project's own writer.
JetTable mixedTable() {
    JetTable table;
    table.name = "Kelvor";
    table.columns = {{"A", JetType::Text},        {"Ha-10k", JetType::Text},
                     {"D-10k", JetType::Single},  {"C-10k", JetType::Double},
                     {"T-10k", JetType::Integer}, {"Extra", JetType::Long}};
    table.rows = {
        {"50A", "4-φ19", "155", "120", "16", "7"},
        {"ｴﾙﾎﾞ～－", "4-M16", "15.5", "0.1", "-3", "-70000"},
        {"単位：mm", std::nullopt, "0.1", std::nullopt, std::nullopt, std::nullopt},
    };
    return table;
}

TEST_P(JetTableReaderTest, ReadsEveryRowInOrderAsText) {
    const QString file = test::writeFixture(path("tavrin.mdb"), GetParam(), mixedTable());
    const JetReadResult result = test::readTable(file, "Kelvor");
    ASSERT_TRUE(result.ok()) << result.message.toStdString();
    EXPECT_EQ(result.table.fields,
              (std::vector<QString>{"A", "Ha-10k", "D-10k", "C-10k", "T-10k", "Extra"}));
    const std::vector<std::vector<QString>> expected = {
        {"50A", "4-φ19", "155", "120", "16", "7"},
        {"ｴﾙﾎﾞ～－", "4-M16", "15.5", "0.1", "-3", "-70000"},
        {"単位：mm", "", "0.1", "", "", ""},
    };
    EXPECT_EQ(result.table.rows, expected);
}

TEST_P(JetTableReaderTest, FindsTheTableWhateverElseTheFileHolds) {
    JetTable table = test::textTable({"A"}, {{Cell("10A")}}, "kelvor");
    const QString file = test::writeFixture(path("case.mdb"), GetParam(), table);
    // Jet table names do not depend on case.
    EXPECT_TRUE(test::readTable(file, "Kelvor").ok());
}

TEST_P(JetTableReaderTest, ReportsAMissingTableAndAnEmptyTable) {
    const QString other = test::writeFixture(path("other.mdb"), GetParam(),
                                             test::textTable({"A"}, {{Cell("x")}}, "Other"));
    const JetReadResult missing = test::readTable(other, "Kelvor");
    EXPECT_EQ(missing.error, JetReadError::NoTable);
    EXPECT_TRUE(missing.message.contains(other));
    EXPECT_TRUE(missing.message.contains("Kelvor"));

    const QString empty =
        test::writeFixture(path("empty.mdb"), GetParam(), test::textTable({"A"}, {}));
    EXPECT_EQ(test::readTable(empty, "Kelvor").error, JetReadError::NoRows);
}

TEST_P(JetTableReaderTest, LeavesTheFileAsItWas) {
    const QString file = test::writeFixture(path("tavrin.mdb"), GetParam(), mixedTable());
    const QByteArray before = test::readAll(file);
    const QDateTime modified = QFileInfo(file).lastModified();
    ASSERT_TRUE(test::readTable(file, "Kelvor").ok());
    EXPECT_EQ(test::readAll(file), before);
    EXPECT_EQ(QFileInfo(file).lastModified(), modified);
}

// Damaged copies of a good file: each must be refused or read, never crash
// or hang. Every page in turn is overwritten with noise.
TEST_P(JetTableReaderTest, SurvivesCorruptPages) {
    const QString good = test::writeFixture(path("good.mdb"), GetParam(), test::dimensionTable(20));
    const QByteArray bytes = test::readAll(good);
    const int pageSize = GetParam() == JetVersion::Jet3 ? 2048 : 4096;
    const int pages = static_cast<int>(bytes.size() / pageSize);
    quint32 seed = 12345;
    for (int page = 0; page < pages; ++page) {
        for (int variant = 0; variant < 3; ++variant) {
            QByteArray damaged = bytes;
            const int start = page * pageSize + (page == 0 ? 0x18 : 8);
            for (int i = start; i < (page + 1) * pageSize; ++i) {
                seed = seed * 1103515245u + 12345u;
                // Noise, runs of 0xFF and runs of zero: each takes other paths.
                const char noise = static_cast<char>(seed >> 16);
                damaged[i] = variant == 0 ? noise : (variant == 1 ? char(0xFF) : char(0));
            }
            const QString file = path(QStringLiteral("damaged-%1-%2.mdb").arg(page).arg(variant));
            test::writeAll(file, damaged);
            const JetReadResult result = test::readTable(file, "Kelvor");
            if (result.ok()) {
                EXPECT_EQ(result.table.fields.size(), 62u);
            } else {
                EXPECT_FALSE(result.message.isEmpty());
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Versions, JetTableReaderTest,
                         ::testing::Values(JetVersion::Jet3, JetVersion::Jet4),
                         [](const auto& info) {
                             return info.param == JetVersion::Jet3 ? "Jet3" : "Jet4";
                         });

// A Jet 3 file whose header records no code page is read as code page 932.
TEST(JetTableReaderJet3, ReadsJapaneseWhereNoCodePageIsRecorded) {
    QTemporaryDir dir;
    const QString file = test::writeFixture(dir.filePath("old.mdb"), JetVersion::Jet3,
                                            test::textTable({"A"}, {{Cell("ｴﾙﾎﾞ･ﾁｰ φ19")}}));
    QByteArray bytes = test::readAll(file);
    // The header is masked by a fixed key stream; XOR-ing the recorded value
    // out of the masked bytes leaves the mask of zero.
    constexpr int kCodePageOffset = 0x3C;
    const int recorded = 932;
    bytes[kCodePageOffset] = static_cast<char>(bytes[kCodePageOffset] ^ (recorded & 0xFF));
    bytes[kCodePageOffset + 1] = static_cast<char>(bytes[kCodePageOffset + 1] ^ (recorded >> 8));
    test::writeAll(file, bytes);

    const JetReadResult result = test::readTable(file, "Kelvor");
    ASSERT_TRUE(result.ok()) << result.message.toStdString();
    EXPECT_EQ(result.table.rows.at(0).at(0), QStringLiteral("ｴﾙﾎﾞ･ﾁｰ φ19"));
}

struct BadFile {
    const char* name;
    JetReadError expected;
};

class JetTableReaderBadFile : public ::testing::TestWithParam<BadFile> {};

TEST_P(JetTableReaderBadFile, IsReportedInJapaneseWithItsPath) {
    QTemporaryDir dir;
    const QString good =
        test::writeFixture(dir.filePath("good.mdb"), JetVersion::Jet4, test::dimensionTable(3));
    const QString file = dir.filePath("tavrin.mdb");
    const std::string kind = GetParam().name;
    if (kind == "directory") {
        QDir(dir.path()).mkdir("tavrin.mdb");
    } else if (kind == "empty") {
        test::writeAll(file, {});
    } else if (kind == "header only") {
        test::writeAll(file, test::readAll(good).left(100));
    } else if (kind == "truncated") {
        test::writeAll(file, test::readAll(good).left(4096 + 10));
    } else if (kind == "text") {
        test::writeAll(file, QByteArray("A,B\n10A,3/8B\n").repeated(1000));
    } else if (kind == "wrong version") {
        QByteArray bytes = test::readAll(good);
        bytes[0x14] = char(0x7F);
        test::writeAll(file, bytes);
    } else if (kind == "no catalog") {
        QByteArray bytes = test::readAll(good);
        bytes[2 * 4096] = char(0x01);
        test::writeAll(file, bytes);
    }
    const JetReadResult result = test::readTable(file, "Kelvor");
    EXPECT_EQ(result.error, GetParam().expected);
    EXPECT_TRUE(result.message.contains(file)) << result.message.toStdString();
    EXPECT_TRUE(result.message.startsWith(QStringLiteral("データファイル")));
    EXPECT_TRUE(result.table.rows.empty());
}

INSTANTIATE_TEST_SUITE_P(Kinds, JetTableReaderBadFile,
                         ::testing::Values(BadFile{"missing", JetReadError::Missing},
                                           BadFile{"directory", JetReadError::NotAFile},
                                           BadFile{"empty", JetReadError::Empty},
                                           BadFile{"header only", JetReadError::Truncated},
                                           BadFile{"truncated", JetReadError::Truncated},
                                           BadFile{"text", JetReadError::NotJet},
                                           BadFile{"wrong version", JetReadError::NotJet},
                                           BadFile{"no catalog", JetReadError::Corrupt}),
                         [](const auto& info) {
                             std::string name = info.param.name;
                             std::replace(name.begin(), name.end(), ' ', '_');
                             return name;
                         });

// A read started ahead answers the read of its own file and table once; any
// other read, and the next one, reads afresh.
TEST(JetTableReaderReadAhead, AnswersOnlyItsOwnFileAndTable) {
    QTemporaryDir dir;
    const QString first =
        test::writeFixture(dir.filePath("a.mdb"), JetVersion::Jet4, test::dimensionTable(2));
    const QString second =
        test::writeFixture(dir.filePath("b.mdb"), JetVersion::Jet3, test::dimensionTable(5));
    const JetReadResult expectedFirst = JetFileReader::read(first, "Kelvor");
    const JetReadResult expectedSecond = JetFileReader::read(second, "Kelvor");
    ASSERT_TRUE(expectedFirst.ok());
    ASSERT_TRUE(expectedSecond.ok());

    JetTableReader reader(test::builtReader());
    reader.readAhead(first, "Kelvor");
    EXPECT_EQ(reader.read(second, "Kelvor").table.rows, expectedSecond.table.rows);
    EXPECT_EQ(reader.read(first, "Other").error, JetReadError::NoTable);
    EXPECT_EQ(reader.read(first, "Kelvor").table.rows, expectedFirst.table.rows);

    // Taken once: the file as it is now is read the next time.
    test::writeFixture(first, JetVersion::Jet4, test::dimensionTable(3));
    EXPECT_EQ(reader.read(first, "Kelvor").table.rows.size(), 3u);
}

TEST(JetTableReaderReadAhead, EndsItsReaderWhenNeverAsked) {
    QTemporaryDir dir;
    const QString file =
        test::writeFixture(dir.filePath("a.mdb"), JetVersion::Jet4, test::dimensionTable(2));
    {
        JetTableReader ahead(test::builtReader());
        ahead.readAhead(file, "Kelvor");
    }
    EXPECT_EQ(test::readTable(file, "Kelvor").table.rows.size(), 2u);
}

TEST(JetTableReaderPermissions, ReportsAnUnreadableFile) {
    if (geteuid() == 0) {
        GTEST_SKIP() << "root reads every file";
    }
    QTemporaryDir dir;
    const QString file =
        test::writeFixture(dir.filePath("tavrin.mdb"), JetVersion::Jet4, test::dimensionTable(1));
    QFile::setPermissions(file, QFileDevice::WriteOwner);
    EXPECT_EQ(test::readTable(file, "Kelvor").error, JetReadError::Unreadable);
}

} // namespace
} // namespace tavrin
