#pragma once
// One open document with the application state around it: the model and every state struct the
// loads, saves, drawing and editing read or change. The window is a Session with the Qt platform;
// tools and tests are a Session with the headless one. Nothing here is shared between sessions.
#include "model/tables/ModelTables.h"
#include "state/DesignOptions.h"
#include "state/DrawingState.h"
#include "state/DxfOptions.h"
#include "state/EditorState.h"
#include "state/MeasuredPoints.h"
#include "state/ShellState.h"

struct Session {
    Model model;
    ShellState shell;
    DrawingState drawing;
    DesignOptions design;
    DxfOptions dxf;
    MeasuredPoints measured;
    EditorState editor;
};
