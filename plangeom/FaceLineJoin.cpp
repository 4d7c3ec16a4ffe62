#include "plangeom/FaceLineJoin.h"

#include <cmath>
#include <utility>

#include "model/geometry/Angles.h"
#include "model/geometry/Geometry.h"
#include "model/geometry/SegmentIntersection.h"
#include "model/tables/TableAccess.h"

PlanPoint JoinFaceLines(const FaceLine& own, const FaceLine& neighbour, JoinAngleMeasure measure) {
    const PlanPoint ownNear{own.X1, own.Y1};
    float px = ownNear.X, py = ownNear.Y;
    const int32_t code = IntersectSegments(own.X1, own.Y1, own.X2, own.Y2, neighbour.X1, neighbour.Y1,
                                           neighbour.X2, neighbour.Y2, px, py);
    if (code < IntersectionCode::LinesMeetOutside) return ownNear;

    // The neighbour's direction is taken from its far end towards the node.
    double t;
    if (measure == JoinAngleMeasure::LineAngle)
        t = std::fabs(GetLineAngleRad(own.X1, own.Y1, own.X2, own.Y2) -
                      GetLineAngleRad(neighbour.X2, neighbour.Y2, neighbour.X1, neighbour.Y1));
    else
        t = std::fabs(GetVectorDirectionRad(own.X1, own.Y1, own.X2, own.Y2) -
                      GetVectorDirectionRad(neighbour.X2, neighbour.Y2, neighbour.X1, neighbour.Y1));
    if (t < 0.8) {
        const float toNbNear = GetDistance(px, py, neighbour.X1, neighbour.Y1);
        const float toNbFar = GetDistance(px, py, neighbour.X2, neighbour.Y2);
        const float toOwnFar = GetDistance(px, py, own.X2, own.Y2);
        if (toNbFar < toNbNear || toOwnFar < toNbNear) return ownNear;
    }
    return {px, py};
}

namespace {

struct Axis {
    float X1, Y1, X2, Y2;
};

template <class Member>
Axis AxisOf(const Model& model, const Member& member) {
    const Node& i = model.Nodes[member.NodeI];
    const Node& j = model.Nodes[member.NodeJ];
    return {i.X + member.OffsetXI, i.Y + member.OffsetYI, j.X + member.OffsetXJ, j.Y + member.OffsetYJ};
}

}  // namespace

template <class Member>
FaceLine MemberFaceLine(const Model& model, const Member& member, int32_t node, float d) {
    const Axis a = AxisOf(model, member);
    FaceLine line;
    OffsetSegmentLeft(a.X1, a.Y1, a.X2, a.Y2, -d, line.X1, line.Y1, line.X2, line.Y2);
    if (node == member.NodeJ) {
        std::swap(line.X1, line.X2);
        std::swap(line.Y1, line.Y2);
    }
    return line;
}

namespace {

enum class AxisKind { None, Line, NoLength };

template <class Member>
AxisKind AxisKindOf(const Model& model, const Member& member) {
    if (!IsNodeIndex(model, member.NodeI) || !IsNodeIndex(model, member.NodeJ)) return AxisKind::None;
    if (member.NodeI == member.NodeJ) return AxisKind::None;
    const Axis a = AxisOf(model, member);
    if (!std::isfinite(a.X1) || !std::isfinite(a.Y1) || !std::isfinite(a.X2) || !std::isfinite(a.Y2))
        return AxisKind::None;
    // Ends closer than the plan-point tolerance would be one plan point.
    const bool apart = std::fabs(a.X2 - a.X1) >= 0.0001f || std::fabs(a.Y2 - a.Y1) >= 0.0001f;
    return apart ? AxisKind::Line : AxisKind::NoLength;
}

}  // namespace

template <class Member>
bool HasDrawableAxis(const Model& model, const Member& member) {
    return AxisKindOf(model, member) == AxisKind::Line;
}

template <class Member>
bool HasAxisOfNoLength(const Model& model, const Member& member) {
    return AxisKindOf(model, member) == AxisKind::NoLength;
}

template FaceLine MemberFaceLine<BeamElement>(const Model&, const BeamElement&, int32_t, float);
template FaceLine MemberFaceLine<WallSegment>(const Model&, const WallSegment&, int32_t, float);
template bool HasDrawableAxis<BeamElement>(const Model&, const BeamElement&);
template bool HasDrawableAxis<WallSegment>(const Model&, const WallSegment&);
template bool HasAxisOfNoLength<BeamElement>(const Model&, const BeamElement&);
