#include "editing/ObjectSnap.h"

#include <gtest/gtest.h>

#include <functional>

#include "model/geometry/ViewTransforms.h"
#include "tests/editing/EditorFixture.h"

namespace {

// Hand-made tables: plan points, nodes and sections added one by one.
struct SnapDeck : EditorFixture {
    int32_t Point(float x, float y) {
        model.PlanNodes.push_back({x, y});
        return model.PlanNodeCount++;
    }
    int32_t NodeAt(float x, float y, int32_t footingType = -1) {
        model.Nodes.push_back({model.NodeCount + 1, x, y, footingType});
        return model.NodeCount++;
    }
    int32_t Section(int32_t sectionClass, int32_t shape, SectionParamRow params) {
        SectionCatalogue& c = model.Catalogue;
        c.SectionClass.push_back(sectionClass);
        c.SectionShape.push_back(shape);
        c.SectionParams.push_back(params);
        return ++c.ArchiveSectionCount;
    }
    void PillarAt(int32_t node, int32_t section, float angle = 0) {
        Pillar p;
        p.SectionNumber = section, p.Node = node, p.Angle = angle;
        model.Pillars.push_back(p);
        ++model.PillarCount;
    }
    static void Edge(std::vector<EdgeLine>& edges, int32_t& count, int32_t a, int32_t b) {
        edges.push_back({a, b, count + 1});
        ++count;
    }
    static void Outline(IndexRows& rows, std::vector<int32_t>& counts, int32_t& slabCount, std::vector<int32_t> points) {
        counts.push_back(static_cast<int32_t>(points.size()));
        points.push_back(points.front());
        rows.push_back(points);
        ++slabCount;
    }
    int32_t FootingTypeOf(float shape, std::array<float, 12> dims) {
        model.Catalogue.FootingTypes.push_back({shape, dims, 0});
        return ++model.Catalogue.FootingTypeCount;
    }

    // The canvas point of a model point.
    float Sx(float x) const { return WorldToScreenX(drawing.View, x); }
    float Sy(float y) const { return WorldToScreenY(drawing.View, y); }
};

TEST(ObjectSnap, WindowOfFourPixelsIsStrict) {
    const struct {
        float dx, dy;
        bool hit;
    } cases[] = {{0, 0, true},     {3.9f, 0, true},  {-3.9f, 0, true},  {0, 3.9f, true}, {3.9f, -3.9f, true},
                 {4.0f, 0, false}, {0, -4.0f, false}, {4.0f, 4.0f, false}, {-4.0f, 1, false}};
    for (const auto& c : cases) {
        SnapDeck d;
        SnapDeck::Edge(d.model.BeamExtradosEdges, d.model.BeamExtradosEdgeCount, d.Point(100, 100), d.Point(300, 100));
        d.editor.Snap.SnapFound = 0;
        BeccaOSNAP(d, d.canvas, 100 + c.dx, 500 + c.dy, LeftButton);
        EXPECT_EQ(d.editor.Snap.SnapFound, c.hit ? 1 : 0) << c.dx << ", " << c.dy;
        if (c.hit) {
            EXPECT_EQ((std::array{d.editor.Snap.SnapX, d.editor.Snap.SnapY}), (std::array{100.f, 500.f}));
        }
    }
}

// One candidate of every group within the window, each a fifth of a pixel further right; switching
// the groups off one after another shows their order. The masonry walls follow the wall layer's
// snap switch alone.
TEST(ObjectSnap, GroupsAreTriedInTheirFixedOrder) {
    SnapDeck d;
    Model& m = d.model;
    SnapDeck::Edge(m.BeamExtradosEdges, m.BeamExtradosEdgeCount, d.Point(100.0f, 100), d.Point(300, 100));
    SnapDeck::Edge(m.BeamIntradosEdges, m.BeamIntradosEdgeCount, d.Point(100.2f, 100), d.Point(300, 120));
    d.PillarAt(d.NodeAt(100.4f, 100), d.Section(ParametricSection, 1, {30, 30, 0, 0, 0, 0}));
    d.PillarAt(d.NodeAt(100.6f, 100), d.Section(CatalogueProfile, 1, {200, 0, 0, 0, 0, 0}));
    m.BeamElements.push_back({1, 1, d.NodeAt(100.8f, 100), d.NodeAt(300, 300)});
    m.BeamElementCount = 1;
    SnapDeck::Edge(m.WallEdges, m.WallEdgeCount, d.Point(101.0f, 100), d.Point(101, 300));
    SnapDeck::Outline(m.FloorSlabOutline, m.FloorSlabOutlineCount, m.FloorSlabCount,
                      {d.Point(101.2f, 100), d.Point(400, 100), d.Point(400, 300)});
    m.FloorSlabs.resize(1);
    SnapDeck::Outline(m.ConcreteSlabOutline, m.ConcreteSlabOutlineCount, m.ConcreteSlabCount,
                      {d.Point(101.4f, 100), d.Point(400, 50), d.Point(400, 0)});
    m.ConcreteSlabs.resize(1);
    MasonryElement wall;
    wall.BorderA1 = d.Point(101.6f, 100), wall.BorderB1 = wall.BorderA2 = wall.BorderB2 = d.Point(200, 400);
    m.MasonryWalls.push_back(wall);
    m.MasonryWallCount = 1;
    d.NodeAt(101.8f, 100, d.FootingTypeOf(3, {}));

    struct Step {
        std::function<void()> switchOff;  // before the snap
        float x;
        SnapMarker marker;
    };
    auto screenOff = [&](int layer) { return [&d, layer] { d.drawing.LayerScreenOn[static_cast<size_t>(layer)] = 0; }; };
    const Step steps[] = {
        {[] {}, 100.0f, SnapMarker::Box},       {screenOff(7), 100.2f, SnapMarker::Box},
        {screenOff(8), 100.4f, SnapMarker::Circle}, {screenOff(2), 100.6f, SnapMarker::Circle},
        {screenOff(3), 100.8f, SnapMarker::Circle}, {screenOff(0), 101.0f, SnapMarker::Box},
        {screenOff(4), 101.2f, SnapMarker::Box},    {screenOff(1), 101.4f, SnapMarker::Box},
        {screenOff(5), 101.6f, SnapMarker::Box},    {[&] { d.drawing.DimOsnapOn[4] = 0; }, 101.8f, SnapMarker::Circle},
    };
    for (const Step& step : steps) {
        step.switchOff();
        const auto hit = FindSnapPoint(d, 101, 500);
        ASSERT_TRUE(hit.has_value()) << step.x;
        EXPECT_FLOAT_EQ(hit->X, d.Sx(step.x));
        EXPECT_EQ(hit->Marker, step.marker) << step.x;
    }
    d.drawing.DimOsnapOn[6] = 0;
    EXPECT_FALSE(FindSnapPoint(d, 101, 500).has_value());
}

TEST(ObjectSnap, ConcretePillarCornersFollowThePillarsAngle) {
    for (float angle : {0.f, 90.f}) {
        SnapDeck d;
        d.PillarAt(d.NodeAt(200, 200), d.Section(ParametricSection, 1, {40, 20, 0, 0, 0, 0}), angle);
        const auto corner = FindSnapPoint(d, d.Sx(210), d.Sy(180));
        EXPECT_EQ(corner.has_value(), angle == 90.f) << angle;
        const auto other = FindSnapPoint(d, d.Sx(220), d.Sy(190));
        EXPECT_EQ(other.has_value(), angle == 0.f) << angle;
        if (other) {
            EXPECT_EQ(other->Marker, SnapMarker::Box);
        }
    }
}

TEST(ObjectSnap, PreviewMarksTheHitAndACommitStoresIt) {
    SnapDeck d;
    SnapDeck::Edge(d.model.WallEdges, d.model.WallEdgeCount, d.Point(100, 100), d.Point(300, 100));
    d.editor.Snap.SnapFound = 1, d.editor.Snap.SnapX = 7;
    BeccaOSNAP(d, d.canvas, 102, 498, 0);
    EXPECT_EQ(d.editor.Snap.SnapFound, 1);  // a preview leaves the result alone
    EXPECT_EQ(d.editor.Snap.SnapX, 7);
    ASSERT_EQ(d.canvas.Records().front().Call, CanvasCall::ClearTemporary);
    const auto marks = d.Overlay(CanvasCall::Box);
    ASSERT_EQ(marks.size(), 1u);
    EXPECT_EQ((std::array{marks[0].X1, marks[0].Y1, marks[0].X2, marks[0].Y2}), (std::array{95.f, 495.f, 105.f, 505.f}));
    EXPECT_EQ(marks[0].Colour, StandardColour(13));
    EXPECT_EQ(marks[0].State.DrawWidth, 3);
    EXPECT_EQ(d.canvas.State().DrawWidth, 1);

    d.canvas.ClearRecords();
    BeccaOSNAP(d, d.canvas, 102, 498, LeftButton);
    EXPECT_EQ(d.editor.Snap.SnapFound, 1);
    EXPECT_EQ((std::array{d.editor.Snap.SnapX, d.editor.Snap.SnapY}), (std::array{100.f, 500.f}));
    EXPECT_TRUE(d.Overlay(CanvasCall::Box).empty());

    BeccaOSNAP(d, d.canvas, 150, 498, 0);  // a preview that misses
    EXPECT_EQ(d.editor.Snap.SnapFound, 0);
}

TEST(ObjectSnap, EmptyModelOrRecordsOutsideTheirTablesOfferNothing) {
    SnapDeck empty;
    empty.editor.Snap.SnapFound = 1;
    BeccaOSNAP(empty, empty.canvas, 0, 600, LeftButton);
    EXPECT_EQ(empty.editor.Snap.SnapFound, 0);
    ASSERT_EQ(empty.canvas.Records().size(), 1u);
    EXPECT_EQ(empty.canvas.Records()[0].Call, CanvasCall::ClearTemporary);

    SnapDeck d;
    Model& m = d.model;
    const int32_t origin = d.Point(0, 0);
    SnapDeck::Edge(m.BeamExtradosEdges, m.BeamExtradosEdgeCount, 99, -1);
    m.BeamIntradosEdgeCount = 5;  // more than the table holds
    d.PillarAt(99, 1);
    d.PillarAt(d.NodeAt(0, 0), 99);
    m.BeamElements.push_back({1, 1, -3, 99});
    m.BeamElementCount = 1;
    SnapDeck::Outline(m.FloorSlabOutline, m.FloorSlabOutlineCount, m.FloorSlabCount, {99, -1, 42});
    m.FloorSlabOutlineCount[0] = 50;
    m.ConcreteSlabCount = 3;  // no outline rows at all
    MasonryElement wall;
    wall.BorderA1 = wall.BorderB1 = wall.BorderA2 = wall.BorderB2 = 1000;
    m.MasonryWalls.push_back(wall);
    m.MasonryWallCount = 4;
    d.NodeAt(0, 0, 99);
    d.NodeAt(0, 0, 0);
    EXPECT_FALSE(FindSnapPoint(d, 0, 600).has_value());
    // A good record after them is still found.
    SnapDeck::Edge(m.WallEdges, m.WallEdgeCount, origin, d.Point(100, 0));
    EXPECT_TRUE(FindSnapPoint(d, 0, 600).has_value());
}

}  // namespace
