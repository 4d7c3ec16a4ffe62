#include "editing/VertexPanel.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <optional>

#include "editing/SlabPerimeter.h"
#include "tests/editing/EditorFixture.h"
#include "tests/support/DeckSession.h"

namespace {

using Corners = std::vector<std::pair<float, float>>;

// The window's side of the panel: how often it was asked to show the panel.
struct PanelHost : RecordingHost {
    int Shown = 0;
    void VertexPanelChanged() override { ++Shown; }
};

// Slabs drawn by hand on the fixture's canvas (model point (x, y) at canvas point (x, 600 - y)).
struct PanelDeck : EditorFixture {
    PanelHost panelHost;
    CanvasEditor panelMouse{*this, platform, panelHost};

    int32_t Point(float x, float y) {
        model.PlanNodes.push_back({x, y});
        return model.PlanNodeCount++;
    }
    // An outline row as the reader leaves it: the corners, the closing repeat and nothing more.
    std::vector<int32_t> Outline(const Corners& corners) {
        std::vector<int32_t> row;
        for (const auto& [x, y] : corners) row.push_back(Point(x, y));
        row.push_back(row.front());
        return row;
    }
    int32_t FloorSlabOf(std::vector<int32_t> points) {
        model.FloorSlabs.push_back(FloorSlab{});
        model.FloorSlabOutlineCount.push_back(static_cast<int32_t>(points.size()));
        points.push_back(points.front());
        model.FloorSlabOutline.push_back(std::move(points));
        return model.FloorSlabCount++;
    }
    int32_t FloorSlabOf(const Corners& corners) {
        std::vector<int32_t> points;
        for (const auto& [x, y] : corners) points.push_back(Point(x, y));
        return FloorSlabOf(points);
    }
    int32_t ConcreteSlabOf(std::vector<int32_t> first, std::vector<int32_t> second) {
        model.ConcreteSlabs.push_back({1, 20, static_cast<int32_t>(first.size()), 0});
        model.ConcreteSlabOutlineCount.push_back(static_cast<int32_t>(first.size()));
        model.ConcreteSlabOutline2Count.push_back(static_cast<int32_t>(second.size()));
        first.push_back(first.front());
        second.push_back(second.front());
        model.ConcreteSlabOutline.push_back(std::move(first));
        model.ConcreteSlabOutline2.push_back(std::move(second));
        return model.ConcreteSlabCount++;
    }
    const VertexPanelState& panel() const { return editor.VertexPanel; }
    std::pair<float, float> PointOf(int32_t position) const {
        const PlanPoint& p = model.PlanNodes[static_cast<size_t>(panel().EditedVertices[static_cast<size_t>(position)])];
        return {p.X, p.Y};
    }
    void PanelClick(float modelX, float modelY) {
        panelMouse.MouseDown(LeftButton, 0, modelX, 600 - modelY);
        panelMouse.MouseUp(LeftButton, 0, modelX, 600 - modelY);
    }
    void Press(int32_t button, std::initializer_list<MsgAnswer> answers = {}) {
        messages.Script(answers);
        Command1_Click(*this, messages, button);
    }
};

const Corners Square{{100, 100}, {500, 100}, {500, 500}, {100, 500}};

TEST(VertexPanel, OpensOnTheSlabClickedInItsTool) {
    PanelDeck d;
    d.FloorSlabOf(Square);
    d.FloorSlabOf({{600, 100}, {700, 100}, {700, 200}, {600, 200}});
    d.editor.InteractionState = Mode::FloorSlabPerimeter;
    d.PanelClick(50, 50);  // no slab: the tool ends, no panel
    EXPECT_EQ(d.mode(), Mode::Idle);
    EXPECT_EQ(d.panel().VertexPanelMode, 0);
    EXPECT_EQ(d.Redraws(), 0u);

    d.editor.InteractionState = Mode::FloorSlabPerimeter;
    d.PanelClick(650, 150);
    EXPECT_EQ(d.mode(), Mode::Idle);
    EXPECT_EQ(d.panel().VertexPanelMode, 1);
    EXPECT_EQ(d.panel().EditedSlab, 1);
    EXPECT_EQ(d.panel().EditedSlabIsConcrete, 0);
    EXPECT_EQ(d.panel().EditedVertices, (std::vector<int32_t>{4, 5, 6, 7}));
    EXPECT_EQ(d.panel().EditedVertexLast, 3);
    EXPECT_EQ(d.panel().SelectedVertex, 0);
    EXPECT_EQ(d.panel().TypedCoordinates, (std::array<std::string, 2>{"600.0", "100.0"}));
    EXPECT_EQ(d.panel().VertexCaption, "Vertice 1:");
    EXPECT_EQ(VertexListRows(d), (std::vector<std::string>{" 1 - X = 600.0    Y = 100.0", " 2 - X = 700.0    Y = 100.0",
                                                           " 3 - X = 700.0    Y = 200.0", " 4 - X = 600.0    Y = 200.0"}));
    EXPECT_EQ(d.panelHost.Shown, 1);
    EXPECT_EQ(d.Redraws(), 1u);

    d.shell.Languages.UiLanguage = 1;
    List1_Click(d, 1);
    EXPECT_EQ(d.panel().VertexCaption, "Vertex 2:");
    d.Press(VertexButton::Delete, {MsgAnswer::No});
    EXPECT_EQ(d.messages.Shown().back().Text, "Do you want to erase the vertex 2?");
    EXPECT_EQ(d.messages.Shown().back().Title, "Warning!");
}

TEST(VertexPanel, CanvasClicksSelectAVertexOrFillTheFields) {
    PanelDeck d;
    d.FloorSlabOf(Square);
    d.FloorSlabOf({{600, 100}, {700, 100}, {700, 200}, {600, 200}});
    ASSERT_TRUE(OpenVertexPanel(d, 0, false));

    d.PanelClick(503, 497);  // within 4 pixels of vertex 3
    EXPECT_EQ(d.panel().SelectedVertex, 2);
    EXPECT_EQ(d.panel().TypedCoordinates, (std::array<std::string, 2>{"500.0", "500.0"}));
    EXPECT_EQ(d.panel().TypedCoordinatesColour, FieldsShowVertex);
    d.PanelClick(504, 500);  // 4 pixels off: no vertex, the point goes into the fields
    EXPECT_EQ(d.panel().SelectedVertex, 2);
    EXPECT_EQ(d.panel().TypedCoordinates, (std::array<std::string, 2>{"504.0", "500.0"}));
    EXPECT_EQ(d.panel().TypedCoordinatesColour, FieldsShowClickedPoint);
    EXPECT_EQ(d.panelHost.Shown, 2);

    // With snap on, a click where nothing snaps changes nothing; a vertex still wins over the snap.
    d.shell.Options.OsnapEnabled = 1;
    d.canvas.ClearRecords();
    d.PanelClick(300, 300);
    EXPECT_EQ(d.panel().TypedCoordinates, (std::array<std::string, 2>{"504.0", "500.0"}));
    EXPECT_EQ(d.Redraws(), 0u);
    d.PanelClick(102, 102);
    EXPECT_EQ(d.panel().SelectedVertex, 0);
    d.PanelClick(602, 198);  // the other slab's corner snaps
    EXPECT_EQ(d.panel().TypedCoordinates, (std::array<std::string, 2>{"600.0", "200.0"}));
    EXPECT_EQ(d.panel().SelectedVertex, 0);

    // Without the panel a click in idle does nothing.
    CancelVertexPanel(d);
    d.canvas.ClearRecords();
    d.PanelClick(500, 500);
    EXPECT_EQ(d.Redraws(), 0u);
}

TEST(VertexPanel, InsertPutsTheEdgeMidpointAfterTheSelectedVertex) {
    PanelDeck d;
    d.FloorSlabOf(Square);
    ASSERT_TRUE(OpenVertexPanel(d, 0, false));

    d.Press(VertexButton::Insert, {MsgAnswer::No});
    EXPECT_EQ(d.panel().EditedVertexLast, 3);
    ASSERT_EQ(d.messages.Shown().size(), 1u);
    EXPECT_EQ(d.messages.Shown()[0].Text, "Vuoi inserire un nuovo vertice dopo il vertice 1?");

    List1_Click(d, 3);  // after the last vertex: the midpoint of the closing edge, as the new last
    d.Press(VertexButton::Insert, {MsgAnswer::Yes});
    EXPECT_EQ(d.panel().EditedVertexLast, 4);
    EXPECT_EQ(d.panel().EditedVertices.size(), 5u);
    EXPECT_EQ(d.panel().SelectedVertex, 4);
    EXPECT_EQ(d.PointOf(4), (std::pair<float, float>{100, 300}));
    EXPECT_EQ(d.PointOf(0), (std::pair<float, float>{100, 100}));
    EXPECT_EQ(d.panel().TypedCoordinates, (std::array<std::string, 2>{"100.0", "300.0"}));

    List1_Click(d, 0);  // in the middle of the list
    d.Press(VertexButton::Insert, {MsgAnswer::Yes});
    EXPECT_EQ(d.PointOf(1), (std::pair<float, float>{300, 100}));
    EXPECT_EQ(d.PointOf(2), (std::pair<float, float>{500, 100}));
    EXPECT_EQ(d.panel().SelectedVertex, 1);
    // The slab itself is untouched until the perimeter is assigned.
    EXPECT_EQ(d.model.FloorSlabOutlineCount[0], 4);
}

TEST(VertexPanel, DeleteRemovesTheSelectedVertexDownToThreeAndNoFurther) {
    PanelDeck d;
    d.FloorSlabOf({{100, 100}, {300, 100}, {500, 100}, {500, 500}, {100, 500}});
    ASSERT_TRUE(OpenVertexPanel(d, 0, false));
    const std::vector<int32_t> before = d.panel().EditedVertices;

    List1_Click(d, 3);  // the next-to-last vertex
    d.Press(VertexButton::Delete, {MsgAnswer::Yes});
    EXPECT_EQ(d.messages.Shown().back().Text, "Vuoi eliminare il vertice 4?");
    EXPECT_EQ(d.panel().EditedVertices, (std::vector<int32_t>{before[0], before[1], before[2], before[4]}));
    EXPECT_EQ(d.panel().SelectedVertex, 2);

    d.Press(VertexButton::Delete, {MsgAnswer::No});  // No still moves the selection back
    EXPECT_EQ(d.panel().EditedVertexLast, 3);
    EXPECT_EQ(d.panel().SelectedVertex, 1);
    List1_Click(d, 0);
    d.Press(VertexButton::Delete, {MsgAnswer::Yes});  // the first: the selection stays on the first
    EXPECT_EQ(d.panel().EditedVertices, (std::vector<int32_t>{before[1], before[2], before[4]}));
    EXPECT_EQ(d.panel().SelectedVertex, 0);

    const size_t asked = d.messages.Shown().size();
    d.Press(VertexButton::Delete, {MsgAnswer::Yes});  // a triangle: no question, nothing removed
    EXPECT_EQ(d.messages.Shown().size(), asked);
    EXPECT_EQ(d.panel().EditedVertexLast, 2);
}

TEST(VertexPanel, TypedCoordinatesReuseAPlanPointOrAddOne) {
    PanelDeck d;
    d.FloorSlabOf(Square);
    d.FloorSlabOf({1, d.Point(700, 100), d.Point(700, 500), 2});  // shares the square's right side
    ASSERT_TRUE(OpenVertexPanel(d, 0, false));
    List1_Click(d, 1);
    d.editor.VertexPanel.TypedCoordinates = {"700,00005", "100"};  // within 0.0001 of the other slab's corner
    d.Press(VertexButton::AssignCoordinates);
    EXPECT_EQ(d.panel().EditedVertices[1], d.model.FloorSlabOutline[1][1]);
    EXPECT_EQ(d.model.PlanNodeCount, 6);

    d.editor.VertexPanel.TypedCoordinates = {"0", "250.5"};  // no plan point there: one is added
    d.Press(VertexButton::AssignCoordinates);
    EXPECT_EQ(d.panel().EditedVertices[1], 6);
    EXPECT_EQ(d.PointOf(1), (std::pair<float, float>{0, 250.5f}));
    EXPECT_EQ(d.panel().TypedCoordinates, (std::array<std::string, 2>{"0.0", "250.5"}));
    // The outlines that share the old point keep it.
    EXPECT_EQ(d.model.FloorSlabOutline[1][0], 1);
    EXPECT_EQ(d.model.FloorSlabOutline[0][1], 1);
}

// What the coordinate fields take: a number as a whole, "," or "." for the decimal point, blanks
// around it. Any other text is refused with a message naming the field, and nothing changes.
TEST(VertexPanel, TypedCoordinatesAreNumbersOrRefused) {
    const struct {
        std::array<std::string, 2> Typed;
        std::optional<std::pair<float, float>> Point;  // nothing: refused
        const char* Refused = "";                      // the message
    } cases[] = {
        {{"60,5", "20"}, std::pair{60.5f, 20.0f}},
        {{"60.5", " 20\t"}, std::pair{60.5f, 20.0f}},
        {{"-,5", "1e2"}, std::pair{-0.5f, 100.0f}},
        {{"+7", "0"}, std::pair{7.0f, 0.0f}},
        {{"abc", "20"}, {}, "La coordinata X \"abc\" non è un numero: il vertice resta dov'è."},
        {{"", "20"}, {}, "La coordinata X \"\" non è un numero: il vertice resta dov'è."},
        {{"12abc", "20"}, {}, "La coordinata X \"12abc\" non è un numero: il vertice resta dov'è."},
        {{"abc", "def"}, {}, "La coordinata X \"abc\" non è un numero: il vertice resta dov'è."},
        {{"60", "  "}, {}, "La coordinata Y \"  \" non è un numero: il vertice resta dov'è."},
        {{"60", "1,2,3"}, {}, "La coordinata Y \"1,2,3\" non è un numero: il vertice resta dov'è."},
        {{"60", "1 2"}, {}, "La coordinata Y \"1 2\" non è un numero: il vertice resta dov'è."},
        {{"60", "1e39"}, {}, "La coordinata Y \"1e39\" non è un numero: il vertice resta dov'è."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Typed[0] + " | " + c.Typed[1]);
        PanelDeck d;
        d.FloorSlabOf(Square);
        ASSERT_TRUE(OpenVertexPanel(d, 0, false));
        List1_Click(d, 1);
        const std::vector<int32_t> before = d.panel().EditedVertices;
        d.editor.VertexPanel.TypedCoordinates = c.Typed;
        d.Press(VertexButton::AssignCoordinates);
        if (c.Point) {
            EXPECT_TRUE(d.messages.Shown().empty());
            EXPECT_EQ(d.PointOf(1), *c.Point);
            continue;
        }
        ASSERT_EQ(d.messages.Shown().size(), 1u);
        EXPECT_EQ(d.messages.Shown()[0].Text, c.Refused);
        EXPECT_EQ(d.messages.Shown()[0].Title, "Attenzione!");
        EXPECT_EQ(d.messages.Shown()[0].Icon, MsgIcon::Exclamation);
        EXPECT_EQ(d.panel().EditedVertices, before);
        EXPECT_EQ(d.model.PlanNodeCount, 4);
        EXPECT_EQ(d.panel().TypedCoordinates, c.Typed) << "the fields keep what was typed";
    }

    PanelDeck english;
    english.shell.Languages.UiLanguage = 1;
    english.FloorSlabOf(Square);
    ASSERT_TRUE(OpenVertexPanel(english, 0, false));
    english.editor.VertexPanel.TypedCoordinates = {"100", "5 0"};
    english.Press(VertexButton::AssignCoordinates);
    ASSERT_EQ(english.messages.Shown().size(), 1u);
    EXPECT_EQ(english.messages.Shown()[0].Text, "The Y coordinate \"5 0\" is not a number: the vertex stays where it is.");
    EXPECT_EQ(english.messages.Shown()[0].Title, "Warning!");
}

TEST(VertexPanel, RowsFromTheTenthOnHaveNoLeadingBlank) {
    PanelDeck d;
    Corners ten;
    for (int i = 0; i < 10; ++i) ten.emplace_back(100.0f + 40 * i, i % 2 == 0 ? 100.0f : 120.0f);
    d.FloorSlabOf(ten);
    ASSERT_TRUE(OpenVertexPanel(d, 0, false));
    const std::vector<std::string> rows = VertexListRows(d);
    ASSERT_EQ(rows.size(), 10u);
    EXPECT_EQ(rows[8], " 9 - X = 420.0    Y = 100.0");
    EXPECT_EQ(rows[9], "10 - X = 460.0    Y = 120.0");
}

TEST(SlabPerimeter, LongerFloorSlabPerimeterGrowsTheRowAndClosesIt) {
    PanelDeck d;
    d.FloorSlabOf(Square);
    d.FloorSlabOf({{600, 100}, {700, 100}, {700, 200}, {600, 200}});
    const std::vector<int32_t> other = d.model.FloorSlabOutline[1];
    ASSERT_TRUE(OpenVertexPanel(d, 0, false));
    for (int32_t i = 0; i < 3; ++i) d.Press(VertexButton::Insert, {MsgAnswer::Yes});
    List1_Click(d, 1);  // the midpoint (300, 100) pushed in to make a notch
    d.editor.VertexPanel.TypedCoordinates = {"300", "200"};
    d.Press(VertexButton::AssignCoordinates);
    const std::vector<int32_t> edited = d.panel().EditedVertices;
    ASSERT_EQ(edited.size(), 7u);

    d.Press(VertexButton::AssignPerimeter);
    EXPECT_EQ(d.panel().VertexPanelMode, 0);
    const std::vector<int32_t>& row = d.model.FloorSlabOutline[0];
    EXPECT_EQ(d.model.FloorSlabOutlineCount[0], 7);
    ASSERT_GE(row.size(), 8u);
    EXPECT_EQ(std::vector<int32_t>(row.begin(), row.begin() + 7), edited);
    EXPECT_EQ(row[7], row[0]);
    EXPECT_EQ(d.model.FloorSlabOutline[1], other);
    // The notch takes 300 × 100 / 2 off the square; the centroid moves up.
    EXPECT_FLOAT_EQ(std::fabs(d.model.FloorSlabs[0].Area), 160000 - 15000);
    EXPECT_GT(d.model.FloorSlabs[0].CentroidY, 300);
    EXPECT_NE(d.model.FloorSlabs[0].RefPoint2X, 0);

    // A shorter perimeter moves the closing repeat down with it.
    ASSERT_TRUE(OpenVertexPanel(d, 0, false));
    for (int32_t i = 0; i < 4; ++i) d.Press(VertexButton::Delete, {MsgAnswer::Yes});
    d.Press(VertexButton::AssignPerimeter);
    EXPECT_EQ(d.model.FloorSlabOutlineCount[0], 3);
    EXPECT_EQ(d.model.FloorSlabOutline[0][3], d.model.FloorSlabOutline[0][0]);
}

TEST(SlabPerimeter, SecondConcreteListFollowsOnlyWhereItAgreed) {
    PanelDeck d;
    const int32_t a = d.Point(0, 0), b = d.Point(400, 0), c = d.Point(400, 400), e = d.Point(0, 400);
    const int32_t nearB = d.Point(400.004f, 0.003f);  // a point a load rebuilt where b was saved
    const int32_t inner = d.Point(380, 380);
    const int32_t offE = d.Point(0.02f, 400);  // further than the saved precision
    d.ConcreteSlabOf({a, b, c, e}, {a, nearB, inner, offE});
    const int32_t na = d.Point(-10, -10), nb = d.Point(410, -10), nc = d.Point(410, 410), ne = d.Point(-10, 410);
    const int32_t extra = d.Point(200, 420);

    const std::vector<int32_t> edited{na, nb, nc, ne, extra};
    AssignConcreteSlabPerimeter(d.model, 0, edited);
    EXPECT_EQ(d.model.ConcreteSlabOutlineCount[0], 5);
    EXPECT_EQ(std::vector<int32_t>(d.model.ConcreteSlabOutline[0].begin(), d.model.ConcreteSlabOutline[0].begin() + 6),
              (std::vector<int32_t>{na, nb, nc, ne, extra, na}));
    EXPECT_EQ(d.model.ConcreteSlabOutline2Count[0], 4);
    EXPECT_EQ(d.model.ConcreteSlabOutline2[0], (std::vector<int32_t>{na, nb, inner, offE, na}));
}

TEST(VertexPanel, CancelLeavesTheDeckAsItWasSaved) {
    DeckSession deck;
    ASSERT_TRUE(deck.Load(std::string(DRAVO_EXAMPLES) + "/frame/DEMO.CRP"));
    const std::string saved = deck.SavedText();
    for (const bool concrete : {false, true}) {
        ASSERT_TRUE(OpenVertexPanel(deck, 0, concrete));
        deck.messages.Script({MsgAnswer::Yes, MsgAnswer::Yes});
        InsertVertexAfterSelected(deck, deck.messages);
        deck.editor.VertexPanel.TypedCoordinates = {"123.4", "56.7"};
        AssignVertexCoordinates(deck, deck.messages);
        DeleteSelectedVertex(deck, deck.messages);
        ASSERT_GT(deck.model.PlanNodeCount, deck.editor.VertexPanel.PlanNodeCountAtOpen);
        Command1_Click(deck, deck.messages, VertexButton::Cancel);
        EXPECT_EQ(deck.editor.VertexPanel.VertexPanelMode, 0);
        EXPECT_EQ(deck.SavedText(), saved);
    }

    // A new opening drops the edit in progress the same way.
    ASSERT_TRUE(OpenVertexPanel(deck, 0, false));
    deck.editor.VertexPanel.TypedCoordinates = {"1", "2"};
    AssignVertexCoordinates(deck, deck.messages);
    ASSERT_TRUE(OpenVertexPanel(deck, 1, false));
    EXPECT_EQ(deck.SavedText(), saved);
}

TEST(VertexPanel, AssignAndCancelDropTheKeptHatchLines) {
    const std::function<void(PanelDeck&)> closings[] = {
        [](PanelDeck& d) { d.Press(VertexButton::AssignPerimeter); },
        [](PanelDeck& d) { d.Press(VertexButton::Cancel); },
        [](PanelDeck& d) { CloseVertexPanelAsCancel(d); },
    };
    for (const auto& close : closings) {
        PanelDeck d;
        d.FloorSlabOf(Square);
        ASSERT_TRUE(OpenVertexPanel(d, 0, false));
        d.model.HatchLines.Keep({1, 2, 3}, {HatchSegment{0, 0, 1, 1}});
        close(d);
        EXPECT_EQ(d.panel().VertexPanelMode, 0);
        EXPECT_EQ(d.model.HatchLines.EntryCount(), 0u);
    }
}

// An edit is a vertex assigned, inserted or deleted; what is typed, chosen, snapped, refused or
// declined is none, and the panel holds none once it has closed or opened anew.
TEST(VertexPanel, HoldsAnUnassignedOutlineOnlyAfterAnEdit) {
    const struct {
        const char* Case;
        std::function<void(PanelDeck&)> Step;
        bool Edited;
    } cases[] = {
        {"opened", [](PanelDeck&) {}, false},
        {"typed, a row chosen, the snap box",
         [](PanelDeck& d) {
             d.editor.VertexPanel.TypedCoordinates = {"40", "15"};
             List1_Click(d, 1);
             Check1_Click(d, 1);
             EnterPointIntoFields(d, 40, 15);
         },
         false},
        {"coordinates refused",
         [](PanelDeck& d) {
             d.editor.VertexPanel.TypedCoordinates = {"40abc", "15"};
             d.Press(VertexButton::AssignCoordinates, {MsgAnswer::Ok});
         },
         false},
        {"insert and delete declined",
         [](PanelDeck& d) {
             d.Press(VertexButton::Insert, {MsgAnswer::No});
             d.Press(VertexButton::Delete, {MsgAnswer::No});
         },
         false},
        {"coordinates assigned",
         [](PanelDeck& d) {
             d.editor.VertexPanel.TypedCoordinates = {"40", "15"};
             d.Press(VertexButton::AssignCoordinates);
         },
         true},
        {"vertex inserted", [](PanelDeck& d) { d.Press(VertexButton::Insert, {MsgAnswer::Yes}); }, true},
        {"vertex deleted", [](PanelDeck& d) { d.Press(VertexButton::Delete, {MsgAnswer::Yes}); }, true},
        {"edited, then the perimeter assigned",
         [](PanelDeck& d) {
             d.Press(VertexButton::Insert, {MsgAnswer::Yes});
             d.Press(VertexButton::AssignPerimeter);
         },
         false},
        {"edited, then cancelled",
         [](PanelDeck& d) {
             d.Press(VertexButton::Insert, {MsgAnswer::Yes});
             d.Press(VertexButton::Cancel);
         },
         false},
        {"edited, then closed by another deck",
         [](PanelDeck& d) {
             d.Press(VertexButton::Insert, {MsgAnswer::Yes});
             CloseVertexPanelAsCancel(d);
         },
         false},
        {"edited, then opened on another slab",
         [](PanelDeck& d) {
             d.Press(VertexButton::Insert, {MsgAnswer::Yes});
             ASSERT_TRUE(OpenVertexPanel(d, 1, false));
         },
         false},
    };
    for (const bool concrete : {false, true}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(c.Case) + (concrete ? ", concrete slab" : ", floor slab"));
            PanelDeck d;
            d.FloorSlabOf({{100, 100}, {300, 100}, {500, 100}, {500, 500}});
            d.FloorSlabOf(Square);
            const std::vector<int32_t> outline = d.Outline({{100, 100}, {300, 100}, {500, 100}, {500, 500}});
            const std::vector<int32_t> corners(outline.begin(), outline.end() - 1);
            d.ConcreteSlabOf(corners, corners);
            ASSERT_TRUE(OpenVertexPanel(d, 0, concrete));
            EXPECT_FALSE(HoldsUnassignedOutline(d));
            c.Step(d);
            EXPECT_EQ(HoldsUnassignedOutline(d), c.Edited);
        }
    }
}

TEST(VertexPanel, ClosedAsCancelTheModelIsLeftAlone) {
    PanelDeck d;
    d.FloorSlabOf(Square);
    ASSERT_TRUE(OpenVertexPanel(d, 0, false));
    d.editor.VertexPanel.TypedCoordinates = {"1", "2"};
    d.Press(VertexButton::AssignCoordinates);
    const Model edited = d.model;
    CloseVertexPanelAsCancel(d);
    EXPECT_EQ(d.panel().VertexPanelMode, 0);
    EXPECT_EQ(d.model, edited);
    EXPECT_EQ(d.model.FloorSlabOutlineCount[0], 4);
    EXPECT_FALSE(OpenVertexPanel(d, 1, false));  // no such slab
    EXPECT_EQ(d.panel().VertexPanelMode, 0);
}

}  // namespace
