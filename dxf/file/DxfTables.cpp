#include "dxf/file/DxfTables.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "dxf/file/DxfLayerRows.h"
#include "dxf/writers/DxfGroups.h"
#include "dxf/writers/DxfLayerNames.h"

namespace {

struct Group {
    int Code;
    const char* Value;
};

// The view of the "*Active" viewport is fixed, whatever the drawing's extents.
constexpr Group ActiveViewport[] = {
    {10, "0.0"},    {20, "0.0"},    {11, "1.0"},
    {21, "1.0"},    {12, "805.316248479769"}, {22, "-525.9872959979642"},
    {13, "0.0"},    {23, "0.0"},    {14, "0.5"},
    {24, "0.5"},    {15, "0.5"},    {25, "0.5"},
    {16, "0.0"},    {26, "0.0"},    {36, "1.0"},
    {17, "0.0"},    {27, "0.0"},    {37, "0.0"},
    {40, "1870.063859459157"},      {41, "1.491463414634146"}, {42, "50.0"},
    {43, "0.0"},    {44, "0.0"},    {50, "0.0"},
    {51, "0.0"},    {71, "    16"}, {72, "   100"},
    {73, "     1"}, {74, "     3"}, {75, "     0"},
    {76, "     0"}, {77, "     0"}, {78, "     0"},
    {281, "     0"}, {65, "     1"}, {110, "0.0"},
    {120, "0.0"},   {130, "0.0"},   {111, "1.0"},
    {121, "0.0"},   {131, "0.0"},   {112, "0.0"},
    {122, "1.0"},   {132, "0.0"},   {79, "     0"},
    {146, "0.0"},
};

struct LineType {
    const char* Name;
    const char* Description;
    const char* PatternLength;
    std::vector<const char*> Dashes;
};

const LineType LineTypes[] = {
    {"ByBlock", "", "0.0", {}},
    {"ByLayer", "", "0.0", {}},
    {"Continuous", "Solid Line", "0.0", {}},
    {"DASHED2", "_ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _", "17.5", {"10.0", "-7.5"}},
    {"DASHED", "__ __ __ __ __ __ __ __ __ __ __ __ __ __ __ __", "40.0", {"25.0", "-15.0"}},
};

constexpr const char* ApplicationIds[] = {
    "ACAD",           "ACAD_PSEXT",          "ACADANNOPO",      "ACADANNOTATIVE",           "ACAD_DSTYLE_DIMJAG",
    "ACAD_DSTYLE_DIMTALN", "ACAD_MLEADERVER", "ACAD_NAV_VCDISPLAY", "ACAD_EXEMPT_FROM_CAD_STAND",
};

// The "SC" styles put one decimal above the dimension line between arrows; the "Ferri" styles put
// a whole number on the line, with no arrows and no dimension lines.
struct DimStyle {
    const char* Name;
    float LengthScale;  // the drawing scale the style measures in: DIMLFAC is this over the unit factor
    bool Rebars;
};

constexpr DimStyle DimStyles[] = {
    {"SC50", 0.5f, false},    {"SC25", 0.25f, false},    {"SC100", 1.0f, false},
    {"Ferri50", 0.5f, true}, {"Ferri25", 0.25f, true}, {"Ferri100", 1.0f, true},
};

// "  0" TABLE, the name, the handle, owner "0", the marker and the count.
DxfGroups& TableHead(DxfGroups& groups, const char* name, const char* handle, int32_t count,
                     int nameWidth = DxfGroups::CodeWidth, int countWidth = DxfGroups::CodeWidth) {
    return groups.Text(0, "TABLE")
        .Text(2, name, nameWidth)
        .Text(5, handle)
        .Text(330, "0")
        .Text(100, "AcDbSymbolTable")
        .Int(70, count, countWidth);
}

DxfGroups& RecordHead(DxfGroups& groups, const char* kind, std::string_view handle, const char* table,
                      const char* subclass) {
    return groups.Text(0, kind)
        .Text(5, handle)
        .Text(330, table)
        .Text(100, "AcDbSymbolTableRecord")
        .Text(100, subclass);
}

void WriteViewportTable(DxfWriterState& state, DxfGroups& groups) {
    TableHead(groups, "VPORT", "8", 1);
    RecordHead(groups, "VPORT", state.HandleActiveVport, "8", "AcDbViewportTableRecord")
        .Text(2, "*Active")
        .Int(70, 0);
    for (const Group& g : ActiveViewport) groups.Text(g.Code, g.Value);
    groups.Text(0, "ENDTAB");
}

void WriteLineTypeTable(DxfWriterState& state, DxfGroups& groups) {
    TableHead(groups, "LTYPE", "5", 3);
    for (const LineType& t : LineTypes) {
        RecordHead(groups, "LTYPE", GetNextHandle(state), "5", "AcDbLinetypeTableRecord")
            .Text(2, t.Name)
            .Int(70, 0)
            .Text(3, t.Description)
            .Int(72, 65)
            .Int(73, static_cast<int32_t>(t.Dashes.size()))
            .Text(40, t.PatternLength);
        for (const char* dash : t.Dashes) groups.Text(49, dash).Int(74, 0);
    }
    groups.Text(0, "ENDTAB");
}

void WriteLayerTable(DxfWriterState& state, std::string& out, const DrawingState& drawing) {
    const std::vector<DxfLayerRow> rows = DxfLayerRows(drawing);
    DxfGroups groups(out);
    TableHead(groups, "LAYER", "2", static_cast<int32_t>(rows.size()) + 1);
    for (const DxfLayerRow& r : rows) WriteDxf2000LayerRecord(state, out, r.Name, r.Colour, "Continuous");
    groups.Text(0, "ENDTAB");
}

void WriteStyleTable(DxfWriterState& state, DxfGroups& groups) {
    TableHead(groups, "STYLE", "3", 1);
    RecordHead(groups, "STYLE", state.HandleStandardStyle, "3", "AcDbTextStyleTableRecord")
        .Text(2, "Standard")
        .Int(70, 0)
        .Text(40, "0.0")
        .Text(41, "1.0")
        .Text(50, "0.0")
        .Int(71, 0)
        .Text(42, "2.5")
        .Text(3, "arial.ttf")
        .Text(4, "")
        .Text(1001, "ACAD")
        .Text(1000, "Arial")
        .Int(1071, 34);
    groups.Text(0, "ENDTAB");
}

void WriteEmptyTable(DxfGroups& groups, const char* name, const char* handle) {
    TableHead(groups, name, handle, 0).Text(0, "ENDTAB");
}

void WriteAppIdTable(DxfWriterState& state, DxfGroups& groups) {
    TableHead(groups, "APPID", "9", 9);
    for (const char* name : ApplicationIds)
        RecordHead(groups, "APPID", GetNextHandle(state), "9", "AcDbRegAppTableRecord").Text(2, name).Int(70, 0);
    groups.Text(0, "ENDTAB");
}

void WriteDimStyleRecord(DxfWriterState& state, DxfGroups& groups, const DimStyle& style, float u) {
    const float textHeight = 20 * u;
    const float gap = 5 * u;
    const float lengthFactor = style.LengthScale / u;
    const int32_t onLine = style.Rebars ? 1 : 0;
    const std::string& arrow = style.Rebars ? state.HandleNoneBlockRecord : state.HandleArrowBlockRecord;
    groups.Text(0, "DIMSTYLE")
        .Text(105, GetNextHandle(state))
        .Text(330, "A")
        .Text(100, "AcDbSymbolTableRecord")
        .Text(100, "AcDbDimStyleTableRecord")
        .Text(2, style.Name)
        .Int(70, 0)
        .Fixed(41, u, 4)
        .Text(42, "60.0")
        .Text(44, "16.0")
        .Int(73, 0)
        .Int(74, 0)
        .Int(75, 1)
        .Int(76, 1)
        .Int(77, 1 - onLine)
        .Int(78, 8)
        .Fixed(140, textHeight, 8)
        .Fixed(144, lengthFactor, 8)
        .Fixed(147, gap, 8)
        .Int(172, 1)
        .Int(174, 1)
        .Int(178, 0)
        .Int(271, 1 - onLine)
        .Int(272, 1)
        .Int(281, onLine)
        .Int(282, onLine)
        .Int(284, 8)
        .Int(289, 0)
        .Text(340, state.HandleStandardStyle)
        .Text(341, arrow)
        .Text(342, arrow);
}

void WriteDimStyleTable(DxfWriterState& state, DxfGroups& groups, float u) {
    TableHead(groups, "DIMSTYLE", "A", 4, 1).Text(100, "AcDbDimStyleTable").Int(71, 0).Text(340, GetNextHandle(state));
    for (const DimStyle& style : DimStyles) WriteDimStyleRecord(state, groups, style, u);
    groups.Text(0, "ENDTAB");
}

// The anonymous blocks of a kind that have a record: as many as both a name and its record handle
// were given; a name without a stored handle has no record to point at.
size_t AnonymousRecordCount(int32_t count, const std::vector<std::string>& handles) {
    return std::min(static_cast<size_t>(std::max(count, 0)), handles.size());
}

void WriteAnonymousBlockRecords(DxfGroups& groups, const char* prefix, int32_t count,
                                const std::vector<std::string>& handles) {
    for (size_t i = 0; i < AnonymousRecordCount(count, handles); ++i)
        RecordHead(groups, "BLOCK_RECORD", handles[i], "1", "AcDbBlockTableRecord")
            .Text(2, prefix + std::to_string(i))
            .Text(340, "0");
}

void WriteBlockRecordTable(DxfWriterState& state, DxfGroups& groups) {
    struct Fixed {
        const char* Name;
        std::string_view Handle;
        std::string_view Layout;
    };
    constexpr std::string_view NoLayout = "0";
    const Fixed fixedRecords[] = {
        {"*Model_Space", state.HandleModelSpaceRecord, state.HandleModelLayout},
        {"*Paper_Space", state.HandlePaperSpaceRecord, state.HandlePaperLayout},
        {"_FRECCIADRAVO", state.HandleArrowBlockRecord, NoLayout},
        {"_NOFRECCIA", state.HandleNoArrowBlockRecord, NoLayout},
        {"_None", state.HandleNoneBlockRecord, NoLayout},
    };
    const size_t records = std::size(fixedRecords) +
                           AnonymousRecordCount(state.HatchBlockCount, state.HatchBlockRecordHandles) +
                           AnonymousRecordCount(state.DimBlockCount, state.DimBlockRecordHandles);
    TableHead(groups, "BLOCK_RECORD", "1", static_cast<int32_t>(records) + 1, 1, 2);
    for (const Fixed& r : fixedRecords)
        RecordHead(groups, "BLOCK_RECORD", r.Handle, "1", "AcDbBlockTableRecord").Text(2, r.Name).Text(340, r.Layout);
    WriteAnonymousBlockRecords(groups, "*X", state.HatchBlockCount, state.HatchBlockRecordHandles);
    WriteAnonymousBlockRecords(groups, "*D", state.DimBlockCount, state.DimBlockRecordHandles);
    groups.Text(0, "ENDTAB");
}

}  // namespace

void WriteDxf2000LayerRecord(DxfWriterState& state, std::string& out, const std::string& name, int32_t colour,
                             const std::string& lineType) {
    const std::string valid = DxfLayerName(name);
    DxfGroups groups(out);
    RecordHead(groups, "LAYER", GetNextHandle(state), "2", "AcDbLayerTableRecord").Text(2, valid);
    if (valid == "Defpoints") groups.Int(290, 0, 4);
    groups.Int(70, 0).Int(62, colour).Text(6, lineType).Int(370, -3).Text(390, state.HandlePlotStyleNormal);
}

void WriteDxf2000Tables(DxfWriterState& state, std::string& out, const DrawingState& drawing,
                        const DxfOptions& options) {
    DxfGroups groups(out);
    groups.Text(0, "SECTION").Text(2, "TABLES");
    WriteViewportTable(state, groups);
    WriteLineTypeTable(state, groups);
    WriteLayerTable(state, out, drawing);
    WriteStyleTable(state, groups);
    WriteEmptyTable(groups, "VIEW", "6");
    WriteEmptyTable(groups, "UCS", "7");
    WriteAppIdTable(state, groups);
    WriteDimStyleTable(state, groups, options.DxfUnitFactor);
    WriteBlockRecordTable(state, groups);
    groups.Text(0, "ENDSEC");
}
