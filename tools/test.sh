#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 the Tavrin developers
# SPDX-License-Identifier: MIT

# Installs what is missing, builds, and runs every test: once in a plain
# build, once under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
"$top/tools/install-deps.sh"
jobs="$(nproc)"

cmake -S "$top" -B "$top/build-asan" -DCMAKE_BUILD_TYPE=Debug -DTAVRIN_SANITIZE=ON
cmake --build "$top/build-asan" -j"$jobs"
(cd "$top/build-asan" && ctest --output-on-failure -j"$jobs" --timeout 300)

cmake -S "$top" -B "$top/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$top/build" -j"$jobs"
cd "$top/build"
ctest --output-on-failure -j"$jobs" --timeout 300
