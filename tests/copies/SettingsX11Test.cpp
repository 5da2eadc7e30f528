// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

// The viewer over settings files that are not what it expects, and ended by
// the signals a session or a terminal sends: real windows on an X server of
// the test's own (Xvfb, one 640 x 480 screen) under openbox.
#include "CopiesUnderWindowManager.h"
#include "WindowManagerPlacing.h"
#include "X11Probe.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>
#include <csignal>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <ostream>
#include <sys/stat.h>

namespace tavrin {
namespace {

using test::CopiesUnderWindowManager;
using test::CopyProcess;
using test::kWaitMs;

// The text of the report that a save failed.
const QString kSaveFailed = QStringLiteral("ウィンドウの位置を保存できませんでした");

// What the file system says of a path itself (not of what a link names).
struct PathState {
    mode_t type = 0;
    ino_t inode = 0;
    off_t size = 0;
    timespec modified{};
    QString target;

    bool operator==(const PathState& other) const {
        return type == other.type && inode == other.inode && size == other.size &&
               modified.tv_sec == other.modified.tv_sec &&
               modified.tv_nsec == other.modified.tv_nsec && target == other.target;
    }
};

void PrintTo(const PathState& state, std::ostream* os) {
    *os << "type " << state.type << ", inode " << state.inode << ", " << state.size
        << " bytes, link to \"" << state.target.toStdString() << '"';
}

PathState pathState(const QString& path) {
    struct stat info {};
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0) {
        return {};
    }
    return {info.st_mode & S_IFMT, info.st_ino, info.st_size, info.st_mtim,
            QFileInfo(path).symLinkTarget()};
}

class SettingsX11Test : public CopiesUnderWindowManager {
protected:
    void SetUp() override {
        CopiesUnderWindowManager::SetUp();
        if (IsSkipped() || HasFatalFailure()) {
            return;
        }
        ASSERT_TRUE(QDir().mkpath(QFileInfo(iniPath).path()));
    }

    // A lock on the settings file that is never freed: a folder in the lock
    // file's place. Every save fails once its wait for the lock runs out.
    void blockTheLock() { ASSERT_TRUE(QDir().mkpath(iniPath + ".lock/inside")); }

    // The reports left once the copy has ended; stops at a message box,
    // which would wait for a click.
    static QStringList reportsUntilTheEnd(CopyProcess& copy) {
        QStringList kinds;
        for (QStringList report = copy.nextReport(kWaitMs); !report.isEmpty();
             report = copy.nextReport(kWaitMs)) {
            kinds << report.value(0);
            if (report.value(0) == "error") {
                break;
            }
        }
        return kinds;
    }

    // The lines of the copy's standard error that name the settings file.
    QStringList warningsOnTheFile(const CopyProcess& copy) const {
        return copy.errors().split('\n').filter(iniPath);
    }
};

// A settings file that is no regular file of a sane size.
struct SpecialFile {
    const char* name;
    std::function<bool(const QString&)> make;
};

void PrintTo(const SpecialFile& file, std::ostream* os) {
    *os << file.name;
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

class SpecialSettingsFileTest : public SettingsX11Test,
                                public ::testing::WithParamInterface<SpecialFile> {};

TEST_P(SpecialSettingsFileTest, TheWindowOpensAndTheFileIsNeitherReadNorWrittenOver) {
    ASSERT_TRUE(GetParam().make(iniPath));
    const PathState before = pathState(iniPath);
    auto copies = start(1);
    const Shown shown = expectFirstRowShown(*copies[0]);
    EXPECT_EQ(shown.frame, QPoint(0, 0));
    // Said once, on a short line.
    EXPECT_EQ(warningsOnTheFile(*copies[0]).size(), 1) << copies[0]->errors().toStdString();
    for (const QString& line : copies[0]->errors().split('\n')) {
        EXPECT_LT(line.size(), 300) << line.left(300).toStdString();
    }

    // A close from the frame cannot save there, and says so in its box.
    closeThroughWindowManager(shown.window);
    EXPECT_EQ(copies[0]->nextReport(kWaitMs), QStringList({"closing"}));
    const QStringList box = copies[0]->nextReport(kWaitMs);
    EXPECT_EQ(box.value(0), "error");
    EXPECT_TRUE(box.value(1).contains(kSaveFailed)) << box.join(' ').toStdString();
    copies[0]->send("dismiss");
    ASSERT_TRUE(copies[0]->waitForEnd(kWaitMs));
    EXPECT_TRUE(copies[0]->endedNormally());
    EXPECT_EQ(copies[0]->exitCode(), 1);
    EXPECT_EQ(pathState(iniPath), before);
}

INSTANTIATE_TEST_SUITE_P(
    SpecialFiles, SpecialSettingsFileTest,
    ::testing::Values(
        SpecialFile{"LinkToDevZero",
                    [](const QString& path) { return QFile::link("/dev/zero", path); }},
        SpecialFile{"Fifo",
                    [](const QString& path) {
                        return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
                    }},
        SpecialFile{"HugeNumber",
                    [](const QString& path) {
                        return writeFile(path, "[Form1_StrtUp]\nX1=600\nY1=" +
                                                   QByteArray(30 * 1024 * 1024, '7') + "\n");
                    }}),
    [](const auto& info) { return std::string(info.param.name); });

struct Ending {
    const char* name;
    int number;
};

void PrintTo(const Ending& ending, std::ostream* os) {
    *os << ending.name;
}

class SignalEndTest : public SettingsX11Test, public ::testing::WithParamInterface<Ending> {};

TEST_P(SignalEndTest, SavesThePositionTheFrameStandsAtAndEnds) {
    auto copies = start(1);
    const Shown shown = expectFirstRowShown(*copies[0]);
    const auto [x1, y1] =
        test::placeThroughWindowManager(*copies[0], shown.window, {60, 40}, kSlowWaitMs);
    copies[0]->signal(GetParam().number);
    EXPECT_EQ(copies[0]->nextReport(kWaitMs), QStringList({"closing"}));
    expectEnded(*copies[0]);
    EXPECT_EQ(settingsFile(), test::settingsText(x1, y1));
}

TEST_P(SignalEndTest, AFailedSaveIsReportedOnStandardErrorAndTheProgramEnds) {
    blockTheLock();
    auto copies = start(1);
    const Shown shown = expectFirstRowShown(*copies[0]);
    test::placeThroughWindowManager(*copies[0], shown.window, {60, 40}, kSlowWaitMs);
    copies[0]->signal(GetParam().number);
    // No box waits for a click: the program ends, having said why.
    EXPECT_EQ(reportsUntilTheEnd(*copies[0]), QStringList({"closing"}));
    ASSERT_TRUE(copies[0]->waitForEnd(kWaitMs));
    EXPECT_TRUE(copies[0]->endedNormally());
    EXPECT_EQ(copies[0]->exitCode(), 1);
    EXPECT_TRUE(copies[0]->errors().contains(kSaveFailed)) << copies[0]->errors().toStdString();
    EXPECT_FALSE(QFile::exists(iniPath));
}

INSTANTIATE_TEST_SUITE_P(Signals, SignalEndTest,
                         ::testing::Values(Ending{"SIGTERM", SIGTERM}, Ending{"SIGHUP", SIGHUP},
                                           Ending{"SIGINT", SIGINT}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SettingsX11Test, ASecondSignalEndsTheProgramAtOnce) {
    blockTheLock();
    auto copies = start(1);
    expectFirstRowShown(*copies[0]);
    // Its event loop runs, so the signals are watched.
    copies[0]->send("where");
    EXPECT_EQ(copies[0]->nextReport(kWaitMs).value(0), "at");
    // The first one's save waits for the lock; the second does not wait for it.
    copies[0]->signal(SIGTERM);
    copies[0]->signal(SIGHUP);
    const QStringList reports = reportsUntilTheEnd(*copies[0]);
    EXPECT_FALSE(reports.contains("error")) << reports.join(' ').toStdString();
    ASSERT_TRUE(copies[0]->waitForEnd(kWaitMs));
    EXPECT_FALSE(copies[0]->endedNormally()); // by the signal, not through its end
    EXPECT_FALSE(copies[0]->errors().contains(kSaveFailed)) << copies[0]->errors().toStdString();
}

TEST_F(SettingsX11Test, ASignalEndsTheProgramWhileAFrameClosesBoxWaits) {
    blockTheLock();
    auto copies = start(1);
    const Shown shown = expectFirstRowShown(*copies[0]);
    closeThroughWindowManager(shown.window);
    EXPECT_EQ(copies[0]->nextReport(kWaitMs), QStringList({"closing"}));
    EXPECT_EQ(copies[0]->nextReport(kWaitMs).value(0), "error");
    copies[0]->signal(SIGTERM);
    ASSERT_TRUE(copies[0]->waitForEnd(kWaitMs));
    EXPECT_TRUE(copies[0]->endedNormally());
    EXPECT_EQ(copies[0]->exitCode(), 1);
}

TEST_F(SettingsX11Test, APositionThatLeavesTooLittleOfTheCaptionOnTheScreenIsNotRestored) {
    const struct {
        const char* name;
        QPoint stored; // the frame's top-left corner, in pixels
        QPoint frame;  // where the window opens
    } cases[] = {
        {"a pixel of its width at the right edge", {639, 0}, {0, 0}},
        {"45 pixels of its width", {595, 0}, {595, 0}},
        {"a pixel of its height at the bottom edge", {100, 479}, {0, 0}},
        {"on the screen", {100, 60}, {100, 60}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(writeFile(iniPath, test::settingsText(QString::number(c.stored.x() * 15),
                                                          QString::number(c.stored.y() * 15))));
        auto copies = start(1);
        // The window manager frames it there, give or take its border near
        // the screen's edge.
        const Shown shown = expectFirstRowShown(*copies[0]);
        EXPECT_LE((shown.frame - c.frame).manhattanLength(), 4)
            << shown.frame.x() << ", " << shown.frame.y();
        std::optional<QPoint> onServer;
        EXPECT_TRUE(QTest::qWaitFor(
            [&] {
                onServer = test::framePosition(shown.window);
                return onServer && (*onServer - c.frame).manhattanLength() <= 4;
            },
            kSlowWaitMs))
            << onServer.value_or(QPoint(-1, -1)).x() << ", "
            << onServer.value_or(QPoint(-1, -1)).y();
        EXPECT_EQ(copies[0]->errors().contains("caption bar"), c.frame != c.stored)
            << copies[0]->errors().toStdString();
    }
}

} // namespace
} // namespace tavrin

int main(int argc, char* argv[]) {
    qunsetenv("WAYLAND_DISPLAY");
    tavrin::test::CopiesUnderWindowManager::session().start("640x480x24");
    QCoreApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return tavrin::test::XvfbSession::resultForCTest(RUN_ALL_TESTS());
}
