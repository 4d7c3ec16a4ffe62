#pragma once
// What one drawing pass fixes at its start: the layer switches and the 1:50 flag of its output, the
// row step of the plan's titles and tables, and the per-pass section lists.
#include <cstdint>

#include "drawing/PlanOutput.h"
#include "state/DrawingState.h"

struct PassConstants {
    float f = 1.0f;   // 1 at 1:50, 2 at 1:100
    float L = 22.0f;  // row step of titles, legends, lists and tables, cm
};

PassConstants PassConstantsFor(bool scaleIs50);

// The start of a pass: the section lists sized to the archive and emptied, the output's switches
// of rows 0 to 23 and its scale in force. Entry 24 of LayerOn is left as it is.
PassConstants BeginDrawingPass(const PlanOutput& out, DrawingState& drawing, int32_t archiveSectionCount);
