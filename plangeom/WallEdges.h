#pragma once
// The two faces of every concrete wall in plan, joined where walls meet and closed where a wall
// ends freely, and the lines across the wall ends at junctions of three or more walls.
#include <cstdint>
#include <vector>

#include "model/tables/ModelTables.h"
#include "plangeom/FaceLineJoin.h"
#include "plangeom/PlanPointIndex.h"

// The wall segments at a node, in ascending direction away from it. The lists grow with the
// number of walls found.
struct WallsAtNodeList {
    int32_t WallsAtNodeCount = 0;
    std::vector<int32_t> WallsAtNode;     // indexes into WallSegments
    std::vector<int32_t> WallsAtNodeEnd;  // StartsAtNode (1) or EndsAtNode (2)
};

class MembersByNode;

WallsAtNodeList CollectWallsAtNode(const Model& model, int32_t node);
// The same, with the wall segments filed by node (MembersAtNode.h).
WallsAtNodeList CollectWallsAtNode(const Model& model, const MembersByNode& walls, int32_t node);

// The face line at offset d of wall list.WallsAtNode[k], its first point at node.
FaceLine ComputeWallEndGeometry(const Model& model, const WallsAtNodeList& list, int32_t node, int32_t k, float d);

// Rebuilds WallEdges and WallJunctionEdges from the wall segments, adding plan points. Walls
// without a drawable axis or without a positive thickness get no lines and count as no neighbour.
void BuildWallEdges(Model& model);
// The same, with the plan points of `points`, an index over this model's plan points that the
// steps of one completion share (nothing else adds plan points while it is in use).
void BuildWallEdges(Model& model, PlanPointIndex& points);
