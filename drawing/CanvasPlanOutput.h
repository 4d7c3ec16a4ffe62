#pragma once
// The plan on the canvas: primitives turned into pixels of the view window in the layers' screen
// colours, clipped so that what lies millions of pixels away neither wraps nor reaches the canvas
// unclipped; texts by the screen's rules (sized by the view, skipped when too small to read). The
// screen's layer switches gate it, and its texts are sized for 1:50 or 1:100 by the user's option.
// Solid fills and the paint state are the canvas's own.
//
// A primitive that lies wholly off the canvas, by more than its pen and a margin of a few pixels
// (a text by a generous box around its glyphs), never reaches it: a zoom into the plan leaves most
// of it off the view. The paint state the call sets still changes, since later calls take it. A
// pass that measures the drawing's extents on a recording canvas turns this off.
#include <vector>

#include "drawing/PixelRange.h"
#include "drawing/PlanOutput.h"
#include "state/ShellState.h"

enum class OffCanvasPrimitives { Skipped, Drawn };

class CanvasPlanOutput : public PlanOutput {
public:
    // The canvas keeps its size through the life of the output.
    CanvasPlanOutput(Canvas& canvas, const DrawingState& drawing, const ShellOptions& options,
                     OffCanvasPrimitives offCanvas = OffCanvasPrimitives::Skipped);

    const std::array<int32_t, LayerCount>& LayerSwitches() const override { return drawing_.LayerScreenOn; }
    bool ScaleIs50() const override { return options_.OptimalTextSize != 0; }

    void Line(float x1, float y1, float x2, float y2, int32_t layer, LineStyle style) override;
    void Polyline(std::span<const PlanPoint> points, int32_t layer, int16_t closed) override;
    void Circle(float cx, float cy, float r, int32_t layer, LineStyle style) override;
    void Text(float x, float y, const std::string& text, TextKind kind, int32_t layer, HAlign hAlign, VAlign vAlign,
              float angleDeg) override;
    // Drawn from its line, ticks, end circles and label.
    void LinearDimension(const Dimension& dimension) override;
    // One line per segment.
    void Hatch(std::span<const HatchSegment> segments, std::span<const PlanPoint> outline, int32_t layer,
               LineStyle style) override;
    void FillPolygonSolid(std::span<const PlanPoint> points, ColourRef fillColour, ColourRef penColour) override;

    void SetPenColour(ColourRef colour) override { canvas_.SetForeColour(colour); }
    void SetFillColour(ColourRef colour) override { canvas_.SetFillColour(colour); }
    void SetFillStyle(FillStyle style) override { canvas_.SetFillStyle(style); }
    void SetDrawStyle(DrawStyle style) override { canvas_.SetDrawStyle(style); }

    // 1 at 1:50, 2 at 1:100: the screen's texts keep their size on paper.
    float TextBase() const override { return ScaleIs50() ? 1.0f : 2.0f; }
    int32_t FillModeFor(int32_t displayMode) const override;
    bool DrawsSpanSymbols() const override { return true; }
    bool MarksUpperAndLowerBars() const override { return false; }
    bool ShowsEditedPerimeter() const override { return true; }

private:
    // Lines on a layer in a style: the pen dotted for them alone.
    void Strokes(std::span<const HatchSegment> segments, int32_t layer, LineStyle style);
    void Segment(float x1, float y1, float x2, float y2, ColourRef colour);
    // Whether the pixel box lies wholly off the canvas by more than the pen in force and a margin;
    // never while off-canvas primitives are drawn.
    bool OffCanvas(const PixelBox& box) const;
    // Whether the pixel position lies on the canvas or within the margin beside it (not for a
    // position that is not a number).
    bool NearCanvas(float x, float y) const;

    Canvas& canvas_;
    const DrawingState& drawing_;
    const ShellOptions& options_;
    bool skipOffCanvas_;
    float canvasWidth_, canvasHeight_;
    std::vector<PixelPosition> screen_;  // a fill's corners on the canvas, kept for the next fill
};
