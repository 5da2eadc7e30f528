// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#include "AssetPaths.h"

namespace tavrin::assets {

QString drawingPath(const QString& name) {
    return QStringLiteral(":/drawings/%1.png").arg(name);
}

QString iconPath(const QString& name) {
    return QStringLiteral(":/icons/%1.xpm").arg(name);
}

} // namespace tavrin::assets
