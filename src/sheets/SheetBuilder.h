// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "SheetDefinitions.h"

#include <QString>

class QLabel;

namespace tavrin {

class DataControl;
class PictureBox;
class TabControl;

// Builds the sheets of the main window from their definitions: each tab's
// picture box with its drawing, value boxes and caption labels, and its pair
// of size boxes; every value box is bound to the data control.
class SheetBuilder {
public:
    SheetBuilder(TabControl& tabs, DataControl& data);

    void build(const std::vector<SheetDef>& sheets);

    static QLabel* makeValueBox(const ValueBoxDef& def);
    static QLabel* makeCaptionLabel(const CaptionLabelDef& def);
    static QString objectName(const ValueBoxDef& def);

private:
    void buildSheet(const SheetDef& sheet);

    TabControl& tabs_;
    DataControl& data_;
};

} // namespace tavrin
