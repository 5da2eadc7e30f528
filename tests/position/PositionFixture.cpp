// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#include "PositionFixture.h"

#include "JetTableReader.h"

#include <QtGlobal>

namespace tavrin::test {
namespace {

QStringList& log() {
    static QStringList lines;
    return lines;
}

QtMessageHandler& previous() {
    static QtMessageHandler handler = nullptr;
    return handler;
}

void collect(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtWarningMsg) {
        log() << text;
    }
    if (previous() != nullptr) {
        previous()(type, context, text);
    }
}

} // namespace

QString ProgramRun::builtReader() {
    return QStringLiteral(TAVRIN_READER_PROGRAM);
}

WarningLog::WarningLog() {
    log().clear();
    previous() = qInstallMessageHandler(collect);
}

WarningLog::~WarningLog() {
    qInstallMessageHandler(previous());
}

const QStringList& WarningLog::lines() const {
    return log();
}

bool WarningLog::mentions(const QString& text) const {
    for (const QString& line : log()) {
        if (line.contains(text)) {
            return true;
        }
    }
    return false;
}

} // namespace tavrin::test
