#include "plangeom/AutoDimensions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "plangeom/MasonryOutlines.h"

namespace {

TEST(DimensionText, TenthsShowOnlyFromATenthUp) {
    struct Case {
        float Length;
        int32_t Metres;
        const char* Text;
    };
    const Case cases[] = {
        {250.04f, 0, "250"},  {250.5f, 0, "250.5"}, {250.96f, 0, "251.0"}, {500, 0, "500"},
        {1203, 1, "12"},      {250, 1, "2.5"},      {250.96f, 1, "2.5"},    {0.05f, 0, "0"},
        // Stored just below their tenth, as floats: the tenth still shows.
        {8.1f, 0, "8.1"},     {210, 1, "2.1"},      {1010, 1, "10.1"},
    };
    for (const Case& c : cases) EXPECT_EQ(DimensionText(c.Length, c.Metres), c.Text) << c.Length << " " << c.Metres;
}

TEST(AddDimension, AppendsTheLineTheMeasuredPointsAndTheText) {
    Model m;
    ShellOptions options;
    MeasuredPoints measured{1, 2, 3, 4};
    AddDimension(m, options, measured, 0, -125, 250.04f, -125);
    options.DimensionUnitMetres = 1;
    AddDimension(m, options, measured, 10, 0, 10, 250);
    ASSERT_EQ(m.DimensionCount, 2);
    ASSERT_EQ(m.Dimensions.size(), 2u);
    EXPECT_EQ(m.Dimensions[0], (Dimension{0, -125, 250.04f, -125, "250", 1, 2, 3, 4}));
    EXPECT_EQ(m.Dimensions[1].Text, "2.5");
    EXPECT_EQ(measured.MeasP2Y, 4);
}

TEST(AddDimension, RefusesLinesTooShortOrUnmeasurable) {
    Model m;
    const ShellOptions options;
    const MeasuredPoints measured;
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    AddDimension(m, options, measured, 5, 5, 5.009f, 5);
    AddDimension(m, options, measured, 5, 5, 5, 5);
    AddDimension(m, options, measured, nan, 0, 1, 0);
    AddDimension(m, options, measured, 0, 0, inf, 0);
    EXPECT_EQ(m.DimensionCount, 0);
    AddDimension(m, options, measured, 5, 5, 5.01f, 5);
    EXPECT_EQ(m.DimensionCount, 1);
}

TEST(AddDimension, ACountThatDisagreesWithTheTableIsNotTrusted) {
    Model m;
    m.Dimensions.resize(2);
    m.DimensionCount = 9;
    AddDimension(m, ShellOptions{}, MeasuredPoints{}, 0, 0, 100, 0);
    EXPECT_EQ(m.DimensionCount, 3);
    EXPECT_EQ(m.Dimensions.size(), 3u);
    m.DimensionCount = -4;
    AddDimension(m, ShellOptions{}, MeasuredPoints{}, 0, 0, 100, 0);
    EXPECT_EQ(m.DimensionCount, 1);
    EXPECT_EQ(m.Dimensions[0].Text, "100");
}

TEST(OutlinePoints, NearPointsCountOnceAndStoredPointsCarryOneDecimal) {
    OutlinePointList list;
    StartOutlinePoints(list, 0.123f, 0.456f);
    AddOutlinePoint(list, 0.2f, 0.5f);      // within 0.09 of the first in both axes
    AddOutlinePoint(list, 0.3f, 0.456f);    // not in x
    AddOutlinePoint(list, 10.25f, -3.25f);  // halves go to the even tenth
    ASSERT_EQ(list.Count, 3);
    EXPECT_EQ(list.Points[0], (PlanPoint{0.123f, 0.456f}));
    EXPECT_EQ(list.Points[1], (PlanPoint{0.3f, 0.5f}));
    EXPECT_EQ(list.Points[2], (PlanPoint{10.2f, -3.2f}));
    EXPECT_EQ(list.XMin, 0.123f);
    EXPECT_EQ(list.XMax, 10.2f);
    EXPECT_EQ(list.YMin, -3.2f);
    EXPECT_EQ(list.YMax, 0.5f);
}

TEST(GetPseudoAngle, GrowsWithTheDirectionOnWholeCentimetres) {
    struct Case {
        float Dx, Dy, Angle;
    };
    const Case cases[] = {{10, 0, 0},     {10, 10, 45},  {0, 7, 90},     {-3, 3, 135},  {-8, 0, 180},
                          {-5, -5, 225},  {0, -2, 270},  {4, -4, 315},   {0.4f, 0.4f, 0}, {300, 0.4f, 0},
                          {300, -0.4f, 0}, {0.5f, 1.5f, 90}};
    for (const Case& c : cases) {
        EXPECT_NEAR(GetPseudoAngle(100, 200, 100 + c.Dx, 200 + c.Dy), c.Angle, 1e-4) << c.Dx << ", " << c.Dy;
    }
}

double Cross(PlanPoint o, PlanPoint a, PlanPoint b) {
    return (static_cast<double>(a.X) - o.X) * (static_cast<double>(b.Y) - o.Y) -
           (static_cast<double>(a.Y) - o.Y) * (static_cast<double>(b.X) - o.X);
}

bool ByXThenY(PlanPoint a, PlanPoint b) {
    return a.X < b.X || (a.X == b.X && a.Y < b.Y);
}

TEST(ComputeConvexHull, WrapsEveryPointCounterClockwiseFromTheLowest) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> coordinate(-50, 50);
    for (int round = 0; round < 200; ++round) {
        const int count = 1 + round % 40;
        std::vector<PlanPoint> points;
        for (int k = 0; k < count; ++k)
            points.push_back({coordinate(random) * 10.0f, coordinate(random) * 10.0f});
        if (round % 5 == 4) {  // all on one line
            for (PlanPoint& p : points) p.Y = round % 2 ? p.X / 2 : 30;
        }
        std::sort(points.begin(), points.end(), ByXThenY);
        points.erase(std::unique(points.begin(), points.end()), points.end());
        const std::vector<PlanPoint> given = points;
        std::shuffle(points.begin(), points.end(), random);
        const int32_t n = static_cast<int32_t>(points.size()) - 1;
        const int32_t h = ComputeConvexHull(points, n);
        SCOPED_TRACE("round " + std::to_string(round));
        ASSERT_GE(h, 1);
        ASSERT_LE(h, n + 1);
        // The hull is followed by its closing copy; the point that stood there moved to n + 1.
        ASSERT_EQ(points.size(), static_cast<size_t>(n) + 2);
        std::vector<PlanPoint> kept = points;
        kept.erase(kept.begin() + h);
        std::sort(kept.begin(), kept.end(), ByXThenY);
        EXPECT_EQ(kept, given);
        EXPECT_EQ(points[h], points[0]);
        for (int32_t i = 1; i <= n; ++i) {
            EXPECT_TRUE(points[0].Y < points[i].Y || (points[0].Y == points[i].Y && points[0].X <= points[i].X));
        }
        // No point lies to the right of a hull side, and no point is left outside.
        for (int32_t i = 0; i < h; ++i) {
            for (int32_t k = 0; k <= n + 1; ++k) EXPECT_GE(Cross(points[i], points[i + 1], points[k]), 0) << i << " " << k;
        }
    }
}

// A deck of pillars, each on a node of its own.
Model PillarDeck(const std::vector<PlanPoint>& positions, int32_t planKind = 0) {
    Model m;
    m.Header.PlanKind = planKind;
    for (const PlanPoint& p : positions) {
        m.Nodes.push_back({m.NodeCount + 1, p.X, p.Y, -1});
        Pillar pillar;
        pillar.Node = m.NodeCount++;
        m.Pillars.push_back(pillar);
        ++m.PillarCount;
    }
    return m;
}

struct ExpectedDimension {
    float X1, Y1, X2, Y2;
    const char* Text;
};

void ExpectDimensions(const Model& m, const std::vector<ExpectedDimension>& expected) {
    ASSERT_EQ(m.DimensionCount, static_cast<int32_t>(expected.size()));
    for (size_t k = 0; k < expected.size(); ++k) {
        const Dimension& d = m.Dimensions[k];
        const ExpectedDimension& e = expected[k];
        EXPECT_EQ((std::vector<float>{d.LineX1, d.LineY1, d.LineX2, d.LineY2}),
                  (std::vector<float>{e.X1, e.Y1, e.X2, e.Y2}))
            << "dimension " << k;
        EXPECT_EQ(d.Text, e.Text) << "dimension " << k;
    }
}

TEST(CreateAutoDimensions, APillarGridGetsTwoDimensionsOnEverySide) {
    Model m = PillarDeck({{500, 400}, {0, 0}, {500, 0}, {1000, 0}, {0, 400}, {1000, 400},
                          {0, 800}, {500, 800}, {1000, 800}, {500.05f, 399.95f}});  // the last one twice
    MeasuredPoints measured;
    CreateAutoDimensions(m, ShellOptions{}, measured);
    ExpectDimensions(m, {
                            {0, -110, 500, -110, "500"},     {500, -110, 1000, -110, "500"},   // bottom
                            {1000, 910, 500, 910, "500"},    {500, 910, 0, 910, "500"},        // top
                            {1110, 0, 1110, 400, "400"},     {1110, 400, 1110, 800, "400"},    // right
                            {-110, 800, -110, 400, "400"},   {-110, 400, -110, 0, "400"},      // left
                        });
    // Every dimension measures the two pillars it joins; the middle one is never measured.
    const Dimension& first = m.Dimensions[0];
    EXPECT_EQ((std::vector<float>{first.MeasuredX1, first.MeasuredY1, first.MeasuredX2, first.MeasuredY2}),
              (std::vector<float>{0, 0, 500, 0}));
    for (const Dimension& d : m.Dimensions) {
        EXPECT_FALSE(d.MeasuredX1 == 500 && d.MeasuredY1 == 400);
        EXPECT_FALSE(d.MeasuredX2 == 500 && d.MeasuredY2 == 400);
    }
    EXPECT_EQ(measured.MeasP1X, 0);  // the last pair measured: the left side's lower span
    EXPECT_EQ(measured.MeasP1Y, 400);
}

TEST(CreateAutoDimensions, OnlyCornersWithinHalfACentimetreOfASideJoinIt) {
    const ExpectedDimension top{1000, 710, 0, 710, "1000"}, right{1110, 0, 1110, 600, "600"},
        left{-110, 600, -110, 0, "600"};
    MeasuredPoints measured;
    {  // on the bottom side as the hull sees it, and no rise of the right side
        Model m = PillarDeck({{0, 0}, {1000, 0}, {1000, 600}, {0, 600}, {500, 0.4f}});
        CreateAutoDimensions(m, ShellOptions{}, measured);
        ExpectDimensions(m, {{0, -110, 500, -110, "500"}, {500, -110, 1000, -110, "500"}, top, right, left});
    }
    {
        Model m = PillarDeck({{0, 0}, {1000, 0}, {1000, 600}, {0, 600}, {500, 1}});
        CreateAutoDimensions(m, ShellOptions{}, measured);
        ExpectDimensions(m, {{0, -110, 1000, -110, "1000"}, top, right, left});
    }
}

TEST(CreateAutoDimensions, FewOrCollinearPillarsStillGetWholeSides) {
    MeasuredPoints measured;
    const ShellOptions options;
    {
        Model m = PillarDeck({});
        CreateAutoDimensions(m, options, measured);
        EXPECT_EQ(m.DimensionCount, 0);
    }
    {
        Model m = PillarDeck({{40, 40}, {40.05f, 40}});  // one position
        CreateAutoDimensions(m, options, measured);
        EXPECT_EQ(m.DimensionCount, 0);
    }
    {
        Model m = PillarDeck({{500, 0}, {0, 0}});
        CreateAutoDimensions(m, options, measured);
        ExpectDimensions(m, {{0, -110, 500, -110, "500"}});
    }
    {  // in a row: every span along the row
        Model m = PillarDeck({{1000, 0}, {0, 0}, {500, 0}});
        CreateAutoDimensions(m, options, measured);
        ExpectDimensions(m, {{0, -110, 500, -110, "500"}, {500, -110, 1000, -110, "500"}});
    }
    {  // in a column: the spans on the right, the whole length on the left
        Model m = PillarDeck({{0, 800}, {0, 0}, {0, 400}});
        CreateAutoDimensions(m, options, measured);
        ExpectDimensions(m, {{110, 0, 110, 400, "400"}, {110, 400, 110, 800, "400"}, {-110, 800, -110, 0, "800"}});
    }
    {  // a triangle whose last hull point is its rightmost and its topmost
        Model m = PillarDeck({{0, 0}, {600, 400}, {500, 100}});
        CreateAutoDimensions(m, options, measured);
        ExpectDimensions(m, {{0, -110, 500, -110, "500"}, {500, -110, 600, -110, "100"},
                             {710, 0, 710, 100, "100"}, {710, 100, 710, 400, "300"},
                             {-110, 400, -110, 0, "400"}});
    }
    {  // pillars on nodes that do not exist are left out
        Model m = PillarDeck({{0, 0}, {500, 0}});
        m.Pillars[0].Node = 77;
        m.PillarCount = 5;
        CreateAutoDimensions(m, options, measured);
        EXPECT_EQ(m.DimensionCount, 0);
    }
}

// A masonry plan whose walls, 30 cm thick, have outer faces on a 1000 × 600 rectangle, with a
// straight joint in the middle of the bottom side.
Model MasonryRectangle() {
    Model m;
    m.Header.PlanKind = 2;
    for (const PlanPoint& p : std::vector<PlanPoint>{{15, 15}, {500, 15}, {985, 15}, {985, 585}, {15, 585}})
        m.Nodes.push_back({++m.NodeCount, p.X, p.Y, -1});
    for (int32_t w = 0; w < 5; ++w) {
        MasonryElement wall;
        wall.NodeI = w;
        wall.NodeJ = (w + 1) % 5;
        wall.Thickness = 30;
        m.MasonryWalls.push_back(wall);
        ++m.MasonryWallCount;
    }
    BuildMasonryWallOutlines(m);
    return m;
}

TEST(CreateAutoDimensions, AMasonryPlanIsDimensionedAlongItsOuterFaces) {
    Model m = MasonryRectangle();
    m.Dimensions = {Dimension{}};
    m.DimensionCount = 1;  // dimensions already there stay
    MeasuredPoints measured;
    CreateAutoDimensions(m, ShellOptions{}, measured);
    m.Dimensions.erase(m.Dimensions.begin());
    --m.DimensionCount;
    ExpectDimensions(m, {
                            {0, -125, 500, -125, "500"},
                            {500, -125, 1000, -125, "500"},
                            {1000, 725, 0, 725, "1000"},
                            {1125, 0, 1125, 600, "600"},
                            {-125, 600, -125, 0, "600"},
                        });
}

TEST(CreateAutoDimensions, NothingToDimensionGivesNoDimension) {
    MeasuredPoints measured;
    {  // a masonry plan without walls, though it has pillars
        Model m = PillarDeck({{0, 0}, {500, 0}, {0, 400}}, 2);
        CreateAutoDimensions(m, ShellOptions{}, measured);
        EXPECT_EQ(m.DimensionCount, 0);
    }
    {  // a masonry plan whose wall corners name no plan point
        Model m = MasonryRectangle();
        m.PlanNodeCount = 0;
        CreateAutoDimensions(m, ShellOptions{}, measured);
        EXPECT_EQ(m.DimensionCount, 0);
    }
    {  // masonry walls do not count in another plan kind
        Model m = MasonryRectangle();
        m.Header.PlanKind = 1;
        CreateAutoDimensions(m, ShellOptions{}, measured);
        EXPECT_EQ(m.DimensionCount, 0);
    }
}

}  // namespace
