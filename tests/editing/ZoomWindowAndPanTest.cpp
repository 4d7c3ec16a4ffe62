#include "editing/ZoomWindowAndPan.h"

#include <gtest/gtest.h>

#include "model/geometry/ViewFit.h"
#include "tests/editing/EditorFixture.h"

namespace {

struct ZoomWindow : EditorFixture {
    // The zoom command from the given tool; the first corner at (x, y).
    void FirstCorner(float x, float y, int32_t tool = Mode::Idle) {
        editor.InteractionState = tool;
        StartZoomWindow(drawing.View, editor);
        Click(LeftButton, x, y);
    }
};

TEST(ZoomWindow, SecondCornerTenPixelsAwayIsRefusedElevenAccepted) {
    const struct {
        float dx, dy;
        bool accepted;
    } cases[] = {{10, 50, false}, {50, 10, false}, {10, 10, false}, {11, 11, true}, {-11, -11, true},
                 {11, 10, false}, {-10, 40, false}, {10.4f, 40, false}, {10.6f, 40, true}};
    for (const auto& c : cases) {
        ZoomWindow z;
        z.FirstCorner(300, 200, Mode::DeleteDimension);
        EXPECT_EQ(z.mode(), Mode::ZoomSecondCorner);
        z.canvas.ClearRecords();
        z.Click(LeftButton, 300 + c.dx, 200 + c.dy);
        EXPECT_EQ(z.mode(), c.accepted ? Mode::DeleteDimension : Mode::ZoomSecondCorner) << c.dx << ", " << c.dy;
        EXPECT_EQ(z.Redraws(), c.accepted ? 1u : 0u) << c.dx << ", " << c.dy;
        EXPECT_EQ(z.drawing.View.ViewXMin != 0, c.accepted) << c.dx << ", " << c.dy;
    }
}

TEST(ZoomWindow, AcceptedWindowIsFittedToTheCanvasAndRemembersThePreviousView) {
    ZoomWindow z;
    z.FirstCorner(100, 100);
    z.Move(0, 200, 400);
    z.Click(LeftButton, 200, 400);  // 100 × 300 pixels, widened about x = 150 to 400 × 300
    const ViewWindow& v = z.drawing.View;
    EXPECT_FLOAT_EQ(v.ViewXMin, -50);
    EXPECT_FLOAT_EQ(v.ViewXMax, 350);
    EXPECT_FLOAT_EQ(v.ViewYMin, 200);
    EXPECT_FLOAT_EQ(v.ViewYMax, 500);
    EXPECT_FLOAT_EQ(v.ViewScale, 2);
    EXPECT_FLOAT_EQ(v.PrevViewXMax, 800);
    EXPECT_FLOAT_EQ(v.PrevViewYMax, 600);
    EXPECT_EQ(z.mode(), Mode::Idle);

    // The same rectangle dragged from its lower right to its upper left gives the same view.
    ZoomWindow back;
    back.FirstCorner(200, 400);
    back.Click(LeftButton, 100, 100);
    EXPECT_EQ(back.drawing.View.ViewXMin, v.ViewXMin);
    EXPECT_EQ(back.drawing.View.ViewYMin, v.ViewYMin);
    EXPECT_EQ(back.drawing.View.ViewXMax, v.ViewXMax);
    EXPECT_EQ(back.drawing.View.ViewYMax, v.ViewYMax);
}

TEST(ZoomWindow, RubberBandIsDrawnOnTheTemporaryLayerAndRestartsFromTheRefusedCorner) {
    ZoomWindow z;
    z.FirstCorner(300, 200);
    z.canvas.ClearRecords();
    z.Move(0, 250, 150);
    auto bands = z.Overlay(CanvasCall::Box);
    ASSERT_EQ(bands.size(), 1u);
    EXPECT_EQ(bands[0].State.Drawing, DrawStyle::Dotted);
    EXPECT_EQ(bands[0].Colour, z.canvas.BackColour() ^ PackRgb(255, 255, 255));
    EXPECT_EQ((std::array{bands[0].X1, bands[0].Y1, bands[0].X2, bands[0].Y2}), (std::array{250.f, 150.f, 300.f, 200.f}));
    EXPECT_EQ(z.editor.ZoomPan.RubberBandRect, (std::array<int32_t, 4>{250, 150, 300, 200}));
    EXPECT_EQ(z.Redraws(), 0u);

    // Refused from the lower right to the upper left: the next band starts from the upper left.
    z.Click(LeftButton, 295, 195);
    EXPECT_EQ(z.mode(), Mode::ZoomSecondCorner);
    EXPECT_EQ(z.editor.ZoomPan.RubberBandRect, (std::array<int32_t, 4>{}));
    z.canvas.ClearRecords();
    z.Move(0, 400, 300);
    EXPECT_EQ(z.canvas.RecordsOf(CanvasCall::ClearTemporary).size(), 1u);
    bands = z.Overlay(CanvasCall::Box);
    ASSERT_EQ(bands.size(), 1u);
    EXPECT_EQ((std::array{bands[0].X1, bands[0].Y1}), (std::array{295.f, 195.f}));
}

// Beyond the largest scale the pixel values of a large model would overflow: such a window is
// refused like one that is too small.
TEST(ZoomWindow, WindowBeyondTheLargestScaleIsRefused) {
    ZoomWindow z;
    z.drawing.View.ViewScale = 200;
    z.drawing.View.ViewXMax = 4, z.drawing.View.ViewYMax = 3;
    z.FirstCorner(100, 100);
    z.Click(LeftButton, 120, 115);
    EXPECT_EQ(z.mode(), Mode::ZoomSecondCorner);
    EXPECT_FLOAT_EQ(z.drawing.View.ViewScale, 200);
    z.Click(LeftButton, 300, 250);
    EXPECT_EQ(z.mode(), Mode::Idle);
    EXPECT_LE(z.drawing.View.ViewScale, MaxViewScale);
}

TEST(Pan, MiddleButtonPansDuringADimensionAndKeepsItsPickedPoints) {
    EditorFixture f;
    f.editor.InteractionState = Mode::HorizontalSecondPoint;
    // The first measured point, (200, 300).
    f.editor.Reference.RefP1ScreenX = 200, f.editor.Reference.RefP1ScreenY = 300;
    f.Down(MiddleButton, 400, 300);
    EXPECT_EQ(f.mode(), Mode::PanDrag);
    EXPECT_EQ(f.canvas.Pointer(), CanvasPointer::Pan);
    f.Move(MiddleButton, 430, 290);
    f.Move(MiddleButton, 450, 280);
    f.Up(MiddleButton, 450, 280);

    EXPECT_EQ(f.mode(), Mode::HorizontalSecondPoint);
    EXPECT_EQ(f.canvas.Pointer(), CanvasPointer::Crosshair);
    const ViewWindow& v = f.drawing.View;
    EXPECT_FLOAT_EQ(v.ViewXMin, -50);
    EXPECT_FLOAT_EQ(v.ViewXMax, 750);
    EXPECT_FLOAT_EQ(v.ViewYMin, -20);
    EXPECT_FLOAT_EQ(v.ViewScale, 1);
    EXPECT_FLOAT_EQ(v.PrevViewXMax, 0);  // a pan leaves the previous view alone
    // The picked point is on the same model point, now 50 pixels right and 20 up.
    EXPECT_FLOAT_EQ(f.editor.Reference.RefP1ScreenX, 250);
    EXPECT_FLOAT_EQ(f.editor.Reference.RefP1ScreenY, 280);
    EXPECT_EQ(f.Redraws(), 3u);  // each move and the release
}

TEST(Pan, FollowsOnlyOneButtonHeldAlone) {
    EditorFixture f;
    f.Down(MiddleButton, 400, 300);
    f.Move(LeftButton | MiddleButton, 500, 300);
    EXPECT_FLOAT_EQ(f.drawing.View.ViewXMin, 0);
    f.Move(LeftButton, 410, 300);  // the anchor did not move with the refused event
    EXPECT_FLOAT_EQ(f.drawing.View.ViewXMin, -10);
    f.Move(0, 500, 300);
    EXPECT_FLOAT_EQ(f.drawing.View.ViewXMin, -10);
}

TEST(Pan, PanCommandDragsWithTheLeftButton) {
    EditorFixture f;
    f.editor.InteractionState = Mode::PickDimensionToMove;
    StartPan(f.drawing.View, f.editor);
    f.Drag(LeftButton, {100, 100}, {{80, 130}});
    EXPECT_EQ(f.mode(), Mode::PickDimensionToMove);
    EXPECT_FLOAT_EQ(f.drawing.View.ViewXMin, 20);
    EXPECT_FLOAT_EQ(f.drawing.View.ViewYMax, 630);
}

// The suspension has one level and keeps the tool that was in force before either view mode: a pan
// started while the zoom window waits ends in that tool, never in a zoom window that would begin
// again after every zoom.
TEST(Pan, PanDuringAZoomWindowReturnsToTheToolBeforeIt) {
    ZoomWindow z;
    z.editor.InteractionState = Mode::PickDimensionToMove;
    StartZoomWindow(z.drawing.View, z.editor);
    z.Drag(MiddleButton, {400, 300}, {{410, 300}});
    EXPECT_EQ(z.mode(), Mode::PickDimensionToMove);
}

}  // namespace
