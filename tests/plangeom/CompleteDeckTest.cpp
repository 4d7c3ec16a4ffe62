// The completion that every load ends with: the derived plan geometry of a fresh export, the inner
// concrete-slab outlines of every deck, and a saved deck that saves again as the same bytes.
#include "plangeom/CompleteDeck.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>
#include <vector>

#include "model/common/Helpers.h"
#include "tests/support/DeckSession.h"

namespace {

std::vector<int32_t> Row(const IndexRows& rows, int32_t row, int32_t count) {
    return std::vector<int32_t>(rows.at(row).begin(), rows.at(row).begin() + count);
}

// A concrete slab on four beams, one of them slanted: the corners of its inner outline have more
// decimals than the data file keeps.
const char* const SlantedBeamDeck =
    "VERSIONE 9\r\n0 0.00 300.00\r\nNODI\r\n4\r\n1 0.00 0.00 -1\r\n2 600.00 0.00 -1\r\n3 650.00 410.00 -1\r\n"
    "4 0.00 400.00 -1\r\nELEMENTI_D2\r\n4\r\n1 1 1 2 0 0.00\r\n1 2 2 3 0 0.00\r\n1 3 3 4 0 0.00\r\n1 4 4 1 0 0.00\r\n"
    "GRUPPO_D3_SEZIONE\r\n0 0\r\nGRUPPO_D3_PIANTA\r\n1 4\r\n5 0 4\r\n20.00\r\n1\r\n2\r\n3\r\n4\r\nPILASTRI\r\n4\r\n"
    "2 1 1 1 0 0.00\r\n2 2 2 1 0 0.00\r\n2 3 3 1 0 0.00\r\n2 4 4 1 0 0.00\r\nSOLAI\r\n0 0\r\n"
    "0 0 0 0 0 0 0 0\r\n0\r\n0\r\n";

// A joist floor slab on four 30 × 50 beams; the bottom beam runs from node 2 (500, 0) to node 1
// (0, 0), its end at node 1 offset 10 cm into the slab. The slab has design data with bands 50 and
// 80 cm in from its supports.
const char* const EccentricBeamDeck =
    "VERSIONE 9\r\n0 0.00 300.00\r\nNODI\r\n4\r\n1 0.00 0.00 -1\r\n2 500.00 0.00 -1\r\n3 500.00 400.00 -1\r\n"
    "4 0.00 400.00 -1\r\nELEMENTI_D2\r\n4\r\n1 1 2 1 1 0.00\r\n0.00 0.00 0.00 10.00\r\n1 2 2 3 0 0.00\r\n"
    "1 3 3 4 0 0.00\r\n1 4 4 1 0 0.00\r\nGRUPPO_D3_SEZIONE\r\n0 0\r\nGRUPPO_D3_PIANTA\r\n0 0\r\nPILASTRI\r\n0\r\n"
    "SOLAI\r\n1 4\r\n1\r\n4 0 0.00000 0 0\r\n1\r\n2\r\n3\r\n4\r\n1 1 24.00\r\n50.00 80.00\r\n1\r\n"
    "100.00 200.00\r\n400.00 200.00\r\n12\r\n10\r\n0.00\r\n0.00\r\n0.00 1.00 4.00\r\n"
    "0 0 0 0 0 0 0 0\r\n0\r\n0\r\n";

// Whether the data file, which keeps 2 decimals, moves the coordinate by more than the plan-point
// tolerance.
bool KeepsItsDecimals(float v) {
    const std::string saved = FormatNum(v, 2);
    double value = 0;
    std::from_chars(saved.data(), saved.data() + saved.size(), value);
    return std::fabs(value - v) > 0.0001;
}

TEST(CompleteDeck, AFreshExportGetsItsWholePlanGeometry) {
    DeckSession s;
    ASSERT_TRUE(s.Load(DeckFixture("fresh-frame/TELAIO.CRP"))) << s.Messages();
    const Model& m = s.model;
    // Without masonry the plan points start with the face-line ends of the first beam element.
    ASSERT_GT(m.BeamExtradosEdgeCount, 0);
    const EdgeLine& first = m.BeamExtradosEdges[0];
    EXPECT_LT(std::max(first.PlanNodeA, first.PlanNodeB), 4);
    EXPECT_GT(m.PlanNodeCount, 20);
    EXPECT_GT(m.WallEdgeCount, 0);
    EXPECT_EQ(m.FloorSlabOutlineCount[0], 4);
    EXPECT_LT(m.FloorSlabs[0].Area, 0);
    EXPECT_NE(m.FloorSlabs[0].RefPoint2X, 0);  // the design reference points of a fresh import
    EXPECT_NE(m.FloorSlabs[0].DirectionGroup, 0);  // and its direction groups
    EXPECT_EQ(m.ConcreteSlabOutlineCount[0], 4);
    EXPECT_EQ(m.ConcreteSlabOutline2Count[0], 4);
    EXPECT_NE(Row(m.ConcreteSlabOutline, 0, 4), Row(m.ConcreteSlabOutline2, 0, 4));  // outer and inner faces
    EXPECT_EQ(m.DimensionCount, 0);  // automatic dimensions belong to a masonry plan only
    for (int32_t p = 0; p < m.PlanNodeCount; ++p)
        ASSERT_TRUE(std::isfinite(m.PlanNodes[p].X) && std::isfinite(m.PlanNodes[p].Y)) << p;
}

TEST(CompleteDeck, AFreshMasonryPlanStartsWithItsWallCornersAndGetsAutomaticDimensions) {
    DeckSession s;
    ASSERT_TRUE(s.Load(DeckFixture("fresh-masonry/MURATURA.CRP"))) << s.Messages();
    const Model& m = s.model;
    ASSERT_EQ(m.MasonryWallCount, 2);
    const MasonryElement& w = m.MasonryWalls[0];
    EXPECT_EQ(std::min(w.BorderA1, w.BorderA2), 0);
    EXPECT_EQ(std::max(w.BorderA1, w.BorderA2), 1);
    EXPECT_EQ(m.PlanNodeCount, 10);  // eight wall corners, two more for the lintel
    EXPECT_GT(m.DimensionCount, 0);

    // A saved masonry plan keeps its dimensions: they are never built again.
    DeckSession saved;
    ASSERT_TRUE(saved.Load(DeckFixture("masonry/MURATURA.CRP"))) << saved.Messages();
    ASSERT_EQ(saved.model.DimensionCount, 1);
    EXPECT_EQ(saved.model.Dimensions[0].Text, "400.00");
}

// A saved deck brings its geometry back unchanged: only the inner concrete-slab outlines are built
// again, and the design reference points 2 and 3, which the file does not hold, stay 0.
TEST(CompleteDeck, ASavedDeckRebuildsOnlyTheInnerConcreteSlabOutlines) {
    DeckSession completed, asRead;
    ASSERT_TRUE(completed.Load(DeckFixture("saved-d7/SALVATO7.CRP"))) << completed.Messages();
    ASSERT_TRUE(asRead.Load(DeckFixture("saved-d7/SALVATO7.CRP"), DeckCompletion{}));
    const Model& c = completed.model;
    Model expected = asRead.model;
    ASSERT_GE(c.PlanNodeCount, expected.PlanNodeCount);
    for (int32_t p = 0; p < expected.PlanNodeCount; ++p) EXPECT_EQ(c.PlanNodes[p], expected.PlanNodes[p]) << p;
    EXPECT_EQ(c.ConcreteSlabOutline2Count[0], 4);
    expected.PlanNodes = c.PlanNodes;
    expected.PlanNodeCount = c.PlanNodeCount;
    expected.ConcreteSlabOutline2 = c.ConcreteSlabOutline2;
    expected.ConcreteSlabOutline2Count = c.ConcreteSlabOutline2Count;
    EXPECT_EQ(c, expected);
    EXPECT_EQ(c.FloorSlabs[0].RefPoint2X, 0);
    EXPECT_EQ(c.FloorSlabs[0].RefPoint3Y, 0);
    EXPECT_EQ(c.FloorSlabs[0].DirectionGroup, 0);

    // Read twice in a row, it holds the same plan points after the second load.
    DeckSession again;
    ASSERT_TRUE(again.Load(DeckFixture("saved-d7/SALVATO7.CRP")));
    EXPECT_EQ(again.model, c);
}

// The outline along an eccentric beam, its area and its band lines are saved as the completion
// built them: each end of the beam's face keeps the offset of its own end.
TEST(CompleteDeck, AFloorSlabAlongAnEccentricBeamIsSavedWithItsOwnOutlineAreaAndBands) {
    ScratchFolder scratch("eccentric-beam");
    scratch.CopyArchiveFrom("fresh-frame");
    DeckSession fresh;
    ASSERT_TRUE(fresh.LoadText(scratch / "ECCENTRICA.CRP", EccentricBeamDeck)) << fresh.Messages();
    ASSERT_TRUE(fresh.Save(scratch / "A.CRP"));
    DeckSession saved;
    ASSERT_TRUE(saved.Load(scratch / "A.CRP")) << saved.Messages();

    for (const DeckSession* s : {&fresh, &saved}) {
        SCOPED_TRACE(s == &fresh ? "as built" : "as saved");
        const Model& m = s->model;
        ASSERT_EQ(m.FloorSlabOutlineCount.at(0), 4);
        const PlanPoint expected[] = {{15, 24.703f}, {485, 15.303f}, {485, 385}, {15, 385}};
        for (int32_t k = 0; k < 4; ++k) {
            const PlanPoint& p = m.PlanNodes.at(m.FloorSlabOutline[0][k]);
            EXPECT_NEAR(p.X, expected[k].X, 0.01) << k;
            EXPECT_NEAR(p.Y, expected[k].Y, 0.01) << k;
        }
        const FloorSlab& f = m.FloorSlabs[0];
        EXPECT_NEAR(f.Area, -171548.59, 0.05);
        EXPECT_NEAR(f.CentroidX, 251.01, 0.01);
        EXPECT_NEAR(f.CentroidY, 202.49, 0.01);
        const float bands[] = {f.StartBandX1, f.StartBandY1, f.StartBandX2, f.StartBandY2,
                               f.EndBandX1,   f.EndBandY1,   f.EndBandX2,   f.EndBandY2};
        const float expectedBands[] = {65, 23.703f, 65, 385, 405, 16.903f, 405, 385};
        for (int k = 0; k < 8; ++k) EXPECT_NEAR(bands[k], expectedBands[k], 0.01) << k;
    }
}

// The inner outline of a slab on a slanted beam has corners with more decimals than the file keeps.
// Rebuilt at every load, it must find the points its previous build saved, or the file would grow
// at every save.
TEST(CompleteDeck, ReloadingASlabOnASlantedBeamAddsNoPlanPoint) {
    ScratchFolder scratch("slanted-beam");
    scratch.CopyArchiveFrom("fresh-frame");
    DeckSession fresh;
    ASSERT_TRUE(fresh.LoadText(scratch / "OBLIQUA.CRP", SlantedBeamDeck)) << fresh.Messages();
    const Model& f = fresh.model;
    ASSERT_EQ(f.ConcreteSlabOutline2Count[0], 4);
    bool slantedCorner = false;
    for (int32_t k = 0; k < 4; ++k) {
        const PlanPoint& p = f.PlanNodes[f.ConcreteSlabOutline2[0][k]];
        slantedCorner = slantedCorner || KeepsItsDecimals(p.X) || KeepsItsDecimals(p.Y);
    }
    ASSERT_TRUE(slantedCorner);
    ASSERT_TRUE(fresh.Save(scratch / "A.CRP"));

    DeckSession second;
    ASSERT_TRUE(second.Load(scratch / "A.CRP")) << second.Messages();
    EXPECT_EQ(second.model.PlanNodeCount, f.PlanNodeCount);
    EXPECT_EQ(Row(second.model.ConcreteSlabOutline2, 0, 4), Row(f.ConcreteSlabOutline2, 0, 4));
    ASSERT_TRUE(second.Save(scratch / "B.CRP"));
    EXPECT_EQ(FileText(scratch / "B.CRP"), FileText(scratch / "A.CRP"));
}

}  // namespace
