// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#include "JetFormat.h"

namespace tavrin::jet {

namespace {

// A Jet 3 row stores its column count in one byte, so 255 columns is the most.
constexpr JetFormat kJet3{JetVersion::Jet3, 2048, 10, 8, 18, 128, 126, 255, 255, 1, 1, 0};
constexpr JetFormat kJet4{JetVersion::Jet4, 4096, 14, 12, 25, 64, 128, 510, 4096, 2, 2, 1};

} // namespace

const JetFormat& JetFormat::of(JetVersion version) {
    return version == JetVersion::Jet3 ? kJet3 : kJet4;
}

} // namespace tavrin::jet
