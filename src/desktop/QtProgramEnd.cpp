// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#include "QtProgramEnd.h"

#include <QCoreApplication>

namespace tavrin {

void QtProgramEnd::endNow(int exitCode) {
    requested_ = true;
    exitCode_ = exitCode;
    QCoreApplication::exit(exitCode);
}

} // namespace tavrin
