#pragma once
// The picture box the plan is drawn on: a persistent image, and a temporary layer over it that
// the editor draws its feedback on and wipes with a clear of its own. Drawing goes to the
// persistent image while AutoRedraw is on, to the temporary layer while it is off. The pen colour,
// fill colour, fill style, draw style and line width persist from one call to the next; nothing
// restores them. Coordinates are canvas pixels, x to the right and y down.
#include <cstdint>
#include <span>
#include <string>

// A colour packed as R + 256·G + 65536·B, each component 0 to 255.
using ColourRef = int32_t;

constexpr ColourRef PackRgb(int32_t r, int32_t g, int32_t b) { return r + 256 * g + 65536 * b; }
constexpr int32_t RedOf(ColourRef c) { return c & 0xFF; }
constexpr int32_t GreenOf(ColourRef c) { return (c >> 8) & 0xFF; }
constexpr int32_t BlueOf(ColourRef c) { return (c >> 16) & 0xFF; }

enum class FillStyle : int32_t { Solid = 0, Transparent = 1, CrossHatch = 6 };
enum class DrawStyle : int32_t { Solid = 0, Dotted = 2 };
// What fills a box: nothing, the box's own colour, or the fill style and colour in force.
enum class BoxInside : int32_t { Empty, Colour, FillState };
enum class CanvasPointer : int32_t { Arrow, Crosshair, Hourglass, Pan };

struct PixelPoint {
    int32_t X = 0, Y = 0;
};

// A rotated font: cell height and average character width in pixels, escapement in tenths of a
// degree counter-clockwise, face name.
struct CanvasFont {
    int32_t Height = 0;
    int32_t Width = 0;
    int32_t Escapement = 0;
    std::string Face = "Arial";
};

class Canvas {
public:
    virtual ~Canvas() = default;

    virtual int32_t WidthPx() const = 0;
    virtual int32_t HeightPx() const = 0;

    virtual void SetAutoRedraw(bool on) = 0;
    // Fills the persistent image with the back colour and wipes the temporary layer.
    virtual void Clear() = 0;
    // Wipes the temporary layer only.
    virtual void ClearTemporary() = 0;

    virtual void SetBackColour(ColourRef colour) = 0;
    virtual void SetForeColour(ColourRef colour) = 0;
    virtual void SetFillColour(ColourRef colour) = 0;
    virtual void SetFillStyle(FillStyle style) = 0;
    virtual void SetDrawStyle(DrawStyle style) = 0;
    virtual void SetDrawWidth(int32_t pixels) = 0;
    virtual ColourRef BackColour() const = 0;
    virtual ColourRef ForeColour() const = 0;
    virtual int32_t DrawWidth() const = 0;

    // A segment in `colour` with the current draw style and width.
    virtual void Line(float x1, float y1, float x2, float y2, ColourRef colour) = 0;
    // The rectangle between two corners in `colour`, its inside as `inside` says.
    virtual void Box(float x1, float y1, float x2, float y2, ColourRef colour, BoxInside inside) = 0;
    // A full circle in `colour`, filled with the fill colour while the fill style is solid (or
    // crossed by horizontal and vertical lines of it while the style is a cross hatch).
    virtual void Circle(float cx, float cy, float radius, ColourRef colour) = 0;
    // A closed polygon: border in the fore colour, inside filled with the fill colour by the
    // even-odd rule while the fill style is solid or a cross hatch.
    virtual void Polygon(std::span<const PixelPoint> points) = 0;
    // Text in the fore colour with the top-left corner of its first cell at (x, y). The text is
    // single-byte Windows text (code page 1252), as the data files and the DXF files hold it.
    virtual void Text(int32_t x, int32_t y, const CanvasFont& font, const std::string& text) = 0;

    virtual void SetPointer(CanvasPointer pointer) = 0;
};
