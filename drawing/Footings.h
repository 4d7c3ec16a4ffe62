#pragma once
// The footing under a node, by the shape code of its footing type: block outlines for the pad
// footings, and for the pile caps their outline and a circle at every pile.
#include <cstdint>
#include <vector>

#include "drawing/PlanPass.h"
#include "model/tables/ModelTables.h"

struct FootingLine {
    PlanPoint a, b;
};

// What a footing draws, in drawing order: its lines, then its circles (centres, one radius).
struct FootingFigure {
    std::vector<FootingLine> lines;
    std::vector<PlanPoint> circles;
    float radius = 0;
};

// The figure of a footing type standing on the point (x, y), turned by the type's angle. Empty for
// a shape code other than the whole values 0 to 10.
FootingFigure BuildFootingFigure(const FootingType& type, float x, float y);

// Draws the footing of a node on the footings' row; nothing when the node or its footing-type number
// designates nothing.
void DrawFooting(PlanPass& pass, int32_t node);
