#pragma once
// How many bars of which of a section's two diameters cover a required steel area.
#include <cstdint>

// Cross-section area in cm² of one bar of diameter d mm.
float GetBarArea(int32_t d);

// The smaller and the larger bar diameter of a section (mm) with their areas (cm²).
struct BarSizes {
    int32_t DMin = 0, DMax = 0;
    float AMin = 0, AMax = 0;
};
BarSizes MakeBarSizes(int32_t dMin, int32_t dMax);

// The largest bar count the choice tries.
constexpr int32_t MaxBarsPerRecord = 50;

struct BarChoice {
    int32_t Diameter = 0;
    int32_t BarCount = 0;
    // False when no count up to MaxBarsPerRecord covers the area: the choice is then that many bars
    // of the larger diameter.
    bool Covers = true;
};

// The first count n = 1, 2, … that covers `required`: n bars of the smaller diameter; else, when
// n + 1 small bars weigh less than n large ones, n + 1 small bars, then n large ones; else n large
// ones. Upper bars accept an area met exactly; lower bars (`strict`) need more than it, but for the
// n + 1 small bars.
BarChoice ChooseBars(float required, const BarSizes& sizes, bool strict);
