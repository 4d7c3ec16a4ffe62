#include "model/tables/ModelTables.h"

#include <gtest/gtest.h>

#include <limits>

TEST(ModelTables, ReinforcementTablesHaveTheirFixedCapacitiesAndClearToZero) {
    Model model;
    auto& r = model.Reinforcement;
    ASSERT_EQ(r.UpperRebars.size(), 101u);
    ASSERT_EQ(r.LowerRebars[100].size(), 71u);
    ASSERT_EQ(r.SectionSlabs[100].size(), 36u);

    r.ReinforcementSectionCount = 3;
    r.UpperRebars[100][70].Diameter = 12;
    r.SectionSlabs[5][35] = 7;
    model.DimensionCount = 1;
    model.Dimensions.push_back({});
    model.MasonryWallCount = 2;
    model.MasonryWalls.resize(3);
    model.NodeCount = 4;
    model.HatchLines.Keep({1, 2, 3}, {HatchSegment{0, 0, 1, 1}});

    model.ClearBeforeLoad();
    EXPECT_EQ(r.ReinforcementSectionCount, 0);
    EXPECT_EQ(r.UpperRebars[100][70].Diameter, 0);
    EXPECT_EQ(r.SectionSlabs[5][35], 0);
    EXPECT_EQ(model.DimensionCount, 0);
    EXPECT_TRUE(model.MasonryWalls.empty());
    EXPECT_EQ(model.HatchLines.EntryCount(), 0u);
    EXPECT_EQ(model.NodeCount, 4) << "the reader re-sizes the model tables itself";
}

TEST(ModelTables, ResizedTablesHoldZeroSpares) {
    std::vector<Node> nodes{{5, 1, 2, 3}};
    ResizeTable(nodes, 1);
    EXPECT_EQ(nodes[0], Node{});
    ResizeTable(nodes, -3);
    EXPECT_TRUE(nodes.empty());

    IndexRows rows;
    ResizeRows(rows, 2, 4);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[1], std::vector<int32_t>(4, 0));
}

// Numbers as the data file may give them, to the integer limits: each designates its entry or none,
// counted against the smaller of the count and the table.
TEST(ModelTables, OneBasedNumbersDesignateAnEntryOrNone) {
    SectionCatalogue c;
    c.ArchiveSectionCount = 3;  // the third section has no row in the tables
    c.SectionClass = {0, 1};
    c.SectionShape = {1, 1};
    c.SectionParams = {SectionParamRow{}, SectionParamRow{}};
    c.FootingTypeCount = 5;  // more than the table holds
    c.FootingTypes = {FootingType{1, {}, 0}, FootingType{2, {}, 0}};
    c.SlabTypeCount = 1;  // fewer than the table holds
    c.SlabTypes = {SlabType{1, "a"}, SlabType{2, "b"}};

    constexpr int32_t Min = std::numeric_limits<int32_t>::min(), Max = std::numeric_limits<int32_t>::max();
    struct Case {
        int32_t number;
        int32_t section;     // the index; -1 none
        float footingShape;  // of the type found; 0 none
        int32_t slabKind;    // of the type found; 0 none
    };
    const Case cases[] = {
        {Min, -1, 0, 0}, {Min + 1, -1, 0, 0}, {-1, -1, 0, 0}, {0, -1, 0, 0},   {1, 0, 1, 1},
        {2, 1, 2, 0},    {3, -1, 0, 0},       {6, -1, 0, 0},  {Max, -1, 0, 0},
    };
    for (const Case& k : cases) {
        EXPECT_EQ(c.SectionIndexOf(k.number), k.section) << k.number;
        const FootingType* footing = c.FootingTypeOf(k.number);
        EXPECT_EQ(footing ? footing->Shape : 0, k.footingShape) << k.number;
        const SlabType* slab = c.SlabTypeOf(k.number);
        EXPECT_EQ(slab ? slab->Kind : 0, k.slabKind) << k.number;
    }
    EXPECT_EQ(OneBasedIndex(Max, int64_t{Max}), Max - 1);
    EXPECT_EQ(OneBasedIndex(Min, int64_t{Max}), -1);
}
