// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

// Sheet 0 (flanges 5k and 10k): every coordinate of its layout, pixel by pixel.

#include "DrawingFixture.h"

#include <gtest/gtest.h>

namespace {

using namespace tavrin::test;

class Sheet0Drawing : public DrawingFixture {
protected:
    Sheet0Drawing() : DrawingFixture("sheet0") {}
};

// A bolt-hole or axis centre line with the dashes of both figures: 23 long,
// 8 gap, 10 dash, 8 gap, 24 long in the upper figure.
std::vector<Probe> upperCentreLine(int x) {
    return {P(x, 114, B),      V(x, 115, 137, L), V(x, 138, 145, O),
            V(x, 146, 155, L), V(x, 156, 163, O), V(x, 164, 187, L)};
}

TEST_F(Sheet0Drawing, UpperFigureOutlineAndCutSurfaces) {
    std::vector<Probe> probes{
        H(133, 51, 356, L), H(169, 51, 356, L), V(51, 133, 169, L), V(356, 133, 169, L),
        V(65, 133, 169, L), V(108, 133, 169, L), V(159, 133, 169, L), V(247, 133, 169, L),
        P(50, 133, B), P(357, 169, B), P(51, 132, B),
        // Cut surfaces in rows 134-168; the bolt hole and the bore stay open.
        H(140, 52, 64, C), H(140, 66, 107, B), H(140, 109, 158, C), H(140, 160, 246, B),
        H(140, 248, 355, C), V(58, 134, 150, C), V(58, 152, 168, C), V(130, 134, 168, C),
        V(300, 134, 168, C), H(134, 52, 64, C), H(168, 248, 319, C), H(168, 321, 355, C),
        // Centre lines; the bolt-hole ones go on as the bolt circle's extension lines.
        V(87, 188, 191, B), V(87, 192, 233, L), P(87, 234, B), V(320, 188, 191, B),
        V(320, 192, 233, L), P(320, 234, B), P(203, 188, B)};
    for (int x : {87, 203, 320})
        for (const Probe& p : upperCentreLine(x))
            probes.push_back(p);
    check(probes);
}

TEST_F(Sheet0Drawing, LowerFigureOutlineAndCutSurfaces) {
    const std::vector<Probe> probes{
        H(379, 54, 144, L), H(379, 268, 359, L), H(415, 54, 359, L), V(54, 379, 415, L),
        V(359, 379, 415, L), H(368, 152, 260, L), P(151, 369, L), P(145, 378, L), P(261, 369, L),
        P(267, 378, L), P(152, 367, B), P(144, 378, B), P(268, 378, B), V(68, 379, 415, L),
        V(111, 379, 415, L), V(162, 368, 415, L), V(250, 368, 415, L),
        // Cut surfaces down to row 414, from the raised face or the front face.
        H(388, 55, 67, C), H(388, 69, 110, B), H(388, 112, 161, C), H(388, 163, 205, B),
        H(388, 207, 249, B), H(388, 251, 358, C), H(369, 152, 161, C), H(369, 251, 260, C),
        H(379, 145, 161, C), H(379, 251, 267, C), H(414, 55, 67, C), H(414, 112, 161, C),
        H(414, 251, 322, C), H(414, 324, 358, C), H(380, 55, 67, C),
        // Centre lines.
        P(90, 360, B), V(90, 361, 383, L), V(90, 384, 391, O), V(90, 392, 401, L),
        V(90, 402, 409, O), V(90, 410, 433, L), P(90, 434, B), P(323, 360, B), V(323, 361, 383, L),
        V(323, 384, 391, O), V(323, 392, 401, L), V(323, 402, 409, O), V(323, 410, 433, L),
        P(323, 434, B), P(206, 349, B), V(206, 350, 378, L), V(206, 379, 386, O),
        V(206, 387, 396, L), V(206, 397, 404, O), V(206, 405, 433, L), P(206, 434, B)};
    check(probes);
}

TEST_F(Sheet0Drawing, DimensionExtensionAndLeaderLines) {
    const std::vector<Probe> probes{
        // 1: bolt-hole callout, leader up x 33 and the two stubs ending at x 51.
        H(151, 33, 108, L), P(32, 151, B), V(33, 43, 151, L), P(33, 42, B), H(43, 33, 51, L),
        P(52, 43, B), H(88, 33, 51, L), P(52, 88, B),
        // 2: bore, extension lines rising from the bore walls after a 4-px gap.
        H(93, 159, 247, L), V(159, 82, 128, L), V(247, 82, 128, L), V(159, 129, 132, B),
        V(247, 129, 132, B), P(159, 81, B), P(247, 81, B),
        // 3: thickness, its stub and extension lines.
        V(409, 79, 207, L), P(409, 78, B), P(409, 208, B), H(79, 391, 409, L), P(390, 79, B),
        H(133, 357, 360, B), H(133, 361, 420, L), P(421, 133, B), H(169, 357, 360, B),
        H(169, 361, 420, L), P(421, 169, B),
        // 4: bolt circle.
        H(223, 87, 320, L), P(86, 223, B), P(321, 223, B),
        // 5: outside diameter.
        H(259, 51, 356, L), V(51, 170, 173, B), V(51, 174, 269, L), P(51, 270, B),
        V(356, 170, 173, B), V(356, 174, 269, L), P(356, 270, B),
        // 6: raised-face diameter.
        H(328, 152, 260, L), V(152, 318, 363, L), V(260, 318, 363, L), P(152, 317, B),
        V(152, 364, 367, B), V(260, 364, 367, B),
        // 7: thickness over the raised face, its stub and extension lines.
        V(412, 314, 415, L), P(412, 313, B), P(412, 416, B), H(314, 394, 412, L), P(393, 314, B),
        H(368, 261, 264, B), H(368, 265, 423, L), P(424, 368, B), H(415, 360, 363, B),
        H(415, 364, 423, L), P(424, 415, B)};
    check(probes);
}

TEST_F(Sheet0Drawing, Arrowheads) {
    const std::vector<ArrowProbe> arrows{
        {151, 65, Points::Left, 69}, {151, 108, Points::Right, 104}, {93, 159, Points::Left},
        {93, 247, Points::Right},    {409, 133, Points::Down, 129},  {409, 169, Points::Up, 173},
        {223, 87, Points::Left},     {223, 320, Points::Right},      {259, 51, Points::Left},
        {259, 356, Points::Right},   {328, 152, Points::Left},       {328, 260, Points::Right},
        {412, 368, Points::Up, 372}, {412, 415, Points::Down, 411},
    };
    check(arrows);
}

} // namespace
