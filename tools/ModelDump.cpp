#include "tools/ModelDump.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <type_traits>
#include <vector>

namespace {

// Reals in their shortest exact form, never in exponent form.
template <class T>
std::string NumberText(T value) {
    char buffer[400];
    std::to_chars_result result;
    if constexpr (std::is_floating_point_v<T>)
        result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    else
        result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return result.ec == std::errc() ? std::string(buffer, result.ptr) : "?";
}

// One output line: a head ("Nodes[3]" or a scalar's name) and its fields.
class DumpLine {
public:
    explicit DumpLine(std::string head) : text_(std::move(head)) {}
    DumpLine& F(const char* name, int32_t value) { return Field(name, NumberText(value)); }
    DumpLine& F(const char* name, float value) { return Field(name, NumberText(value)); }
    DumpLine& F(const char* name, double value) { return Field(name, NumberText(value)); }
    DumpLine& F(const char* name, const std::string& value) { return Field(name, "\"" + value + "\""); }
    template <class T>
    DumpLine& List(const char* name, const T* values, size_t count) {
        std::string text;
        for (size_t i = 0; i < count; ++i) {
            if (i > 0) text += ',';
            text += NumberText(values[i]);
        }
        return Field(name, text);
    }
    std::string Text() const { return text_ + "\n"; }

private:
    DumpLine& Field(const char* name, const std::string& value) {
        text_ += " ";
        text_ += name;
        text_ += "=";
        text_ += value;
        return *this;
    }
    std::string text_;
};

std::string Head(const char* table, size_t i) { return std::string(table) + "[" + std::to_string(i) + "]"; }
std::string Head(const char* table, size_t i, size_t j) { return Head(table, i) + "[" + std::to_string(j) + "]"; }

template <class T>
std::string Scalar(const char* name, T value) {
    return std::string(name) + "=" + NumberText(value) + "\n";
}

// Records 0 .. count - 1 that the table holds.
template <class T>
size_t InUse(const std::vector<T>& table, int64_t count) {
    return static_cast<size_t>(std::clamp<int64_t>(count, 0, static_cast<int64_t>(table.size())));
}

template <class T, class Format>
void DumpTable(std::string& out, const char* name, const std::vector<T>& table, int64_t count, Format format) {
    for (size_t i = 0; i < InUse(table, count); ++i) {
        DumpLine line(Head(name, i));
        format(line, table[i]);
        out += line.Text();
    }
}

// Row i of a per-slab list, entries 0 .. count - 1.
void DumpRow(std::string& out, const char* name, const IndexRows& rows, size_t i, int64_t count) {
    if (i >= rows.size()) return;
    const size_t n = InUse(rows[i], count);
    out += DumpLine(Head(name, i)).F("Count", static_cast<int32_t>(count)).List("Indexes", rows[i].data(), n).Text();
}

void DumpBeamElement(DumpLine& l, const BeamElement& e) {
    l.F("SectionNumber", e.SectionNumber).F("BeamNumber", e.BeamNumber).F("NodeI", e.NodeI).F("NodeJ", e.NodeJ);
    l.F("OffsetXI", e.OffsetXI).F("OffsetYI", e.OffsetYI).F("OffsetXJ", e.OffsetXJ).F("OffsetYJ", e.OffsetYJ);
    l.F("HasOffsets", e.HasOffsets).F("SectionAngle", e.SectionAngle);
}

void DumpEdge(DumpLine& l, const EdgeLine& e) {
    l.F("PlanNodeA", e.PlanNodeA).F("PlanNodeB", e.PlanNodeB).F("Owner", e.Owner);
}

void DumpMasonryElement(DumpLine& l, const MasonryElement& e) {
    l.F("Number", e.Number).F("NodeI", e.NodeI).F("NodeJ", e.NodeJ).F("Dim1", e.Dim1).F("Dim2", e.Dim2);
    l.F("Thickness", e.Thickness).F("Extra1", e.Extra1).F("Name", e.Name);
    l.F("VerticalGroupCount", e.VerticalGroupCount).F("VerticalBarCount", e.VerticalBarCount);
    l.F("HorizontalBarDiameter", e.HorizontalBarDiameter).F("VerticalBarDiameterA", e.VerticalBarDiameterA);
    l.F("VerticalBarDiameterB", e.VerticalBarDiameterB).F("HorizontalBarSpacing", e.HorizontalBarSpacing);
    l.F("HorizontalBarCount", e.HorizontalBarCount).F("BeamBarDiameter", e.BeamBarDiameter).F("BeamBarCount", e.BeamBarCount);
    l.F("BorderA1", e.BorderA1).F("BorderA2", e.BorderA2).F("BorderAFlag", e.BorderAFlag);
    l.F("BorderB1", e.BorderB1).F("BorderB2", e.BorderB2).F("BorderBFlag", e.BorderBFlag);
    l.F("ExtraReal1", e.ExtraReal1).F("ExtraReal2", e.ExtraReal2).F("ExtraReal3", e.ExtraReal3);
    l.F("ExtraReal4", e.ExtraReal4).F("ExtraReal5", e.ExtraReal5);
}

void DumpCatalogue(std::string& out, const SectionCatalogue& c) {
    out += Scalar("ArchiveSectionCount", c.ArchiveSectionCount);
    const int64_t sections = std::min({static_cast<int64_t>(c.ArchiveSectionCount), static_cast<int64_t>(c.SectionClass.size()),
                                       static_cast<int64_t>(c.SectionShape.size()), static_cast<int64_t>(c.SectionParams.size())});
    for (int64_t s = 0; s < sections; ++s)
        out += DumpLine(Head("Sections", static_cast<size_t>(s)))
                   .F("SectionClass", c.SectionClass[s])
                   .F("SectionShape", c.SectionShape[s])
                   .List("SectionParams", c.SectionParams[s].data(), c.SectionParams[s].size())
                   .Text();
    out += Scalar("ServerSectionCount", c.ServerSectionCount);
    DumpTable(out, "ServerSections", c.ServerSections, c.ServerSectionCount, [](DumpLine& l, const ServerSection& s) {
        l.F("Name", s.Name).F("Width", s.Width).F("Height", s.Height).F("Value2", s.Value2).F("Value3", s.Value3);
        l.F("CentroidOffsetY", s.CentroidOffsetY).F("CentroidOffsetX", s.CentroidOffsetX).F("Value4", s.Value4);
    });
    out += Scalar("SlabTypeCount", c.SlabTypeCount);
    DumpTable(out, "SlabTypes", c.SlabTypes, c.SlabTypeCount,
              [](DumpLine& l, const SlabType& t) { l.F("Kind", t.Kind).F("Name", t.Name); });
    out += Scalar("FootingTypeCount", c.FootingTypeCount);
    DumpTable(out, "FootingTypes", c.FootingTypes, c.FootingTypeCount, [](DumpLine& l, const FootingType& f) {
        l.F("Shape", f.Shape).List("Dims", f.Dims.data() + 1, f.Dims.size() - 1).F("Eccentric", f.Eccentric);
    });
    out += Scalar("ArchiveTableACount", c.ArchiveTableACount);
    DumpTable(out, "ArchiveTableA", c.ArchiveTableA, c.ArchiveTableACount,
              [](DumpLine& l, const std::array<float, 5>& r) { l.List("Values", r.data(), r.size()); });
    out += Scalar("ArchiveTableBCount", c.ArchiveTableBCount);
    DumpTable(out, "ArchiveTableB", c.ArchiveTableB, c.ArchiveTableBCount,
              [](DumpLine& l, const std::array<float, 4>& r) { l.List("Values", r.data(), r.size()); });
}

void DumpReinforcement(std::string& out, const ReinforcementSections& r) {
    using RS = ReinforcementSections;
    out += Scalar("ReinforcementSectionCount", r.ReinforcementSectionCount);
    const int32_t count = std::clamp<int32_t>(r.ReinforcementSectionCount, 0, RS::MaxSections);
    for (int32_t s = 0; s < count && s < static_cast<int64_t>(r.ReinforcementSectionEnds.size()); ++s) {
        const auto& ends = r.ReinforcementSectionEnds[s];
        out += DumpLine(Head("ReinforcementSections", s))
                   .F("End0X", ends[0].X).F("End0Y", ends[0].Y).F("End1X", ends[1].X).F("End1Y", ends[1].Y)
                   .F("SectionSlabCount", r.SectionSlabCount[s])
                   .F("UpperRebarCount", r.UpperRebarCount[s])
                   .F("LowerRebarCount", r.LowerRebarCount[s])
                   .Text();
        for (int32_t j = 0; j < std::clamp<int32_t>(r.SectionSlabCount[s], 0, RS::MaxSlabsPerSection); ++j) {
            const SectionSlabSpan& span = r.ReinforcementSectionSpans[s][j];
            out += DumpLine(Head("SectionSlabs", s, j))
                       .F("Slab", r.SectionSlabs[s][j]).F("X1", span.X1).F("X2", span.X2).F("Y1", span.Y1).F("Y2", span.Y2)
                       .Text();
        }
        for (int32_t k = 0; k < std::clamp<int32_t>(r.UpperRebarCount[s], 0, RS::MaxRebars); ++k) {
            const UpperRebar& b = r.UpperRebars[s][k];
            out += DumpLine(Head("UpperRebars", s, k))
                       .F("Diameter", b.Diameter).F("X1", b.X1).F("X2", b.X2).F("Y1", b.Y1).F("Y2", b.Y2)
                       .F("BarCount", b.BarCount).F("HookFlags", b.HookFlags)
                       .Text();
        }
        for (int32_t k = 0; k < std::clamp<int32_t>(r.LowerRebarCount[s], 0, RS::MaxRebars); ++k) {
            const LowerRebar& b = r.LowerRebars[s][k];
            out += DumpLine(Head("LowerRebars", s, k))
                       .F("Diameter", b.Diameter).F("X1", b.X1).F("X2", b.X2).F("Y1", b.Y1).F("Y2", b.Y2)
                       .F("BarCount", b.BarCount).F("Kind", b.Kind).F("HookFlags", b.HookFlags)
                       .Text();
        }
    }
}

}  // namespace

std::string DumpModel(const Model& m) {
    std::string out;
    out += Scalar("FileVersion", m.FileVersion);
    out += Scalar("DrawingDataVersion", m.DrawingDataVersion);
    const PlanHeader& h = m.Header;
    out += Scalar("PlanKind", h.PlanKind);
    out += Scalar("ElevationFrom", h.ElevationFrom);
    out += Scalar("ElevationTo", h.ElevationTo);
    out += Scalar("ModelMinX", h.ModelMinX);
    out += Scalar("ModelMinY", h.ModelMinY);
    out += Scalar("ModelMaxX", h.ModelMaxX);
    out += Scalar("ModelMaxY", h.ModelMaxY);
    out += Scalar("ModelOriginX", h.ModelOriginX);
    out += Scalar("ModelOriginY", h.ModelOriginY);

    DumpCatalogue(out, m.Catalogue);

    out += Scalar("NodeCount", m.NodeCount);
    DumpTable(out, "Nodes", m.Nodes, m.NodeCount, [](DumpLine& l, const Node& n) {
        l.F("Id", n.Id).F("X", n.X).F("Y", n.Y).F("FootingType", n.FootingType);
    });
    out += Scalar("BeamElementCount", m.BeamElementCount);
    DumpTable(out, "BeamElements", m.BeamElements, m.BeamElementCount, DumpBeamElement);
    out += Scalar("WallGroupHeaderValue", m.WallGroupHeaderValue);
    out += Scalar("WallSegmentCount", m.WallSegmentCount);
    DumpTable(out, "WallSegments", m.WallSegments, m.WallSegmentCount, [](DumpLine& l, const WallSegment& w) {
        l.F("GroupId", w.GroupId).F("Thickness", w.Thickness).F("NodeI", w.NodeI).F("NodeJ", w.NodeJ);
        l.F("OffsetXI", w.OffsetXI).F("OffsetYI", w.OffsetYI).F("OffsetXJ", w.OffsetXJ).F("OffsetYJ", w.OffsetYJ);
        l.F("HasOffsets", w.HasOffsets).F("Side", w.Side);
    });

    out += Scalar("ConcreteSlabCount", m.ConcreteSlabCount);
    out += Scalar("ConcreteSlabMaxVertices", m.ConcreteSlabMaxVertices);
    DumpTable(out, "ConcreteSlabs", m.ConcreteSlabs, m.ConcreteSlabCount, [](DumpLine& l, const ConcreteSlab& s) {
        l.F("Id", s.Id).F("Thickness", s.Thickness).F("VertexCount", s.VertexCount).F("Kind", s.Kind);
    });
    DumpTable(out, "ConcreteSlabDesigns", m.ConcreteSlabDesigns, m.ConcreteSlabCount,
              [](DumpLine& l, const ConcreteSlabDesign& d) {
                  l.F("AreaNodeLineCount", d.AreaNodeLineCount).F("Rck", d.Rck).F("SteelStress", d.SteelStress);
                  l.F("Cover", d.Cover).F("Spacing1", d.Spacing1).F("Diameter1", d.Diameter1);
                  l.F("Spacing2", d.Spacing2).F("Diameter2", d.Diameter2).F("ExtraDiameter1", d.ExtraDiameter1);
                  l.F("ExtraDiameter2", d.ExtraDiameter2).F("Angle1", d.Angle1).F("Angle12", d.Angle12);
                  l.F("FoundationFlag", d.FoundationFlag);
              });
    for (size_t i = 0; i < InUse(m.ConcreteSlabs, m.ConcreteSlabCount); ++i) {
        DumpRow(out, "ConcreteSlabModelPolygon", m.ConcreteSlabModelPolygon, i, int64_t{m.ConcreteSlabs[i].VertexCount} + 1);
        if (i < m.ConcreteSlabOutlineCount.size())
            DumpRow(out, "ConcreteSlabOutline", m.ConcreteSlabOutline, i, m.ConcreteSlabOutlineCount[i]);
        if (i < m.ConcreteSlabOutline2Count.size())
            DumpRow(out, "ConcreteSlabOutline2", m.ConcreteSlabOutline2, i, m.ConcreteSlabOutline2Count[i]);
    }

    out += Scalar("PillarCount", m.PillarCount);
    DumpTable(out, "Pillars", m.Pillars, m.PillarCount, [](DumpLine& l, const Pillar& p) {
        l.F("SectionNumber", p.SectionNumber).F("PillarNumber", p.PillarNumber).F("Node", p.Node);
        l.F("OffsetX", p.OffsetX).F("OffsetY", p.OffsetY).F("Side", p.Side).F("HasOffsets", p.HasOffsets);
        l.F("Angle", p.Angle);
    });

    out += Scalar("FloorSlabCount", m.FloorSlabCount);
    out += Scalar("FloorSlabMaxVertices", m.FloorSlabMaxVertices);
    DumpTable(out, "FloorSlabs", m.FloorSlabs, m.FloorSlabCount, [](DumpLine& l, const FloorSlab& s) {
        l.F("Number", s.Number).F("VertexCount", s.VertexCount).F("Extra1", s.Extra1).F("SpanAngle", s.SpanAngle);
        l.F("Extra2", s.Extra2).F("Extra3", s.Extra3).F("SectionNumber", s.SectionNumber).F("Thickness", s.Thickness);
        l.F("Area", s.Area).F("CentroidX", s.CentroidX).F("CentroidY", s.CentroidY);
        l.F("RefPoint2X", s.RefPoint2X).F("RefPoint2Y", s.RefPoint2Y).F("RefPoint3X", s.RefPoint3X).F("RefPoint3Y", s.RefPoint3Y);
        l.F("DiagramX1", s.DiagramX1).F("DiagramY1", s.DiagramY1).F("DiagramX2", s.DiagramX2).F("DiagramY2", s.DiagramY2);
        l.F("DiagramPointCount", s.DiagramPointCount).F("BarDiameterA", s.BarDiameterA).F("BarDiameterB", s.BarDiameterB);
        l.F("ExtraReal1", s.ExtraReal1).F("ExtraReal2", s.ExtraReal2).F("SlabTypeNumber", s.SlabTypeNumber);
        l.F("StartBandLength", s.StartBandLength).F("EndBandLength", s.EndBandLength);
        l.F("StartBandX1", s.StartBandX1).F("StartBandY1", s.StartBandY1).F("EndBandX1", s.EndBandX1).F("EndBandY1", s.EndBandY1);
        l.F("StartBandX2", s.StartBandX2).F("StartBandY2", s.StartBandY2).F("EndBandX2", s.EndBandX2).F("EndBandY2", s.EndBandY2);
        l.F("DirectionGroup", s.DirectionGroup);
    });
    for (size_t i = 0; i < InUse(m.FloorSlabs, m.FloorSlabCount); ++i) {
        DumpRow(out, "FloorSlabModelPolygon", m.FloorSlabModelPolygon, i, int64_t{m.FloorSlabs[i].VertexCount} + 1);
        if (i < m.FloorSlabOutlineCount.size())
            DumpRow(out, "FloorSlabOutline", m.FloorSlabOutline, i, m.FloorSlabOutlineCount[i]);
        if (i >= m.FloorSlabDiagram.size()) continue;
        const int32_t points = std::clamp<int32_t>(m.FloorSlabs[i].DiagramPointCount, 0, MaxDiagramPoints);
        for (int32_t k = 0; k < points; ++k) {
            const DiagramPoint& p = m.FloorSlabDiagram[i][k];
            out += DumpLine(Head("FloorSlabDiagram", i, k))
                       .F("Position", p.Position).F("LowerSteel", p.LowerSteel).F("UpperSteel", p.UpperSteel)
                       .Text();
        }
    }

    out += Scalar("MasonryIsIsotex", int32_t{m.MasonryIsIsotex});
    const MasonryMaterials& mat = m.Materials;
    out += Scalar("MasonryMaterialSingle1", mat.MasonryMaterialSingle1);
    out += Scalar("MasonryMaterialSingle2", mat.MasonryMaterialSingle2);
    out += Scalar("MasonryMaterialSingle3", mat.MasonryMaterialSingle3);
    out += Scalar("MasonryMaterialSingle4", mat.MasonryMaterialSingle4);
    out += Scalar("MasonryMaterialSingle5", mat.MasonryMaterialSingle5);
    out += "MasonryMaterialText1=\"" + mat.MasonryMaterialText1 + "\"\n";
    out += Scalar("MasonryMaterialDouble1", mat.MasonryMaterialDouble1);
    out += Scalar("MasonryMaterialSingle6", mat.MasonryMaterialSingle6);
    out += "MasonryMaterialText2=\"" + mat.MasonryMaterialText2 + "\"\n";
    out += Scalar("MasonryMaterialDouble2", mat.MasonryMaterialDouble2);
    out += Scalar("MasonryWallCount", int32_t{m.MasonryWallCount});
    DumpTable(out, "MasonryWalls", m.MasonryWalls, m.MasonryWallCount, DumpMasonryElement);
    out += Scalar("MasonryBeamCount", int32_t{m.MasonryBeamCount});
    DumpTable(out, "MasonryBeams", m.MasonryBeams, m.MasonryBeamCount, DumpMasonryElement);

    out += Scalar("PlanNodeCount", m.PlanNodeCount);
    DumpTable(out, "PlanNodes", m.PlanNodes, m.PlanNodeCount,
              [](DumpLine& l, const PlanPoint& p) { l.F("X", p.X).F("Y", p.Y); });
    out += Scalar("BeamExtradosEdgeCount", m.BeamExtradosEdgeCount);
    DumpTable(out, "BeamExtradosEdges", m.BeamExtradosEdges, m.BeamExtradosEdgeCount, DumpEdge);
    out += Scalar("BeamIntradosEdgeCount", m.BeamIntradosEdgeCount);
    DumpTable(out, "BeamIntradosEdges", m.BeamIntradosEdges, m.BeamIntradosEdgeCount, DumpEdge);
    out += Scalar("WallEdgeCount", m.WallEdgeCount);
    DumpTable(out, "WallEdges", m.WallEdges, m.WallEdgeCount, DumpEdge);
    out += Scalar("WallJunctionEdgeCount", m.WallJunctionEdgeCount);
    DumpTable(out, "WallJunctionEdges", m.WallJunctionEdges, m.WallJunctionEdgeCount,
              [](DumpLine& l, const WallJunctionEdge& e) {
                  l.F("JunctionNode", e.JunctionNode).F("PlanNodeA", e.PlanNodeA).F("PlanNodeB", e.PlanNodeB);
              });
    out += Scalar("HatchLoopLongCount", m.HatchLoopLongCount);
    out += DumpLine("HatchLoops").List("Values", m.HatchLoops.data(), InUse(m.HatchLoops, m.HatchLoopLongCount)).Text();

    out += Scalar("DimensionCount", m.DimensionCount);
    DumpTable(out, "Dimensions", m.Dimensions, m.DimensionCount, [](DumpLine& l, const Dimension& d) {
        l.F("LineX1", d.LineX1).F("LineY1", d.LineY1).F("LineX2", d.LineX2).F("LineY2", d.LineY2).F("Text", d.Text);
        l.F("MeasuredX1", d.MeasuredX1).F("MeasuredY1", d.MeasuredY1);
        l.F("MeasuredX2", d.MeasuredX2).F("MeasuredY2", d.MeasuredY2);
    });
    DumpReinforcement(out, m.Reinforcement);
    return out;
}

std::string DumpDeckOptions(const ShellOptions& shell, const DrawingState& drawing, const DesignOptions& design) {
    std::string out;
    out += DumpLine("LayerScreenOn").List("Values", drawing.LayerScreenOn.data(), drawing.LayerScreenOn.size()).Text();
    out += DumpLine("DimOsnapOn").List("Values", drawing.DimOsnapOn.data(), drawing.DimOsnapOn.size()).Text();
    out += Scalar("DimensionUnitMetres", shell.DimensionUnitMetres);
    out += Scalar("SpareOption3", shell.SpareOption3);
    out += Scalar("OptimalTextSize", shell.OptimalTextSize);
    out += Scalar("LowerAssemblyBarDiameter", design.LowerAssemblyBarDiameter);
    out += Scalar("CurbWidth", design.CurbWidth);
    out += Scalar("CurbSpanThreshold", design.CurbSpanThreshold);
    out += Scalar("CurbEnabled", design.CurbEnabled);
    return out;
}
