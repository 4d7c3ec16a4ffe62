#pragma once
// The visible edges of the beams in plan: two face lines along the top face (extrados) and two
// along the bottom face (intrados) of every beam element, joined where beams meet and closed by an
// end line where a beam ends freely.
#include <cstdint>
#include <vector>

#include "model/tables/ModelTables.h"
#include "plangeom/FaceLineJoin.h"
#include "plangeom/PlanPointIndex.h"

// The beam elements at a node, in ascending direction away from it.
struct BeamsAtNodeList {
    int32_t BeamsAtNodeCount = 0;
    std::vector<int32_t> BeamsAtNode;     // indexes into BeamElements
    std::vector<int32_t> BeamsAtNodeEnd;  // StartsAtNode (1) or EndsAtNode (2)
};

class MembersByNode;

BeamsAtNodeList CollectBeamsAtNode(const Model& model, int32_t node);
// The same, with the beam elements filed by node (MembersAtNode.h).
BeamsAtNodeList CollectBeamsAtNode(const Model& model, const MembersByNode& beams, int32_t node);

// The face line at offset d of beam list.BeamsAtNode[k], its first point at node.
FaceLine ComputeBeamEndGeometry(const Model& model, const BeamsAtNodeList& list, int32_t node, int32_t k, float d);

struct BeamCornerPair {
    PlanPoint A, B;
};

// Two corners of beam list[pos] at node, joined with the beam list[nb]: A of its face line at dA
// with the neighbour's line at dNbA1 (when the neighbour starts at the node) or dNbA2, B likewise.
BeamCornerPair ComputeBeamCorner(const Model& model, const BeamsAtNodeList& list, int32_t pos, int32_t nb,
                                 int32_t node, float dA, float dNbA1, float dNbA2, float dB, float dNbB1,
                                 float dNbB2);

// Rebuilds BeamExtradosEdges and BeamIntradosEdges from the beam elements, adding plan points.
// Elements without a drawable axis get no lines and count as no neighbour, but for an element of
// no length between two nodes: the beams beside it end there on their plain end points.
void BuildBeamEdges(Model& model);
// The same, with the plan points of `points`, an index over this model's plan points that the
// steps of one completion share (nothing else adds plan points while it is in use).
void BuildBeamEdges(Model& model, PlanPointIndex& points);
