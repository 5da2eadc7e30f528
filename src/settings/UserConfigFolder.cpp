// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT
#include "UserConfigFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <pwd.h>
#include <unistd.h>
#include <vector>

namespace tavrin {
namespace {

bool usable(const QString& folder) {
    return !folder.isEmpty() && QFileInfo(folder).isAbsolute() &&
           QDir::cleanPath(folder) != QDir::rootPath();
}

} // namespace

QString UserConfigFolder::find() {
    const QString xdgConfigHome = qEnvironmentVariable("XDG_CONFIG_HOME");
    const QString home = qEnvironmentVariable("HOME");
    if (usable(xdgConfigHome) || usable(home)) {
        return from(xdgConfigHome, home, {});
    }
    return from(xdgConfigHome, home, accountHome());
}

QString UserConfigFolder::from(const QString& xdgConfigHome, const QString& home,
                               const QString& accountHome) {
    if (usable(xdgConfigHome)) {
        return QDir::cleanPath(xdgConfigHome);
    }
    for (const QString& folder : {home, accountHome}) {
        if (usable(folder)) {
            return QDir::cleanPath(folder) + QStringLiteral("/.config");
        }
    }
    return {};
}

QString UserConfigFolder::accountHome() {
    long size = sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(static_cast<std::size_t>(size > 0 ? size : 16384));
    passwd entry{};
    passwd* found = nullptr;
    if (getpwuid_r(geteuid(), &entry, buffer.data(), buffer.size(), &found) != 0 ||
        found == nullptr || found->pw_dir == nullptr) {
        return {};
    }
    return QFile::decodeName(found->pw_dir);
}

} // namespace tavrin
