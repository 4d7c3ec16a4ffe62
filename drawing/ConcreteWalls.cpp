#include "drawing/ConcreteWalls.h"

#include "drawing/FillModes.h"
#include "drawing/Hatch.h"
#include "drawing/PlanOutlines.h"
#include "model/tables/TableAccess.h"
#include "state/LayerRows.h"

namespace {

constexpr float HatchSpacing = 5;
constexpr float HatchAngle = 45;

// A panel pairs each face line with the first face line of its run of lines of the same owner:
// the two ends of the later line, then those of the earlier one in reverse.
void AddPanels(const Model& m, std::vector<std::vector<PlanPoint>>& areas) {
    const int32_t count = UsableCount(m.WallEdgeCount, m.WallEdges);
    int32_t prev = 0;
    for (int32_t k = 1; k < count; ++k) {
        const EdgeLine& edge = m.WallEdges[static_cast<size_t>(k)];
        if (edge.Owner < 0) continue;
        if (edge.Owner != m.WallEdges[static_cast<size_t>(k - 1)].Owner) {
            prev = k;
            continue;
        }
        const EdgeLine& first = m.WallEdges[static_cast<size_t>(prev)];
        const int32_t corners[] = {edge.PlanNodeA, edge.PlanNodeB, first.PlanNodeB, first.PlanNodeA};
        std::vector<PlanPoint> panel = OutlinePoints(m, corners, 4);
        if (panel.size() == 4) areas.push_back(std::move(panel));
    }
}

void AddJunctionLoops(const Model& m, std::vector<std::vector<PlanPoint>>& areas) {
    const int32_t count = UsableCount(m.HatchLoopLongCount, m.HatchLoops);
    int32_t i = 0;
    while (i < count) {
        const int64_t n = -static_cast<int64_t>(m.HatchLoops[static_cast<size_t>(i)]);
        if (n <= 0) {  // not the start of a block
            ++i;
            continue;
        }
        if (n > count - 1 - i) return;  // the block runs past the end of the list
        const std::span<const int32_t> indexes(m.HatchLoops.data() + i + 1, static_cast<size_t>(n));
        std::vector<PlanPoint> loop = OutlinePoints(m, indexes, static_cast<int32_t>(n));
        if (loop.size() == indexes.size()) areas.push_back(std::move(loop));
        i += static_cast<int32_t>(n) + 1;
    }
}

}  // namespace

std::vector<std::vector<PlanPoint>> WallFillAreas(const Model& model) {
    std::vector<std::vector<PlanPoint>> areas;
    AddPanels(model, areas);
    AddJunctionLoops(model, areas);
    return areas;
}

void DrawWalls(PlanPass& pass) {
    const Model& m = pass.model();
    const int32_t count = UsableCount(m.WallEdgeCount, m.WallEdges);
    if (count < 1) return;
    const int32_t fillMode = GetWallFillMode(pass);
    for (int32_t k = 0; k < count; ++k) {
        const EdgeLine& edge = m.WallEdges[static_cast<size_t>(k)];
        if (!IsPlanPointIndex(m, edge.PlanNodeA) || !IsPlanPointIndex(m, edge.PlanNodeB)) continue;
        const PlanPoint& a = m.PlanNodes[static_cast<size_t>(edge.PlanNodeA)];
        const PlanPoint& b = m.PlanNodes[static_cast<size_t>(edge.PlanNodeB)];
        pass.out.Line(a.X, a.Y, b.X, b.Y, LayerRow::WallOutlines, LineStyle::ByLayer);
    }
    if (fillMode == FillOutlineOnly) return;
    const std::vector<std::vector<PlanPoint>> areas = WallFillAreas(m);
    if (fillMode == FillHatch) {
        for (const std::vector<PlanPoint>& area : areas)
            DrawHatch(pass.out, area, HatchSpacing, HatchAngle, 0, LayerRow::WallHatch, LineStyle::ByLayer,
                      &m.HatchLines);
        return;
    }
    // The fill is drawn over the edge lines and its border covers them in the fill colour.
    const ColourRef colour = pass.drawing().LayerScreenColours[LayerRow::WallHatch];
    PlanOutput& out = pass.out;
    out.SetPenColour(colour);
    out.SetFillColour(colour);
    out.SetFillStyle(FillStyle::Solid);
    out.SetDrawStyle(DrawStyle::Solid);
    for (const std::vector<PlanPoint>& area : areas) out.FillPolygonSolid(area, colour, colour);
}
