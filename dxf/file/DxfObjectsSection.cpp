#include "dxf/file/DxfObjectsSection.h"

#include <array>
#include <initializer_list>
#include <string_view>
#include <utility>

#include "dxf/writers/DxfGroups.h"

namespace {

// The handles of the section's counted objects, in the order they are taken.
struct ObjectHandles {
    std::string Groups, Layouts, DetailViewStyles, MlineStyles, PlotSettings, PlotStyleNames, SectionViewStyles,
        Variables, AppData, DimOffsets, StandardMlineStyle;
    std::array<std::string, 3> VariableEntries;   // DIMASSOC, INDEXCTL, SORTENTS
    std::array<std::string, 4> DimOffsetEntries;  // DIMRAILANGLE, DIMRAILFIRSTOFFSET, DIMRAILOFFSET, DIMRAILSENABLED
    std::string DrawingProperties;

    explicit ObjectHandles(DxfWriterState& state) {
        for (std::string* h : {&Groups, &Layouts, &DetailViewStyles, &MlineStyles, &PlotSettings, &PlotStyleNames,
                               &SectionViewStyles, &Variables, &AppData, &DimOffsets, &StandardMlineStyle})
            *h = GetNextHandle(state);
        for (std::string& h : VariableEntries) h = GetNextHandle(state);
        for (std::string& h : DimOffsetEntries) h = GetNextHandle(state);
        DrawingProperties = GetNextHandle(state);
    }
};

using Entry = std::pair<std::string_view, std::string_view>;  // name, handle

// Every object after the root dictionary starts with a bare "0".
constexpr int ObjectCodeWidth = 1;

void WriteEntries(DxfGroups& groups, std::initializer_list<Entry> entries) {
    for (const auto& [name, handle] : entries) groups.Text(3, name).Text(350, handle);
}

DxfGroups& Dictionary(DxfGroups& groups, std::string_view handle, std::initializer_list<Entry> entries,
                      const char* kind = "DICTIONARY") {
    groups.Text(0, kind, ObjectCodeWidth)
        .Text(5, handle)
        .Text(330, "C")
        .Text(100, "AcDbDictionary")
        .Text(281, "1");
    WriteEntries(groups, entries);
    return groups;
}

void WriteDrawingProperties(DxfGroups& groups, const ObjectHandles& h) {
    groups.Text(0, "XRECORD", ObjectCodeWidth)
        .Text(5, h.DrawingProperties)
        .Text(330, "C")
        .Text(100, "AcDbXrecord")
        .Text(280, "1")
        .Text(1, "DWGPROPS COOKIE", 1)
        .Text(2, "", 1);
    for (int code : {3, 4, 6, 7}) groups.Text(code, "");
    groups.Text(8, "Utente").Text(9, "");
    for (int code = 300; code <= 309; ++code) groups.Text(code, "=");
    groups.Text(40, "0.0").Text(41, "2456345.661697002").Text(42, "2457793.718763808").Text(1, "").Text(90, "0");
}

// A layout with blank plot settings, no limits and no extents.
struct Layout {
    std::string_view Handle, Owner, Name, BlockRecord;
    const char* PlotFlags;
    const char* TabOrder;
};

void WriteLayout(DxfGroups& groups, const Layout& layout) {
    groups.Text(0, "LAYOUT", ObjectCodeWidth)
        .Text(5, layout.Handle)
        .Text(330, layout.Owner)
        .Text(100, "AcDbPlotSettings")
        .Text(1, "")
        .Text(2, "none_device")
        .Text(4, "")
        .Text(6, "");
    for (int code = 40; code <= 49; ++code) groups.Text(code, "0.0");
    groups.Text(140, "0.0").Text(141, "0.0").Text(142, "1.0").Text(143, "1.0");
    groups.Text(70, layout.PlotFlags).Text(72, "0").Text(73, "0").Text(74, "5").Text(7, "").Text(75, "16");
    groups.Text(147, "1.0").Text(148, "0.0").Text(149, "0.0");
    groups.Text(100, "AcDbLayout").Text(1, layout.Name).Text(70, "1").Text(71, layout.TabOrder);
    for (int code : {10, 20, 11, 21, 12, 22, 32, 14, 24, 34, 15, 25, 35, 146, 13, 23, 33}) groups.Text(code, "0.0");
    groups.Text(16, "1.0").Text(26, "0.0").Text(36, "0.0").Text(17, "0.0").Text(27, "1.0").Text(37, "0.0");
    groups.Text(76, "0").Text(330, layout.BlockRecord);
}

void WriteStandardMlineStyle(DxfGroups& groups, const ObjectHandles& h) {
    groups.Text(0, "MLINESTYLE", ObjectCodeWidth)
        .Text(5, h.StandardMlineStyle)
        .Text(330, h.MlineStyles)
        .Text(100, "AcDbMlineStyle")
        .Text(2, "STANDARD", 1)
        .Text(70, "0")
        .Text(3, "")
        .Text(62, "256")
        .Text(51, "90.0")
        .Text(52, "90.0")
        .Text(71, "2");
    for (const char* offset : {"0.5", "-0.5"}) groups.Text(49, offset).Text(62, "256").Text(6, "BYLAYER");
}

void WriteDictionaryVariable(DxfGroups& groups, std::string_view handle, std::string_view owner,
                             std::string_view value) {
    groups.Text(0, "DICTIONARYVAR", ObjectCodeWidth)
        .Text(5, handle)
        .Text(330, owner)
        .Text(100, "DictionaryVariables")
        .Text(280, "0")
        .Text(1, value);
}

}  // namespace

void WriteDxf2000Objects(DxfWriterState& state, std::string& out) {
    const ObjectHandles h(state);
    DxfGroups groups(out);
    groups.Text(0, "SECTION").Text(2, "OBJECTS");
    groups.Text(0, "DICTIONARY").Text(5, "C").Text(330, "0").Text(100, "AcDbDictionary").Int(281, 1);
    WriteEntries(groups, {{"ACAD_DETAILVIEWSTYLE", h.DetailViewStyles},
                          {"ACAD_GROUP", h.Groups},
                          {"ACAD_LAYOUT", h.Layouts},
                          {"ACAD_MLINESTYLE", h.MlineStyles},
                          {"ACAD_PLOTSETTINGS", h.PlotSettings},
                          {"ACAD_PLOTSTYLENAME", h.PlotStyleNames},
                          {"ACAD_SECTIONVIEWSTYLE", h.SectionViewStyles},
                          {"AcDbVariableDictionary", h.Variables},
                          {"APPDATA", h.AppData},
                          {"DimOffsetDictionary", h.DimOffsets},
                          {"DWGPROPS", h.DrawingProperties}});

    Dictionary(groups, h.DetailViewStyles, {});
    Dictionary(groups, h.Groups, {});
    Dictionary(groups, h.Layouts, {{"Foglio 1", state.HandlePaperLayout}, {"Model", state.HandleModelLayout}});
    // A reader needs the model space's own layout: the one its block record names.
    WriteLayout(groups, {.Handle = state.HandleModelLayout, .Owner = h.Layouts, .Name = "Model",
                         .BlockRecord = state.HandleModelSpaceRecord, .PlotFlags = "1712", .TabOrder = "0"});
    Dictionary(groups, h.MlineStyles, {{"STANDARD", h.StandardMlineStyle}});
    Dictionary(groups, h.PlotSettings, {});
    Dictionary(groups, h.PlotStyleNames, {{"Normal", state.HandlePlotStyleNormal}}, "ACDBDICTIONARYWDFLT")
        .Text(100, "AcDbDictionaryWithDefault")
        .Text(340, state.HandlePlotStyleNormal);
    Dictionary(groups, h.SectionViewStyles, {});
    Dictionary(groups, h.Variables,
               {{"DIMASSOC", h.VariableEntries[0]}, {"INDEXCTL", h.VariableEntries[1]},
                {"SORTENTS", h.VariableEntries[2]}});
    Dictionary(groups, h.AppData, {});
    Dictionary(groups, h.DimOffsets,
               {{"DIMRAILANGLE", h.DimOffsetEntries[0]}, {"DIMRAILFIRSTOFFSET", h.DimOffsetEntries[1]},
                {"DIMRAILOFFSET", h.DimOffsetEntries[2]}, {"DIMRAILSENABLED", h.DimOffsetEntries[3]}});

    WriteDrawingProperties(groups, h);
    WriteLayout(groups, {.Handle = state.HandlePaperLayout, .Owner = h.Layouts, .Name = "Foglio 1",
                         .BlockRecord = state.HandlePaperSpaceRecord, .PlotFlags = "688", .TabOrder = "1"});
    WriteStandardMlineStyle(groups, h);
    groups.Text(0, "ACDBPLACEHOLDER", ObjectCodeWidth).Text(5, state.HandlePlotStyleNormal).Text(330, h.PlotStyleNames);

    WriteDictionaryVariable(groups, h.VariableEntries[0], h.Variables, "1");
    WriteDictionaryVariable(groups, h.VariableEntries[1], h.Variables, "0");
    WriteDictionaryVariable(groups, h.VariableEntries[2], h.Variables, "127");
    WriteDictionaryVariable(groups, h.DimOffsetEntries[0], h.DimOffsets, "0.261799");
    WriteDictionaryVariable(groups, h.DimOffsetEntries[1], h.DimOffsets, "0.400000");
    WriteDictionaryVariable(groups, h.DimOffsetEntries[2], h.DimOffsets, "0.250000");
    WriteDictionaryVariable(groups, h.DimOffsetEntries[3], h.DimOffsets, "1");
    groups.Text(0, "ENDSEC");
}
