#include "editing/HoverHighlight.h"

#include <gtest/gtest.h>

#include <array>

#include "model/files/ArchiveReader.h"
#include "tests/editing/EditorFixture.h"

namespace {

// Square slabs of plan points; the fixture's view shows the model point (x, y) at the canvas
// point (x, 600 - y).
struct HoverDeck : EditorFixture {
    HoverDeck() {
        model.Catalogue.SlabTypes = {{DesignableSlabKind, "designed"}};
        model.Catalogue.SlabTypeCount = 1;
    }
    void FloorSlabOf(std::vector<int32_t> outline, float spanAngle = 0) {
        FloorSlab slab;
        slab.SlabTypeNumber = 1;
        slab.SpanAngle = spanAngle;
        model.FloorSlabs.push_back(slab);
        model.FloorSlabOutlineCount.push_back(static_cast<int32_t>(outline.size()) - 1);
        model.FloorSlabOutline.push_back(std::move(outline));
        ++model.FloorSlabCount;
    }
    void ConcreteSlabOf(int32_t id, std::vector<int32_t> outline) {
        model.ConcreteSlabs.push_back({id, 20, 4, 0});
        model.ConcreteSlabOutlineCount.push_back(static_cast<int32_t>(outline.size()) - 1);
        model.ConcreteSlabOutline.push_back(std::move(outline));
        ++model.ConcreteSlabCount;
    }
    void MoveOver(float x, float y) {
        canvas.ClearRecords();
        Move(0, x, 600 - y);
    }
    size_t Wipes() const { return canvas.RecordsOf(CanvasCall::ClearTemporary).size(); }
    std::vector<std::array<int32_t, 2>> PolygonCorners() const {
        std::vector<std::array<int32_t, 2>> corners;
        for (const CanvasRecord& r : canvas.RecordsOf(CanvasCall::Polygon))
            for (const PixelPoint& p : r.Points) corners.push_back({p.X, p.Y});
        return corners;
    }
};

using Corners = std::vector<std::array<int32_t, 2>>;

// Two floor slabs overlapping between x 200 and 300 and two concrete slabs in the same places: the
// floor-slab pick takes the first, the concrete-slab pick the last.
TEST(HoverHighlight, OverlappingSlabsLightTheOneThePickTakes) {
    HoverDeck d;
    d.FloorSlabOf(d.Square(100, 100, 200));
    d.FloorSlabOf(d.Square(200, 100, 200));
    d.ConcreteSlabOf(1, d.Square(100, 100, 200));
    d.ConcreteSlabOf(2, d.Square(200, 100, 200));

    d.editor.InteractionState = Mode::FloorSlabPerimeter;
    d.MoveOver(250, 200);
    EXPECT_EQ(d.PolygonCorners(), (Corners{{100, 500}, {300, 500}, {300, 300}, {100, 300}}));
    EXPECT_EQ(d.editor.Hover.LastHighlightedIndex, 0);

    for (int32_t mode : {Mode::ConcreteSlabHandOff, Mode::ConcreteSlabPerimeter}) {
        d.editor.InteractionState = mode;
        d.MoveOver(250, 200);
        EXPECT_EQ(d.PolygonCorners(), (Corners{{200, 500}, {400, 500}, {400, 300}, {200, 300}})) << mode;
        EXPECT_EQ(d.editor.Hover.LastHighlightedIndex, 1);
    }
    const CanvasRecord fill = d.canvas.RecordsOf(CanvasCall::Polygon).at(0);
    EXPECT_FALSE(fill.State.AutoRedraw);
    EXPECT_EQ(fill.State.Fore, StandardColour(12));
    EXPECT_EQ(fill.State.Fill, StandardColour(12));
    EXPECT_EQ(fill.State.Filling, FillStyle::CrossHatch);
    EXPECT_EQ(fill.State.Drawing, DrawStyle::Solid);
}

// The memory of what was lit last decides the wipes: none while the same slab stays under the
// cursor, one when another slab comes, one at every move off the slabs once something was lit.
TEST(HoverHighlight, WipesFollowTheSharedMemory) {
    HoverDeck d;
    d.FloorSlabOf(d.Square(100, 100, 100));
    d.FloorSlabOf(d.Square(200, 100, 100));
    d.editor.InteractionState = Mode::FloorSlabPerimeter;
    d.editor.Hover.LastHighlightedIndex = 7;  // a section lit by an earlier tool
    const struct {
        float x, y;
        size_t wipes, polygons;
        int32_t memory;
    } steps[] = {
        {150, 150, 1, 1, 0},  // another index than the one remembered
        {160, 160, 0, 1, 0},  // the same slab: drawn again without a wipe
        {250, 150, 1, 1, 1},  // straight onto the next slab
        {500, 150, 1, 0, 1},  // off every slab: the memory stays
        {520, 150, 1, 0, 1},  // and so every further move wipes again
    };
    for (const auto& step : steps) {
        d.MoveOver(step.x, step.y);
        EXPECT_EQ(d.Wipes(), step.wipes) << step.x;
        EXPECT_EQ(d.canvas.RecordsOf(CanvasCall::Polygon).size(), step.polygons) << step.x;
        EXPECT_EQ(d.editor.Hover.LastHighlightedIndex, step.memory) << step.x;
        if (step.wipes > 0 && step.polygons > 0) {
            EXPECT_EQ(d.canvas.Records().front().Call, CanvasCall::ClearTemporary);
        }
    }
    HoverDeck fresh;  // a new window remembers slab 0
    fresh.FloorSlabOf(fresh.Square(100, 100, 100));
    fresh.editor.InteractionState = Mode::FloorSlabPerimeter;
    fresh.MoveOver(150, 150);
    EXPECT_EQ(fresh.Wipes(), 0u);
}

// One section along the span of its first slab, its lower bar with a hook at the start and its
// upper bar with one at the end; span angles 0 and 90 degrees turn the hooks and the marks.
TEST(HoverHighlight, SectionShowsItsBarsHooksAndEndMarks) {
    struct Line {
        float x1, y1, x2, y2;  // model
    };
    const struct {
        float angle;
        LowerRebar lower;
        UpperRebar upper;
        std::vector<Line> lines;
    } cases[] = {
        {0,
         {.X1 = 100, .X2 = 500, .Y1 = 180, .Y2 = 180, .HookFlags = 1},
         {.X1 = 100, .X2 = 500, .Y1 = 215, .Y2 = 215, .HookFlags = 2},
         {{100, 180, 100, 195}, {100, 180, 500, 180}, {100, 215, 500, 215}, {100, 215, 89.4f, 204.4f},
          {500, 215, 500, 200}}},
        {90,
         {.X1 = 200, .X2 = 200, .Y1 = 100, .Y2 = 500, .HookFlags = 2},
         {.X1 = 215, .X2 = 215, .Y1 = 100, .Y2 = 500, .HookFlags = 1},
         {{200, 500, 185, 500}, {200, 100, 200, 500}, {215, 100, 215, 500}, {215, 100, 230, 100},
          {215, 500, 225.6f, 510.6f}}},
    };
    for (const auto& c : cases) {
        HoverDeck d;
        d.FloorSlabOf(d.Square(0, 0, 600), c.angle);
        ReinforcementSections& r = d.model.Reinforcement;
        r.ReinforcementSectionEnds[0] = {PlanPoint{c.lower.X1, c.lower.Y1}, PlanPoint{c.lower.X2, c.lower.Y2}};
        r.SectionSlabCount[0] = 1;
        r.SectionSlabs[0][0] = 0;
        r.LowerRebars[0][0] = c.lower;
        r.UpperRebars[0][0] = c.upper;
        r.LowerRebarCount[0] = r.UpperRebarCount[0] = 1;
        r.ReinforcementSectionCount = 1;
        d.editor.InteractionState = Mode::DeleteSection;
        d.editor.Hover.LastHighlightedIndex = -1;  // as the command leaves it
        d.MoveOver(c.lower.X1 + 4, c.lower.Y1 + 4);
        EXPECT_EQ(d.Wipes(), 0u);
        const auto lines = d.canvas.RecordsOf(CanvasCall::Line);
        ASSERT_EQ(lines.size(), c.lines.size()) << c.angle;
        for (size_t i = 0; i < lines.size(); ++i) {
            const Line& want = c.lines[i];
            EXPECT_NEAR(lines[i].X1, want.x1, 1e-3) << c.angle << " line " << i;
            EXPECT_NEAR(lines[i].Y1, 600 - want.y1, 1e-3) << c.angle << " line " << i;
            EXPECT_NEAR(lines[i].X2, want.x2, 1e-3) << c.angle << " line " << i;
            EXPECT_NEAR(lines[i].Y2, 600 - want.y2, 1e-3) << c.angle << " line " << i;
            EXPECT_EQ(lines[i].Colour, StandardColour(11));
            EXPECT_FALSE(lines[i].State.AutoRedraw);
        }
        EXPECT_EQ(d.editor.Hover.LastHighlightedIndex, 0);
    }
}

TEST(HoverHighlight, SectionsAndDimensionsOnlyInTheirModes) {
    HoverDeck d;
    d.AddDimension(100, 100, 300, 100, 100, 50, 300, 50);
    d.editor.Hover.LastHighlightedIndex = 5;
    d.editor.InteractionState = Mode::DeleteSection;  // no section in the deck: nothing at all
    d.MoveOver(200, 100);
    EXPECT_TRUE(d.canvas.Records().empty());
    d.editor.InteractionState = Mode::PickSectionToMove;  // nothing to light, but the memory wipes
    d.MoveOver(200, 100);
    EXPECT_EQ(d.Wipes(), 1u);

    for (int32_t mode : {Mode::PickDimensionToMove, Mode::DeleteDimension}) {
        d.editor.InteractionState = mode;
        d.editor.Hover.LastHighlightedIndex = -1;
        d.MoveOver(200, 103);
        const auto lines = d.canvas.RecordsOf(CanvasCall::Line);
        ASSERT_EQ(lines.size(), 1u) << mode;
        EXPECT_EQ((std::array{lines[0].X1, lines[0].Y1, lines[0].X2, lines[0].Y2}),
                  (std::array{100.f, 500.f, 300.f, 500.f}));
        EXPECT_EQ(lines[0].Colour, StandardColour(14));
        EXPECT_FALSE(lines[0].State.AutoRedraw);
    }
    // Modes without hover of their own leave everything as it is.
    for (int32_t mode : {Mode::ZoomFirstCorner, Mode::PickSlabOfNewSection, Mode::PanAnchor}) {
        d.editor.InteractionState = mode;
        d.MoveOver(200, 103);
        EXPECT_TRUE(d.canvas.Records().empty()) << mode;
    }
    d.model.DimensionCount = 0;
    d.editor.InteractionState = Mode::DeleteDimension;
    d.MoveOver(200, 103);
    EXPECT_TRUE(d.canvas.Records().empty());
}

}  // namespace
