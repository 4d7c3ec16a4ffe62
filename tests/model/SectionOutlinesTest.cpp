#include "model/sections/SectionOutlines.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Pt {
    float X, Y;
};

// A catalogue holding one section per call of Add.
struct CatalogueBuilder {
    SectionCatalogue Catalogue;
    int32_t Add(int32_t sectionClass, int32_t shape, SectionParamRow params) {
        Catalogue.SectionClass.push_back(sectionClass);
        Catalogue.SectionShape.push_back(shape);
        Catalogue.SectionParams.push_back(params);
        return Catalogue.ArchiveSectionCount++;
    }
    int32_t AddServer(ServerSection s) {
        Catalogue.ServerSections.push_back(s);
        return Catalogue.ServerSectionCount++;
    }
};

struct OutlineCase {
    const char* Name;
    int32_t Code;
    SectionParamRow Params;
    int32_t Mode;
    std::vector<Pt> Centred;  // at 0°, without the closing point; worked out by hand
};

// Centroids: T: web 30×45 at y 22.5, flange 100×15 at y 52.5 -> y 38.289474. Code 4 (flat legs):
// bar 100×10 at y -5, stem 20×30 at y -25 -> y -12.5. L shapes: two 400 cm² blocks. I: 300 at y 5,
// 300 at y 25, 200 at y 45 -> y 22.5. Stepped: 400 + 600 + 100 cm² -> (17.727273, 15.909091).
// Channels: 3 × 300 cm² -> x 18.333333.
const std::vector<OutlineCase>& Cases() {
    static const float ty = 38.289474f;
    static const std::vector<OutlineCase> cases = {
        {"rectangle", 1, {30, 50}, 0, {{-15, -25}, {-15, 25}, {15, 25}, {15, -25}}},
        {"rectangle 17", 17, {30, 50}, 0, {{-15, -25}, {-15, 25}, {15, 25}, {15, -25}}},
        {"rectangle 18", 18, {30, 50}, 0, {{-15, -25}, {-15, 25}, {15, 25}, {15, -25}}},
        {"rectangle 20", 20, {30, 50}, 0, {{-15, -25}, {-15, 25}, {15, 25}, {15, -25}}},
        {"rectangle mode 1", 1, {30, 50}, 1, {{-15, 25}, {15, 25}, {15, -25}, {-15, -25}}},
        {"T", 2, {30, 60, 100, 15}, 0,
         {{-15, -ty}, {-15, 45 - ty}, {-50, 45 - ty}, {-50, 60 - ty}, {50, 60 - ty}, {50, 45 - ty},
          {15, 45 - ty}, {15, -ty}}},
        {"inverted T", 3, {100, 60, 30, 15}, 0,
         {{-15, ty}, {15, ty}, {15, ty - 45}, {50, ty - 45}, {50, ty - 60}, {-50, ty - 60},
          {-50, ty - 45}, {-15, ty - 45}}},
        {"flat V with stem", 4, {20, 40, 50, 10, 0}, 0,
         {{-50, 12.5f}, {0, 12.5f}, {50, 12.5f}, {50, 2.5f}, {10, 2.5f}, {10, -27.5f}, {-10, -27.5f},
          {-10, 2.5f}, {-50, 2.5f}}},
        {"L leg right", 5, {40, 50, 10, 10}, 0,
         {{-27.5f, -17.5f}, {-27.5f, -7.5f}, {2.5f, -7.5f}, {2.5f, 32.5f}, {12.5f, 32.5f}, {12.5f, -17.5f}}},
        {"L leg left", 6, {40, 50, 10, 10}, 0,
         {{-12.5f, -17.5f}, {-12.5f, 32.5f}, {-2.5f, 32.5f}, {-2.5f, -7.5f}, {27.5f, -7.5f}, {27.5f, -17.5f}}},
        {"L 5 in mode 2 is L 6", 5, {40, 50, 10, 10}, 2,
         {{-12.5f, -17.5f}, {-12.5f, 32.5f}, {-2.5f, 32.5f}, {-2.5f, -7.5f}, {27.5f, -7.5f}, {27.5f, -17.5f}}},
        {"L 6 in mode 2 is L 5", 6, {40, 50, 10, 10}, 2,
         {{-27.5f, -17.5f}, {-27.5f, -7.5f}, {2.5f, -7.5f}, {2.5f, 32.5f}, {12.5f, 32.5f}, {12.5f, -17.5f}}},
        {"L top leg left", 7, {10, 50, 40, 10}, 0,
         {{-12.5f, -32.5f}, {-12.5f, 17.5f}, {27.5f, 17.5f}, {27.5f, 7.5f}, {-2.5f, 7.5f}, {-2.5f, -32.5f}}},
        {"L top leg right", 8, {10, 50, 40, 10}, 0,
         {{-27.5f, 7.5f}, {-27.5f, 17.5f}, {12.5f, 17.5f}, {12.5f, -32.5f}, {2.5f, -32.5f}, {2.5f, 7.5f}}},
        {"L 7 in mode 2 is L 8", 7, {10, 50, 40, 10}, 2,
         {{-27.5f, 7.5f}, {-27.5f, 17.5f}, {12.5f, 17.5f}, {12.5f, -32.5f}, {2.5f, -32.5f}, {2.5f, 7.5f}}},
        {"inverted V at 30 degrees", 9, {20, 2, 30}, 0,
         {{-17.32051f, -3.99965f}, {0, 6.00035f}, {17.32051f, -3.99965f}, {16.32051f, -5.73170f},
          {0, 3.69095f}, {-16.32051f, -5.73170f}}},
        {"I with unequal flanges", 10, {30, 10, 20, 50, 10, 10}, 0,
         {{-15, -22.5f}, {-15, -12.5f}, {-5, -12.5f}, {-5, 17.5f}, {-10, 17.5f}, {-10, 27.5f},
          {10, 27.5f}, {10, 17.5f}, {5, 17.5f}, {5, -12.5f}, {15, -12.5f}, {15, -22.5f}}},
        {"stepped, mirrored", 11, {40, 10, 10, 10, 20, 30}, 0,
         {{17.727273f, -15.909091f}, {-22.272727f, -15.909091f}, {-22.272727f, -5.909091f},
          {-12.272727f, -5.909091f}, {-12.272727f, 24.090909f}, {-2.272727f, 24.090909f},
          {-2.272727f, 14.090909f}, {17.727273f, 14.090909f}}},
        {"stepped", 12, {40, 10, 10, 10, 20, 30}, 0,
         {{-17.727273f, -15.909091f}, {-17.727273f, 14.090909f}, {2.272727f, 14.090909f},
          {2.272727f, 24.090909f}, {12.272727f, 24.090909f}, {12.272727f, -5.909091f},
          {22.272727f, -5.909091f}, {22.272727f, -15.909091f}}},
        {"channel 13", 13, {50, 30, 10, 10}, 0,
         {{-18.333333f, -25}, {-18.333333f, -15}, {1.666667f, -15}, {1.666667f, 15}, {-18.333333f, 15},
          {-18.333333f, 25}, {11.666667f, 25}, {11.666667f, -25}}},
        {"channel 14", 14, {30, 50, 10, 10}, 0,
         {{-18.333333f, -25}, {-18.333333f, -15}, {1.666667f, -15}, {1.666667f, 15}, {-18.333333f, 15},
          {-18.333333f, 25}, {11.666667f, 25}, {11.666667f, -25}}},
        {"cross", 15, {40, 60, 10, 10}, 0,
         {{-20, 5}, {-5, 5}, {-5, 30}, {5, 30}, {5, 5}, {20, 5}, {20, -5}, {5, -5}, {5, -30}, {-5, -30},
          {-5, -5}, {-20, -5}}},
        {"code 0 square", 0, {30, 50}, 0, {{-10, -10}, {-10, 10}, {10, 10}, {10, -10}}},
        {"code 21 square", 21, {30, 50}, 0, {{-10, -10}, {-10, 10}, {10, 10}, {10, -10}}},
    };
    return cases;
}

void ExpectOutline(const SectionOutline& o, const std::vector<Pt>& expected, const std::string& name) {
    ASSERT_EQ(o.SectionOutlineLast, static_cast<int32_t>(expected.size())) << name;
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_NEAR(o.SectionOutlineX[i], expected[i].X, 2e-4) << name << " point " << i;
        EXPECT_NEAR(o.SectionOutlineY[i], expected[i].Y, 2e-4) << name << " point " << i;
    }
    EXPECT_EQ(o.SectionOutlineX[o.SectionOutlineLast], o.SectionOutlineX[0]) << name;
    EXPECT_EQ(o.SectionOutlineY[o.SectionOutlineLast], o.SectionOutlineY[0]) << name;
}

TEST(SectionOutlinesTest, EveryShapeCodeAtZeroAndNinetyDegrees) {
    for (const OutlineCase& c : Cases()) {
        CatalogueBuilder b;
        int32_t sec = b.Add(0, c.Code, c.Params);
        ExpectOutline(BuildSectionOutline(b.Catalogue, sec, 0, c.Mode), c.Centred, c.Name);
        // A quarter turn clockwise takes (x, y) to (y, -x).
        std::vector<Pt> turned;
        for (Pt p : c.Centred) turned.push_back({p.Y, -p.X});
        ExpectOutline(BuildSectionOutline(b.Catalogue, sec, 90, c.Mode), turned,
                      std::string(c.Name) + " at 90");
    }
}

TEST(SectionOutlinesTest, CentroidAsBuiltIsKept) {
    CatalogueBuilder b;
    int32_t rect = b.Add(0, 1, {30, 50});
    int32_t zero = b.Add(0, 1, {0, 0});
    SectionOutline o = BuildSectionOutline(b.Catalogue, rect, 0, 0);
    EXPECT_FLOAT_EQ(o.SectionOutlineSumX, 15);
    EXPECT_FLOAT_EQ(o.SectionOutlineSumY, 25);
    o = BuildSectionOutline(b.Catalogue, zero, 0, 0);  // no area: not moved
    EXPECT_EQ(o.SectionOutlineSumX, 0);
    EXPECT_EQ(o.SectionOutlineSumY, 0);
    EXPECT_EQ(o.SectionOutlineX[2], 0);
}

TEST(SectionOutlinesTest, CirclesStoreTheirRadiiOnly) {
    CatalogueBuilder b;
    int32_t rect = b.Add(0, 1, {30, 50});
    int32_t solid = b.Add(0, 16, {20});
    int32_t hollow = b.Add(0, 19, {20, 15});
    BuildSectionOutline(b.Catalogue, rect, 30, 0);
    SectionOutline o = BuildSectionOutline(b.Catalogue, solid, 45, 1);
    EXPECT_EQ(o.SectionOutlineLast, 1);
    EXPECT_EQ(o.SectionOutlineX[0], 20);
    EXPECT_EQ(o.SectionOutlineY[0], 0);  // nothing left over from the rectangle
    EXPECT_EQ(o.SectionOutlineSumX, 0);
    o = BuildSectionOutline(b.Catalogue, hollow, 0, 0);
    EXPECT_EQ(o.SectionOutlineLast, 2);
    EXPECT_EQ(o.SectionOutlineX[0], 20);
    EXPECT_EQ(o.SectionOutlineX[1], 15);
}

TEST(SectionOutlinesTest, ReverseKeepsTheEnds) {
    SectionOutline o;
    o.SectionOutlineLast = 9;
    for (int i = 0; i <= 9; ++i) o.SectionOutlineX[i] = static_cast<float>(i);
    ReverseOutline(o);
    const float expected[] = {0, 8, 7, 6, 5, 4, 3, 2, 1, 9};
    for (int i = 0; i <= 9; ++i) EXPECT_EQ(o.SectionOutlineX[i], expected[i]) << i;
}

TEST(SectionOutlinesTest, SectionsOutsideTheCatalogueHaveNoOutline) {
    CatalogueBuilder b;
    b.Add(0, 1, {30, 50});
    EXPECT_EQ(BuildSectionOutline(b.Catalogue, 1, 0, 0).SectionOutlineLast, -1);
    EXPECT_EQ(BuildSectionOutline(b.Catalogue, -1, 0, 0).SectionOutlineLast, -1);
}

struct OffsetCase {
    const char* Name;
    int32_t Code;
    SectionParamRow Params;
    float Angle;
    SectionEdgeOffsets Expected;
};

TEST(SectionEdgeOffsetsTest, ParametricSections) {
    const OffsetCase cases[] = {
        {"rectangle", 1, {30, 50}, 0, {15, -15, 15, -15}},
        {"rectangle at 90", 1, {30, 50}, 90, {25, -25, 25, -25}},
        {"T", 2, {30, 60, 100, 15}, 0, {50, -50, 15, -15}},
        // Codes 5 to 8 take the outline with the leg on the other side.
        {"L 5", 5, {40, 50, 10, 10}, 0, {-2.5f, -12.5f, 27.5f, -12.5f}},
        {"solid circle", 16, {20}, 35, {20, -20, 20, -20}},
        {"hollow circle", 19, {20, 15}, 0, {20, -20, 20, -20}},
    };
    for (const auto& c : cases) {
        CatalogueBuilder b;
        int32_t sec = b.Add(0, c.Code, c.Params);
        SectionEdgeOffsets got = ComputeSectionEdgeOffsets(b.Catalogue, sec, c.Angle);
        EXPECT_NEAR(got.A1, c.Expected.A1, 1e-4) << c.Name;
        EXPECT_NEAR(got.A2, c.Expected.A2, 1e-4) << c.Name;
        EXPECT_NEAR(got.B1, c.Expected.B1, 1e-4) << c.Name;
        EXPECT_NEAR(got.B2, c.Expected.B2, 1e-4) << c.Name;
    }
}

TEST(SectionEdgeOffsetsTest, ServerSections) {
    CatalogueBuilder b;
    ServerSection ipe{"IPE 300", 15, 30, 0, 0, 0, 0, 0};
    ServerSection upn{"UPN 200", 7.5f, 20, 0, 0, 0, 1.74f, 0};
    int32_t ipeRecord = b.AddServer(ipe);
    int32_t upnRecord = b.AddServer(upn);
    int32_t single = b.Add(1, 1, {300, 0, static_cast<float>(ipeRecord)});
    int32_t channel = b.Add(1, 7, {200, 0, static_cast<float>(upnRecord)});
    int32_t coupled = b.Add(2, 7, {200, 100, static_cast<float>(upnRecord)});  // g = 5

    EXPECT_EQ(ComputeSectionEdgeOffsets(b.Catalogue, single, 0), (SectionEdgeOffsets{15, -15, 15, -15}));
    SectionEdgeOffsets turned = ComputeSectionEdgeOffsets(b.Catalogue, single, 90);  // |−hw|
    EXPECT_NEAR(turned.A1, 7.5, 1e-5);
    EXPECT_NEAR(turned.B2, -7.5, 1e-5);
    // A channel: from the centroid, CY below and 2·hh − CY above.
    EXPECT_EQ(ComputeSectionEdgeOffsets(b.Catalogue, channel, 0), (SectionEdgeOffsets{-0.0f, 20, -0.0f, 20}));
    // Coupled code 7: the bottom pair at ±g, the top pair at ±|g − 2·hh|.
    EXPECT_EQ(ComputeSectionEdgeOffsets(b.Catalogue, coupled, 0), (SectionEdgeOffsets{15, -15, 5, -5}));
}

// Sections without an outline or server data give zeros, never values of an earlier call.
TEST(SectionEdgeOffsetsTest, NoOutlineGivesZeros) {
    CatalogueBuilder b;
    b.AddServer({"X", 10, 10, 0, 0, 0, 0, 0});
    int32_t rect = b.Add(0, 1, {30, 50});
    int32_t undefined = b.Add(-1, 0, {});
    int32_t unknownCode = b.Add(1, 20, {1, 0, 0});
    int32_t missingRecord = b.Add(1, 1, {1, 0, 7});
    int32_t otherClass = b.Add(3, 1, {});
    const SectionEdgeOffsets zero{};
    for (int32_t sec : {undefined, unknownCode, missingRecord, otherClass, -1, 99}) {
        ComputeSectionEdgeOffsets(b.Catalogue, rect, 0);
        EXPECT_EQ(ComputeSectionEdgeOffsets(b.Catalogue, sec, 0), zero) << sec;
    }
}

}  // namespace
