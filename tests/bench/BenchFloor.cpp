// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

// The floor: a bare Qt window showing one label, ending after its first frame.

#include "FirstFrameReport.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QLabel label(QStringLiteral("Kelvor"));
    const FirstFrame firstFrame(
        label, [] { return true; }, reportFirstFrameAndQuit);
    label.show();
    return QApplication::exec();
}
