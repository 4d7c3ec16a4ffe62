#pragma once
// Whether a section number designates a slot of every section table.
#include <algorithm>
#include <cstdint>

#include "model/tables/ModelTables.h"

inline bool IsSectionSlot(const ReinforcementSections& r, int32_t s) {
    const size_t slots = std::min({r.ReinforcementSectionEnds.size(), r.SectionSlabCount.size(), r.SectionSlabs.size(),
                                   r.ReinforcementSectionSpans.size(), r.UpperRebarCount.size(),
                                   r.LowerRebarCount.size(), r.UpperRebars.size(), r.LowerRebars.size()});
    return s >= 0 && static_cast<size_t>(s) < slots;
}
