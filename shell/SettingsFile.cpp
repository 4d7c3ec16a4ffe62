#include "shell/SettingsFile.h"

#include <cmath>

#include "drawing/LayerDefaults.h"
#include "model/common/Helpers.h"
#include "model/files/DataFileReader.h"
#include "model/files/DataFileWriter.h"
#include "model/files/WholeFiles.h"
#include "shell/ProgramFolders.h"
#include "shell/ShellMessages.h"

namespace {

constexpr int32_t NamedRows = 24;  // rows 0 to 23; row 24 has lines of its own

// A name stays on its one line whatever it holds.
std::string OneLine(std::string text) {
    for (char& c : text)
        if (c == '\r' || c == '\n') c = ' ';
    return text;
}

// The first version whose files hold a line: line 92 at version 14, and one more line for each
// version after it.
constexpr int32_t VersionWithLine(int32_t line) { return line - 78; }

void DefaultsFirst(Session& s) {
    SetDefaultScreenColors(s.drawing);
    SetDefaultLayersAndOptions(s.drawing, s.shell.Options, s.design, s.dxf);
}

// The palette, row 24's screen colour and the canvas background that the background flag in
// force gives; the other screen colours stay as read.
void ApplyBackground(DrawingState& drawing, Canvas& canvas) {
    DrawingState defaults;
    defaults.WhiteBackground = drawing.WhiteBackground;
    SetDefaultScreenColors(defaults);
    drawing.Palette = defaults.Palette;
    drawing.LayerScreenColours[PillarTopLayer] = defaults.LayerScreenColours[PillarTopLayer];
    drawing.CanvasBackColour = defaults.CanvasBackColour;
    canvas.SetBackColour(drawing.CanvasBackColour);
}

// A print scale of 0 or below, or one that is no number, would make the factors meaningless;
// the defaults then stay.
void TakePrintScale(DxfOptions& dxf, float printMm, float printUnits) {
    if (!(printMm > 0) || !std::isfinite(printMm) || !std::isfinite(printUnits)) return;
    dxf.CadPrintMm = printMm;
    dxf.CadPrintUnits = printUnits;
    dxf.DxfUnitFactor = printUnits * 0.1f / printMm;
    dxf.DxfScaleFactor = dxf.DxfScaleIs50 != 0 ? 2 * dxf.DxfUnitFactor : dxf.DxfUnitFactor;
}

}  // namespace

std::string SettingsFilePath(const FolderSet& folders) { return PathInFolder(folders.SettingsFolder, SettingsFileName); }

std::string FormatSettingsText(const Session& s) {
    const DrawingState& d = s.drawing;
    const ShellOptions& o = s.shell.Options;
    const DxfOptions& x = s.dxf;
    const DesignOptions& g = s.design;
    DataFileWriter w;
    w.Int(SettingsVersion).EndLine();
    w.Line(SettingsHeader);
    for (int32_t row = 0; row < NamedRows; ++row) w.Line(OneLine(d.LayerNames[row]));
    for (int32_t row = 0; row < NamedRows; ++row) w.Int(d.LayerAci[row]).Int(d.LayerDxfOn[row]).EndLine();
    for (int32_t row = 0; row < NamedRows; ++row) w.Int(d.LayerScreenColours[row]).Int(d.LayerScreenOn[row]).EndLine();
    for (int32_t snap : d.DimOsnapOn) w.Int(snap).EndLine();
    w.Int(o.SpareOption1).Int(o.SpareOption2).Int(x.DxfScaleIs50).Int(d.Display.WallDisplayMode);
    w.Int(d.Display.FloorSlabDisplayMode).Int(d.Display.ConcreteSlabDisplayMode).Int(d.Display.PillarDisplayMode).EndLine();
    w.Int(o.DimensionUnitMetres).Int(o.SpareOption3).Int(o.OptimalTextSize).Int(o.SpareOption4);
    w.Int(g.LowerAssemblyBarDiameter).Int(x.DxfMarkUpperLowerBars).Int(o.SpareOption5).EndLine();
    w.Int(x.DxfSpanSymbol).EndLine();
    w.Int(o.LateralCover).EndLine();
    w.Int(0).Int(0).Int(0).Int(0).EndLine();
    // Row 24's name is read back as one list value: quoted when a comma or blanks at its ends
    // would cut it.
    w.Text(d.LayerNames[PillarTopLayer]).EndLine();
    w.Int(d.LayerAci[PillarTopLayer]).Int(d.LayerDxfOn[PillarTopLayer]).EndLine();
    w.Int(x.PillarAlignment).Int(g.GroupLowerBars).Int(d.WhiteBackground).Int(o.SpareOption6);
    w.Int(g.CurbEnabled).Int(g.CurbEnabled).Int(x.DxfTakeoffInDrawing).Int(x.TakeoffTextFile).EndLine();
    w.Raw(FormatNum(x.CadPrintMm, 1)).Raw(FormatNum(x.CadPrintUnits, 1)).EndLine();
    w.Int(s.shell.Languages.DrawingLanguage).EndLine();
    w.Int(x.BeamSectionLabels).EndLine();
    w.Int(x.DxfR12).EndLine();
    w.Int(o.JoistTypeLabels).EndLine();
    return w.TakeOutput();
}

SettingsRead ReadSettingsText(const std::string& text, Session& s) {
    DataFileReader r(text);
    int16_t version = 0;
    if (!r.ReadInt16(version) || version < OldestSettingsVersion || version > SettingsVersion)
        return SettingsRead::OtherVersion;

    DrawingState& d = s.drawing;
    ShellOptions& o = s.shell.Options;
    DxfOptions& x = s.dxf;
    DesignOptions& g = s.design;
    // Each read leaves its value as it was once the reader has failed, so the values read so far
    // stay and the rest keep what they had.
    auto num = [&r](int32_t& value) { r.ReadInt32(value); };
    // From here on, one source line per line of the file.

    std::string SettingsHeaderLine;
    r.ReadLine(SettingsHeaderLine);
    for (int32_t row = 0; row < NamedRows; ++row) r.ReadLine(d.LayerNames[row]);
    for (int32_t row = 0; row < NamedRows; ++row) {
        if (r.ReadInt32(d.LayerAci[row]) && d.LayerAci[row] == 0) d.LayerAci[row] = 7;
        num(d.LayerDxfOn[row]);
    }
    for (int32_t row = 0; row < NamedRows; ++row) {
        num(d.LayerScreenColours[row]);
        num(d.LayerScreenOn[row]);
    }
    for (int32_t& snap : d.DimOsnapOn) num(snap);
    num(o.SpareOption1); num(o.SpareOption2); num(x.DxfScaleIs50); num(d.Display.WallDisplayMode);
    num(d.Display.FloorSlabDisplayMode); num(d.Display.ConcreteSlabDisplayMode); num(d.Display.PillarDisplayMode);
    num(o.DimensionUnitMetres); num(o.SpareOption3); num(o.OptimalTextSize); num(o.SpareOption4);
    num(g.LowerAssemblyBarDiameter); num(x.DxfMarkUpperLowerBars); num(o.SpareOption5);
    num(x.DxfSpanSymbol);
    num(o.LateralCover);
    for (int i = 0; i < 4; ++i) {
        int16_t dropped = 0;
        r.ReadInt16(dropped);
    }
    r.ReadText(d.LayerNames[PillarTopLayer]);
    num(d.LayerAci[PillarTopLayer]); num(d.LayerDxfOn[PillarTopLayer]);
    num(x.PillarAlignment); num(g.GroupLowerBars); num(d.WhiteBackground); num(o.SpareOption6); num(g.CurbEnabled);
    int16_t curbAgain = 0;
    r.ReadInt16(curbAgain);
    num(x.DxfTakeoffInDrawing); num(x.TakeoffTextFile);

    if (version >= VersionWithLine(92)) {
        float printMm = 0, printUnits = 0;
        if (r.ReadSingle(printMm) && r.ReadSingle(printUnits)) TakePrintScale(x, printMm, printUnits);
    }
    if (version >= VersionWithLine(93)) num(s.shell.Languages.DrawingLanguage);
    if (version >= VersionWithLine(94)) num(x.BeamSectionLabels);
    if (version >= VersionWithLine(95)) num(x.DxfR12);
    if (version >= VersionWithLine(96)) num(o.JoistTypeLabels);
    return r.Failed() ? SettingsRead::Truncated : SettingsRead::Whole;
}

void LoadSettings(Session& s, Canvas& canvas) {
    DefaultsFirst(s);
    s.shell.SettingsFileNotReadWhole = false;
    const std::string path = SettingsFilePath(s.shell.Folders);
    std::string text;
    // A missing file, or one that cannot be read, leaves the defaults.
    if (FileExists(path)) {
        if (!ReadWholeFile(path, text)) {
            s.shell.SettingsFileNotReadWhole = true;
        } else {
            const SettingsRead read = ReadSettingsText(text, s);
            s.shell.SettingsFileNotReadWhole = read != SettingsRead::Whole;
            if (read == SettingsRead::OtherVersion) return;
        }
    }
    ApplyBackground(s.drawing, canvas);
}

bool SaveSettings(const Session& s, MessageBoxes& messages) {
    const std::string path = SettingsFilePath(s.shell.Folders);
    std::string reason;
    if (ReplaceWholeFile(path, FormatSettingsText(s), reason)) return true;
    messages.Show(GetWarningTitle(s.shell.Languages),
                  UiText(ShellMessages::SettingsNotSaved, s.shell.Languages, {path, reason}), MsgButtons::Ok,
                  MsgIcon::Exclamation);
    return false;
}
