#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "design/DesignCommands.h"
#include "design/SectionPlacement.h"
#include "tests/design/SlabRowDeck.h"

namespace {

// Three slabs along x; three diagram points each (0, 250, 500 cm): top steel over the supports,
// bottom steel at mid-span.
struct ThreeSlabs : SlabRowDeck {
    explicit ThreeSlabs(const std::vector<float>& angles = {0, 0, 0}) : SlabRowDeck(angles) {
        Diagram(0, {2.0f, 0, 2.0f}, {0, 3.0f, 0});
        Diagram(1, {2.5f, 0, 2.0f}, {0, 3.0f, 0});
        Diagram(2, {2.0f, 0, 2.0f}, {0, 1.0f, 0});
    }
};

void ExpectSpan(const SectionSlabSpan& span, PlanPoint in, PlanPoint out) {
    EXPECT_NEAR(span.X1, in.X, BarEndTolerance);
    EXPECT_NEAR(span.Y1, in.Y, BarEndTolerance);
    EXPECT_NEAR(span.X2, out.X, BarEndTolerance);
    EXPECT_NEAR(span.Y2, out.Y, BarEndTolerance);
}

void ExpectEnds(const ReinforcementSections& r, int32_t s, PlanPoint start, PlanPoint end) {
    EXPECT_NEAR(r.ReinforcementSectionEnds[s][0].X, start.X, BarEndTolerance);
    EXPECT_NEAR(r.ReinforcementSectionEnds[s][0].Y, start.Y, BarEndTolerance);
    EXPECT_NEAR(r.ReinforcementSectionEnds[s][1].X, end.X, BarEndTolerance);
    EXPECT_NEAR(r.ReinforcementSectionEnds[s][1].Y, end.Y, BarEndTolerance);
}

TEST(DesignAllFloorSlabs, OneSectionAcrossTheRowWithItsBars) {
    ThreeSlabs deck;
    deck.shell.Document.SlabDesignState = 1;
    DesignAllFloorSlabs(deck, deck.platform);

    const ReinforcementSections& r = deck.Sections();
    // The centroid of slab 0 lays the section; every other reference point finds the row covered.
    ASSERT_EQ(r.ReinforcementSectionCount, 1);
    EXPECT_EQ(deck.SlabsOf(0), (std::vector<int32_t>{0, 1, 2}));
    for (int32_t j = 0; j < 3; ++j)
        ExpectSpan(r.ReinforcementSectionSpans[0][j], {500.0f * j, 200}, {500.0f * j + 500, 200});
    // Carried from the beam axes at x 0 and 1500 to their outer faces.
    ExpectEnds(r, 0, {-15, 200}, {1515, 200});

    ExpectBars(UpperBars(deck.model, 0), {
                                             UpperAlongX(12, 2, -13, 250, 215, 1),
                                             // 2.5 cm² over the first inner support: four 10 mm bars.
                                             UpperAlongX(10, 4, 250, 750, 215, 0),
                                             UpperAlongX(12, 2, 750, 1250, 215, 0),
                                             UpperAlongX(12, 2, 1250, 1513, 215, 2),
                                         });
    ExpectBars(LowerBars(deck.model, 0), {
                                             LowerAlongX(5, 2, -13, 500, 180, 0),
                                             LowerAlongX(10, 4, -13, 500, 150, 1),
                                             LowerAlongX(5, 2, 500, 1000, 165, 0),
                                             LowerAlongX(10, 4, 500, 1000, 135, 1),
                                             LowerAlongX(5, 2, 1000, 1513, 180, 0),
                                             // 1.0 less the assembly bars' 0.393: one 10 mm bar.
                                             LowerAlongX(10, 1, 1000, 1513, 150, 1),
                                         });
    EXPECT_EQ(deck.shell.Document.SlabDesignState, SlabDesignPresent);
    EXPECT_FALSE(deck.canvas.RecordsOf(CanvasCall::Clear).empty()) << "the plan is redrawn";
    EXPECT_TRUE(deck.messages.Shown().empty());
}

TEST(DesignAllFloorSlabs, RowsFollowTheSpanAnglesAsStored) {
    struct Case {
        std::vector<float> angles;
        std::vector<std::vector<int32_t>> sections;
    } cases[] = {
        {{0, 0, 0}, {{0, 1, 2}}},
        {{0, 90, 0}, {{0}, {1}, {2}}},
        {{0, 180, 0}, {{0}, {1}, {2}}},
        {{359.95f, 0, 0}, {{0}, {1, 2}}},
    };
    for (const Case& c : cases) {
        ThreeSlabs deck(c.angles);
        DesignAllFloorSlabs(deck, deck.platform);
        std::vector<std::vector<int32_t>> sections;
        for (int32_t s = 0; s < deck.Sections().ReinforcementSectionCount; ++s) sections.push_back(deck.SlabsOf(s));
        EXPECT_EQ(sections, c.sections) << "angles " << c.angles[0] << ", " << c.angles[1] << ", " << c.angles[2];
    }
}

TEST(PlaceReinforcementSection, KeepsTheRowThatHoldsTheTarget) {
    // Slab 1 spans across the others: along y = 200 slabs 0 and 2 form two rows.
    ThreeSlabs deck({0, 90, 0});
    // A point outside every slab still lays the section along the target's span.
    EXPECT_TRUE(deck.Place(2, -50, 200, PlaceForDesignAll));
    EXPECT_EQ(deck.SlabsOf(0), std::vector<int32_t>{2});
    ExpectSpan(deck.Sections().ReinforcementSectionSpans[0][0], {1000, 200}, {1500, 200});
    ExpectEnds(deck.Sections(), 0, {985, 200}, {1515, 200});

    EXPECT_TRUE(deck.Place(1, 750, 100, PlaceForDesignAll));
    EXPECT_EQ(deck.SlabsOf(1), std::vector<int32_t>{1});
    ExpectSpan(deck.Sections().ReinforcementSectionSpans[1][0], {750, 0}, {750, 400});
    ExpectEnds(deck.Sections(), 1, {750, -15}, {750, 415});
    // A row a section covers is skipped without a word in design-all mode.
    EXPECT_FALSE(deck.Place(2, 1250, 300, PlaceForDesignAll));
    EXPECT_EQ(deck.Sections().ReinforcementSectionCount, 2);
    EXPECT_TRUE(deck.messages.Shown().empty());
}

TEST(PlaceReinforcementSection, EndsAreCarriedToTheFacesOfWallsWhereNoBeamIs) {
    SlabRowDeck deck({0, 0}, true);
    EXPECT_TRUE(deck.Place(0, 250, 200, PlaceByUser));
    ExpectEnds(deck.Sections(), 0, {-15, 200}, {1015, 200});
}

TEST(PlaceReinforcementSection, AsksBeforeASecondSectionOnACoveredRow) {
    struct Case {
        int32_t language;
        const char* text;
    } cases[] = {
        {0, "Il solaio selezionato è già stato progettato.\nVuoi inserire una nuova sezione?"},
        {1, "The selected floor slabs has already been designed.\nDo you want to insert a new section?"},
    };
    for (const Case& c : cases) {
        ThreeSlabs deck;
        deck.shell.Languages.UiLanguage = c.language;
        DesignAllFloorSlabs(deck, deck.platform);
        const Model designed = deck.model;

        deck.messages.Script({MsgAnswer::No, MsgAnswer::Yes});
        EXPECT_FALSE(deck.Place(1, 750, 300, PlaceByUser));
        EXPECT_EQ(deck.model, designed);
        EXPECT_TRUE(deck.Place(1, 750, 300, PlaceByUser));
        ASSERT_EQ(deck.messages.Shown().size(), 2u);
        for (const ShownMessage& m : deck.messages.Shown()) {
            EXPECT_EQ(m.Title, "Attenzione");
            EXPECT_EQ(m.Text, c.text);
            EXPECT_EQ(m.Buttons, MsgButtons::YesNo);
        }
        ASSERT_EQ(deck.Sections().ReinforcementSectionCount, 2);
        ExpectEnds(deck.Sections(), 1, {-15, 300}, {1515, 300});
        ExpectBars(UpperBars(deck.model, 1),
                   {UpperAlongX(12, 2, -13, 250, 315, 1), UpperAlongX(10, 4, 250, 750, 315, 0),
                    UpperAlongX(12, 2, 750, 1250, 315, 0), UpperAlongX(12, 2, 1250, 1513, 315, 2)});
    }
}

TEST(PlaceReinforcementSection, RowThatDiffersByOneSlabIsNotAskedAbout) {
    ThreeSlabs deck;
    ReinforcementSections& r = deck.model.Reinforcement;
    r.ReinforcementSectionCount = 1;
    r.SectionSlabCount[0] = 2;
    r.SectionSlabs[0][0] = 0;
    r.SectionSlabs[0][1] = 1;
    EXPECT_TRUE(deck.Place(0, 250, 200, PlaceByUser));
    EXPECT_TRUE(deck.messages.Shown().empty());
    EXPECT_EQ(deck.SlabsOf(1), (std::vector<int32_t>{0, 1, 2}));
}

TEST(PlaceReinforcementSection, MovedSectionIsRebuiltInPlace) {
    ThreeSlabs deck;
    DesignAllFloorSlabs(deck, deck.platform);
    deck.shell.Document.SlabDesignState = 1;

    EXPECT_TRUE(deck.Place(0, 250, 300, PlaceMovedSection, 0));
    EXPECT_EQ(deck.Sections().ReinforcementSectionCount, 1);
    ExpectEnds(deck.Sections(), 0, {-15, 300}, {1515, 300});
    ExpectBars(LowerBars(deck.model, 0),
               {LowerAlongX(5, 2, -13, 500, 280, 0), LowerAlongX(10, 4, -13, 500, 250, 1),
                LowerAlongX(5, 2, 500, 1000, 265, 0), LowerAlongX(10, 4, 500, 1000, 235, 1),
                LowerAlongX(5, 2, 1000, 1513, 280, 0), LowerAlongX(10, 1, 1000, 1513, 250, 1)});
    EXPECT_EQ(deck.shell.Document.SlabDesignState, 1) << "a move leaves the design state";
    EXPECT_TRUE(deck.messages.Shown().empty());

    // Dragged off every slab: the section keeps what it had.
    const Model moved = deck.model;
    EXPECT_FALSE(deck.Place(0, 250, 600, PlaceMovedSection, 0));
    EXPECT_EQ(deck.model, moved);
    // A section number that designates no section changes nothing.
    EXPECT_FALSE(deck.Place(0, 250, 100, PlaceMovedSection, 1));
    EXPECT_EQ(deck.model, moved);
}

TEST(DeleteReinforcementSection, LaterSectionsMoveDownWithTheirBars) {
    ThreeSlabs deck({0, 90, 0});
    DesignAllFloorSlabs(deck, deck.platform);
    ASSERT_EQ(deck.Sections().ReinforcementSectionCount, 3);
    const Model before = deck.model;
    deck.canvas.ClearRecords();

    DeleteReinforcementSection(deck, deck.platform, 1);
    const ReinforcementSections& r = deck.Sections();
    EXPECT_EQ(r.ReinforcementSectionCount, 2);
    EXPECT_EQ(deck.SlabsOf(0), std::vector<int32_t>{0});
    EXPECT_EQ(deck.SlabsOf(1), std::vector<int32_t>{2});
    EXPECT_EQ(r.ReinforcementSectionEnds[1], before.Reinforcement.ReinforcementSectionEnds[2]);
    EXPECT_EQ(UpperBars(deck.model, 1), UpperBars(before, 2));
    EXPECT_EQ(LowerBars(deck.model, 1), LowerBars(before, 2));
    EXPECT_FALSE(deck.canvas.RecordsOf(CanvasCall::Clear).empty());

    // Deleting the last section leaves the design state as it was.
    DeleteReinforcementSection(deck, deck.platform, 1);
    DeleteReinforcementSection(deck, deck.platform, 0);
    EXPECT_EQ(r.ReinforcementSectionCount, 0);
    EXPECT_EQ(deck.shell.Document.SlabDesignState, SlabDesignPresent);
    const Model empty = deck.model;
    DeleteReinforcementSection(deck, deck.platform, 0);
    EXPECT_EQ(deck.model, empty);
}

std::string OnlyMessage(const HeadlessMessageBoxes& messages) {
    return messages.Shown().size() == 1 ? messages.Shown().front().Text
                                        : std::to_string(messages.Shown().size()) + " messages";
}

TEST(PlaceReinforcementSection, TableLimitsAreToldAndNothingIsWritten) {
    {
        ThreeSlabs deck;
        deck.model.Reinforcement.ReinforcementSectionCount = ReinforcementSections::MaxSections;
        const Model full = deck.model;
        EXPECT_FALSE(deck.Place(0, 250, 200, PlaceByUser));
        EXPECT_EQ(deck.model, full);
        EXPECT_EQ(OnlyMessage(deck.messages),
                  "Non è possibile inserire altre sezioni di armatura: il limite è di 101 sezioni.");
        EXPECT_EQ(deck.messages.Shown().front().Icon, MsgIcon::Exclamation);
    }
    {
        // 26 slabs are the most one line may cross; design all tells the 27th once.
        SlabRowDeck fits(std::vector<float>(26, 0));
        EXPECT_TRUE(fits.Place(0, 250, 200, PlaceByUser));
        EXPECT_EQ(fits.SlabsOf(0).size(), 26u);

        SlabRowDeck deck(std::vector<float>(27, 0));
        deck.shell.Languages.UiLanguage = 1;
        DesignAllFloorSlabs(deck, deck.platform);
        EXPECT_EQ(deck.Sections().ReinforcementSectionCount, 0);
        EXPECT_EQ(OnlyMessage(deck.messages),
                  "The section line crosses more than 26 floor slabs of the same span "
                  "direction: the section was not inserted.");
    }
    {
        // A comb-shaped slab whose teeth the line crosses 22 times.
        SlabRowDeck deck({0});
        std::vector<int32_t>& polygon = deck.model.FloorSlabModelPolygon[0];
        polygon = {0, 1};
        for (int32_t k = 0; k <= 20; ++k) {
            polygon.push_back(deck.model.NodeCount++);
            deck.model.Nodes.push_back({0, 500 - 25.0f * k, k % 2 == 0 ? 300.0f : 100.0f, -1});
        }
        deck.model.FloorSlabs[0].VertexCount = static_cast<int32_t>(polygon.size());
        EXPECT_FALSE(deck.Place(0, 250, 200, PlaceByUser));
        EXPECT_EQ(deck.Sections().ReinforcementSectionCount, 0);
        EXPECT_EQ(OnlyMessage(deck.messages),
                  "La linea della sezione attraversa il contorno di un solaio più di 11 "
                  "volte: la sezione non è stata inserita.");
    }
}

}  // namespace
