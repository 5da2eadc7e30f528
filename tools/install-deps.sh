#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 the Tavrin developers
# SPDX-License-Identifier: MIT

# Installs what building, running and testing need on Debian 12, where it is
# missing.
set -euo pipefail

packages=(
    # building
    build-essential cmake pkg-config
    qt6-base-dev libgl-dev libxcb1-dev
    mdbtools-dev
    # running: fonts for the Japanese texts, xdg-open for the homepage link
    fonts-ipafont-gothic xdg-utils
    # testing
    libgtest-dev mdbtools
    xvfb xauth x11-utils xdotool openbox
    desktop-file-utils appstream mandoc reuse
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
    sudo_cmd=()
    [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
