// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

// Sheet 3 (flanges 40k and 63k): every coordinate of its layout, pixel by pixel.

#include "DrawingFixture.h"

#include <gtest/gtest.h>

namespace {

using namespace tavrin::test;

class Sheet3Drawing : public DrawingFixture {
protected:
    Sheet3Drawing() : DrawingFixture("sheet3") {}
};

TEST_F(Sheet3Drawing, FlangeOutlineAndCutSurfaces) {
    check({// Flange ring.
           H(193, 49, 138, L), H(193, 265, 354, L), H(229, 49, 128, L), H(229, 275, 354, L),
           V(49, 193, 229, L), V(354, 193, 229, L), P(48, 193, B), P(355, 229, B), P(139, 193, C),
           P(264, 193, C),
           // Raised face and its concave sides.
           H(182, 148, 255, L), P(147, 182, B), P(256, 182, B), P(139, 192, L), P(147, 183, L),
           P(264, 192, L), P(256, 183, L), P(143, 187, B), P(146, 190, C), P(141, 193, C),
           P(260, 187, B), P(257, 190, C),
           // Bore with its chamfered entry; the lines of the raised face, the
           // chamfer and the back step run across it.
           P(153, 183, L), P(157, 186, L), P(250, 183, L), P(247, 186, L), H(187, 158, 246, L),
           V(158, 187, 232, L), V(246, 187, 232, L), H(184, 157, 201, B), H(184, 203, 246, B),
           H(200, 159, 201, B), H(200, 203, 245, B),
           // Back step: face y 232, sides x 129 and x 274 in rows 230-231.
           H(232, 130, 273, L), V(129, 230, 231, L), V(274, 230, 231, L), P(129, 232, B),
           P(274, 232, B), P(129, 229, C), P(275, 230, B), H(230, 130, 157, C), H(231, 130, 157, C),
           H(230, 247, 273, C), H(231, 247, 273, C),
           // Bolt hole.
           V(64, 193, 229, L), V(107, 193, 229, L), H(200, 65, 106, B),
           // Cut surfaces.
           V(56, 194, 210, C), V(56, 212, 228, C), H(200, 108, 157, C), H(200, 247, 298, C),
           H(200, 300, 353, C), H(185, 148, 153, C), H(185, 250, 255, C),
           // Centre lines, the bolt-hole ones carried on as extension lines.
           P(85, 174, B), V(85, 175, 197, L), V(85, 198, 205, O), V(85, 206, 215, L),
           V(85, 216, 223, O), V(85, 224, 247, L), V(85, 248, 251, B), V(85, 252, 368, L),
           P(85, 369, B), P(318, 174, B), V(318, 175, 197, L), V(318, 198, 205, O),
           V(318, 206, 215, L), V(318, 216, 223, O), V(318, 224, 247, L), V(318, 248, 251, B),
           V(318, 252, 368, L), P(318, 369, B), P(202, 163, B), V(202, 164, 192, L),
           V(202, 193, 200, O), V(202, 201, 210, L), V(202, 211, 215, O), V(202, 217, 218, O),
           V(202, 219, 247, L), P(202, 248, B)});
}

TEST_F(Sheet3Drawing, DimensionExtensionAndLeaderLines) {
    check({// 1: bolt-hole callout, its leader and stubs.
           H(211, 31, 107, L), P(30, 211, B), V(31, 63, 211, L), P(31, 62, B), H(63, 31, 49, L),
           P(50, 63, B), H(109, 31, 49, L), P(50, 109, B),
           // 2: raised-face diameter.
           H(146, 148, 255, L), V(148, 135, 177, L), V(255, 135, 177, L), P(148, 134, B),
           P(255, 134, B), V(148, 178, 181, B), V(255, 178, 181, B),
           // 3: bore.
           H(216, 158, 246, L),
           // 4: thickness over raised face and back step.
           V(426, 73, 232, L), P(426, 72, B), P(426, 233, B), H(73, 408, 426, L), P(407, 73, B),
           H(182, 256, 260, B), H(182, 261, 437, L), P(438, 182, B), H(232, 275, 278, B),
           H(232, 279, 437, L), P(438, 232, B),
           // 5: front face to back step.
           V(390, 129, 270, L), P(390, 128, B), P(390, 271, B), H(129, 372, 390, L), P(371, 129, B),
           H(193, 355, 358, B), H(193, 359, 401, L), P(402, 193, B),
           // 6: back-step height, down through the flange ring, and its long stub.
           V(299, 191, 310, L), P(299, 190, B), P(299, 311, B), H(310, 299, 375, L), P(376, 310, B),
           // 7: back-step diameter.
           H(318, 130, 273, L), V(130, 233, 237, B), V(130, 238, 329, L), P(130, 330, B),
           V(273, 233, 237, B), V(273, 238, 329, L), P(273, 330, B),
           // 8: bolt circle.
           H(357, 85, 318, L), P(84, 357, B), P(319, 357, B),
           // 9: outside diameter.
           H(396, 49, 354, L), V(49, 230, 233, B), V(49, 234, 407, L), P(49, 408, B),
           V(354, 230, 231, B), P(354, 233, B), V(354, 234, 407, L), P(354, 408, B)});
}

TEST_F(Sheet3Drawing, Arrowheads) {
    const std::vector<ArrowProbe> arrows{
        {211, 64, Points::Left, 67}, {211, 107, Points::Right, 103}, {146, 148, Points::Left},
        {146, 255, Points::Right},   {216, 158, Points::Left, 161},  {216, 246, Points::Right, 242},
        {426, 182, Points::Up, 186}, {426, 232, Points::Down, 228},  {390, 193, Points::Down, 189},
        {390, 232, Points::Up, 236}, {299, 229, Points::Down, 225},  {299, 232, Points::Up, 236},
        {318, 130, Points::Left},    {318, 273, Points::Right},      {357, 85, Points::Left},
        {357, 318, Points::Right},   {396, 49, Points::Left},        {396, 354, Points::Right},
    };
    check(arrows);
}

} // namespace
