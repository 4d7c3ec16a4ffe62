#pragma once
// The plan into a DXF file: primitives handed to the entity writers on the layers' DXF names, in
// the dialect of the export and in DXF units (the deck's offset and scale factor applied), into the
// spools of one writer state. A dimension is a DIMENSION entity with its block in DXF 2000 and is
// drawn from primitives in R12; a hatch is one anonymous block of lines placed by an INSERT. Texts
// take the export's text base; solid fills and the canvas's paint state do not exist here.
#include "drawing/PlanOutput.h"
#include "dxf/writers/DxfWriterState.h"
#include "state/DxfOptions.h"

class DxfPlanOutput : public PlanOutput {
public:
    DxfPlanOutput(DxfWriterState& writer, const DxfOptions& options, const DrawingState& drawing)
        : writer_(writer), options_(options), drawing_(drawing) {}

    const std::array<int32_t, LayerCount>& LayerSwitches() const override { return drawing_.LayerDxfOn; }
    bool ScaleIs50() const override { return options_.DxfScaleIs50 != 0; }

    void Line(float x1, float y1, float x2, float y2, int32_t layer, LineStyle style) override;
    void Polyline(std::span<const PlanPoint> points, int32_t layer, int16_t closed) override;
    void Circle(float cx, float cy, float r, int32_t layer, LineStyle style) override;
    // A TEXT; one hanging from its anchor (top alignment) stands 2 cm lower, along its angle.
    void Text(float x, float y, const std::string& text, TextKind kind, int32_t layer, HAlign hAlign, VAlign vAlign,
              float angleDeg) override;
    void LinearDimension(const Dimension& dimension) override;
    // Nothing for a hatch without lines: no empty block.
    void Hatch(std::span<const HatchSegment> segments, std::span<const PlanPoint> outline, int32_t layer,
               LineStyle style) override;
    void FillPolygonSolid(std::span<const PlanPoint>, ColourRef, ColourRef) override {}

    void SetPenColour(ColourRef) override {}
    void SetFillColour(ColourRef) override {}
    void SetFillStyle(FillStyle) override {}
    void SetDrawStyle(DrawStyle) override {}

    float TextBase() const override { return options_.DxfUnitFactor; }
    // A DXF file receives hatches, never solid fills, whatever the screen shows.
    int32_t FillModeFor(int32_t) const override { return FillHatch; }
    bool DrawsSpanSymbols() const override { return options_.DxfSpanSymbol != 0; }
    bool MarksUpperAndLowerBars() const override { return options_.DxfMarkUpperLowerBars != 0; }
    // An export drawn while the panel is open keeps its slab hatches.
    bool ShowsEditedPerimeter() const override { return false; }

private:
    const std::string& LayerName(int32_t layer) const;

    DxfWriterState& writer_;
    const DxfOptions& options_;
    const DrawingState& drawing_;
};
