// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

// Sheet 0: two flange sections, a flat flange above and a flange with a raised
// face below, dimensioned for the 5k and 10k value boxes.

#include "SheetDrawings.h"

namespace tavrin::drawings {

Drawing sheet0Drawing() {
    using enum Direction;
    Drawing d;
    d.name = "sheet0";
    d.width = 518;
    d.height = 509;
    d.outline = {
        // Upper figure: flat flange.
        {51, 133, 356, 133},  // front face
        {51, 169, 356, 169},  // back face
        {51, 133, 51, 169},   // outer edges
        {356, 133, 356, 169}, //
        {65, 133, 65, 169},   // bolt hole walls
        {108, 133, 108, 169}, //
        {159, 133, 159, 169}, // bore walls
        {247, 133, 247, 169}, //

        // Lower figure: flange with a raised face.
        {54, 379, 144, 379},  // front face
        {268, 379, 359, 379}, //
        {54, 415, 359, 415},  // back face
        {54, 379, 54, 415},   // outer edges
        {359, 379, 359, 415}, //
        {152, 368, 260, 368}, // raised face
        {151, 369, 145, 378}, // its sloping sides
        {261, 369, 267, 378}, //
        {68, 379, 68, 415},   // bolt hole walls
        {111, 379, 111, 415}, //
        {162, 368, 162, 415}, // bore walls
        {250, 368, 250, 415}, //
    };
    d.cutSurfaces = {{58, 140}, {130, 140}, {300, 140}, {60, 400}, {130, 400}, {300, 400}};
    d.centreLines = {
        {87, 115, 187}, {203, 115, 187}, {320, 115, 187},
        {90, 361, 433}, {206, 350, 433}, {323, 361, 433},
    };
    d.lines = {
        // Bolt-hole callout: dimension line, leader and its two stubs.
        {33, 151, 108, 151},
        {33, 43, 33, 151},
        {33, 43, 51, 43},
        {33, 88, 51, 88},
        // Bore.
        {159, 93, 247, 93},
        {159, 82, 159, 128},
        {247, 82, 247, 128},
        // Thickness, with its stub.
        {409, 79, 409, 207},
        {391, 79, 409, 79},
        {361, 133, 420, 133},
        {361, 169, 420, 169},
        // Bolt circle, between the bolt-hole centre lines carried on.
        {87, 192, 87, 233},
        {320, 192, 320, 233},
        {87, 223, 320, 223},
        // Outside diameter.
        {51, 259, 356, 259},
        {51, 174, 51, 269},
        {356, 174, 356, 269},
        // Raised-face diameter.
        {152, 328, 260, 328},
        {152, 318, 152, 363},
        {260, 318, 260, 363},
        // Thickness over the raised face, with its stub.
        {412, 314, 412, 415},
        {394, 314, 412, 314},
        {265, 368, 423, 368},
        {364, 415, 423, 415},
    };
    d.arrows = {
        {69, 151, Left},  {104, 151, Right}, {163, 93, Left},   {243, 93, Right}, {409, 129, Down},
        {409, 173, Up},   {91, 223, Left},   {316, 223, Right}, {55, 259, Left},  {352, 259, Right},
        {156, 328, Left}, {256, 328, Right}, {412, 372, Up},    {412, 411, Down},
    };
    return d;
}

} // namespace tavrin::drawings
