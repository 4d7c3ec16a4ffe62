#include "shell/ViewFit.h"

#include <gtest/gtest.h>

#include "platform/headless/RecordingCanvas.h"

namespace {

PlanHeader Extents(float minX, float minY, float maxX, float maxY) {
    PlanHeader h;
    h.ModelMinX = minX, h.ModelMinY = minY, h.ModelMaxX = maxX, h.ModelMaxY = maxY;
    return h;
}

TEST(ViewFit, FitScaleIsTheSmallerAxisFit) {
    const RecordingCanvas canvas(800, 600);
    EXPECT_FLOAT_EQ(GetFitScale(canvas, 0, 0, 400, 100), 2.0f);   // x fits at 2, y at 6
    EXPECT_FLOAT_EQ(GetFitScale(canvas, 0, 0, 100, 600), 1.0f);   // y fits at 1
    EXPECT_FLOAT_EQ(GetFitScale(canvas, 10, 10, 410, 310), 2.0f); // a tie
    EXPECT_FLOAT_EQ(GetFitScale(canvas, 0, 0, 0, 100), 1.0f);     // no width
    EXPECT_FLOAT_EQ(GetFitScale(canvas, 5, 5, 400, 5), 1.0f);     // no height
}

// A wide model on a tall canvas fills the width and is centred vertically; a tall one on a wide
// canvas fills the height and is centred horizontally.
TEST(ViewFit, ExtentsGetTheirMarginAndTheModelIsCentredAlongTheSlack) {
    RecordingCanvas canvas(600, 600);
    ViewWindow view;
    view.CanvasWidthPx = 600, view.CanvasHeightPx = 600;
    ZoomToModelExtents(view, Extents(0, 0, 1000, 500), canvas);
    EXPECT_FLOAT_EQ(view.ViewXMin, -100);
    EXPECT_FLOAT_EQ(view.ViewXMax, 1100);
    EXPECT_FLOAT_EQ(view.ViewScale, 0.5f);
    EXPECT_FLOAT_EQ(view.ViewYMin, 250 - 600);  // centre 250, 1200 cm of canvas height
    EXPECT_FLOAT_EQ(view.ViewYMax, 250 + 600);

    canvas.SetSize(1200, 600);
    view.CanvasWidthPx = 1200;
    ZoomToModelExtents(view, Extents(0, 0, 500, 1000), canvas);
    EXPECT_FLOAT_EQ(view.ViewYMin, -100);
    EXPECT_FLOAT_EQ(view.ViewYMax, 1100);
    EXPECT_FLOAT_EQ(view.ViewScale, 0.5f);
    EXPECT_FLOAT_EQ(view.ViewXMin, 250 - 1200);
    EXPECT_FLOAT_EQ(view.ViewXMax, 250 + 1200);
    // The previous view is not touched.
    EXPECT_EQ(view.PrevViewXMax, 0);
}

TEST(ViewFit, AModelOnOneLineOrACanvasWithoutSizeIsNotCentred) {
    RecordingCanvas canvas(800, 600);
    ViewWindow view;
    view.CanvasWidthPx = 800, view.CanvasHeightPx = 600;
    ZoomToModelExtents(view, Extents(0, 200, 1000, 200), canvas);
    EXPECT_FLOAT_EQ(view.ViewScale, 1.0f);
    EXPECT_FLOAT_EQ(view.ViewXMin, -100);
    EXPECT_FLOAT_EQ(view.ViewYMin, 200);
    EXPECT_FLOAT_EQ(view.ViewYMax, 200);

    view.CanvasHeightPx = 0;
    ZoomToModelExtents(view, Extents(0, 0, 1000, 500), canvas);
    EXPECT_FLOAT_EQ(view.ViewYMin, -50);
    EXPECT_FLOAT_EQ(view.ViewXMin, -100);
}

}  // namespace
