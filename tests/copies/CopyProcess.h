// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QByteArray>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <memory>

namespace tavrin::test {

// One running copy of the viewer (tavrin-copy, see CopyControl.h), started in
// `folder` with `environment`; its standard error goes to `errorFile`. Ended
// with a kill if it is still running when this goes.
class CopyProcess {
public:
    CopyProcess(const QString& folder, const QProcessEnvironment& environment,
                const QString& errorFile);
    ~CopyProcess();
    CopyProcess(const CopyProcess&) = delete;
    CopyProcess& operator=(const CopyProcess&) = delete;

    // The next report's fields; empty when none came within `timeoutMs` or the
    // copy ended first.
    QStringList nextReport(int timeoutMs);
    void send(const QByteArray& command);
    // Sends the copy the signal `number`, as the session does at its end.
    void signal(int number);

    bool running();
    // Waits for the end; false when the copy still runs after `timeoutMs`.
    bool waitForEnd(int timeoutMs);
    bool endedNormally() const;
    int exitCode() const;
    QString errors() const; // what it wrote to standard error

private:
    std::unique_ptr<QProcess> process_;
    QString errorFile_;
    QByteArray pending_;
};

} // namespace tavrin::test
