#include "editing/DimensionPlacement.h"

#include <gtest/gtest.h>

#include <array>

#include "tests/editing/EditorFixture.h"

namespace {

// Snap points at the ends of beam face lines; the fixture's view shows the model point (x, y) at
// the canvas point (x, 600 - y).
struct SnapPointDeck : EditorFixture {
    explicit SnapPointDeck(const std::vector<std::pair<PlanPoint, PlanPoint>>& faces) {
        for (const auto& [a, b] : faces) {
            model.PlanNodes.push_back(a);
            model.PlanNodes.push_back(b);
            model.PlanNodeCount += 2;
            model.BeamExtradosEdges.push_back({model.PlanNodeCount - 2, model.PlanNodeCount - 1, 1});
            ++model.BeamExtradosEdgeCount;
        }
    }
    void Tool(int32_t mode) {
        editor.InteractionState = mode;
        canvas.ClearRecords();
    }
    void ClickAt(PlanPoint p) { Click(LeftButton, p.X, 600 - p.Y); }
    const Dimension& Last() const { return model.Dimensions.at(static_cast<size_t>(model.DimensionCount - 1)); }
};

void ExpectLine(const Dimension& d, PlanPoint a, PlanPoint b) {
    EXPECT_NEAR(d.LineX1, a.X, 1e-3);
    EXPECT_NEAR(d.LineY1, a.Y, 1e-3);
    EXPECT_NEAR(d.LineX2, b.X, 1e-3);
    EXPECT_NEAR(d.LineY2, b.Y, 1e-3);
}

void ExpectMeasured(const Dimension& d, PlanPoint a, PlanPoint b) {
    EXPECT_EQ((std::array{d.MeasuredX1, d.MeasuredY1, d.MeasuredX2, d.MeasuredY2}), (std::array{a.X, a.Y, b.X, b.Y}));
}

const PlanPoint A{100, 100}, B{300, 250}, C{400, 500}, D{700, 100}, E{700, 400}, F{500, 100}, G{100, 400},
    H{200, 400};
SnapPointDeck ToolDeck() { return SnapPointDeck({{A, B}, {C, D}, {E, F}, {G, H}}); }

TEST(DimensionPlacement, ThreeClicksPlaceEachKind) {
    const struct {
        int32_t mode;
        PlanPoint first, second, click;
        PlanPoint lineStart, lineEnd;
        const char* text;
    } cases[] = {
        {Mode::HorizontalFirstPoint, A, B, {200, 50}, {100, 50}, {300, 50}, "200"},
        // A line beyond both points still spans their difference.
        {Mode::VerticalFirstPoint, A, B, {450, 150}, {450, 100}, {450, 250}, "150"},
        // Direction (0.6, 0.8): the line through the click, 96 across it, between the feet.
        {Mode::AlignedFirstPoint, A, C, {100, 260}, {23.2f, 157.6f}, {323.2f, 557.6f}, nullptr},
        // One point above the other on the canvas: upright, like a vertical dimension.
        {Mode::AlignedFirstPoint, D, E, {650, 250}, {650, 100}, {650, 400}, "300"},
    };
    for (const auto& c : cases) {
        SnapPointDeck d = ToolDeck();
        d.Tool(c.mode);
        d.ClickAt(c.first);
        EXPECT_EQ(d.mode(), c.mode + 1);
        // The cross on the picked point goes into the persistent image.
        const auto cross = d.canvas.RecordsOf(CanvasCall::Line);
        ASSERT_EQ(cross.size(), 2u) << c.mode;
        EXPECT_EQ((std::array{cross[0].X1, cross[0].Y1, cross[0].X2, cross[0].Y2}),
                  (std::array{c.first.X + 6, 600 - c.first.Y, c.first.X - 6, 600 - c.first.Y}));
        EXPECT_EQ((std::array{cross[1].X1, cross[1].Y1, cross[1].X2, cross[1].Y2}),
                  (std::array{c.first.X, 606 - c.first.Y, c.first.X, 594 - c.first.Y}));
        for (const CanvasRecord& line : cross) {
            EXPECT_TRUE(line.State.AutoRedraw);
            EXPECT_EQ(line.Colour, StandardColour(13));
        }
        EXPECT_FALSE(d.canvas.State().AutoRedraw);
        d.ClickAt(c.second);
        EXPECT_EQ(d.mode(), c.mode + 2);
        d.ClickAt(c.click);
        EXPECT_EQ(d.mode(), Mode::Idle);
        ASSERT_EQ(d.model.DimensionCount, 1) << c.mode;
        ExpectLine(d.Last(), c.lineStart, c.lineEnd);
        ExpectMeasured(d.Last(), c.first, c.second);
        if (c.text) {
            EXPECT_EQ(d.Last().Text, c.text);
        }
        EXPECT_EQ(d.Redraws(), 1u);
    }
}

TEST(DimensionPlacement, OnlySnappedPointsCountAndMeasuredPointsAreNotRounded) {
    const PlanPoint odd{150.456f, 300.123f};
    SnapPointDeck d({{A, odd}});
    d.Tool(Mode::HorizontalFirstPoint);
    d.Click(LeftButton, 250, 250);  // nothing to snap to
    EXPECT_EQ(d.mode(), Mode::HorizontalFirstPoint);
    EXPECT_EQ(d.editor.Snap.SnapFound, 0);
    EXPECT_TRUE(d.canvas.RecordsOf(CanvasCall::Line).empty());

    d.ClickAt(odd);
    d.ClickAt(A);
    d.ClickAt({120, 50});
    ASSERT_EQ(d.model.DimensionCount, 1);
    EXPECT_NEAR(d.Last().MeasuredX1, odd.X, 1e-4);
    EXPECT_NEAR(d.Last().MeasuredY1, odd.Y, 1e-4);
    EXPECT_NE(d.Last().MeasuredX1, 150.46f);
}

TEST(DimensionPlacement, LineOfNoLengthAppendsNothingAndEndsTheTool) {
    const struct {
        int32_t mode;
        PlanPoint first, second;
    } cases[] = {
        {Mode::HorizontalFirstPoint, A, G},  // the same x
        {Mode::VerticalFirstPoint, F, D},    // the same y
        {Mode::AlignedFirstPoint, C, C},     // the same point twice
    };
    for (const auto& c : cases) {
        SnapPointDeck d = ToolDeck();
        d.Tool(c.mode);
        d.ClickAt(c.first);
        d.ClickAt(c.second);
        d.ClickAt({250, 30});
        EXPECT_EQ(d.model.DimensionCount, 0) << c.mode;
        EXPECT_EQ(d.mode(), Mode::Idle);
        EXPECT_EQ(d.Redraws(), 1u);
    }
}

// A line clicked within 7 pixels of an existing dimension line goes through that line's nearer
// end (the second one on a tie), so that the row of dimensions continues.
TEST(DimensionPlacement, LineNearAnExistingDimensionGoesThroughItsNearerEnd) {
    const struct {
        int32_t mode;
        PlanPoint first, second, click;
        PlanPoint lineStart, lineEnd;
    } cases[] = {
        {Mode::VerticalFirstPoint, E, D, {120, 48}, {100, 400}, {100, 100}},
        {Mode::VerticalFirstPoint, E, D, {200, 48}, {300, 400}, {300, 100}},  // a tie
        {Mode::HorizontalFirstPoint, F, D, {280, 44}, {500, 50}, {700, 50}},
        {Mode::HorizontalFirstPoint, F, D, {280, 42}, {500, 42}, {700, 42}},  // 8 pixels away
    };
    for (const auto& c : cases) {
        SnapPointDeck d = ToolDeck();
        d.AddDimension(100, 50, 300, 50, 100, 100, 300, 250);
        d.Tool(c.mode);
        d.ClickAt(c.first);
        d.ClickAt(c.second);
        d.ClickAt(c.click);
        ASSERT_EQ(d.model.DimensionCount, 2);
        ExpectLine(d.Last(), c.lineStart, c.lineEnd);
    }
}

TEST(DimensionPlacement, PanBeforeTheLineKeepsThePickedModelPoints) {
    SnapPointDeck d = ToolDeck();
    d.Tool(Mode::AlignedFirstPoint);
    d.ClickAt(A);
    d.ClickAt(C);
    d.Drag(MiddleButton, {400, 300}, {{430, 300}, {460, 280}});  // 60 right, 20 up
    ASSERT_EQ(d.mode(), Mode::AlignedLine);
    EXPECT_EQ((std::array{d.editor.Reference.RefP1ScreenX, d.editor.Reference.RefP1ScreenY}),
              (std::array{160.f, 480.f}));
    d.Click(LeftButton, 20 + 60, 600 - 160 - 20);  // the model point (20, 160) in the panned view
    ASSERT_EQ(d.model.DimensionCount, 1);
    ExpectLine(d.Last(), {20, 160}, {320, 560});
    ExpectMeasured(d.Last(), A, C);
}

TEST(ContinuedDimensions, ChainCarriesOnFromEachNewDimension) {
    const PlanPoint P{100, 100}, Q{300, 100}, R{500, 100}, S{700, 100}, odd{400.123f, 300.456f};
    SnapPointDeck d({{P, Q}, {R, S}, {odd, {250, 300}}});
    d.AddDimension(100, 50, 300, 50, 100, 100, 300, 100, "200");
    d.editor.Dimensions.CurrentDimension = -1;
    d.Tool(Mode::ContinuedBase);

    d.Click(LeftButton, 200, 552);
    EXPECT_EQ(d.editor.Dimensions.CurrentDimension, 0);
    EXPECT_EQ(d.mode(), Mode::ContinuedPoint);
    ASSERT_EQ(d.host.Texts.size(), 1u);
    EXPECT_EQ(d.host.Texts[0],
              (std::pair<int32_t, std::string>{PromptPanel, "Premi il pulsante destro per terminare l'inserimento"}));

    d.Click(LeftButton, 450, 450);  // no snap: ignored
    EXPECT_EQ(d.model.DimensionCount, 1);

    d.ClickAt(R);
    ASSERT_EQ(d.model.DimensionCount, 2);
    ExpectLine(d.Last(), {300, 50}, {500, 50});
    ExpectMeasured(d.Last(), Q, R);
    EXPECT_EQ(d.editor.Dimensions.CurrentDimension, 1);
    EXPECT_EQ(d.mode(), Mode::ContinuedPoint);
    EXPECT_EQ(d.Redraws(), 1u);

    d.ClickAt(S);
    ASSERT_EQ(d.model.DimensionCount, 3);
    ExpectLine(d.Last(), {500, 50}, {700, 50});
    ExpectMeasured(d.Last(), R, S);
    EXPECT_EQ(d.editor.Dimensions.CurrentDimension, 2);

    // The same point again gives a dimension of no length: none is added and the chain carries
    // on from the last real one.
    d.ClickAt(S);
    EXPECT_EQ(d.model.DimensionCount, 3);
    EXPECT_EQ(d.editor.Dimensions.CurrentDimension, 2);
    EXPECT_EQ(d.mode(), Mode::ContinuedPoint);

    // A point whose foot lies nearer the base's first end starts from that end; the point is
    // rounded to hundredths of a centimetre.
    d.ClickAt(odd);
    ASSERT_EQ(d.model.DimensionCount, 4);
    ExpectLine(d.Last(), {500, 50}, {400.12f, 50});
    ExpectMeasured(d.Last(), R, {400.12f, 300.46f});
    EXPECT_EQ(d.editor.Dimensions.CurrentDimension, 3);
}

TEST(ContinuedDimensions, OblongBaseAndMissedBase) {
    // A base along (0.8, 0.6): the next dimension runs on along the same line, to the foot of the
    // point, which lies 100 further along and 50 across.
    const PlanPoint P{100, 100}, Q{500, 400}, R{550, 500};
    SnapPointDeck d({{R, {700, 300}}});
    d.AddDimension(P.X, P.Y, Q.X, Q.Y, P.X, P.Y, Q.X, Q.Y);
    d.Tool(Mode::ContinuedBase);
    d.Click(LeftButton, 300, 600 - 250);
    ASSERT_EQ(d.mode(), Mode::ContinuedPoint);
    d.Click(LeftButton, R.X + 1, 600 - R.Y + 2);  // the snap takes the point itself
    ASSERT_EQ(d.model.DimensionCount, 2);
    ExpectLine(d.Last(), Q, {580, 460});
    ExpectMeasured(d.Last(), Q, R);
    EXPECT_EQ(d.Last().Text, "100");

    SnapPointDeck miss({{P, Q}});
    miss.AddDimension(P.X, P.Y, Q.X, Q.Y, P.X, P.Y, Q.X, Q.Y);
    miss.Tool(Mode::ContinuedBase);
    miss.Click(LeftButton, 700, 50);
    EXPECT_EQ(miss.mode(), Mode::Idle);
    EXPECT_EQ(miss.editor.Dimensions.CurrentDimension, -1);
    miss.shell.Languages.UiLanguage = 1;
    miss.Tool(Mode::ContinuedBase);
    miss.Click(LeftButton, 700, 50);
    ASSERT_EQ(miss.host.Texts.size(), 2u);
    EXPECT_EQ(miss.host.Texts[1].second, "Press the right button to complete the entry");
}

}  // namespace
