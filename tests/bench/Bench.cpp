// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

// tavrin-bench: prints the viewer's start-up time (process start to the first
// frame with the table open) and peak memory against a bare Qt window's that
// shows one label, and the time of one row move and one sheet change against
// that label taking a new text.
//
// tavrin-bench [FILE.mdb...] measures each data file given, one after the
// other in the same run; with none, a made-up table of 100 rows.

#include "DataControl.h"
#include "Fakes.h"
#include "Form1.h"
#include "JetFixture.h"
#include "JetTableReader.h"
#include "TabControl.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

struct Run {
    double ms = 0;
    long maxrssKb = 0;
};

Run startOnce(const QString& program, const QString& directory) {
    QProcess process;
    process.setWorkingDirectory(directory);
    QElapsedTimer clock;
    clock.start();
    process.start(program, {});
    process.waitForFinished(30000);
    Run run;
    run.ms = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    const QByteArray out = process.readAllStandardOutput();
    const int at = out.indexOf("maxrss_kb=");
    if (!out.startsWith("shown") || at < 0) {
        std::fprintf(stderr, "%s did not show a frame: %s\n", qPrintable(program), out.constData());
        return {};
    }
    run.maxrssKb = out.mid(at + 10).trimmed().toLong();
    return run;
}

Run median(const QString& program, const QString& directory, int runs) {
    std::vector<Run> all;
    for (int i = 0; i < runs; ++i) {
        all.push_back(startOnce(program, directory));
    }
    std::sort(all.begin(), all.end(), [](const Run& a, const Run& b) { return a.ms < b.ms; });
    return all[all.size() / 2];
}

// Measures the viewer on the data file in `data`.
void bench(const QTemporaryDir& data) {
    constexpr int kRuns = 11;

    const Run floor = median(QStringLiteral(TAVRIN_BENCH_FLOOR), data.path(), kRuns);
    const Run viewer = median(QStringLiteral(TAVRIN_BENCH_APP), data.path(), kRuns);
    std::printf("start-up to first frame (median of %d): viewer %.1f ms, bare Qt window %.1f ms, "
                "ratio %.2f\n",
                kRuns, viewer.ms, floor.ms, floor.ms > 0 ? viewer.ms / floor.ms : 0.0);
    std::printf("peak memory: viewer %ld KiB, bare Qt window %ld KiB, ratio %.2f\n",
                viewer.maxrssKb, floor.maxrssKb,
                floor.maxrssKb > 0 ? double(viewer.maxrssKb) / double(floor.maxrssKb) : 0.0);

    // In this process: the viewer's row move and sheet change against the
    // floor's one label taking a new text.
    tavrin::test::MemorySettingsStore settings;
    tavrin::test::RecordingWindowManager windowManager;
    tavrin::test::RecordingMessages messages;
    tavrin::test::RecordingProgramEnd programEnd;
    tavrin::JetTableReader reader(tavrin::test::builtReader());
    tavrin::Form1 form(tavrin::Form1Platform{
        settings, windowManager, messages, programEnd, reader, {}, [&] { return data.path(); }});
    form.load();
    QSignalSpy read(form.Data1(), &tavrin::DataControl::readFinished);
    form.show();
    form.Data1()->open();
    read.wait(30000);
    QLabel floorLabel(QStringLiteral("floor"));
    floorLabel.show();

    const auto timeEach = [](int times, const auto& step) {
        QElapsedTimer clock;
        clock.start();
        for (int i = 0; i < times; ++i) {
            step(i);
        }
        return static_cast<double>(clock.nsecsElapsed()) / 1e3 / times;
    };
    const int rows = std::max(2, form.Data1()->rowCount());
    const auto moveRow = [&](int i) { // back and forth over the whole table
        if (i % (2 * (rows - 1)) < rows - 1) {
            form.Data1()->moveNext();
        } else {
            form.Data1()->movePrevious();
        }
    };
    const auto relabel = [&](int i) { floorLabel.setText(QString::number(i)); };

    constexpr int kMoves = 20000;
    const double moveUs = timeEach(kMoves, moveRow);
    const double relabelUs = timeEach(kMoves, relabel);
    std::printf("row move refreshing every bound label: %.2f us (%d moves over %d rows); "
                "one label's new text %.2f us, ratio %.1f\n",
                moveUs, kMoves, form.Data1()->rowCount(), relabelUs, moveUs / relabelUs);

    constexpr int kPainted = 300;
    const double movePaintedUs = timeEach(kPainted, [&](int i) {
        moveRow(i);
        form.repaint();
    });
    const double relabelPaintedUs = timeEach(kPainted, [&](int i) {
        relabel(i);
        floorLabel.repaint();
    });
    std::printf("row move painted: %.1f us; one label painted %.1f us, ratio %.1f\n", movePaintedUs,
                relabelPaintedUs, movePaintedUs / relabelPaintedUs);

    const int sheets = form.SSTab1()->tabCount();
    for (int i = 0; i < sheets; ++i) { // each drawing is decoded on its first showing
        form.SSTab1()->setTab(i);
        form.repaint();
    }
    const double sheetUs = timeEach(kPainted, [&](int i) {
        form.SSTab1()->setTab((i + 1) % sheets);
        form.repaint();
    });
    std::printf("sheet change painted: %.1f us (%d sheets); one label painted %.1f us, "
                "ratio %.1f\n",
                sheetUs, sheets, relabelPaintedUs, sheetUs / relabelPaintedUs);
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    const QStringList files = application.arguments().mid(1);
    if (files.isEmpty()) {
        QTemporaryDir data;
        tavrin::test::writeFixture(data.filePath("tavrin.mdb"), tavrin::JetVersion::Jet4,
                                   tavrin::test::dimensionTable(100));
        bench(data);
        return 0;
    }
    for (const QString& file : files) {
        QTemporaryDir data;
        if (!QFile::copy(file, data.filePath("tavrin.mdb"))) {
            std::fprintf(stderr, "cannot read %s\n", qPrintable(file));
            return 1;
        }
        std::printf("== %s\n", qPrintable(file));
        bench(data);
    }
    return 0;
}
