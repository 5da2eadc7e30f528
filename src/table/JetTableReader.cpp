// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#include "JetTableReader.h"

#include "LocalPath.h"
#include "ReaderAnswer.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <csignal>
#include <sys/prctl.h>
#include <unistd.h>

namespace tavrin {
namespace {

QString& readerProgramOverride() {
    static QString program;
    return program;
}

JetTableReader::ReadAhead*& currentReadAhead() {
    static JetTableReader::ReadAhead* readAhead = nullptr;
    return readAhead;
}

// How the reader is to find the file: by `argument`, after changing to
// `folder` when that is not empty. A name that Qt's text would not carry
// byte for byte to the reader is reached from its folder.
struct FileArgument {
    QString argument;
    QByteArray folder;
};

FileArgument fileArgument(const QString& path) {
    const QByteArray bytes = LocalPath::toBytes(path);
    if (QFile::encodeName(QFile::decodeName(bytes)) == bytes) {
        return {QFile::decodeName(bytes), {}};
    }
    const qsizetype slash = bytes.lastIndexOf('/');
    if (slash < 0) {
        return {QFile::decodeName(bytes), {}};
    }
    return {QStringLiteral("./") + QFile::decodeName(bytes.mid(slash + 1)),
            slash == 0 ? QByteArray("/") : bytes.left(slash)};
}

// The reader's status when the folder of the file cannot be entered.
constexpr int kNoFolderExit = 125;

} // namespace

void JetTableReader::setReaderProgram(const QString& program) {
    readerProgramOverride() = program;
}

QStringList JetTableReader::readerPlaces() {
    if (!readerProgramOverride().isEmpty()) {
        return {readerProgramOverride()};
    }
    const QString dir = QCoreApplication::applicationDirPath();
    return {dir + QStringLiteral("/tavrin-read"),
            QFileInfo(dir + QStringLiteral("/" TAVRIN_READER_FROM_BIN)).absoluteFilePath()};
}

QString JetTableReader::readerProgram() {
    for (const QString& candidate : readerPlaces()) {
        const QFileInfo info(candidate);
        if (info.isFile() && info.isExecutable()) {
            return info.canonicalFilePath();
        }
    }
    return {};
}

JetTableReader::ReadAhead::ReadAhead(const QString& path, const QString& tableName)
    : path_(path), tableName_(tableName), process_(start(path, tableName)) {
    if (currentReadAhead() == nullptr) {
        currentReadAhead() = this;
    }
}

JetTableReader::ReadAhead::~ReadAhead() {
    if (currentReadAhead() == this) {
        currentReadAhead() = nullptr;
    }
    if (process_) {
        stop(*process_);
    }
}

std::unique_ptr<QProcess> JetTableReader::start(const QString& path, const QString& tableName) {
    const QString program = readerProgram();
    if (program.isEmpty()) {
        return nullptr;
    }
    const FileArgument file = fileArgument(path);
    auto reader = std::make_unique<QProcess>();
    reader->setProcessChannelMode(QProcess::SeparateChannels);
    reader->setStandardErrorFile(QProcess::nullDevice());
    const pid_t viewer = ::getpid();
    const QByteArray folder = file.folder;
    // In the child, before the reading program runs: it is to end when the
    // viewer does, even when the viewer is killed.
    reader->setChildProcessModifier([viewer, folder] {
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (::getppid() != viewer) {
            ::_exit(127);
        }
        if (!folder.isEmpty() && ::chdir(folder.constData()) != 0) {
            ::_exit(kNoFolderExit);
        }
    });
    reader->start(program, {file.argument, tableName}, QIODevice::ReadOnly);
    return reader;
}

std::unique_ptr<QProcess> JetTableReader::takeOrStart(const QString& path,
                                                      const QString& tableName) {
    if (ReadAhead* ahead = currentReadAhead(); ahead != nullptr && ahead->process_ &&
                                               ahead->path_ == path &&
                                               ahead->tableName_ == tableName) {
        // Its answer is taken once; a later read starts afresh.
        return std::move(ahead->process_);
    }
    return start(path, tableName);
}

bool JetTableReader::collect(QProcess& reader, QByteArray& answer) {
    const qint64 room = ReaderAnswer::kMaxBytes + 1 - answer.size();
    if (room > 0) {
        answer += reader.read(room);
    }
    return answer.size() <= ReaderAnswer::kMaxBytes;
}

void JetTableReader::stop(QProcess& reader) {
    if (reader.state() != QProcess::NotRunning) {
        reader.kill();
        reader.waitForFinished(5000);
    }
}

JetReadResult JetTableReader::result(const QProcess* reader, End end, const QByteArray& answer,
                                     const QString& path, const QString& tableName) {
    if (reader == nullptr || reader->error() == QProcess::FailedToStart) {
        return JetReadResult::readerMissing(readerPlaces());
    }
    JetReadResult result;
    if (end == End::Finished && reader->exitStatus() == QProcess::NormalExit &&
        reader->exitCode() == kNoFolderExit && answer.isEmpty()) {
        result.error = JetReadError::Missing;
    } else if (end != End::Finished || reader->exitStatus() != QProcess::NormalExit ||
               reader->exitCode() != 0 || !ReaderAnswer::decode(answer, result)) {
        result = {};
        result.error = JetReadError::Corrupt;
    }
    // The message is the viewer's own, whatever text the reader sent.
    result.message =
        JetReadResult::messageFor(result.error, LocalPath::forDisplay(path), tableName);
    return result;
}

JetReadResult JetTableReader::read(const QString& path, const QString& tableName, int timeLimitMs) {
    const std::unique_ptr<QProcess> reader = takeOrStart(path, tableName);
    if (!reader || !reader->waitForStarted()) {
        return result(reader.get(), End::Finished, {}, path, tableName);
    }
    QByteArray answer;
    End end = End::Finished;
    const QDeadlineTimer deadline(timeLimitMs);
    while (reader->state() != QProcess::NotRunning && end == End::Finished) {
        reader->waitForReadyRead(100);
        if (!collect(*reader, answer)) {
            end = End::TooLong;
        } else if (deadline.hasExpired()) {
            end = End::TimedOut;
        }
    }
    stop(*reader);
    if (end == End::Finished && !collect(*reader, answer)) {
        end = End::TooLong;
    }
    return result(reader.get(), end, answer, path, tableName);
}

} // namespace tavrin
