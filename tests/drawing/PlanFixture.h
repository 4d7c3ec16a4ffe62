#pragma once
// A document drawn by the plan driver in the tests: the option defaults of a first start, a
// recording canvas and DXF R12 entities at 1 unit per cm, so that DXF coordinates are model ones.
#include <string>
#include <vector>

#include "drawing/DrawingPass.h"
#include "drawing/LayerDefaults.h"
#include "drawing/PlanDriver.h"
#include "model/Session.h"
#include "platform/headless/RecordingCanvas.h"
#include "tests/support/DxfEntities.h"

struct PlanFixture : Session {
    RecordingCanvas canvas{800, 600};
    DxfWriterState writer;

    PlanFixture() {
        SetDefaultScreenColors(drawing);
        SetDefaultLayersAndOptions(drawing, shell.Options, design, dxf);
        dxf.DxfR12 = 1;
        dxf.DxfScaleFactor = 1;
        drawing.View.ViewScale = 0.5f;
        drawing.View.CanvasHeightPx = 600;
    }

    // One DXF pass on its own: the entities it spooled.
    std::vector<DxfEntity> DxfPass() {
        writer = DxfWriterState{};
        DrawPlan(*this, canvas, writer, 1);
        return ReadEntities(writer.EntitySpool);
    }
    void CanvasPass() {
        canvas.ClearRecords();
        DrawPlan(*this, canvas, writer, 0);
    }
    // A target for drawing one element into the DXF spool outside a pass.
    DrawTarget DxfTarget() { return DrawTarget{canvas, drawing, dxf, writer}; }
    const std::string& Layer(int row) const { return drawing.LayerNames[static_cast<size_t>(row)]; }
};
