#include "drawing/MasonryWalls.h"

#include <optional>
#include <string>

#include "drawing/Primitives.h"
#include "model/geometry/Angles.h"
#include "model/geometry/Geometry.h"
#include "model/tables/TableAccess.h"
#include "state/LayerRows.h"

namespace {

constexpr float BlockSystemBarSpacing = 25;  // cm, the holes of the blocks
const std::string Phi = "\xD8";              // "Ø"

// An element whose node and corner indexes all designate points of the plan.
struct ElementPoints {
    PlanPoint i, j;            // the axis, from end A to end B
    PlanPoint a1, b1, a2, b2;  // the two long faces
};

bool PointsOf(const Model& m, const MasonryElement& e, ElementPoints& p) {
    if (!IsNodeIndex(m, e.NodeI) || !IsNodeIndex(m, e.NodeJ)) return false;
    for (int32_t k : {e.BorderA1, e.BorderB1, e.BorderA2, e.BorderB2})
        if (!IsPlanPointIndex(m, k)) return false;
    const auto node = [&](int32_t k) {
        const Node& n = m.Nodes[static_cast<size_t>(k)];
        return PlanPoint{n.X, n.Y};
    };
    const auto corner = [&](int32_t k) { return m.PlanNodes[static_cast<size_t>(k)]; };
    p = {node(e.NodeI), node(e.NodeJ), corner(e.BorderA1), corner(e.BorderB1), corner(e.BorderA2),
         corner(e.BorderB2)};
    return true;
}

void Line(PlanPass& pass, PlanPoint a, PlanPoint b, int32_t layer) {
    pass.out.Line(a.X, a.Y, b.X, b.Y, layer, LineStyle::ByLayer);
}

// A text centred both ways on the middle of the segment moved by d to its left (negative: right).
void TextBeside(PlanPass& pass, PlanPoint a, PlanPoint b, float d, const std::string& text, int32_t layer,
                float angleDeg) {
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    OffsetSegmentLeft(a.X, a.Y, b.X, b.Y, d, x1, y1, x2, y2);
    pass.out.Text((x1 + x2) / 2, (y1 + y2) / 2, text, TextKind::Medium, layer, HAlign::Centre, VAlign::Middle,
                  angleDeg);
}

PlanPoint PointAlong(PlanPoint from, PlanPoint to, float d) {
    PlanPoint q;
    ComputePointAlongSegment(from.X, from.Y, to.X, to.Y, d, q.X, q.Y);
    return q;
}

std::string WithSignRoom(int64_t n) { return (n >= 0 ? " " : "") + std::to_string(n); }

// How many of the wanted positions s, 2s, ... ws from P1 stand before P2. The positions only move
// away from P1, so the ones that fit are a leading run: found by halving, not by walking all of
// them, since the wanted count comes from the file.
int32_t FittingBarCount(PlanPoint p1, PlanPoint p2, float length, float s, int32_t wanted) {
    const auto fits = [&](int32_t k) {
        const PlanPoint q = PointAlong(p1, p2, s * static_cast<float>(k));
        return GetDistance(p1.X, p1.Y, q.X, q.Y) < length;
    };
    int32_t low = 0, high = wanted;  // fits(low) holds; every count above high fails
    while (low < high) {
        const auto mid = static_cast<int32_t>(low + (int64_t{high} - low + 1) / 2);
        if (fits(mid)) low = mid;
        else high = mid - 1;
    }
    return low;
}

// Where a wall's vertical bars stand: the end bars P1 and P2, half a thickness inside a closed end
// and on the node at a joined one; the intermediate ones from P1 on, `spacing` apart, as many of
// those the wall asks for as fit before P2 (none when it asks for none).
struct BarLine {
    PlanPoint p1, p2;
    float spacing = 0;
    int32_t placed = 0;
};

BarLine BarLineOf(const MasonryElement& w, const ElementPoints& p, bool isotex) {
    BarLine bars;
    const float t = w.Thickness;
    bars.p1 = w.BorderAFlag != 0 ? PointAlong(p.i, p.j, t / 2) : p.i;
    bars.p2 = w.BorderBFlag != 0 ? PointAlong(p.j, p.i, t / 2) : p.j;
    const int32_t wanted = w.VerticalBarCount;
    if (wanted <= 0) return bars;
    const float length = GetDistance(bars.p1.X, bars.p1.Y, bars.p2.X, bars.p2.Y);
    // Block-system bars are packed from P1 at the holes' spacing; reinforced-masonry bars spread evenly.
    bars.spacing =
        isotex ? BlockSystemBarSpacing : static_cast<float>(static_cast<double>(length) / (wanted + 1.0));
    bars.placed = FittingBarCount(bars.p1, bars.p2, length, bars.spacing, wanted);
    return bars;
}

void DrawWall(PlanPass& pass, const MasonryElement& w, const ElementPoints& p, bool isotex) {
    Line(pass, p.a1, p.b1, LayerRow::WallOutlines);
    Line(pass, p.a2, p.b2, LayerRow::WallOutlines);
    if (w.BorderBFlag != 0) Line(pass, p.b1, p.b2, LayerRow::WallOutlines);
    if (w.BorderAFlag != 0) Line(pass, p.a1, p.a2, LayerRow::WallOutlines);

    const BarLine bars = BarLineOf(w, p, isotex);
    const PlanPoint p1 = bars.p1, p2 = bars.p2;
    const float angle = GetLineAngleDeg(p1.X, p1.Y, p2.X, p2.Y);
    TextBeside(pass, p1, p2, -(w.Thickness + 2), "Par. " + std::to_string(w.Number), LayerRow::WallTexts, angle);
    if (isotex) {
        DrawMasonryRebarSymbol(pass, p1.X, p1.Y, w.VerticalGroupCount, w.VerticalBarDiameterB, false);
        DrawMasonryRebarSymbol(pass, p2.X, p2.Y, w.VerticalGroupCount, w.VerticalBarDiameterB, false);
    }

    const std::string diameterA = std::to_string(w.VerticalBarDiameterA);
    if (w.VerticalBarCount <= 0) {
        if (!isotex) TextBeside(pass, p1, p2, -46, "2 " + Phi + diameterA + "  vert.", LayerRow::WallTexts, angle);
        return;
    }
    if (!isotex) {
        TextBeside(pass, p1, p2, -46, WithSignRoom(int64_t{bars.placed} + 2) + " " + Phi + diameterA + "  vert.",
                   LayerRow::WallTexts, angle);
        return;
    }
    for (int32_t k = 1; k <= bars.placed; ++k) {
        const PlanPoint q = PointAlong(p1, p2, bars.spacing * static_cast<float>(k));
        DrawMasonryRebarSymbol(pass, q.X, q.Y, w.VerticalGroupCount, w.VerticalBarDiameterA, true);
    }
    TextBeside(pass, p1, p2, 22, "vert. int. " + Phi + diameterA, LayerRow::WallTexts, angle);
}

}  // namespace

void DrawMasonryRebarSymbol(PlanPass& pass, float x, float y, int32_t count, int32_t diameter, bool noLabel) {
    const float r = static_cast<float>(diameter * 0.05);  // the bar's own radius, cm
    DrawPointMarker(pass.out, x, y, r);
    if (noLabel) return;
    pass.out.Line(x, y, x + 35, y + 35, LayerRow::Dimensions, LineStyle::ByLayer);  // the leader
    const std::string label = (count > 1 ? std::to_string(count) : "") + Phi + std::to_string(diameter);
    pass.out.Text(x + 30, y + 35, label, TextKind::Medium, LayerRow::RebarTexts, HAlign::Left, VAlign::Bottom, 0);
}

void DrawMasonryWalls(PlanPass& pass) {
    const Model& m = pass.model();
    const bool isotex = m.MasonryIsIsotex != 0;
    for (int32_t i = 0; i < UsableCount(m.MasonryWallCount, m.MasonryWalls); ++i) {
        const MasonryElement& w = m.MasonryWalls[static_cast<size_t>(i)];
        ElementPoints p;
        if (PointsOf(m, w, p)) DrawWall(pass, w, p, isotex);
    }
}

std::optional<int32_t> VerticalBarsThatFit(const Model& model, const MasonryElement& wall) {
    ElementPoints p;
    if (wall.VerticalBarCount <= 0 || !PointsOf(model, wall, p)) return std::nullopt;
    return BarLineOf(wall, p, model.MasonryIsIsotex != 0).placed;
}

void DrawMasonryBeams(PlanPass& pass) {
    const Model& m = pass.model();
    for (int32_t i = 0; i < UsableCount(m.MasonryBeamCount, m.MasonryBeams); ++i) {
        const MasonryElement& b = m.MasonryBeams[static_cast<size_t>(i)];
        ElementPoints p;
        if (!PointsOf(m, b, p)) continue;
        Line(pass, p.a1, p.b1, LayerRow::BeamExtrados);
        Line(pass, p.a2, p.b2, LayerRow::BeamExtrados);
        const float angle = GetLineAngleDeg(p.i.X, p.i.Y, p.j.X, p.j.Y);
        TextBeside(pass, p.i, p.j, -(b.Thickness + 2), std::to_string(b.Number), LayerRow::BeamTexts, angle);
    }
}
