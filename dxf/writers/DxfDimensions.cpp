#include "dxf/writers/DxfDimensions.h"

#include <cmath>
#include <numbers>

#include "dxf/writers/DxfBlockEntities.h"
#include "dxf/writers/DxfBlockFrames.h"
#include "dxf/writers/DxfEntityWriters.h"
#include "dxf/writers/DxfGroups.h"
#include "model/common/Helpers.h"
#include "model/geometry/Angles.h"
#include "model/geometry/Geometry.h"

namespace {

constexpr int32_t DimensionBlockFlags = 1;
constexpr int32_t AttachBottomCentre = 8, AttachMiddleCentre = 5;
constexpr int32_t LeftToRight = 1;

struct Point {
    float X = 0, Y = 0;
};

// One dimension in DXF units, its line read from left to right (bottom to top when vertical).
struct DimensionGeometry {
    Point P0, P1;  // the dimension line's ends
    Point M0, M1;  // the measured points, M0 belonging to P0
    Point M2;      // the label's point, set by the block
    double Angle = 0;
    int32_t Kind = 0;  // 1 aligned, 0 rotated
    float Value = 0;
};

const std::string& RowName(const DrawingState& drawing, int32_t layer) {
    static const std::string zero = "0";
    return layer >= 0 && layer < static_cast<int32_t>(drawing.LayerNames.size())
               ? drawing.LayerNames[static_cast<size_t>(layer)]
               : zero;
}

Point ToDxf(const DxfOptions& options, float x, float y) { return {WorldToDxfX(options, x), WorldToDxfY(options, y)}; }

float Distance(Point a, Point b) { return GetDistance(a.X, a.Y, b.X, b.Y); }

DimensionGeometry Oriented(const DxfOptions& options, const Dxf2000Dimension& d, float value) {
    DimensionGeometry g;
    g.Value = value;
    g.P0 = ToDxf(options, d.X1, d.Y1);
    g.P1 = ToDxf(options, d.X2, d.Y2);
    g.M0 = ToDxf(options, d.MX1, d.MY1);
    g.M1 = ToDxf(options, d.MX2, d.MY2);
    bool swap = false;
    if (std::fabs(g.P1.X - g.P0.X) > 0.001f) {
        swap = g.P0.X > g.P1.X;
        if (swap) std::swap(g.P0, g.P1), std::swap(g.M0, g.M1);
        g.Angle = std::atan(static_cast<double>(g.P1.Y - g.P0.Y) / (g.P1.X - g.P0.X));
    } else {
        g.Angle = static_cast<float>(std::numbers::pi / 2);
        if (g.P0.Y > g.P1.Y) std::swap(g.P0, g.P1), std::swap(g.M0, g.M1);
    }
    g.Kind = std::fabs(Distance(g.P0, g.M0) - Distance(g.P1, g.M1)) < 0.0001f ? 1 : 0;
    return g;
}

// One decimal where the value has a tenth worth showing, none otherwise: 250.5 but 250.
std::string LabelOf(float value, int32_t decimals) {
    const float fraction = value - std::floor(value);
    const bool showDecimals = fraction >= 0.1f && fraction <= 0.9f;
    return FormatNum(value, showDecimals ? decimals : 0);
}

void WriteDimensionBlock(DxfWriterState& state, const DxfOptions& options, const DrawingState& drawing,
                         const Dxf2000Dimension& d, const std::string& blockName, const std::string& owner,
                         DimensionGeometry& g) {
    const std::string& lineLayer = RowName(drawing, d.LineLayer);
    WriteBlockBegin(state, DimensionBlockFlags, blockName, lineLayer, owner);
    const float s = options.DxfUnitFactor * d.ArrowSizeFactor;
    const float c = static_cast<float>(std::cos(g.Angle)), sn = static_cast<float>(std::sin(g.Angle));
    const bool arrows = d.ArrowKind < 1;
    if (arrows)
        WriteBlockLine(state, g.P0.X + s * c, g.P0.Y + s * sn, g.P1.X - s * c, g.P1.Y - s * sn, 0, -1, lineLayer,
                       owner);
    const std::string arrow = arrows ? "_FRECCIADRAVO" : "_None";
    const float degrees = RadToDeg(g.Angle);
    WriteBlockArrowInsert(state, arrow, g.P0.X, g.P0.Y, s, GetAnglePlus180(degrees), lineLayer, owner);
    WriteBlockArrowInsert(state, arrow, g.P1.X, g.P1.Y, s, degrees, lineLayer, owner);

    const Point middle{(g.P0.X + g.P1.X) / 2, (g.P0.Y + g.P1.Y) / 2};
    std::string text;
    int32_t attachment = AttachMiddleCentre;
    if (!arrows) {
        text = FormatNum(g.Value, 0);
        g.M2 = middle;
    } else {
        text = LabelOf(g.Value, d.Decimals);
        const float textWidth = d.TextHeight * static_cast<float>(text.size());
        const float dxfLength = options.DxfScaleFactor * g.Value * d.LengthDivisor;
        // A label longer than its line stands further out, clear of the arrows.
        const float offset = (dxfLength >= textWidth ? 4.0f : 18.0f) * options.DxfUnitFactor;
        g.M2 = {middle.X - offset * sn, middle.Y + offset * c};
        attachment = AttachBottomCentre;
    }
    WriteBlockMText(state, g.M2.X, g.M2.Y, text, degrees, d.TextHeight, LeftToRight, attachment,
                    RowName(drawing, d.TextLayer), owner);
    WriteBlockPoint(state, g.M0.X, g.M0.Y, owner);
    WriteBlockPoint(state, g.M1.X, g.M1.Y, owner);
    WriteBlockPoint(state, g.P1.X, g.P1.Y, owner);
    WriteBlockEnd(state, owner);
}

void WriteDimensionEntity(DxfWriterState& state, const DrawingState& drawing, const Dxf2000Dimension& d,
                          const std::string& blockName, const std::string& handle, const DimensionGeometry& g) {
    constexpr int32_t Decimals = 8;
    const std::string& layer = RowName(drawing, d.LineLayer);
    DxfGroups groups(state.EntitySpool, state.EntitySpoolFile);
    groups.Text(0, "DIMENSION").Text(5, handle, 1).Text(330, state.HandleModelSpaceRecord).Text(100, "AcDbEntity");
    groups.Layer(8, layer).Text(100, "AcDbDimension").Text(2, blockName);
    groups.Fixed(10, g.P1.X, Decimals).Fixed(20, g.P1.Y, Decimals).Text(30, "0.0");
    groups.Fixed(11, g.M2.X, Decimals).Fixed(21, g.M2.Y, Decimals).Text(31, "0.0");
    groups.Int(70, 32 + g.Kind).Text(71, "     5").Text(3, d.StyleName).Text(100, "AcDbAlignedDimension");
    groups.Fixed(13, g.M0.X, Decimals).Fixed(23, g.M0.Y, Decimals).Text(33, "0.0");
    groups.Fixed(14, g.M1.X, Decimals).Fixed(24, g.M1.Y, Decimals).Text(34, "0.0");
    if (g.Kind == 0) groups.Text(100, "AcDbRotatedDimension");
}

}  // namespace

void WriteDxf2000Dimension(DxfWriterState& state, const DxfOptions& options, const DrawingState& drawing,
                           const Dxf2000Dimension& d) {
    const double length = GetDistance(d.X1, d.Y1, d.X2, d.Y2) / d.LengthDivisor;
    const float value = static_cast<float>(RoundHalfEven(length, d.Decimals));
    // A dimension of no length shows nothing and uses no name, handle or block number.
    if (!(value >= 0.0001f) || !std::isfinite(value)) return;
    DimensionGeometry g = Oriented(options, d, value);

    const std::string blockName = GetNextDimBlockName(state);
    const std::string entityHandle = GetNextHandle(state);
    const std::string recordHandle = GetNextHandle(state);
    SetDimBlockRecordHandle(state, recordHandle);
    WriteDimensionBlock(state, options, drawing, d, blockName, recordHandle, g);
    WriteDimensionEntity(state, drawing, d, blockName, entityHandle, g);
}
