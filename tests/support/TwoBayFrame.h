#pragma once
// A two-bay frame for the slab-outline tests: 30 × 50 beams on a 500 × 400 grid of two bays, with
// 30 × 30 pillars at the six grid nodes. Slabs are added by the test before Derive().
#include <array>
#include <cstdint>

#include "tests/support/DeckBuilder.h"

struct TwoBayFrame {
    DeckBuilder D;
    int32_t BeamSection = 0;
    // Grid nodes: 0 (0, 0), 1 (500, 0), 2 (1000, 0), 3 (0, 400), 4 (500, 400), 5 (1000, 400).
    std::array<int32_t, 6> N{};

    TwoBayFrame() {
        D.RectangleSection(30, 30);  // section 1: the pillars
        BeamSection = D.RectangleSection(30, 50);
        const float xs[] = {0, 500, 1000, 0, 500, 1000};
        const float ys[] = {0, 0, 0, 400, 400, 400};
        for (int k = 0; k < 6; ++k) {
            N[k] = D.AddNode(xs[k], ys[k]);
            D.AddPillar(N[k]);
        }
        const int beams[][2] = {{0, 1}, {1, 2}, {3, 4}, {4, 5}, {0, 3}, {1, 4}, {2, 5}};
        for (const auto& b : beams) D.AddBeam(N[b[0]], N[b[1]], BeamSection);
    }
};
