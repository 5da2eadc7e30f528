// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

// Sheets 1 and 2: two sections of a flange with a raised face and a back
// step, a plain bore above and a socket bore (sizes 65A and up) below; only
// the upper figure carries dimension lines, but for the through hole and the
// lip of the socket.

#include "SheetDrawings.h"

namespace tavrin::drawings {

namespace {

constexpr int kLowerShift = 254; // the lower figure is the upper one moved down

// Flange ring, raised face, back step and bolt hole, the same in both figures.
const std::vector<Segment> kFlange{
    {48, 105, 137, 105},  // flange ring's upper face, up to the fillets
    {264, 105, 353, 105}, //
    {48, 141, 128, 141},  // flange ring's lower face, up to the back step
    {273, 141, 353, 141}, //
    {48, 105, 48, 141},   // outer edges
    {353, 105, 353, 141}, //
    {147, 94, 254, 94},   // raised face, running on across the bore
    {128, 144, 273, 144}, // back-step face, running on across the bore
    {128, 141, 128, 144}, // back-step sides
    {273, 141, 273, 144}, //
    {63, 105, 63, 141},   // bolt hole walls
    {106, 105, 106, 141}, //
    {152, 94, 157, 99},   // upper bore chamfers
    {250, 94, 245, 99},   //
    {157, 99, 245, 99},   // their lower edge, across the bore
};

// Concave fillets from the raised face down to the flange ring.
const std::vector<Arc> kFillets{
    {137, 95, 10, 10, 0, 90},
    {264, 95, 10, 10, 90, 180},
};

const std::vector<Segment> kPlainBore{
    {157, 99, 157, 139},  // walls
    {245, 99, 245, 139},  //
    {157, 139, 152, 144}, // lower chamfers
    {245, 139, 250, 144}, //
    {157, 139, 245, 139}, // their upper edge, across the bore
};

// Socket and lip, in the lower figure's own rows.
const std::vector<Segment> kSocketBore{
    {157, 353, 157, 389}, // socket walls
    {245, 353, 245, 389}, //
    {162, 393, 239, 393}, // socket bottom, across the bore
    {164, 393, 164, 398}, // through-hole walls
    {237, 393, 237, 398}, //
};

const std::vector<Arc> kSocketFillets{
    {162, 389, 5, 4, 90, 180},
    {240, 389, 5, 4, 0, 90},
};

const std::vector<Seed> kCutSurfaces{{55, 120}, {120, 120}, {300, 120}};

const std::vector<CentreLine> kCentreLines{
    {201, 76, 159}, // axis
    {84, 87, 159},  // bolt circle
    {317, 87, 159}, //
    {201, 330, 412}, {84, 341, 412}, {317, 341, 412},
};

const std::vector<Segment> kDimensionLines{
    // Bolt circle: the bolt-circle centre lines carried on.
    {84, 164, 84, 243},
    {317, 164, 317, 243},
    {84, 232, 317, 232},
    // Raised-face diameter.
    {147, 58, 254, 58},
    {147, 47, 147, 89},
    {254, 47, 254, 89},
    // Bore.
    {157, 127, 245, 127},
    // Back-step diameter.
    {129, 196, 272, 196},
    {129, 150, 129, 207},
    {272, 150, 272, 207},
    // Outside diameter.
    {48, 268, 353, 268},
    {48, 146, 48, 279},
    {353, 146, 353, 279},
    // Bolt hole, with the callout's leader.
    {30, 123, 106, 123},
    {30, 51, 30, 123},
    {30, 51, 48, 51},
    // Overall thickness, with its leader.
    {425, 40, 425, 144},
    {407, 40, 425, 40},
    {260, 94, 436, 94},
    {278, 144, 436, 144},
    // Flange ring's upper face to the back-step face, with its leader.
    {389, 67, 389, 182},
    {371, 67, 389, 67},
    {358, 105, 400, 105},
    // Back-step height, with its leader into the value box.
    {298, 103, 298, 207},
    {298, 207, 400, 207},
    // Lower figure: through hole.
    {164, 312, 237, 312},
    {164, 301, 164, 387},
    {237, 301, 237, 387},
    // Lower figure: lip thickness, with its leader up to the value box's edge.
    {216, 330, 216, 431},
    {216, 330, 254, 330},
};

const std::vector<Arrow> kArrows{
    {88, 232, Direction::Left},
    {313, 232, Direction::Right},
    {151, 58, Direction::Left},
    {250, 58, Direction::Right},
    {161, 127, Direction::Left},
    {241, 127, Direction::Right},
    {133, 196, Direction::Left},
    {268, 196, Direction::Right},
    {52, 268, Direction::Left},
    {349, 268, Direction::Right},
    {67, 123, Direction::Left},
    {102, 123, Direction::Right},
    {425, 98, Direction::Up},
    {425, 140, Direction::Down},
    {389, 101, Direction::Down},
    {389, 148, Direction::Up},
    {298, 137, Direction::Down},
    {298, 148, Direction::Up},
    {168, 312, Direction::Left},
    {233, 312, Direction::Right},
    {216, 390, Direction::Down, ArrowShape::Large},
    {216, 401, Direction::Up, ArrowShape::Large},
};

template <typename T> void append(std::vector<T>& to, const std::vector<T>& from) {
    to.insert(to.end(), from.begin(), from.end());
}

void appendLower(std::vector<Segment>& to, const std::vector<Segment>& from) {
    for (const Segment& s : from)
        to.push_back({s.x0, s.y0 + kLowerShift, s.x1, s.y1 + kLowerShift});
}

} // namespace

Drawing sheet12Drawing() {
    Drawing d;
    d.name = "sheet12";
    d.width = 537;
    d.height = 543;
    d.outline = kFlange;
    append(d.outline, kPlainBore);
    appendLower(d.outline, kFlange);
    append(d.outline, kSocketBore);
    d.outlineArcs = kFillets;
    for (const Arc& a : kFillets)
        d.outlineArcs.push_back({a.cx, a.cy + kLowerShift, a.rx, a.ry, a.a0, a.a1});
    append(d.outlineArcs, kSocketFillets);
    d.cutSurfaces = kCutSurfaces;
    for (const Seed& s : kCutSurfaces)
        d.cutSurfaces.push_back({s.x, s.y + kLowerShift});
    d.centreLines = kCentreLines;
    d.lines = kDimensionLines;
    d.arrows = kArrows;
    return d;
}

} // namespace tavrin::drawings
