#include "drawing/SectionShapes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "tests/drawing/PlanFixture.h"

namespace {

// One server record of the given size and centroid offsets behind section 1.
SectionCatalogue OneSteelSection(int32_t sectionClass, int32_t shape, float width, float height,
                                 float parameter1 = 0, float cx = 0, float cy = 0) {
    SectionCatalogue c;
    c.ArchiveSectionCount = 1;
    c.SectionClass = {sectionClass, 0};
    c.SectionShape = {shape, 0};
    c.SectionParams = {SectionParamRow{200, parameter1, 0, 0, 0, 0}, SectionParamRow{}};
    ServerSection profile;
    profile.Width = width;
    profile.Height = height;
    profile.CentroidOffsetX = cx;
    profile.CentroidOffsetY = cy;
    c.ServerSections = {profile};
    c.ServerSectionCount = 1;
    return c;
}

void ExpectSegments(const SectionShapeOutline& outline, const std::vector<ShapeSegment>& expected) {
    ASSERT_EQ(outline.segments.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        const ShapeSegment& s = outline.segments[i];
        const ShapeSegment& e = expected[i];
        EXPECT_NEAR(s.x1, e.x1, 1e-4) << "segment " << i;
        EXPECT_NEAR(s.y1, e.y1, 1e-4) << "segment " << i;
        EXPECT_NEAR(s.x2, e.x2, 1e-4) << "segment " << i;
        EXPECT_NEAR(s.y2, e.y2, 1e-4) << "segment " << i;
    }
}

TEST(SectionShapes, AnIProfileIsItsWebAndTwoFlangesTurnedAboutThePillarPoint) {
    const SectionCatalogue c = OneSteelSection(CatalogueProfile, 3, 20, 10);
    ExpectSegments(BuildSectionShape(c, 0, 90, 100, 100),
                   {{90, 100, 110, 100}, {90, 105, 90, 95}, {110, 105, 110, 95}});
    ExpectSegments(BuildSectionShape(c, 0, 0, 100, 100),
                   {{100, 110, 100, 90}, {105, 110, 95, 110}, {105, 90, 95, 90}});
}

TEST(SectionShapes, SingleProfilesOfEveryOutline) {
    // A channel: web at the centroid's x, flanges running back to the other side of the box.
    ExpectSegments(BuildSectionShape(OneSteelSection(CatalogueProfile, 8, 8, 20, 0, 0, 2), 0, 0, 0, 0),
                   {{-18, -4, 2, -4}, {2, -4, 2, 4}, {2, 4, -18, 4}});
    // An angle with its heel at (-cy, cx).
    ExpectSegments(BuildSectionShape(OneSteelSection(CatalogueProfile, 6, 10, 10, 0, 3, 3), 0, 0, 0, 0),
                   {{-3, -7, -3, 3}, {-3, 3, 7, 3}});
    // A box: three sides and the closing one.
    ExpectSegments(BuildSectionShape(OneSteelSection(CatalogueProfile, 9, 10, 10), 0, 0, 0, 0),
                   {{-5, -5, 5, -5}, {5, -5, 5, 5}, {5, 5, -5, 5}, {-5, 5, -5, -5}});
    const SectionShapeOutline tube = BuildSectionShape(OneSteelSection(CatalogueProfile, 10, 12, 12), 0, 30, 0, 0);
    EXPECT_TRUE(tube.segments.empty());
    EXPECT_FLOAT_EQ(tube.circleRadius, 6);
}

TEST(SectionShapes, CoupledProfilesAtNoughtAndNinetyDegrees) {
    // Two channels toe to toe, 1 cm either side of the centre (parameter 1 is 20 mm per cm).
    const SectionCatalogue toeToToe = OneSteelSection(CoupledProfiles, 7, 8, 20, 20);
    ExpectSegments(BuildSectionShape(toeToToe, 0, 0, 0, 0), {{19, 4, -1, 4}, {-1, 4, -1, -4}, {-1, -4, 19, -4},
                                                            {-19, 4, 1, 4}, {1, 4, 1, -4}, {1, -4, -19, -4}});
    ExpectSegments(BuildSectionShape(toeToToe, 0, 90, 50, 50),
                   {{46, 69, 46, 49}, {46, 49, 54, 49}, {54, 49, 54, 69},
                    {46, 31, 46, 51}, {46, 51, 54, 51}, {54, 51, 54, 31}});
    // Back to back with no gap given: the webs stand 0.4 cm apart.
    const SectionShapeOutline backToBack = BuildSectionShape(OneSteelSection(CoupledProfiles, 8, 8, 20), 0, 0, 0, 0);
    ASSERT_EQ(backToBack.segments.size(), 6u);
    EXPECT_NEAR(backToBack.segments[4].x1 - backToBack.segments[1].x1, 0.4, 1e-6);
    // Two I outlines whose outer flange tips lie on x = ±p when the gap is the profile's height.
    const SectionShapeOutline pair = BuildSectionShape(OneSteelSection(CoupledProfiles, 9, 10, 20, 400), 0, 0, 0, 0);
    ASSERT_EQ(pair.segments.size(), 6u);
    EXPECT_FLOAT_EQ(pair.segments[1].x1, 20);
    EXPECT_FLOAT_EQ(pair.segments[4].x1, -20);
    EXPECT_FLOAT_EQ(pair.RightReach(0), 20);
}

TEST(SectionShapes, ShapesWithoutAnOutlineAndMissingRecordsDrawNothing) {
    EXPECT_TRUE(BuildSectionShape(OneSteelSection(CatalogueProfile, 11, 10, 10), 0, 0, 0, 0).segments.empty());
    const SectionShapeOutline coupled18 = BuildSectionShape(OneSteelSection(CoupledProfiles, 18, 10, 10), 0, 0, 0, 0);
    EXPECT_TRUE(coupled18.segments.empty());
    EXPECT_EQ(coupled18.circleRadius, 0);
    SectionCatalogue noRecord = OneSteelSection(CatalogueProfile, 3, 10, 10);
    noRecord.SectionParams[0][2] = 5;
    EXPECT_TRUE(BuildSectionShape(noRecord, 0, 0, 0, 0).segments.empty());
    EXPECT_TRUE(BuildSectionShape(noRecord, 7, 0, 0, 0).segments.empty());
}

TEST(SectionShapes, InDxfEveryLineTakesTheSteelPillarLayerAndItsOwnLineType) {
    PlanFixture p;
    const SectionCatalogue c = OneSteelSection(CoupledProfiles, 5, 10, 10, 20);
    DxfPlanOutput out = p.DxfOutput();
    DrawSectionShape(out, c, 0, 0, 0, 0);
    const auto entities = ReadEntities(p.writer.EntitySpool);
    ASSERT_EQ(entities.size(), 8u);  // four angles of two legs
    for (const DxfEntity& e : entities) {
        EXPECT_EQ(e.Kind, "LINE");
        EXPECT_EQ(e.Layer, "PILASTRI_ACCIAIO");
        EXPECT_EQ(e.LineType, "");
    }
}

}  // namespace
