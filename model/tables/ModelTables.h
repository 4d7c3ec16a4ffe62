#pragma once
// The tables of one loaded floor deck. Counts stand beside their tables; records refer to one
// another by table index; section, footing-type and slab-type numbers are 1-based; -1 is none.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "model/geometry/HatchLineCache.h"
#include "model/tables/SectionCatalogue.h"

struct Node {
    int32_t Id = 0;
    float X = 0, Y = 0;
    int32_t FootingType = 0;  // 1-based; -1 none
    bool operator==(const Node&) const = default;
};

struct PlanPoint {
    float X = 0, Y = 0;
    bool operator==(const PlanPoint&) const = default;
};

struct BeamElement {
    int32_t SectionNumber = 0;
    int32_t BeamNumber = 0;
    int32_t NodeI = 0, NodeJ = 0;
    float OffsetXI = 0, OffsetYI = 0, OffsetXJ = 0, OffsetYJ = 0;
    int32_t HasOffsets = 0;
    float SectionAngle = 0;
    bool operator==(const BeamElement&) const = default;
};

// Owner: +(member index + 1) for a face line along the member, -(member index + 1) for the line
// that closes a square end.
struct EdgeLine {
    int32_t PlanNodeA = 0, PlanNodeB = 0;
    int32_t Owner = 0;
    bool operator==(const EdgeLine&) const = default;
};

struct Pillar {
    int32_t SectionNumber = 0;
    int32_t PillarNumber = 0;
    int32_t Node = 0;
    float OffsetX = 0, OffsetY = 0;
    int32_t Side = 0;
    int32_t HasOffsets = 0;
    float Angle = 0;
    bool operator==(const Pillar&) const = default;
};

struct WallSegment {
    int32_t GroupId = 0;
    float Thickness = 0;
    int32_t NodeI = 0, NodeJ = 0;
    float OffsetXI = 0, OffsetYI = 0, OffsetXJ = 0, OffsetYJ = 0;
    int32_t HasOffsets = 0;
    int32_t Side = 0;
    bool operator==(const WallSegment&) const = default;
};

struct WallJunctionEdge {
    int32_t JunctionNode = 0;
    int32_t PlanNodeA = 0, PlanNodeB = 0;
    bool operator==(const WallJunctionEdge&) const = default;
};

struct ConcreteSlab {
    int32_t Id = 0;
    float Thickness = 0;
    int32_t VertexCount = 0;
    int32_t Kind = 0;  // 0: the slab proper; other values: inner regions
    bool operator==(const ConcreteSlab&) const = default;
};

struct ConcreteSlabDesign {
    int32_t AreaNodeLineCount = 0;
    int32_t Rck = 0;
    int32_t SteelStress = 0;
    float Cover = 0;
    float Spacing1 = 0;
    int32_t Diameter1 = 0;
    float Spacing2 = 0;
    int32_t Diameter2 = 0;
    int32_t ExtraDiameter1 = 0;
    int32_t ExtraDiameter2 = 0;
    float Angle1 = 0;
    float Angle12 = 0;
    int32_t FoundationFlag = 0;
    bool operator==(const ConcreteSlabDesign&) const = default;
};

struct DiagramPoint {
    float Position = 0;
    float LowerSteel = 0, UpperSteel = 0;
    bool operator==(const DiagramPoint&) const = default;
};

struct FloorSlab {
    int32_t Number = 0;
    int32_t VertexCount = 0;
    int32_t Extra1 = 0;
    float SpanAngle = 0;
    int32_t Extra2 = 0, Extra3 = 0;
    int32_t SectionNumber = 0;
    float Thickness = 0;
    float Area = 0;  // signed: negative when the outline runs counter-clockwise
    float CentroidX = 0, CentroidY = 0;
    float RefPoint2X = 0, RefPoint2Y = 0, RefPoint3X = 0, RefPoint3Y = 0;
    float DiagramX1 = 0, DiagramY1 = 0, DiagramX2 = 0, DiagramY2 = 0;
    int32_t DiagramPointCount = 0;
    int32_t BarDiameterA = 0, BarDiameterB = 0;
    float ExtraReal1 = 0, ExtraReal2 = 0;
    int32_t SlabTypeNumber = 0;
    float StartBandLength = 0, EndBandLength = 0;
    float StartBandX1 = 0, StartBandY1 = 0, EndBandX1 = 0, EndBandY1 = 0;
    float StartBandX2 = 0, StartBandY2 = 0, EndBandX2 = 0, EndBandY2 = 0;
    // Designable slabs of one span direction share a group (1, 2, ...); others have -1. Not saved:
    // like the second and third reference points it exists only after a fresh import.
    int32_t DirectionGroup = 0;
    bool operator==(const FloorSlab&) const = default;
};

constexpr int MaxDiagramPoints = 21;

struct MasonryElement {
    int32_t Number = 0;
    int32_t NodeI = 0, NodeJ = 0;
    float Dim1 = 0, Dim2 = 0;
    float Thickness = 0;
    int32_t Extra1 = 0;
    std::string Name;
    int32_t VerticalGroupCount = 0;
    int32_t VerticalBarCount = 0;
    int32_t HorizontalBarDiameter = 0;
    int32_t VerticalBarDiameterA = 0, VerticalBarDiameterB = 0;
    float HorizontalBarSpacing = 0;
    int32_t HorizontalBarCount = 0;
    int32_t BeamBarDiameter = 0, BeamBarCount = 0;  // beams: the bars of the lintel table's last column
    int32_t BorderA1 = 0, BorderA2 = 0, BorderAFlag = 0;
    int32_t BorderB1 = 0, BorderB2 = 0, BorderBFlag = 0;
    double ExtraReal1 = 0, ExtraReal2 = 0, ExtraReal3 = 0, ExtraReal4 = 0, ExtraReal5 = 0;
    bool operator==(const MasonryElement&) const = default;
};

// The masonry materials block, read and written back only, in file order.
struct MasonryMaterials {
    float MasonryMaterialSingle1 = 0, MasonryMaterialSingle2 = 0, MasonryMaterialSingle3 = 0,
          MasonryMaterialSingle4 = 0, MasonryMaterialSingle5 = 0;
    std::string MasonryMaterialText1;
    double MasonryMaterialDouble1 = 0;
    float MasonryMaterialSingle6 = 0;
    std::string MasonryMaterialText2;
    double MasonryMaterialDouble2 = 0;
    bool operator==(const MasonryMaterials&) const = default;
};

struct Dimension {
    float LineX1 = 0, LineY1 = 0, LineX2 = 0, LineY2 = 0;
    std::string Text;
    float MeasuredX1 = 0, MeasuredY1 = 0, MeasuredX2 = 0, MeasuredY2 = 0;
    bool operator==(const Dimension&) const = default;
};

struct SectionSlabSpan {
    float X1 = 0, X2 = 0, Y1 = 0, Y2 = 0;
    bool operator==(const SectionSlabSpan&) const = default;
};

struct UpperRebar {
    int32_t Diameter = 0;
    float X1 = 0, X2 = 0, Y1 = 0, Y2 = 0;
    int32_t BarCount = 0;
    int32_t HookFlags = 0;  // bit 0: hook at the start, bit 1: hook at the end
    bool operator==(const UpperRebar&) const = default;
};

struct LowerRebar {
    int32_t Diameter = 0;
    float X1 = 0, X2 = 0, Y1 = 0, Y2 = 0;
    int32_t BarCount = 0;
    int32_t Kind = 0;  // 0 assembly bars, 1 main bars, 3 main bars labelled with grouped assembly bars
    int32_t HookFlags = 0;
    bool operator==(const LowerRebar&) const = default;
};

// The design sections of the floor slabs: fixed capacities, because the file format and the
// design procedures are written in terms of them.
struct ReinforcementSections {
    static constexpr int MaxSections = 101;
    static constexpr int MaxSlabsPerSection = 36;
    static constexpr int MaxRebars = 71;

    int32_t ReinforcementSectionCount = 0;
    std::vector<std::array<PlanPoint, 2>> ReinforcementSectionEnds;
    std::vector<int32_t> SectionSlabCount;
    std::vector<std::array<int32_t, MaxSlabsPerSection>> SectionSlabs;
    std::vector<std::array<SectionSlabSpan, MaxSlabsPerSection>> ReinforcementSectionSpans;
    std::vector<int32_t> UpperRebarCount, LowerRebarCount;
    std::vector<std::array<UpperRebar, MaxRebars>> UpperRebars;
    std::vector<std::array<LowerRebar, MaxRebars>> LowerRebars;

    ReinforcementSections() { Clear(); }
    void Clear();
    bool operator==(const ReinforcementSections&) const = default;
};

// Plan kinds: which walls and pillars form the plan.
constexpr int32_t PlanSide1 = 0;
constexpr int32_t PlanSide0 = 1;
constexpr int32_t MasonryPlan = 2;

struct PlanHeader {
    int32_t PlanKind = PlanSide1;  // PlanSide1, PlanSide0 or MasonryPlan
    float ElevationFrom = 0, ElevationTo = 0;
    float ModelMinX = 0, ModelMinY = 0, ModelMaxX = 0, ModelMaxY = 0;
    float ModelOriginX = 0, ModelOriginY = 0;
    bool operator==(const PlanHeader&) const = default;
};

// A two-dimensional list (element, vertex) of node or plan-point indexes.
using IndexRows = std::vector<std::vector<int32_t>>;

struct Model {
    // The two version numbers of the data file that was read.
    int32_t FileVersion = 9;
    int32_t DrawingDataVersion = 0;

    SectionCatalogue Catalogue;

    // Analysis model
    int32_t NodeCount = 0;
    std::vector<Node> Nodes;
    int32_t BeamElementCount = 0;
    std::vector<BeamElement> BeamElements;
    int32_t PillarCount = 0;
    std::vector<Pillar> Pillars;
    int32_t WallSegmentCount = 0;
    std::vector<WallSegment> WallSegments;
    int32_t WallGroupHeaderValue = 0;  // first value of the wall count line, written back as read

    int32_t ConcreteSlabCount = 0;
    std::vector<ConcreteSlab> ConcreteSlabs;
    std::vector<ConcreteSlabDesign> ConcreteSlabDesigns;
    int32_t ConcreteSlabMaxVertices = 0;
    IndexRows ConcreteSlabModelPolygon;
    std::vector<int32_t> ConcreteSlabOutlineCount;
    IndexRows ConcreteSlabOutline;
    std::vector<int32_t> ConcreteSlabOutline2Count;
    IndexRows ConcreteSlabOutline2;

    int32_t FloorSlabCount = 0;
    std::vector<FloorSlab> FloorSlabs;
    int32_t FloorSlabMaxVertices = 0;
    IndexRows FloorSlabModelPolygon;
    std::vector<int32_t> FloorSlabOutlineCount;
    IndexRows FloorSlabOutline;
    std::vector<std::array<DiagramPoint, MaxDiagramPoints>> FloorSlabDiagram;

    int16_t MasonryIsIsotex = 0;
    int16_t MasonryWallCount = 0;
    std::vector<MasonryElement> MasonryWalls;
    int16_t MasonryBeamCount = 0;
    std::vector<MasonryElement> MasonryBeams;
    MasonryMaterials Materials;

    // Derived plan geometry
    int32_t PlanNodeCount = 0;
    std::vector<PlanPoint> PlanNodes;
    int32_t BeamExtradosEdgeCount = 0;
    std::vector<EdgeLine> BeamExtradosEdges;
    int32_t BeamIntradosEdgeCount = 0;
    std::vector<EdgeLine> BeamIntradosEdges;
    int32_t WallEdgeCount = 0;
    std::vector<EdgeLine> WallEdges;
    int32_t WallJunctionEdgeCount = 0;
    std::vector<WallJunctionEdge> WallJunctionEdges;
    int32_t HatchLoopLongCount = 0;
    std::vector<int32_t> HatchLoops;
    // The hatch lines of the last passes, filled by the drawers of a const model.
    mutable HatchLineCache HatchLines;

    // Dimensions and reinforcement
    int32_t DimensionCount = 0;
    std::vector<Dimension> Dimensions;
    ReinforcementSections Reinforcement;

    PlanHeader Header;

    // Empties what the document flows empty before every load: dimensions, reinforcement
    // sections, masonry tables and the kept hatch lines (server sections are emptied with the
    // catalogue).
    void ClearBeforeLoad();
    // Also what a failed load leaves to be emptied.
    void ClearDimensionsAndReinforcement();

    bool operator==(const Model&) const = default;
};

// Re-sizes a table to `size` elements, all of them default (zero) values: the spares beyond the
// count hold zeros after a re-size.
template <class T>
void ResizeTable(std::vector<T>& table, int64_t size) {
    table.assign(size > 0 ? static_cast<size_t>(size) : 0, T{});
}

// Re-sizes a per-slab list to `rows` × `columns` zeros.
void ResizeRows(IndexRows& rows, int64_t rowCount, int64_t columnCount);
