// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>
#include <optional>

namespace tavrin::test {

// What the X server on DISPLAY says of its windows, asked through the X
// tools (xprop, xwininfo) while the caller goes on handling its events.
// Windows are given by their X ids.

// Runs a tool to its end (at most 10 s) and returns its standard output.
QString runTool(const QString& program, const QStringList& arguments);

// xprop's line for one property of the window.
QString property(quint64 window, const char* name);

// The window's client area on the X server: absolute position and size.
QRect serverGeometry(quint64 window);

// Left, right, top and bottom of the frame the window manager drew, once it
// has drawn one.
std::optional<QList<int>> frameExtents(quint64 window);

// The outer top-left corner of the frame the window manager drew around the
// window, once it has drawn one.
std::optional<QPoint> framePosition(quint64 window);

// Whether a window manager has announced itself on the root window.
bool windowManagerRunning();

} // namespace tavrin::test
