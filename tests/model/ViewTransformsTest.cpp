#include "model/geometry/ViewTransforms.h"

#include <gtest/gtest.h>

namespace {

ViewWindow MakeView(float xMin, float yMin, float scale, float canvasHeight) {
    ViewWindow view;
    view.ViewXMin = xMin;
    view.ViewYMin = yMin;
    view.ViewScale = scale;
    view.CanvasHeightPx = canvasHeight;
    return view;
}

}  // namespace

TEST(ViewTransforms, MapTheWindowOntoTheCanvasWithYPointingDown) {
    struct Case {
        ViewWindow view;
        float x, y, screenX, screenY;
    };
    const Case cases[] = {
        // The bottom-left corner of the window is the bottom-left pixel of the canvas.
        {MakeView(100, 50, 2, 600), 100, 50, 0, 600},
        // 10 cm above the bottom edge at scale 2: 20 pixels above the canvas's bottom edge.
        {MakeView(100, 50, 2, 600), 100, 60, 0, 580},
        {MakeView(0, 0, 0.5f, 400), 30, 100, 15, 350},
        // Nothing clips: a point left of and below the window maps outside the canvas.
        {MakeView(100, 50, 2, 600), 90, 40, -20, 620},
    };
    for (const Case& c : cases) {
        EXPECT_FLOAT_EQ(WorldToScreenX(c.view, c.x), c.screenX) << c.x;
        EXPECT_FLOAT_EQ(WorldToScreenY(c.view, c.y), c.screenY) << c.y;
        EXPECT_FLOAT_EQ(ScreenToWorldX(c.view, c.screenX), c.x) << c.screenX;
        EXPECT_FLOAT_EQ(ScreenToWorldY(c.view, c.screenY), c.y) << c.screenY;
    }
}

TEST(ViewTransforms, ScreenToWorldUndoesWorldToScreenUpToFloatRounding) {
    const ViewWindow view = MakeView(-1234.5f, 987.25f, 0.3712f, 713);
    const float points[][2] = {{0, 0}, {-1234.5f, 987.25f}, {1520.33f, -40.7f}, {12345.6f, 6789.01f}};
    for (const auto& p : points) {
        EXPECT_NEAR(ScreenToWorldX(view, WorldToScreenX(view, p[0])), p[0], 1e-3) << p[0];
        EXPECT_NEAR(ScreenToWorldY(view, WorldToScreenY(view, p[1])), p[1], 1e-3) << p[1];
    }
    // Mouse positions arrive as whole pixels.
    EXPECT_FLOAT_EQ(ScreenToWorldX(MakeView(10, 0, 4, 100), 8), 12);
    EXPECT_FLOAT_EQ(ScreenToWorldY(MakeView(0, 10, 4, 100), 92), 12);
}
