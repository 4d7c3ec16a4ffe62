#include "platform/headless/RecordingCanvas.h"

#include <gtest/gtest.h>

#include <array>

namespace {

TEST(RecordingCanvas, EachDrawingCarriesTheStateInForceWhenItWasDrawn) {
    RecordingCanvas canvas;
    canvas.SetForeColour(PackRgb(1, 2, 3));
    canvas.SetFillColour(PackRgb(4, 5, 6));
    canvas.SetFillStyle(FillStyle::Solid);
    canvas.SetDrawStyle(DrawStyle::Dotted);
    canvas.SetDrawWidth(3);
    canvas.Circle(10, 20, 5, PackRgb(255, 0, 0));

    // Nothing restores the state: it stays for later calls until changed, and changing it does
    // not rewrite what was recorded before.
    canvas.SetAutoRedraw(false);
    canvas.SetDrawStyle(DrawStyle::Solid);
    canvas.Line(0.5f, 1.5f, 2.5f, 3.5f, PackRgb(0, 255, 0));
    canvas.SetFillStyle(FillStyle::Transparent);

    ASSERT_EQ(canvas.Records().size(), 2u);
    const CanvasRecord& circle = canvas.Records()[0];
    EXPECT_EQ(circle.Call, CanvasCall::Circle);
    EXPECT_EQ(circle.X1, 10);
    EXPECT_EQ(circle.Y1, 20);
    EXPECT_EQ(circle.Radius, 5);
    EXPECT_EQ(circle.Colour, PackRgb(255, 0, 0));
    EXPECT_EQ(circle.State.Fore, PackRgb(1, 2, 3));
    EXPECT_EQ(circle.State.Fill, PackRgb(4, 5, 6));
    EXPECT_EQ(circle.State.Filling, FillStyle::Solid);
    EXPECT_EQ(circle.State.Drawing, DrawStyle::Dotted);
    EXPECT_EQ(circle.State.DrawWidth, 3);
    EXPECT_TRUE(circle.State.AutoRedraw);

    const CanvasRecord& line = canvas.Records()[1];
    EXPECT_EQ(line.Call, CanvasCall::Line);
    EXPECT_EQ(line.X1, 0.5f);
    EXPECT_EQ(line.Y2, 3.5f);
    EXPECT_EQ(line.State.Drawing, DrawStyle::Solid);
    EXPECT_EQ(line.State.Filling, FillStyle::Solid);
    EXPECT_EQ(line.State.DrawWidth, 3);
    EXPECT_FALSE(line.State.AutoRedraw);
    EXPECT_EQ(canvas.State().Filling, FillStyle::Transparent);
}

TEST(RecordingCanvas, PolygonsTextsClearsAndPointersAreKeptInOrder) {
    RecordingCanvas canvas(200, 150);
    EXPECT_EQ(canvas.WidthPx(), 200);
    EXPECT_EQ(canvas.HeightPx(), 150);
    canvas.SetSize(320, 240);
    EXPECT_EQ(canvas.WidthPx(), 320);

    const std::array<PixelPoint, 3> triangle{{{0, 0}, {10, 0}, {0, 10}}};
    canvas.SetPointer(CanvasPointer::Hourglass);
    canvas.Clear();
    canvas.Polygon(triangle);
    canvas.Box(1, 2, 3, 4, PackRgb(9, 9, 9), BoxInside::Colour);
    canvas.SetAutoRedraw(false);
    canvas.Text(7, 8, {12, 5, 450, "Arial"}, "P\xE8");
    canvas.ClearTemporary();
    canvas.SetPointer(CanvasPointer::Crosshair);

    std::vector<CanvasCall> calls;
    for (const CanvasRecord& r : canvas.Records()) calls.push_back(r.Call);
    EXPECT_EQ(calls, (std::vector<CanvasCall>{CanvasCall::Pointer, CanvasCall::Clear, CanvasCall::Polygon,
                                              CanvasCall::Box, CanvasCall::Text, CanvasCall::ClearTemporary,
                                              CanvasCall::Pointer}));
    EXPECT_EQ(canvas.Records()[0].Pointer, CanvasPointer::Hourglass);
    EXPECT_EQ(canvas.Pointer(), CanvasPointer::Crosshair);

    const auto polygons = canvas.RecordsOf(CanvasCall::Polygon);
    ASSERT_EQ(polygons.size(), 1u);
    ASSERT_EQ(polygons[0].Points.size(), 3u);
    EXPECT_EQ(polygons[0].Points[2].Y, 10);
    EXPECT_TRUE(canvas.RecordsOf(CanvasCall::Box)[0].Inside == BoxInside::Colour);

    const CanvasRecord text = canvas.RecordsOf(CanvasCall::Text)[0];
    EXPECT_EQ(text.Text, "P\xE8");
    EXPECT_EQ(text.Font.Height, 12);
    EXPECT_EQ(text.Font.Width, 5);
    EXPECT_EQ(text.Font.Escapement, 450);
    EXPECT_EQ(text.X1, 7);
    EXPECT_FALSE(text.State.AutoRedraw);

    canvas.ClearRecords();
    EXPECT_TRUE(canvas.Records().empty());
}

}  // namespace
