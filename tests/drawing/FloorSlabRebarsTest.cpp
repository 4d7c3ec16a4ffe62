#include "drawing/FloorSlabRebars.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/drawing/PlanFixture.h"

namespace {

constexpr int32_t HookStart = 1, HookEnd = 2;

LowerRebar Lower(float x1, float y1, float x2, float y2, int32_t count, int32_t diameter, int32_t hooks,
                 int32_t kind = 1) {
    LowerRebar b;
    b.X1 = x1, b.Y1 = y1, b.X2 = x2, b.Y2 = y2;
    b.BarCount = count, b.Diameter = diameter, b.HookFlags = hooks, b.Kind = kind;
    return b;
}

UpperRebar Upper(float x1, float y1, float x2, float y2, int32_t count, int32_t diameter, int32_t hooks) {
    UpperRebar b;
    b.X1 = x1, b.Y1 = y1, b.X2 = x2, b.Y2 = y2;
    b.BarCount = count, b.Diameter = diameter, b.HookFlags = hooks;
    return b;
}

// Floor slab 0 spans along x, slab 1 along y. Section 0 crosses slab 0 with bars 453 cm long;
// section 1 crosses slab 1; section 2 names a slab the table does not hold and section 3 none.
struct RebarDeck : PlanFixture {
    RebarDeck() {
        model.FloorSlabs.resize(2);
        model.FloorSlabs[0].Number = 1;
        model.FloorSlabs[1].Number = 2;
        model.FloorSlabs[1].SpanAngle = 90;
        model.FloorSlabCount = 2;
        ReinforcementSections& r = model.Reinforcement;
        r.ReinforcementSectionCount = 4;
        r.SectionSlabCount[0] = 1, r.SectionSlabs[0][0] = 0;
        r.SectionSlabCount[1] = 1, r.SectionSlabs[1][0] = 1;
        r.SectionSlabCount[2] = 1, r.SectionSlabs[2][0] = 7;
        r.SectionSlabCount[3] = 0;
        r.LowerRebarCount[0] = 2;
        r.LowerRebars[0][0] = Lower(100, 200, 553, 200, 3, 12, HookStart | HookEnd);
        r.LowerRebars[0][1] = Lower(100, 250, 553, 250, 3, 12, 0, 3);
        r.UpperRebarCount[0] = 2;
        r.UpperRebars[0][0] = Upper(100, 300, 553, 300, 2, 10, 0);
        r.UpperRebars[0][1] = Upper(100, 350, 553, 350, 2, 10, HookStart | HookEnd);
        r.LowerRebarCount[1] = 1;
        r.LowerRebars[1][0] = Lower(800, 100, 800, 400, 2, 14, HookStart);
        for (int s : {2, 3}) {
            r.LowerRebarCount[static_cast<size_t>(s)] = 1;
            r.LowerRebars[static_cast<size_t>(s)][0] = Lower(0, 900, 400, 900, 9, 9, HookStart);
        }
    }
    std::vector<DxfEntity> Rebars() { return OnLayer(DxfPass(), Layer(10)); }
    std::vector<std::string> Labels() {
        std::vector<std::string> texts;
        for (const DxfEntity& e : OnLayer(DxfPass(), Layer(19))) texts.push_back(e.Text);
        return texts;
    }
};

struct Segment {
    float x1, y1, x2, y2;
};

TEST(DrawFloorSlabRebars, LabelsGiveCountDiameterAndCutLengthWithTheHooks) {
    RebarDeck deck;
    // A lower bar is cut at its length rounded to 5 plus 15 per hook; an upper bar at its length
    // plus 30, hooks or not. Kind 3 names the two lower assembly bars in front.
    const std::vector<std::string> expected = {"3 \xD8" "12 L=485", "2 \xD8" "5+3 \xD8" "12 L=455",
                                               "2 \xD8" "10 L=485", "2 \xD8" "10 L=485", "2 \xD8" "14 L=315"};
    EXPECT_EQ(deck.Labels(), expected);

    deck.design.LowerAssemblyBarDiameter = 0;
    EXPECT_EQ(deck.Labels()[1], "3 \xD8" "12 L=455") << "no assembly bars, no assembly label";
}

TEST(DrawFloorSlabRebars, HooksStandAcrossTheSpanOfTheSectionsFirstSlab) {
    RebarDeck deck;
    const auto lines = deck.Rebars();
    // Section 0 (span along x): the lower bar's hooks upwards, then the bar; the upper bar without
    // hooks, then its oblique end marks pointing outwards and down; the hooked upper bar and its
    // hooks downwards. Section 1 (span along y): its hook turns to -x.
    const std::vector<Segment> expected = {
        {100, 200, 100, 215}, {553, 200, 553, 215}, {100, 200, 553, 200},
        {100, 250, 553, 250},
        {100, 300, 553, 300}, {100, 300, 89.4f, 289.4f}, {553, 300, 563.6f, 289.4f},
        {100, 350, 553, 350}, {100, 350, 100, 335}, {553, 350, 553, 335},
        {800, 100, 785, 100}, {800, 100, 800, 400},
    };
    ASSERT_EQ(lines.size(), expected.size()) << "sections 2 and 3 name no slab of the table and are left out";
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_NEAR(lines[i].X1, expected[i].x1, 1e-3) << "line " << i;
        EXPECT_NEAR(lines[i].Y1, expected[i].y1, 1e-3) << "line " << i;
        EXPECT_NEAR(lines[i].X2, expected[i].x2, 1e-3) << "line " << i;
        EXPECT_NEAR(lines[i].Y2, expected[i].y2, 1e-3) << "line " << i;
    }
}

TEST(DrawFloorSlabRebars, OnlyADxfPassMarksLowerAndUpperBarsWhenAsked) {
    RebarDeck deck;
    deck.dxf.DxfMarkUpperLowerBars = 1;
    const auto labels = deck.Labels();
    ASSERT_EQ(labels.size(), 5u);
    EXPECT_EQ(labels[0], "3 \xD8" "12 L=485 inf.");
    EXPECT_EQ(labels[2], "2 \xD8" "10 L=485 sup.");

    deck.CanvasPass();
    size_t rebarTexts = 0;
    for (const CanvasRecord& t : deck.canvas.RecordsOf(CanvasCall::Text)) {
        if (t.Text.find("L=") == std::string::npos) continue;
        ++rebarTexts;
        EXPECT_EQ(t.Text.find("inf."), std::string::npos);
        EXPECT_EQ(t.Text.find("sup."), std::string::npos);
    }
    EXPECT_EQ(rebarTexts, 5u);
}

TEST(DrawFloorSlabRebars, CountsBeyondTheTablesAreBounded) {
    RebarDeck deck;
    deck.model.Reinforcement.ReinforcementSectionCount = 5000;
    deck.model.Reinforcement.LowerRebarCount[0] = 1000;
    deck.model.Reinforcement.UpperRebarCount[0] = -3;
    const auto lines = deck.Rebars();
    EXPECT_GT(lines.size(), 0u);  // drawn without a read outside the tables
}

}  // namespace
