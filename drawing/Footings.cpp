#include "drawing/Footings.h"

#include <cmath>

#include "model/geometry/Angles.h"
#include "model/geometry/Geometry.h"
#include "model/geometry/SegmentIntersection.h"
#include "model/tables/TableAccess.h"
#include "state/LayerRows.h"

namespace {

constexpr double Sqrt3 = 1.7320508075688772;

using Points = std::vector<PlanPoint>;

// Corners from bottom-left counter-clockwise, closed by the first one again.
Points Rectangle(float cx, float cy, float hx, float hy) {
    return {{cx - hx, cy - hy}, {cx + hx, cy - hy}, {cx + hx, cy + hy}, {cx - hx, cy + hy}, {cx - hx, cy - hy}};
}

// Turned counter-clockwise by angleDeg about the footing's point, then moved onto (x, y).
void Place(Points& points, float angleDeg, bool turned, float x, float y) {
    if (turned && !points.empty()) {
        std::vector<float> xs, ys;
        for (const PlanPoint& p : points) xs.push_back(p.X), ys.push_back(p.Y);
        RotatePoints(xs, ys, 0, 0, 0, static_cast<int32_t>(points.size()) - 1, angleDeg);
        for (size_t i = 0; i < points.size(); ++i) points[i] = {xs[i], ys[i]};
    }
    for (PlanPoint& p : points) p = {p.X + x, p.Y + y};
}

void AddEdge(FootingFigure& figure, const Points& closed, size_t i) {
    if (i + 1 < closed.size()) figure.lines.push_back({closed[i], closed[i + 1]});
}

void AddOutline(FootingFigure& figure, const Points& closed) {
    for (size_t i = 0; i + 1 < closed.size(); ++i) AddEdge(figure, closed, i);
}

float Dim(const FootingType& t, int k) { return t.Dims[static_cast<size_t>(k)]; }

// The pad footings (codes 0 to 2): the lower block at its offset, the upper block at the same
// offset or, for an eccentric footing, on the node; both turned by Dim9.
struct Blocks {
    Points lower, upper;
};

Blocks BlocksOf(const FootingType& t, float x, float y) {
    const float cx = Dim(t, 7), cy = Dim(t, 8);
    Blocks b{Rectangle(cx, cy, Dim(t, 1) / 2, Dim(t, 2) / 2),
             t.Eccentric != 0 ? Rectangle(0, 0, Dim(t, 3) / 2, Dim(t, 4) / 2)
                              : Rectangle(cx, cy, Dim(t, 3) / 2, Dim(t, 4) / 2)};
    Place(b.lower, Dim(t, 9), true, x, y);
    Place(b.upper, Dim(t, 9), true, x, y);
    return b;
}

void FootingShape0(FootingFigure& figure, const FootingType& t, float x, float y) {
    const Blocks b = BlocksOf(t, x, y);
    AddOutline(figure, b.lower);
    AddOutline(figure, b.upper);
}

// A stepped block: with a step height, each corner's lower edge, upper edge and the join between.
void FootingShape1(FootingFigure& figure, const FootingType& t, float x, float y) {
    const Blocks b = BlocksOf(t, x, y);
    if (!(Dim(t, 6) > 0)) {
        AddOutline(figure, b.lower);
        return;
    }
    for (size_t i = 0; i < 4; ++i) {
        AddEdge(figure, b.lower, i);
        AddEdge(figure, b.upper, i);
        figure.lines.push_back({b.lower[i], b.upper[i]});
    }
}

// The pile triangle of side a moved out by e, its corners cut at e beyond the piles.
Points Hexagon(float a, float e) {
    const PlanPoint h0{static_cast<float>(-e / Sqrt3), static_cast<float>(a / Sqrt3 + e)};
    const PlanPoint h1{static_cast<float>(e / Sqrt3), h0.Y};
    const auto turned = [](PlanPoint p, double sin) {
        return PlanPoint{static_cast<float>(-0.5 * p.X - sin * p.Y), static_cast<float>(sin * p.X - 0.5 * p.Y)};
    };
    const double s = Sqrt3 / 2;
    return {h0, h1, turned(h0, -s), turned(h1, -s), turned(h0, s), turned(h1, s), h0};
}

// The pile pentagon of radius a, each side moved out by e; corner k where the two sides meeting
// at pile k meet once moved.
Points Pentagon(const Points& piles, float e) {
    Points corners;
    for (size_t k = 0; k < 5; ++k) {
        const PlanPoint& p = piles[k];
        const PlanPoint& before = piles[(k + 4) % 5];
        const PlanPoint& after = piles[(k + 1) % 5];
        float ax1 = p.X, ay1 = p.Y, ax2 = before.X, ay2 = before.Y;
        OffsetSegment(p.X, p.Y, before.X, before.Y, e, 0, ax1, ay1, ax2, ay2);
        float bx1 = after.X, by1 = after.Y, bx2 = p.X, by2 = p.Y;
        OffsetSegment(after.X, after.Y, p.X, p.Y, e, 0, bx1, by1, bx2, by2);
        PlanPoint q = p;
        IntersectSegments(ax1, ay1, ax2, ay2, bx1, by1, bx2, by2, q.X, q.Y);
        corners.push_back(q);
    }
    corners.push_back(corners.front());
    return corners;
}

// The pile caps (codes 3 to 10): an outline about piles of diameter Dim1, e = Dim4 from the piles
// to the outline, spacings a = Dim6 and b = Dim7, turned by Dim5 except codes 3 and 4.
void PileCap(FootingFigure& figure, const FootingType& t, int code, float x, float y) {
    const float e = Dim(t, 4), a = Dim(t, 6), b = Dim(t, 7);
    Points outline, piles;
    switch (code) {
    case 3: piles = {{0, 0}}; break;
    case 4: outline = Rectangle(0, 0, e, e), piles = {{0, 0}}; break;
    case 5: outline = Rectangle(0, 0, e + a / 2, e), piles = {{-a / 2, 0}, {a / 2, 0}}; break;
    case 6: {
        const float top = static_cast<float>(a / Sqrt3), low = top - 0.87f * a;
        outline = Hexagon(a, e), piles = {{0, top}, {-a / 2, low}, {a / 2, low}};
        break;
    }
    case 7:
        outline = Rectangle(0, 0, a / 2 + e, b / 2 + e);
        piles = {{-a / 2, b / 2}, {a / 2, -b / 2}, {-a / 2, -b / 2}, {a / 2, b / 2}};
        break;
    case 8:
        outline = Rectangle(0, 0, a + e, b / 2 + e);
        piles = {{-a, b / 2}, {a, -b / 2}, {-a, -b / 2}, {a, b / 2}, {0, 0}};
        break;
    case 9:
        for (int k = 0; k < 5; ++k) {
            const double angle = (90.0 - 72.0 * k) * 3.141592653589793 / 180.0;
            piles.push_back({static_cast<float>(a * std::cos(angle)), static_cast<float>(a * std::sin(angle))});
        }
        outline = Pentagon(piles, e);
        break;
    case 10:
        outline = Rectangle(0, 0, a + e, b / 2 + e);
        piles = {{-a, b / 2}, {a, -b / 2}, {-a, -b / 2}, {a, b / 2}, {0, b / 2}, {0, -b / 2}};
        break;
    default: return;
    }
    const bool turned = code >= 5;
    Place(outline, Dim(t, 5), turned, x, y);
    Place(piles, Dim(t, 5), turned, x, y);
    AddOutline(figure, outline);
    figure.circles = piles;
    figure.radius = Dim(t, 1) / 2;
}

}  // namespace

FootingFigure BuildFootingFigure(const FootingType& type, float x, float y) {
    FootingFigure figure;
    for (int code = 0; code <= 10; ++code) {
        if (type.Shape != static_cast<float>(code)) continue;
        if (code == 0 || code == 2) FootingShape0(figure, type, x, y);
        else if (code == 1) FootingShape1(figure, type, x, y);
        else PileCap(figure, type, code, x, y);
        break;
    }
    return figure;
}

void DrawFooting(PlanPass& pass, int32_t node) {
    const Model& m = pass.model();
    if (!IsNodeIndex(m, node)) return;
    const Node& n = m.Nodes[static_cast<size_t>(node)];
    const FootingType* type = m.Catalogue.FootingTypeOf(n.FootingType);
    if (type == nullptr) return;
    const FootingFigure figure = BuildFootingFigure(*type, n.X, n.Y);
    for (const FootingLine& l : figure.lines)
        pass.out.Line(l.a.X, l.a.Y, l.b.X, l.b.Y, LayerRow::Footings, LineStyle::ByLayer);
    for (const PlanPoint& c : figure.circles)
        pass.out.Circle(c.X, c.Y, figure.radius, LayerRow::Footings, LineStyle::ByLayer);
}
