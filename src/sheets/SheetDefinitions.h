// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#pragma once

// The five sheets of the main window as plain data: tab captions, picture
// boxes, drawings, status descriptions, value boxes and caption labels.
// Positions and sizes are in twips (15 twips to a pixel); a value box's or
// caption label's place is relative to the client area of its picture box,
// a size box's to the tab control.

#include <string>
#include <vector>

namespace tavrin {

struct ValueBoxDef {
    std::string control; // "Label15", "Label1" (with index) ...
    int index = -1;      // control-array index; -1 when the control is no array
    std::string field;   // DataField, e.g. "Ha-05k"
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    double points = 12.0; // font size

    // The caption shown until the data control fills the box: the field name
    // without its class suffix ("Ha" for "Ha-05k").
    std::string designCaption() const;
};

struct CaptionLabelDef {
    int index = 0;       // index in the control array Label0
    std::string caption; // UTF-8
    int left = 0;
    int top = 0;
    int width = 0; // size at design; the label sizes itself to its text
    int height = 0;
    double points = 12.0;
};

struct SheetDef {
    int index = 0;
    std::string tabCaption; // UTF-8
    std::string pictureBox; // "Picture1" ...
    std::string drawing;    // drawing asset name, e.g. "sheet0"
    int drawingWidth = 0;   // pixels
    int drawingHeight = 0;
    std::string description;             // status-bar panel 1 text, UTF-8
    std::vector<ValueBoxDef> sizeBoxes;  // Label1(i), Label2(i): children of the tab control
    std::vector<ValueBoxDef> valueBoxes; // on the drawing, children of the picture box
    std::vector<CaptionLabelDef> captionLabels;
};

// The five sheets, in tab order (index 0 to 4).
const std::vector<SheetDef>& sheetDefinitions();

// The status-bar description of sheet `index`; empty for an index outside 0..4.
std::string sheetDescription(int index);

// Text of a field name without its class suffix: "Ha-05k" -> "Ha", "Da" -> "Da".
std::string stripClassSuffix(const std::string& field);

// Pixel size of a point size at 96 dots per inch (9.75 -> 13, 11.25 -> 15, 12 -> 16, 14.25 -> 19).
int pointsToPixels(double points);

// Twips to pixels at 15 twips a pixel.
constexpr int twipsToPixels(int twips) {
    return twips / 15;
}

// Width in twips of a value box bound to `field`, set by its dimension code:
// 1215 for "A" and "B", 1035 for "Ha", 810 for "M", 795 for "H", 675 for any other.
int valueBoxWidth(const std::string& field);

// The visible client area of a sheet's picture box, in pixels; the drawing is
// clipped to it.
inline constexpr int kPictureClientWidth = 457;
inline constexpr int kPictureClientHeight = 445;

// The 62 field names of the dimension record, in the order size, bore,
// classes 5k to 63k, fittings.
const std::vector<std::string>& dimensionFields();

} // namespace tavrin
