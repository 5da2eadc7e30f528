// SPDX-FileCopyrightText: 2026 the Tavrin developers
// SPDX-License-Identifier: MIT

#pragma once

// A test fixture over one committed drawing, with short names for the
// expectations of the coordinate tables.

#include "ImageProbe.h"

#include <gtest/gtest.h>

namespace tavrin::test {

constexpr Expect L = Expect::Line;
constexpr Expect C = Expect::Cut;
constexpr Expect B = Expect::Background;
constexpr Expect O = Expect::Open;

class DrawingFixture : public ::testing::Test {
protected:
    explicit DrawingFixture(const QString& drawing) : image(loadDrawing(drawing)) {}

    // Every pixel that breaks a probe is one failure.
    void check(const std::vector<Probe>& probes) { report(failures(image, probes)); }
    void check(const std::vector<ArrowProbe>& arrows) { report(failures(image, arrows)); }

    const QImage image;

private:
    static void report(const std::vector<std::string>& problems) {
        for (const std::string& problem : problems) {
            ADD_FAILURE() << problem;
        }
    }
};

} // namespace tavrin::test
