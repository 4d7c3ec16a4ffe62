#pragma once
// What the DXF export dialog does to the application state, apart from its window: the values it
// shows, the values its generate and store buttons take over (refused whole when one field would
// make a bad file), its list of selected data files and the run of one export from it.
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "dxf/export/DxfExport.h"
#include "model/Session.h"
#include "platform/Platform.h"

// The layer rows the dialog edits; the pillar tops' row follows the pillars' row.
constexpr int32_t DialogLayerRows = 24;

struct ExportDialogValues {
    std::array<std::string, DialogLayerRows> LayerNames{};
    std::array<int32_t, DialogLayerRows> LayerAci{};
    std::array<int32_t, DialogLayerRows> LayerDxfOn{};
    int32_t DxfScaleIs50 = 1;
    int32_t DxfR12 = 0;
    int32_t JoistTypeLabels = 0;
    int32_t BeamSectionLabels = 0;
    int32_t TakeoffTextFile = 0;
    int32_t DxfTakeoffInDrawing = 0;
    int32_t PillarAlignment = 0;
    int32_t DxfSpanSymbol = 0;
    int32_t DxfMarkUpperLowerBars = 0;
    std::string CadPrintMm;     // as typed, "," or "." for the decimal point
    std::string CadPrintUnits;
};

// The values in force, the print ratio rounded to three decimals.
ExportDialogValues ExportDialogValuesOf(const Session& session);

// The layer name a typed name stands for: its first blank becomes "_", a second one stays.
std::string DialogLayerName(const std::string& typed);

enum class ExportDialogField { LayerName, CadPrintMm, CadPrintUnits };

struct ExportDialogRefusal {
    ExportDialogField Field = ExportDialogField::LayerName;
    int32_t Row = -1;  // the layer row of a refused name
    std::string Message;
};

// The first layer name of the rows that no DXF file holds even once DxfLayerName has mended its
// characters (FitsDxfLayerName), the pillar tops' name made from the pillar row's included, refused
// with a message naming it; nullopt when every name fits. The export dialog and crp2dxf's settings
// file are checked by it.
std::optional<ExportDialogRefusal> RefusedLongLayerName(std::span<const std::string> names,
                                                       const LanguageFlags& languages);

// Takes the values over into `session`, with the DXF scale factors that follow from them; a layer
// name is stored as DialogLayerName gives it, without outer blanks. A layer name that is empty,
// holds a character no layer name can hold, names another layer too or is too long
// (RefusedLongLayerName), or a print-ratio field that is not a number above 0, is refused: then
// nothing at all is taken over and the refusal names the field.
std::optional<ExportDialogRefusal> TakeExportDialogValues(const ExportDialogValues& values, Session& session);

// The selected data files: bare names, in alphabetical order whatever the order they came in, each
// name once.
void AddSelectedDataFiles(std::vector<std::string>& selected, const std::vector<std::string>& names);

// The data files of a folder with the extension "crp" in any case, in alphabetical order.
std::vector<std::string> DataFilesIn(const std::string& folder);

// One press of generate once the values are taken over: with no file selected, the message that
// says so; otherwise the save dialog for the DXF file and, unless it is cancelled, the export of the
// selected files of `dataFolder`. The take-off path of an export that got a file name is kept in
// session.dxf for the dialog's take-off button.
DxfExportResult ExportSelectedDataFiles(Session& session, Platform& platform, const std::vector<std::string>& selected,
                                        const std::string& dataFolder);
