#include "editing/Picking.h"

#include <gtest/gtest.h>

#include "tests/editing/EditorFixture.h"

namespace {

// Slabs as squares of plan points; the canvas shows the model 1:1 with y turned (see the fixture).
struct PickDeck : EditorFixture {
    void ConcreteSlabOf(int32_t id, int32_t kind, std::vector<int32_t> outline) {
        model.ConcreteSlabs.push_back({id, 20, 4, kind});
        model.ConcreteSlabOutlineCount.push_back(static_cast<int32_t>(outline.size()) - 1);
        model.ConcreteSlabOutline.push_back(std::move(outline));
        ++model.ConcreteSlabCount;
    }
    // A floor slab of slab type 1 (designed) or 2 (not designed).
    void FloorSlabOf(bool designed, std::vector<int32_t> outline) {
        FloorSlab slab;
        slab.SlabTypeNumber = designed ? 1 : 2;
        model.FloorSlabs.push_back(slab);
        model.FloorSlabOutlineCount.push_back(static_cast<int32_t>(outline.size()) - 1);
        model.FloorSlabOutline.push_back(std::move(outline));
        ++model.FloorSlabCount;
    }
    PickDeck() {
        model.Catalogue.SlabTypes = {{DesignableSlabKind, "designed"}, {0, "other"}};
        model.Catalogue.SlabTypeCount = 2;
    }
    // The canvas point of a model point.
    static std::pair<float, float> At(float x, float y) { return {x, 600 - y}; }
    int32_t Concrete(float x, float y, int32_t& count) { return PickConcreteSlabAt(*this, At(x, y).first, At(x, y).second, count); }
    int32_t Floor(float x, float y) const { return PickFloorSlabAt(*this, At(x, y).first, At(x, y).second); }
};

TEST(ConcreteSlabPick, OpeningCountsOnlyAfterItsSlab) {
    PickDeck after;
    after.ConcreteSlabOf(7, 0, after.Square(0, 0, 400));
    after.ConcreteSlabOf(7, 1, after.Square(100, 100, 100));
    int32_t count = -1;
    EXPECT_EQ(after.Concrete(150, 150, count), -1);
    EXPECT_EQ(count, 0);
    EXPECT_EQ(after.Concrete(300, 300, count), 0);
    EXPECT_EQ(count, 1);

    PickDeck before;
    before.ConcreteSlabOf(7, 1, before.Square(100, 100, 100));
    before.ConcreteSlabOf(7, 0, before.Square(0, 0, 400));
    EXPECT_EQ(before.Concrete(150, 150, count), 1);
    EXPECT_EQ(count, 1);

    // Another slab's region does not cut this one.
    PickDeck other;
    other.ConcreteSlabOf(7, 0, other.Square(0, 0, 400));
    other.ConcreteSlabOf(8, 1, other.Square(100, 100, 100));
    EXPECT_EQ(other.Concrete(150, 150, count), 0);
}

TEST(ConcreteSlabPick, OverlappingSlabsAreAllListedAndTheLastReturned) {
    PickDeck d;
    d.ConcreteSlabOf(1, 0, d.Square(0, 0, 300));
    d.ConcreteSlabOf(2, 0, d.Square(500, 0, 100));
    d.ConcreteSlabOf(3, 0, d.Square(200, 200, 300));
    int32_t count = 0;
    EXPECT_EQ(d.Concrete(250, 250, count), 2);
    EXPECT_EQ(count, 2);
    EXPECT_EQ(d.editor.SlabPick.FoundConcreteSlabs, (std::vector<int32_t>{0, 2, 0, 0}));
}

TEST(FloorSlabPick, OnlyDesignedSlabsExceptWhilePerimetersArePicked) {
    PickDeck d;
    d.FloorSlabOf(false, d.Square(0, 0, 300));
    d.FloorSlabOf(true, d.Square(100, 100, 300));
    d.FloorSlabOf(true, d.Square(0, 0, 500));
    EXPECT_EQ(d.Floor(50, 50), 2);
    EXPECT_EQ(d.Floor(150, 150), 1);  // overlapping: the earlier designed one
    EXPECT_EQ(d.Floor(600, 50), -1);
    d.editor.InteractionState = Mode::FloorSlabPerimeter;
    EXPECT_EQ(d.Floor(50, 50), 0);
    EXPECT_EQ(d.Floor(150, 150), 0);
}

TEST(SlabPicks, EmptyModelAndRecordsOutsideTheirTablesFindNothing) {
    PickDeck empty;
    int32_t count = 5;
    EXPECT_EQ(empty.Concrete(10, 10, count), -1);
    EXPECT_EQ(count, 0);
    EXPECT_EQ(empty.Floor(10, 10), -1);

    PickDeck d;
    std::vector<int32_t> bad = d.Square(0, 0, 300);
    bad[2] = 99;
    d.ConcreteSlabOf(1, 0, bad);
    d.FloorSlabOf(true, bad);
    d.FloorSlabOf(true, d.Square(0, 0, 300));
    d.model.FloorSlabOutlineCount[1] = 40;  // beyond its row: the row is read, no further
    d.model.FloorSlabs[1].SlabTypeNumber = 9;  // no such slab type: not designed
    d.model.ConcreteSlabCount = 6;
    d.model.FloorSlabCount = 6;
    EXPECT_EQ(d.Concrete(100, 100, count), -1);
    EXPECT_EQ(count, 0);
    EXPECT_EQ(d.Floor(100, 100), -1);
    d.editor.InteractionState = Mode::FloorSlabPerimeter;
    EXPECT_EQ(d.Floor(100, 100), 1);
}

struct RebarDeck : EditorFixture {
    ReinforcementSections& r = model.Reinforcement;
    void Section(float x1, float y1, float x2, float y2) {
        r.ReinforcementSectionEnds[static_cast<size_t>(r.ReinforcementSectionCount++)] = {PlanPoint{x1, y1}, {x2, y2}};
    }
    void Lower(int32_t s, float x1, float y1, float x2, float y2) {
        LowerRebar& bar = r.LowerRebars[static_cast<size_t>(s)][static_cast<size_t>(r.LowerRebarCount[s]++)];
        bar.X1 = x1, bar.Y1 = y1, bar.X2 = x2, bar.Y2 = y2;
    }
    void Upper(int32_t s, float x1, float y1, float x2, float y2) {
        UpperRebar& bar = r.UpperRebars[static_cast<size_t>(s)][static_cast<size_t>(r.UpperRebarCount[s]++)];
        bar.X1 = x1, bar.Y1 = y1, bar.X2 = x2, bar.Y2 = y2;
    }
};

TEST(ReinforcementPicks, SectionWithinFifteenPixelsAndLowerBarsFirst) {
    RebarDeck d;
    EXPECT_EQ(BeccaSezione(d, 100, 300), -1);
    int32_t section = 9, rebar = 9, family = 9;
    BeccaFerro(d, 100, 300, section, rebar, family);
    EXPECT_EQ((std::array{section, rebar, family}), (std::array{9, -1, 9}));

    d.Section(0, 100, 400, 100);  // canvas y 500
    d.Section(0, 300, 400, 300);  // canvas y 300
    EXPECT_EQ(BeccaSezione(d, 200, 314.9f), 1);
    EXPECT_EQ(BeccaSezione(d, 200, 315.1f), -1);

    d.Upper(0, 0, 300, 400, 300);  // right under the cursor
    d.Lower(0, 0, 100, 400, 100);
    d.Lower(1, 0, 306, 400, 306);  // 6 pixels away
    d.Lower(1, 0, 305, 400, 305);
    BeccaFerro(d, 200, 300, section, rebar, family);
    EXPECT_EQ((std::array{section, rebar, family}), (std::array{1, 0, 1}));
    BeccaFerro(d, 200, 302, section, rebar, family);  // 7 and 8 pixels from the lower bars
    EXPECT_EQ((std::array{section, rebar, family}), (std::array{0, 0, 0}));
}

TEST(ReinforcementPicks, CountsBeyondTheTablesAreNotFollowed) {
    RebarDeck d;
    d.Section(0, 100, 400, 100);
    d.r.ReinforcementSectionCount = 500;
    d.r.LowerRebarCount[0] = 300;
    d.r.UpperRebarCount[0] = -4;
    EXPECT_EQ(BeccaSezione(d, 200, 500), 0);
    int32_t section = 0, rebar = 0, family = 0;
    BeccaFerro(d, 200, 50, section, rebar, family);
    EXPECT_EQ(rebar, -1);
}

}  // namespace
