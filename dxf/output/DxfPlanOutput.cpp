#include "dxf/output/DxfPlanOutput.h"

#include <cmath>
#include <vector>

#include "drawing/ExplodedDimension.h"
#include "dxf/writers/DxfBlockEntities.h"
#include "dxf/writers/DxfBlockFrames.h"
#include "dxf/writers/DxfDimensions.h"
#include "dxf/writers/DxfEntityWriters.h"
#include "model/geometry/Geometry.h"
#include "state/LayerRows.h"

namespace {

bool IsTableLayer(int32_t layer) { return layer >= 0 && layer < LayerCount; }

int32_t StyleNumber(LineStyle style) { return static_cast<int32_t>(style); }

// The centroid of the outline, where its hatch block is inserted; the origin for an outline of no
// area.
PlanPoint HatchBasePoint(std::span<const PlanPoint> outline) {
    double area = 0, sx = 0, sy = 0;
    const size_t n = outline.size();
    for (size_t i = 0; i < n; ++i) {
        const PlanPoint& a = outline[i];
        const PlanPoint& b = outline[(i + 1) % n];
        const double s = (static_cast<double>(b.X) * a.Y - static_cast<double>(a.X) * b.Y) / 2;
        area += s;
        sx += (static_cast<double>(a.X) + b.X) * s / 3;
        sy += (static_cast<double>(a.Y) + b.Y) * s / 3;
    }
    if (std::fabs(area) <= 1e-6) return {0, 0};
    return {static_cast<float>(sx / area), static_cast<float>(sy / area)};
}

// One anonymous block holding every line of the hatch, placed by one INSERT at the outline's
// centroid: the block's lines are relative to it and already in DXF units.
void WriteHatchBlock(DxfWriterState& state, const DxfOptions& options, std::span<const HatchSegment> segments,
                     std::span<const PlanPoint> outer, const std::string& layerName, int32_t style) {
    const bool dxf2000 = options.DxfR12 == 0;
    const PlanPoint base = HatchBasePoint(outer);
    // The insertion point first: a deck placed beyond a float's range ends the export before any
    // of the block is written.
    const float insertX = WorldToDxfX(options, base.X), insertY = WorldToDxfY(options, base.Y);
    const float k = options.DxfScaleFactor;

    const std::string name = GetNextHatchBlockName(state);
    std::string owner;
    if (dxf2000) {
        owner = GetNextHandle(state);
        SetHatchBlockRecordHandle(state, owner);
        WriteBlockBegin(state, 0, name, layerName, owner);
    } else {
        WriteDxf12BlockBegin(state, name);
    }
    for (const HatchSegment& s : segments) {
        const float x1 = (s.X1 - base.X) * k, y1 = (s.Y1 - base.Y) * k;
        const float x2 = (s.X2 - base.X) * k, y2 = (s.Y2 - base.Y) * k;
        if (dxf2000) WriteBlockLine(state, x1, y1, x2, y2, style, 0, layerName, owner);
        else WriteDxf12BlockLine(state, x1, y1, x2, y2, style, 0, layerName);
    }
    if (dxf2000) WriteBlockEnd(state, owner);
    else WriteDxf12BlockEnd(state);
    WriteHatchInsert(state, dxf2000, name, insertX, insertY, layerName);
}

}  // namespace

const std::string& DxfPlanOutput::LayerName(int32_t layer) const {
    return drawing_.LayerNames[static_cast<size_t>(layer)];
}

void DxfPlanOutput::Line(float x1, float y1, float x2, float y2, int32_t layer, LineStyle style) {
    if (!IsTableLayer(layer)) return;
    const DxfOptions& o = options_;
    WriteDxfLine(writer_, o, WorldToDxfX(o, x1), WorldToDxfY(o, y1), WorldToDxfX(o, x2), WorldToDxfY(o, y2),
                 LayerName(layer), StyleNumber(style));
}

void DxfPlanOutput::Polyline(std::span<const PlanPoint> points, int32_t layer, int16_t closed) {
    if (points.empty() || !IsTableLayer(layer)) return;
    std::vector<DxfPoint> converted;
    converted.reserve(points.size());
    for (const PlanPoint& p : points) converted.push_back({WorldToDxfX(options_, p.X), WorldToDxfY(options_, p.Y)});
    WriteDxfPolyline(writer_, options_, LayerName(layer), closed == PolylineClosed ? 1 : 0, converted);
}

void DxfPlanOutput::Circle(float cx, float cy, float r, int32_t layer, LineStyle style) {
    if (!IsTableLayer(layer)) return;
    WriteDxfCircle(writer_, options_, WorldToDxfX(options_, cx), WorldToDxfY(options_, cy),
                   r * options_.DxfScaleFactor, LayerName(layer), StyleNumber(style));
}

void DxfPlanOutput::Text(float x, float y, const std::string& text, TextKind kind, int32_t layer, HAlign hAlign,
                         VAlign vAlign, float angleDeg) {
    if (!IsTableLayer(layer)) return;
    const float a = DegToRad(angleDeg);
    const float s = std::sin(a), c = std::cos(a);
    const float h = TextHeight(kind);
    float px = WorldToDxfX(options_, x), py = WorldToDxfY(options_, y);
    if (vAlign == VAlign::Top) {
        px += 2 * options_.DxfScaleFactor * s;
        py -= 2 * options_.DxfScaleFactor * c;
    }
    // The TEXT's vertical alignment counts from 1 at the baseline.
    WriteDxfText(writer_, options_, LayerName(layer), text, px, py, h, angleDeg, static_cast<int32_t>(hAlign),
                 static_cast<int32_t>(vAlign) + 1);
}

void DxfPlanOutput::LinearDimension(const Dimension& dimension) {
    if (options_.DxfR12 != 0) {
        DrawExplodedDimension(*this, dimension.LineX1, dimension.LineY1, dimension.LineX2, dimension.LineY2,
                              LayerRow::Dimensions, LayerRow::DimensionTexts);
        return;
    }
    Dxf2000Dimension d;
    d.LineLayer = LayerRow::Dimensions;
    d.TextLayer = LayerRow::DimensionTexts;
    d.Decimals = 1;
    d.TextHeight = TextHeight(TextKind::Small);
    d.ArrowSizeFactor = 1.0f;
    d.ArrowKind = 0;
    d.X1 = dimension.LineX1, d.Y1 = dimension.LineY1, d.X2 = dimension.LineX2, d.Y2 = dimension.LineY2;
    d.MX1 = dimension.MeasuredX1, d.MY1 = dimension.MeasuredY1;
    d.MX2 = dimension.MeasuredX2, d.MY2 = dimension.MeasuredY2;
    d.LengthDivisor = 1.0f;
    d.StyleName = ScaleIs50() ? "SC50" : "SC100";
    WriteDxf2000Dimension(writer_, options_, drawing_, d);
}

void DxfPlanOutput::Hatch(std::span<const HatchSegment> segments, std::span<const PlanPoint> outline, int32_t layer,
                          LineStyle style) {
    // A hatch with nothing to show (a degenerate outline or spacing included) leaves no empty block.
    if (segments.empty() || !IsTableLayer(layer)) return;
    WriteHatchBlock(writer_, options_, segments, outline, LayerName(layer), StyleNumber(style));
}
