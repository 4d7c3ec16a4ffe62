#include "model/tables/ModelTables.h"

#include <gtest/gtest.h>

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

    model.ClearBeforeLoad();
    EXPECT_EQ(r.ReinforcementSectionCount, 0);
    EXPECT_EQ(r.UpperRebars[100][70].Diameter, 0);
    EXPECT_EQ(r.SectionSlabs[5][35], 0);
    EXPECT_EQ(model.DimensionCount, 0);
    EXPECT_TRUE(model.MasonryWalls.empty());
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
