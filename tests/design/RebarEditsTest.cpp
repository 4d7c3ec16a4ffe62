// Single rebars edited without a new design: the rebar editor's values and its OK, the extension
// onto a target line and the removal from a section.
#include <gtest/gtest.h>

#include <cmath>

#include "design/RebarEditor.h"
#include "design/RebarEdits.h"
#include "tests/design/RebarExpectations.h"
#include "tests/support/SectionBars.h"

namespace {

// Section 0 with the given upper and lower bars; the upper bar 0 is the one selected.
struct BarDeck : Session {
    BarDeck(std::vector<UpperRebar> upper, std::vector<LowerRebar> lower = {}) {
        SetSectionBars(model.Reinforcement, upper, lower);
    }
    UpperRebar& Upper(size_t k) { return model.Reinforcement.UpperRebars[0][k]; }
    LowerRebar& Lower(size_t k) { return model.Reinforcement.LowerRebars[0][k]; }
    void Select(int32_t bar, bool lower) {
        RebarToolState& r = editor.Rebar;
        r.SelectedBarSection = 0, r.SelectedBar = bar, r.SelectedBarIsLower = lower ? 1 : 0;
    }
};

TEST(RebarEditor, OkWithoutChangesKeepsTheBar) {
    BarDeck d({UpperBar(100, 50, 500, 50, 2)}, {LowerBar(0, 0, 400, 0, 1)});
    for (const bool lower : {false, true}) {
        d.Select(0, lower);
        const UpperRebar upper = d.Upper(0);
        const LowerRebar lowerBar = d.Lower(0);
        ApplyRebarEditor(d, LoadRebarEditor(d).value());
        EXPECT_EQ(d.Upper(0), upper);
        EXPECT_EQ(d.Lower(0), lowerBar);
    }
}

TEST(RebarEditor, ShowsTheBarWithTheLengthOfItsLabel) {
    const struct {
        bool Lower;
        int32_t Hooks;
        const char* Length;
    } cases[] = {{true, 1, "415"}, {true, 0, "400"}, {true, 3, "430"}, {false, 0, "430"}, {false, 3, "430"}};
    for (const auto& c : cases) {
        BarDeck d({UpperBar(100, 50, 500, 50, c.Hooks)}, {LowerBar(100, 0, 500, 0, c.Hooks)});
        d.Select(0, c.Lower);
        d.editor.Rebar.BarStretchStart = 0, d.editor.Rebar.BarStretchEnd = -4;
        const RebarEditorValues v = LoadRebarEditor(d).value();
        EXPECT_EQ(v.Length, c.Length);
        EXPECT_EQ(v.IsLower, c.Lower);
        EXPECT_EQ(v.BarCount, c.Lower ? "3" : "2");
        EXPECT_EQ(v.Diameter, c.Lower ? "10" : "12");
        EXPECT_EQ(v.StretchStart, "0");
        EXPECT_EQ(v.StretchEnd, "-4");
        EXPECT_EQ(v.StartHooked, (c.Hooks & 1) != 0);
        EXPECT_EQ(v.EndHooked, (c.Hooks & 2) != 0);
    }
}

TEST(RebarEditor, StretchesMoveTheEndsAlongTheBar) {
    const struct {
        UpperRebar Bar;
        const char *Start, *End;
        float X1, Y1, X2, Y2;
    } cases[] = {
        {UpperBar(100, 50, 500, 50), "20", "30", 80, 50, 530, 50},
        {UpperBar(500, 50, 100, 50), "20", "30", 520, 50, 70, 50},
        {UpperBar(100, 50, 500, 50), "-20", "-30", 120, 50, 470, 50},
        // Direction (0.6, 0.8): the ends stay on the line through the bar.
        {UpperBar(0, 0, 300, 400), "10", "2,5", -6, -8, 301.2f, 401.6f},
        {UpperBar(0, 0, 300, 400), "abc", "", 0, 0, 300, 400},
        // No direction: the ends stay where they are.
        {UpperBar(70, 70, 70, 70), "20", "30", 70, 70, 70, 70},
    };
    for (const auto& c : cases) {
        BarDeck d({c.Bar});
        d.Select(0, false);
        RebarEditorValues v = LoadRebarEditor(d).value();
        v.StretchStart = c.Start, v.StretchEnd = c.End;
        ApplyRebarEditor(d, v);
        const UpperRebar& b = d.Upper(0);
        EXPECT_NEAR(b.X1, c.X1, BarEndTolerance) << c.Start << " " << c.End;
        EXPECT_NEAR(b.Y1, c.Y1, BarEndTolerance);
        EXPECT_NEAR(b.X2, c.X2, BarEndTolerance);
        EXPECT_NEAR(b.Y2, c.Y2, BarEndTolerance);
    }
}

TEST(RebarEditor, OkStoresCountDiameterHooksAndStretches) {
    BarDeck d({UpperBar(100, 50, 500, 50, 2)});
    d.Select(0, false);
    RebarEditorValues v = LoadRebarEditor(d).value();
    v.BarCount = "4,5", v.Diameter = "", v.StretchStart = "2.5", v.StretchEnd = "3.5";
    v.StartHooked = true, v.EndHooked = false;  // the right-hand start picture, the left-hand end one
    v.Length = "9999";
    ApplyRebarEditor(d, v);
    EXPECT_EQ(d.Upper(0).BarCount, 4);
    EXPECT_EQ(d.Upper(0).Diameter, 0);
    EXPECT_EQ(d.Upper(0).HookFlags, 1);
    EXPECT_EQ(d.editor.Rebar.BarStretchStart, 2);
    EXPECT_EQ(d.editor.Rebar.BarStretchEnd, 4);
    EXPECT_NEAR(d.Upper(0).X1, 98, BarEndTolerance);
    EXPECT_NEAR(d.Upper(0).X2, 504, BarEndTolerance);
}

TEST(RebarEditor, SelectionOfNoBarShowsNothingAndChangesNothing) {
    BarDeck d({UpperBar(100, 50, 500, 50)});
    const UpperRebar before = d.Upper(0);
    for (const auto& [section, bar, lower] : {std::tuple{0, 1, 0}, {0, 0, 1}, {1, 0, 0}, {-1, 0, 0}, {0, -1, 0}}) {
        RebarToolState& r = d.editor.Rebar;
        r.SelectedBarSection = section, r.SelectedBar = bar, r.SelectedBarIsLower = lower;
        EXPECT_FALSE(LoadRebarEditor(d));
        RebarEditorValues typed;
        typed.BarCount = "9", typed.StartHooked = true;
        ApplyRebarEditor(d, typed);
    }
    EXPECT_EQ(d.Upper(0), before);
}

// The target line x = 300 for bars along x, or the line y = 300.
TEST(RebarExtension, NearerEndMovesOntoTheLineShortOfIt) {
    const struct {
        UpperRebar Bar;
        float Cover;
        float X1, Y1, X2, Y2;
    } cases[] = {
        {UpperBar(0, 100, 200, 100), 2, 0, 100, 298, 100},      // lengthened at its end
        {UpperBar(350, 100, 600, 100), 2, 302, 100, 600, 100},  // lengthened at its start
        {UpperBar(0, 100, 400, 100), 2, 0, 100, 298, 100},      // trimmed: the crossing is nearer the end
        {UpperBar(100, 100, 500, 100), 0, 100, 100, 300, 100},  // as near both ends: the end moves
        {UpperBar(200, 100, 800, 100), 0, 300, 100, 800, 100},
        {UpperBar(600, 100, 350, 100), 2, 600, 100, 302, 100},  // stored from right to left
    };
    for (const auto& c : cases) {
        BarDeck d({c.Bar});
        const RebarFields bar = RebarAt(d.model, 0, 0, 0).value();
        EXPECT_EQ(ExtendRebarToLine(bar, 300, -50, 300, 900, c.Cover), RebarExtension::Moved);
        EXPECT_NEAR(bar.X1, c.X1, BarEndTolerance) << c.Bar;
        EXPECT_NEAR(bar.Y1, c.Y1, BarEndTolerance);
        EXPECT_NEAR(bar.X2, c.X2, BarEndTolerance) << c.Bar;
        EXPECT_NEAR(bar.Y2, c.Y2, BarEndTolerance);
    }
}

// A bar falling to the right more steeply than 1.04 rad stops short of the line on its own side,
// as every other bar does.
TEST(RebarExtension, SteepBarStopsShortOfTheLine) {
    BarDeck d({UpperBar(100, 500, 200, 100), UpperBar(100, 100, 200, 500)});
    for (const int32_t k : {0, 1}) {
        const RebarFields bar = RebarAt(d.model, 0, k, 0).value();
        const float startY = bar.Y1;
        EXPECT_EQ(ExtendRebarToLine(bar, 0, 300, 900, 300, 10), RebarExtension::Moved);
        // The end was nearer (both are 200 from the crossing): it moves to 10 cm short of y = 300.
        EXPECT_NEAR(std::hypot(bar.X2 - 150, bar.Y2 - 300), 10, BarEndTolerance);
        EXPECT_EQ(bar.Y2 < 300, startY < 300) << "on the start's side of the line";
        EXPECT_EQ(bar.Y1, startY);
    }
}

TEST(RebarExtension, ParallelLineOrBarWithoutLengthMovesNothing) {
    BarDeck d({UpperBar(0, 100, 200, 100), UpperBar(50, 50, 50, 50)});
    const UpperRebar first = d.Upper(0), second = d.Upper(1);
    EXPECT_EQ(ExtendRebarToLine(RebarAt(d.model, 0, 0, 0).value(), 0, 300, 900, 300, 2), RebarExtension::NoCrossing);
    EXPECT_EQ(ExtendRebarToLine(RebarAt(d.model, 0, 0, 0).value(), 300, 100, 900, 100, 2), RebarExtension::NoCrossing);
    EXPECT_EQ(ExtendRebarToLine(RebarAt(d.model, 0, 1, 0).value(), 300, 0, 300, 900, 2), RebarExtension::NoCrossing);
    EXPECT_EQ(d.Upper(0), first);
    EXPECT_EQ(d.Upper(1), second);
}

TEST(RebarRemoval, LaterBarsMoveDownOnePlace) {
    BarDeck d({UpperBar(0, 0, 100, 0), UpperBar(0, 10, 100, 10), UpperBar(0, 20, 100, 20)},
              {LowerBar(0, 0, 100, 0)});
    const UpperRebar second = d.Upper(1), third = d.Upper(2);
    EXPECT_TRUE(RemoveRebar(d.model, 0, 0, 0));
    EXPECT_EQ(d.model.Reinforcement.UpperRebarCount[0], 2);
    EXPECT_EQ(d.Upper(0), second);
    EXPECT_EQ(d.Upper(1), third);

    EXPECT_TRUE(RemoveRebar(d.model, 0, 0, 1));
    EXPECT_EQ(d.model.Reinforcement.LowerRebarCount[0], 0);
    EXPECT_FALSE(RemoveRebar(d.model, 0, 0, 1));
    EXPECT_FALSE(RemoveRebar(d.model, 0, 2, 0));
    EXPECT_FALSE(RemoveRebar(d.model, 1, 0, 0));
    EXPECT_EQ(d.model.Reinforcement.UpperRebarCount[0], 2);
}

TEST(RebarRemoval, FullSection) {
    std::vector<UpperRebar> bars;
    for (int k = 0; k < ReinforcementSections::MaxRebars; ++k) bars.push_back(UpperBar(0, float(k), 100, float(k)));
    BarDeck d(bars);
    EXPECT_TRUE(RemoveRebar(d.model, 0, 70, 0));
    EXPECT_TRUE(RemoveRebar(d.model, 0, 3, 0));
    EXPECT_EQ(d.model.Reinforcement.UpperRebarCount[0], 69);
    EXPECT_EQ(d.Upper(3).Y1, 4);
    EXPECT_EQ(d.Upper(68).Y1, 69);
}

}  // namespace
