#pragma once
// The masonry wall and lintel tables below a masonry plan: titles and column heads by the deck's
// masonry system, one row per element with its number, block, vertical and horizontal bars. The
// tables exist only in Italian.
#include <cstdint>

#include "drawing/PlanPass.h"

// Both tables (the lintel table only when the deck has masonry beams), from 210 cm + one row step
// below the deck; returns the running y under the lower of the two.
float DrawMasonryTables(PlanPass& pass);

// The row of wall or beam `index` at the top y, left edge x0 (before scaling by f); y is lowered by
// one row, 20 × f.
void DrawMasonryWallTable(PlanPass& pass, int32_t index, float x0, float& y, float f);
void DrawMasonryBeamTable(PlanPass& pass, int32_t index, float x0, float& y, float f);
