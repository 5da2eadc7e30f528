// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT
#pragma once

#include "JetReadResult.h"
#include "JetTableReader.h"

#include <QByteArray>
#include <QObject>
#include <QTimer>

#include <memory>

class QProcess;

namespace tavrin {

// One read of a table that does not wait: the reading process runs while the
// event loop goes on, and finished() says once that the result is there, when
// the reader has answered, failed, or run out of time
// (JetTableReader::kTimeLimitMs). Destroyed earlier, it ends the reader.
class JetReadRequest : public QObject {
    Q_OBJECT
public:
    JetReadRequest(const QString& path, const QString& tableName, QObject* parent = nullptr,
                   int timeLimitMs = JetTableReader::kTimeLimitMs);
    ~JetReadRequest() override;

    bool isFinished() const { return finished_; }
    // The result, once finished; taken once.
    JetReadResult takeResult() { return std::move(result_); }

signals:
    void finished();

private:
    void collect();
    void end(JetTableReader::End end);

    QString path_;
    QString tableName_;
    std::unique_ptr<QProcess> reader_;
    QByteArray answer_;
    JetReadResult result_;
    QTimer timeLimit_;
    bool finished_ = false;
};

} // namespace tavrin
