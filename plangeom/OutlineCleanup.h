#pragma once
// Removal of repeated consecutive entries from an outline list (open: the last entry is never
// compared with the first). After a removal the scan moves on without comparing the new pair.
#include <cstdint>
#include <vector>

#include "model/tables/ModelTables.h"

// Floor slabs: an entry holding the same plan point as the next one is removed. Lists of up to
// two entries are left as they are.
void RemoveRepeatedOutlineEntries(std::vector<int32_t>& outline, int32_t& count);

// Concrete slabs: an entry whose plan point lies within 0.0001 in x and y of the next one's is
// removed, so that of the two the later stays. Lists of fewer than two entries are left alone.
void RemoveCoincidentOutlineEntries(const Model& model, std::vector<int32_t>& outline, int32_t& count);
