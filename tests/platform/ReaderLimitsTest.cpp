// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

// The reading program's own limits, set in a child process so that this one
// keeps its own.

#include "ReaderLimits.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tavrin {
namespace {

enum Outcome { Limited = 0, CpuNotLimited = 1, SpaceNotLimited = 2, NotApplied = 3 };

int limitedChild() {
    if (!ReaderLimits::apply()) {
        return NotApplied;
    }
    rlimit cpu{};
    getrlimit(RLIMIT_CPU, &cpu);
    if (cpu.rlim_cur != ReaderLimits::kCpuSeconds) {
        return CpuNotLimited;
    }
    if (ReaderLimits::limitsAddressSpace()) {
        // More than the limit allows, in one piece.
        void* block = std::malloc(ReaderLimits::kAddressSpaceBytes + (std::size_t{64} << 20));
        if (block != nullptr) {
            return SpaceNotLimited;
        }
    }
    return Limited;
}

TEST(ReaderLimits, BoundCpuTimeAndAddressSpace) {
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        _exit(limitedChild());
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), Limited);
}

} // namespace
} // namespace tavrin
