#include "drawing/FloorSlabRebars.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "drawing/Primitives.h"
#include "model/common/Helpers.h"
#include "model/geometry/Geometry.h"
#include "model/tables/TableAccess.h"
#include "state/LayerRows.h"

namespace {

constexpr float HookLength = 15;
constexpr float EndMarkStep = 10.6f;  // along the span and across it: a mark about 15 cm long
constexpr float UpperBarAllowance = 30;
const std::string Diameter = " \xD8";  // " Ø"

struct Vec {
    float x = 0, y = 0;
};

// The span direction d of the section's first slab and its normal e, which orient every hook.
struct SpanFrame {
    Vec d, e;
};

// The number of sections whose tables can all be read.
int32_t UsableSections(const ReinforcementSections& r) {
    const size_t n = std::min({r.SectionSlabCount.size(), r.SectionSlabs.size(), r.LowerRebarCount.size(),
                               r.UpperRebarCount.size(), r.LowerRebars.size(), r.UpperRebars.size()});
    return std::clamp<int32_t>(r.ReinforcementSectionCount, 0, static_cast<int32_t>(n));
}

int32_t UsableBars(int32_t count) { return std::clamp<int32_t>(count, 0, ReinforcementSections::MaxRebars); }

// None when the section crosses no floor slab of the table: its hooks would have no direction.
bool SpanFrameOf(const Model& m, int32_t s, SpanFrame& frame) {
    const ReinforcementSections& r = m.Reinforcement;
    if (r.SectionSlabCount[static_cast<size_t>(s)] < 1) return false;
    const int32_t slab = r.SectionSlabs[static_cast<size_t>(s)][0];
    if (slab < 0 || slab >= UsableCount(m.FloorSlabCount, m.FloorSlabs)) return false;
    const float a = DegToRad(-m.FloorSlabs[static_cast<size_t>(slab)].SpanAngle);
    const float sin = std::sin(a), cos = std::cos(a);
    frame = {{cos, -sin}, {sin, cos}};
    return true;
}

void DrawTick(PlanPass& pass, float x, float y, Vec v, float k) {
    pass.out.Line(x, y, x + k * v.x, y + k * v.y, LayerRow::FloorSlabRebars, LineStyle::ByLayer);
}

std::string LengthText(float length) { return " L=" + FormatNum(length, 0); }

void DrawLowerBar(PlanPass& pass, const LowerRebar& bar, const SpanFrame& f, const std::string& mark) {
    const float length = RebarCutLength(bar.X1, bar.Y1, bar.X2, bar.Y2, bar.HookFlags, true);
    if (bar.HookFlags & 1) DrawTick(pass, bar.X1, bar.Y1, f.e, HookLength);
    if (bar.HookFlags & 2) DrawTick(pass, bar.X2, bar.Y2, f.e, HookLength);
    const int32_t assembly = pass.session.design.LowerAssemblyBarDiameter;
    std::string label = std::to_string(bar.BarCount) + Diameter + std::to_string(bar.Diameter);
    if (bar.Kind == 3 && assembly > 0) label = "2" + Diameter + std::to_string(assembly) + "+" + label;
    DrawRebarText(pass.out, label + LengthText(length) + mark, bar.X1, bar.Y1, bar.X2, bar.Y2, true,
                  LayerRow::FloorSlabRebars, LayerRow::RebarTexts);
}

// An upper bar is cut 30 cm longer for its bends; an end without a hook gets an oblique mark.
void DrawUpperBar(PlanPass& pass, const UpperRebar& bar, const SpanFrame& f, const std::string& mark) {
    const float length = RebarCutLength(bar.X1, bar.Y1, bar.X2, bar.Y2, bar.HookFlags, false);
    const std::string label = std::to_string(bar.BarCount) + Diameter + std::to_string(bar.Diameter);
    DrawRebarText(pass.out, label + LengthText(length) + mark, bar.X1, bar.Y1, bar.X2, bar.Y2, true,
                  LayerRow::FloorSlabRebars, LayerRow::RebarTexts);
    if (bar.HookFlags & 1) DrawTick(pass, bar.X1, bar.Y1, f.e, -HookLength);
    else DrawTick(pass, bar.X1, bar.Y1, {-f.d.x - f.e.x, -f.d.y - f.e.y}, EndMarkStep);
    if (bar.HookFlags & 2) DrawTick(pass, bar.X2, bar.Y2, f.e, -HookLength);
    else DrawTick(pass, bar.X2, bar.Y2, {f.d.x - f.e.x, f.d.y - f.e.y}, EndMarkStep);
}

}  // namespace

float RebarCutLength(float x1, float y1, float x2, float y2, int32_t hookFlags, bool lower) {
    const float length = GetDistance(x1, y1, x2, y2);
    if (!lower) return RoundToFive(length + UpperBarAllowance);
    float cut = RoundToFive(length);
    if (hookFlags & 1) cut += HookLength;
    if (hookFlags & 2) cut += HookLength;
    return cut;
}

void DrawFloorSlabRebars(PlanPass& pass) {
    const Model& m = pass.model();
    const ReinforcementSections& r = m.Reinforcement;
    const bool marked = pass.out.MarksUpperAndLowerBars();
    const std::string lowerMark = marked ? " inf." : "";
    const std::string upperMark = marked ? " sup." : "";
    for (int32_t s = 0; s < UsableSections(r); ++s) {
        SpanFrame frame;
        if (!SpanFrameOf(m, s, frame)) continue;
        const size_t i = static_cast<size_t>(s);
        for (int32_t j = 0; j < UsableBars(r.LowerRebarCount[i]); ++j)
            DrawLowerBar(pass, r.LowerRebars[i][static_cast<size_t>(j)], frame, lowerMark);
        for (int32_t j = 0; j < UsableBars(r.UpperRebarCount[i]); ++j)
            DrawUpperBar(pass, r.UpperRebars[i][static_cast<size_t>(j)], frame, upperMark);
    }
}
