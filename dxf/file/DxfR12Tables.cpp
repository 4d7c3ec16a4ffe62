#include "dxf/file/DxfR12Tables.h"

#include <cstdlib>
#include <cstring>
#include <initializer_list>

#include "dxf/file/DxfLayerRows.h"
#include "dxf/writers/DxfGroups.h"
#include "dxf/writers/DxfLayerNames.h"

namespace {

// A group as its code line is written: R12 readers take "  0", " 70", "0" and "70" alike, and the
// tables keep the forms older files carry.
struct Group {
    const char* CodeLine;
    const char* Value;
};

void Write(DxfGroups& groups, std::initializer_list<Group> lines) {
    for (const Group& g : lines)
        groups.Text(std::atoi(g.CodeLine), g.Value, static_cast<int>(std::strlen(g.CodeLine)));
}

void WriteLineTypeTable(DxfGroups& groups) {
    Write(groups, {{"  0", "TABLE"}, {"  2", "LTYPE"}, {" 70", "  5"}});
    Write(groups, {{"  0", "LTYPE"}, {"  2", "CONTINUOUS"}, {" 70", "64"}, {"  3", "Solid Line"}, {" 72", "65"},
                   {" 73", "0"}, {" 40", "0.0"}});
    Write(groups, {{"  0", "LTYPE"}, {"2", "DOT"}, {"70", "64"},
                   {"3", "..............................................."}, {"72", "65"}, {"73", "2"},
                   {"40", "0.75"}, {"49", "0.0"}, {"49", "-0.75"}});
    Write(groups, {{"  0", "LTYPE"}, {"2", "DASHDOT"}, {"70", "64"},
                   {"3", "__ . __ . __ . __ . __ . __ . __ . __ . __ . __"}, {"72", "65"}, {"73", "4"},
                   {"40", "1.0"}, {"49", "0.5"}, {"49", "-0.25"}, {"49", "0.0"}, {"49", "-0.25"}});
    Write(groups, {{"  0", "LTYPE"}, {"2", "DASHED2"}, {"70", "64"},
                   {"3", "_ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _"}, {"72", "65"}, {"73", "2"},
                   {"40", "17.5"}, {"49", "10.0"}, {"49", "-7.5"}});
    Write(groups, {{"0", "LTYPE"}, {"2", "DASHED"}, {"70", "64"},
                   {"3", "__ __ __ __ __ __ __ __ __ __ __ __ __ __ __ __"}, {"72", "65"}, {"73", "2"},
                   {"40", "40.0"}, {"49", "25"}, {"49", "-15"}});
    Write(groups, {{"  0", "ENDTAB"}});
}

// Row 0, the axes, is dashed by its layer.
void WriteLayerTable(std::string& out, DxfGroups& groups, const DrawingState& drawing) {
    Write(groups, {{"  0", "TABLE"}, {"  2", "LAYER"}});
    for (const DxfLayerRow& r : DxfLayerRows(drawing))
        WriteDxf12LayerRecord(out, r.Name, r.Colour, r.Row == 0 ? "DASHED2" : "Continuous");
    Write(groups, {{"  0", "ENDTAB"}});
}

// The first style's record opens with a bare "0" and writes its width factor under a bare "41".
void WriteStyle(DxfGroups& groups, bool first, const char* name, const char* font) {
    Write(groups, {{first ? "0" : "  0", "STYLE"}, {"  2", name}, {" 70", "     0"}, {" 40", "0.0"},
                   {first ? "41" : " 41", "1.0"},
                   {" 50", "0.0"}, {" 71", "     0"}, {" 42", "2.5"}, {"  3", font}, {"  4", ""}});
}

void WriteStyleTable(DxfGroups& groups) {
    Write(groups, {{"  0", "TABLE"}, {"  2", "STYLE"}, {" 70", "  2"}});
    WriteStyle(groups, true, "STANDARD", "arial.ttf");
    WriteStyle(groups, false, "ANNOTATIVA", "Txt");
    Write(groups, {{"  0", "ENDTAB"}});
}

}  // namespace

void WriteDxf12LayerRecord(std::string& out, const std::string& name, int32_t colour, const std::string& lineType) {
    DxfGroups groups(out);
    const std::string colourText = (colour < 0 ? "" : " ") + std::to_string(colour) + " ";
    groups.Text(0, "LAYER").Text(2, DxfLayerName(name)).Text(70, "0").Text(62, colourText).Text(6, lineType);
}

void WriteDxf12Tables(std::string& out, const DrawingState& drawing) {
    DxfGroups groups(out);
    Write(groups, {{"  0", "SECTION"}, {"  2", "TABLES"}});
    WriteLineTypeTable(groups);
    WriteLayerTable(out, groups, drawing);
    WriteStyleTable(groups);
    Write(groups, {{"  0", "ENDSEC"}});
}
