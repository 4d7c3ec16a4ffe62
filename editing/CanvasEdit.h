#pragma once
// What every tool of the canvas editor works on: the document, the platform's services with the
// canvas among them, the DXF writer state the plan driver takes, and the window around the canvas.
#include "drawing/PlanDriver.h"
#include "editing/EditorHost.h"
#include "model/Session.h"
#include "platform/Platform.h"

struct CanvasEdit {
    Session& session;
    Platform& platform;
    Canvas& canvas;  // platform.canvas
    DxfWriterState& writer;
    EditorHost& host;

    // The whole plan drawn again into the persistent image; the temporary layer is wiped.
    void FullRedraw() { DrawPlan(session, canvas, writer, 0); }
};

// Drawing goes to the temporary layer from here on.
inline void BeginOverlay(Canvas& canvas) { canvas.SetAutoRedraw(false); }
