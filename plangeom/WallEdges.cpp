#include "plangeom/WallEdges.h"

#include <cmath>

#include "plangeom/MembersAtNode.h"
#include "plangeom/PlanPointIndex.h"
#include "model/tables/TableAccess.h"

WallsAtNodeList CollectWallsAtNode(const Model& model, int32_t node) {
    WallsAtNodeList list;
    CollectMembersAtNode(model, model.WallSegments, model.WallSegmentCount, node, list.WallsAtNode,
                         list.WallsAtNodeEnd);
    list.WallsAtNodeCount = static_cast<int32_t>(list.WallsAtNode.size());
    return list;
}

WallsAtNodeList CollectWallsAtNode(const Model& model, const MembersByNode& walls, int32_t node) {
    WallsAtNodeList list;
    CollectMembersAtNode(model, model.WallSegments, model.WallSegmentCount, walls, node, list.WallsAtNode,
                         list.WallsAtNodeEnd);
    list.WallsAtNodeCount = static_cast<int32_t>(list.WallsAtNode.size());
    return list;
}

FaceLine ComputeWallEndGeometry(const Model& model, const WallsAtNodeList& list, int32_t node, int32_t k, float d) {
    return MemberFaceLine(model, model.WallSegments[list.WallsAtNode[k]], node, d);
}

namespace {

bool IsDrawableWall(const Model& model, const WallSegment& wall) {
    return std::isfinite(wall.Thickness) && wall.Thickness > 0 && HasDrawableAxis(model, wall);
}

struct WallEnd {
    int32_t C1 = 0, C2 = 0;  // plan points of the right (+h) and left (-h) faces
    bool Square = false;
    bool Junction = false;
};

// The pass's plan points and the drawable walls at every node.
struct WallPass {
    PlanPointIndex& Points;
    const MembersAtEveryNode<WallsAtNodeList>& AtNode;
};

WallEnd BuildWallEnd(Model& model, WallPass& pass, int32_t w, bool atStart) {
    const WallSegment& wall = model.WallSegments[w];
    const int32_t node = atStart ? wall.NodeI : wall.NodeJ;
    const float h = wall.Thickness / 2;
    const WallsAtNodeList& list = pass.AtNode.At(node);
    const int32_t count = list.WallsAtNodeCount;
    const int32_t pos = pass.AtNode.Position(w, atStart);

    // The corner of the face at own offset d with the neighbour's face that looks towards it:
    // sign is the side of that face when the neighbour starts at the node.
    auto corner = [&](float d, int32_t nb, float sign) {
        const FaceLine ownLine = ComputeWallEndGeometry(model, list, node, pos, d);
        const float hNb = model.WallSegments[list.WallsAtNode[nb]].Thickness / 2;
        const float dNb = list.WallsAtNodeEnd[nb] == StartsAtNode ? sign * hNb : -sign * hNb;
        const FaceLine nbLine = ComputeWallEndGeometry(model, list, node, nb, dNb);
        return JoinFaceLines(ownLine, nbLine, JoinAngleMeasure::Bearing);
    };

    WallEnd end;
    PlanPoint c1, c2;
    if (count <= 1) {
        end.Square = true;
        const FaceLine right = ComputeWallEndGeometry(model, list, node, pos, h);
        const FaceLine left = ComputeWallEndGeometry(model, list, node, pos, -h);
        c1 = {right.X1, right.Y1};
        c2 = {left.X1, left.Y1};
    } else {
        int32_t nb1, nb2;  // neighbours of c1 and c2
        if (count == 2) {
            nb1 = nb2 = pos == 0 ? 1 : 0;
        } else {
            end.Junction = true;
            const int32_t previous = pos == 0 ? count - 1 : pos - 1;
            const int32_t next = pos == count - 1 ? 0 : pos + 1;
            nb1 = atStart ? previous : next;
            nb2 = atStart ? next : previous;
        }
        const float sign = atStart ? -1.0f : 1.0f;
        c1 = corner(h, nb1, sign);
        c2 = corner(-h, nb2, -sign);
    }

    end.C2 = pass.Points.FindOrAdd(c2.X, c2.Y);
    end.C1 = pass.Points.FindOrAdd(c1.X, c1.Y);
    if (end.Square) AppendRecord(model.WallEdges, model.WallEdgeCount, EdgeLine{end.C1, end.C2, -(w + 1)});
    return end;
}

}  // namespace

void BuildWallEdges(Model& model) {
    PlanPointIndex points(model);
    BuildWallEdges(model, points);
}

void BuildWallEdges(Model& model, PlanPointIndex& points) {
    model.WallEdgeCount = 0;
    model.WallJunctionEdgeCount = 0;
    const int32_t wallCount = UsableCount(model.WallSegmentCount, model.WallSegments);
    const auto drawable = [&](int32_t w) { return IsDrawableWall(model, model.WallSegments[w]); };
    const MembersAtEveryNode<WallsAtNodeList> atNode =
        ListMembersAtEveryNode<WallsAtNodeList>(model, model.WallSegments, model.WallSegmentCount, drawable);
    WallPass pass{points, atNode};
    for (int32_t w = 0; w < wallCount; ++w) {
        if (!IsDrawableWall(model, model.WallSegments[w])) continue;
        const WallEnd s = BuildWallEnd(model, pass, w, true);
        const WallEnd t = BuildWallEnd(model, pass, w, false);
        AppendRecord(model.WallEdges, model.WallEdgeCount, EdgeLine{s.C1, t.C1, w + 1});
        AppendRecord(model.WallEdges, model.WallEdgeCount, EdgeLine{s.C2, t.C2, w + 1});
        const WallSegment& wall = model.WallSegments[w];
        if (s.Junction)
            AppendRecord(model.WallJunctionEdges, model.WallJunctionEdgeCount,
                         WallJunctionEdge{wall.NodeI, s.C1, s.C2});
        if (t.Junction)
            AppendRecord(model.WallJunctionEdges, model.WallJunctionEdgeCount,
                         WallJunctionEdge{wall.NodeJ, t.C1, t.C2});
    }
}
