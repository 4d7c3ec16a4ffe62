#include "drawing/MasonryWalls.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "state/LayerRows.h"
#include "tests/drawing/MasonryDeck.h"
#include "tests/support/DeckSession.h"

namespace {

constexpr int32_t Closed = MasonryDeck::Closed, Joined = MasonryDeck::Joined;
const std::string Phi = "\xD8";

// The bar markers' circles of a pass: (x, radius) of each, in drawing order.
struct Bar {
    float x, y, r;
};
std::vector<Bar> BarsOf(const std::vector<DxfEntity>& all, const std::string& circleLayer) {
    std::vector<Bar> bars;
    for (const DxfEntity& e : OnLayer(all, circleLayer))
        if (e.Kind == "CIRCLE") bars.push_back({e.X1, e.Y1, e.Size});
    return bars;
}

const DxfEntity* TextOf(const std::vector<DxfEntity>& all, const std::string& text) {
    for (const DxfEntity& e : all)
        if (e.Kind == "TEXT" && e.Text == text) return &e;
    return nullptr;
}

TEST(DrawMasonryWalls, BlockSystemBarsArePackedFromTheStartEvery25CmAndTheCountThatFitsIsKept) {
    MasonryDeck deck(1);
    // A wall joined at both ends: its bar line is the axis, 100 cm; five bars wanted.
    MasonryElement& a = deck.AddWall(0, 100, 0, 30, Joined, Joined);
    a.VerticalBarCount = 5, a.VerticalGroupCount = 2, a.VerticalBarDiameterB = 16;
    // A wall closed at both ends: its bar line runs from 15 to 315; two bars wanted.
    MasonryElement& b = deck.AddWall(0, 330, 200, 30, Closed, Closed);
    b.VerticalBarCount = 2, b.VerticalBarDiameterB = 16;
    const auto all = deck.DxfPass();

    // End bars first (diameter B), then the intermediate ones (diameter A), each a circle of the
    // bar's own radius on the pillar-outline layer.
    const auto bars = BarsOf(all, deck.Layer(2));
    const std::vector<Bar> expected = {{0, 0, 0.8f},   {100, 0, 0.8f},  {25, 0, 0.6f},   {50, 0, 0.6f},
                                       {75, 0, 0.6f},  {15, 200, 0.8f}, {315, 200, 0.8f}, {40, 200, 0.6f},
                                       {65, 200, 0.6f}};
    ASSERT_EQ(bars.size(), expected.size());
    for (size_t i = 0; i < bars.size(); ++i) {
        EXPECT_NEAR(bars[i].x, expected[i].x, 1e-3) << "bar " << i;
        EXPECT_NEAR(bars[i].y, expected[i].y, 1e-3) << "bar " << i;
        EXPECT_NEAR(bars[i].r, expected[i].r, 1e-6) << "bar " << i;
    }
    EXPECT_EQ(deck.model.MasonryWalls[0].VerticalBarCount, 3) << "the fourth would stand on the end";
    EXPECT_EQ(deck.model.MasonryWalls[1].VerticalBarCount, 2);

    // The end bars are labelled with their group and diameter, up and right of a leader.
    std::vector<std::string> labels;
    for (const DxfEntity& e : OnLayer(all, deck.Layer(19))) labels.push_back(e.Text);
    EXPECT_EQ(labels, (std::vector<std::string>{"2" + Phi + "16", "2" + Phi + "16", Phi + "16", Phi + "16"}));
    const DxfEntity* label = TextOf(all, "2" + Phi + "16");
    ASSERT_NE(label, nullptr);
    EXPECT_FLOAT_EQ(label->X1, 30);
    EXPECT_FLOAT_EQ(label->Y1, 35);

    // The wall's number T + 2 to the right of its bar line, the intermediate bars 22 cm to its left.
    const DxfEntity* name = TextOf(all, "Par. 1");
    const DxfEntity* bars1 = TextOf(all, "vert. int. " + Phi + "12");
    ASSERT_NE(name, nullptr);
    ASSERT_NE(bars1, nullptr);
    EXPECT_FLOAT_EQ(name->X1, 50);
    EXPECT_FLOAT_EQ(name->Y1, -32);
    EXPECT_FLOAT_EQ(bars1->Y1, 22);
    EXPECT_EQ(name->Layer, deck.Layer(15));

    // A second pass keeps the count it found.
    deck.DxfPass();
    EXPECT_EQ(deck.model.MasonryWalls[0].VerticalBarCount, 3);
}

TEST(DrawMasonryWalls, FacesAndOnlyTheClosedEndsAreDrawn) {
    MasonryDeck deck(0);
    deck.AddWall(0, 400, 0, 30, Joined, Closed);
    const auto lines = deck.OnRow(4);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_FLOAT_EQ(lines[0].Y1, -15);
    EXPECT_FLOAT_EQ(lines[1].Y1, 15);
    EXPECT_FLOAT_EQ(lines[2].X1, 400) << "the end line at end B";
    EXPECT_FLOAT_EQ(lines[2].X2, 400);
}

TEST(DrawMasonryWalls, ReinforcedMasonryCountsItsBarsInTheTextAlongTheWall) {
    MasonryDeck deck(0);
    deck.AddWall(0, 400, 0, 30).VerticalBarCount = 4;
    deck.AddWall(0, 400, 300, 30).VerticalBarCount = 0;
    deck.AddWall(0, 30, 600, 30).VerticalBarCount = 4;  // closed ends one thickness apart: no bar line
    MasonryElement& lost = deck.AddWall(0, 400, 900, 30);
    lost.VerticalBarCount = 7, lost.NodeJ = 99;

    const auto all = deck.DxfPass();
    EXPECT_TRUE(BarsOf(all, deck.Layer(2)).empty()) << "no bar symbols in reinforced masonry";
    std::vector<std::string> texts;
    for (const DxfEntity& e : OnLayer(all, deck.Layer(15))) texts.push_back(e.Text);
    const std::vector<std::string> expected = {"Par. 1", " 6 " + Phi + "12  vert.", "Par. 2", "2 " + Phi + "12  vert.",
                                               "Par. 3", " 2 " + Phi + "12  vert."};
    EXPECT_EQ(texts, expected) << "the wall with a node outside the table is left out";
    const DxfEntity* first = TextOf(all, " 6 " + Phi + "12  vert.");
    ASSERT_NE(first, nullptr);
    EXPECT_FLOAT_EQ(first->X1, 200);
    EXPECT_FLOAT_EQ(first->Y1, -46);

    EXPECT_EQ(deck.model.MasonryWalls[0].VerticalBarCount, 4);
    EXPECT_EQ(deck.model.MasonryWalls[2].VerticalBarCount, 0);
    EXPECT_EQ(deck.model.MasonryWalls[3].VerticalBarCount, 7);
    EXPECT_NE(TextOf(deck.DxfPass(), "2 " + Phi + "12  vert."), nullptr);
    EXPECT_EQ(TextOf(deck.DxfPass(), " 2 " + Phi + "12  vert."), nullptr) << "the wall without a bar line now has none";
}

TEST(DrawMasonryWalls, AHugeWantedCountIsSettledWithoutWalkingEveryPosition) {
    MasonryDeck blocks(1);
    blocks.AddWall(0, 400, 0, 30).VerticalBarCount = 2'000'000'000;
    blocks.AddWall(0, 400, 300, 30, Joined, Joined).VerticalBarCount = 2'147'483'647;
    blocks.DxfPass();
    EXPECT_EQ(blocks.model.MasonryWalls[0].VerticalBarCount, 14) << "370 cm of bar line: bars at 25 .. 350";
    EXPECT_EQ(blocks.model.MasonryWalls[1].VerticalBarCount, 15) << "400 cm of bar line: bars at 25 .. 375";

    MasonryDeck masonry(0);
    masonry.AddWall(0, 400, 0, 30).VerticalBarCount = 2'147'483'647;
    const auto texts = masonry.OnRow(15);
    const int32_t placed = masonry.model.MasonryWalls[0].VerticalBarCount;
    EXPECT_GT(placed, 2'000'000'000);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[1].Text, " " + std::to_string(int64_t{placed} + 2) + " " + Phi + "12  vert.")
        << "the two end bars added without overflow";
}

TEST(DrawMasonryBeams, LintelsGetTheirFacesAndNumberOnly) {
    MasonryDeck deck(1);
    deck.AddLintel(0, 200, 0, 30);
    const auto all = deck.DxfPass();
    EXPECT_EQ(OnLayer(all, deck.Layer(7)).size(), 2u);
    const auto labels = OnLayer(all, deck.Layer(17));
    ASSERT_EQ(labels.size(), 1u);
    EXPECT_EQ(labels[0].Text, "1");
    EXPECT_FLOAT_EQ(labels[0].X1, 100);
    EXPECT_FLOAT_EQ(labels[0].Y1, -32);
    EXPECT_TRUE(BarsOf(all, deck.Layer(2)).empty());
}

TEST(DrawMasonryWalls, TheFittedCountIsWhatTheDataFileSaves) {
    DeckSession deck;
    ASSERT_TRUE(deck.Load(std::string(DRAVO_EXAMPLES) + "/masonry/CASA.CRP"));
    // Wall 1 runs from node 1 (joined) to 300 cm on (closed): 285 cm of bar line, room for 11 holes.
    deck.model.MasonryIsIsotex = 1;
    deck.model.MasonryWalls[0].VerticalBarCount = 40;
    DxfWriterState writer;
    deck.drawing.LayerDxfOn[4] = 1;
    DrawPlanIntoDxf(deck, writer);
    EXPECT_EQ(deck.model.MasonryWalls[0].VerticalBarCount, 11);

    DeckSession reloaded;
    ASSERT_TRUE(reloaded.LoadText(std::string(DRAVO_EXAMPLES) + "/masonry/CASA.CRP", deck.SavedText()));
    EXPECT_EQ(reloaded.model.MasonryWalls[0].VerticalBarCount, 11);
}

// The count is lowered by a pass that draws the walls, on the screen or into a file, and by no
// other pass.
TEST(DrawMasonryWalls, OnlyAPassWithTheWallsSwitchedOnLowersTheirCount) {
    DeckSession deck;
    ASSERT_TRUE(deck.Load(std::string(DRAVO_EXAMPLES) + "/masonry/CASA.CRP"));
    deck.model.MasonryIsIsotex = 1;
    deck.model.MasonryWalls[0].VerticalBarCount = 40;
    deck.drawing.LayerDxfOn[LayerRow::WallOutlines] = 0;
    deck.drawing.LayerScreenOn[LayerRow::WallOutlines] = 0;
    DxfWriterState writer;
    DrawPlanIntoDxf(deck, writer);
    RecordingCanvas canvas;
    DrawPlanOnCanvas(deck, canvas);
    EXPECT_EQ(deck.model.MasonryWalls[0].VerticalBarCount, 40);

    deck.drawing.LayerScreenOn[LayerRow::WallOutlines] = 1;
    DrawPlanOnCanvas(deck, canvas);
    EXPECT_EQ(deck.model.MasonryWalls[0].VerticalBarCount, 11);
}

}  // namespace
