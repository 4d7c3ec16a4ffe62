#include "drawing/Pillars.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <unordered_map>
#include <vector>

#include "drawing/FillModes.h"
#include "drawing/Hatch.h"
#include "model/common/Helpers.h"
#include "model/sections/SectionOutlines.h"
#include "model/tables/TableAccess.h"
#include "state/LayerRows.h"

namespace {

constexpr int32_t RectangularShape = 1;
constexpr float HatchSpacing = 5;
constexpr float HatchAngle = 45;
constexpr int CircleHatchSides = 15;

bool IsConcretePillar(const SectionCatalogue& c, const Pillar& p) {
    const int32_t sec = c.SectionIndexOf(p.SectionNumber);
    return c.HasSection(sec) && c.SectionClass[static_cast<size_t>(sec)] == ParametricSection;
}

void DrawAlignmentMark(PlanPass& pass, const Node& node) {
    const float x = node.X, y = node.Y;
    // On the dimensions' row.
    pass.out.Line(x + 8, y, x - 8, y, LayerRow::Dimensions, LineStyle::ByLayer);
    pass.out.Line(x, y + 8, x, y - 8, LayerRow::Dimensions, LineStyle::ByLayer);
    pass.out.Circle(x, y, 7, LayerRow::Dimensions, LineStyle::ByLayer);
}

// How far the section reaches to the right of the pillar's point, for the label beside it.
float RightReach(const SectionOutline& outline, int32_t shape) {
    if (shape == SolidCircleShape || shape == HollowCircleShape) return std::max(outline.SectionOutlineX[0], 0.0f);
    float reach = 0;
    for (int32_t k = 0; k < outline.SectionOutlineLast && k < SectionOutline::MaxPoints; ++k)
        reach = std::max(reach, outline.SectionOutlineX[static_cast<size_t>(k)]);
    return reach;
}

void DrawLabel(PlanPass& pass, const Pillar& p, int32_t sec, float px, float py, float reach) {
    const SectionCatalogue& c = pass.model().Catalogue;
    const float f = pass.k.f;
    const float x = px + reach + 5 * f;
    pass.out.Text(x, py + 20 * f, "P." + std::to_string(p.PillarNumber), TextKind::Medium, LayerRow::PillarTexts,
                  HAlign::Left, VAlign::Top, 0);
    if (c.SectionShape[static_cast<size_t>(sec)] != RectangularShape) return;
    const SectionParamRow& params = c.SectionParams[static_cast<size_t>(sec)];
    pass.out.Text(x, py, FormatForReading(params[0]) + "x" + FormatForReading(params[1]), TextKind::Small,
                  LayerRow::PillarTexts, HAlign::Left, VAlign::Top, 0);
}

void DrawPolygonPillar(PlanPass& pass, const SectionOutline& outline, float px, float py, int32_t fillMode,
                       bool repeated) {
    std::vector<PlanPoint> points;
    for (int32_t k = 0; k < outline.SectionOutlineLast && k < SectionOutline::MaxPoints; ++k)
        points.push_back({px + outline.SectionOutlineX[static_cast<size_t>(k)],
                          py + outline.SectionOutlineY[static_cast<size_t>(k)]});
    if (fillMode == FillHatch && !repeated)
        DrawHatch(pass.out, points, HatchSpacing, HatchAngle, CrossHatch, LayerRow::PillarHatch, LineStyle::ByLayer,
                  &pass.model().HatchLines);
    if (fillMode == FillSolid) {
        const ColourRef colour = pass.drawing().LayerScreenColours[LayerRow::PillarHatch];
        pass.out.FillPolygonSolid(points, colour, colour);
    }
    if (pass.On(LayerRow::PillarOutlines))
        pass.out.Polyline(points, repeated ? LayerRow::PillarTops : LayerRow::PillarOutlines, PolylineClosed);
}

// Circles are drawn whatever the outline switch says; a full circle is filled on the canvas by the
// fill style it sets, a hollow one by whatever fill style is in force.
void DrawCircularPillar(PlanPass& pass, const SectionOutline& outline, int32_t shape, float px, float py,
                        int32_t fillMode, bool repeated) {
    const int32_t layer = repeated ? LayerRow::PillarTops : LayerRow::PillarOutlines;
    PlanOutput& out = pass.out;
    if (shape == SolidCircleShape) {
        const float r = outline.SectionOutlineX[0];
        out.SetPenColour(pass.drawing().LayerScreenColours[LayerRow::PillarOutlines]);
        out.SetFillColour(pass.drawing().LayerScreenColours[LayerRow::PillarHatch]);
        out.SetFillStyle(fillMode == FillSolid ? FillStyle::Solid : FillStyle::Transparent);
        out.Circle(px, py, r, layer, LineStyle::ByLayer);
        if (fillMode == FillHatch && !repeated) {
            std::vector<PlanPoint> polygon;
            for (int k = 0; k < CircleHatchSides; ++k) {
                const double theta = k * 2 * std::numbers::pi / CircleHatchSides;
                polygon.push_back({px + static_cast<float>(r * std::sin(theta)),
                                   py + static_cast<float>(r * std::cos(theta))});
            }
            DrawHatch(out, polygon, HatchSpacing, HatchAngle, CrossHatch, LayerRow::PillarHatch, LineStyle::ByLayer,
                      &pass.model().HatchLines);
        }
    } else {
        out.Circle(px, py, outline.SectionOutlineX[0], layer, LineStyle::ByLayer);
        out.Circle(px, py, outline.SectionOutlineX[1], layer, LineStyle::ByLayer);
    }
    out.SetFillStyle(FillStyle::Transparent);
}

}  // namespace

bool IsMainPillar(const Pillar& pillar, int32_t planKind) {
    return (pillar.Side == 0 && planKind == PlanSide1) || (pillar.Side != 0 && planKind != PlanSide1);
}

void DrawPillars(PlanPass& pass) {
    const Model& m = pass.model();
    const SectionCatalogue& c = m.Catalogue;
    const int32_t count = UsableCount(m.PillarCount, m.Pillars);
    if (count < 1) return;
    const int32_t fillMode = GetPillarFillMode(pass);
    std::unordered_map<int32_t, int32_t> concretePillarsByNumber;
    for (int32_t i = 0; i < count; ++i)
        if (IsConcretePillar(c, m.Pillars[static_cast<size_t>(i)]))
            ++concretePillarsByNumber[m.Pillars[static_cast<size_t>(i)].PillarNumber];
    std::vector<std::string>& lists = pass.Legend.PillarListBySection;

    for (int32_t i = 0; i < count; ++i) {
        const Pillar& p = m.Pillars[static_cast<size_t>(i)];
        if (!IsConcretePillar(c, p) || !IsNodeIndex(m, p.Node)) continue;
        const int32_t sec = c.SectionIndexOf(p.SectionNumber);
        const Node& node = m.Nodes[static_cast<size_t>(p.Node)];
        if (pass.session.dxf.PillarAlignment == 1) DrawAlignmentMark(pass, node);
        const bool repeated =
            !IsMainPillar(p, m.Header.PlanKind) && concretePillarsByNumber[p.PillarNumber] >= 2;
        const float px = node.X + p.OffsetX, py = node.Y + p.OffsetY;
        const int32_t shape = c.SectionShape[static_cast<size_t>(sec)];
        const SectionOutline outline = BuildSectionOutline(c, sec, p.Angle, OutlineMirroredY);

        if (pass.On(LayerRow::PillarTexts) && !repeated) DrawLabel(pass, p, sec, px, py, RightReach(outline, shape));
        if (!repeated && static_cast<size_t>(sec) < lists.size())
            lists[static_cast<size_t>(sec)] += ", " + std::to_string(p.PillarNumber);
        if (shape == SolidCircleShape || shape == HollowCircleShape)
            DrawCircularPillar(pass, outline, shape, px, py, fillMode, repeated);
        else
            DrawPolygonPillar(pass, outline, px, py, fillMode, repeated);
    }
}
