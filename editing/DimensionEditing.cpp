#include "editing/DimensionEditing.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "drawing/LayerDefaults.h"
#include "editing/InteractionModes.h"
#include "model/geometry/Angles.h"
#include "model/geometry/PickTests.h"
#include "model/geometry/SegmentIntersection.h"
#include "model/geometry/ViewTransforms.h"
#include "model/tables/TableAccess.h"

namespace {

constexpr float LineTolerance = 7.0f;
constexpr float EndWindow = 4.0f;
constexpr int32_t GripColour = 13;

bool NearEnd(const ViewWindow& view, float x, float y, float ex, float ey) {
    return std::fabs(x - WorldToScreenX(view, ex)) < EndWindow && std::fabs(y - WorldToScreenY(view, ey)) < EndWindow;
}

}  // namespace

int32_t BeccaQuota(const Session& session, float x, float y) {
    const Model& m = session.model;
    for (int32_t i = 0; i < UsableCount(m.DimensionCount, m.Dimensions); ++i) {
        const Dimension& d = m.Dimensions[static_cast<size_t>(i)];
        if (IsNearSegmentOnScreen(session.drawing.View, x, y, d.LineX1, d.LineY1, d.LineX2, d.LineY2, LineTolerance))
            return i;
    }
    return -1;
}

void BeccaEstremoQuota(const Session& session, float x, float y, int32_t& index, int32_t& whichEnd) {
    const Model& m = session.model;
    const ViewWindow& view = session.drawing.View;
    index = -1;
    for (int32_t i = 0; i < UsableCount(m.DimensionCount, m.Dimensions); ++i) {
        const Dimension& d = m.Dimensions[static_cast<size_t>(i)];
        if (NearEnd(view, x, y, d.LineX1, d.LineY1)) {
            index = i, whichEnd = 0;
            return;
        }
        if (NearEnd(view, x, y, d.LineX2, d.LineY2)) {
            index = i, whichEnd = 1;
            return;
        }
    }
}

bool IsSecondEndNearer(const Dimension& d, float wx, float wy) {
    const float d1 = std::fabs(wy - d.LineY1) + std::fabs(wx - d.LineX1);
    const float d2 = std::fabs(wy - d.LineY2) + std::fabs(wx - d.LineX2);
    return d2 <= d1;
}

PlanPoint NearerLineEnd(const Dimension& d, float wx, float wy) {
    return IsSecondEndNearer(d, wx, wy) ? PlanPoint{d.LineX2, d.LineY2} : PlanPoint{d.LineX1, d.LineY1};
}

void EvidenziaGripQuota(const Session& session, Canvas& canvas, float x, float y) {
    const Model& m = session.model;
    const ViewWindow& view = session.drawing.View;
    const int32_t i = BeccaQuota(session, x, y);
    if (i < 0) return;
    const PlanPoint end =
        NearerLineEnd(m.Dimensions[static_cast<size_t>(i)], ScreenToWorldX(view, x), ScreenToWorldY(view, y));
    const float gx = WorldToScreenX(view, end.X), gy = WorldToScreenY(view, end.Y);
    BeginOverlay(canvas);
    canvas.SetDrawWidth(3);
    canvas.Box(gx - 6, gy - 6, gx + 6, gy + 6, StandardColour(GripColour), BoxInside::Empty);
    canvas.SetDrawWidth(1);
}

void RemoveDimension(Model& m, EditorState& editor, int32_t index) {
    const int32_t count = UsableCount(m.DimensionCount, m.Dimensions);
    if (index < 0 || index >= count) return;
    std::move(m.Dimensions.begin() + index + 1, m.Dimensions.begin() + count, m.Dimensions.begin() + index);
    m.DimensionCount = count - 1;
    int32_t& current = editor.Dimensions.CurrentDimension;
    if (current == index || current >= count) current = -1;
    else if (current > index) --current;
}

void DeleteDimensionAt(CanvasEdit& edit, float x, float y) {
    Session& s = edit.session;
    const int32_t i = BeccaQuota(s, x, y);
    if (i > -1) RemoveDimension(s.model, s.editor, i);
    s.editor.InteractionState = Mode::Idle;
    edit.FullRedraw();
}

void PickDimensionToMove(CanvasEdit& edit, float x, float y) {
    Session& s = edit.session;
    EditorState& e = s.editor;
    int32_t& current = e.Dimensions.CurrentDimension;
    current = BeccaQuota(s, x, y);
    if (current == -1) {
        e.InteractionState = Mode::Idle;
        edit.host.SetPanelText(PromptPanel, "");
        return;
    }
    const Dimension& d = s.model.Dimensions[static_cast<size_t>(current)];
    const ViewWindow& view = s.drawing.View;
    e.InteractionState = Mode::MoveDimension;
    ReferencePoints& r = e.Reference;
    r.RefP1ScreenX = WorldToScreenX(view, d.LineX1), r.RefP1ScreenY = WorldToScreenY(view, d.LineY1);
    r.RefP2ScreenX = WorldToScreenX(view, d.LineX2), r.RefP2ScreenY = WorldToScreenY(view, d.LineY2);
    const LineAngleSinCos direction =
        ComputeLineAngleRadSinCos(r.RefP1ScreenX, r.RefP1ScreenY, r.RefP2ScreenX, r.RefP2ScreenY);
    r.RefDirCos = direction.CosA, r.RefDirSin = direction.SinA;
}

void spQuota(CanvasEdit& edit, float x, float y) {
    Session& s = edit.session;
    Model& m = s.model;
    EditorState& e = s.editor;
    const ViewWindow& view = s.drawing.View;
    PlanPoint w{ScreenToWorldX(view, x), ScreenToWorldY(view, y)};
    int32_t index = -1, whichEnd = 0;
    BeccaEstremoQuota(s, x, y, index, whichEnd);
    if (index > -1) {
        const Dimension& target = m.Dimensions[static_cast<size_t>(index)];
        w = whichEnd == 0 ? PlanPoint{target.LineX1, target.LineY1} : PlanPoint{target.LineX2, target.LineY2};
    }
    const int32_t current = e.Dimensions.CurrentDimension;
    if (current >= 0 && current < UsableCount(m.DimensionCount, m.Dimensions)) {
        Dimension& d = m.Dimensions[static_cast<size_t>(current)];
        const double dx = static_cast<double>(d.LineX2) - d.LineX1, dy = static_cast<double>(d.LineY2) - d.LineY1;
        const double length = std::hypot(dx, dy);
        // A line of no length has no direction to keep: it stays where it is.
        if (length > 0) {
            const float ux = static_cast<float>(dx / length), uy = static_cast<float>(dy / length);
            const PlanPoint f1 = LinesMeeting(w.X, w.Y, ux, uy, d.LineX1, d.LineY1, -uy, ux);
            const PlanPoint f2 = LinesMeeting(w.X, w.Y, ux, uy, d.LineX2, d.LineY2, -uy, ux);
            d.LineX1 = f1.X, d.LineY1 = f1.Y;
            d.LineX2 = f2.X, d.LineY2 = f2.Y;
        }
    }
    e.InteractionState = Mode::Idle;
    edit.FullRedraw();
}

PlanPoint LinesMeeting(float ax, float ay, float adx, float ady, float bx, float by, float bdx, float bdy) {
    PlanPoint meeting{ax, ay};
    IntersectSegments(ax, ay, ax + 10 * adx, ay + 10 * ady, bx, by, bx + 10 * bdx, by + 10 * bdy, meeting.X,
                      meeting.Y);
    return meeting;
}
