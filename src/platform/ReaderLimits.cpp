// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT
#include "ReaderLimits.h"

#include <sys/resource.h>

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TAVRIN_ADDRESS_SANITIZER 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define TAVRIN_ADDRESS_SANITIZER 1
#endif

namespace tavrin {

bool ReaderLimits::limitsAddressSpace() {
#ifdef TAVRIN_ADDRESS_SANITIZER
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
