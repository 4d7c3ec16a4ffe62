#pragma once
// The masonry wall and lintel tables below a masonry plan.
#include <cstdint>

#include "drawing/PlanPass.h"

// The wall and lintel tables below a masonry plan; returns the running y they end on. Draws
// nothing until the masonry tables are built.
float DrawMasonryTables(PlanPass& pass);
