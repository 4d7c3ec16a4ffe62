// A designed deck through its data file: the sections and bars come back as saved, and the design
// of a reloaded deck, whose file keeps no second and third reference points, lays the sections of
// the fresh import.
#include <gtest/gtest.h>

#include <string>

#include "design/DesignCommands.h"
#include "design/SectionPlacement.h"
#include "tests/design/RebarExpectations.h"
#include "tests/support/DeckSession.h"

namespace {

// Two slabs spanning along y, the second set 40 cm to the right of the first: H from (0, 0) to
// (500, 400), J from (40, 400) to (540, 800), between 30 cm beams on their edges.
const std::string OffsetDeck = DeckFixture("design-offset/SOLAI.CRP");

UpperRebar Upper(int32_t diameter, int32_t count, float y1, float y2, int32_t hooks) {
    return {.Diameter = diameter, .X1 = 235, .X2 = 235, .Y1 = y1, .Y2 = y2, .BarCount = count, .HookFlags = hooks};
}
LowerRebar Lower(int32_t diameter, int32_t count, float x, float y1, float y2, int32_t kind) {
    return {.Diameter = diameter, .X1 = x, .X2 = x, .Y1 = y1, .Y2 = y2, .BarCount = count, .Kind = kind};
}

// Across H and J at x = 250 (H's centroid), carried to the outer faces of the beams at y = 0 and
// y = 800. Upper bars to the left of the span direction (x 235), lower bars to its right.
void ExpectFreshDesign(const Model& m) {
    const ReinforcementSections& r = m.Reinforcement;
    ASSERT_EQ(r.ReinforcementSectionCount, 1);
    ASSERT_EQ(r.SectionSlabCount[0], 2);
    EXPECT_EQ(r.SectionSlabs[0][0], 0);
    EXPECT_EQ(r.SectionSlabs[0][1], 1);
    EXPECT_NEAR(r.ReinforcementSectionEnds[0][0].X, 250, BarEndTolerance);
    EXPECT_NEAR(r.ReinforcementSectionEnds[0][0].Y, -15, BarEndTolerance);
    EXPECT_NEAR(r.ReinforcementSectionEnds[0][1].Y, 815, BarEndTolerance);
    ExpectBars(UpperBars(m, 0), {Upper(12, 2, -13, 200, 1), Upper(12, 2, 200, 600, 0), Upper(12, 2, 600, 813, 2)});
    ExpectBars(LowerBars(m, 0), {Lower(5, 2, 270, -13, 400, 0), Lower(10, 4, 300, -13, 400, 1),
                                 Lower(5, 2, 285, 400, 813, 0), Lower(10, 4, 315, 400, 813, 1)});
}

TEST(DesignReload, FreshImportGetsOneSectionAcrossBothSlabs) {
    DeckSession deck;
    ASSERT_TRUE(deck.Load(OffsetDeck));
    DesignAllFloorSlabs(deck, deck.platform);
    ExpectFreshDesign(deck.model);
}

TEST(DesignReload, SavedSectionsAndBarsComeBackByteForByte) {
    DeckSession designed;
    ASSERT_TRUE(designed.Load(OffsetDeck));
    DesignAllFloorSlabs(designed, designed.platform);
    const std::string saved = designed.SavedText();
    ASSERT_NE(saved.find("SEZIONI"), std::string::npos);

    DeckSession reloaded;
    ASSERT_TRUE(reloaded.LoadText(OffsetDeck, saved));
    EXPECT_EQ(reloaded.slabDesign, 1);
    ExpectFreshDesign(reloaded.model);
    EXPECT_EQ(reloaded.SavedText(), saved);
}

TEST(DesignReload, ReferencePointsAreComputedAgainBeforeTheDesign) {
    DeckSession fresh;
    ASSERT_TRUE(fresh.Load(OffsetDeck));
    const std::string saved = fresh.SavedText();

    DeckSession reloaded;
    ASSERT_TRUE(reloaded.LoadText(OffsetDeck, saved));
    const FloorSlab& h = reloaded.model.FloorSlabs.at(0);
    ASSERT_EQ(h.RefPoint2X, 0);
    ASSERT_EQ(h.RefPoint3Y, 0);

    // Left at (0, 0), H's second point would lay a section along the model's left edge, through
    // the origin, that no reference point of the fresh import lays.
    DeckSession unmended;
    ASSERT_TRUE(unmended.LoadText(OffsetDeck, saved));
    unmended.editor.Sections.TargetSlab = 0;
    EXPECT_TRUE(PlaceReinforcementSection(unmended, unmended.messages, 0, 0, PlaceForDesignAll));
    const ReinforcementSections& wrong = unmended.model.Reinforcement;
    ASSERT_EQ(wrong.ReinforcementSectionCount, 1);
    EXPECT_EQ(wrong.SectionSlabCount[0], 1);
    const SectionSlabSpan& span = wrong.ReinforcementSectionSpans[0][0];
    for (float x : {span.X1, span.X2, wrong.ReinforcementSectionEnds[0][0].X, wrong.ReinforcementSectionEnds[0][1].X})
        EXPECT_NEAR(x, 0, BarEndTolerance);
    EXPECT_NEAR(span.Y1, 0, BarEndTolerance);
    EXPECT_NEAR(span.Y2, 400, BarEndTolerance);

    DesignAllFloorSlabs(reloaded, reloaded.platform);
    for (int32_t i = 0; i < 2; ++i) {
        const FloorSlab& r = reloaded.model.FloorSlabs.at(i);
        const FloorSlab& f = fresh.model.FloorSlabs.at(i);
        EXPECT_FLOAT_EQ(r.RefPoint2X, f.RefPoint2X) << "slab " << i;
        EXPECT_FLOAT_EQ(r.RefPoint2Y, f.RefPoint2Y) << "slab " << i;
        EXPECT_FLOAT_EQ(r.RefPoint3X, f.RefPoint3X) << "slab " << i;
        EXPECT_FLOAT_EQ(r.RefPoint3Y, f.RefPoint3Y) << "slab " << i;
    }
    ExpectFreshDesign(reloaded.model);
}

}  // namespace
