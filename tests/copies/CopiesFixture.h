// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "CopyProcess.h"
#include "FolderWatch.h"

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QPoint>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <iosfwd>
#include <memory>
#include <utility>
#include <vector>

// Texts and points in failure messages as texts and numbers.
void PrintTo(const QString& text, std::ostream* os);
void PrintTo(const QPoint& point, std::ostream* os);

namespace tavrin::test {

// Every wait is bounded, and generously: the sanitizer build runs several
// times slower, under a CTest that runs other tests beside this one.
constexpr int kWaitMs = 120000;

// How soon copies closed together are gone: each within 1 s of its own close,
// all within 2 s of the first. The sanitizer build, under a CTest that runs
// other tests beside, takes up to 1.5 s for a copy, mostly in tearing down
// its application and its process after the save; there the bound for one
// copy only proves that it ends.
#ifdef TAVRIN_SANITIZED_BUILD
constexpr qint64 kCopyEndBoundMs = 10000;
#else
constexpr qint64 kCopyEndBoundMs = 1000;
#endif
constexpr qint64 kRoundEndBoundMs = 2000;

// The settings file as one copy leaves it: its section with both keys, in
// the form every earlier version of the program wrote.
QByteArray settingsText(const QString& x1, const QString& y1);

// Every complete set a copy may leave in the settings file, each with the
// copy that would write it, and what the looks at the file found.
class SettingsLooks {
public:
    static constexpr int kNoWriter = -1;

    void expect(const QByteArray& bytes, int writer) { writers_.insert(bytes, writer); }
    int sets() const { return static_cast<int>(writers_.size()); }
    // The copy that leaves exactly these bytes; kNoWriter for none (or for
    // a set that stood in the file before).
    int writerOf(const QByteArray& bytes) const { return writers_.value(bytes, kNoWriter); }

    // A look at the file: bytes that no single copy writes are a mix.
    void look(const QByteArray& bytes, int round);
    // What happened to the file among the folder's `events`.
    void count(const QList<FolderWatch::Event>& events);

    int looks() const { return looks_; }
    int mixes() const { return mixes_; }
    QString mixExamples() const { return mixExamples_.join(QLatin1Char('\n')); }
    int replacements() const { return replacements_; }
    int writtenInPlace() const { return writtenInPlace_; }

private:
    QMap<QByteArray, int> writers_;
    int looks_ = 0;
    int mixes_ = 0;
    QStringList mixExamples_; // the first few mixes
    int replacements_ = 0;
    int writtenInPlace_ = 0;
};

// Copies of the viewer, each a process of its own (tavrin-copy, wired as the
// program is), over one data file in one working folder and one settings
// file under one XDG_CONFIG_HOME; on Qt's offscreen platform unless `display`
// names an X server.
class CopiesFixture : public ::testing::Test {
protected:
    using Copies = std::vector<std::unique_ptr<CopyProcess>>;

    // A copy's window when it first showed the data.
    struct Shown {
        QPoint frame;       // its frame's top-left corner, in pixels
        quint64 window = 0; // its id on the window system
    };
    // Puts a copy's window at `frame` and returns the texts a frame close
    // saves there.
    using Placing = std::function<std::pair<QString, QString>(CopyProcess&, const Shown&, QPoint)>;
    // Ends a copy the way a round ends them all.
    using Release = std::function<void(CopyProcess&, const Shown&)>;

    // What rounds of copies closing together measured, in milliseconds.
    struct ClosingFigures {
        std::vector<qint64> lastEnds; // each round's, from its first release
        qint64 slowestCopy = 0;       // the longest from a release to its copy's end
    };

    void SetUp() override;

    QProcessEnvironment environment() const;
    // Starts `count` copies in the working folder, all before waiting for any.
    Copies start(int count);
    // Waits until the copy reports its window showing the sample's first row.
    Shown expectFirstRowShown(CopyProcess& copy);
    // Moves the copy's window; returns the texts a frame close saves there.
    std::pair<QString, QString> moveTo(CopyProcess& copy, QPoint frame);
    // Closes the copy from its frame and waits for it to end as it ends for a
    // user, having saved its window position.
    void expectClosedFromFrame(CopyProcess& copy);
    static void expectEnded(CopyProcess& copy);

    QByteArray settingsFile() const;
    // Whether `bytes`, read by QSettings as the program reads its file, hold
    // exactly the keys X1 and Y1 of section Form1_StrtUp with these texts.
    ::testing::AssertionResult readsAsOneSet(const QByteArray& bytes, const QString& x1,
                                             const QString& y1);

    // `rounds` rounds of `count` copies over a settings file from an earlier
    // run: each copy placed by `place` at a frame of its own, then all
    // released by `release` one right after the other. The file is looked at
    // after every change to its folder until the last copy has ended; every
    // look must find one copy's complete set, every copy must end within
    // kCopyEndBoundMs of its release and the round within kRoundEndBoundMs of
    // its first release.
    ClosingFigures closeInRounds(int rounds, int count, const Placing& place,
                                 const Release& release);

    QTemporaryDir root;
    const QString work = root.filePath(QStringLiteral("work"));
    const QString config = root.filePath(QStringLiteral("config"));
    const QString home = root.filePath(QStringLiteral("home"));
    const QString dataFile = work + QStringLiteral("/tavrin.mdb");
    const QString iniPath = config + QStringLiteral("/Tavrin/Tavrin.ini");
    QByteArray display; // empty for the offscreen platform
    // Set for the copies started from now on, over what environment() sets.
    QList<std::pair<QString, QString>> extraEnvironment;
    QList<QStringList> rows;
    int started = 0;
    int scratchFiles = 0;

private:
    // One round of closeInRounds.
    void closeRound(int round, int count, const Placing& place, const Release& release,
                    FolderWatch& watch, SettingsLooks& looks, ClosingFigures& figures);
};

} // namespace tavrin::test
