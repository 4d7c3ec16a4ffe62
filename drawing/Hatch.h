#pragma once
// Hatching: straight parallel lines clipped to a closed outline, or to an outer outline minus its
// holes, found by sweeping a line across the outline turned so that the hatch runs along x. The
// sweep gives the segments in model coordinates, which the output draws as one hatch.
//
// Patterns: -1 adds a second set of lines at the angle plus 90 degrees; 0 gives single lines
// `spacing` apart; a positive value gives pairs of lines that far apart, the pairs following each
// other at `spacing`.
#include <cstdint>
#include <span>
#include <vector>

#include "drawing/PlanOutput.h"
#include "model/tables/ModelTables.h"

constexpr int32_t CrossHatch = -1;

// An outline's vertices in order, the last joined back to the first (not repeated).
using HatchOutline = std::vector<PlanPoint>;

// The segments of the hatch in drawing order: sweep line by sweep line from the bottom of the
// turned outline 0, each line's pieces from left to right, then the second set of a cross hatch.
// Outline 0 bounds the hatch; every further outline is a hole. Nothing for a spacing that is not
// a positive number, an angle that is not finite, an outer outline of fewer than three vertices
// or with a coordinate that is not finite, or a sweep that would need an unreasonable number of
// lines; holes of fewer than three vertices are left out.
std::vector<HatchSegment> ComputeHatchSegments(std::span<const HatchOutline> outlines, float spacing,
                                               float angleDeg, int32_t pattern);

// ComputeHatchSegments through the cache: the lines it keeps for exactly these inputs, else the
// sweep's, kept there.
const std::vector<HatchSegment>& CachedHatchSegments(HatchLineCache& cache, std::span<const HatchOutline> outlines,
                                                     float spacing, float angleDeg, int32_t pattern);

// One closed outline. With a cache, its lines come from there.
void DrawHatch(PlanOutput& out, std::span<const PlanPoint> points, float spacing, float angleDeg, int32_t pattern,
               int32_t layer, LineStyle style, HatchLineCache* cache = nullptr);
// outlines[0] minus the holes outlines[1 ..], hatched together so that the holes stay free.
void DrawHatchMulti(PlanOutput& out, std::span<const HatchOutline> outlines, float spacing, float angleDeg,
                    int32_t pattern, int32_t layer, LineStyle style, HatchLineCache* cache = nullptr);

// Whether (x, y) lies inside the closed outline: the segment from it to the far point
// (farX - 37.74957, (yLow + yHigh) / 2) properly crosses an odd number of its edges.
bool FindHatchLineCrossings(std::span<const PlanPoint> points, float x, float y, float farX, float yLow,
                            float yHigh);
// The same far point; inside outline 0 (odd crossings) and outside every hole (even crossings).
bool IsPointInPolygonWithHoles(std::span<const HatchOutline> outlines, float x, float y, float farX, float yLow,
                               float yHigh);
