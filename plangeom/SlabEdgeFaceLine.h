#pragma once
// The line that bounds a slab along one edge of its model polygon: the face of the beam or wall
// that carries the edge, or the edge itself. Shared by the floor-slab and concrete-slab outlines,
// which differ in which face they take and in how they match a member to the edge.
#include <cstdint>
#include <vector>

#include "model/tables/ModelTables.h"
#include "plangeom/SegmentGrid.h"

struct SlabFaceRules {
    // The direction of a beam's common part with the edge is compared with the edge's after the
    // beam's end offsets have moved it (concrete slabs) or before (floor slabs). Either way the
    // offsets are added to the common part's ends before these are put in the edge's direction.
    bool BeamOffsetsBeforeDirection = false;
    // Walls are matched on their axis with the end offsets (floor slabs) or on their plain nodes.
    bool WallMatchedWithOffsets = true;
    // Faces outside the slab (-a1, -thickness / 2) instead of inside it (b1, thickness / 2).
    bool OuterFaces = false;
    // The far probe that chooses between a beam and a wall face goes to the outside of the slab.
    bool FarProbeOutside = false;
};

SlabFaceRules FloorSlabFaceRules();
// which 0: list 1 (outer faces), any other value: list 2 (inner faces). An inner region
// (kind != 0) keeps the faces but sends the far probe to the other side.
SlabFaceRules ConcreteSlabFaceRules(int32_t which, int32_t kind);

struct SlabEdgeFace {
    PlanPoint F1, F2;     // runs like the edge
    int32_t Beam = -1;    // the beam element found along the edge, or -1
    int32_t Wall = -1;    // the wall found along the edge, or -1
};

// The beams and walls of a model filed by place, as the edges of slabs under one set of rules match
// them: beams on their plain nodes, walls with or without their end offsets.
struct SlabEdgeMembers {
    SegmentGrid Beams;
    SegmentGrid Walls;
    bool WallsWithOffsets = true;
};

SlabEdgeMembers FileSlabEdgeMembers(const Model& model, const SlabFaceRules& rules);

// The face line of slab edge s -> e. polygon holds the slab's n vertices followed by room for a
// copy of the first (the inside test writes it); the slab lies to the left of its edges. `members`
// files the model's members (FileSlabEdgeMembers); the first beam and the first wall along the edge
// in table order are those a scan of the tables would find.
SlabEdgeFace FindEdgeFaceLine(const Model& model, const SlabFaceRules& rules, const SlabEdgeMembers& members,
                              PlanPoint s, PlanPoint e, std::vector<PlanPoint>& polygon, int32_t n);
// The same for a single edge, filing the members for it.
SlabEdgeFace FindEdgeFaceLine(const Model& model, const SlabFaceRules& rules, PlanPoint s, PlanPoint e,
                              std::vector<PlanPoint>& polygon, int32_t n);
