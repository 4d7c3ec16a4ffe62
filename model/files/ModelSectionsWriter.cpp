#include <string>

#include "model/common/Helpers.h"
#include "model/files/ModelSections.h"
#include "model/geometry/Angles.h"

namespace {

// Records beyond what a table holds are written as zero records, so that a count that
// disagrees with its table still gives a file that reads back.
template <class T>
const T& RecordAt(const std::vector<T>& table, int64_t index) {
    static const T empty{};
    return index >= 0 && index < static_cast<int64_t>(table.size()) ? table[static_cast<size_t>(index)] : empty;
}

int32_t IndexAt(const IndexRows& rows, int64_t row, int64_t column) {
    if (row < 0 || row >= static_cast<int64_t>(rows.size())) return -1;
    const auto& r = rows[static_cast<size_t>(row)];
    return column >= 0 && column < static_cast<int64_t>(r.size()) ? r[static_cast<size_t>(column)] : -1;
}

// The node number of the node an index designates; -1 for an index that designates none, which
// the reader then reports as an undefined node.
int32_t NodeNumber(const Model& model, int32_t index) {
    if (index < 0 || index >= model.NodeCount || index >= static_cast<int32_t>(model.Nodes.size())) return -1;
    return model.Nodes[static_cast<size_t>(index)].Id;
}

void WritePolygon(DataFileWriter& writer, const Model& model, const IndexRows& rows, int32_t slab, int32_t vertexCount) {
    for (int32_t v = 0; v < vertexCount; ++v) writer.Int(NodeNumber(model, IndexAt(rows, slab, v))).EndLine();
}

void WriteDesignBlock(DataFileWriter& writer, const ConcreteSlabDesign& d) {
    // The extra area-node lines are not kept, so the block never announces any.
    writer.Line("0  //n_nodi_aree");
    writer.Int(d.FoundationFlag).Text("//flag 0=no  1=fondazione").EndLine();
    writer.Int(d.Rck).Text("//Rck").EndLine();
    writer.Int(d.SteelStress).Text("//Sigma acciaio barre").EndLine();
    writer.Real(d.Cover, 2).Text("//copriferro").EndLine();
    writer.Real(d.Spacing1, 2).Text("//passo 1").EndLine();
    writer.Int(d.Diameter1).Text("//diam 1").EndLine();
    writer.Real(d.Spacing2, 2).Text("//passo 2").EndLine();
    writer.Int(d.Diameter2).Text("//diam 2").EndLine();
    writer.Int(d.ExtraDiameter1).Text("//DiaAgg1").EndLine();
    writer.Int(d.ExtraDiameter2).Text("//DiaAgg2").EndLine();
    writer.Real(d.Angle1, 2).Text("//ango1").EndLine();
    writer.Real(d.Angle12, 2).Text("//ango12").EndLine();
}

// The file angle of a pillar: its angle less 90, plus 360 when that is negative. Read back, only a
// file angle written within one turn, 0.00 to 359.99, gives an angle that is written the same
// again; any other (an angle a file gave beyond a turn, or one written as 360.00) is taken into it.
float PillarFileAngle(float angle) {
    float fileAngle = angle - 90.0f;
    if (fileAngle < 0) fileAngle += 360.0f;
    if (fileAngle < 0 || ValueAsWritten(fileAngle, 2) >= 360.0) fileAngle = WithinOneTurn(fileAngle);
    return ValueAsWritten(fileAngle, 2) < 360.0 ? fileAngle : 0.0f;
}

std::string Trimmed(const std::string& s) {
    size_t first = s.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    size_t last = s.find_last_not_of(" \t");
    return s.substr(first, last - first + 1);
}

void WriteMaterials(DataFileWriter& writer, const Model& model) {
    const MasonryMaterials& m = model.Materials;
    writer.Line(model.MasonryIsIsotex == 1 ? SectionNames::IsotexMaterials : SectionNames::MasonryMaterials);
    writer.Real(m.MasonryMaterialSingle1, 4).Real(m.MasonryMaterialSingle2, 4).Real(m.MasonryMaterialSingle3, 4).EndLine();
    writer.Real(m.MasonryMaterialSingle4, 4).Real(m.MasonryMaterialSingle5, 4).EndLine();
    writer.Text(Trimmed(m.MasonryMaterialText1)).EndLine();
    writer.Real(m.MasonryMaterialDouble1, 3).Real(m.MasonryMaterialSingle6, 3).EndLine();
    writer.Text(Trimmed(m.MasonryMaterialText2)).EndLine();
    writer.Real(m.MasonryMaterialDouble2, 3).EndLine();
}

void WriteMasonryRecord(DataFileWriter& writer, const Model& model, const MasonryElement& e) {
    writer.Int(e.Number).EndLine();
    writer.Int(NodeNumber(model, e.NodeI)).Int(NodeNumber(model, e.NodeJ)).EndLine();
    writer.Real(e.Dim1, 1).Real(e.Dim2, 1).Real(e.Thickness, 1).EndLine();
    writer.Int(e.Extra1).EndLine();
    writer.Text(e.Name).EndLine();
    writer.Int(e.VerticalGroupCount).Int(e.HorizontalBarDiameter).Int(e.VerticalBarDiameterA).EndLine();
    writer.Int(e.VerticalBarCount).GeneralReal(e.HorizontalBarSpacing).EndLine();
    writer.Int(e.HorizontalBarCount).EndLine();
    writer.Int(e.BeamBarDiameter).Int(e.BeamBarCount).EndLine();
    writer.Int(e.VerticalBarDiameterB).EndLine();
    writer.Real(e.ExtraReal3, 2).Real(e.ExtraReal4, 2).Real(e.ExtraReal5, 2).EndLine();
    writer.Real(e.ExtraReal1, 2).Real(e.ExtraReal2, 2).EndLine();
}

}  // namespace

void WriteFileVersionLine(DataFileWriter& writer, int32_t fileVersion) {
    writer.Line(std::string(SectionNames::Version) + " " + std::to_string(fileVersion));
}

void WriteHeaderLine(DataFileWriter& writer, const Model& model) {
    writer.Int(model.Header.PlanKind).Real(model.Header.ElevationFrom, 2).Real(model.Header.ElevationTo, 2).EndLine();
}

void WriteNodesSection(DataFileWriter& writer, const Model& model) {
    writer.Line(SectionNames::Nodes);
    writer.Int(model.NodeCount).EndLine();
    for (int32_t i = 0; i < model.NodeCount; ++i) {
        const Node& n = RecordAt(model.Nodes, i);
        writer.Int(n.Id).Real(n.X, 2).Real(n.Y, 2).Int(n.FootingType).EndLine();
    }
}

void WriteBeamElementsSection(DataFileWriter& writer, const Model& model) {
    writer.Line(SectionNames::BeamElements);
    writer.Int(model.BeamElementCount).EndLine();
    for (int32_t i = 0; i < model.BeamElementCount; ++i) {
        const BeamElement& e = RecordAt(model.BeamElements, i);
        writer.Int(e.SectionNumber).Int(e.BeamNumber).Int(NodeNumber(model, e.NodeI)).Int(NodeNumber(model, e.NodeJ))
            .Int(e.HasOffsets).Real(e.SectionAngle, 2).EndLine();
        if (e.HasOffsets != 0)
            writer.Real(e.OffsetXI, 2).Real(e.OffsetYI, 2).Real(e.OffsetXJ, 2).Real(e.OffsetYJ, 2).EndLine();
    }
}

void WriteWallsSection(DataFileWriter& writer, const Model& model) {
    writer.Line(SectionNames::Walls);
    writer.Int(model.WallGroupHeaderValue).Int(model.WallSegmentCount).EndLine();
    for (int32_t i = 0; i < model.WallSegmentCount; ++i) {
        const WallSegment& w = RecordAt(model.WallSegments, i);
        writer.Raw(FormatNum(w.GroupId, 0)).Int(NodeNumber(model, w.NodeI)).Int(NodeNumber(model, w.NodeJ))
            .Int(w.Side).Int(w.HasOffsets).EndLine();
        writer.Real(w.Thickness, 2).EndLine();
        if (w.HasOffsets != 0)
            writer.Real(w.OffsetXI, 2).Real(w.OffsetYI, 2).Real(w.OffsetXJ, 2).Real(w.OffsetYJ, 2).EndLine();
    }
}

void WriteConcreteSlabsSection(DataFileWriter& writer, const Model& model, int32_t fileVersion) {
    writer.Line(SectionNames::ConcreteSlabs);
    writer.Int(model.ConcreteSlabCount).Int(model.ConcreteSlabMaxVertices).EndLine();
    for (int32_t i = 0; i < model.ConcreteSlabCount; ++i) {
        const ConcreteSlab& s = RecordAt(model.ConcreteSlabs, i);
        writer.Int(s.Id).Int(s.Kind).Int(s.VertexCount).EndLine();
        writer.Real(s.Thickness, 2).EndLine();
        WritePolygon(writer, model, model.ConcreteSlabModelPolygon, i, s.VertexCount);
        // A block is read into the latest slab of kind 0 (slab 0 before there is one): written
        // behind any other slab it would overwrite that slab's values.
        if (fileVersion >= 8 && (s.Kind == 0 || i == 0)) WriteDesignBlock(writer, RecordAt(model.ConcreteSlabDesigns, i));
    }
}

void WritePillarsSection(DataFileWriter& writer, const Model& model) {
    writer.Line(SectionNames::Pillars);
    writer.Int(model.PillarCount).EndLine();
    for (int32_t i = 0; i < model.PillarCount; ++i) {
        const Pillar& p = RecordAt(model.Pillars, i);
        writer.Int(p.SectionNumber).Int(p.PillarNumber).Int(NodeNumber(model, p.Node)).Int(p.Side).Int(p.HasOffsets)
            .Real(PillarFileAngle(p.Angle), 2).EndLine();
        if (p.HasOffsets != 0) writer.Real(p.OffsetX, 2).Real(p.OffsetY, 2).EndLine();
    }
}

void WriteFloorSlabsSection(DataFileWriter& writer, const Model& model, int32_t fileVersion) {
    writer.Line(SectionNames::FloorSlabs);
    writer.Int(model.FloorSlabCount).Int(model.FloorSlabMaxVertices).EndLine();
    for (int32_t i = 0; i < model.FloorSlabCount; ++i) {
        const FloorSlab& s = RecordAt(model.FloorSlabs, i);
        writer.Int(s.Number).EndLine();
        writer.Int(s.VertexCount).Int(s.Extra1).Real(s.SpanAngle, 5).Int(s.Extra2).Int(s.Extra3).EndLine();
        WritePolygon(writer, model, model.FloorSlabModelPolygon, i, s.VertexCount);
        writer.Int(s.SectionNumber).Int(s.SlabTypeNumber).Real(s.Thickness, 2).EndLine();
        if (fileVersion > 5) writer.Real(s.StartBandLength, 2).Real(s.EndBandLength, 2).EndLine();
        const int32_t points = s.DiagramPointCount < MaxDiagramPoints ? s.DiagramPointCount : MaxDiagramPoints;
        writer.Int(points > 0 ? points : 0).EndLine();
        if (points <= 0) continue;
        writer.Real(s.DiagramX1, 2).Real(s.DiagramY1, 2).EndLine();
        writer.Real(s.DiagramX2, 2).Real(s.DiagramY2, 2).EndLine();
        writer.Int(s.BarDiameterA).EndLine();
        writer.Int(s.BarDiameterB).EndLine();
        writer.Real(s.ExtraReal1, 2).EndLine();
        writer.Real(s.ExtraReal2, 2).EndLine();
        const auto& diagram = RecordAt(model.FloorSlabDiagram, i);
        for (int32_t k = 0; k < points; ++k)
            writer.Real(diagram[k].Position, 2).Real(diagram[k].LowerSteel, 2).Real(diagram[k].UpperSteel, 2).EndLine();
    }
}

void WriteDrawingDataVersionLine(DataFileWriter& writer, int32_t drawingDataVersion) {
    writer.Int(drawingDataVersion);
    for (int i = 0; i < 7; ++i) writer.Int(0);
    writer.EndLine();
}

void WriteMasonryBlock(DataFileWriter& writer, const Model& model, int32_t fileVersion) {
    if (fileVersion <= 8) return;
    const bool isotex = model.MasonryIsIsotex == 1;
    writer.Int(model.MasonryWallCount).EndLine();
    if (model.MasonryWallCount > 0) {
        WriteMaterials(writer, model);
        writer.Line(isotex ? SectionNames::IsotexWallData : SectionNames::MasonryWallData);
        for (int32_t i = 0; i < model.MasonryWallCount; ++i) WriteMasonryRecord(writer, model, RecordAt(model.MasonryWalls, i));
    }
    writer.Int(model.MasonryBeamCount).EndLine();
    if (model.MasonryBeamCount > 0) {
        // The reader takes the materials again before the beams, walls or no walls.
        WriteMaterials(writer, model);
        writer.Line(isotex ? SectionNames::IsotexBeamData : SectionNames::MasonryBeamData);
        for (int32_t i = 0; i < model.MasonryBeamCount; ++i) WriteMasonryRecord(writer, model, RecordAt(model.MasonryBeams, i));
    }
}

void WriteModelSections(DataFileWriter& writer, const Model& model, int32_t fileVersion, int32_t drawingDataVersion) {
    WriteFileVersionLine(writer, fileVersion);
    WriteHeaderLine(writer, model);
    WriteNodesSection(writer, model);
    WriteBeamElementsSection(writer, model);
    WriteWallsSection(writer, model);
    WriteConcreteSlabsSection(writer, model, fileVersion);
    WritePillarsSection(writer, model);
    WriteFloorSlabsSection(writer, model, fileVersion);
    WriteDrawingDataVersionLine(writer, drawingDataVersion);
    WriteMasonryBlock(writer, model, fileVersion);
}
