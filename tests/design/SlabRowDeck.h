#pragma once
// A row of joist floor slabs, 500 cm (or `bay`) along x and 400 cm deep, between 30 × 50 beams on
// every grid line (x = 0, 500, …; y = 0 and 400), as a fresh import leaves it: face lines,
// outlines, centroids and reference points derived. Every slab is of the designable type, with its own span
// angle; its diagram segment is its span through the middle of the slab, its bar diameters 12 and
// 10 mm. The outer supports may be 30 cm walls instead of beams. The document has the option
// defaults of a first start and a headless platform.
#include <cmath>
#include <cstdint>
#include <vector>

#include "design/SectionPlacement.h"
#include "drawing/LayerDefaults.h"
#include "model/geometry/Geometry.h"
#include "plangeom/FloorSlabOutlines.h"
#include "shell/HeadlessDeck.h"
#include "tests/design/RebarExpectations.h"
#include "tests/support/DeckBuilder.h"

struct SlabRowDeck : HeadlessDeck {
    static constexpr float Bay = 500, Depth = 400;

    explicit SlabRowDeck(const std::vector<float>& spanAngles, bool wallsAtEnds = false, float bay = Bay) {
        SetDefaultScreenColors(drawing);
        SetDefaultLayersAndOptions(drawing, shell.Options, design, dxf);
        const int32_t n = static_cast<int32_t>(spanAngles.size());
        DeckBuilder d;
        const int32_t beam = d.RectangleSection(30, 50);
        std::vector<int32_t> bottom, top;
        for (int32_t k = 0; k <= n; ++k) bottom.push_back(d.AddNode(bay * static_cast<float>(k), 0));
        for (int32_t k = 0; k <= n; ++k) top.push_back(d.AddNode(bay * static_cast<float>(k), Depth));
        for (int32_t k = 0; k < n; ++k) d.AddBeam(bottom[k], bottom[k + 1], beam);
        for (int32_t k = 0; k < n; ++k) d.AddBeam(top[k], top[k + 1], beam);
        for (int32_t k = 0; k <= n; ++k) {
            if (wallsAtEnds && (k == 0 || k == n))
                d.AddWall(bottom[k], top[k], 30);
            else
                d.AddBeam(bottom[k], top[k], beam);
        }
        d.M.Catalogue.SlabTypes = {{DesignableSlabKind, "Laterocemento 20+4"}, {0, "Soletta piena"}};
        d.M.Catalogue.SlabTypeCount = 2;
        for (int32_t k = 0; k < n; ++k) {
            const int32_t slab = d.AddFloorSlab({bottom[k], bottom[k + 1], top[k + 1], top[k]});
            FloorSlab& s = d.M.FloorSlabs[static_cast<size_t>(slab)];
            s.SpanAngle = spanAngles[static_cast<size_t>(k)];
            s.SlabTypeNumber = 1;
            s.BarDiameterA = 12;
            s.BarDiameterB = 10;
            const bool alongX = std::fabs(std::sin(s.SpanAngle * 3.14159265 / 180)) < 0.5;
            const float x0 = bay * static_cast<float>(k);
            s.DiagramX1 = alongX ? x0 : x0 + bay / 2;
            s.DiagramY1 = alongX ? Depth / 2 : 0;
            s.DiagramX2 = alongX ? x0 + bay : x0 + bay / 2;
            s.DiagramY2 = alongX ? Depth / 2 : Depth;
        }
        d.M.FloorSlabDiagram.resize(static_cast<size_t>(n));
        d.M.FloorSlabMaxVertices = 4;
        d.Derive();
        BuildFloorSlabOutlines(d.M, 0);
        d.M.Header.ModelMaxX = bay * static_cast<float>(n);
        d.M.Header.ModelMaxY = Depth;
        model = d.M;
    }

    // Diagram points at equal steps over slab j's diagram segment.
    void Diagram(int32_t j, const std::vector<float>& upper, const std::vector<float>& lower) {
        FloorSlab& slab = model.FloorSlabs.at(j);
        const int32_t count = static_cast<int32_t>(upper.size());
        slab.DiagramPointCount = count;
        const float length = GetDistance(slab.DiagramX1, slab.DiagramY1, slab.DiagramX2, slab.DiagramY2);
        for (int32_t i = 0; i < count; ++i)
            model.FloorSlabDiagram.at(j).at(i) = {length * static_cast<float>(i) / static_cast<float>(count - 1),
                                                  lower.at(i), upper.at(i)};
    }

    // A placement as the canvas tools make it.
    bool Place(int32_t target, float x, float y, int32_t mode, int32_t moved = 0) {
        editor.Sections.TargetSlab = target;
        editor.Sections.MovedSection = moved;
        return PlaceReinforcementSection(*this, messages, x, y, mode);
    }

    const ReinforcementSections& Sections() const { return model.Reinforcement; }
    std::vector<int32_t> SlabsOf(int32_t s) const {
        const auto& row = model.Reinforcement.SectionSlabs.at(s);
        return {row.begin(), row.begin() + model.Reinforcement.SectionSlabCount.at(s)};
    }
};
