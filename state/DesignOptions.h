#pragma once
// Options of the floor-slab reinforcement design.
#include <cstdint>

struct DesignOptions {
    int32_t LowerAssemblyBarDiameter = 5;  // mm, 0 for none
    float CurbWidth = 25.0f;               // cm
    float CurbSpanThreshold = 450.0f;      // cm
    int32_t CurbEnabled = 0;
    int32_t GroupLowerBars = 0;
    int32_t MaxUpperBarLength = 1200;      // cm, 500 to 1200
};
