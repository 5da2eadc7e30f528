// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

// Sheets 1 and 2 (flanges 20k and 30k, one drawing): every coordinate of
// their layout, pixel by pixel.

#include "DrawingFixture.h"

#include <gtest/gtest.h>

namespace {

using namespace tavrin::test;

class Sheet12Drawing : public DrawingFixture {
protected:
    Sheet12Drawing() : DrawingFixture("sheet12") {}
};

// Flange ring, raised face, back step and bolt hole, `dy` rows down.
std::vector<Probe> flange(int dy) {
    std::vector<Probe> p{
        H(105, 48, 137, L), H(105, 264, 353, L), H(141, 48, 128, L), H(141, 273, 353, L),
        V(48, 105, 141, L), V(353, 105, 141, L), P(47, 105, B), P(354, 141, B), H(94, 147, 254, L),
        P(146, 94, B), P(255, 94, B),
        // Concave fillets of 10 px from the raised face down to the ring.
        P(147, 95, L), P(137, 105, L), P(254, 95, L), P(264, 105, L), P(144, 102, L),
        P(257, 102, L), P(141, 99, B), P(146, 103, C), P(260, 99, B), P(255, 103, C),
        // Back step, 3 px below the ring's lower face, square-edged.
        H(144, 128, 273, L), V(128, 141, 144, L), V(273, 141, 144, L), P(127, 144, B),
        P(274, 144, B), P(127, 142, B), P(274, 142, B), H(142, 129, 152, C), H(141, 129, 154, C),
        H(141, 248, 272, C), H(143, 129, 152, C), H(143, 250, 272, C),
        // Bolt hole, open between its walls.
        V(63, 105, 141, L), V(106, 105, 141, L), H(110, 64, 105, B),
        // Upper bore chamfers, and their edge across the bore.
        P(155, 97, L), P(157, 99, L), P(247, 97, L), P(245, 99, L), P(153, 96, C), P(155, 96, B),
        H(99, 157, 245, L),
        // Cut surfaces.
        V(55, 106, 122, C), V(55, 124, 140, C), H(110, 107, 156, C), H(96, 148, 153, C),
        H(96, 249, 253, C)};
    for (Probe& q : p) {
        q.y0 += dy;
        q.y1 += dy;
    }
    return p;
}

TEST_F(Sheet12Drawing, UpperFigureWithPlainBore) {
    check(flange(0));
    check({V(157, 99, 139, L), V(245, 99, 139, L), P(155, 141, L), P(152, 144, L), P(247, 141, L),
           P(250, 144, L), H(139, 157, 245, L), H(110, 158, 244, B), H(110, 246, 297, C),
           H(110, 299, 352, C),
           // Centre lines: the axis and the bolt-circle lines, those carried on as
           // the bolt circle's extension lines.
           P(201, 75, B), V(201, 76, 104, L), V(201, 105, 112, O), V(201, 113, 122, L),
           V(201, 123, 126, O), V(201, 128, 130, O), V(201, 131, 159, L), P(201, 160, B),
           P(84, 86, B), V(84, 87, 109, L), V(84, 110, 117, O), V(84, 118, 127, L),
           V(84, 128, 135, O), V(84, 136, 159, L), V(84, 160, 163, B), V(84, 164, 243, L),
           P(84, 244, B), P(317, 86, B), V(317, 87, 109, L), V(317, 110, 117, O),
           V(317, 118, 127, L), V(317, 128, 135, O), V(317, 136, 159, L), V(317, 160, 163, B),
           V(317, 164, 243, L), P(317, 244, B)});
}

TEST_F(Sheet12Drawing, LowerFigureWithSocketAndLip) {
    check(flange(254));
    check({// Socket walls from the chamfers down to the bottom, the lip below it.
           V(157, 353, 389, L), V(245, 353, 389, L), H(393, 162, 239, L), V(164, 393, 398, L),
           V(237, 393, 398, L), P(158, 393, C), H(395, 158, 163, C), H(396, 158, 163, C),
           H(395, 238, 244, C), H(396, 238, 244, C), H(395, 165, 200, B), H(395, 202, 215, B),
           H(395, 217, 236, B), H(362, 158, 163, B), H(362, 165, 215, B), H(362, 217, 236, B),
           H(362, 238, 244, B), H(370, 107, 156, C), H(370, 246, 352, C), V(55, 360, 394, C),
           // Centre lines.
           P(201, 329, B), V(201, 330, 357, L), V(201, 358, 365, O), V(201, 366, 375, L),
           V(201, 376, 383, O), V(201, 384, 412, L), P(201, 413, B), P(84, 340, B),
           V(84, 341, 363, L), V(84, 364, 371, O), V(84, 372, 381, L), V(84, 382, 389, O),
           V(84, 390, 412, L), P(84, 413, B), P(317, 340, B), V(317, 341, 363, L),
           V(317, 364, 371, O), V(317, 372, 381, L), V(317, 382, 389, O), V(317, 390, 412, L),
           P(317, 413, B)});
}

TEST_F(Sheet12Drawing, DimensionExtensionAndLeaderLines) {
    check({// Raised-face diameter.
           H(58, 147, 254, L), P(146, 58, B), P(255, 58, B), V(147, 47, 89, L), V(254, 47, 89, L),
           P(147, 46, B), P(254, 46, B), V(147, 90, 93, B), V(254, 90, 93, B),
           // Bore.
           H(127, 157, 245, L),
           // Back-step diameter.
           H(196, 129, 272, L), P(128, 196, B), P(273, 196, B), V(129, 145, 149, B),
           V(129, 150, 207, L), P(129, 208, B), V(272, 145, 149, B), V(272, 150, 207, L),
           P(272, 208, B),
           // Bolt circle.
           H(232, 84, 317, L), P(83, 232, B), P(318, 232, B),
           // Outside diameter.
           H(268, 48, 353, L), V(48, 142, 145, B), V(48, 146, 279, L), P(48, 280, B),
           V(353, 142, 143, B), P(353, 145, B), V(353, 146, 279, L), P(353, 280, B),
           // Bolt hole, and the callout's leader ending at x 48.
           H(123, 30, 106, L), P(29, 123, B), V(30, 51, 123, L), P(30, 50, B), H(51, 30, 48, L),
           P(49, 51, B),
           // Overall thickness and its leader.
           V(425, 40, 144, L), P(425, 39, B), P(425, 145, B), H(40, 407, 425, L), P(406, 40, B),
           H(94, 255, 259, B), H(94, 260, 436, L), P(437, 94, B), H(144, 274, 277, B),
           H(144, 278, 436, L), P(437, 144, B),
           // Flange ring's upper face to the back-step face, and its leader.
           V(389, 67, 182, L), P(389, 66, B), P(389, 183, B), H(67, 371, 389, L), P(370, 67, B),
           H(105, 354, 357, B), H(105, 358, 400, L), P(401, 105, B),
           // Back-step height and its leader.
           V(298, 103, 207, L), P(298, 102, B), H(207, 298, 400, L), P(401, 207, B), P(298, 208, B),
           // Through hole of the lower figure, its extension lines down through the socket.
           H(312, 164, 237, L), P(163, 312, B), V(164, 301, 387, L), V(237, 301, 387, L),
           P(164, 300, B), V(164, 388, 392, B), V(237, 388, 392, B),
           // Lip thickness and its leader, which stops at the value box's edge.
           V(216, 330, 431, L), P(216, 329, B), P(216, 432, B), H(330, 216, 254, L),
           P(255, 330, B)});
}

TEST_F(Sheet12Drawing, Arrowheads) {
    const std::vector<ArrowProbe> arrows{
        {58, 147, Points::Left},
        {58, 254, Points::Right},
        {127, 157, Points::Left},
        {127, 245, Points::Right},
        {196, 129, Points::Left},
        {196, 272, Points::Right},
        {232, 84, Points::Left},
        {232, 317, Points::Right},
        {268, 48, Points::Left},
        {268, 353, Points::Right},
        {123, 63, Points::Left},
        {123, 106, Points::Right},
        {425, 94, Points::Up},
        {425, 144, Points::Down},
        {389, 105, Points::Down},
        {389, 144, Points::Up},
        {298, 141, Points::Down},
        {298, 144, Points::Up},
        {312, 164, Points::Left},
        {312, 237, Points::Right},
        {216, 393, Points::Down, -1, 17, 8},
        {216, 398, Points::Up, -1, 17, 8},
    };
    check(arrows);
    // The back-step height's upper arrowhead lies on the flange ring's cut surface.
    check({P(295, 126, C), V(298, 122, 137, L), P(301, 126, C)});
}

} // namespace
