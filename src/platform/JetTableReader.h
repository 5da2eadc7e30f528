#pragma once

#include "JetReadResult.h"

#include <QString>

#include <memory>

class QProcess;

namespace tavrin {

// Reads one table of a Jet database file (see JetFileReader).
//
// libmdb trusts the file it reads, and a damaged file can make it read out of
// bounds or loop. read() therefore does the reading in a process of its own
// (the program tavrin-read beside the viewer), which gets a bounded time; a
// reader that crashes or runs out of time means a damaged file, and the
// viewer runs on.
class JetTableReader {
public:
    // Starts the reading process for `path` and `tableName` at once, so that
    // it runs while the program builds its windows; a read() of the same file
    // and table while this lives takes its answer. One at a time.
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

    static JetReadResult read(const QString& path, const QString& tableName);

    // The reading program; by default tavrin-read beside the running program.
    static void setReaderProgram(const QString& program);
    static QString readerProgram();

private:
    static void startReader(QProcess& reader, const QString& path, const QString& tableName);
    static JetReadResult finishReader(QProcess& reader, const QString& path,
                                      const QString& tableName);
};

} // namespace tavrin
