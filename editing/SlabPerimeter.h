#pragma once
// A slab's plan outline replaced by an edited list of plan points, as the vertex panel assigns it.
// The model polygon, the design sections and the bars of the slab stay as they are.
#include <cstdint>
#include <span>

#include "model/tables/ModelTables.h"

// Floor slab `slab` takes `vertices` as its outline, followed by the closing repeat of the first
// (its row grows to hold both); then every floor slab is measured again from its outline (area,
// centroid, reference points, band lines) and the designable ones are grouped by span direction.
// A slab that is not in the table, or an empty list, changes nothing.
void AssignFloorSlabPerimeter(Model& model, int32_t slab, std::span<const int32_t> vertices);

// Concrete slab `slab` takes `vertices` as its first outline list, closed the same way. Its second
// list follows the edit at each of its positions that stood where the first list's point stood
// before: the same plan point, or one at that place as closely as the data file tells places apart
// (the second list is rebuilt at every load and may hold a point a few thousandths away), and so
// does its closing repeat; its count does not change, and positions beyond it are not part of it.
// Nothing is measured again.
void AssignConcreteSlabPerimeter(Model& model, int32_t slab, std::span<const int32_t> vertices);
