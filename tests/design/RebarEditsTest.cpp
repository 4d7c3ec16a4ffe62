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
        // Empty stretches move nothing.
        {UpperBar(0, 0, 300, 400), "", " ", 0, 0, 300, 400},
        // No direction: the ends stay where they are.
        {UpperBar(70, 70, 70, 70), "20", "30", 70, 70, 70, 70},
    };
    for (const auto& c : cases) {
        BarDeck d({c.Bar});
        d.Select(0, false);
        RebarEditorValues v = LoadRebarEditor(d).value();
        v.StretchStart = c.Start, v.StretchEnd = c.End;
        EXPECT_FALSE(ApplyRebarEditor(d, v));
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
    v.BarCount = "4,0", v.Diameter = " 14 ", v.StretchStart = "2.5", v.StretchEnd = "3.5";
    v.StartHooked = true, v.EndHooked = false;  // the right-hand start picture, the left-hand end one
    v.Length = "9999";
    EXPECT_FALSE(ApplyRebarEditor(d, v));
    EXPECT_EQ(d.Upper(0).BarCount, 4);
    EXPECT_EQ(d.Upper(0).Diameter, 14);
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
        EXPECT_FALSE(ApplyRebarEditor(d, typed));
    }
    EXPECT_EQ(d.Upper(0), before);
}

// What each field of the editor takes. A refused field names itself in the message and nothing of
// the dialog is stored, the other fields' good values included.
TEST(RebarEditor, TypedFieldsAreNumbersOrRefused) {
    using Field = RebarEditorField;
    const struct {
        Field Typed;
        const char* Text;
        std::optional<int32_t> Stored;  // the value stored; nothing: refused
    } cases[] = {
        {Field::BarCount, "3", 3},          {Field::BarCount, " 3,0 ", 3},  {Field::BarCount, "", {}},
        {Field::BarCount, "abc", {}},       {Field::BarCount, "12abc", {}}, {Field::BarCount, "0", {}},
        {Field::BarCount, "-2", {}},        {Field::BarCount, "4,5", {}},   {Field::BarCount, "1e10", {}},
        {Field::Diameter, "14", 14},        {Field::Diameter, "", {}},      {Field::Diameter, "0", {}},
        {Field::Diameter, "8.5", {}},       {Field::Diameter, "Ø12", {}},
        {Field::StretchStart, "", 0},       {Field::StretchStart, "  ", 0}, {Field::StretchStart, "2,5", 2},
        {Field::StretchStart, "-20", -20},  {Field::StretchStart, "+7", 7}, {Field::StretchStart, "abc", {}},
        {Field::StretchStart, "20cm", {}},  {Field::StretchStart, "1e12", {}},
        {Field::StretchEnd, "30,6", 31},    {Field::StretchEnd, "x", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Text);
        BarDeck d({UpperBar(100, 50, 500, 50, 2)});
        d.Select(0, false);
        d.editor.Rebar.BarStretchStart = 5, d.editor.Rebar.BarStretchEnd = 6;
        const UpperRebar before = d.Upper(0);
        RebarEditorValues v = LoadRebarEditor(d).value();
        v.StretchStart = v.StretchEnd = "0";
        v.StartHooked = true;  // a change the refusal must not store either
        std::string* field[] = {&v.StretchStart, &v.StretchEnd, &v.BarCount, &v.Diameter};
        *field[static_cast<size_t>(c.Typed)] = c.Text;
        const std::optional<RebarEditorRefusal> refusal = ApplyRebarEditor(d, v);
        if (c.Stored) {
            ASSERT_FALSE(refusal) << refusal->Message;
            const int32_t stored[] = {d.editor.Rebar.BarStretchStart, d.editor.Rebar.BarStretchEnd, d.Upper(0).BarCount,
                                      d.Upper(0).Diameter};
            EXPECT_EQ(stored[static_cast<size_t>(c.Typed)], *c.Stored);
            continue;
        }
        ASSERT_TRUE(refusal);
        EXPECT_EQ(refusal->Field, c.Typed);
        EXPECT_NE(refusal->Message.find(std::string("\"") + c.Text + "\""), std::string::npos) << refusal->Message;
        EXPECT_EQ(d.Upper(0), before);
        EXPECT_EQ(d.editor.Rebar.BarStretchStart, 5);
        EXPECT_EQ(d.editor.Rebar.BarStretchEnd, 6);
    }
}

// Each field's message, in both languages; of several refused fields the first one is named.
TEST(RebarEditor, RefusalsNameTheirField) {
    const struct {
        const char *StretchStart, *StretchEnd, *BarCount, *Diameter;
        const char *Italian, *English;
    } cases[] = {
        {"abc", "x", "", "", "L'allungamento del lato iniziale \"abc\" non è un numero: il ferro non è stato modificato.",
         "The stretch of the left side \"abc\" is not a number: the bar was not changed."},
        {"0", "x", "", "", "L'allungamento del lato finale \"x\" non è un numero: il ferro non è stato modificato.",
         "The stretch of the right side \"x\" is not a number: the bar was not changed."},
        {"0", "0", "", "",
         "Il numero di ferri \"\" non è un numero intero maggiore di 0: il ferro non è stato modificato.",
         "The number of bars \"\" is not a whole number above 0: the bar was not changed."},
        {"0", "0", "2", "0",
         "Il diametro \"0\" non è un numero intero di mm maggiore di 0: il ferro non è stato modificato.",
         "The diameter \"0\" is not a whole number of mm above 0: the bar was not changed."},
    };
    for (const auto& c : cases)
        for (const int32_t language : {0, 1}) {
            BarDeck d({UpperBar(100, 50, 500, 50)});
            d.Select(0, false);
            d.shell.Languages.UiLanguage = language;
            RebarEditorValues v = LoadRebarEditor(d).value();
            v.StretchStart = c.StretchStart, v.StretchEnd = c.StretchEnd, v.BarCount = c.BarCount, v.Diameter = c.Diameter;
            const std::optional<RebarEditorRefusal> refusal = ApplyRebarEditor(d, v);
            ASSERT_TRUE(refusal);
            EXPECT_EQ(refusal->Message, language == 0 ? c.Italian : c.English);
        }
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
