#pragma once
// A canvas without pixels: every drawing call, clear and pointer change is kept as a record with
// the drawing state in force at the time, so that drawing tests can assert on what was drawn.
#include <vector>

#include "platform/CanvasState.h"

enum class CanvasCall { Line, Box, Circle, Polygon, Text, Clear, ClearTemporary, Pointer };

struct CanvasRecord {
    CanvasCall Call = CanvasCall::Line;
    // Line and Box: the two ends or corners; Circle: X1, Y1 the centre; Text: X1, Y1 the corner.
    float X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
    float Radius = 0;
    ColourRef Colour = 0;  // the colour passed to Line, Box and Circle
    BoxInside Inside = BoxInside::Empty;  // Box
    std::vector<PixelPoint> Points;  // Polygon
    std::string Text;                // as passed, code page 1252
    CanvasFont Font;
    CanvasPointer Pointer = CanvasPointer::Arrow;  // the pointer shown after the call
    // The state in force; State.AutoRedraw tells the persistent image from the temporary layer.
    CanvasState State;
};

class RecordingCanvas : public StatefulCanvas {
public:
    RecordingCanvas(int32_t width = 800, int32_t height = 600) : width_(width), height_(height) {}

    void SetSize(int32_t width, int32_t height) { width_ = width, height_ = height; }
    int32_t WidthPx() const override { return width_; }
    int32_t HeightPx() const override { return height_; }

    void Clear() override { Record(CanvasCall::Clear); }
    void ClearTemporary() override { Record(CanvasCall::ClearTemporary); }
    void Line(float x1, float y1, float x2, float y2, ColourRef colour) override;
    void Box(float x1, float y1, float x2, float y2, ColourRef colour, BoxInside inside) override;
    void Circle(float cx, float cy, float radius, ColourRef colour) override;
    void Polygon(std::span<const PixelPoint> points) override;
    void Text(int32_t x, int32_t y, const CanvasFont& font, const std::string& text) override;
    void SetPointer(CanvasPointer pointer) override;

    CanvasPointer Pointer() const { return pointer_; }
    const std::vector<CanvasRecord>& Records() const { return records_; }
    std::vector<CanvasRecord> RecordsOf(CanvasCall call) const;
    void ClearRecords() { records_.clear(); }

private:
    CanvasRecord& Record(CanvasCall call);

    int32_t width_, height_;
    CanvasPointer pointer_ = CanvasPointer::Arrow;
    std::vector<CanvasRecord> records_;
};
