// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#pragma once

// A sheet drawing as plain data: the tables of outline lines, cut surfaces,
// centre lines, dimension lines and arrowheads, in pixels from the image's
// top-left corner, both ends of every range included.

#include <string>
#include <vector>

namespace tavrin::drawings {

// A straight 1-px line.
struct Segment {
    int x0 = 0;
    int y0 = 0;
    int x1 = 0;
    int y1 = 0;
};

// An elliptical (mostly circular) 1-px arc about (cx, cy) from angle a0 to a1,
// in degrees from the +x axis, growing clockwise on screen (y points down).
struct Arc {
    double cx = 0;
    double cy = 0;
    double rx = 0;
    double ry = 0;
    double a0 = 0;
    double a1 = 0;
};

// A start point of a flood fill with the cut-surface colour; the region is
// bounded by the outline.
struct Seed {
    int x = 0;
    int y = 0;
};

// A vertical dash-dot centre line of a flange: a long dash, an 8-px gap, a
// 10-px dash, an 8-px gap and a long dash, the two long dashes as equal as
// the length allows (the upper one the shorter).
struct CentreLine {
    int x = 0;
    int y0 = 0;
    int y1 = 0;
};

// Alternating dash and gap lengths, repeated along a line from its first end.
using DashPattern = std::vector<int>;

struct DashedSegment {
    Segment segment;
    DashPattern pattern;
};

struct DashedArc {
    Arc arc;
    DashPattern pattern;
};

enum class Direction { Up, Down, Left, Right };

// The blunt-tipped solid arrowheads of the dimension lines, given as steps of
// (length, width) from the tip.
enum class ArrowShape {
    Standard, // 16 long, 7 wide: 6 px at 3 wide, 6 px at 5, 4 px at 7
    Large,    // 17 long, 8 wide, tapering in four steps
};

// An arrowhead on a horizontal or vertical line: its tip column (pointing
// left or right) or tip row (pointing up or down) at (x, y), the line's pixel.
struct Arrow {
    int x = 0;
    int y = 0;
    Direction points = Direction::Up;
    ArrowShape shape = ArrowShape::Standard;
};

// An arrowhead on a slanted line: the middle of its tip and the direction it
// points in, in degrees as for Arc.
struct SlantArrow {
    double x = 0;
    double y = 0;
    double angle = 0;
};

struct Drawing {
    std::string name; // file name without ".png"
    int width = 0;
    int height = 0;
    // Drawn first, as the borders of the cut surfaces and bodies.
    std::vector<Segment> outline;
    std::vector<Arc> outlineArcs;
    std::vector<Seed> cutSurfaces;
    // Drawn over the filled surfaces.
    std::vector<CentreLine> centreLines;
    std::vector<DashedSegment> dashedLines;
    std::vector<DashedArc> dashedArcs;
    std::vector<Segment> lines; // extension, dimension and leader lines
    std::vector<Arrow> arrows;
    std::vector<SlantArrow> slantArrows;
};

} // namespace tavrin::drawings
