// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#include "ExcURL.h"

#include "Shell.h"

#include <QUrl>

namespace tavrin {

bool ExcURL::isWebAddress(const QString& address) {
    const QUrl url(address, QUrl::StrictMode);
    const QString scheme = url.scheme(); // QUrl keeps schemes in lower case
    return url.isValid() && (scheme == QLatin1String("http") || scheme == QLatin1String("https")) &&
           !url.host().isEmpty();
}

void ExcURL::ShellExecute(Shell& shell, const QString& address) {
    if (isWebAddress(address)) {
        shell.open(QStringLiteral("open"), address);
    }
}

} // namespace tavrin
