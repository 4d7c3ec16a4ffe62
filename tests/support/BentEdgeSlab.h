#pragma once
// A 10 m slab for the outline-corner tests: 30 × 50 beams along its bottom, right and left edges
// and along the right half of its top edge; the left half of the top edge is free and bends by
// 0.57 degrees (5 cm over 5 m) at the beam end, where the free edge and the beam face meet 15 m
// away. Slabs on its polygon are added by the test.
#include <array>
#include <cstdint>
#include <vector>

#include "tests/support/DeckBuilder.h"

struct BentEdgeSlab {
    DeckBuilder D;
    // The polygon, counter-clockwise: (0, 0), (1000, 0), (1000, 1000), the beam end (500, 1000),
    // (0, 1005).
    std::array<int32_t, 5> N{};

    BentEdgeSlab() {
        const int32_t beam = D.RectangleSection(30, 50);
        const float xs[] = {0, 1000, 1000, 500, 0};
        const float ys[] = {0, 0, 1000, 1000, 1005};
        for (int k = 0; k < 5; ++k) N[k] = D.AddNode(xs[k], ys[k]);
        const int beams[][2] = {{0, 1}, {1, 2}, {2, 3}, {4, 0}};
        for (const auto& b : beams) D.AddBeam(N[b[0]], N[b[1]], beam);
    }
    std::vector<int32_t> Polygon() const { return {N.begin(), N.end()}; }
};
