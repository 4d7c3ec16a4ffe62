#include "editing/FootingSnapPoints.h"

#include <span>

#include "model/geometry/Angles.h"
#include "model/geometry/Geometry.h"
#include "model/geometry/SegmentIntersection.h"

namespace {

struct LocalPoint {
    float X = 0, Y = 0;
};

class PointList {
public:
    explicit PointList(FootingSnapPoints& points) : p_(points) {}
    void Add(float x, float y, SnapMarker marker) {
        if (p_.Count >= FootingSnapPoints::Capacity) return;
        p_.X[p_.Count] = x, p_.Y[p_.Count] = y, p_.Marker[p_.Count] = marker;
        ++p_.Count;
    }
    void Add(LocalPoint q, SnapMarker marker) { Add(q.X, q.Y, marker); }
    // The corners (-a, -b), (a, -b), (a, b), (-a, b) of a rectangle centred at (cx, cy).
    void Rectangle(float cx, float cy, float a, float b) {
        Add(cx - a, cy - b, SnapMarker::Box);
        Add(cx + a, cy - b, SnapMarker::Box);
        Add(cx + a, cy + b, SnapMarker::Box);
        Add(cx - a, cy + b, SnapMarker::Box);
    }

private:
    FootingSnapPoints& p_;
};

// Where the line through a and b meets the line through c and d; the origin when they do not.
LocalPoint Meeting(LocalPoint a, LocalPoint b, LocalPoint c, LocalPoint d) {
    LocalPoint m;
    IntersectSegments(a.X, a.Y, b.X, b.Y, c.X, c.Y, d.X, d.Y, m.X, m.Y);
    return m;
}

// The side a -> b moved by d to its right.
std::array<LocalPoint, 2> MovedRight(LocalPoint a, LocalPoint b, float d) {
    std::array<LocalPoint, 2> moved{a, b};
    OffsetSegment(a.X, a.Y, b.X, b.Y, d, 0, moved[0].X, moved[0].Y, moved[1].X, moved[1].Y);
    return moved;
}

// Three piles at the corners of a triangle cut at its corners: the six corners of the cut
// triangle, then the piles.
void ThreePiles(PointList& list, float d4, float d6) {
    const float L = static_cast<float>(d6 + 2 * 1.732050807569 * d4);
    const float top = static_cast<float>(0.5773502691896 * L), bottom = static_cast<float>(-0.2886751345948 * L);
    const LocalPoint T1{0, top}, T2{L / 2, bottom}, T3{-L / 2, bottom};
    const float e = static_cast<float>(0.8660254037844 * d6 + 2 * d4);
    const auto m12 = MovedRight(T1, T2, e), m23 = MovedRight(T2, T3, e), m31 = MovedRight(T3, T1, e);
    for (LocalPoint corner : {Meeting(m23[0], m23[1], T1, T3), Meeting(m23[0], m23[1], T1, T2),
                              Meeting(m31[0], m31[1], T1, T2), Meeting(m31[0], m31[1], T2, T3),
                              Meeting(m12[0], m12[1], T2, T3), Meeting(m12[0], m12[1], T1, T3)})
        list.Add(corner, SnapMarker::Box);
    const float pileY = top - 2 * d4;
    list.Add(0, pileY, SnapMarker::Circle);
    list.Add(-d6 / 2, static_cast<float>(pileY - 0.87 * d6), SnapMarker::Circle);
    list.Add(d6 / 2, static_cast<float>(pileY - 0.87 * d6), SnapMarker::Circle);
}

// Five piles on a regular pentagon of circumradius d6: the corners of the pentagon d4 outside
// them, then the piles.
void FivePiles(PointList& list, float d4, float d6) {
    const double c1 = 0.951056516295154, s1 = 0.309016994374947, c2 = 0.587785252292473, s2 = 0.809016994374947;
    const std::array<LocalPoint, 5> P = {LocalPoint{0, d6},
                                         {static_cast<float>(c1 * d6), static_cast<float>(s1 * d6)},
                                         {static_cast<float>(c2 * d6), static_cast<float>(-s2 * d6)},
                                         {static_cast<float>(-c2 * d6), static_cast<float>(-s2 * d6)},
                                         {static_cast<float>(-c1 * d6), static_cast<float>(s1 * d6)}};
    for (int k = 0; k < 5; ++k) {
        const LocalPoint previous = P[(k + 4) % 5], next = P[(k + 1) % 5];
        const auto toPrevious = MovedRight(P[k], previous, d4), fromNext = MovedRight(next, P[k], d4);
        list.Add(Meeting(toPrevious[0], toPrevious[1], fromNext[0], fromNext[1]), SnapMarker::Box);
    }
    for (const LocalPoint& pile : P) list.Add(pile, SnapMarker::Circle);
}

void FourPiles(PointList& list, float d6, float d7) {
    list.Add(-d6 / 2, d7 / 2, SnapMarker::Circle);
    list.Add(d6 / 2, -d7 / 2, SnapMarker::Circle);
    list.Add(-d6 / 2, -d7 / 2, SnapMarker::Circle);
    list.Add(d6 / 2, d7 / 2, SnapMarker::Circle);
}

}  // namespace

FootingSnapPoints FootingSnapPointsOf(const FootingType& type, float nodeX, float nodeY) {
    FootingSnapPoints points;
    PointList list(points);
    const auto& d = type.Dims;
    const float shape = type.Shape;
    float angle = 0;
    if (shape == 0.0f || shape == 2.0f) {
        list.Rectangle(d[7], d[8], d[1] / 2, d[2] / 2);
        list.Add(d[7], d[8], SnapMarker::Circle);
        list.Rectangle(0, 0, d[3] / 2, d[4] / 2);
        angle = d[9];
    } else if (shape == 1.0f) {
        list.Add(0, 0, SnapMarker::Circle);
        FootingSnapPoints outer, inner;
        PointList(outer).Rectangle(d[7], d[8], d[1] / 2, d[2] / 2);
        PointList(inner).Rectangle(0, 0, d[3] / 2, d[4] / 2);
        for (int k = 0; k < 4; ++k) {
            list.Add(outer.X[k], outer.Y[k], SnapMarker::Box);
            if (d[6] > 0) list.Add(inner.X[k], inner.Y[k], SnapMarker::Box);
        }
        angle = d[9];
    } else if (shape == 3.0f) {
        list.Add(0, 0, SnapMarker::Circle);
    } else if (shape == 4.0f) {
        list.Add(0, 0, SnapMarker::Circle);
        list.Rectangle(0, 0, d[4], d[4]);
    } else if (shape == 5.0f) {
        list.Add(0, 0, SnapMarker::Circle);
        list.Rectangle(0, 0, (2 * d[4] + d[6]) / 2, d[4]);
        list.Add(-d[6] / 2, 0, SnapMarker::Circle);
        list.Add(d[6] / 2, 0, SnapMarker::Circle);
        angle = d[5];
    } else if (shape == 6.0f) {
        ThreePiles(list, d[4], d[6]);
        angle = d[5];
    } else if (shape == 7.0f) {
        list.Rectangle(0, 0, (2 * d[4] + d[6]) / 2, (2 * d[4] + d[7]) / 2);
        FourPiles(list, d[6], d[7]);
        angle = d[5];
    } else if (shape == 8.0f || shape == 10.0f) {
        list.Rectangle(0, 0, d[4] + d[6], (2 * d[4] + d[7]) / 2);
        FourPiles(list, d[6], d[7]);
        if (shape == 8.0f) {
            list.Add(0, 0, SnapMarker::Circle);
        } else {
            list.Add(0, d[7] / 2, SnapMarker::Circle);
            list.Add(0, -d[7] / 2, SnapMarker::Circle);
        }
        angle = d[5];
    } else if (shape == 9.0f) {
        FivePiles(list, d[4], d[6]);
        angle = d[5];
    }
    if (angle != 0) RotatePoints(std::span(points.X), std::span(points.Y), 0, 0, 0, points.Count - 1, angle);
    for (int32_t k = 0; k < points.Count; ++k) points.X[k] += nodeX, points.Y[k] += nodeY;
    return points;
}
