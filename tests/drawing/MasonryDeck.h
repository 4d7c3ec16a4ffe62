#pragma once
// A masonry plan for the drawing tests: level walls and lintels, each between two nodes of its
// own, with the outline corners the outline construction would give a lone element.
#include <cstdint>
#include <string>
#include <vector>

#include "tests/drawing/PlanFixture.h"

struct MasonryDeck : PlanFixture {
    static constexpr int32_t Closed = -1, Joined = 0;

    explicit MasonryDeck(int16_t isotex) {
        model.Header.PlanKind = MasonryPlan;
        model.MasonryIsIsotex = isotex;
    }

    // A wall from (x1, y) to (x2, y) of thickness t, closed or joined at each end.
    MasonryElement& AddWall(float x1, float x2, float y, float t, int32_t endA = Closed, int32_t endB = Closed) {
        return Add(model.MasonryWalls, model.MasonryWallCount, x1, x2, y, t, endA, endB);
    }
    MasonryElement& AddLintel(float x1, float x2, float y, float t) {
        return Add(model.MasonryBeams, model.MasonryBeamCount, x1, x2, y, t, Joined, Joined);
    }

    std::vector<DxfEntity> OnRow(int row) { return OnLayer(DxfPass(), Layer(row)); }

private:
    int32_t AddNode(float x, float y) {
        model.Nodes.push_back({model.NodeCount + 1, x, y, -1});
        return model.NodeCount++;
    }
    int32_t AddPoint(float x, float y) {
        model.PlanNodes.push_back({x, y});
        return model.PlanNodeCount++;
    }
    MasonryElement& Add(std::vector<MasonryElement>& table, int16_t& count, float x1, float x2, float y, float t,
                        int32_t endA, int32_t endB) {
        MasonryElement e;
        e.Number = count + 1;
        e.Name = "Blocco " + std::to_string(count + 1);
        e.Thickness = t;
        e.NodeI = AddNode(x1, y), e.NodeJ = AddNode(x2, y);
        // Corner 1 on the right of the axis from end A to end B, corner 2 on its left.
        e.BorderA1 = AddPoint(x1, y - t / 2), e.BorderA2 = AddPoint(x1, y + t / 2);
        e.BorderB1 = AddPoint(x2, y - t / 2), e.BorderB2 = AddPoint(x2, y + t / 2);
        e.BorderAFlag = endA, e.BorderBFlag = endB;
        e.VerticalGroupCount = 1;
        e.VerticalBarDiameterA = e.VerticalBarDiameterB = 12;
        table.push_back(e);
        ++count;
        return table.back();
    }
};
