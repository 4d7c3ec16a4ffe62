#include "drawing/MemberAxes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/drawing/PlanFixture.h"
#include "tests/support/DeckBuilder.h"

namespace {

// Beam 7 of three elements of one section along y = 0; beam 8 of three elements along y = 600
// whose third changes section; an element of no beam from (0, 0) up to (0, 600); wall group 3 of
// two segments.
struct Members : PlanFixture {
    int32_t Rect30x50 = 0, Rect30x60 = 0;
    Members() {
        DeckBuilder d;
        Rect30x50 = d.RectangleSection(30, 50);
        Rect30x60 = d.RectangleSection(30, 60);
        for (float x : {0.f, 500.f, 1000.f, 1500.f}) d.AddNode(x, 0);
        for (float x : {0.f, 500.f, 1000.f, 1500.f}) d.AddNode(x, 600);
        d.AddNode(2000, 0), d.AddNode(2000, 600);
        const struct {
            int32_t i, j, section, beam;
        } elements[] = {{0, 1, Rect30x50, 7}, {1, 2, Rect30x50, 7}, {2, 3, Rect30x50, 7},
                        {4, 5, Rect30x50, 8}, {5, 6, Rect30x50, 8}, {6, 7, Rect30x60, 8},
                        {0, 4, Rect30x50, -1}};
        for (const auto& e : elements) d.M.BeamElements[d.AddBeam(e.i, e.j, e.section)].BeamNumber = e.beam;
        d.AddWall(3, 8, 30, 3);
        d.AddWall(8, 9, 30, 3);
        model = d.M;
    }
    std::vector<DxfEntity> On(int row) { return OnLayer(DxfPass(), Layer(row)); }
    // The bookkeeping of a DXF pass that draws the axes and marks alone.
    LegendBookkeeping SectionsMarked() {
        DxfPlanOutput out = DxfOutput();
        PlanPass pass = BeginPlanPass(out, *this);
        DrawMemberAxesAndSectionMarks(pass);
        return pass.Legend;
    }
};

std::vector<std::string> Texts(const std::vector<DxfEntity>& entities) {
    std::vector<std::string> texts;
    for (const DxfEntity& e : entities)
        if (e.Kind == "TEXT") texts.push_back(e.Text);
    return texts;
}

TEST(MiddleOfRun, HalvesGoToTheEvenIndex) {
    const struct {
        int32_t first, last, middle;
    } cases[] = {{0, 0, 0}, {0, 1, 0}, {1, 2, 2}, {0, 3, 2}, {2, 3, 2}, {3, 5, 4}, {4, 5, 4}};
    for (const auto& c : cases) EXPECT_EQ(MiddleOfRun(c.first, c.last), c.middle) << c.first << ".." << c.last;
}

TEST(MemberAxes, EveryMemberGetsABrokenAxisAndEachBeamAMarkWhereItsSectionBeginsOrChanges) {
    Members m;
    const auto axes = m.On(0);
    ASSERT_EQ(axes.size(), 9u);  // seven beam elements, two wall segments
    for (const DxfEntity& a : axes) EXPECT_EQ(a.LineType, "DASHED");

    // Marks on elements 0 (beam 7), 3 (beam 8), 5 (its section changes) and 6 (no beam).
    const auto sections = m.On(11);
    std::vector<std::string> texts = Texts(sections);
    EXPECT_EQ(texts, (std::vector<std::string>{"1", "1", "1", "1", "2", "2", "1", "1"}));
    ASSERT_EQ(sections.size(), 12u);

    // The first mark crosses beam 7 at its quarter point, at right angles, on either side of the
    // axis; its numbers stand 24 cm towards the beam's start, along the beam.
    const DxfEntity& cut = sections[0];
    EXPECT_EQ(cut.Kind, "LINE");
    EXPECT_EQ(cut.LineType, "DASHED");
    EXPECT_FLOAT_EQ(cut.X1, 125);
    EXPECT_FLOAT_EQ(cut.X2, 125);
    EXPECT_FLOAT_EQ(cut.Y1, -cut.Y2);
    EXPECT_GT(cut.Y2, 20);
    for (int k : {1, 2}) {
        EXPECT_FLOAT_EQ(sections[k].X1, 101) << k;
        EXPECT_FLOAT_EQ(sections[k].Rotation, 0) << k;
    }
    const std::vector<int32_t> used = m.SectionsMarked().BeamSectionUsed;
    EXPECT_EQ(used[m.Rect30x50 - 1], 1);
    EXPECT_EQ(used[m.Rect30x60 - 1], 1);
}

TEST(MemberAxes, WithTheAxesOffNeitherAxesNorMarksAreDrawnNorSectionsRecorded) {
    Members m;
    m.drawing.LayerDxfOn[0] = 0;
    const auto entities = m.DxfPass();
    EXPECT_TRUE(OnLayer(entities, m.Layer(0)).empty());
    EXPECT_TRUE(OnLayer(entities, m.Layer(11)).empty());
    const std::vector<int32_t> used = m.SectionsMarked().BeamSectionUsed;
    EXPECT_TRUE(std::all_of(used.begin(), used.end(), [](int32_t marked) { return marked == 0; }));

    Members sectionsOff;
    sectionsOff.drawing.LayerDxfOn[11] = 0;
    EXPECT_EQ(sectionsOff.On(0).size(), 9u);
    EXPECT_TRUE(sectionsOff.On(11).empty());
}

TEST(MemberLabels, EachBeamAndWallGroupIsLabelledOnceOnItsMiddleElement) {
    const struct {
        int32_t language, sizes;
        std::vector<std::string> beams;
        std::string wall;
    } cases[] = {
        {0, 0, {"Tr.7", "Tr.8"}, "M.3"},
        {1, 0, {"B.7", "B.8"}, "W.3"},
        {0, 1, {"Tr.7  30x50", "Tr.8  30x50"}, "M.3"},
    };
    for (const auto& c : cases) {
        Members m;
        m.shell.Languages.DrawingLanguage = c.language;
        m.dxf.BeamSectionLabels = c.sizes;
        const auto beams = m.On(17);
        EXPECT_EQ(Texts(beams), c.beams);
        ASSERT_EQ(beams.size(), 2u);
        // On elements 1 and 4, the middle ones of their runs, centred and along them.
        EXPECT_FLOAT_EQ(beams[0].X1, 750);
        EXPECT_FLOAT_EQ(beams[0].Y1, 0);
        EXPECT_FLOAT_EQ(beams[1].X1, 750);
        EXPECT_FLOAT_EQ(beams[1].Y1, 600);
        const auto walls = m.On(15);
        ASSERT_EQ(walls.size(), 1u);
        EXPECT_EQ(walls[0].Text, c.wall);
        EXPECT_FLOAT_EQ(walls[0].X1, 1750);  // the first segment of the run of two
    }
}

TEST(MemberLabels, ConsecutiveBeamsOfOneNumberShareOneLabelAndOnlyARectangleAddsItsSizes) {
    Members m;
    m.dxf.BeamSectionLabels = 1;
    for (BeamElement& e : m.model.BeamElements) e.BeamNumber = 9;  // one run of seven
    m.model.Catalogue.SectionShape[m.Rect30x50 - 1] = 4;          // circular: no sizes
    EXPECT_EQ(Texts(m.On(17)), std::vector<std::string>{"Tr.9"});
}

TEST(MemberAxes, AMemberWhoseNodeIsNotInTheTableIsLeftOut) {
    Members m;
    m.model.BeamElements[1].NodeJ = 99;
    m.model.WallSegments[0].NodeI = -1;
    EXPECT_EQ(m.On(0).size(), 7u);
    EXPECT_EQ(Texts(m.On(17)), (std::vector<std::string>{"Tr.8"}));  // beam 7's middle element is the bad one
}

}  // namespace
