#include "plangeom/MasonryOutlines.h"

#include <cmath>
#include <utility>
#include <vector>

#include "model/geometry/Geometry.h"
#include "model/common/Helpers.h"
#include "model/geometry/OffsetCorners.h"
#include "model/geometry/PickTests.h"
#include "model/geometry/SegmentIntersection.h"
#include "plangeom/FaceLineJoin.h"
#include "plangeom/MembersAtNode.h"
#include "plangeom/PlanPointIndex.h"
#include "plangeom/SegmentGrid.h"
#include "model/tables/TableAccess.h"

namespace {

// How close an end must come to another wall's axis to abut it.
constexpr float AbutTolerance = 0.01f;
// Beyond this, no axis is near enough to be tested against AbutTolerance.
constexpr double AbutReach = 0.02;

// A node that is not in the table stands at the origin, so that every element still gets corners
// that are real plan points.
PlanPoint NodePoint(const Model& model, int32_t node) {
    if (!IsNodeIndex(model, node)) return {0, 0};
    return {model.Nodes[node].X, model.Nodes[node].Y};
}

// Half the thickness; a thickness that is not a positive number gives faces on the axis.
float HalfThickness(const MasonryElement& element) {
    const float t = element.Thickness;
    return std::isfinite(t) && t > 0 ? t * 0.5f : 0.0f;
}

// The axis moved d to its left (a negative d to its right); (X1, Y1) stays at the NodeI end.
FaceLine OffsetAxis(const Model& model, const MasonryElement& element, float d) {
    const PlanPoint i = NodePoint(model, element.NodeI);
    const PlanPoint j = NodePoint(model, element.NodeJ);
    FaceLine line;
    OffsetSegmentLeft(i.X, i.Y, j.X, j.Y, d, line.X1, line.Y1, line.X2, line.Y2);
    return line;
}

FaceLine LeftFace(const Model& model, const MasonryElement& element) {
    return OffsetAxis(model, element, HalfThickness(element));
}

FaceLine RightFace(const Model& model, const MasonryElement& element) {
    return OffsetAxis(model, element, -HalfThickness(element));
}

PlanPoint EndOf(const FaceLine& line, bool atNodeI) {
    return atNodeI ? PlanPoint{line.X1, line.Y1} : PlanPoint{line.X2, line.Y2};
}

// The meeting point of the lines of two face lines, with the code of IntersectSegments.
struct Meeting {
    PlanPoint Point;
    int32_t Code = 0;
};

Meeting Meet(const FaceLine& a, const FaceLine& b) {
    Meeting m;
    m.Code = IntersectSegments(a.X1, a.Y1, a.X2, a.Y2, b.X1, b.Y1, b.X2, b.Y2, m.Point.X, m.Point.Y);
    return m;
}

// Codes 0, -1 and -2: parallel lines, no meeting point.
bool HasMeetingPoint(const Meeting& m) {
    return m.Code > 0;
}

// The corners and flag of one wall end: Right on the right of the wall's axis, Left on its left.
struct WallEnd {
    int32_t Right = 0, Left = 0;
    int32_t Flag = 0;
};

WallEnd SquareEnd(const Model& model, PlanPointIndex& points, const MasonryElement& wall, bool atNodeI) {
    const PlanPoint left = EndOf(LeftFace(model, wall), atNodeI);
    const PlanPoint right = EndOf(RightFace(model, wall), atNodeI);
    WallEnd end;
    end.Left = points.FindOrAdd(left.X, left.Y);
    end.Right = points.FindOrAdd(right.X, right.Y);
    end.Flag = -1;
    return end;
}

// The end cut along the face of the abutted wall that lies on the wall's side. When the faces run
// parallel to the abutted wall's, there is no cut to make and the end is square.
WallEnd TeeJoint(const Model& model, PlanPointIndex& points, const MasonryElement& wall,
                 const MasonryElement& abutted, bool atNodeI) {
    const FaceLine left = LeftFace(model, wall);
    const FaceLine right = RightFace(model, wall);
    FaceLine cut = LeftFace(model, abutted);
    Meeting leftCorner = Meet(left, cut);
    if (leftCorner.Code != IntersectionCode::SegmentsCross) {
        cut = RightFace(model, abutted);
        leftCorner = Meet(left, cut);
    }
    const Meeting rightCorner = Meet(right, cut);
    if (!HasMeetingPoint(leftCorner) || !HasMeetingPoint(rightCorner)) return SquareEnd(model, points, wall, atNodeI);
    WallEnd end;
    end.Left = points.FindOrAdd(leftCorner.Point.X, leftCorner.Point.Y);
    end.Right = points.FindOrAdd(rightCorner.Point.X, rightCorner.Point.Y);
    return end;
}

// The mitred corner of the wall with the one other wall ending at its node: the outer faces meet
// in c1, the inner faces in c2.
WallEnd MitredEnd(const Model& model, PlanPointIndex& points, const MasonryElement& wall,
                  const MasonryElement& neighbour, bool atNodeI) {
    const int32_t node = atNodeI ? wall.NodeI : wall.NodeJ;
    const PlanPoint p0 = NodePoint(model, node);
    const PlanPoint p1 = NodePoint(model, atNodeI ? wall.NodeJ : wall.NodeI);
    const PlanPoint p2 = NodePoint(model, neighbour.NodeI == node ? neighbour.NodeJ : neighbour.NodeI);
    const float d1 = HalfThickness(wall);
    const float d2 = HalfThickness(neighbour);
    PlanPoint c1, c2;
    bool flipped = false;
    ComputeOffsetCorner(p0.X, p0.Y, p1.X, p1.Y, p2.X, p2.Y, d1, d2, c1.X, c1.Y, flipped);
    ComputeOffsetCorner(p0.X, p0.Y, p1.X, p1.Y, p2.X, p2.Y, -d1, -d2, c2.X, c2.Y, flipped);
    // Without the exchange, c1 lies on the face to the left of the direction from the node to the
    // wall's far end: the wall's left face at its NodeI end, its right face at its NodeJ end.
    WallEnd end;
    if (atNodeI) {
        end.Left = points.FindOrAdd(c1.X, c1.Y);
        end.Right = points.FindOrAdd(c2.X, c2.Y);
    } else {
        end.Right = points.FindOrAdd(c1.X, c1.Y);
        end.Left = points.FindOrAdd(c2.X, c2.Y);
    }
    if (flipped) SwapValues(end.Right, end.Left);
    return end;
}

// Whether the two walls leave the node within half a degree of one line, straight on or doubled
// back. Their faces then meet far away, or, at unequal thicknesses, not near the joint at all: a
// slight kink would send the mitred corner metres off, so such an end is square instead.
bool RunAlmostOnOneLine(const Model& model, const MasonryElement& wall, const MasonryElement& neighbour,
                        int32_t node) {
    const PlanPoint p0 = NodePoint(model, node);
    const PlanPoint p1 = NodePoint(model, wall.NodeI == node ? wall.NodeJ : wall.NodeI);
    const PlanPoint p2 = NodePoint(model, neighbour.NodeI == node ? neighbour.NodeJ : neighbour.NodeI);
    const float a1 = GetSegmentDirectionDeg(p0.X, p0.Y, p1.X, p1.Y);
    const float a2 = GetSegmentDirectionDeg(p0.X, p0.Y, p2.X, p2.Y);
    float delta = std::fabs(a2 - a1);
    if (delta > 180) delta -= 180;
    return delta < 0.5f || std::fabs(180 - delta) < 0.5f;
}

// The pass's plan points, and the walls filed by node and by place.
struct MasonryPass {
    PlanPointIndex& Points;
    const MembersByNode& WallsByNode;
    const SegmentGrid& WallAxes;
};

WallEnd BuildWallEnd(const Model& model, MasonryPass& pass, int32_t w, bool atNodeI) {
    PlanPointIndex& points = pass.Points;
    const MasonryElement& wall = model.MasonryWalls[w];
    const int32_t node = atNodeI ? wall.NodeI : wall.NodeJ;
    if (!IsNodeIndex(model, node)) return SquareEnd(model, points, wall, atNodeI);

    // The other walls with an end at the node; the last one counted is the neighbour.
    int32_t endsAtNode = 0;
    int32_t neighbour = -1;
    for (const int32_t j : pass.WallsByNode.At(node)) {
        if (j == w) continue;
        if (model.MasonryWalls[j].NodeI == node) {
            ++endsAtNode;
            neighbour = j;
        }
        if (model.MasonryWalls[j].NodeJ == node) {
            ++endsAtNode;
            neighbour = j;
        }
    }

    if (endsAtNode == 1) {
        const MasonryElement& other = model.MasonryWalls[neighbour];
        const PlanPoint wi = NodePoint(model, wall.NodeI), wj = NodePoint(model, wall.NodeJ);
        const PlanPoint ni = NodePoint(model, other.NodeI), nj = NodePoint(model, other.NodeJ);
        if (AreCollinear(wi.X, wi.Y, wj.X, wj.Y, ni.X, ni.Y) && AreCollinear(wi.X, wi.Y, wj.X, wj.Y, nj.X, nj.Y))
            return SquareEnd(model, points, wall, atNodeI);
        if (RunAlmostOnOneLine(model, wall, other, node)) return SquareEnd(model, points, wall, atNodeI);
        return MitredEnd(model, points, wall, other, atNodeI);
    }
    if (endsAtNode == 0) {
        const PlanPoint at = NodePoint(model, node);
        std::vector<int32_t> near;
        pass.WallAxes.Near(at, at, AbutReach, near);
        for (const int32_t j : near) {
            if (j == w) continue;
            const MasonryElement& other = model.MasonryWalls[j];
            const PlanPoint ni = NodePoint(model, other.NodeI), nj = NodePoint(model, other.NodeJ);
            if (IsNearSegment(at.X, at.Y, ni.X, ni.Y, nj.X, nj.Y, AbutTolerance))
                return TeeJoint(model, points, wall, other, atNodeI);
        }
    }
    return SquareEnd(model, points, wall, atNodeI);
}

}  // namespace

void BuildMasonryWallOutlines(Model& model) {
    PlanPointIndex points(model);
    BuildMasonryWallOutlines(model, points);
}

void BuildMasonryWallOutlines(Model& model, PlanPointIndex& points) {
    const int32_t wallCount = UsableCount(model.MasonryWallCount, model.MasonryWalls);
    const MembersByNode wallsByNode(model, model.MasonryWalls, wallCount);
    std::vector<SegmentGrid::Segment> axes;
    for (int32_t j = 0; j < wallCount; ++j) {
        const MasonryElement& other = model.MasonryWalls[j];
        axes.push_back({j, NodePoint(model, other.NodeI), NodePoint(model, other.NodeJ)});
    }
    const SegmentGrid wallAxes(std::move(axes));
    MasonryPass pass{points, wallsByNode, wallAxes};
    for (int32_t w = 0; w < wallCount; ++w) {
        const WallEnd a = BuildWallEnd(model, pass, w, true);
        const WallEnd b = BuildWallEnd(model, pass, w, false);
        MasonryElement& wall = model.MasonryWalls[w];
        wall.BorderA1 = a.Right;
        wall.BorderA2 = a.Left;
        wall.BorderAFlag = a.Flag;
        wall.BorderB1 = b.Right;
        wall.BorderB2 = b.Left;
        wall.BorderBFlag = b.Flag;
    }
}

void BuildMasonryBeamOutlines(Model& model) {
    PlanPointIndex points(model);
    BuildMasonryBeamOutlines(model, points);
}

void BuildMasonryBeamOutlines(Model& model, PlanPointIndex& points) {
    const int32_t beamCount = UsableCount(model.MasonryBeamCount, model.MasonryBeams);
    for (int32_t b = 0; b < beamCount; ++b) {
        const FaceLine left = LeftFace(model, model.MasonryBeams[b]);
        const FaceLine right = RightFace(model, model.MasonryBeams[b]);
        const int32_t a2 = points.FindOrAdd(left.X1, left.Y1);
        const int32_t b2 = points.FindOrAdd(left.X2, left.Y2);
        const int32_t a1 = points.FindOrAdd(right.X1, right.Y1);
        const int32_t b1 = points.FindOrAdd(right.X2, right.Y2);
        MasonryElement& beam = model.MasonryBeams[b];
        beam.BorderA1 = a1;
        beam.BorderA2 = a2;
        beam.BorderB1 = b1;
        beam.BorderB2 = b2;
    }
}
