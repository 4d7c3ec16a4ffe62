#pragma once
// The whole plan of one deck in its fixed order, on the canvas (toDxf 0) or into the DXF spools
// (any other value). Every change on screen ends with a canvas pass; the DXF export makes one DXF
// pass per deck, which ends by adding the deck's block to the take-off list.
#include <cstdint>

#include "dxf/writers/DxfWriterState.h"
#include "model/Session.h"
#include "platform/Canvas.h"

void DrawPlan(Session& session, Canvas& canvas, DxfWriterState& writer, int32_t toDxf);
