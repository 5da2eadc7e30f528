// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#include "CopyProcess.h"

#include <QDeadlineTimer>
#include <QFile>
#include <csignal>

namespace tavrin::test {

CopyProcess::CopyProcess(const QString& folder, const QProcessEnvironment& environment,
                         const QString& errorFile)
    : process_(std::make_unique<QProcess>()), errorFile_(errorFile) {
    process_->setWorkingDirectory(folder);
    process_->setProcessEnvironment(environment);
    process_->setStandardErrorFile(errorFile);
    process_->start(QStringLiteral(TAVRIN_COPY_PROGRAM), {});
}

CopyProcess::~CopyProcess() {
    if (process_->state() != QProcess::NotRunning) {
        process_->kill();
        process_->waitForFinished();
    }
}

void CopyProcess::signal(int number) {
    if (process_->state() == QProcess::Running) {
        ::kill(static_cast<pid_t>(process_->processId()), number);
    }
}

QStringList CopyProcess::nextReport(int timeoutMs) {
    const QDeadlineTimer deadline(timeoutMs);
    for (;;) {
        pending_ += process_->readAllStandardOutput();
        if (pending_.contains('\n')) {
            break;
        }
        if (process_->state() == QProcess::NotRunning || deadline.hasExpired()) {
            return {};
        }
        process_->waitForReadyRead(static_cast<int>(deadline.remainingTime()));
    }
    const qsizetype end = pending_.indexOf('\n');
    const QString line = QString::fromUtf8(pending_.left(end));
    pending_.remove(0, end + 1);
    return line.split(QLatin1Char('\t'));
}

void CopyProcess::send(const QByteArray& command) {
    process_->write(command + '\n');
    process_->waitForBytesWritten(1000);
}

bool CopyProcess::running() {
    return process_->state() != QProcess::NotRunning && !process_->waitForFinished(0);
}

bool CopyProcess::waitForEnd(int timeoutMs) {
    return process_->state() == QProcess::NotRunning || process_->waitForFinished(timeoutMs);
}

bool CopyProcess::endedNormally() const {
    return process_->state() == QProcess::NotRunning &&
           process_->exitStatus() == QProcess::NormalExit;
}

int CopyProcess::exitCode() const {
    return process_->exitCode();
}

QString CopyProcess::errors() const {
    QFile file(errorFile_);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace tavrin::test
