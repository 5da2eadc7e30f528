// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT
#include "StandInReader.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QThread>

namespace tavrin::test {

StandInReader::StandInReader(const QString& script, const QString& name)
    : program_(dir_.filePath(name)) {
    QFile file(program_);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(QStringLiteral("#!/bin/sh\necho $$ > '%1.part' && mv '%1.part' '%1'\n%2\n")
                       .arg(pidFile(), script)
                       .toUtf8());
        file.close();
        file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                            QFileDevice::ExeOwner);
    }
}

long StandInReader::waitForPid() const {
    const QDeadlineTimer deadline(10000);
    while (!deadline.hasExpired()) {
        QFile file(pidFile());
        if (file.open(QIODevice::ReadOnly)) {
            return file.readAll().trimmed().toLong();
        }
        QThread::msleep(10);
    }
    return 0;
}

bool hasEnded(long pid, int milliseconds) {
    const QDeadlineTimer deadline(milliseconds);
    do {
        QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
        if (!stat.open(QIODevice::ReadOnly)) {
            return true;
        }
        // "pid (name) S ...": the state follows the name's closing bracket.
        const QByteArray line = stat.readAll();
        const qsizetype close = line.lastIndexOf(')');
        if (close < 0 || line.mid(close + 2, 1) == "Z") {
            return true;
        }
        QThread::msleep(20);
    } while (!deadline.hasExpired());
    return false;
}

} // namespace tavrin::test
