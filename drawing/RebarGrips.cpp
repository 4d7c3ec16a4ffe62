#include "drawing/RebarGrips.h"

#include "drawing/LayerDefaults.h"

namespace {

constexpr float GripReach = 5;  // pixels on each side of the grip's point

}  // namespace

void DrawRebarGrips(Canvas& canvas, float x1, float y1, float x2, float y2, int32_t activeGrip) {
    canvas.Line(x1, y1, x2, y2, StandardColour(0));
    canvas.SetDrawStyle(DrawStyle::Dotted);
    canvas.Line(x1, y1, x2, y2, StandardColour(13));
    canvas.SetDrawStyle(DrawStyle::Solid);
    const struct {
        float x, y;
        int32_t grip;
    } grips[] = {{x1, y1, 1}, {(x1 + x2) / 2, (y1 + y2) / 2, 3}, {x2, y2, 2}};
    for (const auto& g : grips)
        canvas.Box(g.x - GripReach, g.y - GripReach, g.x + GripReach, g.y + GripReach,
                   StandardColour(g.grip == activeGrip ? 12 : 9), BoxInside::Empty);
}
