#include "drawing/DrawingPass.h"

#include <algorithm>

PassConstants PassConstantsFor(bool scaleIs50) {
    PassConstants c;
    c.f = scaleIs50 ? 1.0f : 2.0f;
    c.L = 22.0f * c.f;
    return c;
}

PassConstants BeginDrawingPass(DrawTarget& target, const ShellOptions& options, int32_t archiveSectionCount,
                               int32_t toDxf) {
    DrawingState& d = target.drawing;
    const size_t entries = static_cast<size_t>(std::max(archiveSectionCount, 0)) + 1;
    d.Legend.PillarListBySection.assign(entries, std::string());
    d.Legend.BeamSectionUsed.assign(entries, 0);
    d.toDxf = toDxf;
    if (toDxf == 0) {
        target.canvas.SetAutoRedraw(true);
        target.canvas.SetBackColour(d.CanvasBackColour);
        target.canvas.Clear();
        std::copy_n(d.LayerScreenOn.begin(), 24, d.LayerOn.begin());
        d.ScaleIs50 = options.OptimalTextSize != 0;
    } else {
        std::copy_n(d.LayerDxfOn.begin(), 24, d.LayerOn.begin());
        d.ScaleIs50 = target.dxf.DxfScaleIs50 != 0;
    }
    return PassConstantsFor(d.ScaleIs50);
}

void EndDrawingPass(DrawTarget& target, int32_t toDxf) {
    if (toDxf == 0) target.canvas.SetAutoRedraw(false);
}
