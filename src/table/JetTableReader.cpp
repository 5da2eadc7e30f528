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

struct JetTableReader::Reader {
    QString path;
    QString tableName;
    std::unique_ptr<QProcess> process; // null when it could not be started
};

JetTableReader::JetTableReader(QString program, int timeLimitMs, QObject* parent)
    : QObject(parent), program_(std::move(program)), timeLimitMs_(timeLimitMs) {
    timeLimit_.setSingleShot(true);
    timeLimit_.setTimerType(Qt::PreciseTimer);
    connect(&timeLimit_, &QTimer::timeout, this, [this] { endRunning(End::TimedOut); });
}

JetTableReader::~JetTableReader() {
    cancel();
    if (ahead_ && ahead_->process) {
        stop(*ahead_->process);
    }
}

QStringList JetTableReader::readerPlaces() const {
    if (!program_.isEmpty()) {
        return {program_};
    }
    const QString dir = QCoreApplication::applicationDirPath();
    return {dir + QStringLiteral("/tavrin-read"),
            QFileInfo(dir + QStringLiteral("/" TAVRIN_READER_FROM_BIN)).absoluteFilePath()};
}

QString JetTableReader::readerProgram() const {
    for (const QString& candidate : readerPlaces()) {
        const QFileInfo info(candidate);
        if (info.isFile() && info.isExecutable()) {
            return info.canonicalFilePath();
        }
    }
    return {};
}

void JetTableReader::readAhead(const QString& path, const QString& tableName) {
    if (ahead_ && ahead_->process) {
        stop(*ahead_->process);
    }
    ahead_ = std::make_unique<Reader>(Reader{path, tableName, startProcess(path, tableName)});
}

std::unique_ptr<QProcess> JetTableReader::startProcess(const QString& path,
                                                       const QString& tableName) const {
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

std::unique_ptr<JetTableReader::Reader> JetTableReader::takeOrStart(const QString& path,
                                                                    const QString& tableName) {
    if (ahead_ && ahead_->process && ahead_->path == path && ahead_->tableName == tableName) {
        // Its answer is taken once; a later read starts afresh.
        return std::move(ahead_);
    }
    return std::make_unique<Reader>(Reader{path, tableName, startProcess(path, tableName)});
}

bool JetTableReader::collect(QProcess& process, QByteArray& answer) {
    const qint64 room = ReaderAnswer::kMaxBytes + 1 - answer.size();
    if (room > 0) {
        answer += process.read(room);
    }
    return answer.size() <= ReaderAnswer::kMaxBytes;
}

void JetTableReader::stop(QProcess& process) {
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished(5000);
    }
}

JetReadResult JetTableReader::result(const Reader& reader, const QProcess* process, End end,
                                     const QByteArray& answer) const {
    if (process == nullptr || process->error() == QProcess::FailedToStart) {
        return JetReadResult::readerMissing(readerPlaces());
    }
    JetReadResult result;
    if (end == End::Finished && process->exitStatus() == QProcess::NormalExit &&
        process->exitCode() == kNoFolderExit && answer.isEmpty()) {
        result.error = JetReadError::Missing;
    } else if (end != End::Finished || process->exitStatus() != QProcess::NormalExit ||
               process->exitCode() != 0 || !ReaderAnswer::decode(answer, result)) {
        result = {};
        result.error = JetReadError::Corrupt;
    }
    // The message is the viewer's own, whatever text the reader sent.
    result.message = JetReadResult::messageFor(result.error, LocalPath::forDisplay(reader.path),
                                               reader.tableName);
    return result;
}

JetReadResult JetTableReader::read(const QString& path, const QString& tableName) {
    const std::unique_ptr<Reader> reader = takeOrStart(path, tableName);
    QProcess* process = reader->process.get();
    if (process == nullptr || !process->waitForStarted()) {
        return result(*reader, process, End::Finished, {});
    }
    QByteArray answer;
    End end = End::Finished;
    const QDeadlineTimer deadline(timeLimitMs_);
    while (process->state() != QProcess::NotRunning && end == End::Finished) {
        process->waitForReadyRead(100);
        if (!collect(*process, answer)) {
            end = End::TooLong;
        } else if (deadline.hasExpired()) {
            end = End::TimedOut;
        }
    }
    stop(*process);
    if (end == End::Finished && !collect(*process, answer)) {
        end = End::TooLong;
    }
    return result(*reader, process, end, answer);
}

void JetTableReader::start(const QString& path, const QString& tableName) {
    cancel();
    reading_ = takeOrStart(path, tableName);
    result_ = {};
    QProcess* process = reading_->process.get();
    const quint64 read = ++reads_;
    // Said from the event loop, for this read only.
    const auto endLater = [this, read](End end) {
        QTimer::singleShot(0, this, [this, read, end] {
            if (reads_ == read) {
                endRunning(end);
            }
        });
    };
    if (process == nullptr || process->error() == QProcess::FailedToStart) {
        endLater(End::Finished);
        return;
    }
    connect(process, &QProcess::readyReadStandardOutput, this, &JetTableReader::collectRunning);
    connect(process, &QProcess::finished, this, [this] { endRunning(End::Finished); });
    connect(process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart) {
            endRunning(End::Finished);
        }
    });
    timeLimit_.start(timeLimitMs_);
    // A reader started ahead may have ended before anyone listened.
    if (process->state() == QProcess::NotRunning) {
        endLater(End::Finished);
    }
}

void JetTableReader::cancel() {
    timeLimit_.stop();
    ++reads_;
    if (reading_ && reading_->process) {
        reading_->process->disconnect(this);
        stop(*reading_->process);
    }
    reading_.reset();
    answer_ = {};
}

void JetTableReader::collectRunning() {
    if (reading_ && !collect(*reading_->process, answer_)) {
        endRunning(End::TooLong);
    }
}

void JetTableReader::endRunning(End end) {
    if (!reading_) {
        return;
    }
    timeLimit_.stop();
    const std::unique_ptr<Reader> reader = std::move(reading_);
    ++reads_;
    // This may run inside one of the process's own signals, so the process
    // goes once control is back in the event loop.
    QProcess* process = reader->process.release();
    if (process != nullptr) {
        process->disconnect(this);
        process->setParent(this);
        process->deleteLater();
        if (end == End::Finished && !collect(*process, answer_)) {
            end = End::TooLong;
        }
        stop(*process);
    }
    result_ = result(*reader, process, end, answer_);
    answer_ = {};
    emit finished();
}

} // namespace tavrin
