#include "dxf/export/ExportDialogValues.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "dxf/writers/DxfLayerNames.h"
#include "model/common/FilePaths.h"
#include "model/common/Helpers.h"
#include "platform/TextEncoding.h"
#include "state/LayerRows.h"

namespace {

namespace fs = std::filesystem;

constexpr Bilingual LayerNameEmpty{"Il nome del layer della riga %1 è vuoto.",
                                   "The name of the layer in row %1 is empty."};
constexpr Bilingual LayerNameCharacters{
    "Il nome del layer \"%1\" (riga %2) contiene caratteri non ammessi nei nomi dei layer:\n< > / \\ \" : ; ? * | , = `",
    "The layer name \"%1\" (row %2) holds characters a layer name cannot hold:\n< > / \\ \" : ; ? * | , = `"};
constexpr Bilingual LayerNameTooLong{"Il nome del layer \"%1\" (riga %2) è più lungo di 255 caratteri.",
                                     "The layer name \"%1\" (row %2) is longer than 255 characters."};
constexpr Bilingual LayerNameTaken{"Il nome del layer \"%1\" (riga %2) è già usato da un altro layer.",
                                   "The layer name \"%1\" (row %2) is already used by another layer."};
constexpr Bilingual PrintMmRefused{"Scala di stampa: \"%1\" mm non è un numero maggiore di zero.",
                                   "Print scale: \"%1\" mm is not a number greater than zero."};
constexpr Bilingual PrintUnitsRefused{"Scala di stampa: \"%1\" unità non è un numero maggiore di zero.",
                                      "Print scale: \"%1\" units is not a number greater than zero."};
constexpr const char* DxfSaveFilter = "File Disegno (*.DXF)|*.DXF";
// Every DXF file holds these two layers besides the table's rows.
constexpr std::array<std::string_view, 2> FixedLayers{"0", "Defpoints"};

int32_t Flag(int32_t value) { return value != 0 ? 1 : 0; }

// Alphabetical as a person reads a list of names: case aside, then as spelled.
bool ListOrder(const std::string& a, const std::string& b) {
    const std::string lowerA = AsciiLowerCase(a), lowerB = AsciiLowerCase(b);
    return lowerA != lowerB ? lowerA < lowerB : a < b;
}

// The names a row gives layers of a DXF file: its own, and for the pillar row the pillar tops' one.
std::vector<std::string> NamesOfRow(int32_t row, const std::string& name) {
    if (row == LayerRow::PillarOutlines) return {name, name + "_SUP"};
    return {name};
}

std::optional<ExportDialogRefusal> RefusedLayerName(const std::array<std::string, DialogLayerRows>& names,
                                                   const LanguageFlags& languages) {
    std::vector<std::string> taken(FixedLayers.begin(), FixedLayers.end());
    for (int32_t row = 0; row < DialogLayerRows; ++row) {
        const std::string rowNumber = std::to_string(row + 1);
        const std::string& name = names[row];
        if (name.empty()) return ExportDialogRefusal{ExportDialogField::LayerName, row,
                                                     UiText(LayerNameEmpty, languages, {rowNumber})};
        if (!IsDxfLayerName(name))
            return ExportDialogRefusal{ExportDialogField::LayerName, row,
                                       UiText(LayerNameCharacters, languages, {AnsiToUtf8(name), rowNumber})};
        // The pillar tops' layer is named after the pillars' row and needs its name free as well.
        for (const std::string& candidate : NamesOfRow(row, name)) {
            const bool clash = std::any_of(taken.begin(), taken.end(),
                                           [&](const std::string& t) { return SameDxfLayerName(t, candidate); });
            if (clash)
                return ExportDialogRefusal{ExportDialogField::LayerName, row,
                                           UiText(LayerNameTaken, languages, {AnsiToUtf8(candidate), rowNumber})};
            taken.push_back(candidate);
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<ExportDialogRefusal> RefusedLongLayerName(std::span<const std::string> names,
                                                       const LanguageFlags& languages) {
    for (int32_t row = 0; row < static_cast<int32_t>(names.size()); ++row) {
        const std::string rowNumber = std::to_string(row + 1);
        for (const std::string& name : NamesOfRow(row, names[static_cast<size_t>(row)]))
            if (!FitsDxfLayerName(name))
                return ExportDialogRefusal{ExportDialogField::LayerName, row,
                                           UiText(LayerNameTooLong, languages, {AnsiToUtf8(name), rowNumber})};
    }
    return std::nullopt;
}

ExportDialogValues ExportDialogValuesOf(const Session& session) {
    const DrawingState& drawing = session.drawing;
    const DxfOptions& dxf = session.dxf;
    ExportDialogValues values;
    for (int32_t row = 0; row < DialogLayerRows; ++row) {
        values.LayerNames[row] = drawing.LayerNames[row];
        values.LayerAci[row] = drawing.LayerAci[row];
        values.LayerDxfOn[row] = drawing.LayerDxfOn[row];
    }
    values.DxfScaleIs50 = dxf.DxfScaleIs50;
    values.DxfR12 = dxf.DxfR12;
    values.JoistTypeLabels = session.shell.Options.JoistTypeLabels;
    values.BeamSectionLabels = dxf.BeamSectionLabels;
    values.TakeoffTextFile = dxf.TakeoffTextFile;
    values.DxfTakeoffInDrawing = dxf.DxfTakeoffInDrawing;
    values.PillarAlignment = dxf.PillarAlignment;
    values.DxfSpanSymbol = dxf.DxfSpanSymbol;
    values.DxfMarkUpperLowerBars = dxf.DxfMarkUpperLowerBars;
    values.CadPrintMm = FormatRounded(dxf.CadPrintMm, 3);
    values.CadPrintUnits = FormatRounded(dxf.CadPrintUnits, 3);
    return values;
}

std::string DialogLayerName(const std::string& typed) {
    std::string name = typed;
    if (const size_t blank = name.find(' '); blank != std::string::npos) name[blank] = '_';
    return name;
}

std::optional<ExportDialogRefusal> TakeExportDialogValues(const ExportDialogValues& values, Session& session) {
    const LanguageFlags& languages = session.shell.Languages;
    std::array<std::string, DialogLayerRows> names;
    // Stored as a DXF file names them, so the pillar tops' name built from row 2 is the one checked.
    for (int32_t row = 0; row < DialogLayerRows; ++row) names[row] = std::string(TrimBlanks(DialogLayerName(values.LayerNames[row])));
    if (auto refusal = RefusedLayerName(names, languages)) return refusal;
    if (auto refusal = RefusedLongLayerName(names, languages)) return refusal;
    const float printMm = TextToSingle(values.CadPrintMm);
    if (!(printMm > 0))
        return ExportDialogRefusal{ExportDialogField::CadPrintMm, -1,
                                   UiText(PrintMmRefused, languages, {values.CadPrintMm})};
    const float printUnits = TextToSingle(values.CadPrintUnits);
    if (!(printUnits > 0))
        return ExportDialogRefusal{ExportDialogField::CadPrintUnits, -1,
                                   UiText(PrintUnitsRefused, languages, {values.CadPrintUnits})};

    DrawingState& drawing = session.drawing;
    for (int32_t row = 0; row < DialogLayerRows; ++row) {
        drawing.LayerNames[row] = names[row];
        drawing.LayerAci[row] = values.LayerAci[row];
        drawing.LayerDxfOn[row] = Flag(values.LayerDxfOn[row]);
    }
    DxfOptions& dxf = session.dxf;
    dxf.DxfScaleIs50 = Flag(values.DxfScaleIs50);
    dxf.DxfMarkUpperLowerBars = Flag(values.DxfMarkUpperLowerBars);
    dxf.DxfSpanSymbol = Flag(values.DxfSpanSymbol);
    dxf.PillarAlignment = Flag(values.PillarAlignment);
    dxf.DxfTakeoffInDrawing = Flag(values.DxfTakeoffInDrawing);
    dxf.TakeoffTextFile = Flag(values.TakeoffTextFile);
    dxf.BeamSectionLabels = Flag(values.BeamSectionLabels);
    session.shell.Options.JoistTypeLabels = Flag(values.JoistTypeLabels);
    dxf.CadPrintMm = printMm;
    dxf.CadPrintUnits = printUnits;
    SetDxfScaleFactors(dxf);
    dxf.DxfR12 = Flag(values.DxfR12);
    return std::nullopt;
}

void AddSelectedDataFiles(std::vector<std::string>& selected, const std::vector<std::string>& names) {
    for (const std::string& name : names)
        if (std::find(selected.begin(), selected.end(), name) == selected.end()) selected.push_back(name);
    std::sort(selected.begin(), selected.end(), ListOrder);
}

std::vector<std::string> DataFilesIn(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        std::error_code kind;
        if (!it->is_regular_file(kind)) continue;
        if (AsciiLowerCase(it->path().extension().string()) == ".crp") names.push_back(it->path().filename().string());
    }
    std::sort(names.begin(), names.end(), ListOrder);
    return names;
}

DxfExportResult ExportSelectedDataFiles(Session& session, Platform& platform, const std::vector<std::string>& selected,
                                        const std::string& dataFolder) {
    if (selected.empty()) return NewSalvaDXF(session, platform, {}, {}, session.dxf);
    FileDialogRequest request;
    request.Folder = dataFolder;
    request.Filter = DxfSaveFilter;
    request.DefaultExtension = "DXF";
    std::string dxfPath = platform.dialogs.SaveFile(request);
    if (dxfPath == "*.DXF") dxfPath.clear();
    // The names are looked up in the folder shown now, spelled as listed: file names have a case.
    std::vector<std::string> dataFiles;
    for (const std::string& name : selected) dataFiles.push_back(PathInFolder(dataFolder, name));
    DxfExportResult result = NewSalvaDXF(session, platform, dataFiles, dxfPath, session.dxf);
    if (!result.TakeoffTextPath.empty()) session.dxf.TakeoffTextPath = result.TakeoffTextPath;
    return result;
}
