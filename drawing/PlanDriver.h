#pragma once
// The whole plan of one deck in its fixed order, into one output. Every change on screen ends with
// a canvas pass; the DXF export (dxf/) makes one pass per deck into its DXF output. The drawers only
// read the deck: the one change a pass makes to it is the vertical bar count of each masonry wall
// too short for its bars, lowered to the bars that fit, as the wall table and the saved file show.
#include "drawing/CanvasPlanOutput.h"
#include "drawing/PlanOutput.h"
#include "model/Session.h"
#include "platform/Canvas.h"

void DrawPlan(Session& session, PlanOutput& out);

// The canvas pass: the persistent image cleared in the background colour, the edited perimeter
// filled under the plan while the vertex panel is open, the plan, the editor's marks over it; the
// persistent image is left off. What lies off the canvas is left out unless asked for, as a pass
// that measures the drawing does.
void DrawPlanOnCanvas(Session& session, Canvas& canvas,
                      OffCanvasPrimitives offCanvas = OffCanvasPrimitives::Skipped);
