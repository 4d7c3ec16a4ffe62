// The start-up steps and the batch hand-off on the headless platform.
#include <gtest/gtest.h>

#include <filesystem>

#include "model/common/Helpers.h"
#include "model/files/WholeFiles.h"
#include "shell/BatchMode.h"
#include "shell/DocumentSteps.h"
#include "shell/SettingsFile.h"
#include "shell/StartupLoad.h"
#include "shell/StruviaRegistry.h"
#include "tests/support/Golden.h"
#include "tests/support/DeckSession.h"
#include "tests/support/SlabHandOffDeck.h"

namespace {

std::string DemoDeck() { return std::string(DRAVO_EXAMPLES) + "/frame/DEMO.CRP"; }

class StartupTest : public ::testing::Test {
protected:
    StartupTest() : profile_("startup-profile") {
        deck_.folders.SetProgramFolder("/opt/dravo");
        deck_.folders.SetProfileFolder(profile_ / "");
        deck_.canvas.SetSize(1000, 500);
    }

    std::string ProfileFolder() const { return std::filesystem::path(profile_ / "x").parent_path().string(); }

    // What main() and the window's load prepare for this command line.
    void Start(const std::string& commandLine) {
        ApplyCommandLineStart(ParseCommandLine(commandLine), deck_, deck_.folders);
        LoadApplicationState(deck_, deck_.platform);
        deck_.drawing.View.CanvasWidthPx = 1000;  // as the window's layout sets it
    }

    const ShownMessage& LastMessage() const { return deck_.messages.Shown().back(); }

    ScratchFolder profile_;
    DeckSession deck_;
};

TEST_F(StartupTest, StartStateFollowsTheCommandLine) {
    deck_.design.MaxUpperBarLength = 600;
    deck_.design.CurbWidth = 3;
    Start(DemoDeck() + " -20");
    const DocumentState& d = deck_.shell.Document;
    EXPECT_EQ(d.CurrentFile, DemoDeck());
    EXPECT_EQ(d.InteractiveStart, 0);
    EXPECT_TRUE(d.SlabFileOnly);
    EXPECT_EQ(deck_.design.MaxUpperBarLength, 1200);
    EXPECT_EQ(deck_.design.CurbWidth, 25.0f);
    EXPECT_EQ(deck_.design.CurbSpanThreshold, 450.0f);
    EXPECT_EQ(deck_.shell.Folders.ExeFolder, "/opt/dravo");
    EXPECT_EQ(deck_.shell.Folders.SettingsFolder, ProfileFolder());

    Start("");
    EXPECT_EQ(d.CurrentFile, "");
    EXPECT_EQ(d.InteractiveStart, -1);
    Start(DemoDeck() + " 0");
    EXPECT_EQ(d.InteractiveStart, -1);
    EXPECT_FALSE(d.SlabFileOnly);
}

TEST_F(StartupTest, LanguageAndSettingsAreReadAtEveryStart) {
    Session written;
    written.shell.Languages.DrawingLanguage = 1;
    written.shell.Options.LateralCover = 3;
    ASSERT_TRUE(WriteWholeFile(profile_ / SettingsFileName, FormatSettingsText(written)));
    deck_.registry.Set(StruviaSettingsKey, "Language", 2);
    Start("");
    EXPECT_EQ(deck_.shell.Languages.UiLanguage, 1);
    EXPECT_EQ(deck_.shell.Languages.DrawingLanguage, 1);
    EXPECT_EQ(deck_.shell.Options.LateralCover, 3);
}

TEST_F(StartupTest, DrawingLanguageQuestionAlignsAndWritesOnlyOnYes) {
    Start("");
    deck_.shell.Languages.DrawingLanguage = 1;
    deck_.messages.Script({MsgAnswer::No});
    AlignDrawingLanguage(deck_, deck_.platform);
    ASSERT_EQ(deck_.messages.Shown().size(), 1u);
    EXPECT_EQ(LastMessage().Text,
              "Il programma ha rilevato una differente impostazione per la lingua del disegno, vuoi adeguarla?");
    EXPECT_EQ(LastMessage().Buttons, MsgButtons::YesNo);
    EXPECT_EQ(deck_.shell.Languages.DrawingLanguage, 1);
    EXPECT_FALSE(FileExists(profile_ / SettingsFileName));

    AlignDrawingLanguage(deck_, deck_.platform);  // asked again; Yes this time
    EXPECT_EQ(deck_.messages.Shown().size(), 2u);
    EXPECT_EQ(deck_.shell.Languages.DrawingLanguage, 0);
    EXPECT_EQ(FileText(profile_ / SettingsFileName), FormatSettingsText(deck_));

    AlignDrawingLanguage(deck_, deck_.platform);  // the same language: nothing asked
    EXPECT_EQ(deck_.messages.Shown().size(), 2u);
}

// Yes aligns the drawing language either way; only a settings file read whole is written again,
// since the settings in force hold defaults where a file was not read.
TEST_F(StartupTest, DrawingLanguageQuestionWritesOnlyASettingsFileReadWhole) {
    Session user;
    user.drawing.LayerNames[0] = "ASSI UTENTE";
    user.drawing.WhiteBackground = 1;
    const std::string whole = FormatSettingsText(user);  // version 18, drawings in Italian
    std::string otherVersion = whole;
    otherVersion.replace(0, whole.find("\r\n"), " 19 ");
    size_t tenthLine = 0;
    for (int line = 0; line < 10; ++line) tenthLine = whole.find("\r\n", tenthLine) + 2;
    const struct {
        const char* Name;
        std::string Text;
        bool Rewritten;
    } cases[] = {
        {"another version", otherVersion, false},
        {"cut short", whole.substr(0, tenthLine), false},
        {"version 18 read whole", whole, true},
    };
    deck_.registry.Set(StruviaSettingsKey, "Language", 2);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        ASSERT_TRUE(WriteWholeFile(profile_ / SettingsFileName, c.Text));
        deck_.shell.Languages.DrawingLanguage = 0;
        deck_.messages.ClearShown();
        Start("");
        deck_.messages.Script({MsgAnswer::Yes});
        AlignDrawingLanguage(deck_, deck_.platform);
        EXPECT_EQ(deck_.shell.Languages.DrawingLanguage, 1);
        if (c.Rewritten) {
            EXPECT_EQ(deck_.drawing.LayerNames[0], "ASSI UTENTE");
            EXPECT_EQ(FileText(profile_ / SettingsFileName), FormatSettingsText(deck_));
            EXPECT_EQ(deck_.messages.Shown().size(), 1u);
            continue;
        }
        EXPECT_EQ(FileText(profile_ / SettingsFileName), c.Text);
        ASSERT_EQ(deck_.messages.Shown().size(), 2u);
        EXPECT_EQ(LastMessage().Title, "Warning!");
        EXPECT_EQ(LastMessage().Text, "The settings file " + SettingsFilePath(deck_.shell.Folders) +
                                          " was not read whole and has been left as it was: the language of "
                                          "drawing changes only until the program is closed.");
    }
}

TEST_F(StartupTest, DeckOfTheCommandLineIsOpenedAndFitted) {
    Start(DemoDeck());
    EXPECT_EQ(OpenStartDocument(deck_, deck_.platform), StartDocument::Opened);
    const DocumentState& d = deck_.shell.Document;
    EXPECT_EQ(d.LoadStatus, 0);
    EXPECT_EQ(d.DataFolder, std::string(DRAVO_EXAMPLES) + "/frame");
    EXPECT_EQ(d.DialogStartFolder, d.DataFolder);
    EXPECT_EQ(d.SlabDesignState, 2);  // the demo deck carries its floor-slab design
    EXPECT_EQ(deck_.Messages(), "");
    EXPECT_EQ(deck_.shell.CanvasPointer, PointerCrosshair);
    EXPECT_EQ(deck_.canvas.Pointer(), CanvasPointer::Crosshair);
    // The 1000 × 1000 cm deck with its margin fills the 500-pixel height, centred across the width.
    const ViewWindow& v = deck_.drawing.View;
    EXPECT_FLOAT_EQ(v.ViewScale, 500.0f / 1200);
    EXPECT_FLOAT_EQ(v.ViewYMin, -100);
    EXPECT_FLOAT_EQ((v.ViewXMin + v.ViewXMax) / 2, 500);
    EXPECT_FLOAT_EQ(v.CanvasHeightPx, 500);
}

// A deck named from the current folder is known, and listed among the recent files, by its path
// from the root, so that the entry opens it from any folder; a ".." after a link stays as typed.
TEST_F(StartupTest, ADeckNamedFromTheCurrentFolderIsKnownByItsAbsolutePath) {
    ScratchFolder here("startup-relative");
    std::filesystem::create_directory_symlink(std::string(DRAVO_EXAMPLES) + "/frame", here / "linked");
    const CurrentFolderScope inside(here / "");
    const std::pair<std::string, std::string> cases[] = {
        {"linked/DEMO.CRP", here / "linked/DEMO.CRP"},
        {"./linked/./DEMO.CRP", here / "linked/DEMO.CRP"},
        {"linked/../frame/DEMO.CRP", here / "linked/../frame/DEMO.CRP"},
    };
    for (const auto& [typed, absolute] : cases) {
        SCOPED_TRACE(typed);
        deck_.shell.Recent = {};
        Start(typed);
        ASSERT_EQ(OpenStartDocument(deck_, deck_.platform), StartDocument::Opened);
        EXPECT_EQ(deck_.shell.Document.CurrentFile, absolute);
        EXPECT_EQ(deck_.shell.Recent.RecentFileCount, 1);
        EXPECT_EQ(deck_.shell.Recent.RecentFiles[0], absolute);
        EXPECT_EQ(deck_.shell.Document.DataFolder, std::filesystem::path(absolute).parent_path().string());
    }
}

TEST_F(StartupTest, StartWithoutADeckOrWithAMissingOne) {
    for (const std::string line : {"", "Anonimo", "ABCDEF"}) {
        Start(line);
        EXPECT_EQ(OpenStartDocument(deck_, deck_.platform), StartDocument::None) << line;
    }
    Start("/nowhere/Piano.crp 0");
    EXPECT_EQ(OpenStartDocument(deck_, deck_.platform), StartDocument::FileMissing);
    EXPECT_EQ(deck_.shell.Document.CurrentFile, "/nowhere/Piano.crp");
    EXPECT_EQ(deck_.model.NodeCount, 0);
    EXPECT_TRUE(deck_.messages.Shown().empty());
}

TEST_F(StartupTest, FailedLoadLeavesAnEmptyDocument) {
    const std::string deck = DeckFixture("fail-unknown-node/NODO99.CRP");
    Start(deck);
    deck_.model.DimensionCount = 2;
    deck_.model.Dimensions.resize(3);
    deck_.model.Catalogue.ServerSectionCount = 1;
    EXPECT_EQ(OpenStartDocument(deck_, deck_.platform), StartDocument::LoadFailed);
    EXPECT_EQ(deck_.canvas.Pointer(), CanvasPointer::Hourglass);
    deck_.canvas.ClearRecords();
    EmptyDocument(deck_, deck_.canvas);
    EXPECT_EQ(deck_.shell.Document.CurrentFile, "Anonimo");
    EXPECT_EQ(deck_.shell.Document.SlabDesignState, 0);
    EXPECT_EQ(deck_.model.DimensionCount, 0);
    EXPECT_TRUE(deck_.model.Dimensions.empty());
    EXPECT_EQ(deck_.model.Catalogue.ServerSectionCount, 0);
    EXPECT_EQ(deck_.canvas.RecordsOf(CanvasCall::Clear).size(), 1u);
    EXPECT_EQ(deck_.canvas.Pointer(), CanvasPointer::Crosshair);
}

TEST_F(StartupTest, ReinforcementStateOfTheLoadEnablesTheCommands) {
    const std::tuple<int32_t, int32_t, size_t> cases[] = {{-1, 1, 0}, {0, 1, 1}, {1, 2, 0}, {7, 5, 0}};
    for (const auto& [slabDesign, state, messages] : cases) {
        deck_.messages.ClearShown();
        deck_.shell.Document.SlabDesignState = 5;
        ApplySlabDesignState(deck_, deck_.messages, slabDesign);
        EXPECT_EQ(deck_.shell.Document.SlabDesignState, state) << slabDesign;
        EXPECT_EQ(deck_.messages.Shown().size(), messages) << slabDesign;
    }
    deck_.shell.Languages.UiLanguage = 1;
    ApplySlabDesignState(deck_, deck_.messages, 0);
    EXPECT_EQ(LastMessage().Title, "Warning!");
    EXPECT_EQ(LastMessage().Text, "Floor slabs reinforcing bars not designed.");
    EXPECT_EQ(LastMessage().Icon, MsgIcon::Exclamation);
}

TEST_F(StartupTest, MissingDataFileOfTheCommandLine) {
    ScratchFolder folders("startup-old-crp");
    std::filesystem::create_directories(folders / "OLD.CRP");
    const std::string line = (folders / "OLD.CRP") + "/PIANO.CRP 3";
    const CommandLineStart start = ParseCommandLine(line);
    EXPECT_FALSE(DataFileOfStartExists(start, deck_.messages));
    ASSERT_EQ(deck_.messages.Shown().size(), 1u);
    EXPECT_EQ(LastMessage().Title, "Load error!");
    EXPECT_EQ(LastMessage().Text, "File:\n" + (folders / "OLD.CRP") + "\nnon trovato.");
    EXPECT_EQ(LastMessage().Icon, MsgIcon::None);

    EXPECT_TRUE(DataFileOfStartExists(ParseCommandLine(""), deck_.messages));
    EXPECT_TRUE(DataFileOfStartExists(ParseCommandLine(DemoDeck() + " 20"), deck_.messages));
    EXPECT_EQ(deck_.messages.Shown().size(), 1u);
}

TEST_F(StartupTest, BatchHandOffEndsWithTheMessageOfWhatFailed) {
    struct BatchCase {
        std::string Deck;
        int32_t Slab;
        std::string Text;
    };
    const std::string failing = DeckFixture("fail-unknown-node/NODO99.CRP");
    const BatchCase cases[] = {
        {DemoDeck(), 999, "Errore caricamento macro"},
        {failing, 1, "Errore caricamento file:\n" + failing},
        // The demo deck's concrete slab 20 has no result file of the analysis program beside it.
        {DemoDeck(), 20,
         "Soletta C.A. non progettata. Eseguire in Struvia il comando: "
         "Contesto\\Esecuzione_progettazione\\Stati_limite"},
    };
    for (const BatchCase& c : cases) {
        DeckSession deck;
        deck.shell.Document.CurrentFile = c.Deck;
        EXPECT_EQ(RunBatchHandOff(deck, deck.platform, c.Slab), ExitFailed) << c.Text;
        ASSERT_FALSE(deck.messages.Shown().empty());
        EXPECT_EQ(deck.messages.Shown().back().Text, c.Text);
        EXPECT_EQ(deck.messages.Shown().back().Title, "Attenzione!");
        EXPECT_EQ(deck.messages.Shown().back().Icon, c.Slab == 20 ? MsgIcon::Exclamation : MsgIcon::Critical);
    }
}

// The demo deck's slab 20 with the analysis program's result file beside it: a positive number
// starts the slab-design program, a negative one only writes its input file.
TEST(BatchHandOff, SlabFileIsWrittenAndTheProgramStartedAsTheNumberSays) {
    const struct {
        const char* Number;
        bool Program;  // a slab-design program in the program folder
        size_t Starts;
        const char* Box;
    } cases[] = {
        {" 20", true, 1, ""},
        {" -20", true, 0, ""},
        {"20", false, 0, "Progetto solette CA | Scrittura file: \n"},
    };
    for (const auto& c : cases) {
        SlabHandOffDeck deck(DemoDeck(), "batch-handoff", false);
        deck.AddResultFile("gus00020.mpi");
        if (c.Program) deck.AddProgram("Lastrix");
        const CommandLineStart start = ParseCommandLine(deck.path + c.Number);
        ApplyCommandLineStart(start, deck, deck.folders);
        ASSERT_TRUE(start.IsBatch());

        EXPECT_EQ(RunBatchHandOff(deck, deck.platform, start.SlabNumber), ExitSucceeded) << c.Number;
        EXPECT_TRUE(MatchesGolden(deck.Written("Soletta20.LSX"), "slab-handoff/Soletta20.LSX"));
        EXPECT_EQ(deck.programs.Started().size(), c.Starts) << c.Number;
        if (*c.Box == '\0') EXPECT_EQ(deck.Messages(), "");
        else EXPECT_TRUE(deck.Messages().starts_with(c.Box)) << deck.Messages();
    }
}

// Run from the deck's folder with the deck named alone, as the analysis program does: the result
// file is found and the input file written there. A file named "c:\gus00020.mpi" lies there too,
// so a made-up drive in front of the names would be noticed.
TEST(BatchHandOff, ADeckNamedWithoutAFolderIsHandedOffInTheCurrentFolder) {
    const struct {
        const char* Number;
        size_t Starts;
    } cases[] = {{" 20", 1}, {" -20", 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Number);
        SlabHandOffDeck deck(DemoDeck(), "batch-bare-name", false);
        deck.AddResultFile("gus00020.mpi");
        deck.AddResultFile("c:\\gus00020.mpi");
        deck.AddProgram("Lastrix");
        const CurrentFolderScope inDeckFolder(deck.folder / "");

        const CommandLineStart start = ParseCommandLine(std::string("DEMO.CRP") + c.Number);
        ASSERT_TRUE(DataFileOfStartExists(start, deck.messages));
        ApplyCommandLineStart(start, deck, deck.folders);
        ASSERT_TRUE(start.IsBatch());
        EXPECT_EQ(RunBatchHandOff(deck, deck.platform, start.SlabNumber), ExitSucceeded);

        EXPECT_EQ(deck.Messages(), "");
        EXPECT_TRUE(MatchesGolden(deck.Written("Soletta20.LSX"), "slab-handoff/Soletta20.LSX"));
        EXPECT_FALSE(deck.Exists("c:\\Soletta20.LSX"));
        ASSERT_EQ(deck.programs.Started().size(), c.Starts);
        if (c.Starts > 0) {
            EXPECT_EQ(deck.programs.Started()[0].Arguments, std::vector<std::string>{"Soletta20.LSX"});
        }
    }
}

}  // namespace
