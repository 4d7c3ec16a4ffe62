#pragma once
// Floor slabs grouped by the direction of their joists, for the reinforcement design.
#include "model/tables/ModelTables.h"

// Every designable floor slab takes the group of the first earlier designable slab whose span
// angle lies within 0.1 degree of its own, else the next new group number (from 1); the other
// slabs get -1.
void AssignFloorSlabDirectionGroups(Model& model);
