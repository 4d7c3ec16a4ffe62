#include "platform/headless/RecordingCanvas.h"

CanvasRecord& RecordingCanvas::Record(CanvasCall call) {
    CanvasRecord& r = records_.emplace_back();
    r.Call = call;
    r.Pointer = pointer_;
    r.State = state_;
    return r;
}

void RecordingCanvas::Line(float x1, float y1, float x2, float y2, ColourRef colour) {
    CanvasRecord& r = Record(CanvasCall::Line);
    r.X1 = x1, r.Y1 = y1, r.X2 = x2, r.Y2 = y2;
    r.Colour = colour;
}

void RecordingCanvas::Box(float x1, float y1, float x2, float y2, ColourRef colour, BoxInside inside) {
    CanvasRecord& r = Record(CanvasCall::Box);
    r.X1 = x1, r.Y1 = y1, r.X2 = x2, r.Y2 = y2;
    r.Colour = colour;
    r.Inside = inside;
}

void RecordingCanvas::Circle(float cx, float cy, float radius, ColourRef colour) {
    CanvasRecord& r = Record(CanvasCall::Circle);
    r.X1 = cx, r.Y1 = cy;
    r.Radius = radius;
    r.Colour = colour;
}

void RecordingCanvas::Polygon(std::span<const PixelPoint> points) {
    Record(CanvasCall::Polygon).Points.assign(points.begin(), points.end());
}

void RecordingCanvas::Text(int32_t x, int32_t y, const CanvasFont& font, const std::string& text) {
    CanvasRecord& r = Record(CanvasCall::Text);
    r.X1 = float(x), r.Y1 = float(y);
    r.Font = font;
    r.Text = text;
}

void RecordingCanvas::SetPointer(CanvasPointer pointer) {
    pointer_ = pointer;
    Record(CanvasCall::Pointer);
}

std::vector<CanvasRecord> RecordingCanvas::RecordsOf(CanvasCall call) const {
    std::vector<CanvasRecord> found;
    for (const CanvasRecord& r : records_)
        if (r.Call == call) found.push_back(r);
    return found;
}
