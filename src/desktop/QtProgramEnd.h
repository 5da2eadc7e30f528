// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#pragma once

#include "ProgramEnd.h"

namespace tavrin {

// Leaves every running event loop at once; no window is closed or unloaded
// on the way out.
class QtProgramEnd final : public ProgramEnd {
public:
    void endNow(int exitCode) override;

    // Whether an end was asked for, and with what status; an end asked for
    // before the event loop runs is kept here for the caller.
    bool requested() const { return requested_; }
    int exitCode() const { return exitCode_; }

private:
    bool requested_ = false;
    int exitCode_ = 0;
};

} // namespace tavrin
