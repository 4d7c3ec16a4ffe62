#pragma once
// Small decks built in code for the plan-geometry tests: nodes, members, slabs and a catalogue of
// rectangular sections.
#include <cstdint>
#include <ostream>
#include <vector>

#include "model/tables/ModelTables.h"

struct DeckBuilder {
    Model M;

    // A parametric rectangle width × height; returns its 1-based section number.
    int32_t RectangleSection(float width, float height);
    // A parametric T: top flange flangeWidth wide, web webWidth wide.
    int32_t TeeSection(float flangeWidth, float webWidth, float height);
    // A catalogue profile answered by the section-properties server.
    int32_t ProfileSection(float width, float height);

    int32_t AddNode(float x, float y, int32_t footingType = -1);
    int32_t AddBeam(int32_t nodeI, int32_t nodeJ, int32_t sectionNumber, float sectionAngle = 0);
    int32_t AddWall(int32_t nodeI, int32_t nodeJ, float thickness, int32_t groupId = 1);
    void AddPillar(int32_t node);
    // Model polygons, closed in memory.
    int32_t AddConcreteSlab(const std::vector<int32_t>& nodes);
    int32_t AddFloorSlab(const std::vector<int32_t>& nodes);

    // The derivation of a fresh export that this library owns, in its order.
    void Derive();

    PlanPoint Point(int32_t planNode) const { return M.PlanNodes.at(planNode); }
    std::vector<EdgeLine> Extrados() const;
    std::vector<EdgeLine> Intrados() const;
    std::vector<EdgeLine> WallLines() const;
    std::vector<int32_t> Loops() const;
    std::vector<int32_t> ConcreteSlabPolygon(int32_t slab) const;
};

// Readable failure messages.
inline std::ostream& operator<<(std::ostream& out, const EdgeLine& l) {
    return out << '(' << l.PlanNodeA << ", " << l.PlanNodeB << ", owner " << l.Owner << ')';
}
inline std::ostream& operator<<(std::ostream& out, const WallJunctionEdge& r) {
    return out << "(node " << r.JunctionNode << ": " << r.PlanNodeA << ", " << r.PlanNodeB << ')';
}
inline std::ostream& operator<<(std::ostream& out, const PlanPoint& p) { return out << '(' << p.X << ", " << p.Y << ')'; }
