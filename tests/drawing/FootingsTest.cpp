#include "drawing/Footings.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "tests/drawing/PlanFixture.h"
#include "tests/support/DeckBuilder.h"

namespace {

// A footing type of the shape code with the numbered dimensions given.
FootingType Type(float shape, std::initializer_list<std::pair<int, float>> dims, int32_t eccentric = 0) {
    FootingType t;
    t.Shape = shape;
    for (const auto& [k, v] : dims) t.Dims[static_cast<size_t>(k)] = v;
    t.Eccentric = eccentric;
    return t;
}

using Corners = std::vector<PlanPoint>;

// The lines of a closed outline, corner after corner and back to the first.
std::vector<FootingLine> Outline(const Corners& corners) {
    std::vector<FootingLine> lines;
    for (size_t i = 0; i < corners.size(); ++i) lines.push_back({corners[i], corners[(i + 1) % corners.size()]});
    return lines;
}

std::vector<FootingLine> Joined(std::vector<FootingLine> a, const std::vector<FootingLine>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

void ExpectNear(PlanPoint actual, PlanPoint expected, const std::string& what) {
    EXPECT_NEAR(actual.X, expected.X, 0.01) << what;
    EXPECT_NEAR(actual.Y, expected.Y, 0.01) << what;
}

void ExpectFigure(const FootingFigure& f, const std::vector<FootingLine>& lines, const Corners& circles, float radius,
                  const std::string& name) {
    ASSERT_EQ(f.lines.size(), lines.size()) << name;
    for (size_t i = 0; i < lines.size(); ++i) {
        ExpectNear(f.lines[i].a, lines[i].a, name + ", start of line " + std::to_string(i));
        ExpectNear(f.lines[i].b, lines[i].b, name + ", end of line " + std::to_string(i));
    }
    ASSERT_EQ(f.circles.size(), circles.size()) << name;
    for (size_t i = 0; i < circles.size(); ++i) ExpectNear(f.circles[i], circles[i], name + ", circle " + std::to_string(i));
    if (!circles.empty()) {
        EXPECT_FLOAT_EQ(f.radius, radius) << name;
    }
}

// Rectangle corners as the drawers list them: from bottom-left counter-clockwise.
Corners Box(float cx, float cy, float hx, float hy) {
    return {{cx - hx, cy - hy}, {cx + hx, cy - hy}, {cx + hx, cy + hy}, {cx - hx, cy + hy}};
}

TEST(BuildFootingFigure, PadFootingsDrawTheirBlocksTurnedAboutTheNode) {
    // Lower block 100 × 80 at the offset (10, 5), upper block 40 × 30.
    const std::initializer_list<std::pair<int, float>> pad = {{1, 100}, {2, 80}, {3, 40}, {4, 30}, {7, 10}, {8, 5}};
    const Corners lower = Box(10, 5, 50, 40), upper = Box(10, 5, 20, 15);

    ExpectFigure(BuildFootingFigure(Type(0, pad), 0, 0), Joined(Outline(lower), Outline(upper)), {}, 0, "code 0");
    auto withTail = Type(2, pad);
    withTail.Dims[10] = 500, withTail.Dims[11] = 700;
    ExpectFigure(BuildFootingFigure(withTail, 0, 0), Joined(Outline(lower), Outline(upper)), {}, 0,
                 "code 2 draws as code 0");
    ExpectFigure(BuildFootingFigure(Type(1, pad), 0, 0), Outline(lower), {}, 0, "code 1 without a step");

    // With a step: per corner the lower edge, the upper edge and the join between their corners.
    auto stepped = Type(1, pad);
    stepped.Dims[6] = 30;
    std::vector<FootingLine> expected;
    const auto lo = Outline(lower), up = Outline(upper);
    for (size_t i = 0; i < 4; ++i) expected.insert(expected.end(), {lo[i], up[i], {lower[i], upper[i]}});
    ExpectFigure(BuildFootingFigure(stepped, 0, 0), expected, {}, 0, "code 1 with a step");

    // Turned by 90 degrees: the lower block's centre (10, 5) goes to (-5, 10); an eccentric upper
    // block stands on the node. Then moved onto the node at (1000, 2000).
    auto turned = Type(0, pad, 1);
    turned.Dims[9] = 90;
    const Corners turnedLower = {{1035, 1960}, {1035, 2060}, {955, 2060}, {955, 1960}};
    const Corners turnedUpper = {{1015, 1980}, {1015, 2020}, {985, 2020}, {985, 1980}};
    ExpectFigure(BuildFootingFigure(turned, 1000, 2000), Joined(Outline(turnedLower), Outline(turnedUpper)), {}, 0,
                 "code 0 eccentric, turned");
}

TEST(BuildFootingFigure, PileCapsDrawTheirOutlineThenTheirPiles) {
    const struct {
        const char* name;
        FootingType type;
        Corners outline;
        Corners piles;
    } cases[] = {
        // Codes 3 and 4 are never turned.
        {"code 3", Type(3, {{1, 60}, {5, 45}, {9, 45}}), {}, {{0, 0}}},
        {"code 4", Type(4, {{1, 60}, {4, 50}, {5, 30}}), Box(0, 0, 50, 50), {{0, 0}}},
        {"code 5", Type(5, {{1, 60}, {4, 20}, {6, 100}}), Box(0, 0, 70, 20), {{-50, 0}, {50, 0}}},
        {"code 5 turned", Type(5, {{1, 60}, {4, 20}, {6, 100}, {5, 90}}),
         {{20, -70}, {20, 70}, {-20, 70}, {-20, -70}}, {{0, -50}, {0, 50}}},
        {"code 6",
         Type(6, {{1, 60}, {4, 30}, {6, 100}}),
         {{-17.32f, 87.735f}, {17.32f, 87.735f}, {84.641f, -28.87f}, {67.32f, -58.87f}, {-67.32f, -58.87f},
          {-84.641f, -28.87f}},
         {{0, 57.735f}, {-50, -29.265f}, {50, -29.265f}}},
        {"code 6 without spacing",
         Type(6, {{1, 60}, {4, 30}}),
         {{-17.321f, 30}, {17.321f, 30}, {34.641f, 0}, {17.321f, -30}, {-17.321f, -30}, {-34.641f, 0}},
         {{0, 0}, {0, 0}, {0, 0}}},
        {"code 7", Type(7, {{1, 60}, {4, 25}, {6, 60}, {7, 100}}), Box(0, 0, 55, 75),
         {{-30, 50}, {30, -50}, {-30, -50}, {30, 50}}},
        {"code 8", Type(8, {{1, 60}, {4, 25}, {6, 60}, {7, 100}}), Box(0, 0, 85, 75),
         {{-60, 50}, {60, -50}, {-60, -50}, {60, 50}, {0, 0}}},
        {"code 9",
         Type(9, {{1, 60}, {4, 30}, {6, 100}}),
         {{0, 137.082f}, {130.373f, 42.361f}, {80.575f, -110.902f}, {-80.575f, -110.902f}, {-130.373f, 42.361f}},
         {{0, 100}, {95.106f, 30.902f}, {58.779f, -80.902f}, {-58.779f, -80.902f}, {-95.106f, 30.902f}}},
        {"code 9 without spacing", Type(9, {{1, 60}, {4, 30}}), Corners(5, PlanPoint{0, 0}), Corners(5, PlanPoint{0, 0})},
        {"code 10", Type(10, {{1, 60}, {4, 25}, {6, 60}, {7, 100}}), Box(0, 0, 85, 75),
         {{-60, 50}, {60, -50}, {-60, -50}, {60, 50}, {0, 50}, {0, -50}}},
    };
    for (const auto& c : cases) {
        const std::vector<FootingLine> outline = c.outline.empty() ? std::vector<FootingLine>{} : Outline(c.outline);
        ExpectFigure(BuildFootingFigure(c.type, 0, 0), outline, c.piles, 30, c.name);
    }
}

TEST(BuildFootingFigure, AShapeCodeOtherThanTheWholeValuesZeroToTenDrawsNothing) {
    for (float shape : {-1.0f, 0.5f, 2.25f, 11.0f}) {
        const FootingFigure f = BuildFootingFigure(Type(shape, {{1, 100}, {2, 100}, {4, 30}, {6, 60}}), 0, 0);
        EXPECT_TRUE(f.lines.empty()) << shape;
        EXPECT_TRUE(f.circles.empty()) << shape;
    }
}

// Three footing types under the nodes of a row; the last two nodes name footing types that the
// archive does not hold.
struct FootingDeck : PlanFixture {
    FootingDeck() {
        DeckBuilder d;
        d.M.Catalogue.FootingTypes = {Type(8, {{1, 60}, {4, 25}, {6, 60}, {7, 100}}),
                                      Type(0, {{1, 100}, {2, 80}, {3, 40}, {4, 30}}), Type(12, {{1, 60}}), {}};
        d.M.Catalogue.FootingTypeCount = 3;
        d.AddNode(0, 0, 1);
        d.AddNode(500, 0, 2);
        d.AddNode(1000, 0, 3);
        d.AddNode(1500, 0, 4);
        d.AddNode(2000, 0, 0);
        model = d.M;
    }
};

TEST(DrawFooting, TheSameLinesAndCirclesGoToTheCanvasAndTheDxfFileOnTheFootingLayer) {
    FootingDeck deck;
    const auto footings = OnLayer(deck.DxfPass(), deck.Layer(6));
    std::vector<DxfEntity> lines, circles;
    for (const DxfEntity& e : footings) (e.Kind == "CIRCLE" ? circles : lines).push_back(e);
    // The pile cap's outline and five piles at node 0, the pad's eight lines at node 1; nothing
    // for the shape code 12, the footing type 4 beyond the count and the type number 0.
    ASSERT_EQ(lines.size(), 12u);
    ASSERT_EQ(circles.size(), 5u);
    EXPECT_FLOAT_EQ(lines[0].X1, -85);
    EXPECT_FLOAT_EQ(lines[0].Y1, -75);
    EXPECT_FLOAT_EQ(lines[4].X1, 450);  // the pad at (500, 0)
    EXPECT_FLOAT_EQ(circles[4].Size, 30);
    for (const DxfEntity& e : lines) EXPECT_EQ(e.LineType, "") << "the layer's own linetype";

    deck.CanvasPass();
    const ColourRef colour = deck.drawing.LayerScreenColours[6];
    size_t canvasLines = 0, canvasCircles = 0;
    for (const CanvasRecord& r : deck.canvas.Records()) {
        if (r.Call == CanvasCall::Line && r.Colour == colour) ++canvasLines;
        if (r.Call == CanvasCall::Circle && r.Colour == colour) ++canvasCircles;
    }
    EXPECT_EQ(canvasLines, lines.size());
    EXPECT_EQ(canvasCircles, circles.size());
}

}  // namespace
