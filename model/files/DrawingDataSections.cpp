#include "model/files/DrawingDataSections.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "model/common/Helpers.h"

namespace {

namespace Names {
constexpr const char* Origin = "ORIGINE";
constexpr const char* Dimensions = "QUOTE";
constexpr const char* Reinforcement = "SEZIONI";
constexpr const char* PlanNodes = "NODI_S";
constexpr const char* MasonryBorders = "BORDI PARETI MA";
constexpr const char* BeamExtrados = "TRAVI_ESTRADOSSO";
constexpr const char* BeamIntrados = "TRAVI_INTRADOSSO";
constexpr const char* WallEdges = "D3_SEZIONE";
constexpr const char* HatchLoops = "DATI_RETINI";
constexpr const char* FloorSlabOutlines = "NODI_SOLAI";
constexpr const char* ConcreteSlabOutlines = "NODI_SOLETTE";
constexpr const char* Options = "OPZIONI";
}  // namespace Names

// Least characters of one record, to bound counts by what is left of the file: a number takes at
// least a digit and its delimiter, a text item at least its line end.
constexpr int32_t NumberChars = 2;
constexpr int32_t ShortDimensionChars = 4 * NumberChars + 1;
constexpr int32_t FullDimensionChars = 8 * NumberChars + 1;
constexpr int32_t ReinforcementSectionChars = 7 * NumberChars;
constexpr int32_t PlanPointChars = 2 * NumberChars;
constexpr int32_t EdgeLineChars = 3 * NumberChars;
constexpr int32_t IndexChars = NumberChars;

bool Refuse(DataFileReader& reader, ReadFailure failure, int64_t value) {
    return reader.FailAt(failure, reader.LastItemLine(), std::to_string(value));
}

bool ReadKeyword(DataFileReader& reader, const char* section) {
    reader.SetSection(section);
    std::string keyword;
    return reader.ReadText(keyword);
}

// A count of records that index the model: never negative, at most `maxCount` when there is a
// fixed table behind it, and no more than the rest of the file can hold.
bool ReadBoundedCount(DataFileReader& reader, int32_t& count, int32_t minChars, int64_t maxCount = INT32_MAX) {
    int32_t value = 0;
    if (!reader.ReadCount(value, minChars)) return false;
    if (value < 0 || value > maxCount) return Refuse(reader, ReadFailure::BadCount, value);
    count = value;
    return true;
}

// An index into a table of `tableCount` records.
bool ReadIndex(DataFileReader& reader, int32_t& index, int32_t tableCount) {
    int32_t value = 0;
    if (!reader.ReadInt32(value)) return false;
    if (value < 0 || value >= tableCount) return Refuse(reader, ReadFailure::BadValue, value);
    index = value;
    return true;
}

template <class T>
void EnsureSize(std::vector<T>& table, int64_t size) {
    if (static_cast<int64_t>(table.size()) < size) table.resize(static_cast<size_t>(size));
}

// Reads `count` plan-point or node indexes into row[0 .. count - 1]; the row grows when a saved
// list is longer than the room the model sections gave it.
bool ReadIndexList(DataFileReader& reader, std::vector<int32_t>& row, int32_t count, int32_t tableCount) {
    EnsureSize(row, static_cast<int64_t>(count) + 1);
    for (int32_t j = 0; j < count; ++j)
        if (!ReadIndex(reader, row[j], tableCount)) return false;
    return true;
}

bool ReadDimensions(DataFileReader& reader, Model& model, int32_t d) {
    if (!ReadKeyword(reader, Names::Dimensions)) return false;
    int32_t count = 0;
    if (!reader.ReadCount(count, d > 4 ? FullDimensionChars : ShortDimensionChars)) return false;
    if (count <= 0) {  // no dimension: the table stays as the load emptied it
        model.DimensionCount = 0;
        return true;
    }
    model.DimensionCount = count;
    ResizeTable(model.Dimensions, count);
    for (Dimension& dim : model.Dimensions) {
        if (!reader.ReadSingle(dim.LineX1) || !reader.ReadSingle(dim.LineY1) || !reader.ReadSingle(dim.LineX2) ||
            !reader.ReadSingle(dim.LineY2) || !reader.ReadText(dim.Text))
            return false;
        if (d > 4) {
            if (!reader.ReadSingle(dim.MeasuredX1) || !reader.ReadSingle(dim.MeasuredY1) ||
                !reader.ReadSingle(dim.MeasuredX2) || !reader.ReadSingle(dim.MeasuredY2))
                return false;
        } else {
            dim.MeasuredX1 = dim.LineX1;
            dim.MeasuredY1 = dim.LineY1;
            dim.MeasuredX2 = dim.LineX2;
            dim.MeasuredY2 = dim.LineY2;
        }
    }
    return true;
}

bool ReadXPair(DataFileReader& reader, float& x1, float& x2) { return reader.ReadSingle(x1) && reader.ReadSingle(x2); }

bool ReadReinforcementSections(DataFileReader& reader, Model& model, int32_t& lowerAssemblyBarDiameter) {
    using RS = ReinforcementSections;
    if (!ReadKeyword(reader, Names::Reinforcement)) return false;
    ReinforcementSections& r = model.Reinforcement;
    int32_t count = 0;
    if (!reader.ReadCount(count, ReinforcementSectionChars)) return false;
    if (count > RS::MaxSections) return Refuse(reader, ReadFailure::BadCount, count);
    r.ReinforcementSectionCount = std::max(count, 0);
    for (int32_t s = 0; s < r.ReinforcementSectionCount; ++s) {
        auto& ends = r.ReinforcementSectionEnds[s];
        if (!reader.ReadSingle(ends[0].X) || !reader.ReadSingle(ends[0].Y) || !reader.ReadSingle(ends[1].X) ||
            !reader.ReadSingle(ends[1].Y))
            return false;
        if (!ReadBoundedCount(reader, r.SectionSlabCount[s], 5 * NumberChars, RS::MaxSlabsPerSection)) return false;
        for (int32_t j = 0; j < r.SectionSlabCount[s]; ++j) {
            SectionSlabSpan& span = r.ReinforcementSectionSpans[s][j];
            if (!ReadIndex(reader, r.SectionSlabs[s][j], model.FloorSlabCount) || !ReadXPair(reader, span.X1, span.X2) ||
                !ReadXPair(reader, span.Y1, span.Y2))
                return false;
        }
        if (!ReadBoundedCount(reader, r.UpperRebarCount[s], 7 * NumberChars, RS::MaxRebars)) return false;
        for (int32_t k = 0; k < r.UpperRebarCount[s]; ++k) {
            UpperRebar& bar = r.UpperRebars[s][k];
            if (!reader.ReadInt32(bar.Diameter) || !reader.ReadInt32(bar.HookFlags) || !reader.ReadInt32(bar.BarCount) ||
                !ReadXPair(reader, bar.X1, bar.X2) || !ReadXPair(reader, bar.Y1, bar.Y2))
                return false;
        }
        if (!ReadBoundedCount(reader, r.LowerRebarCount[s], 7 * NumberChars, RS::MaxRebars)) return false;
        for (int32_t k = 0; k < r.LowerRebarCount[s]; ++k) {
            LowerRebar& bar = r.LowerRebars[s][k];
            if (!reader.ReadInt32(bar.Diameter) || !reader.ReadInt32(bar.Kind) || !reader.ReadInt32(bar.BarCount))
                return false;
            bar.HookFlags = 0;
            if (model.FileVersion > 2 && !reader.ReadInt32(bar.HookFlags)) return false;
            if (!ReadXPair(reader, bar.X1, bar.X2) || !ReadXPair(reader, bar.Y1, bar.Y2)) return false;
        }
    }
    if (r.ReinforcementSectionCount > 0 && !reader.ReadInt32(lowerAssemblyBarDiameter)) return false;
    return true;
}

bool ReadPlanNodes(DataFileReader& reader, Model& model) {
    if (!ReadKeyword(reader, Names::PlanNodes)) return false;
    int32_t count = 0;
    if (!ReadBoundedCount(reader, count, PlanPointChars)) return false;
    model.PlanNodeCount = count;
    ResizeTable(model.PlanNodes, static_cast<int64_t>(count) + 1);
    for (int32_t i = 0; i < count; ++i)
        if (!reader.ReadSingle(model.PlanNodes[i].X) || !reader.ReadSingle(model.PlanNodes[i].Y)) return false;
    return true;
}

bool ReadMasonryBorders(DataFileReader& reader, Model& model) {
    const int32_t points = model.PlanNodeCount;
    if (model.MasonryWallCount > 0) {
        if (!ReadKeyword(reader, Names::MasonryBorders)) return false;
        for (int32_t i = 0; i < model.MasonryWallCount; ++i) {
            MasonryElement& w = model.MasonryWalls[i];
            if (!ReadIndex(reader, w.BorderA2, points) || !ReadIndex(reader, w.BorderA1, points) ||
                !ReadIndex(reader, w.BorderB2, points) || !ReadIndex(reader, w.BorderB1, points) ||
                !reader.ReadInt32(w.BorderAFlag) || !reader.ReadInt32(w.BorderBFlag))
                return false;
        }
    }
    if (model.MasonryBeamCount > 0) {
        if (!ReadKeyword(reader, Names::MasonryBorders)) return false;
        for (int32_t i = 0; i < model.MasonryBeamCount; ++i) {
            MasonryElement& b = model.MasonryBeams[i];
            if (!ReadIndex(reader, b.BorderA2, points) || !ReadIndex(reader, b.BorderA1, points) ||
                !ReadIndex(reader, b.BorderB2, points) || !ReadIndex(reader, b.BorderB1, points))
                return false;
        }
    }
    return true;
}

// Edge lines of members: both ends plan points, the owner ±(member index + 1).
bool ReadEdgeLines(DataFileReader& reader, const char* section, int32_t& count, std::vector<EdgeLine>& table,
                   int32_t planNodeCount, int32_t memberCount) {
    if (!ReadKeyword(reader, section)) return false;
    if (!ReadBoundedCount(reader, count, EdgeLineChars)) return false;
    EnsureSize(table, static_cast<int64_t>(count) + 1);
    for (int32_t i = 0; i < count; ++i) {
        EdgeLine& e = table[i];
        if (!ReadIndex(reader, e.PlanNodeA, planNodeCount) || !ReadIndex(reader, e.PlanNodeB, planNodeCount) ||
            !reader.ReadInt32(e.Owner))
            return false;
        if (e.Owner == 0 || e.Owner < -memberCount || e.Owner > memberCount)
            return Refuse(reader, ReadFailure::BadValue, e.Owner);
    }
    return true;
}

// Each loop is its negated vertex count n followed by n plan-point indexes.
bool ReadHatchLoops(DataFileReader& reader, Model& model) {
    if (!ReadKeyword(reader, Names::HatchLoops)) return false;
    int32_t count = 0;
    if (!ReadBoundedCount(reader, count, IndexChars)) return false;
    model.HatchLoopLongCount = count;
    ResizeTable(model.HatchLoops, static_cast<int64_t>(count) + 1);
    int32_t loopEnd = 0;  // position of the next loop's length
    for (int32_t i = 0; i < count; ++i) {
        int32_t& value = model.HatchLoops[i];
        if (i == loopEnd) {
            if (!reader.ReadInt32(value)) return false;
            if (value >= 0 || -static_cast<int64_t>(value) > count - 1 - i) return Refuse(reader, ReadFailure::BadValue, value);
            loopEnd = i + 1 - value;
        } else if (!ReadIndex(reader, value, model.PlanNodeCount)) {
            return false;
        }
    }
    return true;
}

bool ReadFloorSlabOutlines(DataFileReader& reader, Model& model, int32_t d) {
    if (!ReadKeyword(reader, Names::FloorSlabOutlines)) return false;
    for (int32_t i = 0; i < model.FloorSlabCount; ++i) {
        FloorSlab& s = model.FloorSlabs[i];
        int32_t& count = model.FloorSlabOutlineCount[i];
        if (d > 6) {
            if (!ReadBoundedCount(reader, count, IndexChars)) return false;
        } else {
            count = s.VertexCount;
        }
        if (!ReadIndexList(reader, model.FloorSlabOutline[i], count, model.PlanNodeCount)) return false;
        if (!reader.ReadSingle(s.Area) || !reader.ReadSingle(s.CentroidX) || !reader.ReadSingle(s.CentroidY)) return false;
        if (d > 1) {
            if (!reader.ReadSingle(s.StartBandX1) || !reader.ReadSingle(s.StartBandY1) || !reader.ReadSingle(s.EndBandX1) ||
                !reader.ReadSingle(s.EndBandY1) || !reader.ReadSingle(s.StartBandX2) ||
                !reader.ReadSingle(s.StartBandY2) || !reader.ReadSingle(s.EndBandX2) || !reader.ReadSingle(s.EndBandY2))
                return false;
        } else {
            s.StartBandX1 = s.StartBandY1 = s.EndBandX1 = s.EndBandY1 = 0;
            s.StartBandX2 = s.StartBandY2 = s.EndBandX2 = s.EndBandY2 = 0;
        }
    }
    return true;
}

bool ReadConcreteSlabOutlines(DataFileReader& reader, Model& model, int32_t d) {
    if (!ReadKeyword(reader, Names::ConcreteSlabOutlines)) return false;
    for (int32_t i = 0; i < model.ConcreteSlabCount; ++i) {
        if (!ReadBoundedCount(reader, model.ConcreteSlabOutlineCount[i], IndexChars) ||
            !ReadIndexList(reader, model.ConcreteSlabOutline[i], model.ConcreteSlabOutlineCount[i], model.PlanNodeCount))
            return false;
        if (d <= 5) continue;
        if (!ReadBoundedCount(reader, model.ConcreteSlabOutline2Count[i], IndexChars) ||
            !ReadIndexList(reader, model.ConcreteSlabOutline2[i], model.ConcreteSlabOutline2Count[i], model.PlanNodeCount))
            return false;
        ConcreteSlab& slab = model.ConcreteSlabs[i];
        std::vector<int32_t>& polygon = model.ConcreteSlabModelPolygon[i];
        if (!ReadBoundedCount(reader, slab.VertexCount, IndexChars) ||
            !ReadIndexList(reader, polygon, slab.VertexCount, model.NodeCount))
            return false;
        polygon[slab.VertexCount] = polygon[0];  // closed in memory
    }
    return true;
}

// The tail is read whole before any option changes, so that a damaged tail leaves the options
// in force as they were.
bool ReadOptions(DataFileReader& reader, int32_t d, const DeckOptions& options, int32_t lowerAssemblyBarDiameter) {
    reader.SetSection(Names::Options);
    std::array<int32_t, 10> screenOn{};
    std::array<int32_t, DimOsnapLayerCount> osnapOn{};
    for (int k = 0; k < 10; ++k) {
        if (!reader.ReadInt32(screenOn[k])) return false;
        if (k < DimOsnapLayerCount && !reader.ReadInt32(osnapOn[k])) return false;
    }
    ShellOptions shell = options.shell;
    if (!reader.ReadInt32(shell.DimensionUnitMetres) || !reader.ReadInt32(shell.SpareOption3) ||
        !reader.ReadInt32(shell.OptimalTextSize))
        return false;
    DesignOptions design = options.design;
    design.LowerAssemblyBarDiameter = lowerAssemblyBarDiameter;
    if (d > 2 && (!reader.ReadSingle(design.CurbWidth) || !reader.ReadSingle(design.CurbSpanThreshold) ||
                  !reader.ReadInt32(design.CurbEnabled)))
        return false;

    std::copy(screenOn.begin(), screenOn.end(), options.drawing.LayerScreenOn.begin());
    options.drawing.DimOsnapOn = osnapOn;
    options.shell = shell;
    options.design = design;
    return true;
}

// The writer trusts no count: a record beyond its table is written as a zero record, so that a
// model whose count and table disagree still gives a file that reads back.
template <class T>
const T& At(const std::vector<T>& table, int64_t index) {
    static const T empty{};
    return index >= 0 && index < static_cast<int64_t>(table.size()) ? table[static_cast<size_t>(index)] : empty;
}

template <class T, size_t N>
const T& At(const std::vector<std::array<T, N>>& table, int64_t row, int64_t column) {
    static const T empty{};
    if (row < 0 || row >= static_cast<int64_t>(table.size()) || column < 0 || column >= static_cast<int64_t>(N)) return empty;
    return table[static_cast<size_t>(row)][static_cast<size_t>(column)];
}

int32_t At(const IndexRows& rows, int64_t row, int64_t column) {
    if (row < 0 || row >= static_cast<int64_t>(rows.size())) return 0;
    return At(rows[static_cast<size_t>(row)], column);
}

void WriteXPair(DataFileWriter& writer, float a, float b) { writer.Real(a, 2).Real(b, 2).EndLine(); }

void WriteEdgeLines(DataFileWriter& writer, const char* keyword, int32_t count, const std::vector<EdgeLine>& table) {
    writer.Line(keyword);
    writer.Int(count).EndLine();
    for (int32_t i = 0; i < count; ++i) {
        const EdgeLine& e = At(table, i);
        writer.Int(e.PlanNodeA).Int(e.PlanNodeB).Int(e.Owner).EndLine();
    }
}

void WriteIndexList(DataFileWriter& writer, const IndexRows& rows, int32_t row, int32_t count) {
    for (int32_t j = 0; j < count; ++j) writer.Int(At(rows, row, j)).EndLine();
}

void WriteReinforcementSections(DataFileWriter& writer, const Model& model, const DesignOptions& design,
                                int32_t fileVersion) {
    const ReinforcementSections& r = model.Reinforcement;
    const int32_t count = std::min<int32_t>(r.ReinforcementSectionCount, ReinforcementSections::MaxSections);
    writer.Line(Names::Reinforcement);
    writer.Int(count).EndLine();
    for (int32_t s = 0; s < count; ++s) {
        const PlanPoint& end0 = At(r.ReinforcementSectionEnds, s, 0);
        const PlanPoint& end1 = At(r.ReinforcementSectionEnds, s, 1);
        writer.Real(end0.X, 2).Real(end0.Y, 2).Real(end1.X, 2).Real(end1.Y, 2).EndLine();
        const int32_t slabs = std::min<int32_t>(At(r.SectionSlabCount, s), ReinforcementSections::MaxSlabsPerSection);
        writer.Int(slabs).EndLine();
        for (int32_t j = 0; j < slabs; ++j) {
            const SectionSlabSpan& span = At(r.ReinforcementSectionSpans, s, j);
            writer.Int(At(r.SectionSlabs, s, j)).EndLine();
            WriteXPair(writer, span.X1, span.X2);
            WriteXPair(writer, span.Y1, span.Y2);
        }
        const int32_t upper = std::min<int32_t>(At(r.UpperRebarCount, s), ReinforcementSections::MaxRebars);
        writer.Int(upper).EndLine();
        for (int32_t k = 0; k < upper; ++k) {
            const UpperRebar& bar = At(r.UpperRebars, s, k);
            writer.Int(bar.Diameter).Int(bar.HookFlags).Int(bar.BarCount).EndLine();
            WriteXPair(writer, bar.X1, bar.X2);
            WriteXPair(writer, bar.Y1, bar.Y2);
        }
        const int32_t lower = std::min<int32_t>(At(r.LowerRebarCount, s), ReinforcementSections::MaxRebars);
        writer.Int(lower).EndLine();
        for (int32_t k = 0; k < lower; ++k) {
            const LowerRebar& bar = At(r.LowerRebars, s, k);
            writer.Int(bar.Diameter).Int(bar.Kind).Int(bar.BarCount);
            if (fileVersion > 2) writer.Int(bar.HookFlags);
            writer.EndLine();
            WriteXPair(writer, bar.X1, bar.X2);
            WriteXPair(writer, bar.Y1, bar.Y2);
        }
    }
    if (count > 0) writer.Int(design.LowerAssemblyBarDiameter).EndLine();
}

}  // namespace

bool ReadDrawingDataSections(DataFileReader& reader, Model& model, const DeckOptions& options) {
    const int32_t d = model.DrawingDataVersion;
    if (d > 3) {
        reader.SetSection(Names::Origin);
        if (!reader.ReadSingle(model.Header.ModelOriginX) || !reader.ReadSingle(model.Header.ModelOriginY)) return false;
    }
    int32_t lowerAssemblyBarDiameter = options.design.LowerAssemblyBarDiameter;
    return ReadDimensions(reader, model, d) && ReadReinforcementSections(reader, model, lowerAssemblyBarDiameter) &&
           ReadPlanNodes(reader, model) && ReadMasonryBorders(reader, model) &&
           ReadEdgeLines(reader, Names::BeamExtrados, model.BeamExtradosEdgeCount, model.BeamExtradosEdges,
                         model.PlanNodeCount, model.BeamElementCount) &&
           ReadEdgeLines(reader, Names::BeamIntrados, model.BeamIntradosEdgeCount, model.BeamIntradosEdges,
                         model.PlanNodeCount, model.BeamElementCount) &&
           ReadEdgeLines(reader, Names::WallEdges, model.WallEdgeCount, model.WallEdges, model.PlanNodeCount,
                         model.WallSegmentCount) &&
           ReadHatchLoops(reader, model) && ReadFloorSlabOutlines(reader, model, d) &&
           ReadConcreteSlabOutlines(reader, model, d) && ReadOptions(reader, d, options, lowerAssemblyBarDiameter);
}

void WriteDrawingDataSections(DataFileWriter& writer, const Model& model, const ConstDeckOptions& options,
                              int32_t d, int32_t fileVersion) {
    if (d > 3) writer.Real(model.Header.ModelOriginX, 3).Real(model.Header.ModelOriginY, 3).EndLine();

    writer.Line(Names::Dimensions);
    writer.Int(model.DimensionCount).EndLine();
    for (int32_t i = 0; i < model.DimensionCount; ++i) {
        const Dimension& dim = At(model.Dimensions, i);
        writer.Real(dim.LineX1, 2).EndLine().Real(dim.LineY1, 2).EndLine();
        writer.Real(dim.LineX2, 2).EndLine().Real(dim.LineY2, 2).EndLine();
        writer.Text(CommaToDot(dim.Text)).EndLine();
        if (d > 4) {
            writer.Real(dim.MeasuredX1, 2).EndLine().Real(dim.MeasuredY1, 2).EndLine();
            writer.Real(dim.MeasuredX2, 2).EndLine().Real(dim.MeasuredY2, 2).EndLine();
        }
    }

    WriteReinforcementSections(writer, model, options.design, fileVersion);

    writer.Line(Names::PlanNodes);
    writer.Int(model.PlanNodeCount).EndLine();
    for (int32_t i = 0; i < model.PlanNodeCount; ++i) {
        const PlanPoint& p = At(model.PlanNodes, i);
        writer.Real(p.X, 2).Real(p.Y, 2).EndLine();
    }

    if (model.MasonryWallCount > 0) {
        writer.Line(Names::MasonryBorders);
        for (int32_t i = 0; i < model.MasonryWallCount; ++i) {
            const MasonryElement& w = At(model.MasonryWalls, i);
            writer.Int(w.BorderA2).Int(w.BorderA1).Int(w.BorderB2).Int(w.BorderB1).Int(w.BorderAFlag).Int(w.BorderBFlag).EndLine();
        }
    }
    if (model.MasonryBeamCount > 0) {
        writer.Line(Names::MasonryBorders);
        for (int32_t i = 0; i < model.MasonryBeamCount; ++i) {
            const MasonryElement& b = At(model.MasonryBeams, i);
            writer.Int(b.BorderA2).Int(b.BorderA1).Int(b.BorderB2).Int(b.BorderB1).EndLine();
        }
    }

    WriteEdgeLines(writer, Names::BeamExtrados, model.BeamExtradosEdgeCount, model.BeamExtradosEdges);
    WriteEdgeLines(writer, Names::BeamIntrados, model.BeamIntradosEdgeCount, model.BeamIntradosEdges);
    WriteEdgeLines(writer, Names::WallEdges, model.WallEdgeCount, model.WallEdges);

    writer.Line(Names::HatchLoops);
    writer.Int(model.HatchLoopLongCount).EndLine();
    for (int32_t i = 0; i < model.HatchLoopLongCount; ++i) writer.Int(At(model.HatchLoops, i)).EndLine();

    writer.Line(Names::FloorSlabOutlines);
    for (int32_t i = 0; i < model.FloorSlabCount; ++i) {
        const FloorSlab& s = At(model.FloorSlabs, i);
        // Without a count line the outline is read with as many points as the model polygon.
        const int32_t count = d > 6 ? At(model.FloorSlabOutlineCount, i) : s.VertexCount;
        if (d > 6) writer.Int(count).EndLine();
        WriteIndexList(writer, model.FloorSlabOutline, i, count);
        writer.Real(s.Area, 2).Real(s.CentroidX, 2).Real(s.CentroidY, 2).EndLine();
        if (d > 1) {
            writer.Real(s.StartBandX1, 2).Real(s.StartBandY1, 2).Real(s.EndBandX1, 2).Real(s.EndBandY1, 2).EndLine();
            writer.Real(s.StartBandX2, 2).Real(s.StartBandY2, 2).Real(s.EndBandX2, 2).Real(s.EndBandY2, 2).EndLine();
        }
    }

    writer.Line(Names::ConcreteSlabOutlines);
    for (int32_t i = 0; i < model.ConcreteSlabCount; ++i) {
        const int32_t outline = At(model.ConcreteSlabOutlineCount, i);
        writer.Int(outline).EndLine();
        WriteIndexList(writer, model.ConcreteSlabOutline, i, outline);
        if (d <= 5) continue;
        const int32_t outline2 = At(model.ConcreteSlabOutline2Count, i);
        writer.Int(outline2).EndLine();
        WriteIndexList(writer, model.ConcreteSlabOutline2, i, outline2);
        const int32_t vertices = At(model.ConcreteSlabs, i).VertexCount;
        writer.Int(vertices).EndLine();
        WriteIndexList(writer, model.ConcreteSlabModelPolygon, i, vertices);
    }

    for (int k = 0; k < 10; ++k) {
        writer.Int(options.drawing.LayerScreenOn[k]).EndLine();
        if (k < DimOsnapLayerCount) writer.Int(options.drawing.DimOsnapOn[k]).EndLine();
    }
    writer.Int(options.shell.DimensionUnitMetres).Int(options.shell.SpareOption3).Int(options.shell.OptimalTextSize).EndLine();
    if (d > 2)
        writer.Real(options.design.CurbWidth, 2).Real(options.design.CurbSpanThreshold, 2).Int(options.design.CurbEnabled).EndLine();
}
