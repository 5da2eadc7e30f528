// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#include "ImageProbe.h"

#include <algorithm>
#include <sstream>

namespace tavrin::test {

namespace {

constexpr QRgb kLine = 0xff000000;
constexpr QRgb kCut = 0xffa0a0a4;
constexpr QRgb kBackground = 0xffc0c0c0;

const char* name(Expect e) {
    switch (e) {
    case Expect::Line:
        return "line";
    case Expect::Cut:
        return "cut surface";
    case Expect::Background:
        return "background";
    case Expect::Open:
        return "not line";
    }
    return "?";
}

bool matches(QRgb c, Expect e) {
    switch (e) {
    case Expect::Line:
        return c == kLine;
    case Expect::Cut:
        return c == kCut;
    case Expect::Background:
        return c == kBackground;
    case Expect::Open:
        return c == kCut || c == kBackground;
    }
    return false;
}

QRgb pixelAt(const QImage& image, int x, int y) {
    if (!image.valid(x, y))
        return kBackground;
    return image.pixel(x, y) | 0xff000000;
}

} // namespace

QImage loadDrawing(const QString& name) {
    return QImage(QStringLiteral(TAVRIN_ASSETS_DIR "/drawings/%1.png").arg(name))
        .convertToFormat(QImage::Format_RGB32);
}

QImage loadIcon(const QString& name) {
    return QImage(QStringLiteral(TAVRIN_ASSETS_DIR "/icons/%1.xpm").arg(name))
        .convertToFormat(QImage::Format_ARGB32);
}

bool isLine(const QImage& image, int x, int y) {
    return pixelAt(image, x, y) == kLine;
}
bool isBackground(const QImage& image, int x, int y) {
    return pixelAt(image, x, y) == kBackground;
}

std::vector<std::string> failures(const QImage& image, const std::vector<Probe>& probes) {
    std::vector<std::string> out;
    for (const Probe& p : probes) {
        for (int y = std::min(p.y0, p.y1); y <= std::max(p.y0, p.y1); ++y) {
            for (int x = std::min(p.x0, p.x1); x <= std::max(p.x0, p.x1); ++x) {
                if (!matches(pixelAt(image, x, y), p.expect)) {
                    std::ostringstream s;
                    s << "(" << x << "," << y << ") should be " << name(p.expect) << " [probe "
                      << p.x0 << "," << p.y0 << " - " << p.x1 << "," << p.y1 << "]";
                    out.push_back(s.str());
                }
            }
        }
    }
    return out;
}

std::vector<std::string> failures(const QImage& image, const std::vector<ArrowProbe>& arrows) {
    std::vector<std::string> out;
    for (const ArrowProbe& a : arrows) {
        const bool horizontal = a.points == Points::Left || a.points == Points::Right;
        // `step` runs from the target towards and along the arrowhead.
        const int step = (a.points == Points::Left || a.points == Points::Up) ? 1 : -1;
        auto at = [&](int along, int across) {
            return horizontal ? pixelAt(image, along, a.line + across)
                              : pixelAt(image, a.line + across, along);
        };
        std::ostringstream where;
        where << "arrow on " << (horizontal ? "row " : "column ") << a.line << " at " << a.target
              << ": ";
        // The gap beside the line, then the tip.
        int pos = a.target + step;
        int gap = 0;
        while (gap < 6 && at(pos, 1) != kLine) {
            pos += step;
            ++gap;
        }
        if (gap < 2 || gap > 3 || (a.tip >= 0 && pos != a.tip)) {
            out.push_back(where.str() + "tip at " + std::to_string(pos) + " after a gap of " +
                          std::to_string(gap));
            continue;
        }
        int length = 0;
        while (length < 30 && at(pos + step * length, 1) == kLine)
            ++length;
        if (length != a.length)
            out.push_back(where.str() + "length " + std::to_string(length));
        const int base = pos + step * (a.length - 1);
        int width = 1;
        for (int k = 1; k < 10 && at(base, k) == kLine; ++k)
            ++width;
        for (int k = 1; k < 10 && at(base, -k) == kLine; ++k)
            ++width;
        if (width != a.width)
            out.push_back(where.str() + "base width " + std::to_string(width));
    }
    return out;
}

} // namespace tavrin::test
