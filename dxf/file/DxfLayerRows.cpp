#include "dxf/file/DxfLayerRows.h"

#include <algorithm>

#include "dxf/writers/DxfLayerNames.h"

std::vector<DxfLayerRow> DxfLayerRows(const DrawingState& drawing) {
    std::vector<DxfLayerRow> rows{{"0", 7, -1}, {"Defpoints", 7, -1}};
    for (size_t row = 0; row < drawing.LayerNames.size(); ++row) {
        std::string name = DxfLayerName(drawing.LayerNames[row]);
        const bool taken =
            std::any_of(rows.begin(), rows.end(), [&](const DxfLayerRow& r) { return SameDxfLayerName(r.Name, name); });
        if (!taken) rows.push_back({std::move(name), drawing.LayerAci[row], static_cast<int32_t>(row)});
    }
    return rows;
}
