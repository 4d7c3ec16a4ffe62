#include "editing/DimensionPreviews.h"

#include "drawing/LayerDefaults.h"
#include "editing/CanvasEdit.h"
#include "editing/DimensionEditing.h"

namespace {

constexpr int32_t PreviewColour = 11;

// The temporary layer wiped and ready for the dotted preview.
ColourRef BeginPreview(Canvas& canvas) {
    canvas.ClearTemporary();
    BeginOverlay(canvas);
    canvas.SetDrawStyle(DrawStyle::Dotted);
    return StandardColour(PreviewColour);
}

void EndPreview(const Session& session, Canvas& canvas, float x, float y) {
    canvas.SetDrawStyle(DrawStyle::Solid);
    EvidenziaGripQuota(session, canvas, x, y);
}

}  // namespace

void DrawLevelDimensionPreview(const Session& session, Canvas& canvas, bool horizontal, float x, float y) {
    const ReferencePoints& r = session.editor.Reference;
    const float h = 10 * session.drawing.View.ViewScale;
    const ColourRef colour = BeginPreview(canvas);
    if (horizontal) {
        canvas.Line(r.RefP1ScreenX, y, r.RefP2ScreenX, y, colour);
        for (float end : {r.RefP1ScreenX, r.RefP2ScreenX}) canvas.Line(end, y + h, end, y - h, colour);
    } else {
        canvas.Line(x, r.RefP1ScreenY, x, r.RefP2ScreenY, colour);
        for (float end : {r.RefP1ScreenY, r.RefP2ScreenY}) canvas.Line(x + h, end, x - h, end, colour);
    }
    EndPreview(session, canvas, x, y);
}

void DrawAlignedDimensionPreview(const Session& session, Canvas& canvas, float x, float y) {
    const ReferencePoints& r = session.editor.Reference;
    const float c = r.RefDirCos, s = r.RefDirSin;
    const PlanPoint f1 = LinesMeeting(x, y, c, s, r.RefP1ScreenX, r.RefP1ScreenY, s, -c);
    const PlanPoint f2 = LinesMeeting(x, y, c, s, r.RefP2ScreenX, r.RefP2ScreenY, s, -c);
    const float h = 10 * session.drawing.View.ViewScale;
    const ColourRef colour = BeginPreview(canvas);
    canvas.Line(f1.X, f1.Y, f2.X, f2.Y, colour);
    for (const PlanPoint& foot : {f1, f2}) canvas.Line(foot.X + h * s, foot.Y - h * c, foot.X - h * s, foot.Y + h * c, colour);
    EndPreview(session, canvas, x, y);
}
