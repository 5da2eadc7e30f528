// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "JetReadResult.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>

class QProcess;

namespace tavrin {

// Reads one table of a Jet database file (see JetFileReader).
//
// libmdb trusts the file it reads, and a damaged file can make it read out of
// bounds or loop. The reading is therefore done in a process of its own (the
// program tavrin-read beside the viewer or in its libexec folder), which gets
// kTimeLimitMs and ends with the viewer however the viewer ends; a reader that
// crashes, runs out of time or answers out of bounds means a damaged file, and
// the viewer runs on. The viewer reads through JetReadRequest, which does not
// wait; read() waits, for tools and tests.
class JetTableReader {
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

    // Starts the reading process for `path` and `tableName` at once, so that
    // it runs while the program builds its windows; the first read of the
    // same file and table while this lives takes its answer. One at a time.
    class ReadAhead {
    public:
        ReadAhead(const QString& path, const QString& tableName);
        ~ReadAhead();
        ReadAhead(const ReadAhead&) = delete;
        ReadAhead& operator=(const ReadAhead&) = delete;

    private:
        friend class JetTableReader;
        QString path_;
        QString tableName_;
        std::unique_ptr<QProcess> process_;
    };

    // Waits for the reader's answer, at most `timeLimitMs`.
    static JetReadResult read(const QString& path, const QString& tableName,
                              int timeLimitMs = kTimeLimitMs);

    // The reading program: the one set here, else the first of
    // readerPlaces() that is an executable file.
    static void setReaderProgram(const QString& program);
    static QString readerProgram(); // empty when there is none
    static QStringList readerPlaces();

    // The pieces of a read, shared by read() and JetReadRequest.
    enum class End { Finished, TooLong, TimedOut };
    // The running reader for `path` and `tableName`: the read-ahead's one
    // if it matches, else a new one; null when it cannot be started.
    static std::unique_ptr<QProcess> takeOrStart(const QString& path, const QString& tableName);
    // Moves what the reader has written to `answer`; false once that is more
    // than an answer may be.
    static bool collect(QProcess& reader, QByteArray& answer);
    // Ends the reader if it still runs; a reader that never started (null)
    // gives the missing-program message.
    static void stop(QProcess& reader);
    static JetReadResult result(const QProcess* reader, End end, const QByteArray& answer,
                                const QString& path, const QString& tableName);

private:
    static std::unique_ptr<QProcess> start(const QString& path, const QString& tableName);
};

} // namespace tavrin
