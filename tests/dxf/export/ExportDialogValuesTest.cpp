// The export dialog's steps without its window: the values taken over or refused as a whole, the
// list of selected files, and one press of generate with the save dialog answered by a script.
#include "dxf/export/ExportDialogValues.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "drawing/LayerDefaults.h"
#include "dxf/export/DxfExportMessages.h"
#include "model/files/WholeFiles.h"
#include "platform/TextEncoding.h"
#include "tests/support/DeckSession.h"

namespace fs = std::filesystem;

namespace {

struct DialogSession : DeckSession {
    DialogSession() { SetDefaultLayersAndOptions(drawing, shell.Options, design, dxf); }
};

TEST(ExportDialogValues, TheFirstBlankOfANameBecomesAnUnderscore) {
    EXPECT_EQ(DialogLayerName("TRAVI ESTRADOSSO"), "TRAVI_ESTRADOSSO");
    EXPECT_EQ(DialogLayerName("A B C"), "A_B C");
    EXPECT_EQ(DialogLayerName("QUOTE"), "QUOTE");
}

TEST(ExportDialogValues, TakenOverWithTheScaleFactorsOfThePrintRatio) {
    DialogSession s;
    ExportDialogValues v = ExportDialogValuesOf(s);
    EXPECT_EQ(v.CadPrintMm, "1");
    EXPECT_EQ(v.CadPrintUnits, "10");
    v.LayerNames[9] = "MY DIMS  X";
    v.LayerNames[5] = "  SOLETTE  ";
    v.LayerAci[9] = 171;
    v.LayerDxfOn[9] = 0;
    v.CadPrintUnits = "5";
    v.DxfScaleIs50 = 1;
    v.DxfR12 = 1;
    v.JoistTypeLabels = 1;
    v.TakeoffTextFile = 1;
    ASSERT_EQ(TakeExportDialogValues(v, s), std::nullopt);
    EXPECT_EQ(s.drawing.LayerNames[9], "MY_DIMS  X");
    EXPECT_EQ(s.drawing.LayerNames[5], "_ SOLETTE");  // outer blanks go, as in the file
    EXPECT_EQ(s.drawing.LayerAci[9], 171);
    EXPECT_EQ(s.drawing.LayerDxfOn[9], 0);
    EXPECT_FLOAT_EQ(s.dxf.DxfUnitFactor, 0.5f);
    EXPECT_FLOAT_EQ(s.dxf.DxfScaleFactor, 1.0f);  // one model metre is 100 drawing units
    EXPECT_EQ(s.dxf.DxfR12, 1);
    EXPECT_EQ(s.shell.Options.JoistTypeLabels, 1);
    EXPECT_EQ(s.dxf.TakeoffTextFile, 1);

    v.CadPrintMm = "2,5";
    v.DxfScaleIs50 = 0;
    ASSERT_EQ(TakeExportDialogValues(v, s), std::nullopt);
    EXPECT_FLOAT_EQ(s.dxf.CadPrintMm, 2.5f);
    EXPECT_FLOAT_EQ(s.dxf.DxfScaleFactor, 0.2f);
    EXPECT_EQ(ExportDialogValuesOf(s).CadPrintMm, "2.5");
}

TEST(ExportDialogValues, AValueThatWouldMakeABadFileIsRefusedAndNothingIsTaken) {
    struct Case {
        const char* what;
        int row;  // -1: the print ratio
        std::string name;
        ExportDialogField field;
        std::string message;
    } cases[] = {
        {"empty", 4, "", ExportDialogField::LayerName, "Il nome del layer della riga 5 è vuoto."},
        {"slash", 3, "PIL/ACC", ExportDialogField::LayerName,
         "Il nome del layer \"PIL/ACC\" (riga 4) contiene caratteri non ammessi"},
        {"semicolon", 10, "FERRI;2", ExportDialogField::LayerName,
         "Il nome del layer \"FERRI;2\" (riga 11) contiene"},
        {"another row's name, other case", 11, "assi", ExportDialogField::LayerName,
         "Il nome del layer \"assi\" (riga 12) è già usato da un altro layer."},
        {"the name every file has", 6, "0", ExportDialogField::LayerName, "\"0\" (riga 7) è già usato"},
        {"the other fixed layer", 6, "DEFPOINTS", ExportDialogField::LayerName, "\"DEFPOINTS\" (riga 7) è già usato"},
        {"the pillar tops' layer", 20, "", ExportDialogField::LayerName, "_SUP\" (riga 21) è già usato"},
        {"a byte code page 1252 leaves undefined", 5, "SOLETTE\x81", ExportDialogField::LayerName,
         "(riga 6) contiene caratteri non ammessi"},
        {"256 characters", 8, std::string(256, 'T'), ExportDialogField::LayerName,
         "\"" + std::string(256, 'T') + "\" (riga 9) è più lungo di 255 caratteri."},
        {"the pillar tops' name over 255 characters", 2, std::string(252, 'P'), ExportDialogField::LayerName,
         "\"" + std::string(252, 'P') + "_SUP\" (riga 3) è più lungo di 255 caratteri."},
        {"millimetres zero", -1, "0", ExportDialogField::CadPrintMm,
         "Scala di stampa: \"0\" mm non è un numero maggiore di zero."},
        {"millimetres a letter", -1, "x", ExportDialogField::CadPrintMm, "\"x\" mm"},
        {"units negative", -2, "-10", ExportDialogField::CadPrintUnits, "\"-10\" unità"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        DialogSession s;
        s.drawing.LayerNames[0] = "ASSI";
        const DrawingState drawingBefore = s.drawing;
        const DxfOptions dxfBefore = s.dxf;
        ExportDialogValues v = ExportDialogValuesOf(s);
        v.DxfR12 = 1;
        v.LayerAci[1] = 200;  // changes the refusal must not take over
        if (c.row == -1) v.CadPrintMm = c.name;
        else if (c.row == -2) v.CadPrintUnits = c.name;
        else if (std::string(c.what) == "the pillar tops' layer") v.LayerNames[20] = v.LayerNames[0 + 2] + "_SUP";
        else v.LayerNames[c.row] = c.name;
        const auto refusal = TakeExportDialogValues(v, s);
        ASSERT_TRUE(refusal.has_value());
        EXPECT_EQ(refusal->Field, c.field);
        if (c.row >= 0) {
            EXPECT_EQ(refusal->Row, c.row);
        }
        EXPECT_NE(refusal->Message.find(c.message), std::string::npos) << refusal->Message;
        EXPECT_EQ(s.drawing.LayerNames, drawingBefore.LayerNames);
        EXPECT_EQ(s.drawing.LayerAci, drawingBefore.LayerAci);
        EXPECT_EQ(s.dxf.DxfR12, dxfBefore.DxfR12);
        EXPECT_FLOAT_EQ(s.dxf.CadPrintMm, dxfBefore.CadPrintMm);
    }
    DialogSession s;
    s.shell.Languages.UiLanguage = 1;
    ExportDialogValues v = ExportDialogValuesOf(s);
    v.LayerNames[0] = "";
    EXPECT_EQ(TakeExportDialogValues(v, s)->Message, "The name of the layer in row 1 is empty.");
}

TEST(ExportDialogValues, LayerNamesOfUpTo255CharactersAreTakenOver) {
    DialogSession s;
    ExportDialogValues v = ExportDialogValuesOf(s);
    v.LayerNames[8] = std::string(255, 'T');
    v.LayerNames[2] = std::string(251, 'P');  // its pillar tops' name has 255 characters
    ASSERT_EQ(TakeExportDialogValues(v, s), std::nullopt);
    EXPECT_EQ(s.drawing.LayerNames[8], v.LayerNames[8]);
    EXPECT_EQ(s.drawing.LayerNames[2], v.LayerNames[2]);
}

// The check crp2dxf makes of a settings file's names: characters are mended, a length is refused.
TEST(ExportDialogValues, ALayerNameLongerThan255CharactersIsRefusedWhateverItsOtherCharacters) {
    LanguageFlags english;
    english.UiLanguage = 1;
    std::array<std::string, DialogLayerRows> names;
    names.fill("A/B\x81");
    EXPECT_EQ(RefusedLongLayerName(names, english), std::nullopt);
    names[23] = " " + std::string(256, '\x81') + " ";
    const auto refusal = RefusedLongLayerName(names, english);
    ASSERT_TRUE(refusal.has_value());
    EXPECT_EQ(refusal->Row, 23);
    EXPECT_EQ(refusal->Message,
              "The layer name \"" + AnsiToUtf8(names[23]) + "\" (row 24) is longer than 255 characters.");
}

TEST(ExportDialogValues, SelectedFilesKeepOneEntryEachInAlphabeticalOrder) {
    std::vector<std::string> selected;
    AddSelectedDataFiles(selected, {"P3.CRP", "p1.crp"});
    AddSelectedDataFiles(selected, {"P2.CRP", "P3.CRP"});
    EXPECT_EQ(selected, (std::vector<std::string>{"p1.crp", "P2.CRP", "P3.CRP"}));
}

TEST(ExportDialogValues, DataFilesOfAFolderAreItsCrpFilesInAnyCase) {
    ScratchFolder folder("export-dialog-files");
    for (const char* name : {"b.crp", "A.CRP", "notes.txt", "C.Crp.bak"}) ASSERT_TRUE(WriteWholeFile(folder / name, ""));
    fs::create_directories(folder / "FOLDER.CRP");
    EXPECT_EQ(DataFilesIn(folder / ""), (std::vector<std::string>{"A.CRP", "b.crp"}));
    EXPECT_TRUE(DataFilesIn(folder / "missing").empty());
}

TEST(ExportDialogValues, GenerateAsksForTheFileOnlyWithFilesSelected) {
    DialogSession s;
    const DxfExportResult none = ExportSelectedDataFiles(s, s.platform, {}, "/tmp");
    EXPECT_EQ(none.Outcome, DxfExportOutcome::NothingSelected);
    EXPECT_TRUE(s.dialogs.Asked().empty());
    EXPECT_NE(s.Messages().find("Non sono stati selezionati i file dati."), std::string::npos);
    // Row 24 follows row 2 even so.
    EXPECT_EQ(s.drawing.LayerNames[24], s.drawing.LayerNames[2] + "_SUP");

    s.dialogs.ScriptPaths({"", "*.DXF"});
    for (int i = 0; i < 2; ++i)
        EXPECT_EQ(ExportSelectedDataFiles(s, s.platform, {"TELAIO.CRP"}, "/nowhere").Outcome,
                  DxfExportOutcome::Cancelled);
    const AskedDialog& asked = s.dialogs.Asked().front();
    EXPECT_EQ(asked.Kind, DialogKind::SaveFile);
    EXPECT_EQ(asked.Request.Filter, "File Disegno (*.DXF)|*.DXF");
    EXPECT_EQ(asked.Request.DefaultExtension, "DXF");
    EXPECT_EQ(asked.Request.Folder, "/nowhere");
    EXPECT_EQ(s.dxf.TakeoffTextPath, "");
}

TEST(ExportDialogValues, GenerateExportsTheSelectedFilesOfTheFolderShown) {
    DialogSession s;
    s.dxf.TakeoffTextFile = 1;
    fs::create_directories(DRAVO_DXF_OUT);
    const std::string path = std::string(DRAVO_DXF_OUT) + "/dialog-saved-deck.dxf";
    fs::remove(path);
    s.dialogs.ScriptPaths({path});
    const DxfExportResult result =
        ExportSelectedDataFiles(s, s.platform, {"DEMO.CRP", "TELAIO.CRP"}, DeckFixture("fresh-frame"));
    // DEMO.CRP is not in that folder: the export ends with a message and writes nothing.
    EXPECT_EQ(result.Outcome, DxfExportOutcome::Failed);
    EXPECT_FALSE(fs::exists(path));

    s.dialogs.ScriptPaths({path});
    const DxfExportResult written = ExportSelectedDataFiles(s, s.platform, {"SALVATO5.CRP"}, DeckFixture("saved-d5"));
    ASSERT_EQ(written.Outcome, DxfExportOutcome::Written) << s.Messages();
    EXPECT_TRUE(fs::exists(path));
    EXPECT_EQ(s.dxf.TakeoffTextPath, std::string(DRAVO_DXF_OUT) + "/dialog-saved-deck.TXT");
    EXPECT_TRUE(fs::exists(s.dxf.TakeoffTextPath));
    fs::remove(s.dxf.TakeoffTextPath);
}

// A name typed with the list's own extension would make the drawing and its list one file: the
// dialog's export is refused with the message, and nothing is written.
// The save dialog keeps a typed ".txt", whose list differs from it only in case: on a disk that
// ignores case that is one file, and nobody means two.
TEST(ExportDialogValues, GenerateRefusesADrawingNamedLikeItsTakeoffList) {
    for (const char* name : {"PLAN.TXT", "Plan.txt"}) {
        ScratchFolder folder("dialog-same-file");
        DialogSession s;
        s.dxf.TakeoffTextFile = 1;
        s.shell.Languages.UiLanguage = 1;
        const std::string path = folder / name;
        s.dialogs.ScriptPaths({path});
        const DxfExportResult result =
            ExportSelectedDataFiles(s, s.platform, {"TELAIO.CRP"}, DeckFixture("fresh-frame"));
        EXPECT_EQ(result.Outcome, DxfExportOutcome::Failed) << name;
        ASSERT_EQ(s.messages.Shown().size(), 1u) << s.Messages();
        EXPECT_EQ(s.messages.Shown()[0].Text,
                  "The DXF file and the take-off list are the same file: " + path + ". Choose another name.");
        EXPECT_TRUE(folder.Names().empty()) << name;
    }
}

}  // namespace
