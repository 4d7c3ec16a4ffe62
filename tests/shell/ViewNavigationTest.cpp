#include "shell/ViewNavigation.h"

#include <gtest/gtest.h>

#include "model/geometry/ViewTransforms.h"

namespace {

struct Bounds {
    float x0, y0, x1, y1;
};

void ExpectView(const ViewWindow& v, Bounds b) {
    EXPECT_NEAR(v.ViewXMin, b.x0, 1e-3);
    EXPECT_NEAR(v.ViewYMin, b.y0, 1e-3);
    EXPECT_NEAR(v.ViewXMax, b.x1, 1e-3);
    EXPECT_NEAR(v.ViewYMax, b.y1, 1e-3);
}

ViewWindow Canvas800x600(Bounds b) {
    ViewWindow v;
    v.CanvasWidthPx = 800, v.CanvasHeightPx = 600;
    v.ViewXMin = b.x0, v.ViewYMin = b.y0, v.ViewXMax = b.x1, v.ViewYMax = b.y1;
    v.ViewScale = GetFitScale(v, b.x0, b.y0, b.x1, b.y1);
    return v;
}

PlanHeader Extents(Bounds b) {
    PlanHeader h;
    h.ModelMinX = b.x0, h.ModelMinY = b.y0, h.ModelMaxX = b.x1, h.ModelMaxY = b.y1;
    return h;
}

TEST(ViewNavigation, ZoomStepsMoveEachBoundByAPartOfTheViewAndPreviousViewSwaps) {
    EditorState editor;
    ViewWindow v = Canvas800x600({0, 0, 100, 50});
    EXPECT_TRUE(ZoomIn(v, editor));
    ExpectView(v, {5, 2.5f, 95, 47.5f});
    EXPECT_FLOAT_EQ(v.ViewScale, 800.0f / 90);
    EXPECT_TRUE(ZoomOut(v, editor));
    ExpectView(v, {0.5f, 0.25f, 99.5f, 49.75f});
    EXPECT_TRUE(PreviousView(v, editor));
    ExpectView(v, {5, 2.5f, 95, 47.5f});
    EXPECT_TRUE(PreviousView(v, editor));
    ExpectView(v, {0.5f, 0.25f, 99.5f, 49.75f});

    // A view 0.3 wide or less is not narrowed further, but it is stored as the previous view.
    ViewWindow narrow = Canvas800x600({0, 0, 0.3f, 0.2f});
    EXPECT_FALSE(ZoomIn(narrow, editor));
    ExpectView(narrow, {0, 0, 0.3f, 0.2f});
    EXPECT_FLOAT_EQ(narrow.PrevViewXMax, 0.3f);
}

TEST(ViewNavigation, PreviousViewBeforeAnyStepShowsTheOriginAtOnePixelPerCentimetre) {
    EditorState editor;
    ViewWindow v = Canvas800x600({100, 100, 900, 700});
    EXPECT_TRUE(PreviousView(v, editor));
    ExpectView(v, {0, 0, 0, 0});
    EXPECT_FLOAT_EQ(v.ViewScale, 1);
    PreviousView(v, editor);
    ExpectView(v, {100, 100, 900, 700});
}

TEST(ViewNavigation, TheWheelKeepsTheModelPointUnderTheCursor) {
    for (bool zoomIn : {true, false}) {
        EditorState editor;
        ViewWindow v = Canvas800x600({0, 0, 800, 600});
        v.CursorWorldX = 200, v.CursorWorldY = 450;
        const float sx = WorldToScreenX(v, 200), sy = WorldToScreenY(v, 450);
        ASSERT_TRUE(WheelZoom(v, editor, 9, zoomIn));
        EXPECT_NEAR(WorldToScreenX(v, 200), sx, 1e-3) << zoomIn;
        EXPECT_NEAR(WorldToScreenY(v, 450), sy, 1e-3) << zoomIn;
        EXPECT_NEAR(v.ViewXMax - v.ViewXMin, zoomIn ? 720 : 880, 1e-3);
    }
    EditorState editor;
    ViewWindow narrow = Canvas800x600({0, 0, 5, 4});
    EXPECT_FALSE(WheelZoom(narrow, editor, 9, true));
    ExpectView(narrow, {0, 0, 5, 4});
    EXPECT_FALSE(WheelZoom(narrow, editor, 0, false)) << "nothing while no model is loaded";
}

TEST(ViewNavigation, ReferencePointsStayOnTheirModelPoints) {
    EditorState editor;
    ViewWindow v = Canvas800x600({0, 0, 800, 600});
    editor.Reference.RefP1ScreenX = 100, editor.Reference.RefP1ScreenY = 500;  // model (100, 100)
    ZoomIn(v, editor);
    EXPECT_NEAR(ScreenToWorldX(v, editor.Reference.RefP1ScreenX), 100, 1e-3);
    EXPECT_NEAR(ScreenToWorldY(v, editor.Reference.RefP1ScreenY), 100, 1e-3);
}

TEST(ViewNavigation, TheModelFitsWithATenthAroundItAndItsSlackCentred) {
    ViewWindow v = Canvas800x600({0, 0, 0, 0});
    ZoomToModelExtents(v, Extents({0, 0, 1000, 500}));
    EXPECT_FLOAT_EQ(v.ViewScale, 800.0f / 1200);
    ExpectView(v, {-100, 250 - 450, 1100, 250 + 450});

    // Degenerate models: no height, a single node, nothing at all.
    for (Bounds b : {Bounds{0, 300, 1000, 300}, Bounds{500, 500, 500, 500}, Bounds{0, 0, 0, 0}}) {
        ViewWindow d = Canvas800x600({0, 0, 0, 0});
        ZoomToModelExtents(d, Extents(b));
        EXPECT_FLOAT_EQ(d.ViewScale, 1);
        EXPECT_FLOAT_EQ(d.ViewYMin, b.y0);
    }
    ViewWindow noCanvas;
    EXPECT_FLOAT_EQ(GetFitScale(noCanvas, 0, 0, 100, 100), 1) << "a canvas of no size";
}

TEST(ViewNavigation, AZoomWindowTakesTheCanvasProportionsAboutItsCentre) {
    const ViewWindow v = Canvas800x600({0, 0, 800, 600});
    const struct {
        int32_t x0, y0, x1, y1;
        int32_t ex0, ey0, ex1, ey1;
    } cases[] = {
        {100, 100, 200, 200, 83, 100, 217, 200},   // too tall: widened
        {100, 100, 300, 120, 100, 35, 300, 185},   // too wide: heightened
        {100, 100, 180, 160, 100, 100, 180, 160},  // already 4:3
    };
    for (const auto& c : cases) {
        ZoomPanState z;
        z.DragStartX = c.x0, z.DragStartY = c.y0, z.DragEndX = c.x1, z.DragEndY = c.y1;
        FitZoomWindowToAspect(v, z);
        EXPECT_EQ(z.DragStartX, c.ex0);
        EXPECT_EQ(z.DragStartY, c.ey0);
        EXPECT_EQ(z.DragEndX, c.ex1);
        EXPECT_EQ(z.DragEndY, c.ey1);
    }
}

TEST(ViewNavigation, ZoomingInStopsBeforePixelValuesWouldOverflow) {
    EditorState editor;
    ViewWindow v = Canvas800x600({0, 0, 800, 600});
    v.CursorWorldX = 400, v.CursorWorldY = 300;
    for (int notch = 0; notch < 500; ++notch) WheelZoom(v, editor, 1, true);
    for (int step = 0; step < 500; ++step) ZoomIn(v, editor);
    EXPECT_LE(v.ViewScale, MaxViewScale);
    EXPECT_GT(v.ViewScale, 1);
}

}  // namespace
