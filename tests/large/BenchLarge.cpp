// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

// tavrin-bench-large: for a Kelvor table of 10,000 rows, one of 300 columns
// and a file whose every Memo cell names one shared long value, prints the time to read it through
// tavrin-read, the time from building the main window to its first frame with the table open, the
// median and worst time of one row move with each arrow (the click and the repaint it causes), Last
// from row 1, First from the last row, and the peak memory of the viewer and of tavrin-read on it.
// Each table is written, read and viewed in processes of their own, so that each peak is that
// process's own. The hostile file of 1,800 rows is to be refused, and a refusal there is its
// result; the bench ends with status 1 only when something went wrong: a table that should open
// was refused, one that should be refused opened, or a move landed on the wrong row. With
// --brief it runs small tables with few repeats, to stay working.

#include "DataControl.h"
#include "Fakes.h"
#include "FirstFrameReport.h"
#include "Form1.h"
#include "JetFixture.h"
#include "JetTableReader.h"
#include "LargeTables.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QToolButton>
#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

using tavrin::DataControl;
using tavrin::Form1;

struct TableSpec {
    const char* name;
    int rows;
    int columns;
    bool refused = false; // the reader is to refuse it
};

// A table of no columns stands for the shared long value file: 62 Memo
// fields whose every cell names one 4,000-byte value (1.9 MB at 1,800 rows,
// past what the viewer takes; at 1,000 rows just within it).
constexpr int kSharedLongValue = 0;
constexpr TableSpec kFullTables[] = {{"10000-rows", 10000, 62},
                                     {"300-columns", 1000, 300},
                                     {"shared-long-value", 1800, 0, true},
                                     {"shared-long-value-within", 1000, 0}};
constexpr TableSpec kBriefTables[] = {{"500-rows", 500, 62},
                                      {"300-columns", 50, 300},
                                      {"shared-long-value", 1800, 0, true},
                                      {"shared-long-value-within", 100, 0}};

enum Arrow { First, Previous, Next, Last };

struct Figures {
    std::vector<double> ms;

    void add(double value) { ms.push_back(value); }
    double median() {
        std::sort(ms.begin(), ms.end());
        return ms.empty() ? 0.0 : ms[ms.size() / 2];
    }
    double worst() const { return ms.empty() ? 0.0 : *std::max_element(ms.begin(), ms.end()); }
    // "median 1.234 ms, worst 2.345 ms (n)"
    void print(const char* what) {
        std::printf("  %-44s median %9.3f ms, worst %9.3f ms (%zu)\n", what, median(), worst(),
                    ms.size());
    }
};

double elapsedMs(const QElapsedTimer& clock) {
    return static_cast<double>(clock.nsecsElapsed()) / 1e6;
}

class TableBench {
public:
    TableBench(QString directory, bool brief, bool refused)
        : directory_(std::move(directory)), brief_(brief), refused_(refused) {}

    // Prints the figures of the table in `directory_`; false when it is
    // refused though it should open, opens though it should be refused, or a
    // move lands on the wrong row.
    bool run() {
        const QString path = directory_ + QStringLiteral("/tavrin.mdb");
        Figures read;
        int rows = 0;
        int columns = 0;
        for (int i = 0; i < (brief_ ? 1 : 5); ++i) {
            QElapsedTimer clock;
            clock.start();
            const tavrin::JetReadResult result = reader_.read(path, QStringLiteral("Kelvor"));
            read.add(elapsedMs(clock));
            if (result.ok() == refused_) {
                std::printf(refused_ ? "  FAILED: opened, though it should be refused\n"
                                     : "  FAILED: refused by the reader: %s\n",
                            qPrintable(result.message));
                return false;
            }
            if (refused_) {
                if (i == 0) {
                    std::printf("  refused by the reader, as expected: %s\n",
                                qPrintable(result.message));
                }
                continue;
            }
            rows = static_cast<int>(result.table.rows.size());
            columns = static_cast<int>(result.table.fields.size());
        }
        if (refused_) {
            std::printf("  %.1f MB\n", static_cast<double>(QFileInfo(path).size()) / 1e6);
            read.print("refusal (JetTableReader::read via tavrin-read)");
            return true;
        }
        std::printf("  %d rows x %d columns, %.1f MB\n", rows, columns,
                    static_cast<double>(QFileInfo(path).size()) / 1e6);
        read.print("read (JetTableReader::read via tavrin-read)");

        QElapsedTimer clock;
        clock.start();
        Form1 form(tavrin::Form1Platform{
            settings_, windowManager_, messages_, programEnd_, reader_, {}, [this] {
                return directory_;
            }});
        const FirstFrame firstPaint(form, [&form] { return form.Data1()->isOpen(); });
        form.load();
        form.show();
        while (!firstPaint.seen() && messages_.dataErrors.isEmpty() && clock.elapsed() < 60000) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        }
        if (!firstPaint.seen()) {
            std::printf("  no first frame: %s\n", qPrintable(messages_.dataErrors.join("")));
            return false;
        }
        std::printf("  %-44s %9.3f ms\n", "main window built to first frame, table open",
                    elapsedMs(clock));
        return moves(form);
    }

private:
    // Clicks `arrow` and paints what changed; the time it took.
    double move(Form1& form, Arrow arrow) {
        QElapsedTimer clock;
        clock.start();
        form.Data1()->button(arrow)->click();
        QCoreApplication::processEvents();
        return elapsedMs(clock);
    }

    bool expectRow(Form1& form, int row) {
        if (form.Data1()->currentRow() != row) {
            std::printf("  wrong row: %d, not %d\n", form.Data1()->currentRow(), row);
            ok_ = false;
        }
        return ok_;
    }

    bool moves(Form1& form) {
        const int last = form.Data1()->rowCount() - 1;
        const int steps = brief_ ? std::min(last, 50) : last;
        const int jumps = brief_ ? 5 : 101;

        Figures stay;
        for (int i = 0; i < jumps; ++i) {
            stay.add(move(form, Previous));
            stay.add(move(form, First));
        }
        expectRow(form, 0);

        Figures next;
        for (int i = 0; i < steps; ++i) {
            next.add(move(form, Next));
        }
        expectRow(form, steps);

        Figures lastFromFirst;
        Figures firstFromLast;
        for (int i = 0; i < jumps; ++i) {
            move(form, First);
            lastFromFirst.add(move(form, Last));
            expectRow(form, last);
            firstFromLast.add(move(form, First));
            expectRow(form, 0);
        }

        move(form, Last);
        for (int i = 0; i < jumps; ++i) {
            stay.add(move(form, Next));
            stay.add(move(form, Last));
        }
        expectRow(form, last);

        Figures previous;
        for (int i = 0; i < steps; ++i) {
            previous.add(move(form, Previous));
        }
        expectRow(form, last - steps);

        next.print("Next, one row on");
        previous.print("Previous, one row back");
        lastFromFirst.print("Last, from row 1");
        firstFromLast.print("First, from the last row");
        stay.print("any arrow at its end (the row stays)");

        return ok_;
    }

    QString directory_;
    bool brief_;
    bool refused_;
    bool ok_ = true;
    tavrin::test::MemorySettingsStore settings_;
    tavrin::test::RecordingWindowManager windowManager_;
    tavrin::test::RecordingMessages messages_;
    tavrin::test::RecordingProgramEnd programEnd_;
    tavrin::JetTableReader reader_{tavrin::test::builtReader()};
};

struct ChildRun {
    bool ok = false;
    long maxrssKb = 0;
};

// Runs `program` and waits for it, its output going to ours or nowhere.
// Linux carries a parent's peak memory into its children's ru_maxrss, so the
// children are started from this small process, never from one that held a
// large table.
ChildRun runChild(const QString& program, const QStringList& arguments, bool quiet = false) {
    std::fflush(stdout);
    std::vector<std::string> texts{program.toStdString()};
    for (const QString& argument : arguments) {
        texts.push_back(argument.toStdString());
    }
    std::vector<char*> argv;
    for (std::string& text : texts) {
        argv.push_back(text.data());
    }
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (quiet) {
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    }
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ChildRun run;
    if (spawned != 0) {
        std::printf("  cannot start %s\n", argv[0]);
        return run;
    }
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) == pid) {
        run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
        run.maxrssKb = usage.ru_maxrss;
    }
    return run;
}

// Writes each table in a process of its own, reads it once with tavrin-read
// alone for that program's peak memory, and measures the viewer on it.
int runAll(bool brief) {
    QTemporaryDir files;
    const QString self = QCoreApplication::applicationFilePath();
    int failures = 0;
    for (const TableSpec& spec :
         brief ? std::vector<TableSpec>(std::begin(kBriefTables), std::end(kBriefTables))
               : std::vector<TableSpec>(std::begin(kFullTables), std::end(kFullTables))) {
        const QString directory = files.filePath(QString::fromLatin1(spec.name));
        std::printf("%s (Jet 4):\n", spec.name);
        const ChildRun written =
            runChild(self, {QStringLiteral("--write"), directory, QString::number(spec.rows),
                            QString::number(spec.columns)});
        const ChildRun reader =
            runChild(tavrin::JetTableReader(tavrin::test::builtReader()).readerProgram(),
                     {directory + QStringLiteral("/tavrin.mdb"), QStringLiteral("Kelvor")}, true);
        QStringList arguments{QStringLiteral("--table"), directory};
        if (brief) {
            arguments << QStringLiteral("--brief");
        }
        if (spec.refused) {
            arguments << QStringLiteral("--refused");
        }
        const ChildRun viewer = written.ok ? runChild(self, arguments) : ChildRun{};
        std::printf("  peak memory (ru_maxrss): viewer %ld KiB, tavrin-read %ld KiB\n",
                    viewer.maxrssKb, reader.maxrssKb);
        // How the reader refuses a file is its own affair; what counts is
        // that the viewer's read says so.
        if (!viewer.ok || (!reader.ok && !spec.refused)) {
            ++failures;
        }
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("(each child's figure counts at least this bench's own %ld KiB)\n",
                usage.ru_maxrss);
    if (failures != 0) {
        std::printf("FAILED: %d of the tables above\n", failures);
        return 1;
    }
    std::printf("every table gave its expected result\n");
    return 0;
}

int writeTable(const QString& directory, int rows, int columns) {
    QDir().mkpath(directory);
    const QString path = directory + QStringLiteral("/tavrin.mdb");
    if (columns == kSharedLongValue) {
        tavrin::test::writeSharedLongValueFile(path, rows);
        return 0;
    }
    const tavrin::JetTable table = columns == 62 ? tavrin::test::dimensionTable(rows)
                                                 : tavrin::test::manyColumnsTable(columns, rows);
    tavrin::test::writeFixture(directory + QStringLiteral("/tavrin.mdb"), tavrin::JetVersion::Jet4,
                               table);
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    const std::vector<std::string> arguments(argv, argv + argc);
    const auto at = [&](const char* option) {
        const auto found = std::find(arguments.begin(), arguments.end(), option);
        return found == arguments.end() ? std::size_t(0) : std::size_t(found - arguments.begin());
    };
    const bool brief = at("--brief") != 0;
    if (const std::size_t write = at("--write"); write != 0 && write + 3 < arguments.size()) {
        QCoreApplication application(argc, argv);
        return writeTable(QString::fromStdString(arguments[write + 1]),
                          std::stoi(arguments[write + 2]), std::stoi(arguments[write + 3]));
    }
    if (const std::size_t table = at("--table"); table != 0 && table + 1 < arguments.size()) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        QApplication application(argc, argv);
        const bool ok =
            TableBench(QString::fromStdString(arguments[table + 1]), brief, at("--refused") != 0)
                .run();
        std::fflush(stdout);
        return ok ? 0 : 1;
    }
    QCoreApplication application(argc, argv);
    return runAll(brief);
}
