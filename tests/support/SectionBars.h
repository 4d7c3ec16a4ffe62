#pragma once
// Design section 0 with bars given by hand, for the tests of single-rebar edits.
#include <vector>

#include "model/tables/ModelTables.h"

inline UpperRebar UpperBar(float x1, float y1, float x2, float y2, int32_t hooks = 0) {
    return {.Diameter = 12, .X1 = x1, .X2 = x2, .Y1 = y1, .Y2 = y2, .BarCount = 2, .HookFlags = hooks};
}
inline LowerRebar LowerBar(float x1, float y1, float x2, float y2, int32_t hooks = 0) {
    return {.Diameter = 10, .X1 = x1, .X2 = x2, .Y1 = y1, .Y2 = y2, .BarCount = 3, .Kind = 1, .HookFlags = hooks};
}

// The deck's one section, holding these bars.
inline void SetSectionBars(ReinforcementSections& r, const std::vector<UpperRebar>& upper,
                           const std::vector<LowerRebar>& lower) {
    r.ReinforcementSectionCount = 1;
    for (size_t k = 0; k < upper.size(); ++k) r.UpperRebars[0][k] = upper[k];
    for (size_t k = 0; k < lower.size(); ++k) r.LowerRebars[0][k] = lower[k];
    r.UpperRebarCount[0] = static_cast<int32_t>(upper.size());
    r.LowerRebarCount[0] = static_cast<int32_t>(lower.size());
}
