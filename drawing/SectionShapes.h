#pragma once
// The plan outline of a steel pillar: its rolled profile, or its two coupled profiles, sized by the
// section server's record, turned by the pillar's angle and placed at the pillar's point, on the
// steel-pillar layer.
#include <cstdint>
#include <span>
#include <vector>

#include "drawing/PlanOutput.h"
#include "model/tables/SectionCatalogue.h"

struct ShapeSegment {
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

// The outline of section sec (0-based) at (x, y): its segments in drawing order, or a circle.
// Empty for a section or server record that the catalogue does not hold and for shape codes
// without an outline.
struct SectionShapeOutline {
    std::vector<ShapeSegment> segments;
    float circleRadius = 0;  // > 0: a circle about (x, y)
    // How far the outline reaches to the right of its point, for the label beside it.
    float RightReach(float x) const;
};

SectionShapeOutline BuildSectionShape(const SectionCatalogue& catalogue, int32_t sec, float angleDeg, float x,
                                      float y);
void DrawSectionShape(PlanOutput& out, const SectionCatalogue& catalogue, int32_t sec, float angleDeg, float x,
                      float y);

// out = (xs, ys) turned counter-clockwise by angleDeg and moved by (px, py); the inputs are kept.
void RotatePointArrays(std::span<const float> xs, std::span<const float> ys, float angleDeg, std::span<float> outX,
                       std::span<float> outY, float px, float py);
