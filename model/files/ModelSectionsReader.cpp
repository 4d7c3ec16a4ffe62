#include <algorithm>
#include <string>

#include "model/files/ModelSections.h"

namespace {

// Per-slab vertex lists are sized count × (largest vertex count + spare); beyond this many cells a
// file is refused rather than allowed to claim memory without bound.
constexpr int64_t MaxVertexListCells = 8'000'000;

// Least characters a record can take in the file, to bound counts by the rest of the file.
constexpr int32_t NodeRecordChars = 8;         // 4 numbers
constexpr int32_t BeamElementRecordChars = 12;  // 6 numbers
constexpr int32_t WallRecordChars = 12;         // 6 numbers
constexpr int32_t ConcreteSlabRecordChars = 4;  // a header line and a thickness
constexpr int32_t PillarRecordChars = 12;       // 6 numbers
constexpr int32_t FloorSlabRecordChars = 20;    // 10 numbers at least
constexpr int32_t MasonryRecordChars = 40;      // 12 lines, 21 numbers
constexpr int32_t VertexChars = 2;              // one node number

bool ReadNodeReference(DataFileReader& reader, const NodeLookup& findNode, int32_t& index) {
    int32_t number = 0;
    if (!reader.ReadInt32(number)) return false;
    int32_t found = findNode ? findNode(number) : -1;
    if (found < 0) return reader.FailAt(ReadFailure::UnknownNode, reader.LastItemLine(), std::to_string(number));
    index = found;
    return true;
}

// Reads a count that stands before `minChars`-character records; a count of 0 or less means
// no record and is kept as 0.
bool ReadRecordCount(DataFileReader& reader, int32_t& count, int32_t minChars) {
    int32_t value = 0;
    if (!reader.ReadCount(value, minChars)) return false;
    count = std::max(value, 0);
    return true;
}

bool ReadRecordCount16(DataFileReader& reader, int16_t& count, int32_t minChars) {
    int32_t value = 0;
    if (!ReadRecordCount(reader, value, minChars)) return false;
    if (value > INT16_MAX) return reader.FailAt(ReadFailure::BadCount, reader.LastItemLine(), std::to_string(value));
    count = static_cast<int16_t>(value);
    return true;
}

// The largest vertex count declared for a slab table: it sizes rows × (largest + spare) cells.
bool CheckVertexListSize(DataFileReader& reader, int32_t slabCount, int32_t maxVertices, int32_t spare) {
    if (maxVertices > 0 && static_cast<int64_t>(maxVertices) * VertexChars - 1 > static_cast<int64_t>(reader.Remaining()))
        return reader.FailAt(ReadFailure::BadCount, reader.LastItemLine(), std::to_string(maxVertices));
    int64_t cells = (static_cast<int64_t>(slabCount) + 1) * (std::max<int64_t>(maxVertices, 0) + spare + 1);
    if (cells > MaxVertexListCells)
        return reader.FailAt(ReadFailure::BadCount, reader.LastItemLine(), std::to_string(maxVertices));
    return true;
}

// A vertex count read for one slab, kept as 0 when negative; the slab's row grows when the file
// declared a smaller largest count than it then gives.
bool ReadPolygon(DataFileReader& reader, const NodeLookup& findNode, int32_t vertexCount, std::vector<int32_t>& row) {
    if (row.size() < static_cast<size_t>(vertexCount) + 1) row.resize(static_cast<size_t>(vertexCount) + 1, 0);
    for (int32_t v = 0; v < vertexCount; ++v)
        if (!ReadNodeReference(reader, findNode, row[v])) return false;
    row[vertexCount] = row[0];  // closed in memory
    return true;
}

bool CheckVertexCount(DataFileReader& reader, int32_t& vertexCount) {
    if (vertexCount < 0) vertexCount = 0;
    if (static_cast<int64_t>(vertexCount) * VertexChars - 1 > static_cast<int64_t>(reader.Remaining()))
        return reader.FailAt(ReadFailure::BadCount, reader.LastItemLine(), std::to_string(vertexCount));
    return true;
}

bool ReadDesignBlock(DataFileReader& reader, Model& model, int32_t lineCount, int32_t targetSlab) {
    if (model.FileVersion <= 7) return true;
    ConcreteSlabDesign& design = model.ConcreteSlabDesigns[targetSlab];
    std::string key;
    design.AreaNodeLineCount = lineCount;
    bool ok = reader.ReadInt32(design.FoundationFlag) && reader.ReadText(key) &&
              reader.ReadInt32(design.Rck) && reader.ReadText(key) &&
              reader.ReadInt32(design.SteelStress) && reader.ReadText(key) &&
              reader.ReadSingle(design.Cover) && reader.ReadText(key) &&
              reader.ReadSingle(design.Spacing1) && reader.ReadText(key) &&
              reader.ReadInt32(design.Diameter1) && reader.ReadText(key) &&
              reader.ReadSingle(design.Spacing2) && reader.ReadText(key) &&
              reader.ReadInt32(design.Diameter2) && reader.ReadText(key) &&
              reader.ReadInt32(design.ExtraDiameter1) && reader.ReadText(key) &&
              reader.ReadInt32(design.ExtraDiameter2) && reader.ReadText(key) &&
              reader.ReadSingle(design.Angle1) && reader.ReadText(key) &&
              reader.ReadSingle(design.Angle12) && reader.ReadText(key);
    if (!ok) return false;
    // Each extra line takes at least its line end.
    if (lineCount > 0 && static_cast<size_t>(lineCount) > reader.Remaining())
        return reader.FailAt(ReadFailure::BadCount, reader.LastItemLine(), std::to_string(lineCount));
    std::string dropped;
    for (int32_t i = 0; i < lineCount; ++i)
        if (!reader.ReadLine(dropped)) return false;
    return true;
}

bool ReadMaterials(DataFileReader& reader, MasonryMaterials& m) {
    std::string title;
    return reader.ReadText(title) &&  // the materials title is not compared
           reader.ReadSingle(m.MasonryMaterialSingle1) && reader.ReadSingle(m.MasonryMaterialSingle2) &&
           reader.ReadSingle(m.MasonryMaterialSingle3) && reader.ReadSingle(m.MasonryMaterialSingle4) &&
           reader.ReadSingle(m.MasonryMaterialSingle5) && reader.ReadTextToLineEnd(m.MasonryMaterialText1) &&
           reader.ReadDouble(m.MasonryMaterialDouble1) && reader.ReadSingle(m.MasonryMaterialSingle6) &&
           reader.ReadTextToLineEnd(m.MasonryMaterialText2) && reader.ReadDouble(m.MasonryMaterialDouble2);
}

bool ReadMasonryRecord(DataFileReader& reader, const NodeLookup& findNode, MasonryElement& e) {
    return reader.ReadInt32(e.Number) && ReadNodeReference(reader, findNode, e.NodeI) &&
           ReadNodeReference(reader, findNode, e.NodeJ) && reader.ReadSingle(e.Dim1) && reader.ReadSingle(e.Dim2) &&
           reader.ReadSingle(e.Thickness) && reader.ReadInt32(e.Extra1) && reader.ReadTextToLineEnd(e.Name) &&
           reader.ReadInt32(e.VerticalGroupCount) && reader.ReadInt32(e.HorizontalBarDiameter) &&
           reader.ReadInt32(e.VerticalBarDiameterA) && reader.ReadInt32(e.VerticalBarCount) &&
           reader.ReadSingle(e.HorizontalBarSpacing) && reader.ReadInt32(e.HorizontalBarCount) &&
           reader.ReadInt32(e.BeamBarDiameter) && reader.ReadInt32(e.BeamBarCount) && reader.ReadInt32(e.VerticalBarDiameterB) &&
           reader.ReadDouble(e.ExtraReal3) && reader.ReadDouble(e.ExtraReal4) && reader.ReadDouble(e.ExtraReal5) &&
           reader.ReadDouble(e.ExtraReal1) && reader.ReadDouble(e.ExtraReal2);
}

// Materials, data title and records of the walls or of the beams.
bool ReadMasonryElements(DataFileReader& reader, Model& model, const NodeLookup& findNode, int16_t count,
                         std::vector<MasonryElement>& table, const char* isotexTitle) {
    ResizeTable(table, static_cast<int64_t>(count) + 1);
    std::string dataTitle;
    if (!ReadMaterials(reader, model.Materials) || !reader.ReadText(dataTitle)) return false;
    model.MasonryIsIsotex = dataTitle == isotexTitle ? 1 : 0;
    for (int16_t i = 0; i < count; ++i)
        if (!ReadMasonryRecord(reader, findNode, table[i])) return false;
    return true;
}

}  // namespace

void ParseGroupHeaderLine(const std::string& line, int32_t& a, int32_t& b, int32_t& c) {
    // A tab separates the values as a blank does, as it separates items everywhere else.
    constexpr const char* Blanks = " \t";
    auto trim = [](const std::string& s) {
        size_t first = s.find_first_not_of(Blanks);
        if (first == std::string::npos) return std::string();
        size_t last = s.find_last_not_of(Blanks);
        return s.substr(first, last - first + 1);
    };
    const std::string t = trim(line);
    const size_t blank = t.find_first_of(Blanks);
    const size_t p = blank == std::string::npos ? 0 : blank + 1;  // 1-based position, 0 when none
    a = p == 0 ? 0 : RoundToInt32(LeadingNumberValue(t.substr(0, p)));
    if (line.find("//n_nodi") != std::string::npos) {
        b = c = -1;
        return;
    }
    const std::string r = trim(p <= line.size() ? line.substr(p) : std::string());
    const size_t blankR = r.find_first_of(Blanks);
    const size_t q = blankR == std::string::npos ? 0 : blankR + 1;
    b = q == 0 ? 0 : RoundToInt32(LeadingNumberValue(r.substr(0, q)));
    c = RoundToInt32(LeadingNumberValue(trim(r.substr(q))));
}

bool ReadFileVersionLine(DataFileReader& reader, Model& model) {
    reader.SetSection(SectionNames::Version);
    VersionLine version;
    if (!reader.ReadVersionLine(version)) return false;
    model.FileVersion = version.Version;
    if (model.FileVersion > NewestFileVersion)
        return reader.FailAt(ReadFailure::UnsupportedVersion, reader.LastItemLine(), version.Text);
    return true;
}

bool ReadHeaderLine(DataFileReader& reader, Model& model) {
    reader.SetSection(SectionNames::Header);
    return reader.ReadInt32(model.Header.PlanKind) && reader.ReadSingle(model.Header.ElevationFrom) &&
           reader.ReadSingle(model.Header.ElevationTo);
}

bool ReadNodesSection(DataFileReader& reader, Model& model) {
    reader.SetSection(SectionNames::Nodes);
    std::string keyword;
    int32_t count = 0;
    if (!reader.ReadText(keyword) || !ReadRecordCount(reader, count, NodeRecordChars)) return false;
    model.NodeCount = count;
    ResizeTable(model.Nodes, static_cast<int64_t>(count) + 1);
    for (int32_t i = 0; i < count; ++i) {
        Node& n = model.Nodes[i];
        if (!reader.ReadInt32(n.Id) || !reader.ReadSingle(n.X) || !reader.ReadSingle(n.Y) ||
            !reader.ReadInt32(n.FootingType))
            return false;
    }
    return true;
}

bool ReadBeamElementsSection(DataFileReader& reader, Model& model, const NodeLookup& findNode) {
    reader.SetSection(SectionNames::BeamElements);
    std::string keyword;
    int32_t count = 0;
    if (!reader.ReadText(keyword) || !ReadRecordCount(reader, count, BeamElementRecordChars)) return false;
    model.BeamElementCount = count;
    ResizeTable(model.BeamElements, static_cast<int64_t>(count) + 2);
    ResizeTable(model.BeamExtradosEdges, 4 * (static_cast<int64_t>(count) + 1) + 1);
    ResizeTable(model.BeamIntradosEdges, 4 * (static_cast<int64_t>(count) + 1) + 1);
    for (int32_t i = 0; i < count; ++i) {
        BeamElement& e = model.BeamElements[i];
        if (!reader.ReadInt32(e.SectionNumber) || !reader.ReadInt32(e.BeamNumber) ||
            !ReadNodeReference(reader, findNode, e.NodeI) || !ReadNodeReference(reader, findNode, e.NodeJ) ||
            !reader.ReadInt32(e.HasOffsets) || !reader.ReadSingle(e.SectionAngle))
            return false;
        if (e.HasOffsets != 0 && (!reader.ReadSingle(e.OffsetXI) || !reader.ReadSingle(e.OffsetYI) ||
                                  !reader.ReadSingle(e.OffsetXJ) || !reader.ReadSingle(e.OffsetYJ)))
            return false;
    }
    return true;
}

bool ReadWallsSection(DataFileReader& reader, Model& model, const NodeLookup& findNode) {
    reader.SetSection(SectionNames::Walls);
    std::string keyword;
    int32_t count = 0;
    if (!reader.ReadText(keyword) || !reader.ReadInt32(model.WallGroupHeaderValue) ||
        !ReadRecordCount(reader, count, WallRecordChars))
        return false;
    const int64_t n = count;
    ResizeTable(model.WallSegments, n + 51);
    ResizeTable(model.WallJunctionEdges, n + 51);
    ResizeTable(model.HatchLoops, 3 * n + 2);
    ResizeTable(model.WallEdges, 4 * (n + 1) + 1);
    if (count > 0) model.WallJunctionEdgeCount = 0;
    model.WallSegmentCount = 0;
    for (int32_t i = 0; i < count; ++i) {
        WallSegment& w = model.WallSegments[i];
        if (!reader.ReadInt32(w.GroupId) || !ReadNodeReference(reader, findNode, w.NodeI) ||
            !ReadNodeReference(reader, findNode, w.NodeJ) || !reader.ReadInt32(w.Side) ||
            !reader.ReadInt32(w.HasOffsets) || !reader.ReadSingle(w.Thickness))
            return false;
        if (w.HasOffsets != 0 && (!reader.ReadSingle(w.OffsetXI) || !reader.ReadSingle(w.OffsetYI) ||
                                  !reader.ReadSingle(w.OffsetXJ) || !reader.ReadSingle(w.OffsetYJ)))
            return false;
        model.WallSegmentCount = i + 1;
    }
    return true;
}

bool ReadConcreteSlabsSection(DataFileReader& reader, Model& model, const NodeLookup& findNode) {
    reader.SetSection(SectionNames::ConcreteSlabs);
    std::string keyword;
    int32_t count = 0;
    if (!reader.ReadText(keyword) || !ReadRecordCount(reader, count, ConcreteSlabRecordChars) ||
        !reader.ReadInt32(model.ConcreteSlabMaxVertices) ||
        !CheckVertexListSize(reader, count, model.ConcreteSlabMaxVertices, 10))
        return false;
    model.ConcreteSlabCount = count;
    const int64_t rows = static_cast<int64_t>(count) + 1;
    const int64_t columns = std::max<int64_t>(model.ConcreteSlabMaxVertices, 0) + 11;
    ResizeTable(model.ConcreteSlabs, rows);
    ResizeTable(model.ConcreteSlabDesigns, rows);
    ResizeTable(model.ConcreteSlabOutlineCount, rows);
    ResizeTable(model.ConcreteSlabOutline2Count, rows);
    ResizeRows(model.ConcreteSlabModelPolygon, rows, columns);
    ResizeRows(model.ConcreteSlabOutline, rows, columns);
    ResizeRows(model.ConcreteSlabOutline2, rows, columns);

    int32_t latestKind0 = 0;  // the slab that receives the next design block
    int32_t slab = 0;
    std::string line;
    while (slab < count) {
        if (!reader.ReadText(line)) return false;
        int32_t a = 0, b = 0, c = 0;
        ParseGroupHeaderLine(line, a, b, c);
        if (b <= -1 || c <= -1) {
            if (!ReadDesignBlock(reader, model, a, latestKind0)) return false;
            continue;
        }
        ConcreteSlab& s = model.ConcreteSlabs[slab];
        s.Id = a;
        s.Kind = b;
        s.VertexCount = c;
        if (!CheckVertexCount(reader, s.VertexCount)) return false;
        if (s.Kind == 0) latestKind0 = slab;
        if (!reader.ReadSingle(s.Thickness) ||
            !ReadPolygon(reader, findNode, s.VertexCount, model.ConcreteSlabModelPolygon[slab]))
            return false;
        ++slab;
    }
    // After the last slab: one more design block, or the keyword of the pillars.
    if (!reader.ReadText(line)) return false;
    if (line.find("//n_nodi") != std::string::npos) {
        int32_t a = 0, b = 0, c = 0;
        ParseGroupHeaderLine(line, a, b, c);
        if (!ReadDesignBlock(reader, model, a, latestKind0)) return false;
        reader.SetSection(SectionNames::Pillars);
        if (!reader.ReadText(line)) return false;
    }
    return true;
}

bool ReadPillarsSection(DataFileReader& reader, Model& model, const NodeLookup& findNode) {
    reader.SetSection(SectionNames::Pillars);
    int32_t count = 0;
    if (!ReadRecordCount(reader, count, PillarRecordChars)) return false;
    model.PillarCount = count;
    ResizeTable(model.Pillars, static_cast<int64_t>(count) + 1);
    for (int32_t i = 0; i < count; ++i) {
        Pillar& p = model.Pillars[i];
        float fileAngle = 0;
        if (!reader.ReadInt32(p.SectionNumber) || !reader.ReadInt32(p.PillarNumber) ||
            !ReadNodeReference(reader, findNode, p.Node) || !reader.ReadInt32(p.Side) ||
            !reader.ReadInt32(p.HasOffsets) || !reader.ReadSingle(fileAngle))
            return false;
        p.Angle = fileAngle + 90.0f;
        if (p.Angle > 360.0f) p.Angle -= 360.0f;
        if (p.HasOffsets != 0 && (!reader.ReadSingle(p.OffsetX) || !reader.ReadSingle(p.OffsetY))) return false;
    }
    return true;
}

bool ReadFloorSlabsSection(DataFileReader& reader, Model& model, const NodeLookup& findNode) {
    reader.SetSection(SectionNames::FloorSlabs);
    std::string keyword;
    int32_t count = 0;
    if (!reader.ReadText(keyword) || !ReadRecordCount(reader, count, FloorSlabRecordChars) ||
        !reader.ReadInt32(model.FloorSlabMaxVertices) ||
        !CheckVertexListSize(reader, count, model.FloorSlabMaxVertices, 30))
        return false;
    model.FloorSlabCount = count;
    const int64_t rows = static_cast<int64_t>(count) + 1;
    const int64_t columns = std::max<int64_t>(model.FloorSlabMaxVertices, 0) + 31;
    ResizeTable(model.FloorSlabs, rows);
    ResizeTable(model.FloorSlabOutlineCount, rows);
    ResizeRows(model.FloorSlabModelPolygon, rows, columns);
    ResizeRows(model.FloorSlabOutline, rows, columns);
    ResizeTable(model.FloorSlabDiagram, rows);
    for (int32_t i = 0; i < count; ++i) {
        FloorSlab& s = model.FloorSlabs[i];
        if (!reader.ReadInt32(s.Number) || !reader.ReadInt32(s.VertexCount) || !CheckVertexCount(reader, s.VertexCount) ||
            !reader.ReadInt32(s.Extra1) || !reader.ReadSingle(s.SpanAngle) || !reader.ReadInt32(s.Extra2) ||
            !reader.ReadInt32(s.Extra3) || !ReadPolygon(reader, findNode, s.VertexCount, model.FloorSlabModelPolygon[i]) ||
            !reader.ReadInt32(s.SectionNumber) || !reader.ReadInt32(s.SlabTypeNumber) || !reader.ReadSingle(s.Thickness))
            return false;
        if (model.FileVersion > 5 && (!reader.ReadSingle(s.StartBandLength) || !reader.ReadSingle(s.EndBandLength)))
            return false;
        if (!reader.ReadInt32(s.DiagramPointCount)) return false;
        if (s.DiagramPointCount > MaxDiagramPoints)
            return reader.FailAt(ReadFailure::BadCount, reader.LastItemLine(), std::to_string(s.DiagramPointCount));
        if (s.DiagramPointCount <= 0) {
            s.DiagramPointCount = 0;
            continue;
        }
        if (!reader.ReadSingle(s.DiagramX1) || !reader.ReadSingle(s.DiagramY1) || !reader.ReadSingle(s.DiagramX2) ||
            !reader.ReadSingle(s.DiagramY2) || !reader.ReadInt32(s.BarDiameterA) || !reader.ReadInt32(s.BarDiameterB) ||
            !reader.ReadSingle(s.ExtraReal1) || !reader.ReadSingle(s.ExtraReal2))
            return false;
        for (int32_t k = 0; k < s.DiagramPointCount; ++k) {
            DiagramPoint& p = model.FloorSlabDiagram[i][k];
            if (!reader.ReadSingle(p.Position) || !reader.ReadSingle(p.LowerSteel) || !reader.ReadSingle(p.UpperSteel))
                return false;
        }
    }
    return true;
}

bool ReadDrawingDataVersionLine(DataFileReader& reader, Model& model) {
    reader.SetSection(SectionNames::DrawingDataVersion);
    if (!reader.ReadInt32(model.DrawingDataVersion)) return false;
    int32_t unused = 0;
    for (int i = 0; i < 7; ++i)
        if (!reader.ReadInt32(unused)) return false;
    return true;
}

bool ReadMasonryBlock(DataFileReader& reader, Model& model, const NodeLookup& findNode) {
    if (model.FileVersion <= 8) return true;
    reader.SetSection(SectionNames::Masonry);
    int16_t walls = 0, beams = 0;
    if (!ReadRecordCount16(reader, walls, MasonryRecordChars)) return false;
    model.MasonryWallCount = walls;
    if (walls > 0 && !ReadMasonryElements(reader, model, findNode, walls, model.MasonryWalls, SectionNames::IsotexWallData))
        return false;
    if (!ReadRecordCount16(reader, beams, MasonryRecordChars)) return false;
    model.MasonryBeamCount = beams;
    if (beams > 0 && !ReadMasonryElements(reader, model, findNode, beams, model.MasonryBeams, SectionNames::IsotexBeamData))
        return false;
    return true;
}

bool ReadModelSections(DataFileReader& reader, Model& model, const NodeLookup& findNode) {
    return ReadFileVersionLine(reader, model) && ReadHeaderLine(reader, model) && ReadNodesSection(reader, model) &&
           ReadBeamElementsSection(reader, model, findNode) && ReadWallsSection(reader, model, findNode) &&
           ReadConcreteSlabsSection(reader, model, findNode) && ReadPillarsSection(reader, model, findNode) &&
           ReadFloorSlabsSection(reader, model, findNode) && ReadDrawingDataVersionLine(reader, model) &&
           ReadMasonryBlock(reader, model, findNode);
}
