// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#include "DrawingRenderer.h"

#include <cmath>
#include <numbers>
#include <utility>

namespace tavrin::drawings {

namespace {

struct Step {
    int length;
    int width;
};

const std::vector<Step>& steps(ArrowShape shape) {
    static const std::vector<Step> standard{{6, 3}, {6, 5}, {4, 7}};
    static const std::vector<Step> large{{4, 2}, {4, 4}, {4, 6}, {5, 8}};
    return shape == ArrowShape::Large ? large : standard;
}

std::vector<Pixel> arcPath(const Arc& a) {
    return arcPixels(a.cx, a.cy, a.rx, a.ry, a.a0, a.a1);
}

} // namespace

Canvas DrawingRenderer::render(const Drawing& d) {
    Canvas canvas(d.width, d.height);
    for (const Segment& s : d.outline)
        canvas.line(s.x0, s.y0, s.x1, s.y1);
    for (const Arc& a : d.outlineArcs)
        canvas.set(arcPath(a));
    for (const Seed& s : d.cutSurfaces)
        canvas.floodFill(s.x, s.y, Ink::Cut);
    for (const CentreLine& c : d.centreLines)
        centreLine(canvas, c);
    for (const DashedSegment& s : d.dashedLines)
        dashed(canvas, linePixels(s.segment.x0, s.segment.y0, s.segment.x1, s.segment.y1),
               s.pattern);
    for (const DashedArc& a : d.dashedArcs)
        dashed(canvas, arcPath(a.arc), a.pattern);
    for (const Segment& s : d.lines)
        canvas.line(s.x0, s.y0, s.x1, s.y1);
    for (const Arrow& a : d.arrows)
        arrow(canvas, a);
    for (const SlantArrow& a : d.slantArrows)
        slantArrow(canvas, a);
    return canvas;
}

void DrawingRenderer::centreLine(Canvas& canvas, const CentreLine& c) {
    constexpr int gap = 8;
    constexpr int dash = 10;
    const int total = c.y1 - c.y0 + 1;
    const int firstLong = (total - 2 * gap - dash) / 2;
    const int dashTop = c.y0 + firstLong + gap;
    canvas.line(c.x, c.y0, c.x, c.y0 + firstLong - 1);
    canvas.line(c.x, dashTop, c.x, dashTop + dash - 1);
    canvas.line(c.x, dashTop + dash + gap, c.x, c.y1);
}

void DrawingRenderer::dashed(Canvas& canvas, const std::vector<Pixel>& path,
                             const DashPattern& pattern) {
    if (pattern.empty())
        return;
    std::size_t part = 0;
    int left = pattern[0];
    for (const Pixel& p : path) {
        while (left == 0) {
            part = (part + 1) % pattern.size();
            left = pattern[part];
        }
        if (part % 2 == 0)
            canvas.set(p.x, p.y);
        --left;
    }
}

void DrawingRenderer::arrow(Canvas& canvas, const Arrow& a) {
    // Along: +1 away from the tip; across: the pixels either side of the line.
    int alongX = 0;
    int alongY = 0;
    switch (a.points) {
    case Direction::Up:
        alongY = 1;
        break;
    case Direction::Down:
        alongY = -1;
        break;
    case Direction::Left:
        alongX = 1;
        break;
    case Direction::Right:
        alongX = -1;
        break;
    }
    int d = 0;
    for (const Step& step : steps(a.shape)) {
        // An even width has its extra pixel on the right of or below the line.
        const int from = -(step.width - 1) / 2;
        const int to = step.width / 2;
        for (int i = 0; i < step.length; ++i, ++d) {
            for (int k = from; k <= to; ++k) {
                if (alongX != 0)
                    canvas.set(a.x + alongX * d, a.y + k);
                else
                    canvas.set(a.x + k, a.y + alongY * d);
            }
        }
    }
}

void DrawingRenderer::slantArrow(Canvas& canvas, const SlantArrow& a) {
    // A solid wedge 16 px long with a 2-px blunt tip and a 7-px base.
    constexpr double length = 15.5;
    constexpr double tipHalf = 1.0;
    constexpr double baseHalf = 3.5;
    const double rad = a.angle * std::numbers::pi / 180.0;
    const QPointF u(-std::cos(rad), -std::sin(rad)); // from the tip towards the base
    const QPointF n(-u.y(), u.x());
    const QPointF tip(a.x, a.y);
    const QPointF base = tip + length * u;
    canvas.fillConvex(
        {tip + tipHalf * n, base + baseHalf * n, base - baseHalf * n, tip - tipHalf * n});
    canvas.set(static_cast<int>(std::lround(a.x)), static_cast<int>(std::lround(a.y)));
}

} // namespace tavrin::drawings
