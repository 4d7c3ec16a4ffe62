#include "editing/RebarGraphicEdit.h"

#include <gtest/gtest.h>

#include <cmath>

#include "drawing/LayerDefaults.h"
#include "tests/editing/RebarDeck.h"

namespace {

// Upper bar 0 from (100, 300) to (500, 300), on the canvas from (100, 300) to (500, 300); lower
// bar 0 from (100, 200) to (500, 200).
struct GripDeck : RebarDeck {
    explicit GripDeck(UpperRebar upper = UpperBar(100, 300, 500, 300, 1)) : RebarDeck({upper}, {LowerBar(100, 200, 500, 200)}) {}

    // The pick of upper bar 0 with the editor's graphic-edit button, grips shown.
    void StartGraphicEdit(float x = 300, float y = 300) {
        host.RebarEditorAnswer = [this] { editor.InteractionState = Mode::RebarGrips; };
        Tool(Mode::PickRebarToEdit);
        Click(LeftButton, x, y);
    }
    std::vector<CanvasRecord> Grips() const { return Overlay(CanvasCall::Box); }
};

void ExpectLine(const CanvasRecord& r, float x1, float y1, float x2, float y2, ColourRef colour) {
    EXPECT_NEAR(r.X1, x1, 0.01) << r.X1 << "," << r.Y1 << " - " << r.X2 << "," << r.Y2;
    EXPECT_NEAR(r.Y1, y1, 0.01);
    EXPECT_NEAR(r.X2, x2, 0.01);
    EXPECT_NEAR(r.Y2, y2, 0.01);
    EXPECT_EQ(r.Colour, colour);
}

TEST(RebarPick, UpperBarIsHighlightedWithItsEndMarksAndEdited) {
    GripDeck d;
    d.Tool(Mode::PickRebarToEdit);
    d.Click(LeftButton, 300, 304);
    EXPECT_EQ(d.host.RebarEditorShown, 1);
    EXPECT_EQ(d.editor.Rebar.SelectedBarIsLower, 0);
    EXPECT_EQ(d.editor.Rebar.SelectedBar, 0);
    const std::vector<CanvasRecord> lines = d.Overlay(CanvasCall::Line);
    ASSERT_EQ(lines.size(), 3u);
    const ColourRef yellow = StandardColour(14);
    ExpectLine(lines[0], 100, 300, 500, 300, yellow);
    ExpectLine(lines[1], 100, 300, 100, 315, yellow);  // hooked start: across the span
    ExpectLine(lines[2], 500, 300, 515, 315, yellow);  // straight end: slanted outwards
    // The editor was closed: the tool ends with the plan redrawn.
    EXPECT_EQ(d.mode(), Mode::Idle);
    EXPECT_EQ(d.Redraws(), 1u);
}

TEST(RebarPick, LowerBarGetsItsLineOnly) {
    GripDeck d;
    d.Tool(Mode::PickRebarToEdit);
    d.Click(LeftButton, 300, 400);
    EXPECT_EQ(d.editor.Rebar.SelectedBarIsLower, 1);
    ASSERT_EQ(d.Overlay(CanvasCall::Line).size(), 1u);
    ExpectLine(d.Overlay(CanvasCall::Line)[0], 100, 400, 500, 400, StandardColour(14));
}

TEST(RebarPick, NoBarOrNoSection) {
    GripDeck d;
    d.editor.Rebar.BarStretchStart = 9;
    d.Tool(Mode::PickRebarToEdit);
    d.Click(LeftButton, 300, 100);
    EXPECT_EQ(d.mode(), Mode::PickRebarToEdit);
    EXPECT_EQ(d.host.RebarEditorShown, 0);
    EXPECT_EQ(d.editor.Rebar.BarStretchStart, 9);

    d.model.Reinforcement.ReinforcementSectionCount = 0;
    d.Click(LeftButton, 300, 300);
    EXPECT_EQ(d.mode(), Mode::Idle);
    EXPECT_EQ(d.host.RebarEditorShown, 0);
    ASSERT_FALSE(d.host.Texts.empty());
    EXPECT_EQ(d.host.Texts.back(), std::pair(PromptPanel, std::string()));
}

TEST(RebarGrips, GraphicEditShowsTheGripsOnTheBarAsPicked) {
    GripDeck d;
    d.editor.Rebar.ActiveGrip = 2;  // left from an earlier edit
    d.StartGraphicEdit();
    EXPECT_EQ(d.mode(), Mode::RebarGrips);
    EXPECT_EQ(d.Redraws(), 0u);
    EXPECT_EQ(d.editor.Reference.RefP1ScreenX, 100);
    EXPECT_EQ(d.editor.Reference.RefP2ScreenX, 500);
    EXPECT_EQ(d.editor.Rebar.BarStretchStart, 0);
    const std::vector<CanvasRecord> grips = d.Grips();
    ASSERT_EQ(grips.size(), 3u);
    for (const CanvasRecord& g : grips) EXPECT_EQ(g.Colour, StandardColour(9));
    EXPECT_EQ(grips[1].X1, 295);  // the middle
}

TEST(RebarGrips, GripSquaresAreStrictAndTriedStartFirst) {
    const struct {
        float X1, X2;  // the bar at y 300
        float ClickX, ClickY;
        int32_t Grip;
    } cases[] = {
        {100, 500, 104.9f, 304.9f, 1}, {100, 500, 105, 300, 0}, {100, 500, 100, 295, 0}, {100, 500, 495.1f, 300, 2},
        {100, 500, 300, 296, 3},       {100, 500, 200, 300, 0}, {100, 106, 102, 300, 1},  // start and middle overlap
        {100, 106, 104, 300, 1},       {100, 106, 105.5f, 300, 2},
    };
    for (const auto& c : cases) {
        GripDeck d(UpperBar(c.X1, 300, c.X2, 300));
        d.StartGraphicEdit(c.X1 + 1, 300);
        ASSERT_EQ(d.mode(), Mode::RebarGrips);
        EXPECT_EQ(GetRebarGripAt(d.editor.Reference, c.ClickX, c.ClickY), c.Grip) << c.ClickX << " " << c.ClickY;
        d.canvas.ClearRecords();
        d.Click(LeftButton, c.ClickX, c.ClickY);
        EXPECT_EQ(d.mode(), c.Grip ? Mode::RebarGripDrag : Mode::RebarGrips);
        EXPECT_EQ(d.editor.Rebar.ActiveGrip, c.Grip);
        if (c.Grip) {  // the boxes are drawn start, middle, end
            const size_t box = c.Grip == 3 ? 1 : c.Grip == 1 ? 0 : 2;
            EXPECT_EQ(d.Grips().at(box).Colour, StandardColour(12));
        }
    }
}

// The end grip follows the cursor's x only, stays on the bar's line, and may pass the other end.
TEST(RebarGrips, EndGripOfALevelBarFollowsTheCursorsX) {
    GripDeck d;
    d.StartGraphicEdit();
    d.Click(LeftButton, 500, 300);
    d.canvas.ClearRecords();
    d.Move(0, 420, 260);
    ASSERT_EQ(d.Overlay(CanvasCall::Line).size(), 1u);
    ExpectLine(d.Overlay(CanvasCall::Line)[0], 420, 300, 100, 300, StandardColour(13));
    EXPECT_EQ(d.canvas.RecordsOf(CanvasCall::ClearTemporary).size(), 1u);

    d.Click(LeftButton, 60, 340);  // beyond the start
    EXPECT_EQ(d.mode(), Mode::RebarGripDown);
    EXPECT_EQ(d.Redraws(), 1u);
    EXPECT_EQ(d.editor.Reference.RefP2ScreenX, 60);
    EXPECT_EQ(d.editor.Reference.RefP2ScreenY, 300);
    EXPECT_EQ(d.Upper(0).X2, 500) << "nothing is written before the right click";

    d.Click(RightButton, 700, 50);
    EXPECT_EQ(d.mode(), Mode::Idle);
    EXPECT_EQ(d.host.Repeats, 0);
    EXPECT_EQ(d.Upper(0), UpperBar(100, 300, 60, 300, 1));
}

TEST(RebarGrips, MiddleGripSlidesTheBarAndStoresItFromLeftToRight) {
    for (const bool leftToRight : {true, false}) {
        GripDeck d(leftToRight ? UpperBar(100, 300, 500, 300, 1) : UpperBar(500, 300, 100, 300, 1));
        d.StartGraphicEdit();
        d.Click(LeftButton, 300, 297);
        d.Move(0, 340, 250);
        d.Click(LeftButton, 350, 280);
        EXPECT_EQ(d.mode(), Mode::RebarGripDown);
        d.Click(RightButton, 0, 0);
        EXPECT_EQ(d.Upper(0), UpperBar(150, 300, 550, 300, 1)) << leftToRight;
    }
}

// Every end moved since the edit began is written, not only the last grip's.
TEST(RebarGrips, StartThenEndWritesBoth) {
    GripDeck d;
    d.StartGraphicEdit();
    d.Click(LeftButton, 100, 300);
    d.Click(LeftButton, 150, 310);
    d.Click(LeftButton, 500, 300);
    d.Click(LeftButton, 450, 290);
    d.Click(LeftButton, 700, 50);  // beside the grips
    EXPECT_EQ(d.editor.Rebar.ActiveGrip, 0);
    EXPECT_EQ(d.mode(), Mode::RebarGripDown);
    d.Click(RightButton, 0, 0);
    EXPECT_EQ(d.Upper(0), UpperBar(150, 300, 450, 300, 1));
}

TEST(RebarGrips, RightClickWhileDraggingPutsTheGripDownAndCommits) {
    GripDeck d(UpperBar(100, 100, 400, 500));  // direction (0.6, 0.8)
    d.StartGraphicEdit(250, 300);
    d.Click(LeftButton, 100, 500);
    EXPECT_EQ(d.editor.Rebar.ActiveGrip, 1);
    // 10 pixels beside the point 100 cm before its start, (40, 20) in the model.
    d.Click(RightButton, 48, 586);
    EXPECT_EQ(d.mode(), Mode::Idle);
    EXPECT_EQ(d.host.Repeats, 0);
    EXPECT_NEAR(d.Upper(0).X1, 40, 0.01);
    EXPECT_NEAR(d.Upper(0).Y1, 20, 0.01);
    EXPECT_EQ(d.Upper(0).X2, 400);
    EXPECT_EQ(d.Upper(0).Y2, 500);
}

// A pan in the middle of the edit keeps the working ends on their model points.
TEST(RebarGrips, EditGoesOnAfterAPan) {
    GripDeck d;
    d.StartGraphicEdit();
    d.canvas.ClearRecords();
    d.Drag(MiddleButton, {400, 400}, {{350, 450}});
    EXPECT_EQ(d.mode(), Mode::RebarGrips);
    EXPECT_EQ(d.editor.Reference.RefP2ScreenX, 450);
    EXPECT_EQ(d.editor.Reference.RefP2ScreenY, 350);
    const std::vector<CanvasRecord> grips = d.canvas.RecordsOf(CanvasCall::Box);
    ASSERT_EQ(grips.size(), 3u) << "the redraw after the pan shows the grips";
    EXPECT_EQ(grips[2].X1, 445);
    d.Click(LeftButton, 450, 350);
    d.Click(LeftButton, 500, 330);
    d.Click(RightButton, 0, 0);
    EXPECT_EQ(d.Upper(0), UpperBar(100, 300, 550, 300, 1));
}

TEST(RebarGrips, RightClickBeforeAGripIsGrabbedRepeatsTheLastCommand) {
    GripDeck d;
    d.StartGraphicEdit();
    d.Click(RightButton, 300, 300);
    EXPECT_EQ(d.host.Repeats, 1);
    EXPECT_EQ(d.Upper(0), UpperBar(100, 300, 500, 300, 1));
}

// A bar whose ends coincide on the canvas has no line to slide along: its grips stay put and no
// end is written, whatever the clicks.
TEST(RebarGrips, BarWithoutLineOnTheCanvasKeepsItsEnds) {
    GripDeck d(UpperBar(300, 300, 300, 300));
    d.editor.Rebar.SelectedBarSection = 0, d.editor.Rebar.SelectedBar = 0, d.editor.Rebar.SelectedBarIsLower = 0;
    ReferencePoints& bar = d.editor.Reference;
    bar.RefP1ScreenX = bar.RefP2ScreenX = 300;
    bar.RefP1ScreenY = bar.RefP2ScreenY = 300;
    d.Tool(Mode::RebarGrips);
    for (const float x : {300.f, 340.f}) {
        d.Click(LeftButton, 300, 300);
        EXPECT_EQ(d.editor.Rebar.ActiveGrip, 1);
        d.Move(0, x, 320);
        d.Click(LeftButton, x, 320);
    }
    d.Click(RightButton, 0, 0);
    EXPECT_EQ(d.mode(), Mode::Idle);
    EXPECT_EQ(d.Upper(0), UpperBar(300, 300, 300, 300));
}

TEST(RebarPick, EditorsOkIsKeptAndRedrawn) {
    GripDeck d;
    d.host.RebarEditorAnswer = [&d] { d.Upper(0).BarCount = 5; };
    d.Tool(Mode::PickRebarToEdit);
    d.Click(LeftButton, 300, 300);
    EXPECT_EQ(d.mode(), Mode::Idle);
    EXPECT_EQ(d.Upper(0).BarCount, 5);
    EXPECT_EQ(d.Redraws(), 1u);
}

}  // namespace
