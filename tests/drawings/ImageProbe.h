// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#pragma once

// Pixel checks on the committed drawings: spans that must be line, cut
// surface or background, and arrowheads found from the line they point at.

#include <QImage>
#include <QString>

#include <string>
#include <vector>

namespace tavrin::test {

enum class Expect {
    Line,       // RGB 0,0,0
    Cut,        // RGB 160,160,164
    Background, // RGB 192,192,192
    Open,       // anything but a line: background or cut surface
};

// A horizontal or vertical run of pixels, both ends included.
struct Probe {
    int x0;
    int y0;
    int x1;
    int y1;
    Expect expect;
};

inline Probe H(int y, int x0, int x1, Expect e) {
    return {x0, y, x1, y, e};
}
inline Probe V(int x, int y0, int y1, Expect e) {
    return {x, y0, x, y1, e};
}
inline Probe P(int x, int y, Expect e) {
    return {x, y, x, y, e};
}

enum class Points { Left, Right, Up, Down };

// An arrowhead on the dimension line `line` (a row for Left/Right, a column
// for Up/Down) pointing at the wall or extension line at `target`. Its tip
// must leave a gap of 2 or 3 pixels before the target (exactly at `tip` when
// the layout fixes it), it must be `length` pixels long and `width` wide at
// its base.
struct ArrowProbe {
    int line;
    int target;
    Points points;
    int tip = -1;
    int length = 16;
    int width = 7;
};

QImage loadDrawing(const QString& name); // the committed assets/drawings/<name>.png, as RGB32
QImage loadIcon(const QString& name);    // the committed assets/icons/<name>.xpm, as ARGB32

// Descriptions of every pixel that breaks a probe; empty when all hold.
std::vector<std::string> failures(const QImage& image, const std::vector<Probe>& probes);
std::vector<std::string> failures(const QImage& image, const std::vector<ArrowProbe>& arrows);

bool isLine(const QImage& image, int x, int y);
bool isBackground(const QImage& image, int x, int y);

} // namespace tavrin::test
