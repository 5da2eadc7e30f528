// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "Drawing.h"

#include <QString>

#include <vector>

namespace tavrin::drawings {

Drawing sheet0Drawing();  // flanges of classes 5k and 10k
Drawing sheet12Drawing(); // flanges of classes 20k and 30k, one drawing for both sheets
Drawing sheet3Drawing();  // flanges of classes 40k and 63k
Drawing sheet4Drawing();  // elbows and tee

// All four, in sheet order.
const std::vector<Drawing>& sheetDrawings();

// Renders every drawing and writes it as <name>.png into `folder`; false if a
// file could not be written.
bool writeSheetDrawings(const QString& folder);

} // namespace tavrin::drawings
