// The demo decks of examples/: fresh exports that load complete and save again as the same bytes.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/DeckSession.h"
#include "tests/support/PlanSvg.h"

namespace {

std::string Example(const std::string& relative) { return std::string(DRAVO_EXAMPLES) + "/" + relative; }

// Load, save, load, save: the two saved files are the same bytes, the two loads the same deck.
void ExpectSavedTwiceAlike(const std::string& deck, const std::string& folder) {
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
}

TEST(DemoDecks, TheFrameLoadsComplete) {
    DeckSession s;
    ASSERT_TRUE(s.Load(Example("frame/DEMO.CRP"))) << s.Messages();
    const Model& m = s.model;
    WritePlanSvg(m, "demo-frame");
    EXPECT_TRUE(s.messages.Shown().empty());
    EXPECT_EQ(m.DrawingDataVersion, 0);
    EXPECT_EQ(s.slabDesign, 1);
    EXPECT_EQ(m.NodeCount, 9);
    EXPECT_EQ(m.Nodes[0].FootingType, 1);
    EXPECT_EQ(m.PillarCount, 9);
    EXPECT_EQ(m.WallSegmentCount, 1);  // the wall listed for the deck below is left out

    // Face lines of every beam element and of the wall, joined at the nodes.
    EXPECT_EQ(m.BeamElementCount, 11);
    EXPECT_GE(m.BeamExtradosEdgeCount, 2 * m.BeamElementCount);
    EXPECT_EQ(m.BeamIntradosEdgeCount, m.BeamExtradosEdgeCount);
    EXPECT_GE(m.WallEdgeCount, 2);
    EXPECT_GT(m.PlanNodeCount, 0);

    // Three joist slabs between the inner faces of 30 cm beams: 470 × 470.
    ASSERT_EQ(m.FloorSlabCount, 3);
    for (int32_t i = 0; i < 3; ++i) {
        EXPECT_EQ(m.FloorSlabOutlineCount[i], 4) << i;
        EXPECT_NEAR(m.FloorSlabs[i].Area, -470.0f * 470.0f, 1) << i;
    }
    ASSERT_EQ(m.ConcreteSlabCount, 1);
    EXPECT_EQ(m.ConcreteSlabOutlineCount[0], 4);
    EXPECT_EQ(m.ConcreteSlabOutline2Count[0], 4);
    EXPECT_EQ(m.DimensionCount, 0);

    ExpectSavedTwiceAlike(Example("frame/DEMO.CRP"), "demo-frame");
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
