// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#pragma once

// The layout of the five sheets as the drawings' tables give it, typed from
// them by hand: every value box and caption label with its place. Tests hold
// the program's own tables and windows against this copy.

#include <string>
#include <vector>

namespace tavrin::expected {

struct Box {
    const char* control;
    const char* field;
    int left, top, width, height;
    const char* caption;
};

struct Caption {
    int index;
    std::u32string caption;
    int left, top, width, height;
    double points;
};

std::vector<Box> expectedBoxes(int sheet);
const std::vector<Caption>& expectedCaptions(int sheet);

} // namespace tavrin::expected
