#include "plangeom/AutoDimensions.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <utility>

#include "model/geometry/Geometry.h"
#include "model/common/Helpers.h"
#include "model/tables/TableAccess.h"

namespace {

constexpr float MasonryChainOffset = 125.0f;
constexpr float PillarChainOffset = 110.0f;

// The value a float stands for in its shortest decimal text: 2.1f is stored as 2.0999999 but
// reads as 2.1.
double ShortestDecimalValue(float v) {
    char buffer[64];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, v);
    double value = v;
    if (ec == std::errc()) std::from_chars(buffer, end, value);
    return value;
}

void EnsureSize(std::vector<PlanPoint>& points, int32_t size) {
    if (points.size() < static_cast<size_t>(size)) points.resize(static_cast<size_t>(size));
}

template <class Key>
void ExchangeSort(std::vector<PlanPoint>& points, int32_t n, bool ascending, Key key) {
    n = std::min<int32_t>(n, static_cast<int32_t>(points.size()) - 1);
    for (int32_t i = 0; i <= n; ++i) {
        for (int32_t j = i + 1; j <= n; ++j) {
            const float a = key(points[i]), b = key(points[j]);
            if ((ascending && a > b) || (!ascending && a < b)) std::swap(points[i], points[j]);
        }
    }
}

using Chain = std::vector<PlanPoint>;

// Whether a coordinate grows from `from` to `to` by whole centimetres, as the hull sees it: a
// corner less than half a centimetre off a side lies along that side, not above or beside it.
bool Grows(float from, float to) {
    return std::nearbyint(static_cast<double>(to - from)) > 0;
}

// The four chains along the sides of the hull h[0 .. hullSize - 1], h[hullSize] being the copy of
// h[0]. The bottom and right walks may run up to the last hull point, so that a hull whose last
// point is its rightmost or topmost one (a triangle, points on one line) keeps that side whole.
struct HullChains {
    Chain Bottom, Top, Right, Left;
};

HullChains BuildChains(const std::vector<PlanPoint>& h, int32_t hullSize) {
    HullChains c;
    for (int32_t i = 0; i < hullSize; ++i) {
        c.Bottom.push_back(h[i]);
        if (!Grows(h[i].X, h[i + 1].X)) break;
    }
    for (int32_t i = 0; i < hullSize; ++i) {
        if (Grows(h[i + 1].X, h[i].X)) {
            c.Top.push_back(h[i]);
        } else if (!c.Top.empty()) {
            c.Top.push_back(h[i]);
            break;
        }
    }
    for (int32_t i = 0; i < hullSize; ++i) {
        if (Grows(h[i].Y, h[i + 1].Y)) {
            c.Right.push_back(h[i]);
        } else if (!c.Right.empty()) {
            c.Right.push_back(h[i]);
            break;
        }
    }
    for (int32_t i = 0; i < hullSize; ++i) {
        if (Grows(h[i + 1].Y, h[i].Y)) c.Left.push_back(h[i]);
    }
    c.Left.push_back(h[0]);
    return c;
}

// One dimension per pair of successive chain points; line(a, b) gives the ends of its line.
template <class LineEnds>
void AddChainDimensions(Model& model, const ShellOptions& options, MeasuredPoints& measured, const Chain& chain,
                        LineEnds line) {
    for (size_t e = 0; e + 1 < chain.size(); ++e) {
        const PlanPoint a = chain[e], b = chain[e + 1];
        measured.MeasP1X = a.X;
        measured.MeasP1Y = a.Y;
        measured.MeasP2X = b.X;
        measured.MeasP2Y = b.Y;
        const auto [p, q] = line(a, b);
        AddDimension(model, options, measured, p.X, p.Y, q.X, q.Y);
    }
}

bool IsPlanNodeIndex(const Model& model, int32_t index) {
    return index >= 0 && index < UsableCount(model.PlanNodeCount, model.PlanNodes);
}

// The first point offered starts the list unrounded; every later one is added.
void OfferPoint(OutlinePointList& list, float x, float y) {
    if (list.Count == 0) StartOutlinePoints(list, x, y);
    else AddOutlinePoint(list, x, y);
}

void OfferPlanNode(const Model& model, OutlinePointList& list, int32_t index) {
    if (IsPlanNodeIndex(model, index)) OfferPoint(list, model.PlanNodes[index].X, model.PlanNodes[index].Y);
}

// The outline corners of the masonry walls and the corners of their box.
OutlinePointList MasonryOutlinePoints(const Model& model) {
    OutlinePointList list;
    const int32_t wallCount = UsableCount(model.MasonryWallCount, model.MasonryWalls);
    if (wallCount == 0) return list;
    list.Points.reserve(4 * static_cast<size_t>(wallCount) + 5);
    for (int32_t w = 0; w < wallCount; ++w) {
        OfferPlanNode(model, list, model.MasonryWalls[w].BorderA1);
        OfferPlanNode(model, list, model.MasonryWalls[w].BorderB1);
    }
    for (int32_t w = 0; w < wallCount; ++w) {
        OfferPlanNode(model, list, model.MasonryWalls[w].BorderA2);
        OfferPlanNode(model, list, model.MasonryWalls[w].BorderB2);
    }
    if (list.Count == 0) return list;
    // Each corner is read from the box as the previous one left it.
    AddOutlinePoint(list, list.XMin, list.YMax);
    AddOutlinePoint(list, list.XMax, list.YMax);
    AddOutlinePoint(list, list.XMin, list.YMin);
    AddOutlinePoint(list, list.XMax, list.YMin);
    return list;
}

// The positions of the pillars' nodes.
OutlinePointList PillarOutlinePoints(const Model& model) {
    OutlinePointList list;
    const int32_t pillarCount = UsableCount(model.PillarCount, model.Pillars);
    list.Points.reserve(static_cast<size_t>(pillarCount) + 5);
    for (int32_t p = 0; p < pillarCount; ++p) {
        const int32_t node = model.Pillars[p].Node;
        if (IsNodeIndex(model, node)) OfferPoint(list, model.Nodes[node].X, model.Nodes[node].Y);
    }
    return list;
}

}  // namespace

std::string DimensionText(float length, int32_t dimensionUnitMetres) {
    float v = length;
    if (dimensionUnitMetres == 1) v = v / 100.0f;
    // The tenth is judged on the decimal value the float stands for, so that 2.1 m or 8.1 cm do
    // not lose their decimal to the float's representation just below it.
    const double value = ShortestDecimalValue(v);
    const bool showTenth = value - std::floor(value) >= 0.1 - 1e-9;
    return FormatNum(v, showTenth ? 1 : 0);
}

void AddDimension(Model& model, const ShellOptions& options, const MeasuredPoints& measured, float x1, float y1,
                  float x2, float y2) {
    const float length = GetDistance(x1, y1, x2, y2);
    if (!std::isfinite(length) || static_cast<double>(length) <= 0.009) return;
    const int32_t index = UsableCount(model.DimensionCount, model.Dimensions);
    model.Dimensions.resize(static_cast<size_t>(index) + 1);
    Dimension& d = model.Dimensions[index];
    d.LineX1 = x1;
    d.LineY1 = y1;
    d.LineX2 = x2;
    d.LineY2 = y2;
    d.MeasuredX1 = measured.MeasP1X;
    d.MeasuredY1 = measured.MeasP1Y;
    d.MeasuredX2 = measured.MeasP2X;
    d.MeasuredY2 = measured.MeasP2Y;
    d.Text = DimensionText(length, options.DimensionUnitMetres);
    model.DimensionCount = index + 1;
}

void StartOutlinePoints(OutlinePointList& list, float x, float y) {
    list.Points.clear();
    list.Points.push_back({x, y});
    list.Count = 1;
    list.XMin = list.XMax = x;
    list.YMin = list.YMax = y;
}

void AddOutlinePoint(OutlinePointList& list, float x, float y) {
    list.Count = std::clamp<int32_t>(list.Count, 0, static_cast<int32_t>(list.Points.size()));
    for (int32_t j = 0; j < list.Count; ++j) {
        const float dx = list.Points[j].X - x;
        const float dy = list.Points[j].Y - y;
        if (std::fabs(dx) < 0.09 && std::fabs(dy) < 0.09) return;
    }
    const float rx = static_cast<float>(RoundHalfEven(x, 1));
    const float ry = static_cast<float>(RoundHalfEven(y, 1));
    EnsureSize(list.Points, list.Count + 1);
    list.Points[list.Count] = {rx, ry};
    if (rx < list.XMin) list.XMin = rx;
    if (rx > list.XMax) list.XMax = rx;
    if (ry < list.YMin) list.YMin = ry;
    if (ry > list.YMax) list.YMax = ry;
    ++list.Count;
}

void SortPointsByX(std::vector<PlanPoint>& points, int32_t n, bool ascending) {
    ExchangeSort(points, n, ascending, [](const PlanPoint& p) { return p.X; });
}

void SortPointsByY(std::vector<PlanPoint>& points, int32_t n, bool ascending) {
    ExchangeSort(points, n, ascending, [](const PlanPoint& p) { return p.Y; });
}

float GetPseudoAngle(float x0, float y0, float x1, float y1) {
    // Rounded in double, so that no coordinate can overflow an integer.
    const double dx = std::nearbyint(static_cast<double>(x1 - x0));
    const double dy = std::nearbyint(static_cast<double>(y1 - y0));
    const double sum = std::fabs(dx) + std::fabs(dy);
    double t = sum == 0 ? 0.0 : dy / sum;
    if (dx < 0) t = 2 - t;
    else if (dy < 0) t = t + 4;
    return static_cast<float>(90 * t);
}

int32_t ComputeConvexHull(std::vector<PlanPoint>& points, int32_t n) {
    if (n < 0) return 0;
    EnsureSize(points, n + 2);
    SortPointsByX(points, n, true);
    SortPointsByY(points, n, true);
    // Gift wrapping on the pseudo-angle, also for three points or fewer, so that every hull comes
    // counter-clockwise and followed by its closing copy. Element n + 1 is the sentinel.
    points[n + 1] = points[0];
    float prev = -1.0f;
    int32_t min = 0;
    for (int32_t m = 0;; ++m) {
        std::swap(points[m], points[min]);
        min = n + 1;
        float best = 360.0f;
        const int32_t last = m == 0 ? n : n + 1;
        for (int32_t i = m + 1; i <= last; ++i) {
            const float t = GetPseudoAngle(points[m].X, points[m].Y, points[i].X, points[i].Y);
            if (!(static_cast<double>(t) > static_cast<double>(prev) - 0.001)) continue;
            if (t < best) {
                min = i;
                best = t;
            } else if (std::fabs(static_cast<double>(t) - best) < 0.0001 &&
                       GetDistance(points[m].X, points[m].Y, points[i].X, points[i].Y) <
                           GetDistance(points[m].X, points[m].Y, points[min].X, points[min].Y)) {
                min = i;
                best = t;
            }
        }
        prev = best;
        // The sentinel is always the last candidate, so m never passes n.
        if (min == n + 1) {
            std::swap(points[m + 1], points[n + 1]);
            return m + 1;
        }
    }
}

int32_t AddHullDimensionChains(Model& model, const ShellOptions& options, MeasuredPoints& measured,
                               OutlinePointList& list, float offset) {
    const int32_t hullSize = ComputeConvexHull(list.Points, list.Count - 1);
    if (hullSize < 2) return hullSize;
    const HullChains chains = BuildChains(list.Points, hullSize);
    const float bottom = list.YMin - offset, top = list.YMax + offset;
    const float right = list.XMax + offset, left = list.XMin - offset;
    using Ends = std::pair<PlanPoint, PlanPoint>;
    AddChainDimensions(model, options, measured, chains.Bottom,
                       [&](PlanPoint a, PlanPoint b) { return Ends{{a.X, bottom}, {b.X, bottom}}; });
    AddChainDimensions(model, options, measured, chains.Top,
                       [&](PlanPoint a, PlanPoint b) { return Ends{{a.X, top}, {b.X, top}}; });
    AddChainDimensions(model, options, measured, chains.Right,
                       [&](PlanPoint a, PlanPoint b) { return Ends{{right, a.Y}, {right, b.Y}}; });
    AddChainDimensions(model, options, measured, chains.Left,
                       [&](PlanPoint a, PlanPoint b) { return Ends{{left, a.Y}, {left, b.Y}}; });
    return hullSize;
}

void CreateAutoDimensions(Model& model, const ShellOptions& options, MeasuredPoints& measured) {
    if (model.Header.PlanKind == MasonryPlan) {
        OutlinePointList list = MasonryOutlinePoints(model);
        if (list.Count > 0) AddHullDimensionChains(model, options, measured, list, MasonryChainOffset);
        return;
    }
    OutlinePointList list = PillarOutlinePoints(model);
    if (list.Count > 0) AddHullDimensionChains(model, options, measured, list, PillarChainOffset);
}
