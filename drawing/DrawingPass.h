#pragma once
// What one drawing pass draws with and what it fixes at its start: the canvas or the DXF writers
// (by the output selector toDxf: 0 the canvas, any other value DXF), the layer switches and the
// 1:50 flag in force, the row step of the plan's titles and tables, and the per-pass section lists.
#include <cstdint>

#include "drawing/CanvasPlanOutput.h"
#include "drawing/DxfPlanOutput.h"
#include "dxf/writers/DxfWriterState.h"
#include "platform/Canvas.h"
#include "state/DrawingState.h"
#include "state/DxfOptions.h"
#include "state/ShellState.h"

struct DrawTarget {
    Canvas& canvas;
    DrawingState& drawing;
    const DxfOptions& dxf;
    DxfWriterState& writer;
    mutable CanvasPlanOutput canvasOutput{canvas, drawing};
    mutable DxfPlanOutput dxfOutput{writer, dxf, drawing};

    PlanOutput& Output(int32_t toDxf) const {
        return toDxf == 0 ? static_cast<PlanOutput&>(canvasOutput) : dxfOutput;
    }
};

struct PassConstants {
    float f = 1.0f;   // 1 at 1:50, 2 at 1:100
    float L = 22.0f;  // row step of titles, legends, lists and tables, cm
};

PassConstants PassConstantsFor(bool scaleIs50);

// The start of a pass: the section lists sized to the archive and emptied; for a canvas pass the
// persistent image on and cleared, the screen switches and the screen text size in force; for a
// DXF pass the DXF switches and the export's scale. Entry 24 of LayerOn is left as it is.
PassConstants BeginDrawingPass(DrawTarget& target, const ShellOptions& options, int32_t archiveSectionCount,
                               int32_t toDxf);
// The end of a canvas pass: the persistent image off, so that the editor's feedback stays out of it.
void EndDrawingPass(DrawTarget& target, int32_t toDxf);
