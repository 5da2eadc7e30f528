// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "Canvas.h"
#include "Drawing.h"

namespace tavrin::drawings {

// Paints a Drawing's tables onto a fresh canvas of its size.
class DrawingRenderer {
public:
    static Canvas render(const Drawing& drawing);

    static void centreLine(Canvas& canvas, const CentreLine& line);
    static void dashed(Canvas& canvas, const std::vector<Pixel>& path, const DashPattern& pattern);
    static void arrow(Canvas& canvas, const Arrow& arrow);
    static void slantArrow(Canvas& canvas, const SlantArrow& arrow);
};

} // namespace tavrin::drawings
