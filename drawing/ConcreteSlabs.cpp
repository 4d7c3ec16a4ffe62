#include "drawing/ConcreteSlabs.h"

#include <cmath>
#include <string>
#include <vector>

#include "drawing/FillModes.h"
#include "drawing/Hatch.h"
#include "drawing/PlanOutlines.h"
#include "model/common/Helpers.h"
#include "model/geometry/PolygonMeasures.h"
#include "model/tables/TableAccess.h"
#include "state/LayerRows.h"

namespace {

constexpr float HatchSpacing = 10;
constexpr float HatchAngle = 45;

// An integer with room for a sign: a blank before a non-negative number.
std::string WithSignRoom(int32_t n) { return n < 0 ? std::to_string(n) : " " + std::to_string(n); }

struct CentroidSums {
    float area = 0, momentY = 0, momentX = 0;
};

CentroidSums SumsOf(const std::vector<PlanPoint>& p) {
    CentroidSums s;
    for (size_t k = 0; k < p.size(); ++k) {
        const PlanPoint& b = p[(k + 1) % p.size()];
        AccumulateCentroid(p[k].X, p[k].Y, b.X, b.Y, s.area, s.momentY, s.momentX);
    }
    return s;
}

// Records first .. last (one slab): fill or hatch, outlines, and the label after the outer outline.
void DrawSlab(PlanPass& pass, int32_t first, int32_t last, int32_t fillMode, bool labels) {
    const Model& m = pass.model();
    std::vector<HatchOutline> outlines;
    for (int32_t r = first; r <= last; ++r)
        outlines.push_back(OutlineOfRecord(m, m.ConcreteSlabOutline, m.ConcreteSlabOutlineCount, r));

    if (fillMode == FillHatch) {
        if (outlines.size() == 1)
            DrawHatch(pass.out, outlines[0], HatchSpacing, HatchAngle, CrossHatch, LayerRow::ConcreteSlabHatch,
                      LineStyle::ByLayer, &m.HatchLines);
        else
            DrawHatchMulti(pass.out, outlines, HatchSpacing, HatchAngle, CrossHatch, LayerRow::ConcreteSlabHatch,
                           LineStyle::ByLayer, &m.HatchLines);
    } else if (fillMode == FillSolid) {
        // The openings are painted over the slab in the background colour.
        const ColourRef slabColour = pass.drawing().LayerScreenColours[LayerRow::ConcreteSlabHatch];
        const ColourRef openingColour = BackgroundColour(pass.drawing());
        for (size_t j = 0; j < outlines.size(); ++j)
            pass.out.FillPolygonSolid(outlines[j], j == 0 ? slabColour : openingColour, slabColour);
    }
    for (size_t j = 0; j < outlines.size(); ++j) {
        DrawClosedOutline(pass.out, outlines[j], LayerRow::ConcreteSlabOutlines);
        if (j == 0 && labels) {
            const CentroidSums s = SumsOf(outlines[0]);
            DrawConcreteSlabLabel(pass, last, s.momentY, s.momentX, s.area);
        }
    }
}

}  // namespace

void DrawConcreteSlabs(PlanPass& pass, int32_t textSwitch) {
    const Model& m = pass.model();
    const int32_t count = UsableCount(m.ConcreteSlabCount, m.ConcreteSlabs);
    if (count < 1) return;
    pass.out.SetPenColour(pass.drawing().LayerScreenColours[LayerRow::ConcreteSlabHatch]);
    pass.out.SetFillStyle(FillStyle::Solid);
    pass.out.SetDrawStyle(DrawStyle::Solid);
    const int32_t fillMode = GetConcreteSlabFillMode(pass);
    int32_t first = 0;
    for (int32_t i = 0; i < count; ++i) {
        const bool runEnds = i + 1 == count || m.ConcreteSlabs[static_cast<size_t>(i + 1)].Id !=
                                                   m.ConcreteSlabs[static_cast<size_t>(i)].Id;
        if (!runEnds) continue;
        DrawSlab(pass, first, i, fillMode, textSwitch == 1);
        first = i + 1;
    }
}

void DrawConcreteSlabLabel(PlanPass& pass, int32_t slab, float momentY, float momentX, float area) {
    const Model& m = pass.model();
    if (slab < 0 || slab >= UsableCount(m.ConcreteSlabCount, m.ConcreteSlabs)) return;
    const ConcreteSlab& s = m.ConcreteSlabs[static_cast<size_t>(slab)];
    float x = 0, y = 0;
    if (std::fabs(area) > 0.000001f) {
        x = momentX / area;
        y = momentY / area;
    }
    // Concrete-slab labels are Italian in every drawing language.
    pass.out.Text(x, y, "Soletta " + WithSignRoom(s.Id), TextKind::Medium, LayerRow::SlabTexts, HAlign::Centre,
                  VAlign::Top, 0);
    pass.out.Text(x, y - 25, "Sp = " + FormatNum(s.Thickness, 1) + " cm", TextKind::Small, LayerRow::SlabTexts,
                  HAlign::Centre, VAlign::Top, 0);
}
