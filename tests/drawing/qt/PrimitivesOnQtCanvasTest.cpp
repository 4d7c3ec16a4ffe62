// The primitives through the Qt canvas: what a person sees, checked pixel by pixel and saved as a
// picture in the build tree.
#include <QImage>
#include <QString>

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "drawing/CanvasPlanOutput.h"
#include "drawing/ExplodedDimension.h"
#include "drawing/LayerDefaults.h"
#include "platform/headless/RecordingCanvas.h"
#include "platform/qt/QtCanvas.h"
#include "state/LayerRows.h"
#include "tests/drawing/qt/ImagePixels.h"

namespace {

// Pixels of `colour` inside the box [x0, x1) × [y0, y1), in logical pixels.
int CountOf(const QImage& image, ColourRef colour, int x0, int y0, int x1, int y1) {
    int count = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            if (At(image, x, y) == colour) ++count;
    return count;
}

TEST(PrimitivesOnQtCanvas, LinesAFilledPolygonAndATextLandWhereTheModelPutsThem) {
    QtCanvas canvas;
    canvas.resize(400, 300);
    DrawingState drawing;
    ShellOptions shell;
    DesignOptions design;
    DxfOptions dxf;
    SetDefaultScreenColors(drawing);  // black background
    SetDefaultLayersAndOptions(drawing, shell, design, dxf);
    drawing.View.ViewScale = 2.0f;  // 2 pixels per cm, model origin at the bottom-left pixel
    drawing.View.CanvasHeightPx = 300;
    CanvasPlanOutput out(canvas, drawing, shell);
    // As a canvas pass begins: the persistent image on, cleared in the background colour.
    canvas.SetAutoRedraw(true);
    canvas.SetBackColour(drawing.CanvasBackColour);
    canvas.Clear();

    // Red reinforcement layer, y = 300 - 240 = 60 px.
    out.Line(10, 120, 190, 120, LayerRow::FloorSlabRebars, LineStyle::ByLayer);
    // A square with a square hole, filled by the even-odd rule.
    canvas.SetFillStyle(FillStyle::Solid);
    canvas.SetFillColour(drawing.LayerScreenColours[20]);
    canvas.SetForeColour(drawing.LayerScreenColours[20]);
    const std::array<PixelPoint, 10> rings{{{20, 280}, {120, 280}, {120, 180}, {20, 180}, {20, 280},
                                            {45, 255}, {95, 255}, {95, 205}, {45, 205}, {45, 255}}};
    canvas.Polygon(rings);
    // Green title, bottom-left at (200, 200) px.
    out.Text(100, 50, "TITOLO", TextKind::Title, LayerRow::TitleTexts, HAlign::Left, VAlign::Bottom, 0);
    DrawExplodedDimension(out, 10, 140, 190, 140, LayerRow::Dimensions, LayerRow::DimensionTexts);
    canvas.SetAutoRedraw(false);

    const QImage image = canvas.Image();
    ASSERT_TRUE(canvas.SaveImage(QString(DRAVO_TEST_OUTPUT) + "/primitives-on-qt.png"));
    const ColourRef background = 0, red = drawing.LayerScreenColours[10], cyan = drawing.LayerScreenColours[20];
    const ColourRef green = drawing.LayerScreenColours[12], dimension = drawing.LayerScreenColours[9];

    EXPECT_EQ(At(image, 200, 60), red);
    EXPECT_EQ(At(image, 200, 66), background);
    EXPECT_EQ(At(image, 10, 60), background) << "the line starts at 20 px";
    EXPECT_EQ(At(image, 30, 190), cyan) << "inside the outer ring";
    EXPECT_EQ(At(image, 70, 230), background) << "the hole stays free";
    EXPECT_EQ(At(image, 150, 230), background) << "outside the polygon";
    EXPECT_GT(CountOf(image, green, 200, 160, 330, 200), 40) << "the title's ink above its anchor";
    EXPECT_EQ(CountOf(image, green, 200, 205, 330, 230), 0) << "nothing of it below the anchor";
    EXPECT_EQ(At(image, 200, 20), dimension) << "the dimension line at y = 300 - 280";
    EXPECT_EQ(At(image, 20, 4), dimension) << "its tick 8 cm (16 px) up from the line end";
}

// Primitives all round the edges of a 300 × 200 canvas at one pixel per cm, from well off it to
// just on it: thin, thick and dotted lines, circles, fills, and texts turned every 45 degrees with
// wide glyphs, accents and descenders.
void DrawAroundTheEdges(Canvas& canvas, PlanOutput& out) {
    const float offsets[] = {-60, -30, -20, -14, -12, -10, -9, -8, -6, -4, -2, -1, 0, 1, 3};
    for (const float d : offsets) {
        for (const int32_t width : {1, 3}) {
            canvas.SetDrawWidth(width);
            for (const LineStyle style : {LineStyle::ByLayer, LineStyle::Dashed}) {
                out.Line(-d, 10, -d - 30, 190, LayerRow::WallOutlines, style);   // left
                out.Line(300 + d, 10, 330 + d, 190, LayerRow::WallOutlines, style);  // right
                out.Line(10, -d, 290, -d - 5, LayerRow::BeamExtrados, style);    // below
                out.Line(10, 200 + d, 290, 205 + d, LayerRow::BeamExtrados, style);  // above
            }
        }
        canvas.SetDrawWidth(1);
        out.Circle(-20 - d, 100, 20, LayerRow::Footings, LineStyle::ByLayer);
        out.Circle(150, 230 + d, 30, LayerRow::Footings, LineStyle::Dashed);
        const std::vector<PlanPoint> fill{{310 + d, 40}, {340 + d, 40}, {340 + d, 70}};
        out.FillPolygonSolid(fill, PackRgb(200, 0, 200), PackRgb(0, 200, 200));
    }
    const std::string text = "W\xC5Mgj|_W";
    const PlanPoint anchors[] = {{-4, 100}, {-40, 100}, {-120, 100}, {304, 100}, {340, 100}, {420, 100},
                                 {150, -4},  {150, -40}, {150, -120}, {150, 204}, {150, 240}, {150, 320}};
    for (const PlanPoint& a : anchors)
        for (int angle = 0; angle < 360; angle += 45)
            for (const HAlign h : {HAlign::Left, HAlign::Right})
                out.Text(a.X, a.Y, text, TextKind::Medium, LayerRow::TitleTexts, h, VAlign::Middle, float(angle));
}

TEST(PrimitivesOnQtCanvas, LeavingOutWhatLiesOffTheCanvasChangesNoPixel) {
    DrawingState drawing;
    ShellOptions shell;
    DesignOptions design;
    DxfOptions dxf;
    SetDefaultScreenColors(drawing);
    SetDefaultLayersAndOptions(drawing, shell, design, dxf);
    drawing.View.ViewScale = 1.0f;
    drawing.View.CanvasHeightPx = 200;
    shell.OptimalTextSize = 1;
    const auto painted = [&](OffCanvasPrimitives offCanvas) {
        QtCanvas canvas;
        canvas.resize(300, 200);
        canvas.SetBackColour(drawing.CanvasBackColour);
        canvas.Clear();
        CanvasPlanOutput out(canvas, drawing, shell, offCanvas);
        DrawAroundTheEdges(canvas, out);
        return canvas.Image();
    };
    const auto calls = [&](OffCanvasPrimitives offCanvas) {
        RecordingCanvas canvas(300, 200);
        CanvasPlanOutput out(canvas, drawing, shell, offCanvas);
        DrawAroundTheEdges(canvas, out);
        return canvas.Records().size();
    };
    ASSERT_LT(calls(OffCanvasPrimitives::Skipped), calls(OffCanvasPrimitives::Drawn)) << "some calls are left out";
    const QImage skipped = painted(OffCanvasPrimitives::Skipped);
    EXPECT_TRUE(skipped == painted(OffCanvasPrimitives::Drawn));
    EXPECT_NE(CountOf(skipped, drawing.LayerScreenColours[LayerRow::TitleTexts], 0, 0, 300, 200), 0)
        << "the texts reach into the canvas";
}

}  // namespace
