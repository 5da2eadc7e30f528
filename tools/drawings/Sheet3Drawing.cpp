// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

// Sheet 3: one section of a flange with a raised face and a back step,
// dimensioned for the 40k and 63k value boxes.

#include "SheetDrawings.h"

namespace tavrin::drawings {

Drawing sheet3Drawing() {
    using enum Direction;
    Drawing d;
    d.name = "sheet3";
    d.width = 538;
    d.height = 499;
    d.outline = {
        {49, 193, 138, 193},  // flange ring's front face
        {265, 193, 354, 193}, //
        {49, 229, 128, 229},  // flange ring's back face
        {275, 229, 354, 229}, //
        {49, 193, 49, 229},   // outer edges
        {354, 193, 354, 229}, //
        {148, 182, 255, 182}, // raised face, running on across the bore
        {153, 183, 157, 186}, // bore chamfer
        {250, 183, 247, 186}, //
        {158, 187, 246, 187}, // its lower edge, across the bore
        {158, 187, 158, 232}, // bore walls
        {246, 187, 246, 232}, //
        {130, 232, 273, 232}, // back-step face, across the bore
        {129, 230, 129, 231}, // back-step sides
        {274, 230, 274, 231}, //
        {64, 193, 64, 229},   // bolt hole walls
        {107, 193, 107, 229}, //
    };
    // The raised face's sides, concave curves up from the flange ring.
    d.outlineArcs = {
        {139, 183, 8, 9, 0, 90},
        {264, 183, 8, 9, 90, 180},
    };
    d.cutSurfaces = {{55, 200}, {120, 200}, {320, 200}};
    d.centreLines = {
        {85, 175, 247},
        {318, 175, 247},
        {202, 164, 247},
    };
    d.lines = {
        // 1: bolt-hole callout, leader and stubs.
        {31, 211, 107, 211},
        {31, 63, 31, 211},
        {31, 63, 49, 63},
        {31, 109, 49, 109},
        // 2: raised-face diameter.
        {148, 146, 255, 146},
        {148, 135, 148, 177},
        {255, 135, 255, 177},
        // 3: bore.
        {158, 216, 246, 216},
        // 4: thickness over the raised face and the back step, with its stub.
        {426, 73, 426, 232},
        {408, 73, 426, 73},
        {261, 182, 437, 182},
        {279, 232, 437, 232},
        // 5: front face to back step, with its stub.
        {390, 129, 390, 270},
        {372, 129, 390, 129},
        {359, 193, 401, 193},
        // 6: back-step height, with its long stub.
        {299, 191, 299, 310},
        {299, 310, 375, 310},
        // 7: back-step diameter.
        {130, 318, 273, 318},
        {130, 238, 130, 329},
        {273, 238, 273, 329},
        // 8: bolt circle, between the bolt-hole centre lines carried on.
        {85, 252, 85, 368},
        {318, 252, 318, 368},
        {85, 357, 318, 357},
        // 9: outside diameter.
        {49, 396, 354, 396},
        {49, 234, 49, 407},
        {354, 234, 354, 407},
    };
    d.arrows = {
        {67, 211, Left},  {103, 211, Right}, {152, 146, Left}, {251, 146, Right},
        {161, 216, Left}, {242, 216, Right}, {426, 186, Up},   {426, 228, Down},
        {390, 189, Down}, {390, 236, Up},    {299, 225, Down}, {299, 236, Up},
        {134, 318, Left}, {269, 318, Right}, {89, 357, Left},  {314, 357, Right},
        {53, 396, Left},  {350, 396, Right},
    };
    return d;
}

} // namespace tavrin::drawings
