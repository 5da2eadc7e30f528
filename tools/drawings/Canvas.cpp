// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#include "Canvas.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>

namespace tavrin::drawings {

Canvas::Canvas(int width, int height)
    : width_(width), height_(height),
      pixels_(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), Ink::Background) {
}

Ink Canvas::at(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return Ink::Background;
    return pixels_[static_cast<std::size_t>(y) * width_ + x];
}

void Canvas::set(int x, int y, Ink ink) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return;
    pixels_[static_cast<std::size_t>(y) * width_ + x] = ink;
}

void Canvas::set(const std::vector<Pixel>& pixels, Ink ink) {
    for (const Pixel& p : pixels)
        set(p.x, p.y, ink);
}

void Canvas::line(int x0, int y0, int x1, int y1, Ink ink) {
    set(linePixels(x0, y0, x1, y1), ink);
}

void Canvas::fillRect(int x0, int y0, int x1, int y1, Ink ink) {
    for (int y = std::min(y0, y1); y <= std::max(y0, y1); ++y)
        for (int x = std::min(x0, x1); x <= std::max(x0, x1); ++x)
            set(x, y, ink);
}

void Canvas::floodFill(int x, int y, Ink ink) {
    const Ink from = at(x, y);
    if (from == ink)
        return;
    std::vector<Pixel> stack{{x, y}};
    while (!stack.empty()) {
        const Pixel p = stack.back();
        stack.pop_back();
        if (p.x < 0 || p.y < 0 || p.x >= width_ || p.y >= height_ || at(p.x, p.y) != from)
            continue;
        // Fill the whole run of the row, then look above and below it.
        int left = p.x;
        while (left > 0 && at(left - 1, p.y) == from)
            --left;
        int right = p.x;
        while (right + 1 < width_ && at(right + 1, p.y) == from)
            ++right;
        for (int i = left; i <= right; ++i) {
            set(i, p.y, ink);
            stack.push_back({i, p.y - 1});
            stack.push_back({i, p.y + 1});
        }
    }
}

void Canvas::fillConvex(const std::vector<QPointF>& corners, Ink ink) {
    if (corners.size() < 3)
        return;
    double minX = corners[0].x(), maxX = minX, minY = corners[0].y(), maxY = minY;
    for (const QPointF& c : corners) {
        minX = std::min(minX, c.x());
        maxX = std::max(maxX, c.x());
        minY = std::min(minY, c.y());
        maxY = std::max(maxY, c.y());
    }
    // Orientation of the polygon, so that "inside" is the same side of every edge.
    double area = 0;
    for (std::size_t i = 0; i < corners.size(); ++i) {
        const QPointF& a = corners[i];
        const QPointF& b = corners[(i + 1) % corners.size()];
        area += a.x() * b.y() - b.x() * a.y();
    }
    const double sign = area >= 0 ? 1.0 : -1.0;
    for (int y = static_cast<int>(std::floor(minY)); y <= static_cast<int>(std::ceil(maxY)); ++y) {
        for (int x = static_cast<int>(std::floor(minX)); x <= static_cast<int>(std::ceil(maxX));
             ++x) {
            bool inside = true;
            for (std::size_t i = 0; i < corners.size() && inside; ++i) {
                const QPointF& a = corners[i];
                const QPointF& b = corners[(i + 1) % corners.size()];
                const double cross = (b.x() - a.x()) * (y - a.y()) - (b.y() - a.y()) * (x - a.x());
                inside = sign * cross >= -1e-9;
            }
            if (inside)
                set(x, y, ink);
        }
    }
}

QRgb Canvas::rgb(Ink ink) {
    switch (ink) {
    case Ink::Background:
        return qRgb(192, 192, 192);
    case Ink::Cut:
        return qRgb(160, 160, 164);
    case Ink::Line:
        return qRgb(0, 0, 0);
    }
    return qRgb(192, 192, 192);
}

QImage Canvas::toImage() const {
    QImage image(width_, height_, QImage::Format_Indexed8);
    image.setColorTable({rgb(Ink::Background), rgb(Ink::Cut), rgb(Ink::Line)});
    for (int y = 0; y < height_; ++y) {
        uchar* row = image.scanLine(y);
        for (int x = 0; x < width_; ++x)
            row[x] = static_cast<uchar>(at(x, y));
    }
    return image;
}

std::vector<Pixel> linePixels(int x0, int y0, int x1, int y1) {
    std::vector<Pixel> out;
    const int dx = std::abs(x1 - x0);
    const int dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1;
    const int sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    int x = x0;
    int y = y0;
    while (true) {
        out.push_back({x, y});
        if (x == x1 && y == y1)
            break;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
    return out;
}

std::vector<Pixel> arcPixels(double cx, double cy, double rx, double ry, double a0, double a1) {
    // Walk the arc finely. Where it runs flatter than 45 degrees take one pixel
    // per column, elsewhere one per row, each rounded from the exact curve;
    // then drop the corner pixel of any L-shaped step so that the curve stays
    // one pixel wide and 8-connected.
    const double span = a1 - a0;
    const int steps = std::max(8, static_cast<int>(std::abs(span) * std::max(rx, ry) / 4.0));
    auto round = [](double v) { return static_cast<int>(std::lround(v)); };
    std::vector<Pixel> raw;
    for (int i = 0; i <= steps; ++i) {
        const double a = (a0 + span * i / steps) * std::numbers::pi / 180.0;
        const double c = std::cos(a);
        const double s = std::sin(a);
        Pixel p{round(cx + rx * c), round(cy + ry * s)};
        const bool flat = std::abs(rx * s) >= std::abs(ry * c);
        if (flat) {
            const double u = std::clamp((p.x - cx) / rx, -1.0, 1.0);
            p.y = round(cy + (s < 0 ? -1 : 1) * ry * std::sqrt(1 - u * u));
        } else {
            const double v = std::clamp((p.y - cy) / ry, -1.0, 1.0);
            p.x = round(cx + (c < 0 ? -1 : 1) * rx * std::sqrt(1 - v * v));
        }
        if (i == 0 || i == steps) // the ends lie exactly where the angles put them
            p = {round(cx + rx * c), round(cy + ry * s)};
        if (!raw.empty() && raw.back() == p)
            continue;
        if (!raw.empty() &&
            (std::abs(raw.back().x - p.x) > 1 || std::abs(raw.back().y - p.y) > 1)) {
            auto piece = linePixels(raw.back().x, raw.back().y, p.x, p.y);
            raw.insert(raw.end(), piece.begin() + 1, piece.end() - 1);
        }
        raw.push_back(p);
    }
    std::vector<Pixel> out;
    for (std::size_t i = 0; i < raw.size(); ++i) {
        if (!out.empty() && i + 1 < raw.size()) {
            const Pixel& prev = out.back();
            const Pixel& next = raw[i + 1];
            if (std::abs(prev.x - next.x) <= 1 && std::abs(prev.y - next.y) <= 1)
                continue;
        }
        out.push_back(raw[i]);
    }
    return out;
}

} // namespace tavrin::drawings
