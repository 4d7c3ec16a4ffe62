// The demo decks of examples/: the frame, a saved deck with every element kind the plan draws,
// and the masonry plan, a fresh export; both load complete and save again as the same bytes.
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "model/files/ArchiveReader.h"
#include "model/tables/TableAccess.h"
#include "tests/support/DeckSession.h"
#include "tests/support/PlanSvg.h"

namespace {

std::string Example(const std::string& relative) { return std::string(DRAVO_EXAMPLES) + "/" + relative; }

// Load, save, load, save: the two saved files are the same bytes, the two loads the same deck.
// The first saved file's text goes to firstSaved when asked for.
void ExpectSavedTwiceAlike(const std::string& deck, const std::string& folder, std::string* firstSaved = nullptr) {
    ScratchFolder scratch(folder);
    std::filesystem::copy_file(std::filesystem::path(deck).parent_path() / "ARCHIMPA.AI0", scratch / "ARCHIMPA.AI0");
    DeckSession first, second, third;
    ASSERT_TRUE(first.Load(deck)) << first.Messages();
    ASSERT_TRUE(first.Save(scratch / "A.CRP"));
    ASSERT_TRUE(second.Load(scratch / "A.CRP")) << second.Messages();
    ASSERT_TRUE(second.Save(scratch / "B.CRP"));
    ASSERT_TRUE(third.Load(scratch / "B.CRP")) << third.Messages();
    EXPECT_EQ(FileText(scratch / "A.CRP"), FileText(scratch / "B.CRP"));
    EXPECT_EQ(second.Dump(), third.Dump());
    if (firstSaved) *firstSaved = FileText(scratch / "A.CRP");
}

// Every reference of the deck's records designates a record of the loaded tables.
void ExpectReferencesHold(const Model& m) {
    const SectionCatalogue& c = m.Catalogue;
    for (int32_t i = 0; i < m.BeamElementCount; ++i) {
        const BeamElement& b = m.BeamElements[i];
        EXPECT_TRUE(IsNodeIndex(m, b.NodeI) && IsNodeIndex(m, b.NodeJ) && c.HasSection(b.SectionNumber - 1)) << i;
    }
    for (int32_t i = 0; i < m.PillarCount; ++i) {
        const Pillar& p = m.Pillars[i];
        const bool known = IsNodeIndex(m, p.Node) && c.HasSection(p.SectionNumber - 1);
        EXPECT_TRUE(known) << "pillar " << i;
        if (known && c.SectionClass[p.SectionNumber - 1] != ParametricSection) {
            EXPECT_NE(c.ServerSectionOf(p.SectionNumber - 1), nullptr) << "pillar " << i;
        }
    }
    for (int32_t i = 0; i < m.NodeCount; ++i) {
        const int32_t type = m.Nodes[i].FootingType;
        EXPECT_TRUE(type == -1 || (type >= 1 && type <= c.FootingTypeCount)) << "node " << i;
    }
    for (int32_t i = 0; i < m.FloorSlabCount; ++i) {
        EXPECT_TRUE(c.HasSection(m.FloorSlabs[i].SectionNumber - 1)) << "floor slab " << i;
        for (int32_t k = 0; k < m.FloorSlabs[i].VertexCount; ++k) EXPECT_TRUE(IsNodeIndex(m, m.FloorSlabModelPolygon[i][k]));
        for (int32_t k = 0; k < m.FloorSlabOutlineCount[i]; ++k) EXPECT_TRUE(IsPlanPointIndex(m, m.FloorSlabOutline[i][k]));
    }
    for (int32_t i = 0; i < m.ConcreteSlabCount; ++i) {
        for (int32_t k = 0; k < m.ConcreteSlabs[i].VertexCount; ++k)
            EXPECT_TRUE(IsNodeIndex(m, m.ConcreteSlabModelPolygon[i][k]));
        for (int32_t k = 0; k < m.ConcreteSlabOutlineCount[i]; ++k)
            EXPECT_TRUE(IsPlanPointIndex(m, m.ConcreteSlabOutline[i][k]));
    }
    const std::pair<const std::vector<EdgeLine>*, int32_t> edgeTables[] = {
        {&m.BeamExtradosEdges, m.BeamExtradosEdgeCount},
        {&m.BeamIntradosEdges, m.BeamIntradosEdgeCount},
        {&m.WallEdges, m.WallEdgeCount}};
    for (const auto& [edges, count] : edgeTables) {
        ASSERT_LE(count, static_cast<int32_t>(edges->size()));
        for (int32_t i = 0; i < count; ++i)
            EXPECT_TRUE(IsPlanPointIndex(m, (*edges)[i].PlanNodeA) && IsPlanPointIndex(m, (*edges)[i].PlanNodeB)) << i;
    }
    const ReinforcementSections& r = m.Reinforcement;
    for (int32_t s = 0; s < r.ReinforcementSectionCount; ++s)
        for (int32_t j = 0; j < r.SectionSlabCount[s]; ++j) {
            const int32_t slab = r.SectionSlabs[s][j];
            EXPECT_TRUE(slab >= 0 && slab < m.FloorSlabCount && IsDesignableFloorSlab(m, slab)) << "section " << s;
        }
}

// The pillar at a node of the grid, of the plan's own deck (the repeated one left aside).
const Pillar* PillarAt(const Model& m, float x, float y, int32_t side) {
    for (int32_t i = 0; i < m.PillarCount; ++i) {
        const Pillar& p = m.Pillars[i];
        if (p.Side == side && m.Nodes[p.Node].X == x && m.Nodes[p.Node].Y == y) return &p;
    }
    return nullptr;
}

TEST(DemoDecks, TheFrameLoadsComplete) {
    DeckSession s;
    ASSERT_TRUE(s.Load(Example("frame/DEMO.CRP"))) << s.Messages();
    const Model& m = s.model;
    const SectionCatalogue& c = m.Catalogue;
    WritePlanSvg(m, "demo-frame");
    EXPECT_TRUE(s.messages.Shown().empty()) << s.Messages();
    EXPECT_EQ(m.DrawingDataVersion, 7);  // a saved deck: dimensions and reinforcement travel with it
    EXPECT_EQ(s.slabDesign, 1);
    ExpectReferencesHold(m);
    ASSERT_FALSE(HasFailure()) << "the records are read below through their references";

    // Nine nodes on a 2 x 2 grid of 5 m bays, and the four corners of the opening.
    ASSERT_EQ(m.NodeCount, 13);
    for (int32_t i = 0; i < 9; ++i) {
        EXPECT_EQ(m.Nodes[i].X, 500.0f * (i % 3)) << i;
        EXPECT_EQ(m.Nodes[i].Y, 500.0f * (i / 3)) << i;
    }
    EXPECT_EQ(m.Header.ModelOriginX, 1200);
    EXPECT_EQ(m.Header.ModelOriginY, 800);

    // Footings of several shapes under the grid nodes, one node without.
    std::set<float> shapes;
    int32_t withoutFooting = 0;
    for (int32_t i = 0; i < 9; ++i) {
        if (m.Nodes[i].FootingType == -1) ++withoutFooting;
        else shapes.insert(c.FootingTypes[m.Nodes[i].FootingType - 1].Shape);
    }
    EXPECT_EQ(withoutFooting, 1);
    EXPECT_GE(shapes.size(), 5u);
    EXPECT_TRUE(shapes.count(0) && shapes.count(1) && shapes.count(3) && shapes.count(9));

    // The plan's own pillars (side 0 in a plan of kind 0): concrete ones, a steel pillar of one
    // profile and one of two coupled channels; at the middle node also the other side's pillar of
    // the same number, which the plan shows as repeated.
    ASSERT_EQ(m.PillarCount, 10);
    const Pillar* rolled = PillarAt(m, 1000, 1000, 0);
    const Pillar* coupled = PillarAt(m, 1000, 0, 0);
    ASSERT_TRUE(rolled && coupled);
    EXPECT_EQ(c.SectionClass[rolled->SectionNumber - 1], CatalogueProfile);
    EXPECT_EQ(c.ServerSectionOf(rolled->SectionNumber - 1)->Name, "HE 200 A");
    EXPECT_EQ(rolled->Angle, 180);  // turned from the 90 of the others
    EXPECT_EQ(c.SectionClass[coupled->SectionNumber - 1], CoupledProfiles);
    EXPECT_EQ(c.ServerSectionOf(coupled->SectionNumber - 1)->Name, "UPN 200");
    EXPECT_EQ(c.SectionParams[coupled->SectionNumber - 1][1], 10);  // mm between the channels
    const Pillar* own = PillarAt(m, 500, 500, 0);
    const Pillar* repeated = PillarAt(m, 500, 500, 1);
    ASSERT_TRUE(own && repeated);
    EXPECT_EQ(own->PillarNumber, repeated->PillarNumber);
    EXPECT_NE(own->SectionNumber, repeated->SectionNumber);

    // Face lines of every beam element and of the wall, joined at the nodes.
    EXPECT_EQ(m.WallSegmentCount, 1);  // the wall listed for the deck below was left out
    EXPECT_EQ(m.BeamElementCount, 11);
    EXPECT_GE(m.BeamExtradosEdgeCount, 2 * m.BeamElementCount);
    EXPECT_EQ(m.BeamIntradosEdgeCount, m.BeamExtradosEdgeCount);
    EXPECT_GE(m.WallEdgeCount, 2);

    // Three joist slabs between the inner faces of 30 cm beams: 470 x 470, each with its design
    // diagram.
    ASSERT_EQ(m.FloorSlabCount, 3);
    for (int32_t i = 0; i < 3; ++i) {
        EXPECT_EQ(m.FloorSlabOutlineCount[i], 4) << i;
        EXPECT_NEAR(m.FloorSlabs[i].Area, -470.0f * 470.0f, 1) << i;
        EXPECT_GT(m.FloorSlabs[i].DiagramPointCount, 2) << i;
    }

    // One concrete slab over the outer faces of its beams, with a 120 x 100 opening.
    ASSERT_EQ(m.ConcreteSlabCount, 2);
    EXPECT_EQ(m.ConcreteSlabs[0].Kind, 0);
    EXPECT_NE(m.ConcreteSlabs[1].Kind, 0);
    EXPECT_EQ(m.ConcreteSlabs[1].Id, m.ConcreteSlabs[0].Id);
    ASSERT_EQ(m.ConcreteSlabOutlineCount[0], 4);
    ASSERT_EQ(m.ConcreteSlabOutlineCount[1], 4);
    EXPECT_EQ(m.ConcreteSlabOutline2Count[0], 4);
    for (int32_t k = 0; k < 4; ++k) {
        const PlanPoint& outer = m.PlanNodes[m.ConcreteSlabOutline[0][k]];
        const PlanPoint& opening = m.PlanNodes[m.ConcreteSlabOutline[1][k]];
        EXPECT_TRUE((outer.X == 485 || outer.X == 1015) && (outer.Y == 485 || outer.Y == 1015)) << k;
        EXPECT_TRUE((opening.X == 800 || opening.X == 920) && (opening.Y == 580 || opening.Y == 680)) << k;
    }

    // Bays and overall sizes dimensioned outside the deck, above it (below it stand the title and
    // the legend) and on its right.
    ASSERT_EQ(m.DimensionCount, 6);
    std::multiset<std::string> texts;
    for (const Dimension& d : m.Dimensions) {
        texts.insert(d.Text);
        EXPECT_TRUE((d.LineY1 > 1100 && d.LineY2 > 1100) || (d.LineX1 > 1200 && d.LineX2 > 1200)) << d.Text;
        EXPECT_NEAR(std::hypot(d.LineX2 - d.LineX1, d.LineY2 - d.LineY1), std::stof(d.Text), 0.01) << d.Text;
    }
    EXPECT_EQ(texts, (std::multiset<std::string>{"500", "500", "500", "500", "1030", "1030"}));

    // Designed rebars: one section across the two slabs spanning in x, one across the third.
    const ReinforcementSections& r = m.Reinforcement;
    ASSERT_EQ(r.ReinforcementSectionCount, 2);
    EXPECT_EQ(r.SectionSlabCount[0], 2);
    EXPECT_EQ(r.SectionSlabCount[1], 1);
    int32_t hooked = 0;
    for (int32_t sec = 0; sec < 2; ++sec) {
        EXPECT_GT(r.UpperRebarCount[sec], 0) << sec;
        EXPECT_GT(r.LowerRebarCount[sec], 0) << sec;
        auto plausible = [&](int32_t diameter, int32_t count, float x1, float y1, float x2, float y2) {
            EXPECT_TRUE(diameter >= 5 && diameter <= 14 && count >= 1 && count <= 4) << sec;
            for (float v : {x1, y1, x2, y2}) EXPECT_TRUE(v >= -15 && v <= 1015) << sec;
            EXPECT_GT(std::hypot(x2 - x1, y2 - y1), 100) << sec;
        };
        for (int32_t k = 0; k < r.UpperRebarCount[sec]; ++k) {
            const UpperRebar& b = r.UpperRebars[sec][k];
            plausible(b.Diameter, b.BarCount, b.X1, b.Y1, b.X2, b.Y2);
            hooked += b.HookFlags != 0;
        }
        for (int32_t k = 0; k < r.LowerRebarCount[sec]; ++k) {
            const LowerRebar& b = r.LowerRebars[sec][k];
            plausible(b.Diameter, b.BarCount, b.X1, b.Y1, b.X2, b.Y2);
            hooked += b.HookFlags != 0;
        }
    }
    EXPECT_GE(hooked, 4);

    // A saved deck saves again as its own bytes.
    std::string saved;
    ExpectSavedTwiceAlike(Example("frame/DEMO.CRP"), "demo-frame", &saved);
    EXPECT_EQ(saved, FileText(Example("frame/DEMO.CRP")));
}

TEST(DemoDecks, TheMasonryPlanLoadsCompleteWithItsDimensions) {
    DeckSession s;
    ASSERT_TRUE(s.Load(Example("masonry/CASA.CRP"))) << s.Messages();
    const Model& m = s.model;
    WritePlanSvg(m, "demo-masonry");
    EXPECT_TRUE(s.messages.Shown().empty());
    EXPECT_EQ(m.DrawingDataVersion, 0);
    EXPECT_EQ(m.Header.PlanKind, 2);
    ASSERT_EQ(m.MasonryWallCount, 7);
    ASSERT_EQ(m.MasonryBeamCount, 2);
    for (const auto* table : {&m.MasonryWalls, &m.MasonryBeams})
        for (const MasonryElement& e : *table)
            for (int32_t corner : {e.BorderA1, e.BorderA2, e.BorderB1, e.BorderB2}) {
                EXPECT_GE(corner, 0) << e.Name;
                EXPECT_LT(corner, m.PlanNodeCount) << e.Name;
            }
    // The outer faces of the 30 cm walls measure 830 × 630.
    ASSERT_GT(m.DimensionCount, 0);
    bool width = false, depth = false;
    for (int32_t d = 0; d < m.DimensionCount; ++d) {
        width = width || m.Dimensions[d].Text == "830";
        depth = depth || m.Dimensions[d].Text == "630";
    }
    EXPECT_TRUE(width && depth);

    ExpectSavedTwiceAlike(Example("masonry/CASA.CRP"), "demo-masonry");
}

}  // namespace
