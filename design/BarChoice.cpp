#include "design/BarChoice.h"

float GetBarArea(int32_t d) { return static_cast<float>(d * 3.14159265359 * d / 400); }

BarSizes MakeBarSizes(int32_t dMin, int32_t dMax) { return {dMin, dMax, GetBarArea(dMin), GetBarArea(dMax)}; }

BarChoice ChooseBars(float required, const BarSizes& sizes, bool strict) {
    auto covers = [&](float area) { return strict ? area > required : area >= required; };
    for (int32_t n = 1; n <= MaxBarsPerRecord; ++n) {
        const float small = static_cast<float>(n) * sizes.AMin;
        const float smallPlusOne = static_cast<float>(n + 1) * sizes.AMin;
        const float large = static_cast<float>(n) * sizes.AMax;
        if (covers(small)) return {sizes.DMin, n};
        if (smallPlusOne < large) {
            if (smallPlusOne >= required) return {sizes.DMin, n + 1};
            if (large >= required) return {sizes.DMax, n};
        } else if (covers(large)) {
            return {sizes.DMax, n};
        }
    }
    return {sizes.DMax, MaxBarsPerRecord, false};
}
