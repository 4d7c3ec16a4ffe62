#pragma once
// What every tool of the canvas editor works on: the document, the platform's services with the
// canvas among them, and the window around the canvas.
#include "drawing/PlanDriver.h"
#include "editing/EditorHost.h"
#include "model/Session.h"
#include "platform/Platform.h"

struct CanvasEdit {
    Session& session;
    Platform& platform;
    Canvas& canvas;  // platform.canvas
    EditorHost& host;

    // The whole plan drawn again into the persistent image; the temporary layer is wiped.
    void FullRedraw() { DrawPlanOnCanvas(session, canvas); }
};

// Drawing goes to the temporary layer from here on.
inline void BeginOverlay(Canvas& canvas) { canvas.SetAutoRedraw(false); }
