#include "design/SectionPlacement.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "design/DesignMessages.h"
#include "design/SectionDesign.h"
#include "design/SectionSlot.h"
#include "model/files/ArchiveReader.h"
#include "model/geometry/Geometry.h"
#include "model/geometry/PickTests.h"
#include "model/geometry/SegmentIntersection.h"
#include "model/tables/TableAccess.h"

namespace {

using RS = ReinforcementSections;

// The section line runs across the whole model with this much to spare at both ends.
constexpr float LineMargin = 100;
// Beyond this sine the line is laid from the bottom of the model to its top.
constexpr float SteepSine = 0.6f;
// Slabs of one row share the span direction within this angle, degrees.
constexpr float SameSpanAngle = 0.1f;
// Two crossings closer than this, in x and in y, are one point: the slab is only touched.
constexpr float SamePoint = 0.0001f;
// Neighbouring slabs whose crossings lie this close, in x and in y, adjoin.
constexpr float Adjoining = 0.1f;
// A section end is carried to a member whose axis passes within this distance, cm.
constexpr float SupportReach = 10.0f;
// Below this difference in x, crossings are ordered by y.
constexpr float SameX = 0.001f;

struct SectionLine {
    PlanPoint a, b;
};

// A slab the line crosses, with its crossings in the order the polygon's edges are visited. Only
// the first two take part: once ordered, the point where the line enters and where it leaves.
struct Candidate {
    int32_t slab = 0;
    std::vector<PlanPoint> crossings;
    const PlanPoint& In() const { return crossings[0]; }
    const PlanPoint& Out() const { return crossings[1]; }
};

enum class Collection { Done, TooManySlabs, TooManyCrossings };

SectionLine LineThrough(const Model& model, float x, float y, float spanAngle) {
    const double angle = DegToRad(spanAngle);
    const float sa = static_cast<float>(std::sin(angle)), ca = static_cast<float>(std::cos(angle));
    const PlanHeader& h = model.Header;
    if (std::fabs(sa) > SteepSine) {
        const float y1 = h.ModelMinY - LineMargin, y2 = h.ModelMaxY + LineMargin;
        return {{(y1 - y) * ca / sa + x, y1}, {(y2 - y) * ca / sa + x, y2}};
    }
    const float x1 = h.ModelMinX - LineMargin, x2 = h.ModelMaxX + LineMargin;
    return {{x1, (x1 - x) * sa / ca + y}, {x2, (x2 - x) * sa / ca + y}};
}

// The crossings of the line with the model polygons of the designable slabs of the target's span
// direction (angles compared as stored), in table order.
Collection CollectCandidates(const Model& model, const SectionLine& line, float spanAngle,
                             std::vector<Candidate>& candidates) {
    const int32_t slabCount = UsableCount(model.FloorSlabCount, model.FloorSlabs);
    for (int32_t i = 0; i < slabCount; ++i) {
        const FloorSlab& slab = model.FloorSlabs[static_cast<size_t>(i)];
        if (!IsDesignableFloorSlab(model, i) || !(std::fabs(spanAngle - slab.SpanAngle) < SameSpanAngle)) continue;
        if (static_cast<size_t>(i) >= model.FloorSlabModelPolygon.size()) continue;
        const std::vector<int32_t>& polygon = model.FloorSlabModelPolygon[static_cast<size_t>(i)];
        const int32_t vertices = std::clamp(slab.VertexCount, 0, static_cast<int32_t>(polygon.size()));
        Candidate* candidate = nullptr;
        for (int32_t j = 0; j < vertices; ++j) {
            const int32_t from = polygon[static_cast<size_t>(j)], to = polygon[static_cast<size_t>((j + 1) % vertices)];
            if (!IsNodeIndex(model, from) || !IsNodeIndex(model, to)) continue;
            const Node& p = model.Nodes[static_cast<size_t>(from)];
            const Node& q = model.Nodes[static_cast<size_t>(to)];
            PlanPoint at;
            const int32_t code =
                IntersectSegments(line.a.X, line.a.Y, line.b.X, line.b.Y, p.X, p.Y, q.X, q.Y, at.X, at.Y);
            if (code < IntersectionCode::SegmentsCross || code > IntersectionCode::MeetAtP4) continue;
            if (!candidate) {
                if (candidates.size() >= static_cast<size_t>(MaxCandidateSlabs)) return Collection::TooManySlabs;
                candidates.push_back({i, {}});
                candidate = &candidates.back();
            }
            if (candidate->crossings.size() >= static_cast<size_t>(MaxCrossingsPerSlab))
                return Collection::TooManyCrossings;
            candidate->crossings.push_back(at);
        }
    }
    return Collection::Done;
}

bool SamePlace(const PlanPoint& a, const PlanPoint& b, float tolerance) {
    return std::fabs(a.X - b.X) < tolerance && std::fabs(a.Y - b.Y) < tolerance;
}

// A slab whose first two crossings are one point is only touched by the line. One crossed once
// has no span either.
void DropTouchedSlabs(std::vector<Candidate>& candidates) {
    std::erase_if(candidates, [](const Candidate& c) {
        return c.crossings.size() < 2 || SamePlace(c.crossings[0], c.crossings[1], SamePoint);
    });
}

// Along the line: by the middle of the first two crossings, in x, or in y where they share x.
float OrderKey(const Candidate& c) {
    const PlanPoint &p = c.crossings[0], &q = c.crossings[1];
    return std::fabs(p.X - q.X) >= SameX ? (p.X + q.X) / 2 : (p.Y + q.Y) / 2;
}

// An exchange sort: every later candidate with a smaller key than the one at a place takes that
// place; equal keys never move.
void OrderAlongLine(std::vector<Candidate>& candidates) {
    std::vector<float> keys;
    for (const Candidate& c : candidates) keys.push_back(OrderKey(c));
    for (size_t k = 0; k < candidates.size(); ++k)
        for (size_t m = k + 1; m < candidates.size(); ++m)
            if (keys[m] < keys[k]) {
                std::swap(candidates[k], candidates[m]);
                std::swap(keys[k], keys[m]);
            }
}

// The entry first: the crossing with the smaller x, or with the smaller y where they share x.
void OrientSpans(std::vector<Candidate>& candidates) {
    for (Candidate& c : candidates) {
        PlanPoint &p = c.crossings[0], &q = c.crossings[1];
        const bool sameX = std::fabs(p.X - q.X) < SameX;
        if ((!sameX && p.X > q.X) || (sameX && p.Y > q.Y)) std::swap(p, q);
    }
}

bool Adjoin(const Candidate& a, const Candidate& b) {
    for (const PlanPoint* p : {&a.In(), &a.Out()})
        for (const PlanPoint* q : {&b.In(), &b.Out()})
            if (SamePlace(*p, *q, Adjoining)) return true;
    return false;
}

// Keeps the row of adjoining slabs that holds the target; the last row when none does.
void KeepRowOfTarget(std::vector<Candidate>& candidates, int32_t target) {
    size_t j = 0;
    while (j + 1 < candidates.size()) {
        if (Adjoin(candidates[j], candidates[j + 1])) {
            ++j;
            continue;
        }
        const auto rowEnd = candidates.begin() + static_cast<std::ptrdiff_t>(j + 1);
        if (std::any_of(candidates.begin(), rowEnd, [&](const Candidate& c) { return c.slab == target; })) {
            candidates.erase(rowEnd, candidates.end());
            return;
        }
        candidates.erase(candidates.begin(), rowEnd);
        j = 0;
    }
}

// The first section whose slabs are those of the row; -1 when none is.
int32_t CoveringSection(const RS& r, const std::vector<Candidate>& row) {
    const int32_t n = static_cast<int32_t>(row.size());
    const int32_t sections = std::max(r.ReinforcementSectionCount, 0);
    for (int32_t s = 0; s < sections && IsSectionSlot(r, s); ++s) {
        if (r.SectionSlabCount[s] != n) continue;
        int32_t pairs = 0;
        for (int32_t a = 0; a < std::min(n, RS::MaxSlabsPerSection); ++a)
            for (const Candidate& c : row)
                if (r.SectionSlabs[s][static_cast<size_t>(a)] == c.slab) ++pairs;
        if (pairs == n) return s;
    }
    return -1;
}

template <class Member>
int32_t FirstMemberNear(const Model& model, const std::vector<Member>& members, int32_t count, PlanPoint at) {
    for (int32_t k = 0; k < UsableCount(count, members); ++k) {
        const Member& m = members[static_cast<size_t>(k)];
        if (!IsNodeIndex(model, m.NodeI) || !IsNodeIndex(model, m.NodeJ)) continue;
        const Node& i = model.Nodes[static_cast<size_t>(m.NodeI)];
        const Node& j = model.Nodes[static_cast<size_t>(m.NodeJ)];
        if (IsNearSegment(at.X, at.Y, i.X + m.OffsetXI, i.Y + m.OffsetYI, j.X + m.OffsetXJ, j.Y + m.OffsetYJ,
                          SupportReach))
            return k;
    }
    return -1;
}

// The point where the section's line meets the first face line along `member` that it meets
// beyond the section (or runs nearly along); `end` itself when none does.
PlanPoint MeetFaceLine(const Model& model, const std::vector<EdgeLine>& edges, int32_t count, int32_t member,
                       PlanPoint end, PlanPoint other) {
    for (int32_t k = 0; k < UsableCount(count, edges); ++k) {
        const EdgeLine& edge = edges[static_cast<size_t>(k)];
        if (edge.Owner != member + 1 || !IsPlanPointIndex(model, edge.PlanNodeA) ||
            !IsPlanPointIndex(model, edge.PlanNodeB))
            continue;
        const PlanPoint& a = model.PlanNodes[static_cast<size_t>(edge.PlanNodeA)];
        const PlanPoint& b = model.PlanNodes[static_cast<size_t>(edge.PlanNodeB)];
        PlanPoint at;
        const int32_t code = IntersectSegments(end.X, end.Y, other.X, other.Y, a.X, a.Y, b.X, b.Y, at.X, at.Y);
        if (code == IntersectionCode::LinesMeetOutside || code == IntersectionCode::NearlyParallel) return at;
    }
    return end;
}

// A section end moves to a face of the beam that carries it, else of the wall; a beam near the
// end that offers no face keeps it where it is.
PlanPoint CarryToSupport(const Model& model, PlanPoint end, PlanPoint other) {
    const int32_t beam = FirstMemberNear(model, model.BeamElements, model.BeamElementCount, end);
    if (beam >= 0) return MeetFaceLine(model, model.BeamExtradosEdges, model.BeamExtradosEdgeCount, beam, end, other);
    const int32_t wall = FirstMemberNear(model, model.WallSegments, model.WallSegmentCount, end);
    if (wall >= 0) return MeetFaceLine(model, model.WallEdges, model.WallEdgeCount, wall, end, other);
    return end;
}

void WriteSection(RS& r, int32_t s, const std::vector<Candidate>& row) {
    const int32_t n = static_cast<int32_t>(row.size());
    for (int32_t j = 0; j < n; ++j) {
        const Candidate& c = row[static_cast<size_t>(j)];
        r.SectionSlabs[s][static_cast<size_t>(j)] = c.slab;
        r.ReinforcementSectionSpans[s][static_cast<size_t>(j)] = {c.In().X, c.Out().X, c.In().Y, c.Out().Y};
    }
    r.SectionSlabCount[s] = n;
}

}  // namespace

bool LayReinforcementSection(Session& session, MessageBoxes& messages, float x, float y, int32_t mode,
                             DesignWarnings& warnings) {
    Model& model = session.model;
    RS& r = model.Reinforcement;
    const bool moved = mode >= PlaceMovedSection;
    const int32_t s = moved ? session.editor.Sections.MovedSection : std::max(r.ReinforcementSectionCount, 0);
    if (moved && (s >= r.ReinforcementSectionCount || !IsSectionSlot(r, s))) return false;
    const int32_t target = session.editor.Sections.TargetSlab;
    if (target < 0 || target >= UsableCount(model.FloorSlabCount, model.FloorSlabs)) return false;
    const float spanAngle = model.FloorSlabs[static_cast<size_t>(target)].SpanAngle;

    std::vector<Candidate> row;
    switch (CollectCandidates(model, LineThrough(model, x, y, spanAngle), spanAngle, row)) {
        case Collection::TooManySlabs:
            warnings.TooManySlabs = true;
            return false;
        case Collection::TooManyCrossings:
            warnings.TooManyCrossings = true;
            return false;
        case Collection::Done:
            break;
    }
    DropTouchedSlabs(row);
    if (row.empty()) return false;
    OrderAlongLine(row);
    OrientSpans(row);
    KeepRowOfTarget(row, target);

    if (!moved && CoveringSection(r, row) >= 0) {
        if (mode != PlaceByUser) return false;
        const LanguageFlags& languages = session.shell.Languages;
        const MsgAnswer answer =
            messages.Show(UiText(DesignMessages::AlreadyDesignedTitle, languages),
                          UiText(DesignMessages::AlreadyDesigned, languages), MsgButtons::YesNo, MsgIcon::Question);
        if (answer != MsgAnswer::Yes) return false;
    }
    if (!IsSectionSlot(r, s)) {
        warnings.SectionTableFull = true;
        return false;
    }

    WriteSection(r, s, row);
    PlanPoint start = row.front().In(), end = row.back().Out();
    start = CarryToSupport(model, start, end);
    end = CarryToSupport(model, end, start);
    r.ReinforcementSectionEnds[s] = {start, end};
    warnings.Add(DesignReinforcementSection(model, RebarDesignOptionsOf(session), s));
    if (!moved) {
        session.shell.Document.SlabDesignState = SlabDesignPresent;
        r.ReinforcementSectionCount = s + 1;
    }
    return true;
}

bool PlaceReinforcementSection(Session& session, MessageBoxes& messages, float x, float y, int32_t mode) {
    DesignWarnings warnings;
    const bool placed = LayReinforcementSection(session, messages, x, y, mode, warnings);
    ShowDesignWarnings(warnings, messages, session.shell.Languages);
    return placed;
}
