#include "drawing/FloorSlabs.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "drawing/FillModes.h"
#include "drawing/Hatch.h"
#include "drawing/PlanOutlines.h"
#include "model/common/Helpers.h"
#include "model/geometry/Angles.h"
#include "model/geometry/Geometry.h"
#include "model/geometry/SegmentIntersection.h"
#include "model/tables/TableAccess.h"
#include "state/LayerRows.h"

namespace {

constexpr LineStyle HatchStyle = LineStyle::Dashed2;
constexpr LineStyle BandLineStyle = LineStyle::Dashed;
constexpr LineStyle CurbStyle = LineStyle::Dashed2;
// The curb line overhangs the slab this much on either side before it is clipped to it.
constexpr float CurbOverhang = 5000;

// Pairs of hatch lines as wide apart as the section's joist pair, when that fits in the slab.
int32_t PairWidth(const SectionCatalogue& catalogue, const FloorSlab& slab) {
    const int32_t sec = catalogue.SectionIndexOf(slab.SectionNumber);
    if (!catalogue.HasSection(sec)) return 0;
    const double w = RoundHalfEven(catalogue.SectionParams[static_cast<size_t>(sec)][0], 0);
    if (!(std::fabs(w) < 1.0e9)) return 0;
    const int32_t width = static_cast<int32_t>(w);
    return slab.Thickness / 2 - 1 < static_cast<float>(width) ? 0 : width;
}

// The outline turned so that the span runs along -v.
struct TurnedOutline {
    std::vector<PlanPoint> points;
    float angleRad = 0;
    float uMin = 0, uMax = 0, vMin = 0, vMax = 0;

    PlanPoint Back(float u, float v) const {
        PlanPoint p;
        RotatePointInverse(u, v, angleRad, p.X, p.Y);
        return p;
    }
};

TurnedOutline Turn(std::span<const PlanPoint> points, float spanAngle) {
    TurnedOutline t;
    t.angleRad = DegToRad(GetAnglePlus90(spanAngle));
    for (const PlanPoint& p : points) {
        PlanPoint q;
        RotatePoint(p.X, p.Y, t.angleRad, q.X, q.Y);
        t.points.push_back(q);
    }
    t.uMin = t.uMax = t.points[0].X;
    t.vMin = t.vMax = t.points[0].Y;
    for (const PlanPoint& q : t.points) {
        t.uMin = std::min(t.uMin, q.X);
        t.uMax = std::max(t.uMax, q.X);
        t.vMin = std::min(t.vMin, q.Y);
        t.vMax = std::max(t.vMax, q.Y);
    }
    return t;
}

// One curb line at height c of the turned frame, clipped to the outline.
void DrawCurbLine(PlanPass& pass, const TurnedOutline& t, float c, int32_t layer) {
    const float uFrom = t.uMin - CurbOverhang, uTo = t.uMax + CurbOverhang;
    std::vector<float> us;
    const size_t n = t.points.size();
    for (size_t k = 0; k < n; ++k) {
        const PlanPoint& a = t.points[k];
        const PlanPoint& b = t.points[(k + 1) % n];
        float ix = 0, iy = 0;
        if (IntersectSegments(uFrom, c, uTo, c, a.X, a.Y, b.X, b.Y, ix, iy) == IntersectionCode::SegmentsCross)
            us.push_back(ix);
    }
    if (us.size() < 2) return;
    std::sort(us.begin(), us.end());
    const bool even = us.size() % 2 == 0;
    for (size_t i = 0; i + 1 < us.size(); i += even ? 2 : 1) {
        // With an odd count the line touches a vertex somewhere: the inside test picks the pieces.
        if (!even && !FindHatchLineCrossings(t.points, (us[i] + us[i + 1]) / 2, c, uFrom, t.vMin, t.vMax)) continue;
        const PlanPoint a = t.Back(us[i], c), b = t.Back(us[i + 1], c);
        pass.out.Line(a.X, a.Y, b.X, b.Y, layer, CurbStyle);
    }
}

// Band line coordinates that were cleared to 0 mean the line is not known, not a line at the
// origin.
bool IsCleared(float x1, float y1, float x2, float y2) { return x1 == 0 && y1 == 0 && x2 == 0 && y2 == 0; }

void DrawBandLines(PlanPass& pass, const FloorSlab& s) {
    if (s.StartBandLength > 0 && !IsCleared(s.StartBandX1, s.StartBandY1, s.StartBandX2, s.StartBandY2))
        pass.out.Line(s.StartBandX1, s.StartBandY1, s.StartBandX2, s.StartBandY2, LayerRow::FloorSlabOutlines,
                      BandLineStyle);
    if (s.EndBandLength > 0 && !IsCleared(s.EndBandX1, s.EndBandY1, s.EndBandX2, s.EndBandY2))
        pass.out.Line(s.EndBandX1, s.EndBandY1, s.EndBandX2, s.EndBandY2, LayerRow::FloorSlabOutlines,
                      BandLineStyle);
}

}  // namespace

void DrawFloorSlabs(PlanPass& pass, int32_t outlineSwitch, int32_t textSwitch) {
    const Model& m = pass.model();
    const int32_t count = UsableCount(m.FloorSlabCount, m.FloorSlabs);
    if (count < 1) return;
    const int32_t fillMode = GetFloorSlabFillMode(pass);
    const ColourRef fillColour = pass.drawing().LayerScreenColours[LayerRow::FloorSlabHatch];
    pass.out.SetPenColour(fillColour);
    pass.out.SetFillStyle(FillStyle::Solid);
    pass.out.SetDrawStyle(DrawStyle::Solid);
    for (int32_t i = 0; i < count; ++i) {
        const FloorSlab& s = m.FloorSlabs[static_cast<size_t>(i)];
        const std::vector<PlanPoint> p = OutlineOfRecord(m, m.FloorSlabOutline, m.FloorSlabOutlineCount, i);
        if (fillMode == FillHatch) {
            const int32_t w = PairWidth(m.Catalogue, s);
            DrawHatch(pass.out, p, s.Thickness - static_cast<float>(w), s.SpanAngle, w, LayerRow::FloorSlabHatch,
                      HatchStyle, &m.HatchLines);
        } else if (fillMode == FillSolid) {
            pass.out.FillPolygonSolid(p, fillColour, fillColour);
        }
        if (outlineSwitch != 1) continue;
        DrawFloorSlabSpanSymbol(pass, p, i, LayerRow::FloorSlabOutlines, textSwitch);
        DrawBandLines(pass, s);
        DrawClosedOutline(pass.out, p, LayerRow::FloorSlabOutlines);
    }
}

void DrawFloorSlabSpanSymbol(PlanPass& pass, std::span<const PlanPoint> points, int32_t slab, int32_t curbLayer,
                             int32_t textSwitch) {
    const Model& m = pass.model();
    if (points.empty() || slab < 0 || slab >= UsableCount(m.FloorSlabCount, m.FloorSlabs)) return;
    const FloorSlab& s = m.FloorSlabs[static_cast<size_t>(slab)];
    const TurnedOutline t = Turn(points, s.SpanAngle);
    const float vMid = (t.vMin + t.vMax) / 2;
    const float span = std::fabs(t.vMin - t.vMax);

    const DesignOptions& design = pass.session.design;
    if (span > design.CurbSpanThreshold) {
        DrawCurbLine(pass, t, vMid + design.CurbWidth / 2, curbLayer);
        DrawCurbLine(pass, t, vMid - design.CurbWidth / 2, curbLayer);
    }
    if (!pass.out.DrawsSpanSymbols()) return;

    // A stroke 150 long along the span through the centre, with a barb at each end on opposite sides.
    const float uMid = (t.uMin + t.uMax) / 2;
    const std::vector<PlanPoint> symbol{t.Back(uMid + 18, vMid + 50), t.Back(uMid, vMid + 75),
                                        t.Back(uMid, vMid - 75), t.Back(uMid - 18, vMid - 50)};
    pass.out.Polyline(symbol, LayerRow::FloorSlabTexts, 0);
    if (textSwitch == 0) return;
    const PlanPoint anchor = t.Back(uMid + 1, vMid);
    pass.out.Text(anchor.X, anchor.Y, "S." + std::to_string(s.Number), TextKind::Medium, LayerRow::FloorSlabTexts,
                  HAlign::Centre, VAlign::Bottom, s.SpanAngle);
}
