#include "model/tables/ModelTables.h"

void ReinforcementSections::Clear() {
    ReinforcementSectionCount = 0;
    ReinforcementSectionEnds.assign(MaxSections, {});
    SectionSlabCount.assign(MaxSections, 0);
    SectionSlabs.assign(MaxSections, {});
    ReinforcementSectionSpans.assign(MaxSections, {});
    UpperRebarCount.assign(MaxSections, 0);
    LowerRebarCount.assign(MaxSections, 0);
    UpperRebars.assign(MaxSections, {});
    LowerRebars.assign(MaxSections, {});
}

void Model::ClearDimensionsAndReinforcement() {
    DimensionCount = 0;
    Dimensions.clear();
    Reinforcement.Clear();
}

void Model::ClearBeforeLoad() {
    ClearDimensionsAndReinforcement();
    MasonryWallCount = 0;
    MasonryBeamCount = 0;
    MasonryWalls.clear();
    MasonryBeams.clear();
    HatchLines.Clear();
}

void ResizeRows(IndexRows& rows, int64_t rowCount, int64_t columnCount) {
    rows.assign(rowCount > 0 ? static_cast<size_t>(rowCount) : 0,
                std::vector<int32_t>(columnCount > 0 ? static_cast<size_t>(columnCount) : 0, 0));
}
