#include "plangeom/SlabOutlineCorners.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "model/geometry/SegmentIntersection.h"
#include "model/tables/TableAccess.h"

namespace {

constexpr float SamePlaceTolerance = 0.0001f;
// How far from its vertex a corner may lie. No member is this wide, and a mitre of 30 cm beams at a
// 10 degree corner reaches 172 cm; face lines that meet further off bend by a fraction of a degree
// at the vertex, and their meeting point would put a spike metres outside the slab.
constexpr double MitreLimit = 300.0;

bool SamePlace(PlanPoint a, PlanPoint b) {
    return std::fabs(a.X - b.X) < SamePlaceTolerance && std::fabs(a.Y - b.Y) < SamePlaceTolerance;
}

// The n vertices followed by a copy of the first: the polygon the inside test sees.
std::vector<PlanPoint> PointArray(const Model& model, const std::vector<int32_t>& polygon, int32_t n) {
    std::vector<PlanPoint> points;
    points.reserve(static_cast<size_t>(n) + 1);
    for (int32_t k = 0; k < n; ++k) points.push_back({model.Nodes[polygon[k]].X, model.Nodes[polygon[k]].Y});
    if (n > 0) points.push_back(points.front());
    return points;
}

bool HasThreeDistinctVertices(const std::vector<PlanPoint>& points, int32_t n) {
    std::vector<PlanPoint> distinct;
    for (int32_t k = 0; k < n && distinct.size() < 3; ++k) {
        const bool seen = std::any_of(distinct.begin(), distinct.end(),
                                      [&](PlanPoint p) { return SamePlace(p, points[k]); });
        if (!seen) distinct.push_back(points[k]);
    }
    return distinct.size() >= 3;
}

void Store(std::vector<int32_t>& outline, int32_t& count, int32_t planNode) {
    if (static_cast<size_t>(count) >= outline.size()) outline.resize(static_cast<size_t>(count) + 1);
    outline[static_cast<size_t>(count)] = planNode;
    ++count;
}

int32_t Wrap(int32_t k, int32_t n) { return ((k % n) + n) % n; }

// How far the face line lies to the left of p, into the slab; -infinity for a line of no length.
double DepthIntoSlab(const SlabEdgeFace& face, PlanPoint p) {
    const double dx = static_cast<double>(face.F2.X) - face.F1.X, dy = static_cast<double>(face.F2.Y) - face.F1.Y;
    const double length = std::hypot(dx, dy);
    if (!(length > 0)) return -std::numeric_limits<double>::infinity();
    return -(dx * (static_cast<double>(p.Y) - face.F1.Y) - dy * (static_cast<double>(p.X) - face.F1.X)) / length;
}

PlanPoint FootOfPerpendicular(const SlabEdgeFace& face, PlanPoint p) {
    const double dx = static_cast<double>(face.F2.X) - face.F1.X, dy = static_cast<double>(face.F2.Y) - face.F1.Y;
    const double t = ((static_cast<double>(p.X) - face.F1.X) * dx + (static_cast<double>(p.Y) - face.F1.Y) * dy) /
                     (dx * dx + dy * dy);
    return {static_cast<float>(face.F1.X + t * dx), static_cast<float>(face.F1.Y + t * dy)};
}

// The corner at vertex p of the face lines f and g that meet at m: m itself, unless it lies beyond
// the mitre limit; then the foot of the perpendicular from p onto the face line that lies further
// inside the slab, as a drawing program squares off a mitre that reaches too far.
PlanPoint LimitedCorner(PlanPoint p, PlanPoint m, const SlabEdgeFace& f, const SlabEdgeFace& g) {
    if (std::hypot(static_cast<double>(m.X) - p.X, static_cast<double>(m.Y) - p.Y) <= MitreLimit) return m;
    const PlanPoint foot = FootOfPerpendicular(DepthIntoSlab(g, p) > DepthIntoSlab(f, p) ? g : f, p);
    return std::isfinite(foot.X) && std::isfinite(foot.Y) ? foot : m;
}

// The corners of a polygon with at least three distinct vertices. A vertex repeated right after
// itself would make an edge of no length, whose face line meets nothing: the repeat gives no
// corner, and its neighbours look past it to the nearest vertex elsewhere.
int32_t CornerIndex(SlabOutlinePass& pass, float x, float y) {
    return pass.Corner == CornerPoint::NearSavedPoint ? pass.Points.FindOrAddNearSavedPoint(x, y)
                                                      : pass.Points.FindOrAdd(x, y);
}

void AddFaceCorners(const Model& model, SlabOutlinePass& pass, const SlabFaceRules& rules,
                    std::vector<PlanPoint>& points, int32_t n, std::vector<int32_t>& outline, int32_t& count) {
    // The corners are found first and then stored in their order, so that the plan points they
    // look up can be brought in together.
    std::vector<PlanPoint> corners;
    corners.reserve(static_cast<size_t>(n));
    for (int32_t k = 0; k < n; ++k) {
        const PlanPoint p = points[k];
        if (SamePlace(points[Wrap(k - 1, n)], p)) continue;
        int32_t prev = Wrap(k - 1, n), next = Wrap(k + 1, n);
        while (SamePlace(points[prev], p)) prev = Wrap(prev - 1, n);
        while (SamePlace(points[next], p)) next = Wrap(next + 1, n);

        const SlabEdgeFace f = FindEdgeFaceLine(model, rules, pass.Members, points[prev], p, points, n);
        const SlabEdgeFace g = FindEdgeFaceLine(model, rules, pass.Members, p, points[next], points, n);
        float ix = 0, iy = 0;
        const int32_t code = IntersectSegments(f.F1.X, f.F1.Y, f.F2.X, f.F2.Y, g.F1.X, g.F1.Y, g.F2.X, g.F2.Y, ix, iy);
        // Parallel or collinear face lines (a vertex in a straight run) give no corner.
        if (code <= IntersectionCode::ParallelDistinct || !std::isfinite(ix) || !std::isfinite(iy)) continue;
        corners.push_back(LimitedCorner(p, {ix, iy}, f, g));
        pass.Points.Prefetch(corners.back().X, corners.back().Y);
    }
    for (const PlanPoint& corner : corners) Store(outline, count, CornerIndex(pass, corner.X, corner.Y));
}

}  // namespace

float SlabPolygonOrientationSum(const Model& model, const std::vector<int32_t>& polygon, int32_t n) {
    float sum = 0;
    for (int32_t k = 0; k < n; ++k) {
        const Node& a = model.Nodes[polygon[k]];
        const Node& b = model.Nodes[polygon[k + 1 < n ? k + 1 : 0]];
        sum += static_cast<float>((static_cast<double>(b.X) * a.Y - static_cast<double>(a.X) * b.Y) / 2);
    }
    return sum;
}

bool OrientSlabPolygon(const Model& model, std::vector<int32_t>& polygon, int32_t n, ZeroAreaPolygon zeroArea) {
    if (n < 1) return false;
    const float sum = SlabPolygonOrientationSum(model, polygon, n);
    if (sum < 0 || (sum == 0 && zeroArea == ZeroAreaPolygon::Keep)) return false;
    std::reverse(polygon.begin(), polygon.begin() + n);
    if (polygon.size() <= static_cast<size_t>(n)) polygon.resize(static_cast<size_t>(n) + 1);
    polygon[static_cast<size_t>(n)] = polygon[0];
    return true;
}

int32_t UsableVertexCount(const Model& model, const std::vector<int32_t>& polygon, int32_t vertexCount) {
    const int32_t n = UsableCount(vertexCount, polygon);
    for (int32_t k = 0; k < n; ++k)
        if (!IsNodeIndex(model, polygon[k])) return -1;
    return n;
}

void BuildSlabOutlineCorners(Model& model, SlabOutlinePass& pass, const SlabFaceRules& rules,
                             std::vector<int32_t>& polygon,
                             int32_t vertexCount, ZeroAreaPolygon zeroArea, std::vector<int32_t>& outline,
                             int32_t& count) {
    count = 0;
    const int32_t n = UsableVertexCount(model, polygon, vertexCount);
    if (n < 1) return;
    OrientSlabPolygon(model, polygon, n, zeroArea);
    std::vector<PlanPoint> points = PointArray(model, polygon, n);
    if (!HasThreeDistinctVertices(points, n)) {
        // No face can be told inside from outside: the outline follows the polygon itself.
        for (int32_t k = 0; k < n; ++k) Store(outline, count, CornerIndex(pass, points[k].X, points[k].Y));
        return;
    }
    AddFaceCorners(model, pass, rules, points, n, outline, count);
}
