#include "model/geometry/PickTests.h"

#include <gtest/gtest.h>

namespace {

enum class Variant { Model, OnScreen, InPixels };

ViewWindow MakeView(float scale, float canvasHeight) {
    ViewWindow view;
    view.ViewScale = scale;
    view.CanvasHeightPx = canvasHeight;
    return view;
}

}  // namespace

TEST(PickTests, MeasureAlongTheAxesInsideABoxAroundTheSegment) {
    struct Case {
        const char* what;
        Variant variant;
        float scale;
        float px, py, x1, y1, x2, y2, tol;
        bool expected;
    };
    const Case cases[] = {
        {"level, beside the middle", Variant::Model, 1, 5, 0.5f, 0, 0, 10, 0, 1, true},
        {"level, on its own end", Variant::Model, 1, 0, 0, 0, 0, 10, 0, 1, false},
        {"level, beyond the end within the box", Variant::Model, 1, 10.5f, 0, 0, 0, 10, 0, 1, false},
        {"level, exactly tol away", Variant::Model, 1, 5, 1, 0, 0, 10, 0, 1, false},
        {"level reversed, beside the middle", Variant::Model, 1, 5, 0.5f, 10, 0, 0, 0, 1, true},
        {"level reversed, beyond the end", Variant::Model, 1, 10.5f, 0, 10, 0, 0, 0, 1, false},
        {"level, outside the box", Variant::Model, 1, 12, 0, 0, 0, 10, 0, 1, false},
        {"level within 0.01", Variant::Model, 1, 5, 0.9f, 0, 0, 10, 0.005f, 1, true},
        {"upright, beside the middle", Variant::Model, 1, 0.5f, 5, 0, 10, 0, 0, 1, true},
        {"upright, on its end", Variant::Model, 1, 0, 10, 0, 0, 0, 10, 1, false},
        {"slanted, on the line past the end", Variant::Model, 1, 10.5f, 10.5f, 0, 0, 10, 10, 1, true},
        {"slanted, both axis distances 1.5", Variant::Model, 1, 5, 6.5f, 0, 0, 10, 10, 1, false},
        {"slanted, 0.85 across but 1.2 along the axes", Variant::Model, 1, 5, 6.2f, 0, 0, 10, 10, 1, false},
        {"slanted, 0.9 along y", Variant::Model, 1, 5, 3.4f, 0, 0, 10, 5, 1, true},
        // Canvas: scale 2, window at the origin, canvas 100 pixels high.
        {"screen, 4 px below a level segment", Variant::OnScreen, 2, 10, 104, 0, 0, 10, 0, 7, true},
        {"screen, 8 px below a level segment", Variant::OnScreen, 2, 10, 108, 0, 0, 10, 0, 7, false},
        {"screen, beside an upright segment", Variant::OnScreen, 2, 12, 90, 5, 0, 5, 10, 7, true},
        {"screen, on an upright segment's end", Variant::OnScreen, 2, 10, 100, 5, 0, 5, 10, 7, false},
        {"screen, 2 px off a slanted segment", Variant::OnScreen, 2, 10, 92, 0, 0, 10, 10, 3, true},
        {"screen, 4 px off a slanted segment", Variant::OnScreen, 2, 10, 86, 0, 0, 10, 10, 3, false},
        {"pixels, 4 px below a level segment", Variant::InPixels, 2, 10, 104, 0, 0, 10, 0, 7, true},
        {"pixels, 2 px off a slanted segment", Variant::InPixels, 2, 10, 92, 0, 0, 10, 10, 3, true},
        // 0.005 cm across is slanted in the model but upright on the canvas at scale 1, where
        // a point level with the end does not count.
        {"screen, almost upright", Variant::OnScreen, 1, 0.5f, 90, 0, 0, 0.005f, 10, 1, true},
        {"pixels, almost upright", Variant::InPixels, 1, 0.5f, 90, 0, 0, 0.005f, 10, 1, false},
    };
    for (const Case& c : cases) {
        const ViewWindow view = MakeView(c.scale, 100);
        const float x1 = c.x1, y1 = c.y1, x2 = c.x2, y2 = c.y2;
        bool near = false;
        switch (c.variant) {
            case Variant::Model: near = IsNearSegment(c.px, c.py, x1, y1, x2, y2, c.tol); break;
            case Variant::OnScreen: near = IsNearSegmentOnScreen(view, c.px, c.py, x1, y1, x2, y2, c.tol); break;
            case Variant::InPixels: near = IsNearSegmentInPixels(view, c.px, c.py, x1, y1, x2, y2, c.tol); break;
        }
        EXPECT_EQ(near, c.expected) << c.what;
    }
}
