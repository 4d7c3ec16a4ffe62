#include "editing/DimensionEditing.h"

#include <gtest/gtest.h>

#include "tests/editing/EditorFixture.h"

namespace {

// Two level dimensions at y 100 and 200 (canvas y 500 and 400) and an upright one at x 400.
struct DimensionDeck : EditorFixture {
    DimensionDeck() {
        AddDimension(100, 100, 300, 100, 100, 50, 300, 50, "200");
        AddDimension(100, 200, 300, 200, 100, 150, 300, 150, "200");
        AddDimension(400, 100, 400, 300, 450, 100, 450, 300, "200");
    }
    // Starts a tool the way its command does.
    void Tool(int32_t mode) {
        editor.InteractionState = mode;
        canvas.ClearRecords();
    }
};

TEST(DeleteDimension, FirstAndLastDimension) {
    DimensionDeck d;
    const std::vector<Dimension> before = d.model.Dimensions;
    d.editor.Dimensions.CurrentDimension = 2;
    d.Tool(Mode::DeleteDimension);
    d.Click(LeftButton, 200, 500);
    EXPECT_EQ(d.model.DimensionCount, 2);
    EXPECT_EQ(d.model.Dimensions[0], before[1]);
    EXPECT_EQ(d.model.Dimensions[1], before[2]);
    EXPECT_EQ(d.editor.Dimensions.CurrentDimension, 1);  // still the same record
    EXPECT_EQ(d.mode(), Mode::Idle);
    EXPECT_EQ(d.Redraws(), 1u);

    d.Tool(Mode::DeleteDimension);
    d.Click(LeftButton, 400, 400);
    EXPECT_EQ(d.model.DimensionCount, 1);
    EXPECT_EQ(d.model.Dimensions[0], before[1]);
    EXPECT_EQ(d.editor.Dimensions.CurrentDimension, -1);  // it was the one deleted

    d.Tool(Mode::DeleteDimension);
    d.Click(LeftButton, 700, 50);  // nothing there: the tool still ends
    EXPECT_EQ(d.model.DimensionCount, 1);
    EXPECT_EQ(d.mode(), Mode::Idle);
    EXPECT_EQ(d.Redraws(), 1u);

    d.Tool(Mode::DeleteDimension);
    d.Click(LeftButton, 200, 400);
    EXPECT_EQ(d.model.DimensionCount, 0);
    d.Tool(Mode::DeleteDimension);
    d.Click(LeftButton, 200, 400);  // an empty table
    EXPECT_EQ(d.model.DimensionCount, 0);
}

TEST(DeleteDimension, TheEarlierOfTwoNearLinesGoes) {
    DimensionDeck d;
    d.AddDimension(100, 95, 300, 95, 0, 0, 0, 0);
    d.Tool(Mode::DeleteDimension);
    d.Click(LeftButton, 200, 503);
    ASSERT_EQ(d.model.DimensionCount, 3);
    EXPECT_EQ(d.model.Dimensions[2].LineY1, 95);
}

TEST(MoveDimension, ParallelMoveKeepsTheMeasuredPoints) {
    const struct {
        Dimension dimension;
        float clickX, clickY;  // model point of the click
        float x1, y1, x2, y2;  // the line after the move
    } cases[] = {
        {{100, 100, 300, 100, "200", 100, 50, 300, 50}, 200, 150, 100, 150, 300, 150},
        {{100, 100, 300, 100, "200", 100, 50, 300, 50}, 600, 20, 100, 20, 300, 20},
        {{400, 100, 400, 300, "200", 450, 100, 450, 300}, 250, 500, 250, 100, 250, 300},
        // Oblique, direction (0.6, 0.8), 500 long: moved by 120 across itself.
        {{100, 100, 400, 500, "500", 180, 40, 480, 440}, 100, 300, 4, 172, 304, 572},
    };
    for (const auto& c : cases) {
        EditorFixture f;
        f.model.Dimensions = {c.dimension};
        f.model.DimensionCount = 1;
        f.editor.InteractionState = Mode::PickDimensionToMove;
        f.Click(LeftButton, (c.dimension.LineX1 + c.dimension.LineX2) / 2, 600 - (c.dimension.LineY1 + c.dimension.LineY2) / 2);
        ASSERT_EQ(f.mode(), Mode::MoveDimension);
        f.Click(LeftButton, c.clickX, 600 - c.clickY);
        const Dimension& moved = f.model.Dimensions[0];
        EXPECT_NEAR(moved.LineX1, c.x1, 0.01) << c.clickX;
        EXPECT_NEAR(moved.LineY1, c.y1, 0.01) << c.clickX;
        EXPECT_NEAR(moved.LineX2, c.x2, 0.01) << c.clickX;
        EXPECT_NEAR(moved.LineY2, c.y2, 0.01) << c.clickX;
        EXPECT_EQ((std::array{moved.MeasuredX1, moved.MeasuredY1, moved.MeasuredX2, moved.MeasuredY2}),
                  (std::array{c.dimension.MeasuredX1, c.dimension.MeasuredY1, c.dimension.MeasuredX2,
                              c.dimension.MeasuredY2}));
        EXPECT_EQ(moved.Text, c.dimension.Text);
        EXPECT_EQ(f.mode(), Mode::Idle);
    }
}

TEST(MoveDimension, ClickOnAnotherDimensionsEndPutsTheLineThroughIt) {
    DimensionDeck d;
    d.Tool(Mode::PickDimensionToMove);
    d.Click(LeftButton, 200, 400);
    EXPECT_EQ(d.editor.Dimensions.CurrentDimension, 1);
    const ReferencePoints& line = d.editor.Reference;
    EXPECT_EQ((std::array{line.RefP1ScreenX, line.RefP1ScreenY, line.RefP2ScreenX, line.RefP2ScreenY}),
              (std::array{100.f, 400.f, 300.f, 400.f}));
    d.Click(LeftButton, 402, 498);  // 2 pixels from the first end of the upright dimension, (400, 100)
    EXPECT_EQ(d.model.Dimensions[1].LineY1, 100);
    EXPECT_EQ(d.model.Dimensions[1].LineY2, 100);
}

TEST(MoveDimension, PickThatMissesEndsTheToolAndEmptiesThePrompt) {
    DimensionDeck d;
    d.Tool(Mode::PickDimensionToMove);
    d.Click(LeftButton, 700, 50);
    EXPECT_EQ(d.mode(), Mode::Idle);
    EXPECT_EQ(d.editor.Dimensions.CurrentDimension, -1);
    ASSERT_EQ(d.host.Texts.size(), 1u);
    EXPECT_EQ(d.host.Texts[0], (std::pair<int32_t, std::string>{PromptPanel, ""}));
    EXPECT_EQ(d.Redraws(), 0u);
}

TEST(MoveDimension, PanBetweenThePickAndTheClickKeepsTheModelPositions) {
    DimensionDeck d;
    d.Tool(Mode::PickDimensionToMove);
    d.Click(LeftButton, 200, 500);
    d.Drag(MiddleButton, {400, 300}, {{420, 300}, {450, 300}});
    EXPECT_EQ(d.mode(), Mode::MoveDimension);
    EXPECT_EQ((std::array{d.editor.Reference.RefP1ScreenX, d.editor.Reference.RefP2ScreenX}),
              (std::array{150.f, 350.f}));
    d.Click(LeftButton, 250, 450);  // the model point (200, 150) in the panned view
    const Dimension& moved = d.model.Dimensions[0];
    EXPECT_EQ((std::array{moved.LineX1, moved.LineY1, moved.LineX2, moved.LineY2}), (std::array{100.f, 150.f, 300.f, 150.f}));
}

TEST(MoveDimension, PreviewFollowsTheCursorOnTheTemporaryLayer) {
    DimensionDeck d;
    d.Tool(Mode::PickDimensionToMove);
    d.Click(LeftButton, 200, 500);
    d.canvas.ClearRecords();
    d.Move(0, 200, 450);
    EXPECT_EQ(d.canvas.Records().front().Call, CanvasCall::ClearTemporary);
    const auto lines = d.Overlay(CanvasCall::Line);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ((std::array{lines[0].X1, lines[0].Y1, lines[0].X2, lines[0].Y2}), (std::array{100.f, 450.f, 300.f, 450.f}));
    EXPECT_EQ((std::array{lines[1].X1, lines[1].Y1, lines[1].X2, lines[1].Y2}), (std::array{100.f, 440.f, 100.f, 460.f}));
    for (const CanvasRecord& line : lines) {
        EXPECT_EQ(line.Colour, StandardColour(11));
        EXPECT_EQ(line.State.Drawing, DrawStyle::Dotted);
    }
    EXPECT_EQ(d.canvas.State().Drawing, DrawStyle::Solid);
    EXPECT_TRUE(d.Overlay(CanvasCall::Box).empty());  // no dimension line under the cursor

    d.Move(0, 250, 403);  // over the second dimension: its grip follows
    const auto grips = d.Overlay(CanvasCall::Box);
    ASSERT_EQ(grips.size(), 1u);
    EXPECT_EQ((std::array{grips[0].X1, grips[0].Y1}), (std::array{294.f, 394.f}));
}

// A move whose dimension is gone (deleted by a repeated command, say) or has a line of no length
// to keep the direction of changes nothing and ends the tool.
TEST(MoveDimension, NothingToMoveEndsTheTool) {
    DimensionDeck d;
    d.AddDimension(200, 300, 200, 300, 0, 0, 0, 0);
    const Model before = d.model;
    for (int32_t current : {3, 4, 17, -1}) {
        d.editor.InteractionState = Mode::MoveDimension;
        d.editor.Dimensions.CurrentDimension = current;
        d.Click(LeftButton, 600, 100);
        EXPECT_EQ(d.mode(), Mode::Idle);
        EXPECT_EQ(d.model, before) << current;
    }
    d.model.DimensionCount = 20;  // beyond the table
    d.editor.InteractionState = Mode::MoveDimension;
    d.editor.Dimensions.CurrentDimension = 17;
    d.Click(LeftButton, 600, 100);
    EXPECT_EQ(d.model.Dimensions, before.Dimensions);
}

TEST(DimensionGrip, MarksTheNearerEndAndTheSecondOnATie) {
    const struct {
        float x;
        float gripX;
    } cases[] = {{150, 100}, {200, 300}, {250, 300}, {199, 100}};
    for (const auto& c : cases) {
        DimensionDeck d;
        EvidenziaGripQuota(d, d.canvas, c.x, 500);
        const auto grips = d.Overlay(CanvasCall::Box);
        ASSERT_EQ(grips.size(), 1u) << c.x;
        EXPECT_EQ((std::array{grips[0].X1, grips[0].Y1, grips[0].X2, grips[0].Y2}),
                  (std::array{c.gripX - 6, 494.f, c.gripX + 6, 506.f}))
            << c.x;
        EXPECT_EQ(grips[0].Colour, StandardColour(13));
        EXPECT_EQ(grips[0].State.DrawWidth, 3);
    }
    DimensionDeck d;
    EvidenziaGripQuota(d, d.canvas, 700, 50);
    EXPECT_TRUE(d.canvas.Records().empty());
}

}  // namespace
