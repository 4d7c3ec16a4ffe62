#include "editing/FootingSnapPoints.h"

#include <gtest/gtest.h>

namespace {

FootingType Footing(float shape, std::initializer_list<std::pair<int, float>> dims) {
    FootingType t;
    t.Shape = shape;
    for (const auto& [k, v] : dims) t.Dims[static_cast<size_t>(k)] = v;
    return t;
}

struct Expected {
    int k;
    float x, y;
    SnapMarker marker;
};

void ExpectPoints(const FootingSnapPoints& p, int count, std::initializer_list<Expected> points) {
    EXPECT_EQ(p.Count, count);
    for (const Expected& e : points) {
        ASSERT_LT(e.k, p.Count);
        EXPECT_NEAR(p.X[static_cast<size_t>(e.k)], e.x, 0.01) << "point " << e.k;
        EXPECT_NEAR(p.Y[static_cast<size_t>(e.k)], e.y, 0.01) << "point " << e.k;
        EXPECT_EQ(p.Marker[static_cast<size_t>(e.k)], e.marker) << "point " << e.k;
    }
}

TEST(FootingSnapPoints, RectangularFootingTurnedAboutItsNode) {
    // 200 × 100 centred 10 right of the node, a 40 × 30 plinth, turned a quarter counter-clockwise.
    const FootingType t = Footing(0, {{1, 200}, {2, 100}, {3, 40}, {4, 30}, {7, 10}, {9, 90}});
    ExpectPoints(FootingSnapPointsOf(t, 1000, 500), 9,
                 {{0, 1050, 410, SnapMarker::Box},
                  {4, 1000, 510, SnapMarker::Circle},
                  {5, 1015, 480, SnapMarker::Box},
                  {8, 985, 480, SnapMarker::Box}});
}

TEST(FootingSnapPoints, ShapesWithTheirOwnRules) {
    // Shape 1 without the plinth offers the node and the footing's corners only.
    ExpectPoints(FootingSnapPointsOf(Footing(1, {{1, 100}, {2, 60}, {3, 40}, {4, 40}}), 0, 0), 5,
                 {{0, 0, 0, SnapMarker::Circle}, {1, -50, -30, SnapMarker::Box}, {4, -50, 30, SnapMarker::Box}});
    // With it, each footing corner is followed by the plinth's.
    ExpectPoints(FootingSnapPointsOf(Footing(1, {{1, 100}, {2, 60}, {3, 40}, {4, 40}, {6, 1}}), 0, 0), 9,
                 {{1, -50, -30, SnapMarker::Box}, {2, -20, -20, SnapMarker::Box}, {8, -20, 20, SnapMarker::Box}});
    // Shape 4 ignores the footing's angle.
    ExpectPoints(FootingSnapPointsOf(Footing(4, {{4, 25}, {5, 30}}), 100, 0), 5,
                 {{0, 100, 0, SnapMarker::Circle}, {1, 75, -25, SnapMarker::Box}, {3, 125, 25, SnapMarker::Box}});
    // Three piles 100 apart with 20 of concrete around them: the cut corners at the top, the piles.
    ExpectPoints(FootingSnapPointsOf(Footing(6, {{4, 20}, {6, 100}}), 0, 0), 9,
                 {{0, -11.547f, 77.735f, SnapMarker::Box},
                  {1, 11.547f, 77.735f, SnapMarker::Box},
                  {6, 0, 57.735f, SnapMarker::Circle},
                  {7, -50, -29.265f, SnapMarker::Circle}});
    // Five piles on a circle of 100: the outer corner above the first pile, d4 / cos 36° beyond it.
    ExpectPoints(FootingSnapPointsOf(Footing(9, {{4, 20}, {6, 100}}), 0, 0), 10,
                 {{0, 0, 124.721f, SnapMarker::Box}, {5, 0, 100, SnapMarker::Circle}});
    EXPECT_EQ(FootingSnapPointsOf(Footing(11, {{1, 100}}), 0, 0).Count, 0);
    EXPECT_EQ(FootingSnapPointsOf(Footing(2.5f, {{1, 100}}), 0, 0).Count, 0);
}

}  // namespace
