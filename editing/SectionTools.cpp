#include "editing/SectionTools.h"

#include <algorithm>
#include <cmath>

#include "design/DesignCommands.h"
#include "design/SectionPlacement.h"
#include "drawing/LayerDefaults.h"
#include "editing/InteractionModes.h"
#include "editing/Picking.h"
#include "model/common/Helpers.h"
#include "model/geometry/Geometry.h"
#include "model/geometry/ViewTransforms.h"
#include "model/tables/TableAccess.h"
#include "state/Languages.h"

namespace {

constexpr int32_t PreviewColour = 15;

// The move's and the deletion's messages differ in their English wording.
constexpr Bilingual NoSectionToMove{"Nella posizione selezionata non sono state rilevate sezioni!",
                                    "In the selected position you are not detected sections!"};
constexpr Bilingual NoSectionToDelete{"Nella posizione selezionata non sono state rilevate sezioni!",
                                      "In the selected position are not detected sections!"};
constexpr Bilingual NoFloorSlab{"Nella posizione selezionata non sono stati rilevati solai in c.a.!",
                                "In the selected position are not detected any floor slabs"};

void Warn(CanvasEdit& edit, const Bilingual& text) {
    const LanguageFlags& languages = edit.session.shell.Languages;
    edit.platform.messages.Show(GetWarningTitle(languages), UiText(text, languages), MsgButtons::Ok,
                              MsgIcon::Exclamation);
}

// The tool is over; its prompt goes.
void EndTool(CanvasEdit& edit) {
    edit.session.editor.InteractionState = Mode::Idle;
    edit.host.SetPanelText(PromptPanel, "");
}

// The target of the placement and the direction of its preview: slab `slab`'s span.
void TakeTargetSlab(Session& s, int32_t slab) {
    SectionToolState& t = s.editor.Sections;
    t.TargetSlab = slab;
    const double angle = DegToRad(s.model.FloorSlabs[static_cast<size_t>(slab)].SpanAngle);
    t.SpanDirSin = std::sin(angle);
    t.SpanDirCos = std::cos(angle);
}

// The first slab that section k crosses; -1 when it names none of the floor-slab table.
int32_t FirstSlabOf(const Model& m, int32_t k) {
    const ReinforcementSections& r = m.Reinforcement;
    const size_t s = static_cast<size_t>(k);
    if (k < 0 || s >= r.SectionSlabCount.size() || s >= r.SectionSlabs.size() || r.SectionSlabCount[s] < 1) return -1;
    const int32_t slab = r.SectionSlabs[s][0];
    return slab >= 0 && slab < UsableCount(m.FloorSlabCount, m.FloorSlabs) ? slab : -1;
}

bool SectionCrosses(const ReinforcementSections& r, int32_t k, int32_t slab) {
    const size_t s = static_cast<size_t>(k);
    if (k < 0 || s >= r.SectionSlabCount.size() || s >= r.SectionSlabs.size()) return false;
    const auto& slabs = r.SectionSlabs[s];
    const int32_t count = std::clamp<int32_t>(r.SectionSlabCount[s], 0, static_cast<int32_t>(slabs.size()));
    const auto crossed = slabs.begin() + count;
    return std::find(slabs.begin(), crossed, slab) != crossed;
}

// The section laid (mode 1) or rebuilt (mode 2) through the canvas point.
void PlaceSectionAt(CanvasEdit& edit, float x, float y, int32_t mode) {
    Session& s = edit.session;
    const ViewWindow& view = s.drawing.View;
    PlaceReinforcementSection(s, edit.platform.messages, ScreenToWorldX(view, x), ScreenToWorldY(view, y), mode);
}

}  // namespace

void PickSectionToMove(CanvasEdit& edit, float x, float y) {
    Session& s = edit.session;
    const int32_t k = BeccaSezione(s, x, y);
    // A section that names no slab of the table has no span to be laid along.
    const int32_t slab = FirstSlabOf(s.model, k);
    if (slab < 0) {
        Warn(edit, NoSectionToMove);
        s.editor.InteractionState = Mode::Idle;
        return;
    }
    s.editor.Sections.MovedSection = k;
    TakeTargetSlab(s, slab);
    s.editor.InteractionState = Mode::DragSection;
}

void DropMovedSection(CanvasEdit& edit, float x, float y) {
    Session& s = edit.session;
    const int32_t slab = PickFloorSlabAt(s, x, y);
    edit.canvas.ClearTemporary();
    if (slab > -1) {
        if (SectionCrosses(s.model.Reinforcement, s.editor.Sections.MovedSection, slab))
            PlaceSectionAt(edit, x, y, PlaceMovedSection);
        edit.FullRedraw();
    }
    EndTool(edit);
}

void PickSlabOfNewSection(CanvasEdit& edit, float x, float y) {
    Session& s = edit.session;
    const int32_t slab = PickFloorSlabAt(s, x, y);
    if (slab < 0) {
        Warn(edit, NoFloorSlab);
        s.editor.InteractionState = Mode::Idle;
        return;
    }
    TakeTargetSlab(s, slab);
    s.editor.InteractionState = Mode::ReleaseNewSection;
}

void PlaceNewSection(CanvasEdit& edit, float x, float y) {
    Session& s = edit.session;
    edit.canvas.ClearTemporary();
    if (PickFloorSlabAt(s, x, y) == s.editor.Sections.TargetSlab) {
        PlaceSectionAt(edit, x, y, PlaceByUser);
        edit.FullRedraw();
    }
    EndTool(edit);
}

void DeleteSectionAt(CanvasEdit& edit, float x, float y) {
    Session& s = edit.session;
    const int32_t k = BeccaSezione(s, x, y);
    if (k < 0) Warn(edit, NoSectionToDelete);
    else if (RemoveReinforcementSection(s.model.Reinforcement, k)) edit.FullRedraw();
    EndTool(edit);
}

void DrawSectionLinePreview(Canvas& canvas, float x, float y, double cosA, double sinA) {
    const float w = static_cast<float>(canvas.WidthPx()), h = static_cast<float>(canvas.HeightPx());
    const double half = 1.5 * std::max({x, w - x, y, h - y});
    canvas.ClearTemporary();
    BeginOverlay(canvas);
    canvas.Line(static_cast<float>(x - half * cosA), static_cast<float>(y + half * sinA),
                static_cast<float>(x + half * cosA), static_cast<float>(y - half * sinA),
                StandardColour(PreviewColour));
}
