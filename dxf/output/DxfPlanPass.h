#pragma once
// One deck's plan drawn into the spools of a DXF export: the plan driver's pass into the DXF
// output, then the deck's block of the take-off list.
#include "dxf/writers/DxfWriterState.h"
#include "model/Session.h"

void DrawPlanIntoDxf(Session& session, DxfWriterState& writer);
