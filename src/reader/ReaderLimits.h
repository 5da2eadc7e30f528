// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

namespace tavrin {

// What the reading program allows itself, so that a file built to make it
// allocate or compute without end stops it instead: the viewer reports a
// reader that ends on a signal or allocation failure as a damaged file. A
// real table of 10,000 rows needs a small part of either.
class ReaderLimits {
public:
    static constexpr std::uint64_t kAddressSpaceBytes = std::uint64_t{512} << 20;
    static constexpr std::uint64_t kCpuSeconds = 20;

    // AddressSanitizer reserves terabytes of address space for its shadow
    // memory, so a build with it limits CPU time only.
    static bool limitsAddressSpace();

    // Sets both limits on this process; false if the system refused one.
    static bool apply();
};

} // namespace tavrin
