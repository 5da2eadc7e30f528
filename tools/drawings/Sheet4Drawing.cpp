// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

// Sheet 4: schematic side views of a 90-degree long elbow, a 90-degree short
// elbow, a 45-degree long elbow and a tee, each end 61 px across.

#include "SheetDrawings.h"

namespace tavrin::drawings {

namespace {

const DashPattern kChain{18, 3, 4, 3}; // centre lines of the fittings
const DashPattern kDashes{6, 3};       // the 45-degree elbow's centre arc carried on

} // namespace

Drawing sheet4Drawing() {
    using enum Direction;
    Drawing d;
    d.name = "sheet4";
    d.width = 549;
    d.height = 529;
    d.outline = {
        // 90-degree long elbow: end faces on the bounding radii about (137, 145).
        {137, 46, 137, 107},
        {38, 145, 99, 145},
        // 90-degree short elbow, about (348, 145).
        {348, 69, 348, 130},
        {272, 145, 333, 145},
        // 45-degree long elbow, about (186, 372).
        {87, 372, 148, 372},
        {116, 302, 159, 345},
        // Tee: run, branch and its end face.
        {228, 311, 228, 372},
        {365, 311, 365, 372},
        {228, 372, 365, 372},
        {228, 311, 251, 311},
        {342, 311, 365, 311},
        {266, 273, 266, 296},
        {327, 273, 327, 296},
        {266, 273, 327, 273},
    };
    d.outlineArcs = {
        {137, 145, 99, 99, 180, 270}, // 90-degree long elbow, outer and inner
        {137, 145, 38, 38, 180, 270},
        {348, 145, 76, 76, 180, 270}, // 90-degree short elbow
        {348, 145, 15, 15, 180, 270},
        {186, 372, 99, 99, 180, 225}, // 45-degree long elbow
        {186, 372, 38, 38, 180, 225},
        {251, 296, 15, 15, 0, 90}, // tee: fillets from the branch to the run
        {342, 296, 15, 15, 90, 180},
    };
    d.cutSurfaces = {{89, 97}, {316, 113}, {123, 350}, {296, 330}};
    d.dashedArcs = {
        {{137, 145, 68, 68, 180, 270}, kChain}, // centre arcs
        {{348, 145, 46, 45, 180, 270}, kChain},
        {{186, 372, 68, 68, 225, 180}, kChain},
        {{186, 372, 68, 68, 177, 144}, kDashes}, // below the 45-degree elbow's lower end
    };
    d.dashedLines = {
        {{229, 341, 364, 341}, kChain}, // tee: run axis
        {{296, 274, 296, 371}, kChain}, // tee: branch axis
    };
    d.lines = {
        // 90-degree long elbow: end-face planes crossing at the bend centre, end axes.
        {137, 112, 137, 203},
        {104, 145, 220, 145},
        {142, 77, 220, 77},
        {69, 150, 69, 203},
        // Outside diameter of the end facing right.
        {142, 46, 184, 46},
        {142, 107, 184, 107},
        {173, 46, 173, 107},
        // Centre to face, vertical, its leader into the value box.
        {209, 77, 209, 174},
        {196, 174, 209, 174},
        // Centre to face, horizontal.
        {69, 192, 137, 192},

        // 90-degree short elbow: end-face planes, end axes.
        {348, 135, 348, 199},
        {338, 145, 430, 145},
        {353, 100, 430, 100},
        {302, 150, 302, 199},
        // Outside diameter of the end facing right.
        {353, 69, 394, 69},
        {353, 130, 394, 130},
        {384, 69, 384, 130},
        // Centre to face, vertical, its leader into the value box.
        {420, 100, 420, 173},
        {401, 173, 420, 173},
        // Centre to face, horizontal, running on into the value box.
        {285, 188, 348, 188},

        // 45-degree long elbow: both end-face lines carried on to the bend centre.
        {153, 372, 186, 372},
        {163, 349, 186, 372},
        // Outside diameter of the slanted end, between lines along the leg's axis.
        {120, 298, 149, 269},
        {163, 341, 192, 312},
        {142, 277, 185, 320},
        // Centre to face along the slanted leg: the face line carried on and a
        // line through the crossing of the two end axes.
        {112, 298, 70, 256},
        {118, 345, 52, 275},
        {38, 304, 101, 241},
        // Centre to face along the vertical leg, down to the value box.
        {23, 346, 118, 346},
        {23, 372, 82, 372},
        {33, 314, 33, 405},
        // Bend radius.
        {186, 372, 130, 404},

        // Tee: the axes carried on outside the body.
        {370, 341, 439, 341},
        {296, 377, 296, 433},
        // Centre to end of the branch, its leader into the value box.
        {332, 273, 439, 273},
        {429, 249, 429, 341},
        {409, 249, 429, 249},
        // Outside diameter of the run, running on into the value box.
        {370, 311, 411, 311},
        {370, 372, 411, 372},
        {401, 311, 401, 399},
        // Centre to end of the run, both halves.
        {228, 377, 228, 433},
        {365, 377, 365, 433},
        {228, 423, 365, 423},
    };
    d.arrows = {
        {173, 50, Up},     {173, 103, Down},  {209, 81, Up},    {209, 141, Down}, {73, 192, Left},
        {133, 192, Right}, {384, 73, Up},     {384, 126, Down}, {420, 104, Up},   {420, 141, Down},
        {306, 188, Left},  {344, 188, Right}, {33, 343, Down},  {33, 375, Up},    {429, 277, Up},
        {429, 337, Down},  {401, 315, Up},    {401, 368, Down}, {232, 423, Left}, {292, 423, Right},
        {300, 423, Left},  {361, 423, Right},
    };
    d.slantArrows = {
        {144, 279, 225},      // outside diameter of the slanted end
        {182, 317, 45},       //
        {80.5, 261.5, 135},   // centre to face along the slanted leg, from outside
        {56.8, 285.2, 315},   //
        {129.71, 404.5, 150}, // bend radius, at the centre arc
    };
    return d;
}

} // namespace tavrin::drawings
