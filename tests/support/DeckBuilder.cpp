#include "tests/support/DeckBuilder.h"

#include "plangeom/BeamEdges.h"
#include "plangeom/HatchLoops.h"
#include "plangeom/ImportCleanup.h"
#include "plangeom/WallEdges.h"

namespace {

int32_t AddSection(SectionCatalogue& c, int32_t sectionClass, int32_t shape, SectionParamRow params) {
    c.SectionClass.push_back(sectionClass);
    c.SectionShape.push_back(shape);
    c.SectionParams.push_back(params);
    return ++c.ArchiveSectionCount;
}

template <class T>
std::vector<T> Used(const std::vector<T>& table, int32_t count) {
    return {table.begin(), table.begin() + count};
}

}  // namespace

int32_t DeckBuilder::RectangleSection(float width, float height) {
    return AddSection(M.Catalogue, ParametricSection, 1, {width, height, 0, 0, 0, 0});
}

int32_t DeckBuilder::TeeSection(float flangeWidth, float webWidth, float height) {
    return AddSection(M.Catalogue, ParametricSection, 2, {webWidth, height, flangeWidth, 10, 0, 0});
}

int32_t DeckBuilder::ProfileSection(float width, float height) {
    ServerSection profile;
    profile.Name = "PROFILE";
    profile.Width = width;
    profile.Height = height;
    M.Catalogue.ServerSections.push_back(profile);
    const float record = static_cast<float>(M.Catalogue.ServerSectionCount++);
    return AddSection(M.Catalogue, CatalogueProfile, 1, {200, 0, record, 0, 0, 0});
}

int32_t DeckBuilder::AddNode(float x, float y, int32_t footingType) {
    M.Nodes.push_back({M.NodeCount + 1, x, y, footingType});
    return M.NodeCount++;
}

int32_t DeckBuilder::AddBeam(int32_t nodeI, int32_t nodeJ, int32_t sectionNumber, float sectionAngle) {
    BeamElement beam;
    beam.SectionNumber = sectionNumber;
    beam.BeamNumber = M.BeamElementCount + 1;
    beam.NodeI = nodeI;
    beam.NodeJ = nodeJ;
    beam.SectionAngle = sectionAngle;
    M.BeamElements.push_back(beam);
    return M.BeamElementCount++;
}

int32_t DeckBuilder::AddWall(int32_t nodeI, int32_t nodeJ, float thickness, int32_t groupId) {
    WallSegment wall;
    wall.GroupId = groupId;
    wall.Thickness = thickness;
    wall.NodeI = nodeI;
    wall.NodeJ = nodeJ;
    wall.Side = 1;
    M.WallSegments.push_back(wall);
    return M.WallSegmentCount++;
}

void DeckBuilder::AddPillar(int32_t node) {
    Pillar pillar;
    pillar.SectionNumber = 1;
    pillar.PillarNumber = M.PillarCount + 1;
    pillar.Node = node;
    M.Pillars.push_back(pillar);
    ++M.PillarCount;
}

int32_t DeckBuilder::AddConcreteSlab(const std::vector<int32_t>& nodes) {
    ConcreteSlab slab;
    slab.Id = M.ConcreteSlabCount + 1;
    slab.Thickness = 20;
    slab.VertexCount = static_cast<int32_t>(nodes.size());
    M.ConcreteSlabs.push_back(slab);
    M.ConcreteSlabDesigns.emplace_back();
    std::vector<int32_t> row = nodes;
    row.push_back(nodes.front());
    row.resize(nodes.size() + 10);  // spares, as the reader leaves them
    M.ConcreteSlabModelPolygon.push_back(row);
    return M.ConcreteSlabCount++;
}

int32_t DeckBuilder::AddFloorSlab(const std::vector<int32_t>& nodes) {
    FloorSlab slab;
    slab.Number = M.FloorSlabCount + 1;
    slab.VertexCount = static_cast<int32_t>(nodes.size());
    M.FloorSlabs.push_back(slab);
    std::vector<int32_t> row = nodes;
    row.push_back(nodes.front());
    M.FloorSlabModelPolygon.push_back(row);
    return M.FloorSlabCount++;
}

void DeckBuilder::Derive() {
    M.PlanNodeCount = 0;
    SimplifyConcreteSlabPolygons(M);
    MergeCollinearWallSegments(M);
    BuildBeamEdges(M);
    BuildWallEdges(M);
    BuildHatchLoops(M);
}

std::vector<EdgeLine> DeckBuilder::Extrados() const { return Used(M.BeamExtradosEdges, M.BeamExtradosEdgeCount); }
std::vector<EdgeLine> DeckBuilder::Intrados() const { return Used(M.BeamIntradosEdges, M.BeamIntradosEdgeCount); }
std::vector<EdgeLine> DeckBuilder::WallLines() const { return Used(M.WallEdges, M.WallEdgeCount); }
std::vector<int32_t> DeckBuilder::Loops() const { return Used(M.HatchLoops, M.HatchLoopLongCount); }

std::vector<int32_t> DeckBuilder::ConcreteSlabPolygon(int32_t slab) const {
    const auto& row = M.ConcreteSlabModelPolygon.at(slab);
    return {row.begin(), row.begin() + M.ConcreteSlabs.at(slab).VertexCount + 1};
}
