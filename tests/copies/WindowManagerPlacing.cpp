// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#include "WindowManagerPlacing.h"

#include "CopiesFixture.h"
#include "X11Probe.h"

#include <QTest>
#include <gtest/gtest.h>

namespace tavrin::test {

std::pair<QString, QString> placeThroughWindowManager(CopyProcess& copy, quint64 window,
                                                      QPoint frame, int waitMs) {
    EXPECT_TRUE(QTest::qWaitFor([&] { return frameExtents(window).has_value(); }, waitMs))
        << "never framed";
    runTool("xdotool", {"windowmove", QString::number(window), QString::number(frame.x()),
                        QString::number(frame.y())});
    QStringList at;
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            copy.send("where");
            at = copy.nextReport(kWaitMs);
            return at.value(3).toInt() == frame.x() && at.value(4).toInt() == frame.y();
        },
        waitMs))
        << at.join(' ').toStdString();
    EXPECT_EQ(framePosition(window), frame);
    // 15 twips to the pixel on the server's 96 dots per inch.
    EXPECT_EQ(at.value(1), QString::number(frame.x() * 15));
    EXPECT_EQ(at.value(2), QString::number(frame.y() * 15));
    return {at.value(1), at.value(2)};
}

} // namespace tavrin::test
