// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

// Sheet 4 (elbows and tee): every coordinate of its layout, pixel by pixel.

#include "DrawingFixture.h"

#include <gtest/gtest.h>

namespace {

using namespace tavrin::test;

class Sheet4Drawing : public DrawingFixture {
protected:
    Sheet4Drawing() : DrawingFixture("sheet4") {}
};

TEST_F(Sheet4Drawing, NinetyDegreeLongElbow) {
    check({// Quarter ring about (137,145), radii 99 and 38, its two end faces.
           V(137, 46, 107, L), H(145, 38, 99, L), P(137, 45, B), P(37, 145, B), P(67, 75, L),
           P(110, 118, L), P(98, 106, C), P(77, 85, C), P(60, 68, B), P(120, 128, B),
           // End-face planes crossing at the bend centre; end axes.
           V(137, 108, 111, B), V(137, 112, 203, L), P(137, 204, B), H(145, 100, 103, B),
           H(145, 104, 220, L), P(221, 145, B), P(141, 77, B), H(77, 142, 220, L), P(221, 77, B),
           V(69, 146, 149, B), V(69, 150, 203, L), P(69, 204, B),
           // Outside diameter of the end facing right.
           V(173, 46, 107, L), H(46, 138, 141, B), H(46, 142, 184, L), P(185, 46, B),
           H(107, 138, 141, B), H(107, 142, 184, L), P(185, 107, B),
           // Centre to face, vertical, with its leader; horizontal.
           V(209, 77, 174, L), P(209, 175, B), H(174, 196, 209, L), H(192, 69, 137, L),
           P(68, 192, B), P(138, 192, B)});
}

TEST_F(Sheet4Drawing, NinetyDegreeShortElbow) {
    check({// Quarter ring about (348,145), radii 76 and 15.
           V(348, 69, 130, L), H(145, 272, 333, L), P(348, 68, B), P(271, 145, B), P(300, 86, L),
           P(340, 132, L), P(327, 124, C), P(306, 103, C),
           // End-face planes and end axes.
           V(348, 131, 134, B), V(348, 135, 199, L), P(348, 200, B), H(145, 334, 337, B),
           H(145, 338, 430, L), P(431, 145, B), H(100, 349, 352, B), H(100, 353, 430, L),
           P(431, 100, B), V(302, 146, 149, B), V(302, 150, 199, L), P(302, 200, B),
           // Outside diameter of the end facing right.
           V(384, 69, 130, L), H(69, 353, 394, L), H(130, 353, 394, L), P(395, 69, B),
           P(395, 130, B),
           // Centre to face, vertical with its leader, horizontal running on left.
           V(420, 100, 173, L), P(420, 174, B), H(173, 401, 420, L), H(188, 285, 348, L),
           P(349, 188, B)});
}

TEST_F(Sheet4Drawing, FortyFiveDegreeLongElbow) {
    check({// Eighth ring about (186,372): lower end face, slanted end face.
           H(372, 87, 148, L), P(86, 372, B), P(116, 302, L), P(130, 316, L), P(145, 331, L),
           P(159, 345, L), P(100, 360, C), P(140, 362, C),
           // Both end-face lines carried on to the bend centre.
           H(372, 149, 152, B), H(372, 153, 186, L), P(187, 372, B), P(161, 347, B), P(162, 348, B),
           P(170, 356, L), P(186, 372, L),
           // Outside diameter of the slanted end.
           P(118, 300, B), P(135, 283, L), P(149, 269, L), P(150, 268, B), P(161, 343, B),
           P(178, 326, L), P(192, 312, L), P(193, 311, B), P(142, 277, L), P(160, 295, L),
           P(185, 320, L),
           // Centre to face along the slanted leg.
           P(70, 256, L), P(69, 255, B), P(90, 276, L), P(52, 275, L), P(118, 345, L),
           P(38, 304, L), P(70, 272, L), P(101, 241, L), P(102, 240, B),
           // Centre to face along the vertical leg.
           V(33, 314, 405, L), P(33, 313, B), H(346, 23, 118, L), P(22, 346, B), H(372, 23, 82, L),
           P(22, 372, B), H(372, 83, 86, B),
           // Bend radius, from the bend centre down and left.
           P(130, 404, L)});
}

TEST_F(Sheet4Drawing, Tee) {
    check({// Run, branch and fillets; one filled body.
           V(228, 311, 372, L), V(365, 311, 372, L), H(372, 228, 365, L), H(311, 228, 251, L),
           H(311, 342, 365, L), V(266, 273, 296, L), V(327, 273, 296, L), H(273, 266, 327, L),
           P(227, 340, B), P(366, 340, B), P(296, 272, B), P(256, 301, B), P(264, 309, C),
           P(337, 301, B), P(329, 309, C), P(250, 330, C), P(350, 360, C), P(280, 290, C),
           // Axes carried on outside the body.
           H(341, 366, 369, B), H(341, 370, 439, L), P(440, 341, B), V(296, 373, 376, B),
           V(296, 377, 433, L), P(296, 434, B),
           // Centre to end of the branch, with its leader.
           V(429, 249, 341, L), P(429, 248, B), H(249, 409, 429, L), H(273, 328, 331, B),
           H(273, 332, 439, L), P(440, 273, B),
           // Outside diameter of the run.
           V(401, 311, 399, L), H(311, 366, 369, B), H(311, 370, 411, L), P(412, 311, B),
           H(372, 366, 369, B), H(372, 370, 411, L), P(412, 372, B),
           // Centre to end of the run, both halves.
           H(423, 228, 365, L), P(227, 423, B), P(366, 423, B), V(228, 373, 376, B),
           V(228, 377, 433, L), P(228, 434, B), V(365, 373, 376, B), V(365, 377, 433, L),
           P(365, 434, B)});
}

TEST_F(Sheet4Drawing, Arrowheads) {
    const std::vector<ArrowProbe> arrows{
        {173, 46, Points::Up},     {173, 107, Points::Down},  {209, 77, Points::Up},
        {209, 145, Points::Down},  {192, 69, Points::Left},   {192, 137, Points::Right},
        {384, 69, Points::Up},     {384, 130, Points::Down},  {420, 100, Points::Up},
        {420, 145, Points::Down},  {188, 302, Points::Left},  {188, 348, Points::Right},
        {33, 346, Points::Down},   {33, 372, Points::Up},     {429, 273, Points::Up},
        {429, 341, Points::Down},  {401, 311, Points::Up},    {401, 372, Points::Down},
        {423, 228, Points::Left},  {423, 296, Points::Right}, {423, 296, Points::Left},
        {423, 365, Points::Right},
    };
    check(arrows);
    // The slanted arrowheads are solid beside their lines.
    check({P(151, 284, L), P(149, 286, L), P(176, 312, L), P(178, 310, L), P(87, 254, L),
           P(85, 256, L), P(50, 290, L), P(52, 292, L)});
}

} // namespace
