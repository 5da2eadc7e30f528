// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "Shell.h"

#include <QStringList>

namespace tavrin::test {

// Notes each call as "verb file".
class RecordingShell final : public Shell {
public:
    void open(const QString& verb, const QString& file) override { calls << verb + " " + file; }
    QStringList calls;
};

} // namespace tavrin::test
