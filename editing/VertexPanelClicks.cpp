#include "editing/VertexPanelClicks.h"

#include <cmath>

#include "editing/InteractionModes.h"
#include "editing/ObjectSnap.h"
#include "editing/Picking.h"
#include "editing/VertexPanel.h"
#include "model/geometry/ViewTransforms.h"
#include "model/tables/TableAccess.h"

namespace {

constexpr float VertexTolerance = 4.0f;  // pixels

// The window shows the panel as it now stands, then the plan is drawn again with its overlay.
void ShowPanelAndRedraw(CanvasEdit& edit) {
    edit.host.VertexPanelChanged();
    edit.FullRedraw();
}

}  // namespace

int32_t PickEditedVertexAt(const Session& session, float x, float y) {
    const VertexPanelState& panel = session.editor.VertexPanel;
    const ViewWindow& view = session.drawing.View;
    const int64_t count = std::min<int64_t>(int64_t{panel.EditedVertexLast} + 1, panel.EditedVertices.size());
    for (int64_t i = 0; i < count; ++i) {
        const int32_t point = panel.EditedVertices[static_cast<size_t>(i)];
        if (!IsPlanPointIndex(session.model, point)) continue;
        const PlanPoint& p = session.model.PlanNodes[static_cast<size_t>(point)];
        if (std::fabs(x - WorldToScreenX(view, p.X)) < VertexTolerance &&
            std::fabs(y - WorldToScreenY(view, p.Y)) < VertexTolerance)
            return static_cast<int32_t>(i);
    }
    return -1;
}

void OpenVertexPanelAt(CanvasEdit& edit, float x, float y) {
    Session& s = edit.session;
    const bool concrete = s.editor.InteractionState == Mode::ConcreteSlabPerimeter;
    int32_t found = 0;
    const int32_t slab = concrete ? PickConcreteSlabAt(s, x, y, found) : PickFloorSlabAt(s, x, y);
    if (slab != -1 && OpenVertexPanel(s, slab, concrete)) ShowPanelAndRedraw(edit);
    edit.canvas.ClearTemporary();
    s.editor.InteractionState = Mode::Idle;
}

void ClickWithVertexPanelOpen(CanvasEdit& edit, int16_t button, float x, float y) {
    Session& s = edit.session;
    if (s.editor.VertexPanel.VertexPanelMode == 0) return;
    const int32_t vertex = PickEditedVertexAt(s, x, y);
    if (vertex != -1) {
        List1_Click(s, vertex);
        ShowPanelAndRedraw(edit);
        return;
    }
    float px = x, py = y;
    if (s.shell.Options.OsnapEnabled != 0) {
        BeccaOSNAP(s, edit.canvas, x, y, button);
        const SnapState& snap = s.editor.Snap;
        if (snap.SnapFound != 1) return;
        px = snap.SnapX, py = snap.SnapY;
    }
    const ViewWindow& view = s.drawing.View;
    EnterPointIntoFields(s, ScreenToWorldX(view, px), ScreenToWorldY(view, py));
    ShowPanelAndRedraw(edit);
}
