#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 the Tavrin developers
# SPDX-License-Identifier: MIT

# Installs what is missing, builds what the viewer needs to run (the viewer,
# its reading program, the Jet file writer and the sample data; no tests) in
# build-run/, a folder of its own beside tools/test.sh's build/, and starts
# the viewer there on the sample data. Without a display the viewer says so
# in one line and ends with status 1.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
build="$top/build-run"
"$top/tools/install-deps.sh"
cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF
cmake --build "$build" -j"$(nproc)" --target tavrin tavrin-read tavrin-mkdb sample_data
cd "$build"
exec ./tavrin
