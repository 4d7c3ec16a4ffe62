#include "drawing/MasonryTables.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/drawing/MasonryDeck.h"

namespace {

const std::string Phi = "\xD8";

struct Cell {
    std::string text;
    float x, y;  // model cm: a top-aligned DXF text stands 2 cm below its point
};

std::vector<Cell> TableCells(MasonryDeck& deck) {
    std::vector<Cell> cells;
    for (const DxfEntity& e : deck.OnRow(14)) cells.push_back({e.Text, e.X1, e.Y1 + 2});
    return cells;
}

void ExpectCells(const std::vector<Cell>& actual, const std::vector<Cell>& expected, const std::string& what) {
    ASSERT_EQ(actual.size(), expected.size()) << what;
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(actual[i].text, expected[i].text) << what << ", cell " << i;
        EXPECT_FLOAT_EQ(actual[i].x, expected[i].x) << what << ", " << expected[i].text;
        EXPECT_FLOAT_EQ(actual[i].y, expected[i].y) << what << ", " << expected[i].text;
    }
}

// Three reinforced-masonry walls and two bands with every form of the vertical text.
void AddReinforcedMasonry(MasonryDeck& deck) {
    MasonryElement& a = deck.AddWall(0, 400, 0, 30);
    a.Dim1 = 25, a.Dim2 = 19.6f, a.VerticalGroupCount = 2, a.VerticalBarCount = 4;
    a.HorizontalBarCount = 2, a.HorizontalBarDiameter = 8, a.HorizontalBarSpacing = 2;
    MasonryElement& b = deck.AddWall(0, 400, 300, 30);
    b.Dim1 = 50, b.Dim2 = 20, b.VerticalBarCount = 4, b.VerticalBarDiameterB = 16;
    b.HorizontalBarCount = 1, b.HorizontalBarDiameter = 6, b.HorizontalBarSpacing = 3;
    MasonryElement& c = deck.AddWall(0, 400, 600, 30);
    c.Dim1 = 50, c.Dim2 = 20, c.VerticalGroupCount = 2, c.VerticalBarCount = 3, c.VerticalBarDiameterB = 0;
    MasonryElement& p = deck.AddLintel(400, 600, 0, 30);
    p.Dim1 = 120, p.Dim2 = 40, p.VerticalBarCount = 3, p.VerticalBarDiameterB = 0;
    p.BeamBarCount = 3, p.BeamBarDiameter = 14;
    MasonryElement& q = deck.AddLintel(400, 600, 300, 30);
    q.Dim1 = 120, q.Dim2 = 40, q.VerticalGroupCount = 3, q.VerticalBarDiameterA = q.VerticalBarDiameterB = 10;
    q.BeamBarCount = 2, q.BeamBarDiameter = 12;
}

TEST(DrawMasonryTables, RowsStandAtTheirPlacesAtBothScales) {
    for (int32_t scaleIs50 : {1, 0}) {
        MasonryDeck deck(0);
        AddReinforcedMasonry(deck);
        deck.dxf.DxfScaleIs50 = scaleIs50;
        const float f = scaleIs50 ? 1 : 2;
        // Title 210 cm + one row step below the deck, heads 32 × f lower, the first row one row
        // step under the heads, then rows 20 × f apart; the band table starts at 500 × f.
        const float title = scaleIs50 ? -232 : -254, heads = scaleIs50 ? -264 : -318;
        const float row1 = scaleIs50 ? -286 : -362, row2 = scaleIs50 ? -306 : -402, row3 = scaleIs50 ? -326 : -442;
        const float b = 500 * f;
        const std::vector<Cell> expected = {
            {"Pareti muratura armata:", 0, title},
            {"Parete MA", 0, heads}, {"Blocco LxTxH", 80 * f, heads}, {"Armatura vert.", 200 * f, heads},
            {"Armatura oriz.", 320 * f, heads},
            {" 1", 0, row1}, {"25x30x20", 80 * f, row1}, {"2 x (6" + Phi + "12)", 200 * f, row1},
            {"2" + Phi + "8 / 2 corsi", 320 * f, row1},
            {" 2", 0, row2}, {"50x30x20", 80 * f, row2}, {"2" + Phi + "16 + 4" + Phi + "12", 200 * f, row2},
            {"1" + Phi + "6 / 3 corsi", 320 * f, row2},
            {" 3", 0, row3}, {"50x30x20", 80 * f, row3}, {"2 x ( 2" + Phi + "0 + 3" + Phi + "12)", 200 * f, row3},
            {"0" + Phi + "0 / 0 corsi", 320 * f, row3},
            {"Fasce muratura armata:", b, title},
            {"Trave MA", b, heads}, {"Blocco LxTxH", b + 80 * f, heads}, {"Armatura vert.", b + 200 * f, heads},
            {"Armatura oriz.", b + 320 * f, heads},
            // A band without an end-bar diameter takes the one-diameter form.
            {" 1", b, row1}, {"120x30x40", b + 80 * f, row1}, {"5" + Phi + "12", b + 200 * f, row1},
            {"3" + Phi + "14", b + 320 * f, row1},
            {" 2", b, row2}, {"120x30x40", b + 80 * f, row2}, {"3 x (2" + Phi + "10)", b + 200 * f, row2},
            {"2" + Phi + "12", b + 320 * f, row2},
        };
        ExpectCells(TableCells(deck), expected, scaleIs50 ? "1:50" : "1:100");
    }
}

TEST(DrawMasonryTables, BlockSystemTablesShowTheCountTheWallDrawingLeft) {
    MasonryDeck deck(1);
    // 100 cm of bar line between joined ends: three of the five bars wanted fit.
    MasonryElement& w = deck.AddWall(0, 100, 0, 30, MasonryDeck::Joined, MasonryDeck::Joined);
    w.VerticalGroupCount = 2, w.VerticalBarCount = 5, w.HorizontalBarDiameter = 8, w.HorizontalBarSpacing = 2;
    w.Name = "ISO 30";
    deck.AddLintel(400, 600, 0, 30).Name = "ISO A";
    const std::vector<Cell> expected = {
        {"Pareti ISOTEX:", 0, -232},   {"Parete n.", 0, -264},        {"Blocco", 80, -264},
        {"Armatura vert.", 200, -264}, {"Armatura oriz.", 320, -264}, {" 1", 0, -286},
        {"ISO 30", 80, -286},          {"2 x (5" + Phi + "12)", 200, -286},
        {"1" + Phi + "8 / 2", 320, -286},
        {"Architravi ISOTEX:", 500, -232}, {"Architrave", 500, -264}, {"Blocco", 580, -264},
        {"Armatura vert.", 700, -264},     {"Armatura oriz.", 820, -264}, {" 1", 500, -286},
        {"ISO A", 580, -286},              {"2" + Phi + "12", 700, -286}, {"0" + Phi + "0", 820, -286},
    };
    ExpectCells(TableCells(deck), expected, "walls drawn");

    // With the wall layer off the walls are not drawn and the table shows the count as loaded.
    MasonryDeck hidden(1);
    hidden.AddWall(0, 100, 0, 30, MasonryDeck::Joined, MasonryDeck::Joined).VerticalBarCount = 5;
    hidden.drawing.LayerDxfOn[4] = 0;
    const auto cells = TableCells(hidden);
    ASSERT_GE(cells.size(), 8u);
    EXPECT_EQ(cells[7].text, "7" + Phi + "12");
}

TEST(DrawMasonryTables, WithoutLintelsOnlyTheWallTableAndTheListsGoOnBelowItsLastRow) {
    for (int32_t scaleIs50 : {1, 0}) {
        MasonryDeck deck(0);
        for (float y : {0.f, 300.f, 600.f}) deck.AddWall(0, 400, y, 30);
        deck.model.Nodes.push_back({99, 2000, 0, -1});
        deck.model.Pillars.push_back(Pillar{1, 1, deck.model.NodeCount++, 0, 0, 1, 0, 0});
        deck.model.PillarCount = 1;
        deck.dxf.DxfScaleIs50 = scaleIs50;
        const float f = scaleIs50 ? 1 : 2;
        const auto cells = TableCells(deck);
        bool lintelTable = false;
        const Cell* pillarTitle = nullptr;
        for (const Cell& c : cells) {
            lintelTable = lintelTable || c.text.find("Fasce") != std::string::npos;
            if (c.text == "Sezioni dei pilastri:") pillarTitle = &c;
        }
        EXPECT_FALSE(lintelTable);
        ASSERT_NE(pillarTitle, nullptr);
        // Three rows from 22 × f under the heads, each 20 × f: the running y ends one row lower.
        const float lastRow = -210 - 22 * f - 32 * f - 22 * f - 2 * 20 * f;
        EXPECT_FLOAT_EQ(pillarTitle->y, lastRow - 20 * f - 42 * f);
    }
}

TEST(DrawMasonryTables, AMasonryPlanWithoutWallsStillGetsTheWallTitleAndHeads) {
    MasonryDeck deck(0);
    const auto cells = TableCells(deck);
    ASSERT_EQ(cells.size(), 5u);
    EXPECT_EQ(cells[0].text, "Pareti muratura armata:");
    EXPECT_EQ(cells[4].text, "Armatura oriz.");
}

}  // namespace
