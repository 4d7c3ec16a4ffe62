#pragma once
// Section 0 across a row of floor slabs as a placement leaves it, written by hand so that the design
// engine can be tested alone. Slab j spans lengths[j] cm of the section, which runs along x at
// y = 200 (or along y at x = 200) from 15 cm before the first slab to 15 cm after the last, as if
// carried to the outer faces of 30 cm beams. Each slab's diagram segment is its span, unless set
// shorter or longer; its bar diameters are 12 and 10 mm.
#include <cstdint>
#include <vector>

#include "design/SectionDesign.h"
#include "tests/design/RebarExpectations.h"

struct SectionFixture {
    Model model;
    // Cover 2 cm, longest upper bar 1200 cm, 5 mm assembly bars, lower bars not grouped.
    RebarDesignOptions options;
    bool vertical = false;

    explicit SectionFixture(const std::vector<float>& lengths, float spanAngle = 0, bool alongY = false)
        : vertical(alongY) {
        const int32_t n = static_cast<int32_t>(lengths.size());
        model.FloorSlabCount = n;
        model.FloorSlabs.resize(static_cast<size_t>(n));
        model.FloorSlabDiagram.resize(static_cast<size_t>(n));
        ReinforcementSections& r = model.Reinforcement;
        r.SectionSlabCount[0] = n;
        float along = 0;
        for (int32_t j = 0; j < n; ++j) {
            FloorSlab& slab = model.FloorSlabs[static_cast<size_t>(j)];
            slab.SpanAngle = spanAngle;
            slab.BarDiameterA = 12;
            slab.BarDiameterB = 10;
            const PlanPoint in = At(along), out = At(along + lengths[static_cast<size_t>(j)]);
            slab.DiagramX1 = in.X;
            slab.DiagramY1 = in.Y;
            slab.DiagramX2 = out.X;
            slab.DiagramY2 = out.Y;
            r.SectionSlabs[0][static_cast<size_t>(j)] = j;
            r.ReinforcementSectionSpans[0][static_cast<size_t>(j)] = {in.X, out.X, in.Y, out.Y};
            along += lengths[static_cast<size_t>(j)];
        }
        r.ReinforcementSectionEnds[0] = {At(-15), At(along + 15)};
        r.ReinforcementSectionCount = 1;
    }

    // The section point `along` cm from the start of the first slab.
    PlanPoint At(float along) const { return vertical ? PlanPoint{200, along} : PlanPoint{along, 200}; }

    // Slab j's diagram segment `length` cm long from where the section enters the slab, unlike the
    // section's crossing of it, as where the section runs slanted across the slab. Lay the
    // diagram after it.
    void DiagramLength(int32_t j, float length) {
        FloorSlab& slab = model.FloorSlabs.at(j);
        const PlanPoint out = At((vertical ? slab.DiagramY1 : slab.DiagramX1) + length);
        slab.DiagramX2 = out.X;
        slab.DiagramY2 = out.Y;
    }

    // Diagram points at equal steps from end to end of slab j's diagram segment, with their top
    // steel; the bottom steel of each point, or one value for all of them.
    void Diagram(int32_t j, const std::vector<float>& upper, const std::vector<float>& lower = {0}) {
        FloorSlab& slab = model.FloorSlabs.at(j);
        const int32_t count = static_cast<int32_t>(upper.size());
        slab.DiagramPointCount = count;
        const float length = GetSpanSegmentLength(slab);
        for (int32_t i = 0; i < count; ++i) {
            DiagramPoint& p = model.FloorSlabDiagram.at(j).at(i);
            p.Position = count > 1 ? length * static_cast<float>(i) / static_cast<float>(count - 1) : 0;
            p.UpperSteel = upper[static_cast<size_t>(i)];
            p.LowerSteel = lower.size() == upper.size() ? lower[static_cast<size_t>(i)] : lower.front();
        }
    }
    // The same top steel at every one of `count` points.
    void UniformDiagram(int32_t j, int32_t count, float upper, float lower = 0) {
        Diagram(j, std::vector<float>(static_cast<size_t>(count), upper), {lower});
    }

    DesignWarnings Design() { return DesignReinforcementSection(model, options, 0); }
    std::vector<UpperRebar> Upper() const { return UpperBars(model, 0); }
    std::vector<LowerRebar> Lower() const { return LowerBars(model, 0); }
};
