#include "drawing/PlanDriver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <set>
#include <string>
#include <vector>

#include "tests/drawing/PlanFixture.h"
#include "tests/support/DeckSession.h"
#include "tests/support/TwoBayFrame.h"

namespace {

// The two-bay frame with a wall, footings under four nodes, a dimension, and steel pillars: a
// rolled profile at node 1 (main), coupled profiles at node 2 (a pillar of the other side).
struct FrameDeck : PlanFixture {
    int32_t Profile = 0, Coupled = 0;
    FrameDeck() {
        TwoBayFrame f;
        DeckBuilder& d = f.D;
        Profile = d.ProfileSection(20, 10);
        Coupled = d.ProfileSection(8, 20);
        d.M.Catalogue.SectionClass[Coupled - 1] = CoupledProfiles;
        d.M.Catalogue.SectionShape[Coupled - 1] = 8;
        d.M.Pillars[1].SectionNumber = Profile;
        d.M.Pillars[2].SectionNumber = Coupled;
        d.M.Pillars[2].Side = 1;
        const int32_t a = d.AddNode(1500, 0), b = d.AddNode(1500, 400);
        d.AddWall(a, b, 30, 4);
        for (int32_t node : {0, 1, 2, 3}) d.M.Nodes[static_cast<size_t>(node)].FootingType = 1;
        d.Derive();
        model = d.M;
        model.Dimensions = {Dimension{0, -100, 1000, -100, "1000", 0, 0, 1000, 0}};
        model.DimensionCount = 1;
    }
    std::vector<DxfEntity> OnRow(int row) { return OnLayer(DxfPass(), Layer(row)); }
};

// Positions in `all` of the entities on any of the rows.
std::vector<size_t> PositionsOn(const FrameDeck& deck, const std::vector<DxfEntity>& all, std::set<int> rows) {
    std::vector<size_t> at;
    for (size_t i = 0; i < all.size(); ++i)
        for (int row : rows)
            if (all[i].Layer == deck.Layer(row)) at.push_back(i);
    std::sort(at.begin(), at.end());
    return at;
}

TEST(PlanDriver, TheTitleComesFirstThenEveryStepInTheDriversOrder) {
    FrameDeck deck;
    const auto all = deck.DxfPass();
    ASSERT_FALSE(all.empty());
    EXPECT_EQ(all[0].Layer, "TESTO_TITOLI");
    EXPECT_EQ(all[0].Text, "Impalcato a quota 0.0");
    // Steps by the layers only they draw on in this deck.
    const std::vector<std::set<int>> steps = {{12}, {7}, {8}, {3}, {16}, {0, 11}, {18}, {17}, {15}};
    for (size_t s = 0; s + 1 < steps.size(); ++s) {
        const auto before = PositionsOn(deck, all, steps[s]);
        const auto after = PositionsOn(deck, all, steps[s + 1]);
        ASSERT_FALSE(before.empty()) << "step " << s;
        ASSERT_FALSE(after.empty()) << "step " << s + 1;
        EXPECT_LT(before.back(), after.front()) << "step " << s << " before step " << s + 1;
    }
}

TEST(PlanDriver, OnTheDemoDeckEveryElementKindComesInTheDriversOrder) {
    DeckSession demo;
    SetDefaultScreenColors(demo.drawing);
    SetDefaultLayersAndOptions(demo.drawing, demo.shell.Options, demo.design, demo.dxf);
    demo.dxf.DxfR12 = 1;
    ASSERT_TRUE(demo.Load(std::string(DRAVO_EXAMPLES) + "/frame/DEMO.CRP")) << demo.Messages();
    DxfWriterState writer;
    DrawPlanIntoDxf(demo, writer);
    const auto all = ReadEntities(writer.EntitySpool);
    ASSERT_FALSE(all.empty());
    EXPECT_EQ(all[0].Layer, "TESTO_TITOLI");
    // Steps by layers only they draw on in the demo deck: concrete slabs, floor slabs, rebars,
    // walls, extrados, intrados, pillars, steel pillars, footings, axes and sections, dimension
    // texts, beam labels, wall labels.
    const std::vector<std::set<std::string>> steps = {
        {"TESTO_TITOLI"},  {"PERIM_SOLETTE", "TRATTEGGIO_SOLETTE"}, {"PERIM_SOLAI", "TRATTEGGIO_SOLAI"},
        {"ARMATURA_SOLAI", "TESTO_FERRI"}, {"PERIM_SETTI", "TRATTEGGIO_SETTI"}, {"TRAVI_ESTRADOSSO"},
        {"TRAVI_INTRADOSSO"}, {"PERIM_PILASTRI", "TRATTEGGIO_PILASTRI", "PERIM_PILASTRI_SUP"},
        {"PILASTRI_ACCIAIO"}, {"PLINTI"}, {"ASSI", "SEZIONI"}, {"TESTO_QUOTE"}, {"TESTO_TRAVI"},
        {"TESTO_SETTI"}};
    std::vector<std::pair<size_t, size_t>> spans;  // first and last position of each step
    for (const auto& layers : steps) {
        size_t first = all.size(), last = 0;
        for (size_t i = 0; i < all.size(); ++i)
            if (layers.count(all[i].Layer)) first = std::min(first, i), last = std::max(last, i);
        ASSERT_LT(first, all.size()) << *layers.begin() << " drew nothing";
        spans.emplace_back(first, last);
    }
    for (size_t s = 0; s + 1 < spans.size(); ++s)
        EXPECT_LT(spans[s].second, spans[s + 1].first) << *steps[s].begin() << " before " << *steps[s + 1].begin();
}

TEST(PlanDriver, EachHatchIsSweptOnceAndDrawnAgainFromTheKeptLinesToTheLastBit) {
    DeckSession demo;
    SetDefaultScreenColors(demo.drawing);
    SetDefaultLayersAndOptions(demo.drawing, demo.shell.Options, demo.design, demo.dxf);
    ASSERT_TRUE(demo.Load(std::string(DRAVO_EXAMPLES) + "/frame/DEMO.CRP")) << demo.Messages();
    DisplayOptions& d = demo.drawing.Display;
    d.WallDisplayMode = d.FloorSlabDisplayMode = d.ConcreteSlabDisplayMode = d.PillarDisplayMode = 1;
    demo.drawing.View.ViewScale = 0.5f;
    demo.drawing.View.CanvasHeightPx = 600;
    const auto lines = [&demo] {
        demo.canvas.ClearRecords();
        DrawPlanOnCanvas(demo, demo.canvas);
        std::vector<uint32_t> bits;
        for (const CanvasRecord& r : demo.canvas.RecordsOf(CanvasCall::Line))
            for (float v : {r.X1, r.Y1, r.X2, r.Y2}) bits.push_back(std::bit_cast<uint32_t>(v));
        return bits;
    };
    ASSERT_EQ(demo.model.HatchLines.EntryCount(), 0u);
    const std::vector<uint32_t> swept = lines();
    const size_t hatches = demo.model.HatchLines.EntryCount();
    EXPECT_GE(hatches, 4u) << "floor slabs, the concrete slab, walls and pillars";
    EXPECT_EQ(lines(), swept);
    EXPECT_EQ(demo.model.HatchLines.EntryCount(), hatches);
    DxfWriterState writer;
    DrawPlanIntoDxf(demo, writer);
    EXPECT_EQ(demo.model.HatchLines.EntryCount(), hatches) << "the DXF pass hatches the same outlines";

    Model without = demo.model;
    without.HatchLines.Clear();
    EXPECT_EQ(without, demo.model) << "what is kept is no part of the deck";
}

TEST(PlanDriver, SwitchingALayerOffRemovesExactlyItsStep) {
    const struct {
        int switchRow;
        std::set<int> mayGo;   // the layers its step draws on
        std::set<int> allGo;   // layers only its step draws on in this deck
    } cases[] = {
        {7, {7}, {7}},
        {8, {8}, {8}},
        {3, {3, 9, 14}, {3}},
        {21, {14, 21}, {}},
        {6, {6, 16}, {16}},
        // Without the section marks the beam section list loses its rows (layer 14).
        {0, {0, 9, 11, 14}, {0, 11}},
        {11, {11, 14}, {11}},
        {9, {9, 18}, {18}},
        {17, {17}, {17}},
        {15, {15}, {15}},
    };
    FrameDeck full;
    const auto all = full.DxfPass();
    for (const auto& c : cases) {
        FrameDeck deck;
        deck.drawing.LayerDxfOn[static_cast<size_t>(c.switchRow)] = 0;
        const auto left = deck.DxfPass();
        // What is left is what was there, in the same order, less entities of the step's layers.
        size_t i = 0;
        size_t removed = 0;
        for (const DxfEntity& e : all) {
            if (i < left.size() && left[i].Kind == e.Kind && left[i].Layer == e.Layer && left[i].Text == e.Text &&
                left[i].X1 == e.X1 && left[i].Y1 == e.Y1) {
                ++i;
                continue;
            }
            ++removed;
            bool allowed = false;
            for (int row : c.mayGo) allowed = allowed || e.Layer == deck.Layer(row);
            EXPECT_TRUE(allowed) << "switch " << c.switchRow << " removed an entity on " << e.Layer;
        }
        EXPECT_EQ(i, left.size()) << "switch " << c.switchRow << " left an entity the full pass does not have";
        EXPECT_GT(removed, 0u) << "switch " << c.switchRow;
        for (int row : c.allGo) EXPECT_TRUE(OnLayer(left, deck.Layer(row)).empty()) << "switch " << c.switchRow;
    }
}

TEST(PlanDriver, SteelPillarsGetACrossALabelBesideTheirOwnOutlineAndTheirShape) {
    FrameDeck deck;
    const auto all = deck.DxfPass();
    // The cross of the two steel pillars, on the dimension layer.
    std::vector<DxfEntity> crosses;
    for (const DxfEntity& e : OnLayer(all, "QUOTE"))
        if (e.Kind == "LINE" && std::max(std::abs(e.X2 - e.X1), std::abs(e.Y2 - e.Y1)) == 6) crosses.push_back(e);
    ASSERT_EQ(crosses.size(), 4u);
    EXPECT_FLOAT_EQ(crosses[0].X1, 503);
    EXPECT_FLOAT_EQ(crosses[2].X1, 1003);

    // Only the main pillar is labelled, right of its flange tips at x = 505 (a top-aligned DXF text
    // stands 2 cm below its point).
    std::vector<DxfEntity> labels;
    for (const DxfEntity& e : OnLayer(all, "TESTO_PILASTRI"))
        if (e.Y1 > -10 && e.Y1 < 100 && e.X1 > 500 && e.X1 < 600) labels.push_back(e);
    ASSERT_EQ(labels.size(), 2u);
    EXPECT_EQ(labels[0].Text, "P.2");
    EXPECT_EQ(labels[1].Text, "PROFILE");
    EXPECT_FLOAT_EQ(labels[0].X1, 510);
    EXPECT_FLOAT_EQ(labels[0].Y1, 18);
    EXPECT_FLOAT_EQ(labels[1].Y1, -2);

    // An I outline of three lines, two channels of three lines each.
    EXPECT_EQ(OnLayer(all, "PILASTRI_ACCIAIO").size(), 9u);

    deck.drawing.LayerDxfOn[0] = 0;
    EXPECT_EQ(OnLayer(deck.DxfPass(), "PILASTRI_ACCIAIO").size(), 9u) << "the shape does not hang on the axes";
}

TEST(PlanDriver, FootingLabelsNameTheirNodeInTheDrawingLanguage) {
    for (int32_t language : {0, 1}) {
        FrameDeck deck;
        deck.shell.Languages.DrawingLanguage = language;
        const auto labels = deck.OnRow(16);
        ASSERT_EQ(labels.size(), 4u);
        EXPECT_EQ(labels[0].Text, language == 0 ? "PL.1" : "I.F.1");
        EXPECT_EQ(labels[3].Text, language == 0 ? "PL.4" : "I.F.4");
        EXPECT_FLOAT_EQ(labels[1].X1, 540);
        EXPECT_FLOAT_EQ(labels[1].Y1, -42);  // top-aligned: 2 cm below its point in DXF
    }
}

TEST(PlanDriver, RecordsThatPointOutsideTheirTablesAreLeftOut) {
    FrameDeck deck;
    const size_t extrados = deck.OnRow(7).size();
    deck.model.BeamExtradosEdges[0].PlanNodeB = deck.model.PlanNodeCount + 5;
    deck.model.Pillars[1].Node = 99;
    deck.model.Pillars[2].SectionNumber = 77;
    deck.model.DimensionCount = 3;  // two more than the table holds
    const auto all = deck.DxfPass();
    EXPECT_EQ(OnLayer(all, deck.Layer(7)).size(), extrados - 1);
    EXPECT_TRUE(OnLayer(all, "PILASTRI_ACCIAIO").empty());
}

TEST(PlanDriver, ACanvasPassEndsWithThePersistentImageOffAndADxfPassLeavesTheCanvasAlone) {
    FrameDeck deck;
    deck.CanvasPass();
    EXPECT_FALSE(deck.canvas.State().AutoRedraw);
    EXPECT_EQ(deck.canvas.Records().front().Call, CanvasCall::Clear);

    deck.canvas.ClearRecords();
    deck.canvas.SetAutoRedraw(true);
    deck.canvas.SetForeColour(PackRgb(1, 2, 3));
    deck.DxfPass();
    EXPECT_TRUE(deck.canvas.Records().empty());
    EXPECT_TRUE(deck.canvas.State().AutoRedraw);
    EXPECT_EQ(deck.canvas.State().Fore, PackRgb(1, 2, 3));
}

TEST(PlanDriver, TheEditorsFeedbackIsDrawnIntoThePersistentImage) {
    FrameDeck deck;
    deck.editor.InteractionState = Mode::RebarGrips;
    deck.editor.Reference.RefP1ScreenX = 10, deck.editor.Reference.RefP1ScreenY = 20;
    deck.editor.Reference.RefP2ScreenX = 110, deck.editor.Reference.RefP2ScreenY = 20;
    deck.editor.Rebar.ActiveGrip = 2;
    deck.CanvasPass();
    const auto boxes = deck.canvas.RecordsOf(CanvasCall::Box);
    ASSERT_GE(boxes.size(), 3u);
    const auto grips = std::vector<CanvasRecord>(boxes.end() - 3, boxes.end());
    EXPECT_FLOAT_EQ(grips[0].X1, 5);
    EXPECT_EQ(grips[0].Colour, StandardColour(9));
    EXPECT_FLOAT_EQ(grips[1].X1, 55);  // the middle
    EXPECT_EQ(grips[2].Colour, StandardColour(12)) << "the end grip is the active one";
    for (const CanvasRecord& g : grips) EXPECT_TRUE(g.State.AutoRedraw);

    deck.editor.InteractionState = Mode::RebarExtension;
    deck.editor.Rebar.PickedEdgeX1 = 0, deck.editor.Rebar.PickedEdgeY1 = 0;
    deck.editor.Rebar.PickedEdgeX2 = 100, deck.editor.Rebar.PickedEdgeY2 = 0;
    deck.CanvasPass();
    const auto lines = deck.canvas.RecordsOf(CanvasCall::Line);
    ASSERT_GE(lines.size(), 2u);
    const CanvasRecord& black = lines[lines.size() - 2];
    const CanvasRecord& yellow = lines.back();
    EXPECT_EQ(black.Colour, StandardColour(0));
    EXPECT_EQ(black.State.Drawing, DrawStyle::Solid);
    EXPECT_EQ(yellow.Colour, StandardColour(14));
    EXPECT_EQ(yellow.State.Drawing, DrawStyle::Dotted);
    EXPECT_FLOAT_EQ(yellow.X2, 50);
    EXPECT_EQ(deck.canvas.State().Drawing, DrawStyle::Solid);
}

}  // namespace
