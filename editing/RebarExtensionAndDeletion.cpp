#include "editing/RebarExtensionAndDeletion.h"

#include <optional>

#include "design/RebarEdits.h"
#include "drawing/LayerDefaults.h"
#include "editing/InteractionModes.h"
#include "editing/Picking.h"
#include "editing/RebarHighlight.h"
#include "editing/RebarToolMessages.h"
#include "model/common/Helpers.h"
#include "model/geometry/PickTests.h"
#include "model/geometry/ViewTransforms.h"
#include "model/tables/TableAccess.h"

using namespace RebarToolMessages;

namespace {

constexpr float EdgeTolerance = 10;

struct Segment {
    float X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
};

// Walks the candidate edges in their fixed order; the first within reach ends the walk.
class EdgeSearch {
public:
    EdgeSearch(const Session& session, float x, float y) : m_(session.model), view_(session.drawing.View), x_(x), y_(y) {}

    std::optional<Segment> hit;

    int32_t Run() {
        for (const auto& group : {&EdgeSearch::BeamAxes, &EdgeSearch::BeamTopFaces, &EdgeSearch::BeamBottomFaces,
                                  &EdgeSearch::WallAxes, &EdgeSearch::WallFaces, &EdgeSearch::ConcreteSlabEdges,
                                  &EdgeSearch::FloorSlabEdges}) {
            const int32_t index = (this->*group)();
            if (index >= 0) return index;
        }
        return -1;
    }

private:
    bool Near(const Segment& s) {
        if (!IsNearSegmentInPixels(view_, x_, y_, s.X1, s.Y1, s.X2, s.Y2, EdgeTolerance)) return false;
        hit = s;
        return true;
    }

    // A member's axis from its first node plus the start offsets to its second node plus the end ones.
    template <class Member>
    int32_t Axes(int32_t count, const std::vector<Member>& members) {
        for (int32_t i = 0; i < UsableCount(count, members); ++i) {
            const Member& e = members[static_cast<size_t>(i)];
            if (!IsNodeIndex(m_, e.NodeI) || !IsNodeIndex(m_, e.NodeJ)) continue;
            const Node& a = m_.Nodes[static_cast<size_t>(e.NodeI)];
            const Node& b = m_.Nodes[static_cast<size_t>(e.NodeJ)];
            if (Near({a.X + e.OffsetXI, a.Y + e.OffsetYI, b.X + e.OffsetXJ, b.Y + e.OffsetYJ})) return i;
        }
        return -1;
    }

    int32_t Faces(int32_t count, const std::vector<EdgeLine>& edges) {
        for (int32_t i = 0; i < UsableCount(count, edges); ++i) {
            const EdgeLine& e = edges[static_cast<size_t>(i)];
            if (!IsPlanPointIndex(m_, e.PlanNodeA) || !IsPlanPointIndex(m_, e.PlanNodeB)) continue;
            const PlanPoint& a = m_.PlanNodes[static_cast<size_t>(e.PlanNodeA)];
            const PlanPoint& b = m_.PlanNodes[static_cast<size_t>(e.PlanNodeB)];
            if (Near({a.X, a.Y, b.X, b.Y})) return i;
        }
        return -1;
    }

    // Consecutive vertices of each outline and the edge that closes it; the slab's index.
    int32_t OutlineEdges(int32_t slabs, const std::vector<int32_t>& counts, const IndexRows& outlines) {
        for (int32_t s = 0; s < std::min(UsableCount(slabs, counts), UsableCount(slabs, outlines)); ++s) {
            const std::vector<int32_t>& row = outlines[static_cast<size_t>(s)];
            const int32_t n = UsableCount(counts[static_cast<size_t>(s)], row);
            for (int32_t k = 0; k < n; ++k) {
                const int32_t a = row[static_cast<size_t>(k)], b = row[static_cast<size_t>((k + 1) % n)];
                if (!IsPlanPointIndex(m_, a) || !IsPlanPointIndex(m_, b)) continue;
                const PlanPoint& p = m_.PlanNodes[static_cast<size_t>(a)];
                const PlanPoint& q = m_.PlanNodes[static_cast<size_t>(b)];
                if (Near({p.X, p.Y, q.X, q.Y})) return s;
            }
        }
        return -1;
    }

    int32_t BeamAxes() { return Axes(m_.BeamElementCount, m_.BeamElements); }
    int32_t BeamTopFaces() { return Faces(m_.BeamExtradosEdgeCount, m_.BeamExtradosEdges); }
    int32_t BeamBottomFaces() { return Faces(m_.BeamIntradosEdgeCount, m_.BeamIntradosEdges); }
    int32_t WallAxes() { return Axes(m_.WallSegmentCount, m_.WallSegments); }
    int32_t WallFaces() { return Faces(m_.WallEdgeCount, m_.WallEdges); }
    int32_t ConcreteSlabEdges() {
        return OutlineEdges(UsableCount(m_.ConcreteSlabCount, m_.ConcreteSlabs), m_.ConcreteSlabOutlineCount,
                            m_.ConcreteSlabOutline);
    }
    int32_t FloorSlabEdges() {
        return OutlineEdges(UsableCount(m_.FloorSlabCount, m_.FloorSlabs), m_.FloorSlabOutlineCount,
                            m_.FloorSlabOutline);
    }

    const Model& m_;
    const ViewWindow& view_;
    float x_, y_;
};

void EndTool(CanvasEdit& edit) {
    edit.session.editor.InteractionState = Mode::Idle;
    edit.host.SetPanelText(PromptPanel, "");
}

}  // namespace

int32_t PickEdgeAt(Session& session, float x, float y) {
    EdgeSearch search(session, x, y);
    const int32_t index = search.Run();
    if (search.hit) {
        RebarToolState& r = session.editor.Rebar;
        r.PickedEdgeX1 = search.hit->X1, r.PickedEdgeY1 = search.hit->Y1;
        r.PickedEdgeX2 = search.hit->X2, r.PickedEdgeY2 = search.hit->Y2;
    }
    return index;
}

void PickExtensionEdge(CanvasEdit& edit, float x, float y) {
    Session& s = edit.session;
    if (PickEdgeAt(s, x, y) < 0) {
        EndTool(edit);
        return;
    }
    const RebarToolState& r = s.editor.Rebar;
    const ViewWindow& view = s.drawing.View;
    const float x1 = WorldToScreenX(view, r.PickedEdgeX1), y1 = WorldToScreenY(view, r.PickedEdgeY1);
    const float x2 = WorldToScreenX(view, r.PickedEdgeX2), y2 = WorldToScreenY(view, r.PickedEdgeY2);
    Canvas& canvas = edit.canvas;
    BeginOverlay(canvas);
    canvas.Line(x1, y1, x2, y2, StandardColour(0));
    canvas.SetDrawStyle(DrawStyle::Dotted);
    canvas.Line(x1, y1, x2, y2, StandardColour(14));
    canvas.SetDrawStyle(DrawStyle::Solid);
    s.editor.InteractionState = Mode::RebarExtension;
}

void ExtendRebarAt(CanvasEdit& edit, float x, float y) {
    Session& s = edit.session;
    int32_t section = 0, bar = -1, lower = 0;
    BeccaFerro(s, x, y, section, bar, lower);
    if (const std::optional<RebarFields> fields = bar < 0 ? std::nullopt : RebarAt(s.model, section, bar, lower)) {
        const RebarToolState& r = s.editor.Rebar;
        if (ExtendRebarToLine(*fields, r.PickedEdgeX1, r.PickedEdgeY1, r.PickedEdgeX2, r.PickedEdgeY2,
                              static_cast<float>(s.shell.Options.LateralCover)) == RebarExtension::NoCrossing)
            edit.platform.messages.Show(GetWarningTitle(s.shell.Languages), UiText(NoCrossing, s.shell.Languages),
                                        MsgButtons::Ok, MsgIcon::Exclamation);
    }
    edit.FullRedraw();
}

void DeleteRebarAt(CanvasEdit& edit, float x, float y) {
    Session& s = edit.session;
    int32_t section = 0, bar = -1, lower = 0;
    BeccaFerro(s, x, y, section, bar, lower);
    if (bar < 0 || !RebarAt(s.model, section, bar, lower)) return;
    HighlightRebarToDelete(s, edit.canvas, section, bar, lower);
    const MsgAnswer answer = edit.platform.messages.Show(
        GetWarningTitle(s.shell.Languages), UiText(DeleteQuestion, s.shell.Languages), MsgButtons::YesNo);
    if (answer == MsgAnswer::Yes) RemoveRebar(s.model, section, bar, lower);
    edit.FullRedraw();
    EndTool(edit);
}
