// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "CopyProcess.h"

#include <QPoint>
#include <QString>
#include <utility>

namespace tavrin::test {

// Moves a copy's window (its X window `window`) to `frame` as another program
// does, through the window manager, and waits up to `waitMs` until both the X
// server and the copy have it there. Answers the texts a frame close saves
// there.
std::pair<QString, QString> placeThroughWindowManager(CopyProcess& copy, quint64 window,
                                                      QPoint frame, int waitMs);

} // namespace tavrin::test
