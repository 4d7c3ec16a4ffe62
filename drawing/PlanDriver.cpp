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
#include "state/LayerRows.h"

namespace {

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
        DrawText(pass.target, 0, L - 170, GetDeckTitle(m.Header, pass.languages()), 2, LayerRow::TitleTexts, 0, 2, 0, pass.toDxf);
        return;
    }
    // Masonry plans are titled in Italian only, after their masonry system.
    const std::string storey = FormatNum(m.Header.ElevationFrom - 1, 0);
    const bool isotex = m.MasonryIsIsotex != 0;
    const std::string title = isotex ? "Pianta delle pareti ISOTEX - Piano " : "Pianta delle murature armate - Piano ";
    DrawText(pass.target, 0, L - 175, title + storey, 2, LayerRow::TitleTexts, 0, 2, 0, pass.toDxf);
    if (!isotex) return;
    DrawText(pass.target, 0, L - 215,
             "Nota: il numero di ferri verticali indicato in seguito \xE8 da ritenersi una stima di massima,", 0,
             LayerRow::TitleTexts, 0, 2, 0, pass.toDxf);
    DrawText(pass.target, 0, L - 230, "il numero esatto \xE8 determinato dai fori dei blocchi realmente disposti.", 0,
             LayerRow::TitleTexts, 0, 2, 0, pass.toDxf);
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
        const int32_t sec = c.SectionIndexOf(p.SectionNumber);
        const Node* node = NodeAt(m, p.Node);
        if (!c.HasSection(sec) || c.SectionClass[static_cast<size_t>(sec)] <= 0 || node == nullptr) continue;
        const float x = node->X + p.OffsetX, y = node->Y + p.OffsetY;
        if (pass.On(LayerRow::Axes)) {
            DrawLine(pass.target, x + 3, y, x - 3, y, DimensionLineLayer, 0, pass.toDxf);
            DrawLine(pass.target, x, y + 3, x, y - 3, DimensionLineLayer, 0, pass.toDxf);
        }
        if (pass.On(LayerRow::PillarHatch) && IsMainPillar(p, m.Header.PlanKind)) {
            // The label clears the pillar's own steel outline, whatever pillar was drawn before it.
            const float dx = BuildSectionShape(c, sec, p.Angle, x, y).RightReach(x);
            const float lx = x + dx + 5 * pass.k.f;
            DrawText(pass.target, lx, y + 20 * pass.k.f, "P." + std::to_string(p.PillarNumber), 1, LayerRow::PillarTexts, 0,
                     2, 0, pass.toDxf);
            DrawText(pass.target, lx, y, GetSectionText(c, sec, pass.languages()), 0, LayerRow::PillarTexts, 0, 2, 0,
                     pass.toDxf);
        }
        DrawSectionShape(pass.target, c, sec, p.Angle, x, y, pass.toDxf);
    }
}

void DrawFootings(PlanPass& pass) {
    const Model& m = pass.model();
    const bool labels = pass.On(LayerRow::SlabTexts);
    const std::string prefix = pass.english() ? "I.F." : "PL.";
    for (int32_t i = 0; i < UsableCount(m.NodeCount, m.Nodes); ++i) {
        const Node& node = m.Nodes[static_cast<size_t>(i)];
        if (node.FootingType <= -1) continue;
        DrawFooting(pass, i);
        if (labels)
            DrawText(pass.target, node.X + 40, node.Y - 40, prefix + std::to_string(node.Id), 1, LayerRow::SlabTexts, 0, 2, 0,
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
    if (toDxf == 0 && session.editor.VertexPanel.VertexPanelMode != 0) FillEditedPolygon(pass);

    DrawTitle(pass);
    if (pass.Set(LayerRow::ConcreteSlabOutlines)) DrawConcreteSlabs(pass, session.drawing.LayerOn[LayerRow::SlabTexts]);
    if (pass.Set(LayerRow::FloorSlabHatch))
        DrawFloorSlabs(pass, session.drawing.LayerOn[LayerRow::FloorSlabOutlines], session.drawing.LayerOn[LayerRow::FloorSlabTexts]);
    if (pass.On(LayerRow::FloorSlabRebars)) DrawFloorSlabRebars(pass);
    if (pass.On(LayerRow::WallOutlines)) {
        DrawWalls(pass);
        if (m.MasonryWallCount > 0) DrawMasonryWalls(pass);
        if (m.MasonryBeamCount > 0) DrawMasonryBeams(pass);
    }
    if (pass.On(LayerRow::BeamExtrados)) DrawFaceLines(pass, m.BeamExtradosEdges, m.BeamExtradosEdgeCount, LayerRow::BeamExtrados);
    if (pass.On(LayerRow::BeamIntrados)) DrawFaceLines(pass, m.BeamIntradosEdges, m.BeamIntradosEdgeCount, LayerRow::BeamIntrados);
    DrawPillars(pass);
    if (pass.On(LayerRow::SteelPillars)) DrawSteelPillars(pass);
    if (pass.On(LayerRow::Footings)) DrawFootings(pass);
    DrawMemberAxesAndSectionMarks(pass);
    if (pass.On(LayerRow::Dimensions)) DrawDimensions(pass);

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
