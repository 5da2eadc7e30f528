// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#include "X11Probe.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTest>

namespace tavrin::test {

QString runTool(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForStarted(5000)) {
        return {};
    }
    if (!QTest::qWaitFor([&] { return process.state() == QProcess::NotRunning; }, 10000)) {
        process.kill();
        process.waitForFinished();
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString property(quint64 window, const char* name) {
    return runTool("xprop", {"-id", QString::number(window), name});
}

QRect serverGeometry(quint64 window) {
    const QString info = runTool("xwininfo", {"-id", QString::number(window)});
    const auto number = [&](const char* label) {
        const QRegularExpression pattern(QString(label) + R"(:\s+(-?\d+))");
        return pattern.match(info).captured(1).toInt();
    };
    return {number("Absolute upper-left X"), number("Absolute upper-left Y"), number("Width"),
            number("Height")};
}

std::optional<QList<int>> frameExtents(quint64 window) {
    const QString text = property(window, "_NET_FRAME_EXTENTS");
    const QRegularExpressionMatch match =
        QRegularExpression(R"(= (\d+), (\d+), (\d+), (\d+))").match(text);
    if (!match.hasMatch()) {
        return std::nullopt;
    }
    return QList<int>{match.captured(1).toInt(), match.captured(2).toInt(),
                      match.captured(3).toInt(), match.captured(4).toInt()};
}

std::optional<QPoint> framePosition(quint64 window) {
    const std::optional<QList<int>> extents = frameExtents(window);
    if (!extents) {
        return std::nullopt;
    }
    return serverGeometry(window).topLeft() - QPoint((*extents)[0], (*extents)[2]);
}

bool windowManagerRunning() {
    return runTool("xprop", {"-root", "_NET_SUPPORTING_WM_CHECK"}).contains("window id");
}

} // namespace tavrin::test
