#include "dxf/file/DxfR12Head.h"

#include <vector>

#include "dxf/writers/DxfGroups.h"

namespace {

struct Group {
    int Code;
    const char* Value;
};

struct Variable {
    const char* Name;
    std::vector<Group> Groups;
};

Variable Point3(const char* name, const char* x, const char* y, const char* z = "0.0") {
    return {name, {{10, x}, {20, y}, {30, z}}};
}
Variable Point2(const char* name, const char* x, const char* y) { return {name, {{10, x}, {20, y}}}; }
Variable Flag(const char* name, const char* value) { return {name, {{70, value}}}; }
Variable Real(const char* name, const char* value) { return {name, {{40, value}}}; }

// In the order an R12 reader expects them; the extents are fixed, not the drawing's own.
std::vector<Variable> R12HeaderVariables() {
    return {
        {"$ACADVER", {{1, "AC1009"}}},
        Point3("$INSBASE", "0.0", "0.0"),
        Point3("$EXTMIN", "949.66", "905.53"),
        Point3("$EXTMAX", "100000.00", "80000.00"),
        Point2("$LIMMIN", "0.0", "0.0"),
        Point2("$LIMMAX", "420.0", "297.0"),
        Flag("$ORTHOMODE", "1"),
        Flag("$REGENMODE", "1"),
        Flag("$FILLMODE", "1"),
        Flag("$QTEXTMODE", "0"),
        Flag("$MIRRTEXT", "0"),
        Flag("$DRAGMODE", "2"),
        Real("$LTSCALE", "1.0"),
        Flag("$OSMODE", "135"),
        Flag("$ATTMODE", "1"),
        Real("$TEXTSIZE", "2.5"),
        Real("$TRACEWID", "1.0"),
        {"$TEXTSTYLE", {{7, "STANDARD"}}},
        {"$CLAYER", {{8, "0"}}},
        {"$CELTYPE", {{6, "BYLAYER"}}},
        {"$CECOLOR", {{62, "256"}}},
        Real("$DIMSCALE", "1.0"),
        Real("$DIMASZ", "2.5"),
        Real("$DIMEXO", "0.625"),
        Real("$DIMDLI", "3.75"),
        Real("$DIMRND", "0.0"),
        Real("$DIMDLE", "0.0"),
        Real("$DIMEXE", "1.25"),
        Real("$DIMTP", "0.0"),
        Real("$DIMTM", "0.0"),
        Real("$DIMTXT", "2.5"),
        Real("$DIMCEN", "2.5"),
        Real("$DIMTSZ", "0.0"),
        Flag("$DIMTOL", "0"),
        Flag("$DIMLIM", "0"),
        Flag("$DIMTIH", "0"),
        Flag("$DIMTOH", "0"),
        Flag("$DIMSE1", "0"),
        Flag("$DIMSE2", "0"),
        Flag("$DIMTAD", "1"),
        Flag("$DIMZIN", "8"),
        {"$DIMBLK", {{1, ""}}},
        Flag("$DIMASO", "1"),
        Flag("$DIMSHO", "1"),
        {"$DIMPOST", {{1, ""}}},
        {"$DIMAPOST", {{1, ""}}},
        Flag("$DIMALT", "0"),
        Flag("$DIMALTD", "3"),
        Real("$DIMALTF", "0.2"),
        Real("$DIMLFAC", "1.0"),
        Flag("$DIMTOFL", "1"),
        Real("$DIMTVP", "0.0"),
        Flag("$DIMTIX", "0"),
        Flag("$DIMSOXD", "0"),
        Flag("$DIMSAH", "0"),
        {"$DIMBLK1", {{1, ""}}},
        {"$DIMBLK2", {{1, ""}}},
        {"$DIMSTYLE", {{2, "ISO-25"}}},
        Flag("$DIMCLRD", "0"),
        Flag("$DIMCLRE", "0"),
        Flag("$DIMCLRT", "0"),
        Real("$DIMTFAC", "1.0"),
        Real("$DIMGAP", "0.625"),
        Flag("$LUNITS", "2"),
        Flag("$LUPREC", "4"),
        Real("$SKETCHINC", "1.0"),
        Real("$FILLETRAD", "0.0"),
        Flag("$AUNITS", "0"),
        Flag("$AUPREC", "0"),
        {"$MENU", {{1, "."}}},
        Real("$ELEVATION", "0.0"),
        Real("$PELEVATION", "0.0"),
        Real("$THICKNESS", "0.0"),
        Flag("$LIMCHECK", "0"),
        Flag("$BLIPMODE", "0"),
        Real("$CHAMFERA", "0.0"),
        Real("$CHAMFERB", "0.0"),
        Flag("$SKPOLY", "0"),
        Real("$TDCREATE", "2456345.7033636812"),
        Flag("$USRTIMER", "1"),
        {"$ANGBASE", {{50, "0.0"}}},
        Flag("$ANGDIR", "0"),
        Flag("$PDMODE", "0"),
        Real("$PDSIZE", "0.0"),
        Real("$PLINEWID", "0.0"),
        Flag("$COORDS", "0"),
        Flag("$SPLFRAME", "0"),
        Flag("$SPLINETYPE", "6"),
        Flag("$SPLINESEGS", "8"),
        Flag("$ATTDIA", "0"),
        Flag("$ATTREQ", "1"),
        Flag("$HANDLING", "1"),
        Flag("$SURFTAB1", "6"),
        Flag("$SURFTAB2", "6"),
        Flag("$SURFTYPE", "6"),
        Flag("$SURFU", "6"),
        Flag("$SURFV", "6"),
        {"$UCSNAME", {{2, ""}}},
        Point3("$UCSORG", "0.0", "0.0"),
        Point3("$UCSXDIR", "1.0", "0.0"),
        Point3("$UCSYDIR", "0.0", "1.0"),
        {"$PUCSNAME", {{2, ""}}},
        Point3("$PUCSORG", "0.0", "0.0"),
        Point3("$PUCSXDIR", "1.0", "0.0"),
        Point3("$PUCSYDIR", "0.0", "1.0"),
        Flag("$USERI1", "0"),
        Flag("$USERI2", "0"),
        Flag("$USERI3", "0"),
        Flag("$USERI4", "0"),
        Flag("$USERI5", "0"),
        Real("$USERR1", "0.0"),
        Real("$USERR2", "0.0"),
        Real("$USERR3", "0.0"),
        Real("$USERR4", "0.0"),
        Real("$USERR5", "0.0"),
        Flag("$WORLDVIEW", "1"),
        Flag("$SHADEDGE", "3"),
        Flag("$SHADEDIF", "70"),
        Flag("$TILEMODE", "1"),
        Flag("$MAXACTVP", "64"),
        Flag("$PLIMCHECK", "0"),
        Point3("$PEXTMIN", "0.0", "0.0"),
        Point3("$PEXTMAX", "0.0", "0.0"),
        Point2("$PLIMMIN", "0.0", "0.0"),
        Point2("$PLIMMAX", "12.0", "9.0"),
        Flag("$UNITMODE", "0"),
        Flag("$VISRETAIN", "1"),
        Flag("$PLINEGEN", "0"),
        Flag("$PSLTSCALE", "1"),
    };
}

// The header's code lines carry no leading blanks.
constexpr int BareCode = 1;

}  // namespace

void WriteDxf12Header(std::string& out, const std::string& handleSeed) {
    DxfGroups groups(out);
    groups.Text(0, "SECTION", BareCode).Text(2, "HEADER", BareCode);
    for (const Variable& v : R12HeaderVariables()) {
        groups.Text(9, v.Name, BareCode);
        for (const Group& g : v.Groups) groups.Text(g.Code, g.Value, BareCode);
        if (v.Name == std::string_view("$HANDLING")) groups.Text(9, "$HANDSEED", BareCode).Text(5, handleSeed, BareCode);
    }
    groups.Text(0, "ENDSEC", BareCode);
}
