#include "editing/CanvasEditor.h"

#include "editing/ConcreteSlabHandOffTool.h"
#include "editing/DimensionEditing.h"
#include "editing/DimensionPlacement.h"
#include "editing/DimensionPreviews.h"
#include "editing/HoverHighlight.h"
#include "editing/InteractionModes.h"
#include "editing/ObjectSnap.h"
#include "editing/SectionTools.h"
#include "editing/VertexPanelClicks.h"
#include "editing/RebarExtensionAndDeletion.h"
#include "editing/RebarGraphicEdit.h"
#include "editing/ZoomWindowAndPan.h"
#include "model/geometry/ViewFit.h"
#include "model/common/Helpers.h"
#include "model/geometry/ViewTransforms.h"

std::string CursorReadout(float worldX, float worldY) {
    return "x=" + FormatFixedForReading(worldX, 1) + "   y=" + FormatFixedForReading(worldY, 1);
}

void CanvasEditor::MouseDown(int16_t button, int16_t, float x, float y) {
    if (button == RightButton) {
        RightClick(x, y);
        return;
    }
    if (button == MiddleButton) StartPan(edit_.session.drawing.View, edit_.session.editor);
    LeftClick(button, x, y);
}

void CanvasEditor::RightClick(float x, float y) {
    EditorState& e = edit_.session.editor;
    switch (e.InteractionState) {
    case Mode::RebarExtension:
        e.InteractionState = Mode::Idle;
        edit_.FullRedraw();
        break;
    case Mode::RebarGripDrag:
        PutRebarGripDown(edit_, x, y);
        CommitRebarEdit(edit_);
        break;
    case Mode::RebarGripDown: CommitRebarEdit(edit_); break;
    default: edit_.host.RepeatLastCommand(); break;
    }
}

void CanvasEditor::LeftClick(int16_t button, float x, float y) {
    switch (edit_.session.editor.InteractionState) {
    case Mode::Idle: ClickWithVertexPanelOpen(edit_, button, x, y); break;
    case Mode::ZoomFirstCorner: ZoomWindowFirstCorner(edit_, x, y); break;
    case Mode::ZoomSecondCorner:
        if (button == LeftButton) ZoomWindowSecondCorner(edit_, x, y);
        break;
    case Mode::PanAnchor: StartPanDrag(edit_, x, y); break;
    case Mode::PickSectionToMove: PickSectionToMove(edit_, x, y); break;
    case Mode::PickSlabOfNewSection: PickSlabOfNewSection(edit_, x, y); break;
    case Mode::DeleteSection: DeleteSectionAt(edit_, x, y); break;
    case Mode::HorizontalFirstPoint:
    case Mode::VerticalFirstPoint:
    case Mode::AlignedFirstPoint:
    case Mode::HorizontalSecondPoint:
    case Mode::VerticalSecondPoint:
    case Mode::AlignedSecondPoint: PickMeasuredPoint(edit_, x, y); break;
    case Mode::HorizontalLine:
    case Mode::VerticalLine:
    case Mode::AlignedLine: AggiungiQuota(edit_, x, y); break;
    case Mode::ContinuedBase: PickContinuedBase(edit_, x, y); break;
    case Mode::ContinuedPoint: AddContinuedDimension(edit_, x, y); break;
    case Mode::DeleteDimension: DeleteDimensionAt(edit_, x, y); break;
    case Mode::PickDimensionToMove: PickDimensionToMove(edit_, x, y); break;
    case Mode::MoveDimension: spQuota(edit_, x, y); break;
    case Mode::FloorSlabPerimeter:
    case Mode::ConcreteSlabPerimeter: OpenVertexPanelAt(edit_, x, y); break;
    case Mode::PickRebarToEdit: PickRebarToEdit(edit_, x, y); break;
    case Mode::RebarGrips:
    case Mode::RebarGripDown: GrabRebarGrip(edit_, x, y); break;
    case Mode::RebarGripDrag: PutRebarGripDown(edit_, x, y); break;
    case Mode::PickExtensionEdge: PickExtensionEdge(edit_, x, y); break;
    case Mode::RebarExtension: ExtendRebarAt(edit_, x, y); break;
    case Mode::DeleteRebar: DeleteRebarAt(edit_, x, y); break;
    case Mode::ConcreteSlabHandOff: HandOffConcreteSlabAt(edit_, x, y); break;
    default: break;
    }
}

void CanvasEditor::MouseMove(int16_t buttons, int16_t, float x, float y) {
    Session& s = edit_.session;
    Canvas& canvas = edit_.canvas;
    ViewWindow& view = s.drawing.View;
    view.CursorWorldX = ScreenToWorldX(view, x);
    view.CursorWorldY = ScreenToWorldY(view, y);
    switch (s.editor.InteractionState) {
    case Mode::Idle:
        if (s.editor.VertexPanel.VertexPanelMode != 0 && s.shell.Options.OsnapEnabled != 0)
            BeccaOSNAP(s, canvas, x, y, buttons);
        edit_.host.SetPanelText(CursorPanel, CursorReadout(view.CursorWorldX, view.CursorWorldY));
        break;
    case Mode::ZoomSecondCorner: DragRubberBand(edit_, x, y); break;
    case Mode::PanDrag: DragPan(edit_, buttons, x, y); break;
    case Mode::DragSection:
    case Mode::ReleaseNewSection:
        DrawSectionLinePreview(canvas, x, y, s.editor.Sections.SpanDirCos, s.editor.Sections.SpanDirSin);
        break;
    case Mode::HorizontalFirstPoint:
    case Mode::VerticalFirstPoint:
    case Mode::AlignedFirstPoint:
    case Mode::HorizontalSecondPoint:
    case Mode::VerticalSecondPoint:
    case Mode::AlignedSecondPoint:
    case Mode::ContinuedPoint: BeccaOSNAP(s, canvas, x, y, buttons); break;
    case Mode::HorizontalLine: DrawLevelDimensionPreview(s, canvas, true, x, y); break;
    case Mode::VerticalLine: DrawLevelDimensionPreview(s, canvas, false, x, y); break;
    case Mode::AlignedLine:
    case Mode::MoveDimension: DrawAlignedDimensionPreview(s, canvas, x, y); break;
    case Mode::ContinuedBase:
        canvas.ClearTemporary();
        EvidenziaGripQuota(s, canvas, x, y);
        break;
    case Mode::FloorSlabPerimeter: EvidenziaSolaio(edit_, x, y); break;
    case Mode::ConcreteSlabHandOff:
    case Mode::ConcreteSlabPerimeter: EvidenziaSoletta(edit_, x, y); break;
    case Mode::RebarGripDrag: DragRebarGrip(edit_, x, y); break;
    default:
        // Each acts only in the modes of its own tools.
        EvidenziaSez(edit_, x, y);
        EvidenziaQuota(edit_, x, y);
        break;
    }
}

void CanvasEditor::MouseUp(int16_t, int16_t, float x, float y) {
    switch (edit_.session.editor.InteractionState) {
    case Mode::PanDrag: EndPan(edit_); break;
    case Mode::DragSection: DropMovedSection(edit_, x, y); break;
    case Mode::ReleaseNewSection: PlaceNewSection(edit_, x, y); break;
    default: break;
    }
}
