#pragma once
// A document drawn by the plan driver in the tests: the option defaults of a first start, a
// recording canvas and DXF R12 entities at 1 unit per cm, so that DXF coordinates are model ones.
#include <string>
#include <vector>

#include "drawing/LayerDefaults.h"
#include "drawing/PlanDriver.h"
#include "dxf/output/DxfPlanOutput.h"
#include "dxf/output/DxfPlanPass.h"
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
        DrawPlanIntoDxf(*this, writer);
        return ReadEntities(writer.EntitySpool);
    }
    // With what lies off the canvas, as the DXF pass draws it.
    void CanvasPass() {
        canvas.ClearRecords();
        DrawPlanOnCanvas(*this, canvas, OffCanvasPrimitives::Drawn);
    }
    // An output for drawing one element into the DXF spool outside a pass.
    DxfPlanOutput DxfOutput() { return DxfPlanOutput{writer, dxf, drawing}; }
    const std::string& Layer(int row) const { return drawing.LayerNames[static_cast<size_t>(row)]; }
};
