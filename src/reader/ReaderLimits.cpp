// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT
#include "ReaderLimits.h"

#include <sys/resource.h>

namespace tavrin {

bool ReaderLimits::limitsAddressSpace() {
#ifdef TAVRIN_SANITIZED_BUILD
    return false;
#else
    return true;
#endif
}

bool ReaderLimits::apply() {
    // Past the soft CPU limit the process gets SIGXCPU, which ends it; a
    // second later, SIGKILL.
    const rlimit cpu{kCpuSeconds, kCpuSeconds + 1};
    bool applied = setrlimit(RLIMIT_CPU, &cpu) == 0;
    if (limitsAddressSpace()) {
        const rlimit space{kAddressSpaceBytes, kAddressSpaceBytes};
        applied = setrlimit(RLIMIT_AS, &space) == 0 && applied;
    }
    return applied;
}

} // namespace tavrin
