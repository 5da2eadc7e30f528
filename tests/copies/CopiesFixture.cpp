// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#include "CopiesFixture.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <algorithm>
#include <iostream>
#include <ostream>
#include <sys/inotify.h>

void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

void PrintTo(const QPoint& point, std::ostream* os) {
    *os << "(" << point.x() << ", " << point.y() << ")";
}

namespace tavrin::test {
namespace {

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

// Where the copy `writer` (counted over all rounds) is put: a frame of its
// own for each of 40 copies, all of it on a screen of 1024 x 768 pixels.
QPoint frameOf(int writer) {
    return {12 * writer, 5 + 4 * writer};
}

} // namespace

QByteArray settingsText(const QString& x1, const QString& y1) {
    return QStringLiteral("[Form1_StrtUp]\nX1=%1\nY1=%2\n").arg(x1, y1).toUtf8();
}

void SettingsLooks::look(const QByteArray& bytes, int round) {
    ++looks_;
    if (!writers_.contains(bytes) && ++mixes_ <= 3) {
        mixExamples_ << QStringLiteral("round %1:\n%2").arg(round).arg(QString::fromUtf8(bytes));
    }
}

void SettingsLooks::count(const QList<FolderWatch::Event>& events) {
    replacements_ += FolderWatch::count(events, "Tavrin.ini", IN_MOVED_TO);
    writtenInPlace_ += FolderWatch::count(events, "Tavrin.ini", IN_MODIFY);
}

void CopiesFixture::SetUp() {
    ASSERT_TRUE(root.isValid());
    ASSERT_TRUE(QDir().mkpath(work) && QDir().mkpath(config) && QDir().mkpath(home));
    ASSERT_TRUE(QFile::copy(QStringLiteral(TAVRIN_SAMPLE_DATABASE), dataFile));
    rows = sampleRows();
    ASSERT_GE(rows.size(), 2);
}

QProcessEnvironment CopiesFixture::environment() const {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), home);
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), config);
    environment.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    if (display.isEmpty()) {
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.remove(QStringLiteral("DISPLAY"));
    } else {
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        environment.insert(QStringLiteral("DISPLAY"), QString::fromLatin1(display));
    }
    for (const auto& [name, value] : extraEnvironment) {
        environment.insert(name, value);
    }
    return environment;
}

CopiesFixture::Copies CopiesFixture::start(int count) {
    Copies copies;
    const QProcessEnvironment env = environment();
    for (int i = 0; i < count; ++i) {
        copies.push_back(std::make_unique<CopyProcess>(
            work, env, root.filePath(QStringLiteral("copy-%1.err").arg(started++))));
    }
    return copies;
}

CopiesFixture::Shown CopiesFixture::expectFirstRowShown(CopyProcess& copy) {
    const QStringList report = copy.nextReport(kWaitMs);
    EXPECT_EQ(report.mid(0, 5),
              QStringList({"shown", "0", QString::number(rows.size() - 1), rows[1][0], rows[1][1]}))
        << report.join(' ').toStdString() << "\n"
        << copy.errors().toStdString();
    return {{report.value(5).toInt(), report.value(6).toInt()}, report.value(7).toULongLong()};
}

std::pair<QString, QString> CopiesFixture::moveTo(CopyProcess& copy, QPoint frame) {
    copy.send(QStringLiteral("move %1 %2").arg(frame.x()).arg(frame.y()).toUtf8());
    const QStringList report = copy.nextReport(kWaitMs);
    EXPECT_EQ(report.value(0), "at") << report.join(' ').toStdString();
    return {report.value(1), report.value(2)};
}

void CopiesFixture::expectClosedFromFrame(CopyProcess& copy) {
    copy.send("close");
    EXPECT_EQ(copy.nextReport(kWaitMs), QStringList({"closing"}));
    expectEnded(copy);
}

void CopiesFixture::expectEnded(CopyProcess& copy) {
    ASSERT_TRUE(copy.waitForEnd(kWaitMs));
    EXPECT_TRUE(copy.endedNormally());
    EXPECT_EQ(copy.exitCode(), 0);
    // No refused save, no reading without the reading process.
    EXPECT_FALSE(copy.errors().contains("tavrin:")) << copy.errors().toStdString();
}

QByteArray CopiesFixture::settingsFile() const {
    QFile file(iniPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

::testing::AssertionResult CopiesFixture::readsAsOneSet(const QByteArray& bytes, const QString& x1,
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

CopiesFixture::ClosingFigures
CopiesFixture::closeInRounds(int rounds, int count, const Placing& place, const Release& release) {
    // A settings file from an earlier run, as a user has one.
    const QString settingsFolder = QFileInfo(iniPath).path();
    EXPECT_TRUE(QDir().mkpath(settingsFolder));
    SettingsLooks looks;
    looks.expect(settingsText("15", "30"), SettingsLooks::kNoWriter);
    {
        QFile file(iniPath);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(settingsText("15", "30"));
    }
    FolderWatch watch(settingsFolder, FolderWatch::kChanges);
    EXPECT_TRUE(watch.valid());

    ClosingFigures figures;
    for (int round = 0; round < rounds && !HasFatalFailure(); ++round) {
        SCOPED_TRACE(round);
        closeRound(round, count, place, release, watch, looks, figures);
    }

    EXPECT_FALSE(watch.overflowed());
    EXPECT_EQ(looks.mixes(), 0) << looks.mixExamples().toStdString();
    // QSettings writes a new file beside the old one and renames it over the
    // old one, and leaves neither its lock file nor the new file's temporary
    // name behind.
    EXPECT_EQ(looks.writtenInPlace(), 0);
    EXPECT_GE(looks.replacements(), rounds * count);
    EXPECT_EQ(
        QDir(settingsFolder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
        QStringList({"Tavrin.ini"}));
    std::cout << "[ figures  ] " << rounds << " rounds of " << count
              << " copies: " << looks.replacements() << " replacements of the settings file, "
              << looks.looks() << " looks at it, " << looks.mixes()
              << " of them a mix; from the first release to the last copy's end:";
    for (const qint64 end : figures.lastEnds) {
        std::cout << " " << end;
    }
    std::cout << " ms; the slowest copy ended " << figures.slowestCopy
              << " ms after its own release" << std::endl;
    return figures;
}

void CopiesFixture::closeRound(int round, int count, const Placing& place, const Release& release,
                               FolderWatch& watch, SettingsLooks& looks, ClosingFigures& figures) {
    Copies copies = start(count);
    std::vector<Shown> shown;
    std::vector<std::pair<QString, QString>> saved;
    for (int i = 0; i < count; ++i) {
        shown.push_back(expectFirstRowShown(*copies[i]));
        const int writer = round * count + i;
        saved.push_back(place(*copies[i], shown.back(), frameOf(writer)));
        looks.expect(settingsText(saved.back().first, saved.back().second), writer);
    }
    ASSERT_EQ(looks.sets(), (round + 1) * count + 1); // one set for each copy

    // Released together; the file is looked at after every change to the
    // folder until the last copy has ended.
    std::vector<qint64> released(copies.size());
    std::vector<qint64> ended(copies.size(), -1);
    QElapsedTimer closing;
    closing.start();
    for (std::size_t i = 0; i < copies.size(); ++i) {
        release(*copies[i], shown[i]);
        released[i] = closing.elapsed();
    }
    const QDeadlineTimer deadline(kWaitMs);
    for (;;) {
        const QList<FolderWatch::Event> events = watch.wait(5);
        looks.count(events);
        if (!events.isEmpty()) {
            looks.look(settingsFile(), round);
        }
        for (std::size_t i = 0; i < copies.size(); ++i) {
            if (ended[i] < 0 && !copies[i]->running()) {
                ended[i] = closing.elapsed();
            }
        }
        if (std::none_of(ended.begin(), ended.end(), [](qint64 end) { return end < 0; }) ||
            deadline.hasExpired()) {
            break;
        }
    }
    looks.look(settingsFile(), round);
    for (std::size_t i = 0; i < copies.size(); ++i) {
        SCOPED_TRACE(i);
        // Each ended through its window's close, as a frame close ends it.
        EXPECT_EQ(copies[i]->nextReport(kWaitMs), QStringList({"closing"}));
        expectEnded(*copies[i]);
        EXPECT_GE(ended[i], 0) << "still running when the round's wait ran out";
        // None of them waits long for another's write.
        EXPECT_LT(ended[i] - released[i], kCopyEndBoundMs);
        figures.slowestCopy = std::max(figures.slowestCopy, ended[i] - released[i]);
    }
    const qint64 lastEnd = *std::max_element(ended.begin(), ended.end());
    EXPECT_LT(lastEnd, kRoundEndBoundMs);
    figures.lastEnds.push_back(lastEnd);

    // The file the last writer left: one copy of this round wrote all of it.
    const QByteArray ini = settingsFile();
    const int winner = looks.writerOf(ini);
    ASSERT_GE(winner, round * count) << "not one copy's set of this round:\n" << ini.toStdString();
    const auto& [x1, y1] = saved[static_cast<std::size_t>(winner - round * count)];
    EXPECT_TRUE(readsAsOneSet(ini, x1, y1));
}

} // namespace tavrin::test
