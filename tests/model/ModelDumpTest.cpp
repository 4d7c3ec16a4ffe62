#include "tools/ModelDump.h"

#include <gtest/gtest.h>

TEST(ModelDump, ListsScalarsAndRecordsInUseByTheirNames) {
    Model model;
    model.NodeCount = 2;
    model.Nodes = {{1, 0, 0, -1}, {2, 12.5f, -0.25f, 3}, {9, 9, 9, 9}};
    model.Header.ModelOriginX = 100;
    model.Dimensions = {Dimension{}};
    const std::string dump = DumpModel(model);
    EXPECT_NE(dump.find("\nNodeCount=2\nNodes[0] Id=1 X=0 Y=0 FootingType=-1\nNodes[1] Id=2 X=12.5 Y=-0.25 FootingType=3\n"),
              std::string::npos);
    EXPECT_EQ(dump.find("Nodes[2]"), std::string::npos);  // the spare is not in use
    EXPECT_NE(dump.find("\nModelOriginX=100\n"), std::string::npos);
    EXPECT_EQ(dump.find("Dimensions[0]"), std::string::npos);  // DimensionCount is 0
}

TEST(ModelDump, SurvivesCountsLargerThanTheirTables) {
    Model model;
    model.NodeCount = 5;
    model.FloorSlabCount = 3;
    model.Reinforcement.ReinforcementSectionCount = 500;
    EXPECT_NE(DumpModel(model).find("NodeCount=5"), std::string::npos);
}
