#include "drawing/Legends.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/sections/SectionTexts.h"
#include "tests/drawing/MasonryDeck.h"
#include "tests/drawing/PlanFixture.h"
#include "tests/support/DeckBuilder.h"

namespace {

struct Row {
    std::string text;
    float x, y;  // model cm: a top-aligned DXF text stands 2 cm below its point
};

std::vector<Row> RowsOn14(const std::vector<DxfEntity>& all, const PlanFixture& deck) {
    std::vector<Row> rows;
    for (const DxfEntity& e : OnLayer(all, deck.Layer(14))) rows.push_back({e.Text, e.X1, e.Y1 + 2});
    return rows;
}

const Row* Find(const std::vector<Row>& rows, const std::string& text) {
    for (const Row& r : rows)
        if (r.text == text) return &r;
    return nullptr;
}

// Sections 1 to 4 (rectangles), two pillars, a beam, two floor slabs.
struct ListDeck : PlanFixture {
    ListDeck() {
        DeckBuilder d;
        for (float h : {30.f, 40.f, 50.f, 60.f}) d.RectangleSection(30, h);
        d.AddNode(0, 0), d.AddNode(500, 0);
        d.AddPillar(0), d.AddPillar(1);
        d.AddBeam(0, 1, 4);
        model = d.M;
        model.FloorSlabs.resize(2);
        model.FloorSlabs[0].Number = 1, model.FloorSlabs[0].SectionNumber = 2, model.FloorSlabs[0].Thickness = 24;
        model.FloorSlabs[0].Area = -123000;
        model.FloorSlabs[1].Number = 2, model.FloorSlabs[1].SectionNumber = 2, model.FloorSlabs[1].Thickness = 24;
        model.FloorSlabs[1].Area = 220900;
        model.FloorSlabCount = 2;
    }
    std::string Section(int32_t sec) const { return GetSectionText(model.Catalogue, sec, shell.Languages); }
    std::string SlabType() const {
        return GetFloorSlabTypeText(model.Catalogue, 1, 24, shell.Languages, shell.Options);
    }
    // The lists alone, from the running y the driver hands over, with the bookkeeping of a pass
    // whose pillars 3 and 5 have section 2 and pillar 4 section 3, and whose beams show section 4.
    std::vector<Row> Lists(int32_t scaleIs50, float runningY) {
        writer = DxfWriterState{};
        dxf.DxfScaleIs50 = scaleIs50;
        DxfPlanOutput out = DxfOutput();
        PlanPass pass = BeginPlanPass(out, *this);
        pass.Legend.PillarListBySection[1] = ", 3, 5";
        pass.Legend.PillarListBySection[2] = ", 4";
        pass.Legend.BeamSectionUsed[3] = 1;
        DrawSectionListsAndSlabTable(pass, runningY);
        return RowsOn14(ReadEntities(writer.EntitySpool), *this);
    }
};

TEST(DrawLegendOfAbbreviations, SixLinesOneRowStepApartThenThePillarListTitle) {
    for (int32_t scaleIs50 : {1, 0}) {
        for (int32_t language : {0, 1}) {
            ListDeck deck;
            deck.dxf.DxfScaleIs50 = scaleIs50;
            deck.shell.Languages.DrawingLanguage = language;
            const auto rows = RowsOn14(deck.DxfPass(), deck);
            const float step = scaleIs50 ? 22 : 44;
            const float first = scaleIs50 ? -232 : -254;
            const std::vector<std::string> italian = {"Significato delle sigle:", "Tr. - travata", "P. - pilastrata",
                                                      "M. - parete in c.a.", "PL. - plinto", "S. - solaio"};
            const std::vector<std::string> english = {"Symbols caption:", "B. - beam", "P. - pillar",
                                                      "W. - concrete wall", "I.F. - isolated footing",
                                                      "S. - floor slab"};
            const auto& lines = language == 0 ? italian : english;
            for (size_t i = 0; i < lines.size(); ++i) {
                const Row* r = Find(rows, lines[i]);
                ASSERT_NE(r, nullptr) << lines[i];
                EXPECT_FLOAT_EQ(r->x, 0);
                EXPECT_FLOAT_EQ(r->y, first - step * static_cast<float>(i)) << lines[i];
            }
            const Row* title = Find(rows, language == 0 ? "Sezioni dei pilastri:" : "Sections of the pillars:");
            ASSERT_NE(title, nullptr);
            EXPECT_FLOAT_EQ(title->y, scaleIs50 ? -384 : -558);
        }
    }
}

TEST(DrawLegendOfAbbreviations, OnlyPlansThatAreNoMasonryPlansGetIt) {
    MasonryDeck masonry(0);
    masonry.AddWall(0, 400, 0, 30);
    EXPECT_EQ(Find(RowsOn14(masonry.DxfPass(), masonry), "Significato delle sigle:"), nullptr);

    ListDeck frame;
    frame.model.MasonryWalls = masonry.model.MasonryWalls;
    frame.model.MasonryWallCount = 1;
    const auto rows = RowsOn14(frame.DxfPass(), frame);
    EXPECT_NE(Find(rows, "Significato delle sigle:"), nullptr);
    EXPECT_EQ(Find(rows, "Pareti muratura armata:"), nullptr);
}

TEST(DrawSectionListsAndSlabTable, ListsAndTableStackDownFromTheRunningY) {
    ListDeck deck;
    const std::vector<Row> expected = {
        {"Sezioni dei pilastri:", 0, -384},
        {"Sezione " + deck.Section(1) + ", Pil. n.  3, 5", 0, -406},
        {"Sezione " + deck.Section(2) + ", Pil. n.  4", 0, -428},
        {"Sezioni delle travi:", 0, -468},
        {"Sezione tipo 4-4,  " + deck.Section(3), 0, -490},
        {"Solai:", 0, -530},
        {"n.", 0, -552}, {"tipo solaio", 70, -552}, {"superficie", 365, -552},
        {"S.1", 0, -574}, {deck.SlabType(), 70, -574}, {"12.3 mq", 430, -574},
        {"S.2", 0, -596}, {deck.SlabType(), 70, -596}, {"22.1 mq", 430, -596},
    };
    ASSERT_NE(deck.Section(1), deck.Section(2)) << "sections told apart by their texts";
    const auto rows = deck.Lists(1, -384);
    ASSERT_EQ(rows.size(), expected.size());
    for (size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].text, expected[i].text) << "row " << i;
        EXPECT_FLOAT_EQ(rows[i].x, expected[i].x) << expected[i].text;
        EXPECT_FLOAT_EQ(rows[i].y, expected[i].y) << expected[i].text;
    }
}

TEST(DrawSectionListsAndSlabTable, ColumnsAndStepsFollowTheScaleTheLanguageAndTheJoistLabels) {
    const struct {
        int32_t scaleIs50, joistLabels;
        float type, heading, area;
    } cases[] = {{1, 1, 70, 405, 470}, {1, 0, 70, 365, 430}, {0, 1, 190, 1150, 1280}, {0, 0, 190, 990, 1120}};
    for (const auto& c : cases) {
        ListDeck deck;
        deck.shell.Languages.DrawingLanguage = 1;
        deck.shell.Options.JoistTypeLabels = c.joistLabels;
        const auto rows = deck.Lists(c.scaleIs50, -558);
        ASSERT_EQ(rows.size(), 15u);
        EXPECT_EQ(rows[1].text, deck.Section(1) + ", Pillars n.  3, 5");
        EXPECT_EQ(rows[4].text, "Section type 4-4,  " + deck.Section(3));
        EXPECT_EQ(rows[8].text, "area");
        EXPECT_FLOAT_EQ(rows[7].x, c.type);
        EXPECT_FLOAT_EQ(rows[8].x, c.heading);
        EXPECT_FLOAT_EQ(rows[11].x, c.area);
        const float f = c.scaleIs50 ? 1 : 2;
        EXPECT_FLOAT_EQ(rows[3].y, -558 - 2 * 22 * f - 40 * f) << "the beam list title";
        EXPECT_FLOAT_EQ(rows[14].y, rows[5].y - 3 * 22 * f) << "the last slab";
    }
}

TEST(DrawSectionListsAndSlabTable, NothingWithThePillarTextLayerOff) {
    ListDeck deck;
    deck.drawing.LayerDxfOn[14] = 0;
    EXPECT_TRUE(deck.Lists(1, -384).empty());
    const auto rows = RowsOn14(deck.DxfPass(), deck);
    EXPECT_NE(Find(rows, "Significato delle sigle:"), nullptr) << "the legend has no switch of its own";
    EXPECT_EQ(Find(rows, "Sezioni dei pilastri:"), nullptr);
}

}  // namespace
