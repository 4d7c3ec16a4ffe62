#pragma once
// The corners of a slab outline: the slab's model polygon turned counter-clockwise, then one plan
// point per vertex where the face lines of its two edges meet. Shared by the floor-slab and the
// concrete-slab outlines.
#include <cstdint>
#include <vector>

#include "model/tables/ModelTables.h"
#include "plangeom/PlanPointIndex.h"
#include "plangeom/SlabEdgeFaceLine.h"

// The orientation sum of the polygon, Σ (x(k+1)·y(k) − x(k)·y(k+1)) / 2 with each term halved
// before it is added, in floats: negative when the vertices run counter-clockwise (y up).
float SlabPolygonOrientationSum(const Model& model, const std::vector<int32_t>& polygon, int32_t n);

// What the orientation does with a polygon whose sum is exactly 0 (all vertices on one line).
enum class ZeroAreaPolygon { Reverse, Keep };

// Reverses the n node indexes of polygon in place unless they run counter-clockwise, and then
// sets element n to the new element 0. Returns whether it reversed them.
bool OrientSlabPolygon(const Model& model, std::vector<int32_t>& polygon, int32_t n, ZeroAreaPolygon zeroArea);

// The number of vertices of a model polygon that can be used: vertexCount clamped to the list, or
// -1 when one of them designates no node.
int32_t UsableVertexCount(const Model& model, const std::vector<int32_t>& polygon, int32_t vertexCount);

// How a corner finds the plan point it is stored as.
enum class CornerPoint {
    WithinTolerance,  // PlanPointIndex::FindOrAdd
    NearSavedPoint,   // PlanPointIndex::FindOrAddNearSavedPoint
};

// What the outlines built in one pass over a slab table share: the model's plan points, how a
// corner finds its point among them, and the members filed by place (built for the pass's rules).
struct SlabOutlinePass {
    PlanPointIndex& Points;
    CornerPoint Corner;
    const SlabEdgeMembers& Members;
};

// Orients the model polygon and writes the outline corners into outline[0 .. count - 1], growing
// the list when it is too short; entries beyond count keep their values. A polygon with fewer
// than three distinct vertices gets the plan points of its own vertices; one that designates a
// missing node gets no outline and is left as it is.
void BuildSlabOutlineCorners(Model& model, SlabOutlinePass& pass, const SlabFaceRules& rules,
                             std::vector<int32_t>& polygon,
                             int32_t vertexCount, ZeroAreaPolygon zeroArea, std::vector<int32_t>& outline,
                             int32_t& count);
