#include "drawing/Primitives.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "drawing/CanvasPlanOutput.h"
#include "drawing/CanvasText.h"
#include "drawing/ExplodedDimension.h"
#include "drawing/LayerDefaults.h"
#include "dxf/output/DxfPlanOutput.h"
#include "platform/headless/RecordingCanvas.h"
#include "state/LayerRows.h"
#include "tests/support/DxfRecordLines.h"

namespace {

// A canvas pass over a 800 × 600 canvas whose bottom-left pixel shows the model origin.
struct Pass {
    RecordingCanvas canvas{800, 600};
    DrawingState drawing;
    ShellOptions shell;
    DesignOptions design;
    DxfOptions dxf;
    DxfWriterState writer;
    CanvasPlanOutput out;

    explicit Pass(float scale = 1.0f, OffCanvasPrimitives offCanvas = OffCanvasPrimitives::Skipped)
        : out(canvas, drawing, shell, offCanvas) {
        SetDefaultScreenColors(drawing);
        SetDefaultLayersAndOptions(drawing, shell, design, dxf);
        drawing.View.ViewScale = scale;
        drawing.View.CanvasHeightPx = 600;
        shell.OptimalTextSize = 1;
    }
    std::vector<CanvasRecord> Lines() const { return canvas.RecordsOf(CanvasCall::Line); }
};

TEST(DrawLine, DottedStylesSwitchThePenOnlyForTheirOwnLine) {
    Pass p;
    p.out.Line(0, 0, 10, 0, LayerRow::WallOutlines, LineStyle::Dashed2);
    p.out.Line(0, 0, 10, 0, LayerRow::WallOutlines, LineStyle::ByLayer);
    p.out.Line(0, 0, 10, 0, HighlightCyanLayer, LineStyle::Dashed);
    const auto lines = p.Lines();
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].State.Drawing, DrawStyle::Dotted);
    EXPECT_EQ(lines[0].Colour, p.drawing.LayerScreenColours[4]);
    EXPECT_EQ(lines[1].State.Drawing, DrawStyle::Solid);
    EXPECT_EQ(lines[2].State.Drawing, DrawStyle::Solid) << "a highlight is always solid";
    EXPECT_EQ(lines[2].Colour, PackRgb(0, 255, 255));
    EXPECT_EQ(p.canvas.State().Drawing, DrawStyle::Solid);
    // Model y up, canvas y down.
    EXPECT_FLOAT_EQ(lines[0].Y1, 600);
    EXPECT_FLOAT_EQ(lines[0].X2, 10);
}

TEST(DrawPolyline, OnlyMinusOneClosesIt) {
    const std::vector<PlanPoint> triangle{{0, 0}, {10, 0}, {0, 10}};
    const std::vector<PlanPoint> single{{5, 5}};
    struct Case {
        const std::vector<PlanPoint>* points;
        int16_t closed;
        size_t segments;
    };
    const Case cases[] = {{&triangle, -1, 3}, {&triangle, 1, 2}, {&triangle, 0, 2}, {&single, 0, 0}, {&single, -1, 1}};
    for (const Case& c : cases) {
        Pass p;
        p.out.Polyline(*c.points, LayerRow::FloorSlabOutlines, c.closed);
        const auto lines = p.Lines();
        ASSERT_EQ(lines.size(), c.segments) << "closed " << c.closed << ", " << c.points->size() << " points";
        if (c.segments == 3) {
            EXPECT_FLOAT_EQ(lines[2].X2, 0);  // the closing segment ends at the first point
            EXPECT_FLOAT_EQ(lines[2].Y2, 600);
        }
    }
}

TEST(DrawCircle, StylesAboveThreeTakeThePaletteYellow) {
    Pass p(2.0f);
    p.out.Circle(10, 10, 5, LayerRow::Dimensions, LineStyle::Solid);
    p.out.Circle(10, 10, 5, LayerRow::Dimensions, LineStyle::Dashed);
    const auto circles = p.canvas.RecordsOf(CanvasCall::Circle);
    ASSERT_EQ(circles.size(), 2u);
    EXPECT_EQ(circles[0].Colour, p.drawing.Palette.PaletteYellow);
    EXPECT_FLOAT_EQ(circles[0].Radius, 10);
    EXPECT_EQ(circles[1].State.Drawing, DrawStyle::Dotted);
    EXPECT_EQ(p.canvas.State().Drawing, DrawStyle::Solid);
}

TEST(DrawLine, AFarAwayLineIsClippedNotWrapped) {
    Pass p(1000.0f);  // 10 m per pixel … the other way: 1000 pixels per cm
    p.out.Line(-1.0e6f, 0.25f, 1.0e6f, 0.25f, LayerRow::Dimensions, LineStyle::ByLayer);
    p.out.Line(-1.0e6f, -1.0e6f, 1.0e6f, 1.0e6f, LayerRow::Dimensions, LineStyle::ByLayer);
    p.out.Line(5.0e6f, 5.0e6f, 6.0e6f, 6.0e6f, LayerRow::Dimensions, LineStyle::ByLayer);  // wholly out of reach
    const auto lines = p.Lines();
    ASSERT_EQ(lines.size(), 2u);
    const float y = 600 - 250;
    EXPECT_LE(lines[0].X1, 0);
    EXPECT_GE(lines[0].X2, 800);
    EXPECT_LE(std::abs(lines[0].X1), 2.0e6f);
    EXPECT_FLOAT_EQ(lines[0].Y1, y);
    EXPECT_FLOAT_EQ(lines[0].Y2, y);
    // The diagonal keeps its direction, and its ends lie within reach of a painter.
    const CanvasRecord& d = lines[1];
    EXPECT_NEAR((d.Y2 - d.Y1) / (d.X2 - d.X1), -1.0, 1e-6);
    for (float v : {d.X1, d.Y1, d.X2, d.Y2}) EXPECT_LE(std::abs(v), 1.0e6f + 1);
    // Through the origin's pixel, up to the 32-bit rounding of ends a billion pixels away.
    const float t = (0 - d.X1) / (d.X2 - d.X1);
    EXPECT_NEAR(d.Y1 + t * (d.Y2 - d.Y1), 600, 64.0);
}

TEST(DrawExplodedDimension, LineTicksEndCirclesAndLabel) {
    Pass p;
    DrawExplodedDimension(p.out, 100, 0, 0, 0, LayerRow::Dimensions, LayerRow::DimensionTexts);
    const auto lines = p.Lines();
    ASSERT_EQ(lines.size(), 3u);
    // Drawn from the left end; ticks 16 long across it.
    EXPECT_FLOAT_EQ(lines[0].X1, 0);
    EXPECT_FLOAT_EQ(lines[0].X2, 100);
    EXPECT_FLOAT_EQ(lines[1].X1, 0);
    EXPECT_FLOAT_EQ(lines[1].Y1, 608);
    EXPECT_FLOAT_EQ(lines[1].Y2, 592);
    EXPECT_FLOAT_EQ(lines[2].X1, 100);
    const auto circles = p.canvas.RecordsOf(CanvasCall::Circle);
    ASSERT_EQ(circles.size(), 2u);
    EXPECT_FLOAT_EQ(circles[0].Radius, 1.2f);
    const auto texts = p.canvas.RecordsOf(CanvasCall::Text);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].Text, "100");
    EXPECT_EQ(texts[0].State.Fore, p.drawing.LayerScreenColours[LayerRow::DimensionTexts]);
    EXPECT_EQ(lines[0].Colour, p.drawing.LayerScreenColours[LayerRow::Dimensions]);
}

TEST(DrawExplodedDimension, LabelsAndTheirPlace) {
    EXPECT_EQ(DimensionLabel(250.96f), "251");
    EXPECT_EQ(DimensionLabel(250.88f), "250.9");
    EXPECT_EQ(DimensionLabel(20.5f), "20.5");
    EXPECT_EQ(DimensionLabel(100.0f), "100");

    // A label wider than its short line moves 7 cm to the left of it: the same as a label that
    // fits, drawn 7 cm higher.
    Pass shortOne, placed;
    DrawExplodedDimension(shortOne.out, 0, 0, 20.5f, 0, LayerRow::Dimensions, LayerRow::DimensionTexts);
    placed.out.Text(10.25f, 7, "20.5", TextKind::Small, LayerRow::DimensionTexts, HAlign::Centre, VAlign::Bottom, 0);
    const auto a = shortOne.canvas.RecordsOf(CanvasCall::Text), b = placed.canvas.RecordsOf(CanvasCall::Text);
    ASSERT_EQ(a.size(), 1u);
    ASSERT_EQ(b.size(), 1u);
    EXPECT_EQ(a[0].X1, b[0].X1);
    EXPECT_EQ(a[0].Y1, b[0].Y1);

    Pass none;
    DrawExplodedDimension(none.out, 5, 5, 5.0005f, 5, LayerRow::Dimensions, LayerRow::DimensionTexts);
    EXPECT_TRUE(none.canvas.Records().empty());
}

TEST(DrawText, AnchorCellSizeAndEscapement) {
    Pass p(0.3f);
    p.shell.OptimalTextSize = 0;  // text base 2
    p.out.Text(100, 100, "A1", TextKind::Small, LayerRow::TitleTexts, HAlign::Left, VAlign::Bottom, 0);
    p.out.Text(100, 100, "A1", TextKind::Small, LayerRow::TitleTexts, HAlign::Left, VAlign::Top, 30.6f);
    const auto texts = p.canvas.RecordsOf(CanvasCall::Text);
    ASSERT_EQ(texts.size(), 2u);
    // hp = 0.3 × 40 × 0.9 = 10.8 px, cw = 4.104 px; bottom alignment hangs the cell hp above.
    EXPECT_EQ(texts[0].Font.Height, 11);
    EXPECT_EQ(texts[0].Font.Width, 4);
    EXPECT_EQ(texts[0].Font.Escapement, 0);
    EXPECT_EQ(texts[0].Font.Face, "Arial");
    EXPECT_FLOAT_EQ(texts[0].X1, 30);
    EXPECT_FLOAT_EQ(texts[0].Y1, 559);  // 600 - 30 - 10.8, rounded
    EXPECT_EQ(texts[1].Font.Escapement, 310);
    EXPECT_FLOAT_EQ(texts[1].Y1, 570);  // top alignment: the anchor itself
    EXPECT_EQ(texts[0].State.Fore, p.drawing.LayerScreenColours[LayerRow::TitleTexts]);

    Pass tiny(0.05f);
    tiny.shell.OptimalTextSize = 0;
    tiny.out.Text(100, 100, "A1", TextKind::Small, LayerRow::TitleTexts, HAlign::Left, VAlign::Bottom, 0);
    EXPECT_TRUE(tiny.canvas.RecordsOf(CanvasCall::Text).empty()) << "a text too small to read is skipped";
}

// Model points at one pixel per cm with the origin at the bottom-left pixel: the 800 × 600 canvas
// spans x 0 to 800 and y 0 to 600, and a primitive may lie 8 pixels and its pen's width beyond it.
TEST(OffCanvas, WhatLiesWhollyOffTheCanvasNeverReachesItButItsPaintStateDoes) {
    struct Case {
        const char* what;
        std::function<void(Pass&)> draw;
        bool reaches;
    };
    const std::vector<PlanPoint> square{{-60, 100}, {-20, 100}, {-20, 140}, {-60, 140}};
    const std::vector<PlanPoint> overEdge{{-60, 100}, {-5, 100}, {-5, 140}, {-60, 140}};
    const Case cases[] = {
        {"a line 10 px left", [](Pass& p) { p.out.Line(-50, 10, -10, 20, LayerRow::WallOutlines, LineStyle::ByLayer); },
         false},
        {"a line 5 px left", [](Pass& p) { p.out.Line(-50, 10, -5, 20, LayerRow::WallOutlines, LineStyle::ByLayer); },
         true},
        {"a line 20 px below", [](Pass& p) { p.out.Line(10, -20, 700, -30, LayerRow::WallOutlines, LineStyle::ByLayer); },
         false},
        {"a line 20 px right", [](Pass& p) { p.out.Line(820, 10, 900, 500, LayerRow::WallOutlines, LineStyle::ByLayer); },
         false},
        {"a line 20 px above", [](Pass& p) { p.out.Line(10, 620, 700, 650, LayerRow::WallOutlines, LineStyle::ByLayer); },
         false},
        {"a line across from far left to far right",
         [](Pass& p) { p.out.Line(-5000, 300, 5000, 310, LayerRow::WallOutlines, LineStyle::ByLayer); }, true},
        {"a dotted line 10 px left",
         [](Pass& p) { p.out.Line(-50, 10, -10, 20, LayerRow::WallOutlines, LineStyle::Dashed2); }, false},
        {"a 6-pixel pen 12 px left",
         [](Pass& p) {
             p.canvas.SetDrawWidth(6);
             p.out.Line(-50, 10, -12, 20, LayerRow::WallOutlines, LineStyle::ByLayer);
         },
         true},
        {"a polyline's edges", [&](Pass& p) { p.out.Polyline(square, LayerRow::PillarOutlines, PolylineClosed); },
         false},
        {"a circle 30 px left reaching 5 px short",
         [](Pass& p) { p.out.Circle(-30, 300, 25, LayerRow::Footings, LineStyle::ByLayer); }, true},
        {"a circle 30 px left reaching 20 px short",
         [](Pass& p) { p.out.Circle(-30, 300, 10, LayerRow::Footings, LineStyle::ByLayer); }, false},
        {"a fill 20 px left", [&](Pass& p) { p.out.FillPolygonSolid(square, 255, 255); }, false},
        {"a fill 5 px left", [&](Pass& p) { p.out.FillPolygonSolid(overEdge, 255, 255); }, true},
        // Titles at 1:50: cells 38 px high, 14 px wide; ten of them reach 40 px into the canvas.
        {"a text anchored 100 px left",
         [](Pass& p) { p.out.Text(-100, 300, "ABCDEFGHIJ", TextKind::Title, LayerRow::TitleTexts, HAlign::Left, VAlign::Top, 0); },
         true},
        {"a text anchored 1000 px left",
         [](Pass& p) { p.out.Text(-1000, 300, "ABCDEFGHIJ", TextKind::Title, LayerRow::TitleTexts, HAlign::Left, VAlign::Top, 0); },
         false},
        {"a text below read upwards into the canvas",
         [](Pass& p) { p.out.Text(400, -100, "ABCDEFGHIJ", TextKind::Title, LayerRow::TitleTexts, HAlign::Left, VAlign::Top, 90); },
         true},
        {"a text below read downwards",
         [](Pass& p) { p.out.Text(400, -100, "ABCDEFGHIJ", TextKind::Title, LayerRow::TitleTexts, HAlign::Left, VAlign::Top, 270); },
         false},
        {"a text right of the canvas turned back into it",
         [](Pass& p) { p.out.Text(900, 300, "ABCDEFGHIJ", TextKind::Title, LayerRow::TitleTexts, HAlign::Left, VAlign::Top, 180); },
         true},
        {"a centred text whose middle lies left of the canvas",
         [](Pass& p) { p.out.Text(-40, 300, "ABCDEFGHIJ", TextKind::Title, LayerRow::TitleTexts, HAlign::Centre, VAlign::Middle, 0); },
         true},
    };
    for (const Case& c : cases) {
        for (const OffCanvasPrimitives offCanvas : {OffCanvasPrimitives::Skipped, OffCanvasPrimitives::Drawn}) {
            Pass p(1.0f, offCanvas);
            c.draw(p);
            size_t drawn = 0;
            for (const CanvasRecord& r : p.canvas.Records())
                drawn += r.Call == CanvasCall::Line || r.Call == CanvasCall::Circle || r.Call == CanvasCall::Text ||
                         r.Call == CanvasCall::Polygon;
            const bool expected = c.reaches || offCanvas == OffCanvasPrimitives::Drawn;
            EXPECT_EQ(drawn > 0, expected) << c.what << (expected ? " is drawn" : " is left out");
        }
    }

    // What a left-out call sets stays set for the calls after it.
    Pass p;
    p.out.Line(-50, 10, -10, 20, LayerRow::WallOutlines, LineStyle::Dashed2);
    EXPECT_EQ(p.canvas.State().Drawing, DrawStyle::Solid);
    p.out.Text(-1000, 300, "ABC", TextKind::Title, LayerRow::TitleTexts, HAlign::Left, VAlign::Top, 0);
    EXPECT_EQ(p.canvas.State().Fore, p.drawing.LayerScreenColours[LayerRow::TitleTexts]);
    p.out.FillPolygonSolid(square, PackRgb(1, 2, 3), PackRgb(4, 5, 6));
    EXPECT_EQ(p.canvas.State().Fill, PackRgb(1, 2, 3));
    EXPECT_EQ(p.canvas.State().Fore, PackRgb(4, 5, 6));
    EXPECT_EQ(p.canvas.State().Filling, FillStyle::Solid);
    EXPECT_TRUE(p.canvas.Records().empty());
}

TEST(DrawText, EstimatedWidthCountsCharacterClassesOnce) {
    struct Case {
        const char* text;
        float count;
    };
    const Case cases[] = {
        {"xxtxxmrx", 7.2f},  // 8 - 0.6 (t) + 0.4 (m) - 0.6 (r)
        {"Tt", 1.4f},        // the capital does not count
        {"tttx", 3.0f},      // "tt" once
        {"a.b c,d", 4.6f},   // 7 - 3 × 0.8
    };
    for (const Case& c : cases) EXPECT_NEAR(EstimatedCharacterCount(c.text), c.count, 1e-5) << c.text;
}

TEST(DrawRebarText, ASegmentThatRoundsToNothingDrawsNothing) {
    Pass shortOne, longer;
    DrawRebarText(shortOne.out, "1Ø8", 0, 0, 0.4f, 0, true, LayerRow::FloorSlabRebars, LayerRow::RebarTexts);
    DrawRebarText(longer.out, "1Ø8", 0, 0, 0.6f, 0, true, LayerRow::FloorSlabRebars, LayerRow::RebarTexts);
    EXPECT_TRUE(shortOne.canvas.Records().empty());
    EXPECT_EQ(longer.Lines().size(), 1u);
}

}  // namespace

namespace {

// A DXF pass of the R12 dialect at 1:50 (scale factor 2, text base 0.1).
struct DxfPass : Pass {
    DxfPlanOutput dxfOut{writer, dxf, drawing};

    DxfPass() {
        dxf.DxfR12 = 1;
        dxf.DxfScaleFactor = 2.0f;
        dxf.DxfUnitFactor = 0.1f;
        InitDxfHandles(writer);
    }
    std::vector<std::string> Entities() const {
        std::vector<std::string> kinds;
        for (const auto& [code, value] : SplitGroups(writer.EntitySpool))
            if (code == "  0") kinds.push_back(value);
        return kinds;
    }
    std::string Group(const std::string& code, int occurrence = 0) const {
        for (const auto& [c, value] : SplitGroups(writer.EntitySpool))
            if (c == code && occurrence-- == 0) return value;
        return "(none)";
    }
};

TEST(DrawDimension, AnR12DimensionIsDrawnFromPrimitivesIntoTheSpool) {
    DxfPass p;
    Dimension d;
    d.LineX2 = d.MeasuredX2 = 100;
    p.dxfOut.LinearDimension(d);
    EXPECT_EQ(p.Entities(), (std::vector<std::string>{"LINE", "LINE", "LINE", "CIRCLE", "CIRCLE", "TEXT"}));
    EXPECT_EQ(p.Group("  8"), "QUOTE");
    EXPECT_EQ(p.Group("  1"), "100");
    EXPECT_EQ(p.Group(" 40"), "2.4") << "the end circles: 1.2 cm";
    EXPECT_EQ(p.Group(" 40", 2), "2") << "kind 0: 20 × the text base";
    EXPECT_TRUE(p.canvas.Records().empty()) << "a DXF pass leaves the canvas alone";
}

TEST(DrawText, ATopAlignedDxfTextHangsTwoCentimetresBelowItsAnchor) {
    DxfPass p;
    p.dxfOut.Text(10, 50, "SOLAIO 1", TextKind::Medium, LayerRow::FloorSlabTexts, HAlign::Centre, VAlign::Top, 0);
    EXPECT_EQ(p.Group(" 10"), "20");
    EXPECT_EQ(p.Group(" 20"), "96");  // (50 × 2) − 2 × 2
    EXPECT_EQ(p.Group(" 73"), "     3");
    EXPECT_EQ(p.Group(" 40"), "2.5");
    EXPECT_EQ(p.Group("  8"), "TESTO_SOLAI");
}

TEST(DrawCircle, ADxfCircleTakesTheScaleFactorAndNoLineTypeAboveStyleThree) {
    DxfPass p;
    p.dxf.DxfScaleFactor = 0.2f;
    p.dxfOut.Circle(0, 0, 10, LayerRow::PillarOutlines, LineStyle::Solid);
    EXPECT_EQ(p.Group(" 40"), "2");
    EXPECT_EQ(p.Group("  6"), "(none)");
}

}  // namespace
