#pragma once
// A drawing pass for the element-drawer tests: a fresh session with the default layers and
// options on a black background, every layer in a screen colour of its own, a recording canvas of 800 × 600 pixels showing the model at one
// pixel per centimetre with the origin at the bottom-left pixel, and a deck built in place. The
// canvas output records what lies off the canvas too: these tests look at what the drawers emit.
#include <string>
#include <vector>

#include "drawing/CanvasPlanOutput.h"
#include "drawing/LayerDefaults.h"
#include "drawing/PlanPass.h"
#include "dxf/output/DxfPlanOutput.h"
#include "platform/headless/RecordingCanvas.h"

struct DrawerPass {
    Session session;
    RecordingCanvas canvas{800, 600};
    DxfWriterState writer;
    CanvasPlanOutput canvasOut{canvas, session.drawing, session.shell.Options, OffCanvasPrimitives::Drawn};
    DxfPlanOutput dxfOut{writer, session.dxf, session.drawing};

    DrawerPass() {
        SetDefaultScreenColors(session.drawing);
        SetDefaultLayersAndOptions(session.drawing, session.shell.Options, session.design, session.dxf);
        for (int32_t k = 0; k < LayerCount; ++k)
            session.drawing.LayerScreenColours[static_cast<size_t>(k)] = PackRgb(10 + 9 * k, 200 - 7 * k, 40 + 5 * k);
        session.drawing.View.ViewScale = 1.0f;
        session.drawing.View.CanvasHeightPx = 600;
    }

    Model& model() { return session.model; }
    ColourRef Colour(int32_t layer) const { return session.drawing.LayerScreenColours[static_cast<size_t>(layer)]; }

    // The pass set-up of the driver into the canvas (the persistent image on and cleared), or into
    // the DXF spools; no canvas records.
    PlanPass Begin(bool intoDxf = false) {
        if (!intoDxf) {
            canvas.SetAutoRedraw(true);
            canvas.SetBackColour(session.drawing.CanvasBackColour);
            canvas.Clear();
        }
        canvas.ClearRecords();
        return BeginPlanPass(intoDxf ? static_cast<PlanOutput&>(dxfOut) : canvasOut, session);
    }

    int32_t AddPlanPoint(float x, float y) {
        session.model.PlanNodes.push_back({x, y});
        return session.model.PlanNodeCount++;
    }
    // The plan points of the corners, as an outline of indexes.
    std::vector<int32_t> AddOutline(const std::vector<PlanPoint>& corners) {
        std::vector<int32_t> indexes;
        for (const PlanPoint& p : corners) indexes.push_back(AddPlanPoint(p.X, p.Y));
        return indexes;
    }
    // The corners as one more record of an outline table with its vertex counts beside it.
    void AddOutlineRecord(IndexRows& outlines, std::vector<int32_t>& counts, const std::vector<PlanPoint>& corners) {
        outlines.push_back(AddOutline(corners));
        counts.push_back(static_cast<int32_t>(corners.size()));
    }
    // A parametric section of the given shape code; its 1-based number.
    int32_t AddSection(int32_t sectionClass, int32_t shape, SectionParamRow params) {
        SectionCatalogue& c = session.model.Catalogue;
        c.SectionClass.push_back(sectionClass);
        c.SectionShape.push_back(shape);
        c.SectionParams.push_back(params);
        return ++c.ArchiveSectionCount;
    }

    std::vector<CanvasRecord> LinesIn(ColourRef colour) const {
        std::vector<CanvasRecord> found;
        for (const CanvasRecord& r : canvas.RecordsOf(CanvasCall::Line))
            if (r.Colour == colour) found.push_back(r);
        return found;
    }
    std::vector<std::string> Texts() const {
        std::vector<std::string> found;
        for (const CanvasRecord& r : canvas.RecordsOf(CanvasCall::Text)) found.push_back(r.Text);
        return found;
    }
};

// Canvas rows are y down: model y of a canvas record's pixel y in the 600-pixel canvas.
inline float ModelY(float canvasY) { return 600 - canvasY; }
