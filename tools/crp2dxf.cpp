// crp2dxf [options] OUT.DXF DECK.CRP [DECK.CRP ...]
//   exports the decks, side by side in the order given, into one DXF file, as the export dialog
//   does: each deck loaded and completed as every load is, drawn with the layer table and the
//   options below, the file written whole or not at all
//   --r12                    the R12 dialect (default DXF 2000)
//   --scale 50|100           the drawing scale (default 50)
//   --print MM:UNITS         the CAD print ratio: MM millimetres are UNITS drawing units (default 1:10)
//   (the defaults are the program's own, or the settings file's when one is given)
//   --settings FILE          the layer table and the options of a settings file, read over the
//                            defaults before the switches below
//   --takeoff-file 0|1       also write the take-off list, OUT with the extension TXT
//   --takeoff-in-drawing 0|1, --span-symbol 0|1, --mark-bars 0|1, --pillar-alignment 0|1,
//   --beam-section-labels 0|1, --joist-type-labels 0|1
//                            the export switches of the dialog
// Every message is written to standard error. Exit status 0 when the file was written (decks that
// did not load are left out, after their message), 1 when the export failed or no deck loaded (no
// file is then written or changed, short of a list whose rename was refused after the drawing's:
// then it says which file was replaced and which was not), 2 for a wrong command line. The DXF file and its take-off list
// are replaced together, once both are whole. Texts for people (the deck titles, the take-off
// list) follow the user's numeric locale, as in the window; the DXF numbers never do.
#include <algorithm>
#include <charconv>
#include <clocale>
#include <cstdint>
#include <iostream>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "drawing/LayerDefaults.h"
#include "dxf/export/DxfExport.h"
#include "dxf/export/ExportDialogValues.h"
#include "model/files/WholeFiles.h"
#include "shell/HeadlessDeck.h"
#include "shell/SettingsFile.h"

namespace {

constexpr const char* UsageText =
    "usage: crp2dxf [options] OUT.DXF DECK.CRP [DECK.CRP ...]\n"
    "  --r12                    the R12 dialect (default DXF 2000)\n"
    "  --scale 50|100           the drawing scale (default 50)\n"
    "  --print MM:UNITS         CAD print ratio: MM millimetres are UNITS drawing units (default 1:10)\n"
    "  --settings FILE          layer table and options of a settings file, before the switches\n"
    "  --takeoff-file 0|1       also write the take-off list beside OUT, with the extension TXT\n"
    "  --takeoff-in-drawing 0|1 --span-symbol 0|1 --mark-bars 0|1 --pillar-alignment 0|1\n"
    "  --beam-section-labels 0|1 --joist-type-labels 0|1\n"
    "                           the export switches\n";

int Usage() {
    std::cerr << UsageText;
    return 2;
}

// What the command line leaves out stays as the defaults or the settings file have it.
struct CommandLine {
    std::optional<int32_t> r12, scaleIs50;
    std::optional<std::pair<float, float>> print;  // millimetres, units
    std::string settings;
    std::map<std::string, int32_t> switches;
    std::vector<std::string> files;  // OUT.DXF, then the decks
};

// The ratio is written with "." whatever the user's locale, as the usage shows it.
bool ParsePrint(const std::string& text, std::optional<std::pair<float, float>>& print) {
    float mm = 0, units = 0;
    const char* end = text.data() + text.size();
    const auto [colon, mmError] = std::from_chars(text.data(), end, mm);
    if (mmError != std::errc() || colon == end || *colon != ':') return false;
    const auto [rest, unitsError] = std::from_chars(colon + 1, end, units);
    if (unitsError != std::errc() || rest != end) return false;
    if (!(mm > 0) || !(units > 0) || mm > 1e6f || units > 1e6f) return false;
    print = {mm, units};
    return true;
}

bool IsSwitch(const std::string& name) {
    static constexpr const char* Names[] = {"--takeoff-file",     "--takeoff-in-drawing", "--span-symbol",
                                            "--mark-bars",        "--pillar-alignment",   "--beam-section-labels",
                                            "--joist-type-labels"};
    for (const char* n : Names)
        if (name == n) return true;
    return false;
}

bool Parse(int argc, char** argv, CommandLine& line) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--r12") {
            line.r12 = 1;
        } else if (arg == "--scale" && hasValue) {
            const std::string value = argv[++i];
            if (value != "50" && value != "100") return false;
            line.scaleIs50 = value == "50" ? 1 : 0;
        } else if (arg == "--print" && hasValue) {
            if (!ParsePrint(argv[++i], line.print)) return false;
        } else if (arg == "--settings" && hasValue) {
            line.settings = argv[++i];
        } else if (IsSwitch(arg) && hasValue) {
            const std::string value = argv[++i];
            if (value != "0" && value != "1") return false;
            line.switches[arg] = value == "1" ? 1 : 0;
        } else if (!arg.empty() && arg[0] == '-') {
            return false;
        } else {
            line.files.push_back(arg);
        }
    }
    return line.files.size() >= 2;
}

// The options in force: the defaults, the settings file, then the command line.
bool TakeOptions(const CommandLine& line, HeadlessDeck& deck, DxfOptions& options) {
    SetDefaultLayersAndOptions(deck.drawing, deck.shell.Options, deck.design, deck.dxf);
    if (!line.settings.empty()) {
        std::string text;
        if (!ReadWholeFile(line.settings, text) || ReadSettingsText(text, deck) == SettingsRead::OtherVersion) {
            std::cerr << "crp2dxf: " << line.settings << " is not a settings file this program reads\n";
            return false;
        }
        // Characters a layer name cannot hold are mended in the file; a name too long is not.
        const auto ownRows = std::span<const std::string>(deck.drawing.LayerNames).first(DialogLayerRows);
        if (const auto refusal = RefusedLongLayerName(ownRows, deck.shell.Languages)) {
            std::cerr << "crp2dxf: " << line.settings << ": " << refusal->Message << "\n";
            return false;
        }
    }
    options = deck.dxf;
    options.DxfR12 = line.r12.value_or(options.DxfR12);
    options.DxfScaleIs50 = line.scaleIs50.value_or(options.DxfScaleIs50);
    if (line.print) std::tie(options.CadPrintMm, options.CadPrintUnits) = *line.print;
    SetDxfScaleFactors(options);
    const auto set = [&](const char* name, int32_t& value) {
        if (const auto it = line.switches.find(name); it != line.switches.end()) value = it->second;
    };
    set("--takeoff-file", options.TakeoffTextFile);
    set("--takeoff-in-drawing", options.DxfTakeoffInDrawing);
    set("--span-symbol", options.DxfSpanSymbol);
    set("--mark-bars", options.DxfMarkUpperLowerBars);
    set("--pillar-alignment", options.PillarAlignment);
    set("--beam-section-labels", options.BeamSectionLabels);
    set("--joist-type-labels", deck.shell.Options.JoistTypeLabels);
    return true;
}

// Which files of a failed export were not written, and which were replaced all the same.
std::string FilesNotWritten(const std::string& dxfPath, const DxfOptions& options, const DxfExportResult& result) {
    std::vector<std::string> files = {dxfPath};
    if (options.TakeoffTextFile != 0) files.push_back(result.TakeoffTextPath);
    std::string replaced, notWritten;
    for (const std::string& file : files) {
        std::string& names = std::ranges::count(result.ReplacedFiles, file) != 0 ? replaced : notWritten;
        names += (names.empty() ? "" : " and ") + file;
    }
    return (replaced.empty() ? "" : replaced + " replaced, ") + notWritten + " not written";
}

}  // namespace

int main(int argc, char** argv) {
    // The user's locale from the environment, as the window takes it when it starts.
    std::setlocale(LC_ALL, "");
    for (int i = 1; i < argc; ++i)
        if (std::string(argv[i]) == "--help") {
            std::cout << UsageText;
            return 0;
        }
    CommandLine line;
    if (!Parse(argc, argv, line)) return Usage();
    HeadlessDeck deck(true);
    DxfOptions options;
    if (!TakeOptions(line, deck, options)) return 1;
    const std::vector<std::string> decks(line.files.begin() + 1, line.files.end());
    const DxfExportResult result =
        NewSalvaDXF(deck, deck.platform, decks, line.files.front(), options, WhenNoDeckLoads::WriteNothing);
    for (const std::string& skipped : result.SkippedDataFiles) std::cerr << "crp2dxf: left out " << skipped << "\n";
    if (result.Outcome != DxfExportOutcome::Written) {
        if (result.Outcome == DxfExportOutcome::NoDeckLoaded) std::cerr << "crp2dxf: no deck loaded\n";
        std::cerr << "crp2dxf: " << FilesNotWritten(line.files.front(), options, result) << "\n";
        return 1;
    }
    std::cout << line.files.front() << ": " << result.DecksDrawn << " deck(s)";
    if (options.TakeoffTextFile != 0) std::cout << ", take-off list " << result.TakeoffTextPath;
    std::cout << "\n";
    return 0;
}
