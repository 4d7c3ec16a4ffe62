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

void TakeDirection(EditorState& e) {
    const LineAngleSinCos a = ComputeLineAngleRadSinCos(e.RefP1ScreenX, e.RefP1ScreenY, e.RefP2ScreenX, e.RefP2ScreenY);
    e.RefDirCos = a.CosA;
    e.RefDirSin = a.SinA;
}

void DrawGrips(CanvasEdit& edit) {
    const EditorState& e = edit.session.editor;
    BeginOverlay(edit.canvas);
    DrawRebarGrips(edit.canvas, e.RefP1ScreenX, e.RefP1ScreenY, e.RefP2ScreenX, e.RefP2ScreenY, e.ActiveGrip);
}

// Where the bar's line meets the perpendicular through the canvas point; none while the bar's ends
// coincide on the canvas and it has no line.
std::optional<std::pair<float, float>> FootOnBarLine(const EditorState& e, float x, float y) {
    if (GetDistance(e.RefP1ScreenX, e.RefP1ScreenY, e.RefP2ScreenX, e.RefP2ScreenY) <= 0) return std::nullopt;
    const float s = e.RefDirSin, c = e.RefDirCos;
    float fx = 0, fy = 0;
    if (IntersectSegments(x + FootReach * s, y - FootReach * c, x - FootReach * s, y + FootReach * c, e.RefP1ScreenX,
                          e.RefP1ScreenY, e.RefP2ScreenX, e.RefP2ScreenY, fx, fy) <= 0)
        return std::nullopt;
    return std::pair{fx, fy};
}

// The bar slid along its line, keeping its length, its middle at the foot.
void CentreBarAt(EditorState& e, float fx, float fy) {
    const float h = GetDistance(e.RefP1ScreenX, e.RefP1ScreenY, e.RefP2ScreenX, e.RefP2ScreenY) / 2;
    e.RefP1ScreenX = fx + h * e.RefDirCos, e.RefP1ScreenY = fy + h * e.RefDirSin;
    e.RefP2ScreenX = fx - h * e.RefDirCos, e.RefP2ScreenY = fy - h * e.RefDirSin;
}

void EndTool(CanvasEdit& edit) {
    edit.session.editor.InteractionState = Mode::Idle;
    edit.FullRedraw();
    edit.host.SetPanelText(PromptPanel, "");
}

}  // namespace

int32_t GetRebarGripAt(const EditorState& e, float x, float y) {
    if (InGrip(x, y, e.RefP1ScreenX, e.RefP1ScreenY)) return Grip::Start;
    if (InGrip(x, y, e.RefP2ScreenX, e.RefP2ScreenY)) return Grip::End;
    if (InGrip(x, y, (e.RefP1ScreenX + e.RefP2ScreenX) / 2, (e.RefP1ScreenY + e.RefP2ScreenY) / 2)) return Grip::Middle;
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
    e.SelectedBarSection = section, e.SelectedBar = bar, e.SelectedBarIsLower = lower;
    HighlightRebarToEdit(s, edit.canvas, section, bar, lower);
    e.BarStretchStart = e.BarStretchEnd = 0;

    edit.host.ShowRebarEditor();
    if (e.InteractionState != Mode::RebarGrips) {
        e.InteractionState = Mode::Idle;
        edit.FullRedraw();
        return;
    }
    e.RefP1ScreenX = picked.X1, e.RefP1ScreenY = picked.Y1;
    e.RefP2ScreenX = picked.X2, e.RefP2ScreenY = picked.Y2;
    e.ActiveGrip = Grip::None;
    e.MovedBarEnds = 0;
    TakeDirection(e);
    DrawGrips(edit);
}

void GrabRebarGrip(CanvasEdit& edit, float x, float y) {
    EditorState& e = edit.session.editor;
    e.ActiveGrip = GetRebarGripAt(e, x, y);
    if (e.ActiveGrip == Grip::None) return;
    DrawGrips(edit);
    e.InteractionState = Mode::RebarGripDrag;
}

void DragRebarGrip(CanvasEdit& edit, float x, float y) {
    EditorState& e = edit.session.editor;
    const std::optional<std::pair<float, float>> foot = FootOnBarLine(e, x, y);
    edit.canvas.ClearTemporary();
    if (!foot || e.ActiveGrip == Grip::None) return;
    const auto [fx, fy] = *foot;
    const ColourRef magenta = StandardColour(13);
    BeginOverlay(edit.canvas);
    switch (e.ActiveGrip) {
    case Grip::Start: edit.canvas.Line(fx, fy, e.RefP2ScreenX, e.RefP2ScreenY, magenta); break;
    case Grip::End: edit.canvas.Line(fx, fy, e.RefP1ScreenX, e.RefP1ScreenY, magenta); break;
    case Grip::Middle:
        CentreBarAt(e, fx, fy);
        edit.canvas.Line(e.RefP1ScreenX, e.RefP1ScreenY, e.RefP2ScreenX, e.RefP2ScreenY, magenta);
        break;
    default: break;
    }
}

void PutRebarGripDown(CanvasEdit& edit, float x, float y) {
    EditorState& e = edit.session.editor;
    const std::optional<std::pair<float, float>> foot = FootOnBarLine(e, x, y);
    edit.canvas.ClearTemporary();
    if (foot) {
        const auto [fx, fy] = *foot;
        switch (e.ActiveGrip) {
        case Grip::Start:
            e.RefP1ScreenX = fx, e.RefP1ScreenY = fy;
            e.MovedBarEnds |= StartMoved;
            break;
        case Grip::End:
            e.RefP2ScreenX = fx, e.RefP2ScreenY = fy;
            e.MovedBarEnds |= EndMoved;
            break;
        case Grip::Middle:
            CentreBarAt(e, fx, fy);
            e.MovedBarEnds |= StartMoved | EndMoved | SlidWhole;
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
    EditorState& e = s.editor;
    const std::optional<RebarFields> bar = SelectedRebar(s);
    if (bar) {
        // The middle grip leaves the start at the end of larger x: put it right.
        if ((e.MovedBarEnds & SlidWhole) && e.RefP1ScreenX > e.RefP2ScreenX) {
            std::swap(e.RefP1ScreenX, e.RefP2ScreenX);
            std::swap(e.RefP1ScreenY, e.RefP2ScreenY);
        }
        const ViewWindow& view = s.drawing.View;
        if (e.MovedBarEnds & StartMoved) {
            bar->X1 = ScreenToWorldX(view, e.RefP1ScreenX);
            bar->Y1 = ScreenToWorldY(view, e.RefP1ScreenY);
        }
        if (e.MovedBarEnds & EndMoved) {
            bar->X2 = ScreenToWorldX(view, e.RefP2ScreenX);
            bar->Y2 = ScreenToWorldY(view, e.RefP2ScreenY);
        }
    }
    e.MovedBarEnds = 0;
    EndTool(edit);
}
