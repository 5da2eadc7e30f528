// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

// Several copies of the viewer running at once, each a process of its own
// (tavrin-copy, wired as the program is), over one data file in one working
// folder and one settings file under one XDG_CONFIG_HOME.
#include "CopyProcess.h"
#include "FolderWatch.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QPoint>
#include <QSettings>
#include <QTemporaryDir>
#include <algorithm>
#include <csignal>
#include <gtest/gtest.h>
#include <iostream>
#include <memory>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <vector>

// Texts and points in failure messages as texts and numbers.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QPoint& point, std::ostream* os) {
    *os << "(" << point.x() << ", " << point.y() << ")";
}

namespace tavrin {
namespace {

using test::CopyProcess;
using test::FolderWatch;

// Every wait is bounded, and generously: the sanitizer build runs several
// times slower, under a CTest that runs other tests beside this one.
constexpr int kWaitMs = 120000;

// A file's bytes and what the file system records of its last change.
struct FileState {
    QByteArray bytes;
    ino_t inode = 0;
    timespec modified{};
    timespec changed{};

    bool operator==(const FileState& other) const {
        return bytes == other.bytes && inode == other.inode &&
               modified.tv_sec == other.modified.tv_sec &&
               modified.tv_nsec == other.modified.tv_nsec &&
               changed.tv_sec == other.changed.tv_sec && changed.tv_nsec == other.changed.tv_nsec;
    }
};

void PrintTo(const FileState& state, std::ostream* os) {
    *os << state.bytes.size() << " bytes, inode " << state.inode << ", modified "
        << state.modified.tv_sec << "." << state.modified.tv_nsec << ", changed "
        << state.changed.tv_sec << "." << state.changed.tv_nsec;
}

FileState fileState(const QString& path) {
    FileState state;
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) {
        state.bytes = file.readAll();
    }
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) == 0) {
        state.inode = info.st_ino;
        state.modified = info.st_mtim;
        state.changed = info.st_ctim;
    }
    return state;
}

// The sample data's rows, each a list of its fields, the header first.
QList<QStringList> sampleRows() {
    QFile file(QStringLiteral(TAVRIN_SAMPLE_CSV));
    QList<QStringList> rows;
    if (file.open(QIODevice::ReadOnly)) {
        for (const QByteArray& line : file.readAll().split('\n')) {
            if (!line.isEmpty()) {
                rows << QString::fromUtf8(line).split(QLatin1Char(','));
            }
        }
    }
    return rows;
}

// The settings file as one copy leaves it: its section with both keys, in
// the form every earlier version of the program wrote.
QByteArray settingsText(const QString& x1, const QString& y1) {
    return QStringLiteral("[Form1_StrtUp]\nX1=%1\nY1=%2\n").arg(x1, y1).toUtf8();
}

// Sets a folder's and a file's permissions for the length of a test and
// gives the folder back its write permission at the end.
class ReadOnlyFile {
public:
    ReadOnlyFile(QString folder, const QString& file) : folder_(std::move(folder)) {
        QFile::setPermissions(file, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
        QFile::setPermissions(folder_, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup |
                                           QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
    }
    ~ReadOnlyFile() {
        QFile::setPermissions(folder_, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    ReadOnlyFile(const ReadOnlyFile&) = delete;
    ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;

private:
    QString folder_;
};

class CopiesTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(root.isValid());
        ASSERT_TRUE(QDir().mkpath(work) && QDir().mkpath(config) && QDir().mkpath(home));
        ASSERT_TRUE(QFile::copy(QStringLiteral(TAVRIN_SAMPLE_DATABASE), dataFile));
        rows = sampleRows();
        ASSERT_GE(rows.size(), 2);
    }

    QProcessEnvironment environment() const {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), home);
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), config);
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0"));
        environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
        environment.remove(QStringLiteral("DISPLAY"));
        return environment;
    }

    // Starts `count` copies in the working folder, all before waiting for any.
    std::vector<std::unique_ptr<CopyProcess>> start(int count) {
        std::vector<std::unique_ptr<CopyProcess>> copies;
        const QProcessEnvironment env = environment();
        for (int i = 0; i < count; ++i) {
            copies.push_back(std::make_unique<CopyProcess>(
                work, env, root.filePath(QStringLiteral("copy-%1.err").arg(started++))));
        }
        return copies;
    }

    // Waits until the copy reports its window showing the sample's first row,
    // and returns where the window opened.
    QPoint expectFirstRowShown(CopyProcess& copy) {
        const QStringList report = copy.nextReport(kWaitMs);
        EXPECT_EQ(report.mid(0, 5), QStringList({"shown", "0", QString::number(rows.size() - 1),
                                                 rows[1][0], rows[1][1]}))
            << report.join(' ').toStdString() << "\n"
            << copy.errors().toStdString();
        return {report.value(5).toInt(), report.value(6).toInt()};
    }

    // Moves the copy's window; returns the texts a frame close saves there.
    std::pair<QString, QString> moveTo(CopyProcess& copy, QPoint frame) {
        copy.send(QStringLiteral("move %1 %2").arg(frame.x()).arg(frame.y()).toUtf8());
        const QStringList report = copy.nextReport(kWaitMs);
        EXPECT_EQ(report.value(0), "at") << report.join(' ').toStdString();
        return {report.value(1), report.value(2)};
    }

    // Closes the copy from its frame and waits for it to end as it ends for a
    // user, having saved its window position.
    void expectClosedFromFrame(CopyProcess& copy) {
        copy.send("close");
        EXPECT_EQ(copy.nextReport(kWaitMs), QStringList({"closing"}));
        expectEnded(copy);
    }

    static void expectEnded(CopyProcess& copy) {
        ASSERT_TRUE(copy.waitForEnd(kWaitMs));
        EXPECT_TRUE(copy.endedNormally());
        EXPECT_EQ(copy.exitCode(), 0);
        // No refused save, no reading without the reading process.
        EXPECT_FALSE(copy.errors().contains("tavrin:")) << copy.errors().toStdString();
    }

    QByteArray settingsFile() const {
        QFile file(iniPath);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // Whether `bytes`, read by QSettings as the program reads its file, hold
    // exactly the keys X1 and Y1 of section Form1_StrtUp with these texts.
    ::testing::AssertionResult readsAsOneSet(const QByteArray& bytes, const QString& x1,
                                             const QString& y1) {
        // A file of its own for each look: QSettings keeps what it read of a
        // file by its name.
        const QString path = root.filePath(QStringLiteral("look-%1.ini").arg(scratchFiles++));
        {
            QFile file(path);
            if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
                return ::testing::AssertionFailure() << "cannot write " << path.toStdString();
            }
        }
        const QSettings settings(path, QSettings::IniFormat);
        const QStringList keys = settings.allKeys();
        if (settings.status() != QSettings::NoError ||
            keys != QStringList({"Form1_StrtUp/X1", "Form1_StrtUp/Y1"}) ||
            settings.value("Form1_StrtUp/X1").toString() != x1 ||
            settings.value("Form1_StrtUp/Y1").toString() != y1) {
            return ::testing::AssertionFailure() << "status " << settings.status() << ", keys "
                                                 << keys.join(' ').toStdString() << " in\n"
                                                 << bytes.toStdString();
        }
        return ::testing::AssertionSuccess();
    }

    QTemporaryDir root;
    const QString work = root.filePath(QStringLiteral("work"));
    const QString config = root.filePath(QStringLiteral("config"));
    const QString home = root.filePath(QStringLiteral("home"));
    const QString dataFile = work + QStringLiteral("/tavrin.mdb");
    const QString iniPath = config + QStringLiteral("/Tavrin/Tavrin.ini");
    QList<QStringList> rows;
    int started = 0;
    int scratchFiles = 0;
};

class CopiesReadingTest : public CopiesTest, public ::testing::WithParamInterface<bool> {};

TEST_P(CopiesReadingTest, SixCopiesShowTheFirstRowOfOneFileAndNoneWritesIt) {
    constexpr int kCopies = 6;
    std::unique_ptr<ReadOnlyFile> readOnly;
    if (GetParam()) {
        readOnly = std::make_unique<ReadOnlyFile>(work, dataFile);
    }
    const FileState before = fileState(dataFile);
    ASSERT_FALSE(before.bytes.isEmpty());
    FolderWatch watch(work);
    ASSERT_TRUE(watch.valid());

    auto copies = start(kCopies);
    for (auto& copy : copies) {
        expectFirstRowShown(*copy);
    }
    // Every copy shows the row at the same time as the others.
    for (auto& copy : copies) {
        EXPECT_TRUE(copy->running());
    }
    for (auto& copy : copies) {
        copy->send("close");
    }
    for (auto& copy : copies) {
        expectEnded(*copy);
    }

    const QList<FolderWatch::Event> events = watch.take();
    ASSERT_FALSE(watch.overflowed());
    // Each copy opened the file; none opened it for writing, changed it or
    // its attributes, or put anything beside it (a lock file, a journal).
    EXPECT_GE(FolderWatch::count(events, "tavrin.mdb", IN_OPEN), kCopies);
    EXPECT_EQ(
        FolderWatch::count(events, "tavrin.mdb",
                           IN_CLOSE_WRITE | IN_MODIFY | IN_ATTRIB | IN_MOVE_SELF | IN_DELETE_SELF),
        0);
    QStringList touched;
    for (const FolderWatch::Event& event : events) {
        if (event.mask & (IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO | IN_CLOSE_WRITE)) {
            touched << event.name;
        }
    }
    EXPECT_TRUE(touched.isEmpty()) << touched.join(' ').toStdString();
    EXPECT_EQ(QDir(work).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList({"tavrin.mdb"}));
    EXPECT_EQ(fileState(dataFile), before);
}

INSTANTIATE_TEST_SUITE_P(Folders, CopiesReadingTest, ::testing::Values(false, true),
                         [](const auto& info) {
                             return info.param ? "ReadOnlyFileInReadOnlyFolder" : "WritableFolder";
                         });

TEST_F(CopiesTest, TheLastFrameCloseWinsWithEveryKeyFromTheSameCopy) {
    constexpr int kCopies = 6;
    auto copies = start(kCopies);
    std::vector<QPoint> frames;
    std::vector<std::pair<QString, QString>> saved;
    for (int i = 0; i < kCopies; ++i) {
        EXPECT_EQ(expectFirstRowShown(*copies[i]), QPoint(0, 0)); // nothing stored yet
        frames.emplace_back(40 + 60 * i, 30 + 45 * i);
        saved.push_back(moveTo(*copies[i], frames.back()));
    }
    EXPECT_FALSE(QFile::exists(iniPath)); // nothing is saved before a frame close

    // Closed one after another, in an order that is not the order they
    // started in: after each close the file holds that copy's position.
    for (const int i : {3, 0, 5, 1, 4, 2}) {
        SCOPED_TRACE(i);
        expectClosedFromFrame(*copies[i]);
        const QByteArray ini = settingsFile();
        EXPECT_EQ(ini, settingsText(saved[i].first, saved[i].second));
        EXPECT_TRUE(readsAsOneSet(ini, saved[i].first, saved[i].second));
    }

    // The next copy opens where the last one was closed.
    auto next = start(1);
    EXPECT_EQ(expectFirstRowShown(*next[0]), frames[2]);
    expectClosedFromFrame(*next[0]);
    EXPECT_EQ(settingsFile(), settingsText(saved[2].first, saved[2].second));
}

TEST_F(CopiesTest, TheSessionsEndSignalsCloseTheWindowFromItsFrame) {
    const struct {
        const char* name;
        int number;
    } endings[] = {{"SIGTERM", SIGTERM}, {"SIGHUP", SIGHUP}};
    int step = 0;
    for (const auto& s : endings) {
        SCOPED_TRACE(s.name);
        auto copies = start(1);
        expectFirstRowShown(*copies[0]);
        const auto [x1, y1] = moveTo(*copies[0], {30 + 20 * step, 40 + 10 * step});
        ++step;
        copies[0]->signal(s.number);
        EXPECT_EQ(copies[0]->nextReport(kWaitMs), QStringList({"closing"}));
        expectEnded(*copies[0]);
        EXPECT_EQ(settingsFile(), settingsText(x1, y1));
    }
}

// Rounds of copies closed at the same moment, in batches of rounds that CTest
// can run side by side.
class CopiesClosingTogetherTest : public CopiesTest, public ::testing::WithParamInterface<int> {};

TEST_P(CopiesClosingTogetherTest, EveryLookAtTheFileFindsOneCopysCompleteSet) {
    constexpr int kRounds = 5;
    constexpr int kCopies = 8;
    // A settings file from an earlier run, as a user has one.
    const QString settingsFolder = QFileInfo(iniPath).path();
    ASSERT_TRUE(QDir().mkpath(settingsFolder));
    QMap<QByteArray, int> writerOf; // every complete set a copy may leave, to its copy
    writerOf.insert(settingsText("15", "30"), -1);
    {
        QFile file(iniPath);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(settingsText("15", "30"));
    }
    FolderWatch watch(settingsFolder, FolderWatch::kChanges);
    ASSERT_TRUE(watch.valid());

    int mixes = 0;           // files seen that no single copy wrote
    QStringList mixExamples; // the first few of them
    int looks = 0;
    int replacements = 0;
    int writtenInPlace = 0;
    qint64 longestClose = 0;
    const auto look = [&](int round) {
        ++looks;
        const QByteArray ini = settingsFile();
        if (!writerOf.contains(ini) && ++mixes <= 3) {
            mixExamples << QStringLiteral("round %1:\n%2").arg(round).arg(QString::fromUtf8(ini));
        }
    };

    for (int round = 0; round < kRounds; ++round) {
        SCOPED_TRACE(round);
        auto copies = start(kCopies);
        std::vector<std::pair<QString, QString>> saved;
        for (int i = 0; i < kCopies; ++i) {
            expectFirstRowShown(*copies[i]);
            const int writer = round * kCopies + i;
            saved.push_back(moveTo(*copies[i], {15 * writer, 10 + 11 * writer}));
            writerOf.insert(settingsText(saved.back().first, saved.back().second), writer);
        }
        ASSERT_EQ(writerOf.size(), (round + 1) * kCopies + 1); // one set for each copy

        // Released together; the file is looked at after every change to the
        // folder until the last copy has ended.
        QElapsedTimer closing;
        closing.start();
        for (auto& copy : copies) {
            copy->send("close");
        }
        const QDeadlineTimer deadline(kWaitMs);
        for (;;) {
            const QList<FolderWatch::Event> events = watch.wait(100);
            replacements += FolderWatch::count(events, "Tavrin.ini", IN_MOVED_TO);
            writtenInPlace += FolderWatch::count(events, "Tavrin.ini", IN_MODIFY);
            if (!events.isEmpty()) {
                look(round);
            }
            const bool anyRunning = std::any_of(copies.begin(), copies.end(),
                                                [](auto& copy) { return copy->running(); });
            if (!anyRunning || deadline.hasExpired()) {
                break;
            }
        }
        for (auto& copy : copies) {
            expectEnded(*copy);
        }
        // None of them waits long for another's write.
        EXPECT_LT(closing.elapsed(), 2000);
        longestClose = std::max(longestClose, closing.elapsed());
        look(round);

        // The file the last writer left: one copy of this round wrote all of it.
        const QByteArray ini = settingsFile();
        const int winner = writerOf.value(ini, -1);
        ASSERT_GE(winner, round * kCopies) << "not one copy's set of this round:\n"
                                           << ini.toStdString();
        const auto& [x1, y1] = saved[static_cast<std::size_t>(winner - round * kCopies)];
        EXPECT_TRUE(readsAsOneSet(ini, x1, y1));
    }

    ASSERT_FALSE(watch.overflowed());
    EXPECT_EQ(mixes, 0) << mixExamples.join("\n").toStdString();
    // QSettings writes a new file beside the old one and renames it over the
    // old one, and leaves neither its lock file nor the new file's temporary
    // name behind.
    EXPECT_EQ(writtenInPlace, 0);
    EXPECT_GE(replacements, kRounds * kCopies);
    EXPECT_EQ(
        QDir(settingsFolder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
        QStringList({"Tavrin.ini"}));
    std::cout << "[ figures  ] " << kRounds << " rounds of " << kCopies
              << " copies: " << replacements << " replacements of the settings file, " << looks
              << " looks at it, " << mixes << " of them a mix; the slowest round ended "
              << longestClose << " ms after its release" << std::endl;
}

INSTANTIATE_TEST_SUITE_P(Batches, CopiesClosingTogetherTest, ::testing::Range(0, 4));

} // namespace
} // namespace tavrin

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
