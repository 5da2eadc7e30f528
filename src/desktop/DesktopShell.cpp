// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#include "DesktopShell.h"

#include <QDesktopServices>
#include <QUrl>

namespace tavrin {

void DesktopShell::open(const QString& verb, const QString& file) {
    if (verb != QLatin1String("open")) {
        return;
    }
    QDesktopServices::openUrl(QUrl(file, QUrl::StrictMode));
}

} // namespace tavrin
