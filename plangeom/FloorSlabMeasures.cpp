#include "plangeom/FloorSlabMeasures.h"

#include <cmath>
#include <optional>
#include <span>
#include <vector>

#include "model/geometry/Geometry.h"
#include "model/geometry/PolygonMeasures.h"
#include "model/geometry/SegmentIntersection.h"
#include "model/tables/TableAccess.h"

namespace {

// How far the design segment is prolonged beyond each end to find the supports, and the half
// length of a band ray.
constexpr float DesignSegmentExtension = 500.0f;
constexpr float BandRayHalfLength = 5000.0f;

struct Segment {
    PlanPoint A, B;
};

// The outline points; an entry that designates no plan point stands for (0, 0).
std::vector<PlanPoint> OutlinePoints(const Model& model, std::span<const int32_t> outline) {
    std::vector<PlanPoint> points(outline.size());
    for (size_t k = 0; k < outline.size(); ++k)
        if (IsPlanPointIndex(model, outline[k])) points[k] = model.PlanNodes[static_cast<size_t>(outline[k])];
    return points;
}

// The outline edges in the order the crossings are looked for: the closing edge first.
std::vector<Segment> OutlineEdges(const std::vector<PlanPoint>& q) {
    std::vector<Segment> edges;
    if (q.empty()) return edges;
    edges.push_back({q.front(), q.back()});
    for (size_t k = 1; k < q.size(); ++k) edges.push_back({q[k - 1], q[k]});
    return edges;
}

PlanPoint OneFifthTowards(PlanPoint from, PlanPoint to) {
    return {static_cast<float>(from.X + 0.2 * (static_cast<double>(to.X) - from.X)),
            static_cast<float>(from.Y + 0.2 * (static_cast<double>(to.Y) - from.Y))};
}

// The top-most and bottom-most outline points when the span runs near the x axis, else the
// right-most and left-most; the earlier point wins a tie.
void SetReferencePoints(FloorSlab& slab, const std::vector<PlanPoint>& q) {
    const PlanPoint c{slab.CentroidX, slab.CentroidY};
    if (q.empty()) {
        slab.RefPoint2X = slab.RefPoint3X = c.X;
        slab.RefPoint2Y = slab.RefPoint3Y = c.Y;
        return;
    }
    const bool byX = std::fabs(std::sin(static_cast<double>(DegToRad(slab.SpanAngle)))) >= 0.6;
    auto key = [&](const PlanPoint& p) { return byX ? c.X - p.X : c.Y - p.Y; };
    size_t hi = 0, lo = 0;
    float smallest = key(q[0]), largest = key(q[0]);
    for (size_t k = 1; k < q.size(); ++k) {
        const float value = key(q[k]);
        if (value < smallest) {
            smallest = value;
            hi = k;
        }
        if (value > largest) {
            largest = value;
            lo = k;
        }
    }
    const PlanPoint r2 = OneFifthTowards(q[hi], c), r3 = OneFifthTowards(q[lo], c);
    slab.RefPoint2X = r2.X;
    slab.RefPoint2Y = r2.Y;
    slab.RefPoint3X = r3.X;
    slab.RefPoint3Y = r3.Y;
}

// The outline point of each end of the design segment: of the points where the prolonged segment
// meets the outline, the nearest to D1 and the nearest to D2. None unless they are two.
std::optional<Segment> FindSupports(const FloorSlab& slab, const std::vector<Segment>& edges) {
    const PlanPoint d1{slab.DiagramX1, slab.DiagramY1}, d2{slab.DiagramX2, slab.DiagramY2};
    PlanPoint e1, e2;
    ComputePointAlongSegment(d1.X, d1.Y, d2.X, d2.Y, -DesignSegmentExtension, e1.X, e1.Y);
    ComputePointAlongSegment(d2.X, d2.Y, d1.X, d1.Y, -DesignSegmentExtension, e2.X, e2.Y);
    std::vector<PlanPoint> crossings;
    for (const Segment& edge : edges) {
        PlanPoint p;
        const int32_t code = IntersectSegments(edge.A.X, edge.A.Y, edge.B.X, edge.B.Y, e1.X, e1.Y, e2.X, e2.Y, p.X, p.Y);
        if (code >= IntersectionCode::SegmentsCross && code <= IntersectionCode::MeetAtP4) crossings.push_back(p);
    }
    if (crossings.empty()) return std::nullopt;
    auto nearest = [&](PlanPoint d) {
        PlanPoint best = crossings[0];
        for (size_t k = 1; k < crossings.size(); ++k)
            if (GetDistance(crossings[k].X, crossings[k].Y, d.X, d.Y) < GetDistance(best.X, best.Y, d.X, d.Y))
                best = crossings[k];
        return best;
    };
    const Segment supports{nearest(d1), nearest(d2)};
    if (GetDistance(supports.A.X, supports.A.Y, supports.B.X, supports.B.Y) < 0.001f) return std::nullopt;
    return supports;
}

// The band line across the slab at distance length from support `from` towards `to`: the first
// two crossings of the band ray with the outline edges. None unless there are two.
std::optional<Segment> FindBandLine(PlanPoint from, PlanPoint to, float length, double u, double v,
                                    const std::vector<Segment>& edges) {
    PlanPoint m;
    ComputePointAlongSegment(from.X, from.Y, to.X, to.Y, length, m.X, m.Y);
    const PlanPoint l1{static_cast<float>(m.X + BandRayHalfLength * u), static_cast<float>(m.Y + BandRayHalfLength * v)};
    const PlanPoint l2{static_cast<float>(m.X - BandRayHalfLength * u), static_cast<float>(m.Y - BandRayHalfLength * v)};
    std::vector<PlanPoint> ends;
    for (const Segment& edge : edges) {
        PlanPoint p;
        if (IntersectSegments(edge.A.X, edge.A.Y, edge.B.X, edge.B.Y, l1.X, l1.Y, l2.X, l2.Y, p.X, p.Y) !=
            IntersectionCode::SegmentsCross)
            continue;
        ends.push_back(p);
        if (ends.size() == 2) break;
    }
    if (ends.size() < 2) return std::nullopt;
    const bool finite = std::isfinite(ends[0].X) && std::isfinite(ends[0].Y) && std::isfinite(ends[1].X) &&
                        std::isfinite(ends[1].Y);
    if (!finite) return std::nullopt;
    return Segment{ends[0], ends[1]};
}

void StoreBand(const std::optional<Segment>& band, float& x1, float& y1, float& x2, float& y2) {
    const Segment line = band.value_or(Segment{});
    x1 = line.A.X;
    y1 = line.A.Y;
    x2 = line.B.X;
    y2 = line.B.Y;
}

void SetBandLines(FloorSlab& slab, const std::vector<PlanPoint>& q) {
    if (slab.DiagramPointCount <= 0 || (slab.StartBandLength <= 0 && slab.EndBandLength <= 0)) return;
    const std::vector<Segment> edges = OutlineEdges(q);
    const std::optional<Segment> supports = FindSupports(slab, edges);

    // The band lines run across the span.
    const double phi = DegToRad(static_cast<double>(slab.SpanAngle) + 90.0);
    double u = std::cos(phi), v = std::sin(phi);
    if (std::fabs(u) < 0.0001) u = 0;
    if (std::fabs(v) < 0.0001) v = 0;

    if (slab.StartBandLength > 0) {
        std::optional<Segment> band;
        if (supports) band = FindBandLine(supports->A, supports->B, slab.StartBandLength, u, v, edges);
        StoreBand(band, slab.StartBandX1, slab.StartBandY1, slab.StartBandX2, slab.StartBandY2);
    }
    if (slab.EndBandLength > 0) {
        std::optional<Segment> band;
        if (supports) band = FindBandLine(supports->B, supports->A, slab.EndBandLength, u, v, edges);
        StoreBand(band, slab.EndBandX1, slab.EndBandY1, slab.EndBandX2, slab.EndBandY2);
    }
}

// The usable part of slab i's outline list: none when the lists have no row for it.
std::span<const int32_t> UsableOutline(const Model& model, int32_t i) {
    const bool hasRow = i < static_cast<int32_t>(model.FloorSlabOutline.size()) &&
                        i < static_cast<int32_t>(model.FloorSlabOutlineCount.size());
    if (!hasRow) return {};
    const std::vector<int32_t>& outline = model.FloorSlabOutline[i];
    return {outline.data(), static_cast<size_t>(UsableCount(model.FloorSlabOutlineCount[i], outline))};
}

bool IsFloorSlabIndex(const Model& model, int32_t i) {
    return i >= 0 && i < static_cast<int32_t>(model.FloorSlabs.size());
}

}  // namespace

void ComputeFloorSlabMeasures(Model& model, int32_t i) {
    if (!IsFloorSlabIndex(model, i)) return;
    FloorSlab& slab = model.FloorSlabs[i];
    const std::span<const int32_t> outline = UsableOutline(model, i);
    const int32_t m = static_cast<int32_t>(outline.size());

    const PolygonMeasure measure = ComputePlanPolygonCentroid(model.PlanNodes, outline, m);
    slab.Area = measure.PolygonArea;
    slab.CentroidX = measure.PolygonCentroidX;
    slab.CentroidY = measure.PolygonCentroidY;

    const std::vector<PlanPoint> q = OutlinePoints(model, outline);
    SetReferencePoints(slab, q);
    SetBandLines(slab, q);
}

void ComputeFloorSlabReferencePoints(Model& model, int32_t i) {
    if (!IsFloorSlabIndex(model, i)) return;
    SetReferencePoints(model.FloorSlabs[i], OutlinePoints(model, UsableOutline(model, i)));
}
