// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#pragma once

// A three-colour raster with the few pixel primitives the sheet drawings are
// made of. Nothing is antialiased: every primitive sets whole pixels.

#include <QImage>
#include <QPointF>

#include <vector>

namespace tavrin::drawings {

enum class Ink : unsigned char { Background = 0, Cut = 1, Line = 2 };

struct Pixel {
    int x = 0;
    int y = 0;
    friend bool operator==(const Pixel&, const Pixel&) = default;
};

class Canvas {
public:
    Canvas(int width, int height);

    int width() const { return width_; }
    int height() const { return height_; }

    Ink at(int x, int y) const;
    void set(int x, int y, Ink ink = Ink::Line); // ignores pixels off the canvas
    void set(const std::vector<Pixel>& pixels, Ink ink = Ink::Line);

    // A straight 1-px line from (x0, y0) to (x1, y1), both ends included (Bresenham).
    void line(int x0, int y0, int x1, int y1, Ink ink = Ink::Line);
    void fillRect(int x0, int y0, int x1, int y1, Ink ink); // both corners included
    // Fills the 4-connected region of the seed's colour with `ink`.
    void floodFill(int x, int y, Ink ink);
    // Fills the pixels whose centres lie inside the convex polygon.
    void fillConvex(const std::vector<QPointF>& corners, Ink ink = Ink::Line);

    // 8-bit indexed image with the three-colour palette.
    QImage toImage() const;

    static QRgb rgb(Ink ink);

private:
    int width_;
    int height_;
    std::vector<Ink> pixels_;
};

// The pixels of a Bresenham line, in order from the first end to the second.
std::vector<Pixel> linePixels(int x0, int y0, int x1, int y1);

// The pixels of an elliptical arc about (cx, cy) with radii rx and ry, from
// angle a0 to angle a1 (degrees, counted from the +x axis towards +y, that is
// clockwise on screen), in order along the arc, 8-connected and one pixel wide.
std::vector<Pixel> arcPixels(double cx, double cy, double rx, double ry, double a0, double a1);

} // namespace tavrin::drawings
