// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT
#include "JetReadRequest.h"

#include <QProcess>

namespace tavrin {

JetReadRequest::JetReadRequest(const QString& path, const QString& tableName, QObject* parent,
                               int timeLimitMs)
    : QObject(parent), path_(path), tableName_(tableName),
      reader_(JetTableReader::takeOrStart(path, tableName)) {
    using End = JetTableReader::End;
    if (!reader_ || reader_->error() == QProcess::FailedToStart) {
        QTimer::singleShot(0, this, [this] { end(End::Finished); });
        return;
    }
    connect(reader_.get(), &QProcess::readyReadStandardOutput, this, &JetReadRequest::collect);
    connect(reader_.get(), &QProcess::finished, this, [this] { end(End::Finished); });
    connect(reader_.get(), &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart) {
            end(End::Finished);
        }
    });
    timeLimit_.setSingleShot(true);
    timeLimit_.setTimerType(Qt::PreciseTimer);
    connect(&timeLimit_, &QTimer::timeout, this, [this] { end(End::TimedOut); });
    timeLimit_.start(timeLimitMs);
    // A reader started ahead may have ended before anyone listened.
    if (reader_->state() == QProcess::NotRunning) {
        QTimer::singleShot(0, this, [this] { end(End::Finished); });
    }
}

JetReadRequest::~JetReadRequest() {
    if (reader_) {
        reader_->disconnect(this);
        JetTableReader::stop(*reader_);
    }
}

void JetReadRequest::collect() {
    if (!finished_ && !JetTableReader::collect(*reader_, answer_)) {
        end(JetTableReader::End::TooLong);
    }
}

void JetReadRequest::end(JetTableReader::End end) {
    if (finished_) {
        return;
    }
    finished_ = true;
    timeLimit_.stop();
    if (reader_) {
        reader_->disconnect(this);
        if (end == JetTableReader::End::Finished && !JetTableReader::collect(*reader_, answer_)) {
            end = JetTableReader::End::TooLong;
        }
        JetTableReader::stop(*reader_);
    }
    result_ = JetTableReader::result(reader_.get(), end, answer_, path_, tableName_);
    answer_ = {};
    emit finished();
}

} // namespace tavrin
