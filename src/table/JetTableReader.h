// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "JetReadResult.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <memory>

class QProcess;

namespace tavrin {

// Reads one table of a Jet database file (see JetFileReader) and owns the
// reading process from its start to its answer.
//
// libmdb trusts the file it reads, and a damaged file can make it read out of
// bounds or loop. The reading is therefore done in a process of its own (the
// program tavrin-read beside the viewer or in its libexec folder), which gets
// the time limit and ends with the viewer however the viewer ends; a reader
// that crashes, runs out of time or answers out of bounds means a damaged
// file, and the viewer runs on. The viewer reads through start(), which does
// not wait; read() waits, for tools and tests. Destroyed, it ends every reader
// it started.
class JetTableReader : public QObject {
    Q_OBJECT
public:
    // A read of 10,000 rows takes about half a second; a reader that has not
    // answered after this long is taken to hang. Built with AddressSanitizer,
    // the same read takes 7 s alone, and on a machine busy with a parallel
    // test run up to ten times that.
#ifdef TAVRIN_SANITIZED_BUILD
    static constexpr int kTimeLimitMs = 120000;
#else
    static constexpr int kTimeLimitMs = 10000;
#endif

    // Reads with `program`, or when that is empty with the first of
    // readerPlaces() that is an executable file; a reader that has not
    // answered within `timeLimitMs` is ended.
    explicit JetTableReader(QString program = {}, int timeLimitMs = kTimeLimitMs,
                            QObject* parent = nullptr);
    ~JetTableReader() override;
    JetTableReader(const JetTableReader&) = delete;
    JetTableReader& operator=(const JetTableReader&) = delete;

    void setReaderProgram(const QString& program) {
        program_ = program;
    }
    QString readerProgram() const; // empty when there is none
    QStringList readerPlaces() const;

    // Starts the reading process for `path` and `tableName` at once, so that
    // it runs while the program builds its windows; the first read of the
    // same file and table takes its answer. One at a time: a later call
    // gives up the reader started before.
    void readAhead(const QString& path, const QString& tableName);

    // Reads without waiting: the reading process runs while the event loop
    // goes on, and finished() says once that the result is there, when the
    // reader has answered, failed, or run out of time. One read at a time: a
    // read still running is given up first.
    void start(const QString& path, const QString& tableName);
    bool isReading() const {
        return reading_ != nullptr;
    }
    // The result of the read start() began, once finished; taken once.
    JetReadResult takeResult() {
        return std::move(result_);
    }
    // Gives up the read start() began, ending its reader; finished() is not said.
    void cancel();

    // Waits for the reader's answer.
    JetReadResult read(const QString& path, const QString& tableName);

signals:
    void finished();

private:
    enum class End { Finished, TooLong, TimedOut };
    // A reading process and the file and table it reads.
    struct Reader;

    std::unique_ptr<QProcess> startProcess(const QString& path, const QString& tableName) const;
    std::unique_ptr<Reader> takeOrStart(const QString& path, const QString& tableName);
    static bool collect(QProcess& process, QByteArray& answer);
    static void stop(QProcess& process);
    JetReadResult result(const Reader& reader, const QProcess* process, End end,
                         const QByteArray& answer) const;
    void collectRunning();
    void endRunning(End end);

    QString program_;
    int timeLimitMs_;
    std::unique_ptr<Reader> ahead_;
    std::unique_ptr<Reader> reading_;
    quint64 reads_ = 0; // the reads start() began, to tell them apart
    QByteArray answer_;
    JetReadResult result_;
    QTimer timeLimit_;
};

} // namespace tavrin
