#include "plangeom/ImportCleanup.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>
#include <unordered_map>
#include <vector>

#include "model/geometry/Geometry.h"
#include "plangeom/BeamEdges.h"
#include "plangeom/MembersAtNode.h"
#include "model/tables/TableAccess.h"
#include "plangeom/WallEdges.h"

namespace {

// For each node of the model, whether a pillar stands there.
std::vector<bool> NodesWithPillars(const Model& model) {
    std::vector<bool> marked(static_cast<size_t>(UsableCount(model.NodeCount, model.Nodes)), false);
    const int32_t count = UsableCount(model.PillarCount, model.Pillars);
    for (int32_t p = 0; p < count; ++p)
        if (IsNodeIndex(model, model.Pillars[p].Node)) marked[model.Pillars[p].Node] = true;
    return marked;
}

// Marks the nodes that are vertices 0 .. VertexCount - 1 of a model polygon, within its row.
template <class Slab>
void MarkPolygonVertices(const Model& model, const std::vector<Slab>& slabs, int32_t slabCount,
                         const IndexRows& polygons, std::vector<bool>& marked) {
    const int32_t count = UsableCount(slabCount, slabs);
    for (int32_t s = 0; s < count && s < static_cast<int32_t>(polygons.size()); ++s) {
        const std::vector<int32_t>& row = polygons[s];
        const int32_t n = std::clamp<int64_t>(slabs[s].VertexCount, 0, static_cast<int64_t>(row.size()));
        for (int32_t k = 0; k < n; ++k)
            if (IsNodeIndex(model, row[k])) marked[row[k]] = true;
    }
}

// What the tests of a pass look up, filed once for it: the tables they read do not change while
// the pass runs (the walls only in a merge, after which they are filed again).
struct CleanupPass {
    std::vector<bool> PillarAt;
    std::vector<bool> FloorSlabVertexAt;
    std::vector<bool> ConcreteSlabVertexAt;
    std::optional<MembersByNode> Beams;
    std::optional<MembersByNode> Walls;
    // The lists at the nodes looked at so far, each collected and ordered once: a crowded node is
    // looked at from every member that ends there.
    std::unordered_map<int32_t, BeamsAtNodeList> BeamLists;
    std::unordered_map<int32_t, WallsAtNodeList> WallLists;

    bool At(const std::vector<bool>& marked, int32_t node) const {
        return node >= 0 && static_cast<size_t>(node) < marked.size() && marked[node];
    }
    const BeamsAtNodeList& BeamsAt(const Model& model, int32_t node) {
        const auto [at, added] = BeamLists.try_emplace(node);
        if (added) at->second = CollectBeamsAtNode(model, *Beams, node);
        return at->second;
    }
    const WallsAtNodeList& WallsAt(const Model& model, int32_t node) {
        if (!Walls) Walls.emplace(model, model.WallSegments, model.WallSegmentCount);
        const auto [at, added] = WallLists.try_emplace(node);
        if (added) at->second = CollectWallsAtNode(model, *Walls, node);
        return at->second;
    }
    // After a merge, which changes the walls.
    void ForgetWalls() {
        Walls.reset();
        WallLists.clear();
    }
};

// Whether something is attached to a slab vertex that lies on a straight side.
bool IsVertexNeeded(const Model& model, CleanupPass& pass, int32_t c) {
    const BeamsAtNodeList& beams = pass.BeamsAt(model, c);
    if (beams.BeamsAtNodeCount == 1 || beams.BeamsAtNodeCount > 2) return true;
    if (beams.BeamsAtNodeCount == 2 && model.BeamElements[beams.BeamsAtNode[0]].SectionNumber !=
                                           model.BeamElements[beams.BeamsAtNode[1]].SectionNumber)
        return true;
    const WallsAtNodeList& walls = pass.WallsAt(model, c);
    if (walls.WallsAtNodeCount == 1 || walls.WallsAtNodeCount > 2) return true;
    if (walls.WallsAtNodeCount == 2 && model.WallSegments[walls.WallsAtNode[0]].Thickness !=
                                           model.WallSegments[walls.WallsAtNode[1]].Thickness)
        return true;
    return pass.At(pass.PillarAt, c);
}

// Whether vertex j of the polygon lies on the segment between its neighbours.
bool IsOnStraightSide(const Model& model, const std::vector<int32_t>& row, int32_t n, int32_t j) {
    const int32_t a = row[j == 0 ? n - 1 : j - 1];
    const int32_t c = row[j];
    const int32_t b = row[j == n - 1 ? 0 : j + 1];
    if (!IsNodeIndex(model, a) || !IsNodeIndex(model, b) || !IsNodeIndex(model, c)) return false;
    const Node &na = model.Nodes[a], &nb = model.Nodes[b], &nc = model.Nodes[c];
    return IsPointOnSegment(nc.X, nc.Y, na.X, na.Y, nb.X, nb.Y);
}

void SimplifyPolygon(Model& model, CleanupPass& pass, int32_t s) {
    constexpr int32_t MaxPasses = 50;
    ConcreteSlab& slab = model.ConcreteSlabs[s];
    std::vector<int32_t>& row = model.ConcreteSlabModelPolygon[s];
    // A list without its closing element, or too short to have a straight side, stays as it is.
    if (slab.VertexCount < 4 || static_cast<int64_t>(row.size()) < static_cast<int64_t>(slab.VertexCount) + 1)
        return;
    int32_t j = 0;
    int32_t passes = 0;
    do {
        const int32_t n = slab.VertexCount;
        if (n < 4) break;  // a triangle has no vertex to spare
        if (!IsOnStraightSide(model, row, n, j) || IsVertexNeeded(model, pass, row[j])) {
            ++j;
        } else {
            for (int32_t k = j; k < n; ++k) row[k] = row[k + 1];
            slab.VertexCount = n - 1;
            row[n - 1] = row[0];
        }
        ++passes;
    } while (j <= slab.VertexCount - 1 && passes <= MaxPasses);
}

// A try to merge the two walls of the list at their common node; true when they were merged.
bool TryMergeAt(Model& model, const CleanupPass& pass, const WallsAtNodeList& list, int32_t current) {
    if (list.WallsAtNodeCount != 2) return false;
    const int32_t w0 = list.WallsAtNode[0], w1 = list.WallsAtNode[1];
    const WallSegment &a = model.WallSegments[w0], &b = model.WallSegments[w1];
    const int32_t s = list.WallsAtNodeEnd[0] == StartsAtNode ? a.NodeI : a.NodeJ;
    const int32_t f0 = list.WallsAtNodeEnd[0] == StartsAtNode ? a.NodeJ : a.NodeI;
    const int32_t f1 = list.WallsAtNodeEnd[1] == StartsAtNode ? b.NodeJ : b.NodeI;
    const Node &ns = model.Nodes[s], &n0 = model.Nodes[f0], &n1 = model.Nodes[f1];

    if (ns.FootingType != -1) return false;
    if (!AreCollinear(ns.X, ns.Y, n0.X, n0.Y, n1.X, n1.Y)) return false;
    // Two segments folding back on each other are collinear too, but their union is no segment.
    const double along = (static_cast<double>(n0.X) - ns.X) * (static_cast<double>(n1.X) - ns.X) +
                         (static_cast<double>(n0.Y) - ns.Y) * (static_cast<double>(n1.Y) - ns.Y);
    if (!(along < 0)) return false;
    if (a.Thickness != b.Thickness) return false;
    if (a.GroupId != b.GroupId) return false;
    if (pass.At(pass.PillarAt, s)) return false;
    if (pass.At(pass.FloorSlabVertexAt, s)) return false;
    if (pass.At(pass.ConcreteSlabVertexAt, s)) return false;

    const int32_t removed = current == w0 ? w1 : w0;
    bool f0First;
    if (std::fabs(n0.X - n1.X) >= 0.000001f) f0First = n0.X <= n1.X;
    else f0First = n0.Y <= n1.Y;
    WallSegment& survivor = model.WallSegments[current];
    survivor.NodeI = f0First ? f0 : f1;
    survivor.NodeJ = f0First ? f1 : f0;

    const int32_t count = UsableCount(model.WallSegmentCount, model.WallSegments);
    for (int32_t k = removed; k + 1 < count; ++k) model.WallSegments[k] = model.WallSegments[k + 1];
    model.WallSegments[count - 1] = WallSegment{};
    model.WallSegmentCount = count - 1;
    return true;
}

}  // namespace

void SimplifyConcreteSlabPolygons(Model& model) {
    CleanupPass pass;
    pass.PillarAt = NodesWithPillars(model);
    pass.Beams.emplace(model, model.BeamElements, model.BeamElementCount);
    const int32_t count = UsableCount(model.ConcreteSlabCount, model.ConcreteSlabs);
    for (int32_t s = 0; s < count && s < static_cast<int32_t>(model.ConcreteSlabModelPolygon.size()); ++s)
        SimplifyPolygon(model, pass, s);
}

void MergeCollinearWallSegments(Model& model) {
    constexpr int32_t MaxTriesPerEnd = 11;
    constexpr int32_t MaxPasses = 500;
    model.WallSegmentCount = UsableCount(model.WallSegmentCount, model.WallSegments);
    if (model.WallSegmentCount < 1) return;
    CleanupPass pass;
    pass.PillarAt = NodesWithPillars(model);
    pass.FloorSlabVertexAt = pass.ConcreteSlabVertexAt = std::vector<bool>(pass.PillarAt.size(), false);
    MarkPolygonVertices(model, model.FloorSlabs, model.FloorSlabCount, model.FloorSlabModelPolygon,
                        pass.FloorSlabVertexAt);
    MarkPolygonVertices(model, model.ConcreteSlabs, model.ConcreteSlabCount, model.ConcreteSlabModelPolygon,
                        pass.ConcreteSlabVertexAt);
    int32_t i = 0;
    int32_t passes = 0;
    // Tries at one end of the current segment; true when every one of them merged.
    auto mergeAtEnd = [&](bool atStart) {
        for (int32_t t = 0; t < MaxTriesPerEnd; ++t) {
            // Merges that removed records before i can leave no segment at i.
            if (i >= model.WallSegmentCount) return false;
            const WallSegment& current = model.WallSegments[i];
            const int32_t node = atStart ? current.NodeI : current.NodeJ;
            if (!TryMergeAt(model, pass, pass.WallsAt(model, node), i)) return false;
            pass.ForgetWalls();
        }
        return true;
    };
    do {
        const bool allMergedAtI = mergeAtEnd(true);
        const bool allMergedAtJ = mergeAtEnd(false);
        if (!allMergedAtI || !allMergedAtJ) ++i;
        ++passes;
    } while (i <= model.WallSegmentCount - 1 && passes <= MaxPasses);
}
