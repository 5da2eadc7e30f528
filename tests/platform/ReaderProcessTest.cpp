// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT
//
// The reading process as the viewer meets it: stand-in readers that lie,
// crash, hang or are not there, and a viewer that ends while its reader runs.

#include "HandWrittenAnswer.h"
#include "JetFixture.h"
#include "JetTableReader.h"
#include "LocalPath.h"
#include "StandInReader.h"

#include <QDataStream>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace tavrin {
namespace {

using test::StandInReader;

class ReaderProcess : public ::testing::Test {
protected:
    // Reads `path` with `reader` as the data control does, through the event loop.
    static JetReadResult request(JetTableReader& reader, const QString& path) {
        QSignalSpy done(&reader, &JetTableReader::finished);
        reader.start(path, QStringLiteral("Kelvor"));
        EXPECT_TRUE(done.wait(JetTableReader::kTimeLimitMs + 20000));
        EXPECT_EQ(done.size(), 1);
        return reader.takeResult();
    }
    JetReadResult request(const QString& path) { return request(tableReader, path); }
    QString dataFile() const { return dir.filePath("tavrin.mdb"); }
    QTemporaryDir dir;
    JetTableReader tableReader{test::builtReader()};
};

constexpr quint32 kMagic = test::kAnswerMagic;

struct Lie {
    const char* name;
    const char* script; // %1: a file holding `answer`
    QByteArray answer;
};

class ReaderLie : public ReaderProcess, public ::testing::WithParamInterface<Lie> {};

// Whatever the reader does wrong, the viewer says the file is damaged, in its
// own words, both reading through the event loop and waiting.
TEST_P(ReaderLie, MeansADamagedFile) {
    test::writeAll(dir.filePath("answer"), GetParam().answer);
    const StandInReader reader(QString::fromLatin1(GetParam().script).arg(dir.filePath("answer")));
    tableReader.setReaderProgram(reader.program());
    const QString expected =
        JetReadResult::messageFor(JetReadError::Corrupt, dataFile(), QStringLiteral("Kelvor"));
    for (const JetReadResult& result :
         {request(dataFile()), tableReader.read(dataFile(), QStringLiteral("Kelvor"))}) {
        EXPECT_EQ(result.error, JetReadError::Corrupt);
        EXPECT_EQ(result.message, expected);
        EXPECT_TRUE(result.table.rows.empty());
    }
}

const QByteArray kGoodAnswer = test::handWrittenAnswer([](QDataStream& out) {
    out << kMagic << qint32(0) << QString() << quint32(1) << QString("A") << quint32(1)
        << QString("10A");
});

INSTANTIATE_TEST_SUITE_P(
    Kinds, ReaderLie,
    ::testing::Values(Lie{"endless_bytes", "exec cat /dev/zero", {}},
                      Lie{"all_the_rows_there_are_of_no_field", "exec cat '%1'",
                          test::handWrittenAnswer([](QDataStream& out) {
                              out << kMagic << qint32(0) << QString() << quint32(0)
                                  << quint32(0xFFFFFFFF);
                          })},
                      Lie{"half_an_answer", "exec cat '%1'",
                          kGoodAnswer.left(kGoodAnswer.size() / 2)},
                      Lie{"a_good_answer_then_failure", "cat '%1'; exit 1", kGoodAnswer},
                      Lie{"a_crash_after_a_good_answer", "cat '%1'; kill -SEGV $$", kGoodAnswer},
                      Lie{"nothing", "exit 0", {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ReaderProcess, TheMessageIsTheViewersOwn) {
    test::writeAll(dir.filePath("answer"), test::handWrittenAnswer([](QDataStream& out) {
                       out << kMagic << qint32(JetReadError::Missing)
                           << QStringLiteral("<b>偽の知らせ</b>") << quint32(0) << quint32(0);
                   }));
    const StandInReader reader(QStringLiteral("exec cat '%1'").arg(dir.filePath("answer")));
    tableReader.setReaderProgram(reader.program());
    const JetReadResult result = request(dataFile());
    EXPECT_EQ(result.error, JetReadError::Missing);
    EXPECT_EQ(result.message, JetReadResult::messageFor(JetReadError::Missing, dataFile(),
                                                        QStringLiteral("Kelvor")));
}

// The limit the test sets stands for the real one (JetTableReader::kTimeLimitMs),
// through the event loop and waiting alike.
TEST_F(ReaderProcess, AReaderThatHangsIsEndedAtTheTimeLimit) {
    constexpr int kLimitMs = 1000;
    JetTableReader limited({}, kLimitMs);
    const std::function<JetReadResult()> reads[] = {
        [this, &limited] {
            QSignalSpy done(&limited, &JetTableReader::finished);
            limited.start(dataFile(), QStringLiteral("Kelvor"));
            EXPECT_TRUE(done.wait(kLimitMs + 20000));
            return limited.takeResult();
        },
        [this, &limited] { return limited.read(dataFile(), QStringLiteral("Kelvor")); }};
    for (const auto& read : reads) {
        const StandInReader reader(QStringLiteral("exec sleep 600"));
        limited.setReaderProgram(reader.program());
        QElapsedTimer clock;
        clock.start();
        const JetReadResult result = read();
        EXPECT_GE(clock.elapsed(), kLimitMs - 50);
        EXPECT_LT(clock.elapsed(), kLimitMs + 5000);
        EXPECT_EQ(result.error, JetReadError::Corrupt);
        EXPECT_TRUE(test::hasEnded(reader.waitForPid(), 5000));
    }
}

// A reader that takes its time but answers within the limit is read.
TEST_F(ReaderProcess, AReaderThatAnswersWithinTheTimeLimitIsRead) {
    test::writeAll(dir.filePath("answer"), kGoodAnswer);
    const StandInReader reader(
        QStringLiteral("sleep 0.5; exec cat '%1'").arg(dir.filePath("answer")));
    const JetReadResult result =
        JetTableReader(reader.program(), 10000).read(dataFile(), QStringLiteral("Kelvor"));
    EXPECT_TRUE(result.ok()) << result.message.toStdString();
    EXPECT_EQ(result.table.rows.size(), 1u);
}

TEST_F(ReaderProcess, ARequestGivenUpEndsItsReader) {
    const StandInReader reader(QStringLiteral("exec sleep 600"));
    auto request = std::make_unique<JetTableReader>(reader.program());
    request->start(dataFile(), QStringLiteral("Kelvor"));
    const long pid = reader.waitForPid();
    ASSERT_GT(pid, 0);
    EXPECT_FALSE(test::hasEnded(pid, 0));
    request.reset();
    EXPECT_TRUE(test::hasEnded(pid, 5000));
}

// The read started ahead, as the program starts it, gives the request its
// answer even when it ended before the request was made.
TEST_F(ReaderProcess, ARequestTakesTheAnswerOfAReadStartedAhead) {
    test::writeFixture(dataFile(), JetVersion::Jet4, test::dimensionTable(4));
    tableReader.readAhead(dataFile(), QStringLiteral("Kelvor"));
    QTest::qWait(1500);
    test::writeFixture(dataFile(), JetVersion::Jet4, test::dimensionTable(2));
    EXPECT_EQ(request(dataFile()).table.rows.size(), 4u);
    EXPECT_EQ(request(dataFile()).table.rows.size(), 2u);
}

// Without the reading program nothing is read, and the message names where
// it was looked for.
TEST_F(ReaderProcess, NoReaderIsOneMessageNamingWhereItWasLookedFor) {
    test::writeFixture(dataFile(), JetVersion::Jet4, test::dimensionTable(2));
    const QString nowhere = dir.filePath("bin/tavrin-read");
    tableReader.setReaderProgram(nowhere);
    for (const JetReadResult& result :
         {request(dataFile()), tableReader.read(dataFile(), QStringLiteral("Kelvor"))}) {
        EXPECT_EQ(result.error, JetReadError::NoReader);
        EXPECT_EQ(result.message, QStringLiteral("読み込みプログラム「%1」が見つからないため、"
                                                 "データを表示できません。")
                                      .arg(nowhere));
        EXPECT_TRUE(result.table.rows.empty());
    }
}

// A file whose folder is not UTF-8 is read, by its own bytes.
TEST_F(ReaderProcess, ReadsAFileInAFolderThatIsNotUtf8) {
    const QByteArray folder = QFile::encodeName(dir.path()) + "/\x83\x5e\xff";
    ASSERT_EQ(mkdir(folder.constData(), 0700), 0);
    const QString path = LocalPath::fromBytes(folder) + QStringLiteral("/tavrin.mdb");
    test::writeFixture(dataFile(), JetVersion::Jet4, test::dimensionTable(3));
    ASSERT_EQ(
        rename(QFile::encodeName(dataFile()).constData(), (folder + "/tavrin.mdb").constData()), 0);
    const JetReadResult read = request(path);
    EXPECT_TRUE(read.ok()) << read.message.toStdString();
    EXPECT_EQ(read.table.rows.size(), 3u);

    ASSERT_EQ(unlink((folder + "/tavrin.mdb").constData()), 0);
    const JetReadResult missing = request(path);
    EXPECT_EQ(missing.error, JetReadError::Missing);
    EXPECT_TRUE(missing.message.contains(LocalPath::forDisplay(path)));
    ASSERT_EQ(rmdir(folder.constData()), 0);
    // And a folder that is not there at all.
    EXPECT_EQ(request(path).error, JetReadError::Missing);
}

// The viewer itself, started in a folder of its own from a shell `script`;
// its first line of its own on standard error ("tavrin: ..."), waiting 30 s
// at most.
QString viewerSays(const QTemporaryDir& home, const QByteArray& script) {
    const QString file = home.filePath("start.sh");
    test::writeAll(file, "#!/bin/sh\n" + script + "\n");
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("HOME"), home.path());
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(".config"));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.path());
    QProcess viewer;
    viewer.setProcessEnvironment(environment);
    viewer.setReadChannel(QProcess::StandardError);
    viewer.start(QStringLiteral("/bin/sh"), {file});
    QString said;
    const auto line = [&] {
        const qsizetype start = said.startsWith(u"tavrin: ") ? 0 : said.indexOf(u"\ntavrin: ") + 1;
        const qsizetype end =
            start > 0 || said.startsWith(u"tavrin: ") ? said.indexOf(u'\n', start) : -1;
        return end < 0 ? QString() : said.mid(start, end + 1 - start);
    };
    QElapsedTimer clock;
    clock.start();
    while (line().isEmpty() && viewer.state() != QProcess::NotRunning && clock.elapsed() < 30000) {
        viewer.waitForReadyRead(100);
        said += QString::fromLocal8Bit(viewer.readAllStandardError());
    }
    viewer.kill();
    viewer.waitForFinished();
    return line().isEmpty() ? said : line();
}

// Started from a terminal in a folder whose name is not UTF-8: the viewer
// reads the file there and says, on one line, what it lacks.
TEST(Viewer, ReadsInAFolderThatIsNotUtf8AndSaysWhatTheTableLacks) {
    QTemporaryDir home;
    const QByteArray folder = QFile::encodeName(home.path()) + "/\x83\x5e\xff";
    ASSERT_EQ(mkdir(folder.constData(), 0700), 0);
    test::writeFixture(home.filePath("tavrin.mdb"), JetVersion::Jet4,
                       test::textTable({"A", "B"}, {{"10A", "3/8B"}}));
    ASSERT_EQ(rename(QFile::encodeName(home.filePath("tavrin.mdb")).constData(),
                     (folder + "/tavrin.mdb").constData()),
              0);
    const QString said = viewerSays(home, "cd '" + folder + "' && exec '" TAVRIN_VIEWER "'");
    const QString shown = LocalPath::forDisplay(LocalPath::fromBytes(folder));
    const QString expected =
        QStringLiteral("tavrin: データファイル「%1/tavrin.mdb」のテーブル「Kelvor」には、"
                       "表示する 62 のフィールドのうち 60 個がありません（")
            .arg(shown);
    EXPECT_TRUE(said.startsWith(expected)) << said.toStdString();
    EXPECT_TRUE(said.endsWith(QStringLiteral(" ほか）。\n"))) << said.toStdString();
    unlink((folder + "/tavrin.mdb").constData());
    rmdir(folder.constData());
}

// Started in a folder deleted since: the file is missing, and no file of
// another folder is read in its place.
TEST(Viewer, SaysTheFileIsMissingInADeletedFolder) {
    QTemporaryDir home;
    const QString said = viewerSays(
        home, "cd '" + QFile::encodeName(home.path()) +
                  "' && mkdir gone && cd gone && rmdir ../gone && exec '" TAVRIN_VIEWER "'");
    EXPECT_TRUE(said.startsWith(QStringLiteral("tavrin: データファイル「%1/gone").arg(home.path())))
        << said.toStdString();
    EXPECT_TRUE(said.endsWith(QStringLiteral("/tavrin.mdb」が見つかりません。\n")))
        << said.toStdString();
    EXPECT_FALSE(said.contains(QStringLiteral("「/tavrin.mdb」"))) << said.toStdString();
}

class ViewerEnded : public ::testing::TestWithParam<int> {};

// However the viewer ends while its reader runs, the reader ends with it.
TEST_P(ViewerEnded, LeavesNoReaderRunning) {
    const StandInReader reader(QStringLiteral("exec sleep 600"));
    const QString viewer = reader.folder() + QStringLiteral("/tavrin");
    ASSERT_TRUE(QFile::copy(QStringLiteral(TAVRIN_VIEWER), viewer));
    QTemporaryDir home;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("HOME"), home.path());
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(".config"));
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(home.path());
    process.start(viewer, {});
    const long pid = reader.waitForPid();
    ASSERT_GT(pid, 0);
    ASSERT_EQ(::kill(static_cast<pid_t>(process.processId()), GetParam()), 0);
    EXPECT_TRUE(process.waitForFinished(10000));
    EXPECT_TRUE(test::hasEnded(pid, 5000));
    if (!test::hasEnded(pid, 0)) {
        ::kill(static_cast<pid_t>(pid), SIGKILL);
    }
}

INSTANTIATE_TEST_SUITE_P(Signals, ViewerEnded, ::testing::Values(SIGTERM, SIGHUP, SIGKILL),
                         [](const auto& info) {
                             return std::string(info.param == SIGTERM  ? "SIGTERM"
                                                : info.param == SIGHUP ? "SIGHUP"
                                                                       : "SIGKILL");
                         });

} // namespace
} // namespace tavrin
