// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#include "ApplicationIdentity.h"

#include <QGuiApplication>

namespace tavrin {

void ApplicationIdentity::apply() {
    QGuiApplication::setApplicationName(QStringLiteral("Tavrin"));
    QGuiApplication::setApplicationVersion(QStringLiteral(TAVRIN_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(TAVRIN_APP_ID));
}

} // namespace tavrin
