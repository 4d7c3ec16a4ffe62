#pragma once
// Where one pass of the plan goes. The plan driver, its element drawers and the shapes built from
// primitives emit through this one small output, in model coordinates (cm, y up) on a row of the
// layer table. The canvas output (drawing/CanvasPlanOutput.h) paints pixels in the layers' screen
// colours; the DXF output (dxf/) writes entities and blocks on the layers' DXF names, in the
// dialect of the export. Where a rule differs between the screen and a DXF file, the output holds
// it and the drawers ask it.
#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "model/geometry/HatchLineCache.h"
#include "model/tables/ModelTables.h"
#include "platform/Canvas.h"
#include "state/DrawingState.h"

// How a line is drawn: in its layer's line type, dashed (a dotted pen on the canvas), continuous,
// "DASHED2" (a dotted pen on the canvas), or solid (a circle on the canvas then takes the
// palette's yellow); the values are the DXF writers' style numbers.
enum class LineStyle : int32_t { ByLayer = 0, Dashed = 1, Continuous = 2, Dashed2 = 3, Solid = 4 };

// Where a text stands against its anchor, across and along its line.
enum class HAlign : int32_t { Left = 0, Centre = 1, Right = 2 };
enum class VAlign : int32_t { Bottom = 0, Middle = 1, Top = 2 };

// The height class of a text: 20, 25 and 42 times the output's text base.
enum class TextKind : int32_t { Small = 0, Medium = 1, Title = 2 };

// Lines of the editor's highlights, painted on the canvas only, in light cyan and yellow.
constexpr int32_t HighlightCyanLayer = -1;
constexpr int32_t HighlightYellowLayer = -2;

// The closed flag of a polyline: only this value closes it.
constexpr int16_t PolylineClosed = -1;

// How the area inside an element's outline is painted: not at all, with hatch lines, or solid.
constexpr int32_t FillOutlineOnly = 0;
constexpr int32_t FillHatch = 1;
constexpr int32_t FillSolid = 2;

class PlanOutput {
public:
    virtual ~PlanOutput() = default;

    // What a pass takes from its output at its start: the layer switches that gate it and its
    // drawing scale (1:50, else 1:100).
    virtual const std::array<int32_t, LayerCount>& LayerSwitches() const = 0;
    virtual bool ScaleIs50() const = 0;

    // The primitives. Layers are rows of the layer table; the canvas also takes the highlight
    // layers, every other output leaves what lies on them out. None of them consults a switch.
    virtual void Line(float x1, float y1, float x2, float y2, int32_t layer, LineStyle style) = 0;
    // Segments from point to point, and from the last back to the first when closed is
    // PolylineClosed; nothing for no points.
    virtual void Polyline(std::span<const PlanPoint> points, int32_t layer, int16_t closed) = 0;
    virtual void Circle(float cx, float cy, float r, int32_t layer, LineStyle style) = 0;
    // One line of single-byte Windows text anchored at (x, y), of height class kind, turned by
    // angleDeg degrees.
    virtual void Text(float x, float y, const std::string& text, TextKind kind, int32_t layer, HAlign hAlign,
                      VAlign vAlign, float angleDeg) = 0;
    // A linear dimension between the ends of its line, on the dimension rows; the measured points
    // serve a DXF 2000 DIMENSION only.
    virtual void LinearDimension(const Dimension& dimension) = 0;
    // The lines of one hatch, cut from the closed outline they fill.
    virtual void Hatch(std::span<const HatchSegment> segments, std::span<const PlanPoint> outline, int32_t layer,
                       LineStyle style) = 0;
    // The closed polygon through the points (the first not repeated), inside in fillColour by the
    // even-odd rule, border in penColour; it leaves the paint state so. Fewer than three points
    // paint nothing. Only the canvas paints solid fills.
    virtual void FillPolygonSolid(std::span<const PlanPoint> points, ColourRef fillColour, ColourRef penColour) = 0;

    // The paint state a canvas keeps from one call to the next (pen, fill colour, fill style, draw
    // style): nothing restores it, and what is painted later takes it, so that a circle drawn while
    // the fill style is solid comes out filled. A DXF file has none; there these do nothing.
    virtual void SetPenColour(ColourRef colour) = 0;
    virtual void SetFillColour(ColourRef colour) = 0;
    virtual void SetFillStyle(FillStyle style) = 0;
    virtual void SetDrawStyle(DrawStyle style) = 0;

    // The rules the screen and a DXF file keep apart.
    // The height of a small text is 20 times this base.
    virtual float TextBase() const = 0;
    // The fill of an element kind whose hatch row is on, by the screen's display mode of it (0
    // solid, 2 and above outline only, any other value a hatch).
    virtual int32_t FillModeFor(int32_t displayMode) const = 0;
    // Whether the floor slabs' span symbols and labels are drawn.
    virtual bool DrawsSpanSymbols() const = 0;
    // Whether the floor-slab rebars' labels say which bars lie below and which above.
    virtual bool MarksUpperAndLowerBars() const = 0;
    // Whether the outline the vertex panel edits shows, the slabs' fills giving way to it.
    virtual bool ShowsEditedPerimeter() const = 0;

    float TextHeight(TextKind kind) const { return TextKindFactor(kind) * TextBase(); }

    static float TextKindFactor(TextKind kind) {
        switch (kind) {
        case TextKind::Medium: return 25.0f;
        case TextKind::Title: return 42.0f;
        default: return 20.0f;
        }
    }
};
