#include "drawing/PlanDriver.h"

#include <algorithm>
#include <string>

#include "drawing/ConcreteSlabs.h"
#include "drawing/ConcreteWalls.h"
#include "drawing/DeckTitle.h"
#include "drawing/FloorSlabRebars.h"
#include "drawing/FloorSlabs.h"
#include "drawing/Footings.h"
#include "drawing/LayerDefaults.h"
#include "drawing/Legends.h"
#include "drawing/MasonryTables.h"
#include "drawing/MasonryWalls.h"
#include "drawing/MemberAxes.h"
#include "drawing/PerimeterOverlay.h"
#include "drawing/Pillars.h"
#include "drawing/Primitives.h"
#include "drawing/RebarGrips.h"
#include "drawing/SectionShapes.h"
#include "drawing/TextPrimitives.h"
#include "model/common/Helpers.h"
#include "model/geometry/ViewTransforms.h"
#include "model/sections/SectionTexts.h"
#include "model/tables/TableAccess.h"

namespace {

// Layers of the steps the driver draws itself.
constexpr int32_t AxesLayer = 0;
constexpr int32_t FloorSlabOutlineLayer = 1;
constexpr int32_t SteelPillarSwitch = 3;
constexpr int32_t WallLayer = 4;
constexpr int32_t ConcreteSlabLayer = 5;
constexpr int32_t FootingLayer = 6;
constexpr int32_t ExtradosLayer = 7;
constexpr int32_t IntradosLayer = 8;
constexpr int32_t DimensionSwitch = 9;
constexpr int32_t RebarLayer = 10;
constexpr int32_t TitleLayer = 12;
constexpr int32_t FloorSlabTextLayer = 13;
constexpr int32_t PillarTextLayer = 14;
constexpr int32_t SlabTextLayer = 16;
constexpr int32_t FloorSlabHatchLayer = 20;
constexpr int32_t PillarHatchLayer = 21;

const PlanPoint* PlanPointAt(const Model& m, int32_t index) {
    return IsPlanPointIndex(m, index) ? &m.PlanNodes[static_cast<size_t>(index)] : nullptr;
}

const Node* NodeAt(const Model& m, int32_t index) {
    return IsNodeIndex(m, index) ? &m.Nodes[static_cast<size_t>(index)] : nullptr;
}

void DrawTitle(PlanPass& pass) {
    const Model& m = pass.model();
    const float L = pass.k.L;
    if (m.Header.PlanKind != MasonryPlan) {
        DrawText(pass.target, 0, L - 170, GetDeckTitle(m.Header, pass.languages()), 2, TitleLayer, 0, 2, 0, pass.toDxf);
        return;
    }
    // Masonry plans are titled in Italian only, after their masonry system.
    const std::string storey = FormatNum(m.Header.ElevationFrom - 1, 0);
    const bool isotex = m.MasonryIsIsotex != 0;
    const std::string title = isotex ? "Pianta delle pareti ISOTEX - Piano " : "Pianta delle murature armate - Piano ";
    DrawText(pass.target, 0, L - 175, title + storey, 2, TitleLayer, 0, 2, 0, pass.toDxf);
    if (!isotex) return;
    DrawText(pass.target, 0, L - 215,
             "Nota: il numero di ferri verticali indicato in seguito \xE8 da ritenersi una stima di massima,", 0,
             TitleLayer, 0, 2, 0, pass.toDxf);
    DrawText(pass.target, 0, L - 230, "il numero esatto \xE8 determinato dai fori dei blocchi realmente disposti.", 0,
             TitleLayer, 0, 2, 0, pass.toDxf);
}

void DrawFaceLines(PlanPass& pass, const std::vector<EdgeLine>& edges, int32_t count, int32_t layer) {
    const Model& m = pass.model();
    for (int32_t i = 0; i < UsableCount(count, edges); ++i) {
        const PlanPoint* a = PlanPointAt(m, edges[static_cast<size_t>(i)].PlanNodeA);
        const PlanPoint* b = PlanPointAt(m, edges[static_cast<size_t>(i)].PlanNodeB);
        if (a && b) DrawLine(pass.target, a->X, a->Y, b->X, b->Y, layer, 0, pass.toDxf);
    }
}

void DrawSteelPillars(PlanPass& pass) {
    const Model& m = pass.model();
    const SectionCatalogue& c = m.Catalogue;
    for (int32_t i = 0; i < UsableCount(m.PillarCount, m.Pillars); ++i) {
        const Pillar& p = m.Pillars[static_cast<size_t>(i)];
        const int32_t sec = p.SectionNumber - 1;
        const Node* node = NodeAt(m, p.Node);
        if (!c.HasSection(sec) || c.SectionClass[static_cast<size_t>(sec)] <= 0 || node == nullptr) continue;
        const float x = node->X + p.OffsetX, y = node->Y + p.OffsetY;
        if (pass.On(AxesLayer)) {
            DrawLine(pass.target, x + 3, y, x - 3, y, DimensionLineLayer, 0, pass.toDxf);
            DrawLine(pass.target, x, y + 3, x, y - 3, DimensionLineLayer, 0, pass.toDxf);
        }
        if (pass.On(PillarHatchLayer) && IsMainPillar(p, m.Header.PlanKind)) {
            // The label clears the pillar's own steel outline, whatever pillar was drawn before it.
            const float dx = BuildSectionShape(c, sec, p.Angle, x, y).RightReach(x);
            const float lx = x + dx + 5 * pass.k.f;
            DrawText(pass.target, lx, y + 20 * pass.k.f, "P." + std::to_string(p.PillarNumber), 1, PillarTextLayer, 0,
                     2, 0, pass.toDxf);
            DrawText(pass.target, lx, y, GetSectionText(c, sec, pass.languages()), 0, PillarTextLayer, 0, 2, 0,
                     pass.toDxf);
        }
        DrawSectionShape(pass.target, c, sec, p.Angle, x, y, pass.toDxf);
    }
}

void DrawFootings(PlanPass& pass) {
    const Model& m = pass.model();
    const bool labels = pass.On(SlabTextLayer);
    const std::string prefix = pass.english() ? "I.F." : "PL.";
    for (int32_t i = 0; i < UsableCount(m.NodeCount, m.Nodes); ++i) {
        const Node& node = m.Nodes[static_cast<size_t>(i)];
        if (node.FootingType <= -1) continue;
        DrawFooting(pass, i);
        if (labels)
            DrawText(pass.target, node.X + 40, node.Y - 40, prefix + std::to_string(node.Id), 1, SlabTextLayer, 0, 2, 0,
                     pass.toDxf);
    }
}

void DrawDimensions(PlanPass& pass) {
    const Model& m = pass.model();
    for (int32_t i = 0; i < UsableCount(m.DimensionCount, m.Dimensions); ++i) {
        const Dimension& d = m.Dimensions[static_cast<size_t>(i)];
        DrawDimension(pass.target, d.LineX1, d.LineY1, d.LineX2, d.LineY2, d.MeasuredX1, d.MeasuredY1, d.MeasuredX2,
                      d.MeasuredY2, pass.session.drawing.ScaleIs50, pass.toDxf);
    }
}

void DrawCanvasOverlays(PlanPass& pass) {
    const EditorState& editor = pass.session.editor;
    Canvas& canvas = pass.target.canvas;
    if (editor.VertexPanel.VertexPanelMode != 0) DrawEditedPolygonOutline(pass);
    if (editor.InteractionState == ToolRebarGraphicEdit) {
        DrawRebarGrips(canvas, editor.RefP1ScreenX, editor.RefP1ScreenY, editor.RefP2ScreenX, editor.RefP2ScreenY,
                       editor.ActiveGrip);
    } else if (editor.InteractionState == ToolRebarExtensionPicked) {
        const ViewWindow& view = pass.session.drawing.View;
        const float x1 = WorldToScreenX(view, editor.PickedEdgeX1), y1 = WorldToScreenY(view, editor.PickedEdgeY1);
        const float x2 = WorldToScreenX(view, editor.PickedEdgeX2), y2 = WorldToScreenY(view, editor.PickedEdgeY2);
        canvas.Line(x1, y1, x2, y2, StandardColour(0));
        canvas.SetDrawStyle(DrawStyle::Dotted);
        canvas.Line(x1, y1, x2, y2, StandardColour(14));
        canvas.SetDrawStyle(DrawStyle::Solid);
    }
}

}  // namespace

void DrawPlan(Session& session, Canvas& canvas, DxfWriterState& writer, int32_t toDxf) {
    Model& m = session.model;
    DrawTarget target{canvas, session.drawing, session.dxf, writer};
    const PassConstants k =
        BeginDrawingPass(target, session.shell.Options, m.Catalogue.ArchiveSectionCount, toDxf);
    PlanPass pass{target, session, k, toDxf};
    if (toDxf == 0) FillEditedPolygon(pass);

    DrawTitle(pass);
    if (pass.Set(ConcreteSlabLayer)) DrawConcreteSlabs(pass, session.drawing.LayerOn[SlabTextLayer]);
    if (pass.Set(FloorSlabHatchLayer))
        DrawFloorSlabs(pass, session.drawing.LayerOn[FloorSlabOutlineLayer], session.drawing.LayerOn[FloorSlabTextLayer]);
    if (pass.On(RebarLayer)) DrawFloorSlabRebars(pass);
    if (pass.On(WallLayer)) {
        DrawWalls(pass);
        if (m.MasonryWallCount > 0) DrawMasonryWalls(pass);
        if (m.MasonryBeamCount > 0) DrawMasonryBeams(pass);
    }
    if (pass.On(ExtradosLayer)) DrawFaceLines(pass, m.BeamExtradosEdges, m.BeamExtradosEdgeCount, ExtradosLayer);
    if (pass.On(IntradosLayer)) DrawFaceLines(pass, m.BeamIntradosEdges, m.BeamIntradosEdgeCount, IntradosLayer);
    DrawPillars(pass);
    if (pass.On(SteelPillarSwitch)) DrawSteelPillars(pass);
    if (pass.On(FootingLayer)) DrawFootings(pass);
    DrawMemberAxesAndSectionMarks(pass);
    if (pass.On(DimensionSwitch)) DrawDimensions(pass);

    canvas.SetForeColour(StandardColour(session.drawing.WhiteBackground == 0 ? 14 : 1));
    DrawBeamLabels(pass);
    DrawWallLabels(pass);

    float runningY = m.Header.PlanKind == MasonryPlan ? DrawMasonryTables(pass) : DrawLegendOfAbbreviations(pass);
    DrawSectionListsAndSlabTable(pass, runningY - 42 * k.f);

    if (toDxf == 0) {
        DrawCanvasOverlays(pass);
        EndDrawingPass(target, toDxf);
    } else {
        WriteFloorSlabTakeoff(m, session.dxf, session.shell.Languages, session.shell.Options, writer.TakeoffSpool);
    }
}
