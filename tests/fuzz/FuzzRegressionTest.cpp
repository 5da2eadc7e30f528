// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

// Replays the inputs the fuzzer once crashed, hung or leaked on, and its seeds,
// in this process, as the reading process reads them.

#include "JetFileReader.h"

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

// Each was a damaged file that took the reader down; now it is reported as one,
// or as a cut file where its name says so.
TEST_P(FuzzRegressionTest, IsReportedAsDamaged) {
    const tavrin::JetReadResult result =
        tavrin::JetFileReader::read(GetParam(), QStringLiteral("Kelvor"));
    const bool cut = QFileInfo(GetParam()).fileName().startsWith(QStringLiteral("cut-"));
    EXPECT_EQ(result.error, cut ? tavrin::JetReadError::Truncated : tavrin::JetReadError::Corrupt)
        << result.message.toStdString();
    EXPECT_FALSE(result.message.isEmpty());
    EXPECT_TRUE(result.table.rows.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Regressions, FuzzRegressionTest,
    ::testing::ValuesIn(filesIn(QStringLiteral(TAVRIN_FUZZ_REGRESSIONS))), [](const auto& info) {
        return QFileInfo(info.param).baseName().replace('-', '_').toStdString();
    });

TEST(FuzzSeeds, SeedsReadInFull) {
    const QStringList seeds = filesIn(QStringLiteral(TAVRIN_FUZZ_SEEDS));
    ASSERT_FALSE(seeds.isEmpty());
    for (const QString& seed : seeds) {
        const tavrin::JetReadResult result =
            tavrin::JetFileReader::read(seed, QStringLiteral("Kelvor"));
        EXPECT_TRUE(result.ok()) << seed.toStdString() << ": " << result.message.toStdString();
    }
}

} // namespace
