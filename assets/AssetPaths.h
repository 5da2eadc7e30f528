// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#pragma once

// Resource paths of the drawings and icons compiled into the program.

#include <QString>

namespace tavrin::assets {

// ":/drawings/<name>.png", e.g. drawingPath("sheet0").
QString drawingPath(const QString& name);

// ":/icons/<name>.xpm", e.g. iconPath("tavrin").
QString iconPath(const QString& name);

} // namespace tavrin::assets
