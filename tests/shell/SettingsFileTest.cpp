#include "shell/SettingsFile.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "drawing/LayerDefaults.h"
#include "model/files/WholeFiles.h"
#include "platform/headless/HeadlessMessageBoxes.h"
#include "platform/headless/RecordingCanvas.h"
#include "tests/support/Golden.h"
#include "tests/support/DeckSession.h"

namespace {

std::string Golden() { return FileText(std::string(DRAVO_FIXTURES) + "/settings/Dravo_Imp.ini"); }

std::vector<std::string> LinesOf(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    return lines;
}

std::string TextOf(const std::vector<std::string>& lines, size_t count) {
    std::string text;
    for (size_t i = 0; i < count && i < lines.size(); ++i) text += lines[i] + "\r\n";
    return text;
}

class SettingsFileTest : public ::testing::Test {
protected:
    SettingsFileTest() : folder_("settings") {}

    // A session whose settings folder is this test's own.
    Session Fresh() {
        Session s;
        s.shell.Folders.SettingsFolder = folder_ / "";
        s.shell.Folders.SettingsFolder.pop_back();
        return s;
    }

    // Every value of the file away from its default; names with commas in them.
    Session Custom() {
        Session s = Fresh();
        LoadSettings(s, canvas_);
        DrawingState& d = s.drawing;
        for (int row = 0; row < 24; ++row) {
            d.LayerNames[row] = "STRATO " + std::to_string(row) + ", nuovo";
            d.LayerAci[row] = 20 + row;
            d.LayerDxfOn[row] = 0;
            d.LayerScreenColours[row] = 1000 + row;
            d.LayerScreenOn[row] = 0;
        }
        d.DimOsnapOn.fill(0);
        d.LayerNames[PillarTopLayer] = "PILASTRI, SUP";
        d.LayerAci[PillarTopLayer] = 44;
        d.LayerDxfOn[PillarTopLayer] = 0;
        d.Display = {2, 2, 2, 2};
        d.WhiteBackground = 1;
        ShellOptions& o = s.shell.Options;
        o.SpareOption1 = 11, o.SpareOption2 = 12, o.SpareOption3 = 13, o.SpareOption4 = 14, o.SpareOption5 = 15;
        o.SpareOption6 = 16, o.DimensionUnitMetres = 1, o.OptimalTextSize = 0, o.LateralCover = 4;
        o.JoistTypeLabels = 1;
        DxfOptions& x = s.dxf;
        x.DxfScaleIs50 = 0, x.DxfMarkUpperLowerBars = 1, x.DxfSpanSymbol = 0, x.PillarAlignment = 1;
        x.DxfTakeoffInDrawing = 1, x.TakeoffTextFile = 1, x.CadPrintMm = 2.0f, x.CadPrintUnits = 5.0f;
        x.BeamSectionLabels = 1, x.DxfR12 = 1;
        s.design.LowerAssemblyBarDiameter = 8, s.design.GroupLowerBars = 1, s.design.CurbEnabled = 1;
        s.shell.Languages.DrawingLanguage = 1;
        return s;
    }

    void WriteSettings(const std::string& text) { ASSERT_TRUE(WriteWholeFile(folder_ / SettingsFileName, text)); }

    ScratchFolder folder_;
    RecordingCanvas canvas_;
    HeadlessMessageBoxes messages_;
};

TEST_F(SettingsFileTest, DefaultsAreWrittenAsTheGoldenFile) {
    Session s = Fresh();
    s.shell.SettingsFileNotReadWhole = true;
    LoadSettings(s, canvas_);  // no file yet: the defaults alone
    EXPECT_FALSE(s.shell.SettingsFileNotReadWhole);  // nothing there to lose
    ASSERT_TRUE(SaveSettings(s, messages_));
    EXPECT_TRUE(MatchesGolden(FileText(folder_ / SettingsFileName), "settings/Dravo_Imp.ini"));
    EXPECT_TRUE(messages_.Shown().empty());
}

TEST_F(SettingsFileTest, WrittenValuesComeBack) {
    const Session written = Custom();
    ASSERT_TRUE(SaveSettings(written, messages_));

    Session s = Fresh();
    s.design.MaxUpperBarLength = 800;
    s.shell.Options.OsnapEnabled = 1;
    LoadSettings(s, canvas_);
    EXPECT_EQ(FormatSettingsText(s), FormatSettingsText(written));
    EXPECT_EQ(s.drawing.LayerNames[5], "STRATO 5, nuovo");
    EXPECT_EQ(s.drawing.LayerNames[PillarTopLayer], "PILASTRI, SUP");
    // Options the file does not hold return to their defaults.
    EXPECT_EQ(s.design.MaxUpperBarLength, 1200);
    EXPECT_EQ(s.shell.Options.OsnapEnabled, 0);
    // The print scale gives the DXF factors, not doubled at 1:100.
    EXPECT_FLOAT_EQ(s.dxf.DxfUnitFactor, 0.25f);
    EXPECT_FLOAT_EQ(s.dxf.DxfScaleFactor, 0.25f);
    // The white background of the file chooses the palette, row 24's screen colour and the canvas.
    EXPECT_EQ(s.drawing.Palette.PaletteMagenta, StandardColour(5));
    EXPECT_EQ(s.drawing.LayerScreenColours[PillarTopLayer], StandardColour(5));
    EXPECT_EQ(s.drawing.CanvasBackColour, StandardColour(15));
    EXPECT_EQ(canvas_.BackColour(), StandardColour(15));

    // A second read gives the same state.
    Session again = Fresh();
    LoadSettings(again, canvas_);
    EXPECT_EQ(FormatSettingsText(again), FormatSettingsText(s));
    EXPECT_EQ(again.drawing.Palette.PaletteGrey, s.drawing.Palette.PaletteGrey);
}

TEST_F(SettingsFileTest, PrintScaleComesBackWithOneDecimal) {
    Session written = Custom();
    written.dxf.CadPrintMm = 2.25f;
    written.dxf.CadPrintUnits = 7.04f;
    ASSERT_TRUE(SaveSettings(written, messages_));
    EXPECT_EQ(LinesOf(FileText(folder_ / SettingsFileName))[91], "2.3           7.0");
    Session s = Fresh();
    LoadSettings(s, canvas_);
    EXPECT_FLOAT_EQ(s.dxf.CadPrintMm, 2.3f);
    EXPECT_FLOAT_EQ(s.dxf.CadPrintUnits, 7.0f);
}

TEST_F(SettingsFileTest, ColourNumberZeroOfTheRowsBecomesSevenButNotOfRowTwentyFour) {
    Session written = Custom();
    written.drawing.LayerAci[3] = 0;
    written.drawing.LayerAci[PillarTopLayer] = 0;
    ASSERT_TRUE(SaveSettings(written, messages_));
    Session s = Fresh();
    LoadSettings(s, canvas_);
    EXPECT_EQ(s.drawing.LayerAci[3], 7);
    EXPECT_EQ(s.drawing.LayerAci[PillarTopLayer], 0);
}

TEST_F(SettingsFileTest, EachVersionFromTwelveToEighteenReadsItsOwnLines) {
    const std::vector<std::string> lines = LinesOf(FormatSettingsText(Custom()));
    for (int version = 12; version <= 18; ++version) {
        std::vector<std::string> file = lines;
        file[0] = " " + std::to_string(version) + " ";
        const size_t count = version <= 13 ? 91 : 78 + version;
        WriteSettings(TextOf(file, count));

        Session s = Fresh();  // the process holds the options that the defaults leave alone at 0
        LoadSettings(s, canvas_);
        SCOPED_TRACE(version);
        EXPECT_EQ(s.shell.Options.LateralCover, 4);
        EXPECT_EQ(s.drawing.WhiteBackground, 1);
        EXPECT_FLOAT_EQ(s.dxf.CadPrintMm, version >= 14 ? 2.0f : 1.0f);
        EXPECT_FLOAT_EQ(s.dxf.CadPrintUnits, version >= 14 ? 5.0f : 10.0f);
        EXPECT_FLOAT_EQ(s.dxf.DxfUnitFactor, version >= 14 ? 0.25f : 1.0f);
        EXPECT_FLOAT_EQ(s.dxf.DxfScaleFactor, version >= 14 ? 0.25f : 2.0f);
        EXPECT_EQ(s.shell.Languages.DrawingLanguage, version >= 15 ? 1 : 0);
        EXPECT_EQ(s.dxf.BeamSectionLabels, version >= 16 ? 1 : 0);
        EXPECT_EQ(s.dxf.DxfR12, version >= 17 ? 1 : 0);
        EXPECT_EQ(s.shell.Options.JoistTypeLabels, version >= 18 ? 1 : 0);
        EXPECT_FALSE(s.shell.SettingsFileNotReadWhole);
        EXPECT_EQ(ReadSettingsText(TextOf(file, count), s), SettingsRead::Whole);
    }
}

TEST_F(SettingsFileTest, AnotherVersionIsIgnored) {
    const std::vector<std::string> lines = LinesOf(FormatSettingsText(Custom()));
    for (const std::string first : {" 11 ", " 19 ", "-18 ", "abc", ""}) {
        std::vector<std::string> file = lines;
        file[0] = first;
        WriteSettings(TextOf(file, file.size()));

        Session s = Fresh();
        s.drawing.WhiteBackground = 1;  // kept: the defaults read it but never set it
        s.shell.Languages.DrawingLanguage = 0;
        LoadSettings(s, canvas_);
        SCOPED_TRACE(first);
        EXPECT_EQ(s.drawing.LayerNames[0], "ASSI");
        EXPECT_EQ(s.shell.Options.LateralCover, 2);
        EXPECT_EQ(s.drawing.WhiteBackground, 1);
        EXPECT_EQ(s.shell.Languages.DrawingLanguage, 0);
        EXPECT_EQ(s.drawing.CanvasBackColour, StandardColour(15));
        EXPECT_TRUE(s.shell.SettingsFileNotReadWhole);
        EXPECT_EQ(ReadSettingsText(TextOf(file, file.size()), s), SettingsRead::OtherVersion);
    }
}

// A file that ends after any of its lines keeps what it held up to there; everything after has
// its default.
TEST_F(SettingsFileTest, TruncatedFileKeepsTheValuesReadSoFar) {
    const std::vector<std::string> custom = LinesOf(FormatSettingsText(Custom()));
    const std::vector<std::string> defaults = LinesOf(Golden());
    ASSERT_EQ(custom.size(), 96u);
    for (size_t kept = 1; kept < custom.size(); ++kept) {
        WriteSettings(TextOf(custom, kept));
        Session s = Fresh();
        LoadSettings(s, canvas_);
        const std::vector<std::string> read = LinesOf(FormatSettingsText(s));
        for (size_t line = 1; line < read.size(); ++line)
            EXPECT_EQ(read[line], line < kept ? custom[line] : defaults[line])
                << "file cut after line " << kept << ", line " << line + 1;
        EXPECT_TRUE(s.shell.SettingsFileNotReadWhole) << kept;
        EXPECT_EQ(ReadSettingsText(TextOf(custom, kept), s), SettingsRead::Truncated) << kept;
    }
}

TEST_F(SettingsFileTest, TextWhereANumberBelongsStopsTheRead) {
    std::vector<std::string> file = LinesOf(FormatSettingsText(Custom()));
    file[83] = " 11           12           abc";  // line 84: the third value is no number
    WriteSettings(TextOf(file, file.size()));
    Session s = Fresh();
    LoadSettings(s, canvas_);
    EXPECT_EQ(s.drawing.DimOsnapOn[8], 0);  // line 83, read
    EXPECT_EQ(s.shell.Options.SpareOption2, 12);
    EXPECT_EQ(s.dxf.DxfScaleIs50, 1);  // from here on the defaults
    EXPECT_EQ(s.shell.Options.LateralCover, 2);
    EXPECT_EQ(s.shell.Languages.DrawingLanguage, 0);
}

TEST_F(SettingsFileTest, PrintScaleOfZeroKeepsTheDefaults) {
    std::vector<std::string> file = LinesOf(FormatSettingsText(Custom()));
    file[91] = "0.0           10.0";
    WriteSettings(TextOf(file, file.size()));
    Session s = Fresh();
    LoadSettings(s, canvas_);
    EXPECT_FLOAT_EQ(s.dxf.CadPrintMm, 1.0f);
    EXPECT_FLOAT_EQ(s.dxf.DxfUnitFactor, 1.0f);
    EXPECT_FLOAT_EQ(s.dxf.DxfScaleFactor, 2.0f);
    EXPECT_EQ(s.shell.Languages.DrawingLanguage, 1);  // the lines after it are read
}

TEST_F(SettingsFileTest, AFileThatCannotBeWrittenIsReported) {
    Session s = Fresh();
    s.shell.Folders.SettingsFolder = folder_ / "no such folder";
    EXPECT_FALSE(SaveSettings(s, messages_));
    ASSERT_EQ(messages_.Shown().size(), 1u);
    EXPECT_EQ(messages_.Shown()[0].Title, "Attenzione!");
    EXPECT_NE(messages_.Shown()[0].Text.find(folder_ / "no such folder/Dravo_Imp.ini"), std::string::npos)
        << messages_.Shown()[0].Text;
}

}  // namespace
