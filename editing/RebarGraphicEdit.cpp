#include "editing/RebarGraphicEdit.h"

#include <optional>
#include <utility>

#include "design/RebarEdits.h"
#include "drawing/LayerDefaults.h"
#include "drawing/RebarGrips.h"
#include "editing/InteractionModes.h"
#include "editing/Picking.h"
#include "editing/RebarHighlight.h"
#include "model/geometry/Angles.h"
#include "model/geometry/Geometry.h"
#include "model/geometry/SegmentIntersection.h"
#include "model/geometry/ViewTransforms.h"

namespace {

constexpr float GripReach = 5;   // pixels on each side of a grip's point
constexpr float FootReach = 10;  // half the length of the perpendicular through the cursor

// Bits of MovedBarEnds: the ends moved, and whether the middle grip slid the bar.
constexpr int32_t StartMoved = 1, EndMoved = 2, SlidWhole = 4;

bool InGrip(float x, float y, float gx, float gy) {
    return static_cast<float>(gx - GripReach) < x && x < static_cast<float>(gx + GripReach) &&
           static_cast<float>(gy - GripReach) < y && y < static_cast<float>(gy + GripReach);
}

void TakeDirection(ReferencePoints& r) {
    const LineAngleSinCos a = ComputeLineAngleRadSinCos(r.RefP1ScreenX, r.RefP1ScreenY, r.RefP2ScreenX, r.RefP2ScreenY);
    r.RefDirCos = a.CosA;
    r.RefDirSin = a.SinA;
}

void DrawGrips(CanvasEdit& edit) {
    const EditorState& e = edit.session.editor;
    const ReferencePoints& r = e.Reference;
    BeginOverlay(edit.canvas);
    DrawRebarGrips(edit.canvas, r.RefP1ScreenX, r.RefP1ScreenY, r.RefP2ScreenX, r.RefP2ScreenY, e.Rebar.ActiveGrip);
}

// Where the bar's line meets the perpendicular through the canvas point; none while the bar's ends
// coincide on the canvas and it has no line.
std::optional<std::pair<float, float>> FootOnBarLine(const ReferencePoints& r, float x, float y) {
    if (GetDistance(r.RefP1ScreenX, r.RefP1ScreenY, r.RefP2ScreenX, r.RefP2ScreenY) <= 0) return std::nullopt;
    const float s = r.RefDirSin, c = r.RefDirCos;
    float fx = 0, fy = 0;
    if (IntersectSegments(x + FootReach * s, y - FootReach * c, x - FootReach * s, y + FootReach * c, r.RefP1ScreenX,
                          r.RefP1ScreenY, r.RefP2ScreenX, r.RefP2ScreenY, fx, fy) <= 0)
        return std::nullopt;
    return std::pair{fx, fy};
}

// The bar slid along its line, keeping its length, its middle at the foot.
void CentreBarAt(ReferencePoints& r, float fx, float fy) {
    const float h = GetDistance(r.RefP1ScreenX, r.RefP1ScreenY, r.RefP2ScreenX, r.RefP2ScreenY) / 2;
    r.RefP1ScreenX = fx + h * r.RefDirCos, r.RefP1ScreenY = fy + h * r.RefDirSin;
    r.RefP2ScreenX = fx - h * r.RefDirCos, r.RefP2ScreenY = fy - h * r.RefDirSin;
}

void EndTool(CanvasEdit& edit) {
    edit.session.editor.InteractionState = Mode::Idle;
    edit.FullRedraw();
    edit.host.SetPanelText(PromptPanel, "");
}

}  // namespace

int32_t GetRebarGripAt(const ReferencePoints& r, float x, float y) {
    if (InGrip(x, y, r.RefP1ScreenX, r.RefP1ScreenY)) return Grip::Start;
    if (InGrip(x, y, r.RefP2ScreenX, r.RefP2ScreenY)) return Grip::End;
    if (InGrip(x, y, (r.RefP1ScreenX + r.RefP2ScreenX) / 2, (r.RefP1ScreenY + r.RefP2ScreenY) / 2)) return Grip::Middle;
    return Grip::None;
}

void PickRebarToEdit(CanvasEdit& edit, float x, float y) {
    Session& s = edit.session;
    EditorState& e = s.editor;
    if (s.model.Reinforcement.ReinforcementSectionCount <= 0) {
        e.InteractionState = Mode::Idle;
        edit.host.SetPanelText(PromptPanel, "");
        return;
    }
    int32_t section = 0, bar = -1, lower = 0;
    BeccaFerro(s, x, y, section, bar, lower);
    RebarOnCanvas picked;
    if (bar < 0 || !RebarEndsOnCanvas(s, section, bar, lower, picked)) return;
    RebarToolState& rebar = e.Rebar;
    rebar.SelectedBarSection = section, rebar.SelectedBar = bar, rebar.SelectedBarIsLower = lower;
    HighlightRebarToEdit(s, edit.canvas, section, bar, lower);
    rebar.BarStretchStart = rebar.BarStretchEnd = 0;

    edit.host.ShowRebarEditor();
    if (e.InteractionState != Mode::RebarGrips) {
        e.InteractionState = Mode::Idle;
        edit.FullRedraw();
        return;
    }
    ReferencePoints& r = e.Reference;
    r.RefP1ScreenX = picked.X1, r.RefP1ScreenY = picked.Y1;
    r.RefP2ScreenX = picked.X2, r.RefP2ScreenY = picked.Y2;
    rebar.ActiveGrip = Grip::None;
    rebar.MovedBarEnds = 0;
    TakeDirection(r);
    DrawGrips(edit);
}

void GrabRebarGrip(CanvasEdit& edit, float x, float y) {
    EditorState& e = edit.session.editor;
    e.Rebar.ActiveGrip = GetRebarGripAt(e.Reference, x, y);
    if (e.Rebar.ActiveGrip == Grip::None) return;
    DrawGrips(edit);
    e.InteractionState = Mode::RebarGripDrag;
}

void DragRebarGrip(CanvasEdit& edit, float x, float y) {
    EditorState& e = edit.session.editor;
    ReferencePoints& r = e.Reference;
    const std::optional<std::pair<float, float>> foot = FootOnBarLine(r, x, y);
    edit.canvas.ClearTemporary();
    if (!foot || e.Rebar.ActiveGrip == Grip::None) return;
    const auto [fx, fy] = *foot;
    const ColourRef magenta = StandardColour(13);
    BeginOverlay(edit.canvas);
    switch (e.Rebar.ActiveGrip) {
    case Grip::Start: edit.canvas.Line(fx, fy, r.RefP2ScreenX, r.RefP2ScreenY, magenta); break;
    case Grip::End: edit.canvas.Line(fx, fy, r.RefP1ScreenX, r.RefP1ScreenY, magenta); break;
    case Grip::Middle:
        CentreBarAt(r, fx, fy);
        edit.canvas.Line(r.RefP1ScreenX, r.RefP1ScreenY, r.RefP2ScreenX, r.RefP2ScreenY, magenta);
        break;
    default: break;
    }
}

void PutRebarGripDown(CanvasEdit& edit, float x, float y) {
    EditorState& e = edit.session.editor;
    ReferencePoints& r = e.Reference;
    RebarToolState& rebar = e.Rebar;
    const std::optional<std::pair<float, float>> foot = FootOnBarLine(r, x, y);
    edit.canvas.ClearTemporary();
    if (foot) {
        const auto [fx, fy] = *foot;
        switch (rebar.ActiveGrip) {
        case Grip::Start:
            r.RefP1ScreenX = fx, r.RefP1ScreenY = fy;
            rebar.MovedBarEnds |= StartMoved;
            break;
        case Grip::End:
            r.RefP2ScreenX = fx, r.RefP2ScreenY = fy;
            rebar.MovedBarEnds |= EndMoved;
            break;
        case Grip::Middle:
            CentreBarAt(r, fx, fy);
            rebar.MovedBarEnds |= StartMoved | EndMoved | SlidWhole;
            break;
        default: break;
        }
    }
    e.InteractionState = Mode::RebarGripDown;
    edit.FullRedraw();
    DrawGrips(edit);
}

void CommitRebarEdit(CanvasEdit& edit) {
    Session& s = edit.session;
    ReferencePoints& r = s.editor.Reference;
    int32_t& moved = s.editor.Rebar.MovedBarEnds;
    const std::optional<RebarFields> bar = SelectedRebar(s);
    if (bar) {
        // The middle grip leaves the start at the end of larger x: put it right.
        if ((moved & SlidWhole) && r.RefP1ScreenX > r.RefP2ScreenX) {
            std::swap(r.RefP1ScreenX, r.RefP2ScreenX);
            std::swap(r.RefP1ScreenY, r.RefP2ScreenY);
        }
        const ViewWindow& view = s.drawing.View;
        if (moved & StartMoved) {
            bar->X1 = ScreenToWorldX(view, r.RefP1ScreenX);
            bar->Y1 = ScreenToWorldY(view, r.RefP1ScreenY);
        }
        if (moved & EndMoved) {
            bar->X2 = ScreenToWorldX(view, r.RefP2ScreenX);
            bar->Y2 = ScreenToWorldY(view, r.RefP2ScreenY);
        }
    }
    moved = 0;
    EndTool(edit);
}
