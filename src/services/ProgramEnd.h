// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#pragma once

namespace tavrin {

// Ends the program at once: no window gets a close or unload event.
class ProgramEnd {
public:
    virtual ~ProgramEnd() = default;
    virtual void endNow(int exitCode) = 0;
};

} // namespace tavrin
