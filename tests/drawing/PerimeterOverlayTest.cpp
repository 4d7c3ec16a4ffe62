#include "drawing/PerimeterOverlay.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "tests/drawing/PlanFixture.h"

namespace {

constexpr ColourRef Yellow = PackRgb(255, 255, 0), LightRed = PackRgb(255, 0, 0);

// A triangle of plan points under edit, on a canvas of 0.5 pixels per cm whose bottom-left pixel
// shows the model origin: (100, 100) cm is the pixel (50, 550).
struct EditedTriangle : PlanFixture {
    EditedTriangle() {
        model.PlanNodes = {{0, 0}, {100, 100}, {301, 100}, {100, 300}};
        model.PlanNodeCount = 4;
        VertexPanelState& panel = editor.VertexPanel;
        panel.VertexPanelMode = 1;
        panel.EditedVertices = {1, 2, 3};
        panel.EditedVertexLast = 2;
    }
    // A canvas pass: the deck has no elements, so its boxes and lines are the overlay's.
    void Overlay() { CanvasPass(); }
    std::vector<CanvasRecord> Only(CanvasCall call) const { return canvas.RecordsOf(call); }
};

TEST(FillEditedPolygon, TheEditedOutlineIsFilledBeforeAnythingElseOfThePass) {
    EditedTriangle deck;
    deck.CanvasPass();
    const auto& records = deck.canvas.Records();
    ASSERT_GE(records.size(), 2u);
    EXPECT_EQ(records[0].Call, CanvasCall::Clear);
    ASSERT_EQ(records[1].Call, CanvasCall::Polygon);
    const CanvasRecord& fill = records[1];
    // Three corners and the first again; 301 cm is 150.5 pixels, rounded to the even 150.
    const std::vector<std::pair<int, int>> corners = {{50, 550}, {150, 550}, {50, 450}, {50, 550}};
    ASSERT_EQ(fill.Points.size(), corners.size());
    for (size_t i = 0; i < corners.size(); ++i) {
        EXPECT_EQ(fill.Points[i].X, corners[i].first) << i;
        EXPECT_EQ(fill.Points[i].Y, corners[i].second) << i;
    }
    EXPECT_EQ(fill.State.Fore, PackRgb(128, 128, 128));
    EXPECT_EQ(fill.State.Fill, PackRgb(80, 80, 80));
    EXPECT_EQ(fill.State.Filling, FillStyle::Solid);

    deck.editor.VertexPanel.VertexPanelMode = 0;
    deck.CanvasPass();
    EXPECT_TRUE(deck.canvas.RecordsOf(CanvasCall::Polygon).empty()) << "nothing while the panel is closed";
    EXPECT_TRUE(deck.canvas.RecordsOf(CanvasCall::Box).empty());
}

TEST(DrawEditedPolygonOutline, VerticesNumberedFromOneWithTheSelectedOneInYellowAndDottedEdges) {
    EditedTriangle deck;
    deck.editor.VertexPanel.SelectedVertex = 1;
    deck.editor.VertexPanel.TypedCoordinates = {"201", "100"};  // the selected vertex's place: no preview
    deck.Overlay();
    const auto boxes = deck.Only(CanvasCall::Box);
    std::vector<CanvasRecord> texts;  // the vertex numbers, after the plan's title and legend
    for (const CanvasRecord& t : deck.Only(CanvasCall::Text))
        if (t.Text.rfind(" ", 0) == 0) texts.push_back(t);
    const auto lines = deck.Only(CanvasCall::Line);
    ASSERT_EQ(boxes.size(), 4u);  // three vertices and the typed point
    ASSERT_EQ(texts.size(), 3u);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_FLOAT_EQ(boxes[0].X1, 48);
    EXPECT_FLOAT_EQ(boxes[0].Y2, 552);
    EXPECT_EQ(boxes[0].Colour, LightRed);
    EXPECT_EQ(boxes[1].Colour, Yellow);
    EXPECT_EQ(boxes[2].Colour, LightRed);
    EXPECT_EQ(texts[0].Text, " 1");
    EXPECT_EQ(texts[2].Text, " 3");
    EXPECT_EQ(texts[1].State.Fore, Yellow);
    EXPECT_EQ(texts[0].X1, 50);
    EXPECT_EQ(texts[0].Font.Height, 24);
    EXPECT_EQ(texts[0].Font.Width, 10);
    for (const CanvasRecord& l : lines) {
        EXPECT_EQ(l.Colour, PackRgb(192, 192, 192));
        EXPECT_EQ(l.State.Drawing, DrawStyle::Dotted);
    }
    EXPECT_FLOAT_EQ(lines[2].X2, 50) << "the last edge closes on the first vertex";
    EXPECT_FLOAT_EQ(lines[2].Y2, 550);
    EXPECT_EQ(deck.canvas.State().Drawing, DrawStyle::Solid);
}

TEST(DrawEditedPolygonOutline, TheVertexBoxesTakeTheFillInForceAndLeaveItAsItWas) {
    const struct {
        FillStyle style;
        ColourRef fill;
    } cases[] = {{FillStyle::Solid, PackRgb(10, 20, 30)}, {FillStyle::Transparent, PackRgb(40, 50, 60)}};
    for (const auto& c : cases) {
        EditedTriangle deck;
        deck.canvas.SetFillStyle(c.style);
        deck.canvas.SetFillColour(c.fill);
        DrawEditedPolygonOutline(deck, deck.canvas);
        const auto boxes = deck.Only(CanvasCall::Box);
        ASSERT_EQ(boxes.size(), 4u);
        for (const CanvasRecord& box : boxes) {
            EXPECT_EQ(box.Inside, BoxInside::FillState);
            EXPECT_EQ(box.State.Filling, c.style);
            EXPECT_EQ(box.State.Fill, c.fill);
        }
        EXPECT_EQ(deck.canvas.State().Filling, c.style);
    }
    // In a whole pass the fill in force is the edited outline's solid dark grey.
    EditedTriangle deck;
    deck.Overlay();
    const auto boxes = deck.Only(CanvasCall::Box);
    ASSERT_FALSE(boxes.empty());
    EXPECT_EQ(boxes[0].State.Filling, FillStyle::Solid);
    EXPECT_EQ(boxes[0].State.Fill, PackRgb(80, 80, 80));
}

TEST(DrawEditedPolygonOutline, TheTypedPointPreviewsTheSelectedVertexsNewEdges) {
    const struct {
        int32_t selected;
        std::array<std::string, 2> typed;
        float tx, ty;  // the typed point's pixel
        std::vector<std::pair<float, float>> previewEnds;  // the neighbours the preview lines reach
    } cases[] = {
        {0, {"", ""}, 0, 600, {{150, 550}, {50, 450}}},               // empty boxes: the model origin
        {2, {"30,5", "40.5"}, 15, 580, {{50, 550}, {150, 550}}},      // the last vertex: to vertex 1, then the one before
        {0, {"100", "250"}, 50, 475, {}},                             // the same screen x: a mark, no lines
    };
    for (const auto& c : cases) {
        EditedTriangle deck;
        deck.editor.VertexPanel.SelectedVertex = c.selected;
        deck.editor.VertexPanel.TypedCoordinates = c.typed;
        deck.Overlay();
        const auto boxes = deck.Only(CanvasCall::Box);
        ASSERT_EQ(boxes.size(), 4u);
        EXPECT_FLOAT_EQ(boxes[3].X1, c.tx - 2) << c.typed[0];
        EXPECT_FLOAT_EQ(boxes[3].Y1, c.ty - 2) << c.typed[1];
        EXPECT_EQ(boxes[3].Colour, Yellow);
        const auto lines = deck.Only(CanvasCall::Line);
        ASSERT_EQ(lines.size(), 3 + c.previewEnds.size()) << "selected " << c.selected;
        for (size_t i = 0; i < c.previewEnds.size(); ++i) {
            const CanvasRecord& l = lines[3 + i];
            EXPECT_EQ(l.Colour, Yellow);
            EXPECT_EQ(l.State.Drawing, DrawStyle::Dotted);
            EXPECT_FLOAT_EQ(l.X1, c.tx);
            EXPECT_FLOAT_EQ(l.X2, c.previewEnds[i].first) << "selected " << c.selected << ", line " << i;
            EXPECT_FLOAT_EQ(l.Y2, c.previewEnds[i].second) << "selected " << c.selected << ", line " << i;
        }
    }
}

TEST(DrawEditedPolygonOutline, AStalePanelLeavesOutTheVerticesThePlanNoLongerHolds) {
    EditedTriangle deck;
    VertexPanelState& panel = deck.editor.VertexPanel;
    panel.EditedVertices = {1, 99, 3};
    panel.EditedVertexLast = 7;  // beyond the list
    panel.SelectedVertex = 1;
    deck.Overlay();
    EXPECT_EQ(deck.Only(CanvasCall::Box).size(), 3u);  // two vertices and the typed point
    EXPECT_EQ(deck.Only(CanvasCall::Line).size(), 1u) << "only the edge from vertex 3 back to vertex 1";
    ASSERT_EQ(deck.canvas.RecordsOf(CanvasCall::Polygon).size(), 1u);
    EXPECT_EQ(deck.canvas.RecordsOf(CanvasCall::Polygon)[0].Points.size(), 3u);
}

}  // namespace
