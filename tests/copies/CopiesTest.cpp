// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

// Several copies of the viewer running at once, each a process of its own
// (tavrin-copy, wired as the program is), over one data file in one working
// folder and one settings file under one XDG_CONFIG_HOME.
#include "CopiesFixture.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <csignal>
#include <gtest/gtest.h>
#include <memory>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <vector>

namespace tavrin {
namespace {

using test::CopiesFixture;
using test::CopyProcess;
using test::FolderWatch;
using test::kWaitMs;
using test::settingsText;

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

class CopiesTest : public CopiesFixture {};

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
        EXPECT_EQ(expectFirstRowShown(*copies[i]).frame, QPoint(0, 0)); // nothing stored yet
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
    EXPECT_EQ(expectFirstRowShown(*next[0]).frame, frames[2]);
    expectClosedFromFrame(*next[0]);
    EXPECT_EQ(settingsFile(), settingsText(saved[2].first, saved[2].second));
}

TEST_F(CopiesTest, TheSessionsEndSignalsCloseTheWindowFromItsFrame) {
    const struct {
        const char* name;
        int number;
    } endings[] = {{"SIGTERM", SIGTERM}, {"SIGHUP", SIGHUP}, {"SIGINT", SIGINT}};
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

TEST_F(CopiesTest, APositionSavedUnderOneLocaleOpensTheSameUnderAnother) {
    // Arabic as Egypt writes it has digits of its own.
    extraEnvironment = {{"LC_ALL", "ar_EG.UTF-8"}, {"LANG", "ar_EG.UTF-8"}};
    auto first = start(1);
    expectFirstRowShown(*first[0]);
    EXPECT_EQ(moveTo(*first[0], {350, 20}), std::make_pair(QString("5250"), QString("300")));
    expectClosedFromFrame(*first[0]);
    EXPECT_EQ(settingsFile(), settingsText("5250", "300"));

    extraEnvironment = {{"LC_ALL", "C"}, {"LANG", "C"}};
    auto next = start(1);
    EXPECT_EQ(expectFirstRowShown(*next[0]).frame, QPoint(350, 20));
    expectClosedFromFrame(*next[0]);
    EXPECT_EQ(settingsFile(), settingsText("5250", "300"));
}

// Rounds of copies closed at the same moment, in batches of rounds that CTest
// can run side by side.
class CopiesClosingTogetherTest : public CopiesTest, public ::testing::WithParamInterface<int> {};

TEST_P(CopiesClosingTogetherTest, EveryLookAtTheFileFindsOneCopysCompleteSet) {
    closeInRounds(
        5, 8, [this](CopyProcess& copy, const Shown&, QPoint frame) { return moveTo(copy, frame); },
        [](CopyProcess& copy, const Shown&) { copy.send("close"); });
}

INSTANTIATE_TEST_SUITE_P(Batches, CopiesClosingTogetherTest, ::testing::Range(0, 4));

} // namespace
} // namespace tavrin

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
