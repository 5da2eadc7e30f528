#pragma once

#include "TableData.h"

#include <QString>

#include <memory>

class QProcess;

namespace tavrin {

// What went wrong when a data file could not be read.
enum class JetReadError {
    None,
    Missing,    // no such file
    NotAFile,   // a directory or other non-regular file
    Unreadable, // no permission, or the read failed
    Empty,      // zero bytes
    Truncated,  // shorter than the smallest Jet database
    NotJet,     // not a Jet database at all
    Corrupt,    // a Jet header, but the catalog or table cannot be read
    NoTable,    // the table is not in the file
    NoRows,     // the table holds no row
};

struct JetReadResult {
    TableData table;
    JetReadError error = JetReadError::None;
    QString message; // Japanese, names the path; empty on success

    bool ok() const { return error == JetReadError::None; }
};

// Reads one table of a Jet 3 or Jet 4 database file, read only, through libmdb.
// Jet 3 text is decoded in the code page the file records, or as code page 932
// where it records none; Jet 4 text is Unicode. Numbers come out as a person
// writes them ("15.5", never "15.50000000").
//
// libmdb trusts the file it reads, and a damaged file can make it read out of
// bounds or loop. read() therefore does the reading in a process of its own
// (the program tavrin-read beside the viewer), which gets a bounded time; a
// reader that crashes or runs out of time means a damaged file, and the
// viewer runs on. readHere() is the reading itself, in the calling process.
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
    static JetReadResult readHere(const QString& path, const QString& tableName);

    // The reading program; by default tavrin-read beside the running program.
    static void setReaderProgram(const QString& program);
    static QString readerProgram();

    // The result as the reading program hands it over, and back.
    static QByteArray encode(const JetReadResult& result);
    static bool decode(const QByteArray& bytes, JetReadResult& result);

    // The Japanese message for an error about `path`.
    static QString messageFor(JetReadError error, const QString& path, const QString& tableName);

private:
    static void startReader(QProcess& reader, const QString& path, const QString& tableName);
    static JetReadResult finishReader(QProcess& reader, const QString& path,
                                      const QString& tableName);
};

} // namespace tavrin
