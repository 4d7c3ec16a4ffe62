#include "plangeom/SlabEdgeFaceLine.h"

#include <cmath>
#include <optional>

#include "model/geometry/Geometry.h"
#include "model/geometry/OffsetCorners.h"
#include "model/sections/SectionOutlines.h"
#include "model/geometry/SegmentIntersection.h"
#include "model/tables/TableAccess.h"

namespace {

constexpr float FarProbeDistance = 1000.0f;
constexpr float NearProbeDistance = 3.0f;
// How far from an edge a member axis can lie and still be found along it by ComputeSegmentOverlap:
// its tolerances and the rounding of its float differences, for coordinates up to
// SegmentGrid::MaxCoordinate, stay well within this.
constexpr double MemberReach = 11.0;

PlanPoint NodePoint(const Model& model, int32_t node) { return {model.Nodes[node].X, model.Nodes[node].Y}; }

PlanPoint Shifted(PlanPoint p, float dx, float dy) { return {p.X + dx, p.Y + dy}; }

// Directions are compared across the turn: an edge at 359.99 degrees and a common part at 0 run the
// same way and must not be exchanged, or the face would be moved out of the slab.
bool RunsAgainst(PlanPoint s, PlanPoint e, PlanPoint r1, PlanPoint r2) {
    const float alpha = GetSegmentDirectionDeg(s.X, s.Y, e.X, e.Y);
    const float beta = GetSegmentDirectionDeg(r1.X, r1.Y, r2.X, r2.Y);
    float delta = std::fabs(alpha - beta);
    if (delta > 180.0f) delta = 360.0f - delta;
    return delta > 0.1f;
}

// The common part of the edge with a member axis, turned to run like the edge.
struct CommonPart {
    PlanPoint R1, R2;
};

std::optional<CommonPart> Overlap(PlanPoint s, PlanPoint e, PlanPoint a, PlanPoint b) {
    CommonPart part;
    if (ComputeSegmentOverlap(s, e, a, b, part.R1, part.R2) <= 0) return std::nullopt;
    return part;
}

void OrientLikeEdge(CommonPart& part, PlanPoint s, PlanPoint e) {
    if (RunsAgainst(s, e, part.R1, part.R2)) std::swap(part.R1, part.R2);
}

SlabEdgeFace MovedLeft(const CommonPart& part, float d) {
    SlabEdgeFace face;
    OffsetSegmentLeft(part.R1.X, part.R1.Y, part.R2.X, part.R2.Y, d, face.F1.X, face.F1.Y, face.F2.X, face.F2.Y);
    return face;
}

float Finite(float v) { return std::isfinite(v) ? v : 0.0f; }

// The axis of a wall as the edges match it.
bool WallAxis(const Model& model, const WallSegment& wall, bool withOffsets, PlanPoint& a, PlanPoint& b) {
    if (!IsNodeIndex(model, wall.NodeI) || !IsNodeIndex(model, wall.NodeJ)) return false;
    a = NodePoint(model, wall.NodeI);
    b = NodePoint(model, wall.NodeJ);
    if (withOffsets) {
        a = Shifted(a, wall.OffsetXI, wall.OffsetYI);
        b = Shifted(b, wall.OffsetXJ, wall.OffsetYJ);
    }
    return true;
}

// The first beam element along the edge, in table order, and its face line.
std::optional<SlabEdgeFace> BeamFace(const Model& model, const SlabFaceRules& rules, const SlabEdgeMembers& members,
                                     PlanPoint s, PlanPoint e, std::vector<int32_t>& near) {
    members.Beams.Near(s, e, MemberReach, near);
    const int32_t count = UsableCount(model.BeamElementCount, model.BeamElements);
    for (int32_t b : near) {
        if (b < 0 || b >= count) continue;
        const BeamElement& beam = model.BeamElements[b];
        if (!IsNodeIndex(model, beam.NodeI) || !IsNodeIndex(model, beam.NodeJ)) continue;
        auto part = Overlap(s, e, NodePoint(model, beam.NodeI), NodePoint(model, beam.NodeJ));
        if (!part) continue;
        // Beams are matched on their plain nodes, then shifted by their end offsets: the offset of
        // end I goes to R1 and that of end J to R2 before the two are put in the edge's direction,
        // which either the plain common part or the shifted one tells.
        bool against = RunsAgainst(s, e, part->R1, part->R2);
        part->R1 = Shifted(part->R1, beam.OffsetXI, beam.OffsetYI);
        part->R2 = Shifted(part->R2, beam.OffsetXJ, beam.OffsetYJ);
        if (rules.BeamOffsetsBeforeDirection) against = RunsAgainst(s, e, part->R1, part->R2);
        if (against) std::swap(part->R1, part->R2);
        const int32_t sec = model.Catalogue.SectionIndexOf(beam.SectionNumber);
        const SectionEdgeOffsets o = ComputeSectionEdgeOffsets(model.Catalogue, sec, beam.SectionAngle);
        SlabEdgeFace face = MovedLeft(*part, rules.OuterFaces ? -Finite(o.A1) : Finite(o.B1));
        face.Beam = b;
        return face;
    }
    return std::nullopt;
}

// The first wall along the edge, in table order, and its face line.
std::optional<SlabEdgeFace> WallFace(const Model& model, const SlabFaceRules& rules, const SlabEdgeMembers& members,
                                     PlanPoint s, PlanPoint e, std::vector<int32_t>& near) {
    const int32_t count = UsableCount(model.WallSegmentCount, model.WallSegments);
    if (members.WallsWithOffsets == rules.WallMatchedWithOffsets) {
        members.Walls.Near(s, e, MemberReach, near);
    } else {
        near.resize(static_cast<size_t>(count));
        for (int32_t w = 0; w < count; ++w) near[w] = w;
    }
    for (int32_t w : near) {
        if (w < 0 || w >= count) continue;
        const WallSegment& wall = model.WallSegments[w];
        PlanPoint a, b;
        if (!WallAxis(model, wall, rules.WallMatchedWithOffsets, a, b)) continue;
        auto part = Overlap(s, e, a, b);
        if (!part) continue;
        OrientLikeEdge(*part, s, e);
        const float half = Finite(wall.Thickness) / 2;
        SlabEdgeFace face = MovedLeft(*part, rules.OuterFaces ? -half : half);
        face.Wall = w;
        return face;
    }
    return std::nullopt;
}

float DistanceFrom(const SlabEdgeFace& face, PlanPoint t) {
    return std::fabs(GetPointLineDistance(face.F1.X, face.F1.Y, face.F2.X, face.F2.Y, t.X, t.Y));
}

}  // namespace

SlabFaceRules FloorSlabFaceRules() { return {}; }

SlabFaceRules ConcreteSlabFaceRules(int32_t which, int32_t kind) {
    SlabFaceRules rules;
    rules.BeamOffsetsBeforeDirection = true;
    rules.WallMatchedWithOffsets = false;
    rules.OuterFaces = which == 0;
    rules.FarProbeOutside = (which == 0) != (kind != 0);
    return rules;
}

SlabEdgeMembers FileSlabEdgeMembers(const Model& model, const SlabFaceRules& rules) {
    std::vector<SegmentGrid::Segment> beams, walls;
    const int32_t beamCount = UsableCount(model.BeamElementCount, model.BeamElements);
    for (int32_t b = 0; b < beamCount; ++b) {
        const BeamElement& beam = model.BeamElements[b];
        if (!IsNodeIndex(model, beam.NodeI) || !IsNodeIndex(model, beam.NodeJ)) continue;
        beams.push_back({b, NodePoint(model, beam.NodeI), NodePoint(model, beam.NodeJ)});
    }
    const int32_t wallCount = UsableCount(model.WallSegmentCount, model.WallSegments);
    for (int32_t w = 0; w < wallCount; ++w) {
        PlanPoint a, b;
        if (WallAxis(model, model.WallSegments[w], rules.WallMatchedWithOffsets, a, b)) walls.push_back({w, a, b});
    }
    return {SegmentGrid(std::move(beams)), SegmentGrid(std::move(walls)), rules.WallMatchedWithOffsets};
}

SlabEdgeFace FindEdgeFaceLine(const Model& model, const SlabFaceRules& rules, PlanPoint s, PlanPoint e,
                              std::vector<PlanPoint>& polygon, int32_t n) {
    return FindEdgeFaceLine(model, rules, FileSlabEdgeMembers(model, rules), s, e, polygon, n);
}

SlabEdgeFace FindEdgeFaceLine(const Model& model, const SlabFaceRules& rules, const SlabEdgeMembers& members,
                              PlanPoint s, PlanPoint e, std::vector<PlanPoint>& polygon, int32_t n) {
    SlabEdgeFace edge;
    edge.F1 = s;
    edge.F2 = e;
    std::vector<int32_t> near;
    const std::optional<SlabEdgeFace> beam = BeamFace(model, rules, members, s, e, near);
    const std::optional<SlabEdgeFace> wall = WallFace(model, rules, members, s, e, near);
    if (beam) edge.Beam = beam->Beam;
    if (wall) edge.Wall = wall->Wall;
    if (!beam && !wall) return edge;

    // A far point on the side of the slab that the list looks for, as a probe near the edge tells
    // it: the face that comes nearest to it reaches furthest that way.
    PlanPoint probe;
    ComputeMidpointNormalPoint(s.X, s.Y, e.X, e.Y, NearProbeDistance, probe.X, probe.Y);
    const bool inside = IsPointInPolygon(probe.X, probe.Y, polygon, n, false);
    const float far = inside != rules.FarProbeOutside ? FarProbeDistance : -FarProbeDistance;
    ComputeMidpointNormalPoint(s.X, s.Y, e.X, e.Y, far, probe.X, probe.Y);

    float best = FarProbeDistance;
    const SlabEdgeFace* chosen = nullptr;
    for (const std::optional<SlabEdgeFace>* candidate : {&beam, &wall}) {
        if (!*candidate) continue;
        const float d = DistanceFrom(**candidate, probe);
        if (d < best) {
            best = d;
            chosen = &**candidate;
        }
    }
    if (chosen != nullptr) {
        edge.F1 = chosen->F1;
        edge.F2 = chosen->F2;
    }
    return edge;
}
