#include "editing/ObjectSnap.h"

#include <cmath>
#include <vector>

#include "drawing/LayerDefaults.h"
#include "editing/CanvasEdit.h"
#include "model/geometry/ViewTransforms.h"
#include "model/sections/SectionOutlines.h"
#include "model/tables/TableAccess.h"
#include "state/LayerRows.h"

namespace {

constexpr float SnapWindow = 4.0f;  // pixels, in x and in y, strict
constexpr int32_t MarkerColour = 13;

class Scan {
public:
    Scan(const Session& session, float x, float y) : s_(session), m_(session.model), x_(x), y_(y) {}

    std::optional<SnapCandidate> Run() {
        if (Gate(LayerRow::BeamExtrados) && FaceLines(m_.BeamExtradosEdges, m_.BeamExtradosEdgeCount)) return hit_;
        if (Gate(LayerRow::BeamIntrados) && FaceLines(m_.BeamIntradosEdges, m_.BeamIntradosEdgeCount)) return hit_;
        if (Gate(LayerRow::PillarOutlines) && ConcretePillars()) return hit_;
        if (Gate(LayerRow::SteelPillars) && SteelPillars()) return hit_;
        if (Gate(LayerRow::Axes) && BeamStartNodes()) return hit_;
        if (Gate(LayerRow::WallOutlines) && FaceLines(m_.WallEdges, m_.WallEdgeCount)) return hit_;
        if (Gate(LayerRow::FloorSlabOutlines) && Outlines(m_.FloorSlabOutline, m_.FloorSlabOutlineCount, m_.FloorSlabCount))
            return hit_;
        if (Gate(LayerRow::ConcreteSlabOutlines) &&
            Outlines(m_.ConcreteSlabOutline, m_.ConcreteSlabOutlineCount, m_.ConcreteSlabCount))
            return hit_;
        if (SnapOn(LayerRow::WallOutlines) && MasonryCorners()) return hit_;
        if (Gate(LayerRow::Footings) && Footings()) return hit_;
        return std::nullopt;
    }

private:
    bool SnapOn(int32_t layer) const { return s_.drawing.DimOsnapOn[static_cast<size_t>(layer)] != 0; }
    bool Gate(int32_t layer) const {
        return SnapOn(layer) && s_.drawing.LayerScreenOn[static_cast<size_t>(layer)] == 1;
    }

    bool Try(float x, float y, SnapMarker marker) {
        const ViewWindow& view = s_.drawing.View;
        const float sx = WorldToScreenX(view, x), sy = WorldToScreenY(view, y);
        if (!(std::fabs(x_ - sx) < SnapWindow && std::fabs(y_ - sy) < SnapWindow)) return false;
        hit_ = SnapCandidate{sx, sy, marker};
        return true;
    }
    bool TryPlanPoint(int32_t index) {
        if (!IsPlanPointIndex(m_, index)) return false;
        const PlanPoint& p = m_.PlanNodes[static_cast<size_t>(index)];
        return Try(p.X, p.Y, SnapMarker::Box);
    }
    const Node* NodeAt(int32_t index) const {
        return IsNodeIndex(m_, index) ? &m_.Nodes[static_cast<size_t>(index)] : nullptr;
    }

    bool FaceLines(const std::vector<EdgeLine>& lines, int32_t count) {
        for (int32_t i = 0; i < UsableCount(count, lines); ++i) {
            const EdgeLine& line = lines[static_cast<size_t>(i)];
            if (TryPlanPoint(line.PlanNodeA) || TryPlanPoint(line.PlanNodeB)) return true;
        }
        return false;
    }

    // Pillars of the given section classes with the node they stand on.
    template <class Visit>
    bool Pillars(bool steel, Visit visit) {
        const SectionCatalogue& c = m_.Catalogue;
        for (int32_t i = 0; i < UsableCount(m_.PillarCount, m_.Pillars); ++i) {
            const Pillar& p = m_.Pillars[static_cast<size_t>(i)];
            const int32_t sec = c.SectionIndexOf(p.SectionNumber);
            const Node* node = NodeAt(p.Node);
            if (!c.HasSection(sec) || node == nullptr) continue;
            const int32_t cls = c.SectionClass[static_cast<size_t>(sec)];
            if (steel ? cls <= 0 : cls != 0) continue;
            if (visit(p, sec, node->X + p.OffsetX, node->Y + p.OffsetY)) return true;
        }
        return false;
    }

    bool ConcretePillars() {
        return Pillars(false, [&](const Pillar& p, int32_t sec, float x, float y) {
            if (Try(x, y, SnapMarker::Circle)) return true;
            const SectionOutline outline = BuildSectionOutline(m_.Catalogue, sec, 360 - p.Angle, OutlineAsListed);
            for (int32_t k = 0; k < outline.SectionOutlineLast && k < SectionOutline::MaxPoints; ++k)
                if (Try(x + outline.SectionOutlineX[static_cast<size_t>(k)],
                        y + outline.SectionOutlineY[static_cast<size_t>(k)], SnapMarker::Box))
                    return true;
            return false;
        });
    }

    bool SteelPillars() {
        return Pillars(true, [&](const Pillar&, int32_t, float x, float y) { return Try(x, y, SnapMarker::Circle); });
    }

    bool BeamStartNodes() {
        for (int32_t i = 0; i < UsableCount(m_.BeamElementCount, m_.BeamElements); ++i) {
            const Node* node = NodeAt(m_.BeamElements[static_cast<size_t>(i)].NodeI);
            if (node && Try(node->X, node->Y, SnapMarker::Circle)) return true;
        }
        return false;
    }

    bool Outlines(const IndexRows& outlines, const std::vector<int32_t>& counts, int32_t slabCount) {
        const int32_t slabs = std::min(UsableCount(slabCount, outlines), UsableCount(slabCount, counts));
        for (int32_t i = 0; i < slabs; ++i) {
            const std::vector<int32_t>& outline = outlines[static_cast<size_t>(i)];
            for (int32_t k = 0; k < UsableCount(counts[static_cast<size_t>(i)], outline); ++k)
                if (TryPlanPoint(outline[static_cast<size_t>(k)])) return true;
        }
        return false;
    }

    bool MasonryCorners() {
        for (int32_t i = 0; i < UsableCount<MasonryElement>(m_.MasonryWallCount, m_.MasonryWalls); ++i) {
            const MasonryElement& w = m_.MasonryWalls[static_cast<size_t>(i)];
            for (int32_t corner : {w.BorderA1, w.BorderB1, w.BorderA2, w.BorderB2})
                if (TryPlanPoint(corner)) return true;
        }
        return false;
    }

    bool Footings() {
        for (int32_t i = 0; i < UsableCount(m_.NodeCount, m_.Nodes); ++i) {
            const Node& node = m_.Nodes[static_cast<size_t>(i)];
            const FootingType* type = m_.Catalogue.FootingTypeOf(node.FootingType);
            if (type == nullptr) continue;
            const FootingSnapPoints points = FootingSnapPointsOf(*type, node.X, node.Y);
            for (int32_t k = 0; k < points.Count; ++k)
                if (Try(points.X[static_cast<size_t>(k)], points.Y[static_cast<size_t>(k)],
                        points.Marker[static_cast<size_t>(k)]))
                    return true;
        }
        return false;
    }

    const Session& s_;
    const Model& m_;
    float x_, y_;
    SnapCandidate hit_;
};

void DrawSnapMarker(Canvas& canvas, const SnapCandidate& hit) {
    BeginOverlay(canvas);
    const ColourRef colour = StandardColour(MarkerColour);
    if (hit.Marker == SnapMarker::Box)
        canvas.Box(hit.X - 5, hit.Y - 5, hit.X + 5, hit.Y + 5, colour, BoxInside::Empty);
    else
        canvas.Circle(hit.X, hit.Y, 4, colour);
}

}  // namespace

std::optional<SnapCandidate> FindSnapPoint(const Session& session, float x, float y) { return Scan(session, x, y).Run(); }

void BeccaOSNAP(Session& session, Canvas& canvas, float x, float y, int32_t commit) {
    SnapState& snap = session.editor.Snap;
    canvas.ClearTemporary();
    canvas.SetDrawWidth(3);
    const std::optional<SnapCandidate> hit = FindSnapPoint(session, x, y);
    if (hit && commit != 0) {
        snap.SnapX = hit->X, snap.SnapY = hit->Y, snap.SnapFound = 1;
    } else if (hit) {
        DrawSnapMarker(canvas, *hit);
    } else {
        snap.SnapFound = 0;
    }
    canvas.SetDrawWidth(1);
}
