#pragma once
// Bounded reads and growing appends on the model's count-beside-table layout, so that a count
// that disagrees with its table, or a table sized too small by the reader, never leads outside it.
#include <algorithm>
#include <cstdint>
#include <vector>

#include "model/tables/ModelTables.h"

// The number of records that can be read: the count, but never beyond the table.
template <class T>
int32_t UsableCount(int32_t count, const std::vector<T>& table) {
    return static_cast<int32_t>(std::clamp<int64_t>(count, 0, static_cast<int64_t>(table.size())));
}

// Stores record at position count and advances count, growing the table when it is full.
template <class T>
void AppendRecord(std::vector<T>& table, int32_t& count, const T& record) {
    if (count < 0) count = 0;
    if (static_cast<size_t>(count) >= table.size()) table.resize(static_cast<size_t>(count) + 1);
    table[static_cast<size_t>(count)] = record;
    ++count;
}

inline bool IsNodeIndex(const Model& model, int32_t node) {
    return node >= 0 && node < UsableCount(model.NodeCount, model.Nodes);
}

inline bool IsPlanPointIndex(const Model& model, int32_t point) {
    return point >= 0 && point < UsableCount(model.PlanNodeCount, model.PlanNodes);
}
