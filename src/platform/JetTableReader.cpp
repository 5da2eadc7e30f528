#include "JetTableReader.h"

#include "JetFileReader.h"
#include "ReaderAnswer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <memory>

namespace tavrin {
namespace {

QString& readerProgramOverride() {
    static QString program;
    return program;
}

constexpr int kReaderTimeoutMs = 30000;

} // namespace

void JetTableReader::setReaderProgram(const QString& program) {
    readerProgramOverride() = program;
}

QString JetTableReader::readerProgram() {
    if (!readerProgramOverride().isEmpty()) {
        return readerProgramOverride();
    }
    const QString dir = QCoreApplication::applicationDirPath();
    for (const QString& candidate :
         {dir + QStringLiteral("/tavrin-read"), dir + QStringLiteral("/" TAVRIN_READER_FROM_BIN)}) {
        if (QFileInfo(candidate).isExecutable()) {
            return QFileInfo(candidate).canonicalFilePath();
        }
    }
    return dir + QStringLiteral("/tavrin-read");
}

namespace {

JetTableReader::ReadAhead*& currentReadAhead() {
    static JetTableReader::ReadAhead* readAhead = nullptr;
    return readAhead;
}

} // namespace

JetTableReader::ReadAhead::ReadAhead(const QString& path, const QString& tableName)
    : path_(path), tableName_(tableName), process_(std::make_unique<QProcess>()) {
    startReader(*process_, path_, tableName_);
    if (currentReadAhead() == nullptr) {
        currentReadAhead() = this;
    }
}

JetTableReader::ReadAhead::~ReadAhead() {
    if (currentReadAhead() == this) {
        currentReadAhead() = nullptr;
    }
    if (process_ && process_->state() != QProcess::NotRunning) {
        process_->kill();
        process_->waitForFinished();
    }
}

void JetTableReader::startReader(QProcess& reader, const QString& path, const QString& tableName) {
    reader.setProcessChannelMode(QProcess::SeparateChannels);
    reader.setStandardErrorFile(QProcess::nullDevice());
    reader.start(readerProgram(), {path, tableName}, QIODevice::ReadOnly);
}

JetReadResult JetTableReader::finishReader(QProcess& reader, const QString& path,
                                           const QString& tableName) {
    JetReadResult result;
    if (!reader.waitForStarted()) {
        // Without the reading program, read here rather than not at all.
        qWarning("tavrin: %s not found; reading the data file in this process",
                 qPrintable(readerProgram()));
        return JetFileReader::read(path, tableName);
    }
    QByteArray bytes;
    QElapsedTimer clock;
    clock.start();
    while (reader.state() != QProcess::NotRunning && clock.elapsed() < kReaderTimeoutMs) {
        reader.waitForReadyRead(100);
        bytes += reader.readAllStandardOutput();
    }
    if (reader.state() != QProcess::NotRunning) {
        reader.kill();
        reader.waitForFinished();
    }
    bytes += reader.readAllStandardOutput();
    if (reader.exitStatus() != QProcess::NormalExit || reader.exitCode() != 0 ||
        !ReaderAnswer::decode(bytes, result)) {
        result = {};
        result.error = JetReadError::Corrupt;
        result.message = JetReadResult::messageFor(JetReadError::Corrupt, path, tableName);
    }
    return result;
}

JetReadResult JetTableReader::read(const QString& path, const QString& tableName) {
    if (ReadAhead* ahead = currentReadAhead(); ahead != nullptr && ahead->process_ &&
                                               ahead->path_ == path &&
                                               ahead->tableName_ == tableName) {
        // Its answer is taken once; a later read starts afresh.
        const std::unique_ptr<QProcess> reader = std::move(ahead->process_);
        return finishReader(*reader, path, tableName);
    }
    QProcess reader;
    startReader(reader, path, tableName);
    return finishReader(reader, path, tableName);
}

} // namespace tavrin
