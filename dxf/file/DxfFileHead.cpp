#include "dxf/file/DxfFileHead.h"

#include <cstdint>
#include <initializer_list>

#include "dxf/writers/DxfGroups.h"

namespace {

struct NamedInt {
    const char* Name;
    int32_t Value;
};

struct NamedText {
    const char* Name;
    const char* Value;
};

struct NamedPoint {
    const char* Name;
    const char* X;
    const char* Y;
    const char* Z = nullptr;  // none: a point of the plane
};

// Each variable is "  9" and its name, then its groups.
class HeaderVariables {
public:
    explicit HeaderVariables(std::string& out) : groups_(out) {}

    // Integers right-justified in six characters.
    void Ints(int code, std::initializer_list<NamedInt> variables) {
        for (const NamedInt& v : variables) Name(v.Name).Int(code, v.Value);
    }
    void Texts(int code, std::initializer_list<NamedText> variables, int width = DxfGroups::CodeWidth) {
        for (const NamedText& v : variables) Name(v.Name).Text(code, v.Value, width);
    }
    void Reals(std::initializer_list<NamedText> variables) { Texts(40, variables); }
    void Points(std::initializer_list<NamedPoint> variables) {
        for (const NamedPoint& v : variables) {
            Name(v.Name).Text(10, v.X).Text(20, v.Y);
            if (v.Z) groups_.Text(30, v.Z);
        }
    }
    DxfGroups& Name(const char* name) { return groups_.Text(9, name); }

private:
    DxfGroups groups_;
};

void WriteVariables(HeaderVariables& h, const std::string& handleSeed) {
    h.Texts(1, {{"$ACADVER", "AC1015"}});
    h.Ints(70, {{"$ACADMAINTVER", 20}});
    h.Texts(3, {{"$DWGCODEPAGE", "ANSI_1252"}});
    h.Points({{"$INSBASE", "0.0", "0.0", "0.0"},
              {"$EXTMIN", "-98.37653478854026", "-1219.920873124147", "0.0"},
              {"$EXTMAX", "1541.699312967731", "317.1159618008186", "0.0"},
              {"$LIMMIN", "0.0", "0.0"},
              {"$LIMMAX", "420.0", "297.0"}});
    h.Ints(70, {{"$ORTHOMODE", 1}, {"$REGENMODE", 1}, {"$FILLMODE", 1}, {"$QTEXTMODE", 0}, {"$MIRRTEXT", 0}});
    h.Reals({{"$LTSCALE", "1.0"}});
    h.Ints(70, {{"$ATTMODE", 1}});
    h.Reals({{"$TEXTSIZE", "2.5"}, {"$TRACEWID", "1.0"}});
    h.Texts(7, {{"$TEXTSTYLE", "STANDARD"}}, 1);
    h.Texts(8, {{"$CLAYER", "QUOTE"}});
    h.Texts(6, {{"$CELTYPE", "ByLayer"}});
    h.Texts(62, {{"$CECOLOR", "256"}});
    h.Reals({{"$CELTSCALE", "1.0"}});
    h.Ints(70, {{"$DISPSILH", 0}});
    h.Reals({{"$DIMSCALE", "1.0"}, {"$DIMASZ", "1.0"}, {"$DIMEXO", "60.0"}, {"$DIMDLI", "0.38"},
             {"$DIMRND", "0.0"}, {"$DIMDLE", "0.0"}, {"$DIMEXE", "16.0"}, {"$DIMTP", "0.0"}, {"$DIMTM", "0.0"},
             {"$DIMTXT", "20.0"}, {"$DIMCEN", "0.09"}, {"$DIMTSZ", "0.0"}});
    h.Ints(70, {{"$DIMTOL", 0}, {"$DIMLIM", 0}, {"$DIMTIH", 0}, {"$DIMTOH", 0}, {"$DIMSE1", 1}, {"$DIMSE2", 1},
                {"$DIMTAD", 1}});
    h.Texts(70, {{"$DIMZIN", "8"}});
    h.Texts(1, {{"$DIMBLK", "_FRECCIADRAVO"}});
    h.Ints(70, {{"$DIMASO", 1}, {"$DIMSHO", 1}});
    h.Texts(1, {{"$DIMPOST", ""}, {"$DIMAPOST", ""}});
    h.Ints(70, {{"$DIMALT", 0}});
    h.Texts(70, {{"$DIMALTD", "  2"}});
    h.Reals({{"$DIMALTF", "25.4"}, {"$DIMLFAC", "0.5"}});
    h.Ints(70, {{"$DIMTOFL", 1}});
    h.Reals({{"$DIMTVP", "0.0"}});
    h.Ints(70, {{"$DIMTIX", 1}, {"$DIMSOXD", 0}, {"$DIMSAH", 0}});
    h.Texts(1, {{"$DIMBLK1", ""}, {"$DIMBLK2", ""}});
    h.Texts(2, {{"$DIMSTYLE", "SC50"}});
    h.Ints(70, {{"$DIMCLRD", 0}, {"$DIMCLRE", 0}, {"$DIMCLRT", 0}});
    h.Reals({{"$DIMTFAC", "1.0"}, {"$DIMGAP", "5.0"}});
    h.Ints(70, {{"$DIMJUST", 0}, {"$DIMSD1", 0}, {"$DIMSD2", 0}, {"$DIMTOLJ", 1}, {"$DIMTZIN", 8}, {"$DIMALTZ", 0},
                {"$DIMALTTZ", 0}, {"$DIMUPT", 0}, {"$DIMDEC", 1}, {"$DIMTDEC", 1}, {"$DIMALTU", 2},
                {"$DIMALTTD", 2}});
    h.Texts(7, {{"$DIMTXSTY", "STANDARD"}}, 1);
    h.Ints(70, {{"$DIMAUNIT", 0}, {"$DIMADEC", 0}});
    h.Reals({{"$DIMALTRND", "0.0"}});
    h.Ints(70, {{"$DIMAZIN", 0}, {"$DIMDSEP", 46}, {"$DIMATFIT", 3}, {"$DIMFRAC", 0}});
    h.Texts(1, {{"$DIMLDRBLK", "None"}});
    h.Ints(70, {{"$DIMLUNIT", 2}, {"$DIMLWD", -2}, {"$DIMLWE", -2}, {"$DIMTMOVE", 0}, {"$LUNITS", 2}, {"$LUPREC", 4}});
    h.Reals({{"$SKETCHINC", "1.0"}, {"$FILLETRAD", "0.0"}});
    h.Ints(70, {{"$AUNITS", 0}, {"$AUPREC", 0}});
    h.Texts(1, {{"$MENU", "."}});
    h.Reals({{"$ELEVATION", "0.0"}, {"$PELEVATION", "0.0"}, {"$THICKNESS", "0.0"}});
    h.Ints(70, {{"$LIMCHECK", 0}});
    h.Reals({{"$CHAMFERA", "0.0"}, {"$CHAMFERB", "0.0"}, {"$CHAMFERC", "0.0"}, {"$CHAMFERD", "0.0"}});
    h.Ints(70, {{"$SKPOLY", 0}});
    h.Reals({{"$TDCREATE", "2456345.703363681"}, {"$TDUCREATE", "2456345.661697014"},
             {"$TDUPDATE", "2457790.468364074"}, {"$TDUUPDATE", "2457790.426697408"}, {"$TDINDWG", "0.0162000810"},
             {"$TDUSRTIMER", "2457788.601178449"}});
    h.Ints(70, {{"$USRTIMER", 1}});
    h.Texts(50, {{"$ANGBASE", "0.0"}}, 1);
    h.Ints(70, {{"$ANGDIR", 0}, {"$PDMODE", 0}});
    h.Reals({{"$PDSIZE", "0.0"}, {"$PLINEWID", "0.0"}});
    h.Ints(70, {{"$SPLFRAME", 0}, {"$SPLINETYPE", 6}, {"$SPLINESEGS", 8}});
    h.Name("$HANDSEED").Text(5, handleSeed);
    h.Ints(70, {{"$SURFTAB1", 6}, {"$SURFTAB2", 6}, {"$SURFTYPE", 6}, {"$SURFU", 6}, {"$SURFV", 6}});
    h.Texts(2, {{"$UCSBASE", ""}, {"$UCSNAME", ""}});
    h.Points({{"$UCSORG", "0.0", "0.0", "0.0"}, {"$UCSXDIR", "1.0", "0.0", "0.0"}, {"$UCSYDIR", "0.0", "1.0", "0.0"}});
    h.Texts(2, {{"$UCSORTHOREF", ""}});
    h.Ints(70, {{"$UCSORTHOVIEW", 0}});
    h.Points({{"$UCSORGTOP", "0.0", "0.0", "0.0"}, {"$UCSORGBOTTOM", "0.0", "0.0", "0.0"},
              {"$UCSORGLEFT", "0.0", "0.0", "0.0"}, {"$UCSORGRIGHT", "0.0", "0.0", "0.0"},
              {"$UCSORGFRONT", "0.0", "0.0", "0.0"}, {"$UCSORGBACK", "0.0", "0.0", "0.0"}});
    h.Texts(2, {{"$PUCSBASE", ""}, {"$PUCSNAME", ""}});
    h.Points({{"$PUCSORG", "0.0", "0.0", "0.0"}, {"$PUCSXDIR", "1.0", "0.0", "0.0"},
              {"$PUCSYDIR", "0.0", "1.0", "0.0"}});
    h.Texts(2, {{"$PUCSORTHOREF", ""}});
    h.Ints(70, {{"$PUCSORTHOVIEW", 0}});
    h.Points({{"$PUCSORGTOP", "0.0", "0.0", "0.0"}, {"$PUCSORGBOTTOM", "0.0", "0.0", "0.0"},
              {"$PUCSORGLEFT", "0.0", "0.0", "0.0"}, {"$PUCSORGRIGHT", "0.0", "0.0", "0.0"},
              {"$PUCSORGFRONT", "0.0", "0.0", "0.0"}, {"$PUCSORGBACK", "0.0", "0.0", "0.0"}});
    h.Ints(70, {{"$USERI1", 0}, {"$USERI2", 0}, {"$USERI3", 0}, {"$USERI4", 0}, {"$USERI5", 0}});
    h.Reals({{"$USERR1", "0.0"}, {"$USERR2", "0.0"}, {"$USERR3", "0.0"}, {"$USERR4", "0.0"}, {"$USERR5", "0.0"}});
    h.Ints(70, {{"$WORLDVIEW", 1}, {"$SHADEDGE", 3}, {"$SHADEDIF", 70}, {"$TILEMODE", 1}, {"$MAXACTVP", 64}});
    h.Points({{"$PINSBASE", "0.0", "0.0", "0.0"}});
    h.Ints(70, {{"$PLIMCHECK", 0}});
    h.Points({{"$PEXTMIN", "0.0", "0.0", "0.0"}, {"$PEXTMAX", "0.0", "0.0", "0.0"}, {"$PLIMMIN", "0.0", "0.0"},
              {"$PLIMMAX", "0.0", "0.0"}});
    h.Ints(70, {{"$UNITMODE", 0}, {"$VISRETAIN", 1}, {"$PLINEGEN", 0}, {"$PSLTSCALE", 1}, {"$TREEDEPTH", 3020}});
    h.Texts(2, {{"$CMLSTYLE", "STANDARD"}});
    h.Ints(70, {{"$CMLJUST", 0}});
    h.Reals({{"$CMLSCALE", "1.0"}});
    h.Ints(70, {{"$PROXYGRAPHICS", 1}, {"$MEASUREMENT", 0}});
    h.Ints(370, {{"$CELWEIGHT", -1}});
    h.Ints(280, {{"$ENDCAPS", 0}, {"$JOINSTYLE", 0}});
    h.Ints(290, {{"$LWDISPLAY", 0}});
    h.Ints(70, {{"$INSUNITS", 0}});
    h.Texts(1, {{"$HYPERLINKBASE", ""}, {"$STYLESHEET", ""}});
    h.Ints(290, {{"$XEDIT", 1}});
    h.Ints(380, {{"$CEPSNTYPE", 0}});
    h.Ints(290, {{"$PSTYLEMODE", 1}});
    h.Texts(2, {{"$FINGERPRINTGUID", "{62FF5D6E-9127-43A8-B05D-8F3A3F57DF89}"},
                {"$VERSIONGUID", "{50CCDE9C-BAF8-4722-A3D6-CF2A985BF43E}"}});
    h.Ints(290, {{"$EXTNAMES", 1}});
    h.Reals({{"$PSVPSCALE", "0.0"}});
    h.Ints(290, {{"$OLESTARTUP", 0}});
}

struct ClassRecord {
    const char* RecordName;
    const char* ClassName;
    const char* Application;
    int32_t ProxyFlags;
};

constexpr const char* ObjectClasses = "ObjectDBX Classes";

constexpr ClassRecord Classes[] = {
    {"ACDBDICTIONARYWDFLT", "AcDbDictionaryWithDefault", ObjectClasses, 0},
    {"ACDBPLACEHOLDER", "AcDbPlaceHolder", ObjectClasses, 0},
    {"LAYOUT", "AcDbLayout", ObjectClasses, 0},
    {"DICTIONARYVAR", "AcDbDictionaryVar", ObjectClasses, 0},
    {"TABLESTYLE", "AcDbTableStyle", ObjectClasses, 4095},
    {"MATERIAL", "AcDbMaterial", ObjectClasses, 0},
    {"VISUALSTYLE", "AcDbVisualStyle", ObjectClasses, 4095},
    // The one value written with its own quotation marks.
    {"DIMASSOC", "AcDbDimAssoc", "\"Dravo dimension associativity\"", 0},
    {"SORTENTSTABLE", "AcDbSortentsTable", ObjectClasses, 0},
    {"ACAD_EVALUATION_GRAPH", "AcDbEvalGraph", ObjectClasses, 33921},
    {"ACAECUSTOBJ", "AcAeEditorObj", "AcAeEditorObj", 33792},
    {"ACDB_DYNAMICBLOCKPURGEPREVENTER_VERSION", "AcDbDynamicBlockPurgePreventer", ObjectClasses, 33921},
};

// The proxy flags stand right-justified in nine characters.
std::string ProxyFlagsText(int32_t flags) {
    std::string digits = std::to_string(flags);
    return std::string(digits.size() < 9 ? 9 - digits.size() : 0, ' ') + digits;
}

}  // namespace

void WriteDxf2000Header(DxfWriterState& state, std::string& out) {
    DxfGroups(out).Text(0, "SECTION").Text(2, "HEADER");
    HeaderVariables variables(out);
    WriteVariables(variables, GetNextHandle(state));
    DxfGroups(out).Text(0, "ENDSEC");
}

void WriteDxf2000Classes(std::string& out) {
    DxfGroups groups(out);
    groups.Text(0, "SECTION").Text(2, "CLASSES");
    for (const ClassRecord& c : Classes)
        groups.Text(0, "CLASS")
            .Text(1, c.RecordName)
            .Text(2, c.ClassName)
            .Text(3, c.Application)
            .Text(90, ProxyFlagsText(c.ProxyFlags))
            .Int(280, 0)
            .Int(281, 0);
    groups.Text(0, "ENDSEC");
}
