// Replays the inputs the fuzzer once crashed, hung or leaked on, and its seeds:
// each must come back as a table or as a message, within the reading process.

#include "JetTableReader.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

QStringList filesIn(const QString& dir) {
    QStringList paths;
    for (const QFileInfo& info : QDir(dir).entryInfoList(QDir::Files, QDir::Name)) {
        paths << info.filePath();
    }
    return paths;
}

class FuzzRegressionTest : public ::testing::TestWithParam<QString> {};

TEST_P(FuzzRegressionTest, ReadsToATableOrAMessage) {
    const tavrin::JetReadResult result =
        tavrin::JetTableReader::readHere(GetParam(), QStringLiteral("Kelvor"));
    EXPECT_NE(result.ok(), !result.message.isEmpty()) << result.message.toStdString();
    if (!result.ok()) {
        EXPECT_TRUE(result.table.rows.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(Regressions, FuzzRegressionTest,
                         ::testing::ValuesIn(filesIn(QStringLiteral(TAVRIN_FUZZ_REGRESSIONS))),
                         [](const auto& info) { return QFileInfo(info.param).baseName().replace('-', '_').toStdString(); });

TEST(FuzzSeeds, SeedsReadInFull) {
    const QStringList seeds = filesIn(QStringLiteral(TAVRIN_FUZZ_SEEDS));
    ASSERT_FALSE(seeds.isEmpty());
    for (const QString& seed : seeds) {
        const tavrin::JetReadResult result =
            tavrin::JetTableReader::readHere(seed, QStringLiteral("Kelvor"));
        EXPECT_TRUE(result.ok()) << seed.toStdString() << ": " << result.message.toStdString();
    }
}

} // namespace
