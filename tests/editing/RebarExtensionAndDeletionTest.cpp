#include "editing/RebarExtensionAndDeletion.h"

#include <gtest/gtest.h>

#include "drawing/LayerDefaults.h"
#include "tests/editing/RebarDeck.h"

namespace {

// A beam from (300, 0) to (300, 600) with a top face 15 cm to its right, and the bars given.
struct ExtensionDeck : RebarDeck {
    explicit ExtensionDeck(std::vector<UpperRebar> upper, std::vector<LowerRebar> lower = {})
        : RebarDeck(std::move(upper), std::move(lower)) {
        model.Nodes = {{1, 300, 0}, {2, 300, 600}};
        model.NodeCount = 2;
        model.BeamElements = {{.NodeI = 0, .NodeJ = 1}};
        model.BeamElementCount = 1;
        model.PlanNodes = {{315, 0}, {315, 600}};
        model.PlanNodeCount = 2;
        model.BeamExtradosEdges = {{0, 1, 1}};
        model.BeamExtradosEdgeCount = 1;
    }
    // The target line picked with a click at the canvas point, and the bar clicked at another.
    void Extend(float edgeX, float edgeY, float barX, float barY) {
        Tool(Mode::PickExtensionEdge);
        ClickAt(LeftButton, edgeX, edgeY);
        ClickAt(LeftButton, barX, barY);
    }
};

TEST(RebarExtension, TargetLineIsTheFirstEdgeInReach) {
    ExtensionDeck d({});
    const struct {
        float X;
        int32_t Edge;
        float EdgeX;
    } cases[] = {{305, 0, 300}, {309.9f, 0, 300}, {311, 0, 315}, {324.9f, 0, 315}, {325, -1, 315}};
    for (const auto& c : cases) {
        EXPECT_EQ(PickEdgeAt(d, c.X, 300), c.Edge) << c.X;
        EXPECT_EQ(d.editor.Rebar.PickedEdgeX1, c.EdgeX) << c.X;
    }
    EXPECT_EQ(d.editor.Rebar.PickedEdgeY2, 600);
}

TEST(RebarExtension, EdgeIsDrawnAndBarsFollowUntilTheRightClick) {
    ExtensionDeck d({UpperBar(0, 100, 200, 100), UpperBar(400, 200, 700, 200)});
    d.Tool(Mode::PickExtensionEdge);
    d.ClickAt(LeftButton, 302, 400);
    EXPECT_EQ(d.mode(), Mode::RebarExtension);
    const std::vector<CanvasRecord> lines = d.Overlay(CanvasCall::Line);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].Colour, StandardColour(0));
    EXPECT_EQ(lines[1].Colour, StandardColour(14));
    EXPECT_EQ(lines[1].State.Drawing, DrawStyle::Dotted);

    d.ClickAt(LeftButton, 100, 100);
    d.ClickAt(LeftButton, 500, 200);
    d.ClickAt(LeftButton, 500, 500);  // no bar: only a redraw
    EXPECT_EQ(d.Redraws(), 3u);
    EXPECT_EQ(d.mode(), Mode::RebarExtension);
    EXPECT_EQ(d.Upper(0), UpperBar(0, 100, 298, 100));
    EXPECT_EQ(d.Upper(1), UpperBar(302, 200, 700, 200));
    // The redraw shows the target line again.
    EXPECT_EQ(d.canvas.RecordsOf(CanvasCall::Line).back().Colour, StandardColour(14));

    d.ClickAt(RightButton, 500, 500);
    EXPECT_EQ(d.mode(), Mode::Idle);
    EXPECT_EQ(d.host.Repeats, 0);
}

TEST(RebarExtension, NoEdgeInReachEndsTheTool) {
    ExtensionDeck d({UpperBar(0, 100, 200, 100)});
    d.Tool(Mode::PickExtensionEdge);
    d.ClickAt(LeftButton, 600, 400);
    EXPECT_EQ(d.mode(), Mode::Idle);
    EXPECT_EQ(d.host.Texts.back(), std::pair(PromptPanel, std::string()));
}

TEST(RebarExtension, CrossingTrimsTheNearerEndAndCoverZeroReachesTheLine) {
    ExtensionDeck d({UpperBar(100, 100, 400, 100), UpperBar(200, 150, 400, 150)}, {LowerBar(0, 50, 350, 50)});
    d.shell.Options.LateralCover = 0;
    d.Extend(300, 400, 150, 100);
    d.ClickAt(LeftButton, 250, 150);  // as near both ends: the end moves
    d.ClickAt(LeftButton, 100, 50);   // lower bars too
    EXPECT_EQ(d.Upper(0), UpperBar(100, 100, 300, 100));
    EXPECT_EQ(d.Upper(1), UpperBar(200, 150, 300, 150));
    EXPECT_EQ(d.Lower(0), LowerBar(0, 50, 300, 50));
}

TEST(RebarExtension, ParallelBarIsRefusedAndTheToolGoesOn) {
    ExtensionDeck d({UpperBar(250, 100, 250, 500), UpperBar(0, 300, 100, 300)});
    d.shell.Languages.UiLanguage = 1;
    d.Extend(300, 400, 250, 200);
    ASSERT_EQ(d.messages.Shown().size(), 1u);
    EXPECT_EQ(d.messages.Shown()[0].Title, "Warning!");
    EXPECT_EQ(d.messages.Shown()[0].Text, "The straight and the rebar do not intersect.");
    EXPECT_EQ(d.messages.Shown()[0].Icon, MsgIcon::Exclamation);
    EXPECT_EQ(d.Upper(0), UpperBar(250, 100, 250, 500));
    EXPECT_EQ(d.mode(), Mode::RebarExtension);
    d.ClickAt(LeftButton, 50, 300);
    EXPECT_EQ(d.Upper(1), UpperBar(0, 300, 298, 300));
}

// A bar falling to the right more steeply than 1.04 rad stops short of the line, not beyond it.
TEST(RebarExtension, SteepBarStopsOnItsOwnSide) {
    ExtensionDeck d({UpperBar(100, 550, 200, 150)});
    d.model.PlanNodes = {{0, 400}, {800, 400}};
    d.Extend(600, 400, 150, 350);
    const UpperRebar& bar = d.Upper(0);
    // The crossing (137.5, 400) is nearer the start: the bar keeps its part below the line.
    EXPECT_NEAR(bar.Y1, 400 - 2 * 400 / std::hypot(100.f, 400.f), 0.01);
    EXPECT_NEAR(bar.X1, 137.5 + 2 * 100 / std::hypot(100.f, 400.f), 0.01);
    EXPECT_EQ(bar.X2, 200);
}

TEST(RebarDeletion, BarIsHighlightedAskedForAndRemoved) {
    ExtensionDeck d({UpperBar(0, 100, 200, 100), UpperBar(0, 150, 200, 150), UpperBar(0, 200, 200, 200)},
                    {LowerBar(0, 50, 200, 50, 2)});
    d.messages.Script({MsgAnswer::Yes});
    d.Tool(Mode::DeleteRebar);
    d.ClickAt(LeftButton, 100, 100);
    ASSERT_EQ(d.messages.Shown().size(), 1u);
    EXPECT_EQ(d.messages.Shown()[0].Text, "Vuoi veramente eliminare il ferro selezionato?");
    EXPECT_EQ(d.messages.Shown()[0].Buttons, MsgButtons::YesNo);
    EXPECT_EQ(d.model.Reinforcement.UpperRebarCount[0], 2);
    EXPECT_EQ(d.Upper(0), UpperBar(0, 150, 200, 150));
    EXPECT_EQ(d.Upper(1), UpperBar(0, 200, 200, 200));
    EXPECT_EQ(d.mode(), Mode::Idle);
    EXPECT_EQ(d.Redraws(), 1u);

    // The lower bar: its line and the mark of its hooked end, dotted, turned the other way.
    d.messages.Script({MsgAnswer::No});
    d.Tool(Mode::DeleteRebar);
    d.ClickAt(LeftButton, 100, 50);
    const std::vector<CanvasRecord> lines = d.Overlay(CanvasCall::Line);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].Colour, StandardColour(0));
    EXPECT_EQ(lines[2].Colour, StandardColour(13));
    EXPECT_EQ(lines[2].State.Drawing, DrawStyle::Dotted);
    EXPECT_EQ(lines[2].X1, 200);
    EXPECT_EQ(lines[2].Y2, 550 - 15);
    EXPECT_EQ(d.model.Reinforcement.LowerRebarCount[0], 1);
    EXPECT_EQ(d.mode(), Mode::Idle);
    EXPECT_EQ(d.Redraws(), 1u);

    d.Tool(Mode::DeleteRebar);
    d.ClickAt(LeftButton, 500, 500);
    EXPECT_EQ(d.mode(), Mode::DeleteRebar);
    EXPECT_EQ(d.messages.Shown().size(), 2u);
}

}  // namespace
