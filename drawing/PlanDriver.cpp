#include "drawing/PlanDriver.h"

#include <algorithm>
#include <optional>
#include <string>

#include "drawing/CanvasPlanOutput.h"
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
#include "drawing/RebarGrips.h"
#include "drawing/SectionShapes.h"
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

// One line of the title block, from the left edge of the model.
void Title(PlanPass& pass, float y, const std::string& text, TextKind kind) {
    pass.out.Text(0, y, text, kind, LayerRow::TitleTexts, HAlign::Left, VAlign::Top, 0);
}

void DrawTitle(PlanPass& pass) {
    const Model& m = pass.model();
    const float L = pass.k.L;
    if (m.Header.PlanKind != MasonryPlan) {
        Title(pass, L - 170, GetDeckTitle(m.Header, pass.languages()), TextKind::Title);
        return;
    }
    // Masonry plans are titled in Italian only, after their masonry system.
    const std::string storey = FormatNum(m.Header.ElevationFrom - 1, 0);
    const bool isotex = m.MasonryIsIsotex != 0;
    const std::string title = isotex ? "Pianta delle pareti ISOTEX - Piano " : "Pianta delle murature armate - Piano ";
    Title(pass, L - 175, title + storey, TextKind::Title);
    if (!isotex) return;
    Title(pass, L - 215,
          "Nota: il numero di ferri verticali indicato in seguito \xE8 da ritenersi una stima di massima,",
          TextKind::Small);
    Title(pass, L - 230, "il numero esatto \xE8 determinato dai fori dei blocchi realmente disposti.", TextKind::Small);
}

void DrawFaceLines(PlanPass& pass, const std::vector<EdgeLine>& edges, int32_t count, int32_t layer) {
    const Model& m = pass.model();
    for (int32_t i = 0; i < UsableCount(count, edges); ++i) {
        const PlanPoint* a = PlanPointAt(m, edges[static_cast<size_t>(i)].PlanNodeA);
        const PlanPoint* b = PlanPointAt(m, edges[static_cast<size_t>(i)].PlanNodeB);
        if (a && b) pass.out.Line(a->X, a->Y, b->X, b->Y, layer, LineStyle::ByLayer);
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
            // On the dimensions' row.
            pass.out.Line(x + 3, y, x - 3, y, LayerRow::Dimensions, LineStyle::ByLayer);
            pass.out.Line(x, y + 3, x, y - 3, LayerRow::Dimensions, LineStyle::ByLayer);
        }
        if (pass.On(LayerRow::PillarHatch) && IsMainPillar(p, m.Header.PlanKind)) {
            // The label clears the pillar's own steel outline, whatever pillar was drawn before it.
            const float dx = BuildSectionShape(c, sec, p.Angle, x, y).RightReach(x);
            const float lx = x + dx + 5 * pass.k.f;
            pass.out.Text(lx, y + 20 * pass.k.f, "P." + std::to_string(p.PillarNumber), TextKind::Medium,
                          LayerRow::PillarTexts, HAlign::Left, VAlign::Top, 0);
            pass.out.Text(lx, y, GetSectionText(c, sec, pass.languages()), TextKind::Small, LayerRow::PillarTexts,
                          HAlign::Left, VAlign::Top, 0);
        }
        DrawSectionShape(pass.out, c, sec, p.Angle, x, y);
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
            pass.out.Text(node.X + 40, node.Y - 40, prefix + std::to_string(node.Id), TextKind::Medium,
                          LayerRow::SlabTexts, HAlign::Left, VAlign::Top, 0);
    }
}

void DrawDimensions(PlanPass& pass) {
    const Model& m = pass.model();
    for (int32_t i = 0; i < UsableCount(m.DimensionCount, m.Dimensions); ++i)
        pass.out.LinearDimension(m.Dimensions[static_cast<size_t>(i)]);
}

// Each masonry wall that asks for more intermediate vertical bars than fit on it keeps the ones
// the plan drew: the wall table below the plan and the data file saved then show that count.
void LowerMasonryBarCountsToWhatFits(Model& m) {
    for (int32_t i = 0; i < UsableCount(m.MasonryWallCount, m.MasonryWalls); ++i) {
        MasonryElement& wall = m.MasonryWalls[static_cast<size_t>(i)];
        if (const std::optional<int32_t> fitting = VerticalBarsThatFit(m, wall)) wall.VerticalBarCount = *fitting;
    }
}

void DrawCanvasOverlays(const Session& session, Canvas& canvas) {
    const EditorState& editor = session.editor;
    if (PerimeterBeingEdited(editor)) DrawEditedPolygonOutline(session, canvas);
    switch (ActiveOverlay(editor)) {
    case CanvasOverlay::RebarGrips: {
        const ReferencePoints& bar = editor.Reference;
        DrawRebarGrips(canvas, bar.RefP1ScreenX, bar.RefP1ScreenY, bar.RefP2ScreenX, bar.RefP2ScreenY,
                       editor.Rebar.ActiveGrip);
        break;
    }
    case CanvasOverlay::PickedEdge: {
        const ViewWindow& view = session.drawing.View;
        const RebarToolState& r = editor.Rebar;
        const float x1 = WorldToScreenX(view, r.PickedEdgeX1), y1 = WorldToScreenY(view, r.PickedEdgeY1);
        const float x2 = WorldToScreenX(view, r.PickedEdgeX2), y2 = WorldToScreenY(view, r.PickedEdgeY2);
        canvas.Line(x1, y1, x2, y2, StandardColour(0));
        canvas.SetDrawStyle(DrawStyle::Dotted);
        canvas.Line(x1, y1, x2, y2, StandardColour(14));
        canvas.SetDrawStyle(DrawStyle::Solid);
        break;
    }
    case CanvasOverlay::None: break;
    }
}

}  // namespace

void DrawPlan(Session& session, PlanOutput& out) {
    const Model& m = session.model;
    PlanPass pass = BeginPlanPass(out, session);
    const PassConstants& k = pass.k;

    DrawTitle(pass);
    if (pass.Set(LayerRow::ConcreteSlabOutlines)) DrawConcreteSlabs(pass, pass.LayerOn[LayerRow::SlabTexts]);
    if (pass.Set(LayerRow::FloorSlabHatch))
        DrawFloorSlabs(pass, pass.LayerOn[LayerRow::FloorSlabOutlines], pass.LayerOn[LayerRow::FloorSlabTexts]);
    if (pass.On(LayerRow::FloorSlabRebars)) DrawFloorSlabRebars(pass);
    if (pass.On(LayerRow::WallOutlines)) {
        DrawWalls(pass);
        if (m.MasonryWallCount > 0) {
            DrawMasonryWalls(pass);
            LowerMasonryBarCountsToWhatFits(session.model);
        }
        if (m.MasonryBeamCount > 0) DrawMasonryBeams(pass);
    }
    if (pass.On(LayerRow::BeamExtrados)) DrawFaceLines(pass, m.BeamExtradosEdges, m.BeamExtradosEdgeCount, LayerRow::BeamExtrados);
    if (pass.On(LayerRow::BeamIntrados)) DrawFaceLines(pass, m.BeamIntradosEdges, m.BeamIntradosEdgeCount, LayerRow::BeamIntrados);
    DrawPillars(pass);
    if (pass.On(LayerRow::SteelPillars)) DrawSteelPillars(pass);
    if (pass.On(LayerRow::Footings)) DrawFootings(pass);
    DrawMemberAxesAndSectionMarks(pass);
    if (pass.On(LayerRow::Dimensions)) DrawDimensions(pass);

    out.SetPenColour(StandardColour(session.drawing.WhiteBackground == 0 ? 14 : 1));
    DrawBeamLabels(pass);
    DrawWallLabels(pass);

    float runningY = m.Header.PlanKind == MasonryPlan ? DrawMasonryTables(pass) : DrawLegendOfAbbreviations(pass);
    DrawSectionListsAndSlabTable(pass, runningY - 42 * k.f);
}

void DrawPlanOnCanvas(Session& session, Canvas& canvas, OffCanvasPrimitives offCanvas) {
    canvas.SetAutoRedraw(true);
    canvas.SetBackColour(session.drawing.CanvasBackColour);
    canvas.Clear();
    if (PerimeterBeingEdited(session.editor)) FillEditedPolygon(session, canvas);
    CanvasPlanOutput out(canvas, session.drawing, session.shell.Options, offCanvas);
    DrawPlan(session, out);
    DrawCanvasOverlays(session, canvas);
    // The persistent image off, so that the editor's feedback stays out of it.
    canvas.SetAutoRedraw(false);
}
