#include "editing/CanvasEditor.h"

#include <gtest/gtest.h>

#include "tests/editing/EditorFixture.h"
#include "tests/support/ItalianNumericLocale.h"

namespace {

TEST(CanvasEditor, RightButtonRepeatsTheLastCommandButEndsARebarExtension) {
    for (int32_t mode : {Mode::Idle, Mode::ContinuedPoint, Mode::ZoomSecondCorner, Mode::MoveDimension}) {
        EditorFixture f;
        f.editor.InteractionState = mode;
        f.Click(RightButton, 100, 100);
        EXPECT_EQ(f.host.Repeats, 1) << mode;
        EXPECT_EQ(f.mode(), mode);
        EXPECT_EQ(f.Redraws(), 0u);
    }
    EditorFixture f;
    f.editor.InteractionState = Mode::RebarExtension;
    f.Click(RightButton, 100, 100);
    EXPECT_EQ(f.host.Repeats, 0);
    EXPECT_EQ(f.mode(), Mode::Idle);
    EXPECT_EQ(f.Redraws(), 1u);
}

TEST(CanvasEditor, CursorReadoutOnlyWhileIdle) {
    EditorFixture f;
    f.Move(0, 123.25f, 100);
    EXPECT_FLOAT_EQ(f.drawing.View.CursorWorldX, 123.25f);
    EXPECT_FLOAT_EQ(f.drawing.View.CursorWorldY, 500);
    ASSERT_EQ(f.host.Texts.size(), 1u);
    EXPECT_EQ(f.host.Texts[0], (std::pair<int32_t, std::string>{CursorPanel, "x=123.3   y=500.0"}));

    f.editor.InteractionState = Mode::PickDimensionToMove;
    f.Move(0, 10, 590);
    EXPECT_EQ(f.host.Texts.size(), 1u);
    EXPECT_FLOAT_EQ(f.drawing.View.CursorWorldX, 10);  // the wheel's centre follows in every mode
}

TEST(CanvasEditor, CursorReadoutTakesTheLocalesSeparator) {
    ItalianNumericLocale comma;
    if (!comma.WritesDecimalComma()) GTEST_SKIP() << "no Italian locale";
    EXPECT_EQ(CursorReadout(-12.5f, 3), "x=-12,5   y=3,0");
}

// In the dimension point modes a move marks the point a click would take; a move with a button
// held stores it instead. While idle the snap works only for the open vertex panel with its box
// ticked.
TEST(CanvasEditor, MovesPreviewTheSnapWhereAClickWouldTakeIt) {
    EditorFixture f;
    f.model.PlanNodes = {{100, 100}, {300, 100}};
    f.model.PlanNodeCount = 2;
    f.model.WallEdges = {{0, 1, 1}};
    f.model.WallEdgeCount = 1;

    f.Move(0, 101, 499);
    EXPECT_TRUE(f.Overlay(CanvasCall::Box).empty());
    f.editor.VertexPanel.VertexPanelMode = 1;
    f.shell.Options.OsnapEnabled = 1;
    f.Move(0, 101, 499);
    EXPECT_EQ(f.Overlay(CanvasCall::Box).size(), 1u);

    for (int32_t mode : {Mode::HorizontalFirstPoint, Mode::AlignedSecondPoint, Mode::ContinuedPoint}) {
        f.editor.InteractionState = mode;
        f.editor.Snap.SnapFound = 0;
        f.canvas.ClearRecords();
        f.Move(0, 101, 499);
        EXPECT_EQ(f.Overlay(CanvasCall::Box).size(), 1u) << mode;
        EXPECT_EQ(f.editor.Snap.SnapFound, 0);
        f.Move(LeftButton, 101, 499);
        EXPECT_EQ(f.editor.Snap.SnapFound, 1) << mode;
    }
}

TEST(CanvasEditor, ClicksOfModesWithoutAClickActionAreIgnored) {
    EditorFixture f;
    f.AddDimension(100, 100, 300, 100, 0, 0, 0, 0);
    const Session before = f;
    for (int32_t mode : {Mode::Idle, 12345}) {
        f.editor.InteractionState = mode;
        f.Click(LeftButton, 200, 500);
        EXPECT_EQ(f.mode(), mode);
        EXPECT_EQ(f.model, before.model);
        EXPECT_EQ(f.Redraws(), 0u);
    }
}

}  // namespace
