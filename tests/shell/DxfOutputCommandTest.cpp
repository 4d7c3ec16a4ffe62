// The DXF output command on the headless platform: the document kept before the export dialog and
// put back after it, whatever the dialog loaded meanwhile.
#include "shell/DxfOutputCommand.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "model/files/WholeFiles.h"
#include "shell/DocumentSteps.h"
#include "shell/DocumentTitle.h"
#include "shell/SettingsFile.h"
#include "tests/support/DeckSession.h"

namespace {

namespace fs = std::filesystem;

struct CountingWindow : DocumentWindow {
    void TitoloFR1() override { ++Titles; }
    void DrawPlan() override { ++Drawings; }
    void RefreshRecentMenu() override {}
    void ToolsEnded() override {}
    int Titles = 0, Drawings = 0;
};

class DxfOutputCommandTest : public ::testing::Test {
protected:
    DxfOutputCommandTest() : folder_("dxf-output") {
        deck_.shell.Folders.SettingsFolder = folder_ / "";
        deck_.canvas.SetSize(800, 600);
        fs::copy_file(DeckFixture("dimensioned/QUOTATO.CRP"), folder_ / "QUOTATO.CRP");
        folder_.CopyArchiveFrom("dimensioned");
    }

    // The deck of the folder opened as a document, then one of its dimensions deleted unsaved.
    void OpenWithAnUnsavedChange() {
        deck_.shell.Document.CurrentFile = folder_ / "QUOTATO.CRP";
        LoadSettings(deck_, deck_.canvas);
        ASSERT_TRUE(deck_.Load(deck_.shell.Document.CurrentFile)) << deck_.Messages();
        ASSERT_GT(deck_.model.DimensionCount, 2);
        deck_.model.Dimensions.pop_back();
        --deck_.model.DimensionCount;
    }

    // What an export does to the document: another deck loaded and drawn, screen and DXF settings
    // changed.
    void ExportSomethingElse() {
        deck_.model.ClearBeforeLoad();
        ASSERT_TRUE(deck_.Load(DeckFixture("fresh-frame/TELAIO.CRP"))) << deck_.Messages();
        deck_.model.HatchLines.Keep({1, 2, 3}, {HatchSegment{0, 0, 1, 1}});
        deck_.drawing.LayerScreenColours[3] = 12345;
        deck_.drawing.Display.PillarDisplayMode = 2;
        deck_.drawing.LayerNames[9] = "CHANGED_IN_THE_DIALOG";
        deck_.shell.Document.LoadStatus = -1;
    }

    // The document as a dump; the drawing-data version read goes, since any reload reads the current one.
    std::string Dump() const {
        std::string dump = deck_.Dump();
        const size_t at = dump.find("DrawingDataVersion=");
        return dump.erase(at, dump.find('\n', at) + 1 - at);
    }

    void Run(const std::function<void()>& dialog, const NewFileWriter& writeNewFile = WriteNewFile) {
        RunDxfOutput({deck_, deck_.platform, window_}, dialog, writeNewFile);
    }

    ScratchFolder folder_;
    DeckSession deck_;
    CountingWindow window_;
};

TEST_F(DxfOutputCommandTest, ANamedDocumentComesBackWithItsUnsavedChanges) {
    OpenWithAnUnsavedChange();
    deck_.drawing.LayerScreenColours[3] = 777;
    deck_.drawing.Display.PillarDisplayMode = 1;
    const std::string before = Dump();
    const std::string fileBefore = FileText(folder_ / "QUOTATO.CRP");
    const int32_t dimensions = deck_.model.DimensionCount;
    deck_.messages.Script({MsgAnswer::No});
    bool shown = false;
    Run([&] {
        shown = true;
        // The copy lies beside the data file while the dialog is open, with the unsaved change.
        EXPECT_EQ(FileText(folder_ / "imp.TMP"), deck_.SavedText());
        ExportSomethingElse();
    });
    ASSERT_TRUE(shown);
    ASSERT_EQ(deck_.messages.Shown().size(), 1u) << deck_.Messages();
    EXPECT_NE(deck_.messages.Shown()[0].Text.find("è indispensabile salvare i dati."), std::string::npos);
    EXPECT_EQ(FileText(folder_ / "QUOTATO.CRP"), fileBefore);  // No saved nothing
    EXPECT_EQ(deck_.model.DimensionCount, dimensions);
    EXPECT_EQ(Dump(), before);
    EXPECT_EQ(deck_.model.HatchLines.EntryCount(), 0u) << "the exported deck's hatch lines are dropped";
    EXPECT_EQ(deck_.drawing.LayerScreenColours[3], 777);
    EXPECT_EQ(deck_.drawing.Display.PillarDisplayMode, 1);
    // Not stored with the settings: dropped with the settings file read again.
    EXPECT_NE(deck_.drawing.LayerNames[9], "CHANGED_IN_THE_DIALOG");
    EXPECT_EQ(deck_.shell.Document.LoadStatus, 0);
    EXPECT_EQ(deck_.shell.Document.CurrentFile, folder_ / "QUOTATO.CRP");
    EXPECT_FALSE(fs::exists(folder_ / "imp.TMP"));
    EXPECT_EQ(window_.Drawings, 1);
}

TEST_F(DxfOutputCommandTest, YesToTheSaveOfferWritesTheDocumentFirst) {
    OpenWithAnUnsavedChange();
    deck_.messages.Script({MsgAnswer::Yes});
    Run([&] { EXPECT_EQ(FileText(folder_ / "QUOTATO.CRP"), deck_.SavedText()); });
    EXPECT_EQ(FileText(folder_ / "QUOTATO.CRP"), deck_.SavedText());
}

TEST_F(DxfOutputCommandTest, ACopyThatCannotBeWrittenStopsTheExportAndKeepsTheDocument) {
    OpenWithAnUnsavedChange();
    const auto unwritable = UnwritableFolder(folder_);
    ASSERT_TRUE(unwritable) << "no folder that cannot be written is to be had here";
    deck_.shell.Document.CurrentFile = *unwritable + "/QUOTATO.CRP";  // the copy belongs where nothing can be made
    const std::string before = Dump();
    bool shown = false;
    Run([&] { shown = true; });
    EXPECT_FALSE(shown);
    ASSERT_EQ(deck_.messages.Shown().size(), 1u);
    EXPECT_NE(deck_.messages.Shown()[0].Text.find("Impossibile scrivere la copia temporanea " + *unwritable +
                                                  "/imp.TMP"),
              std::string::npos)
        << deck_.Messages();
    EXPECT_EQ(Dump(), before);
}

// A copy that reads back other than the text written (a disk that lost its end) stops the export
// before the dialog, and is not left behind.
TEST_F(DxfOutputCommandTest, ACopyThatReadsBackOtherThanItsTextStopsTheExport) {
    OpenWithAnUnsavedChange();
    const std::string before = Dump();
    const NewFileWriter losingTheLastByte = [](const std::string& path, std::string_view text, std::string& created,
                                                std::error_code& error) {
        return WriteNewFile(path, text.substr(0, text.size() - 1), created, error);
    };
    bool shown = false;
    Run([&] { shown = true; }, losingTheLastByte);
    EXPECT_FALSE(shown);
    ASSERT_EQ(deck_.messages.Shown().size(), 1u) << deck_.Messages();
    EXPECT_EQ(deck_.messages.Shown()[0].Text,
              "Impossibile scrivere la copia temporanea " + folder_ / "imp.TMP" +
                  " dell'impalcato (la copia riletta non corrisponde).\nGenerazione file DXF annullata: l'impalcato "
                  "è rimasto com'era.");
    EXPECT_EQ(Dump(), before);
    EXPECT_FALSE(fs::exists(folder_ / "imp.TMP"));
}

// Whatever stands at the copy's name (a link planted to somebody's file elsewhere, a file, a folder)
// is left as it was: the copy takes a new name beside it, and that name is the one read back,
// removed, or kept and told when the reload fails.
TEST_F(DxfOutputCommandTest, WhatStandsAtTheCopysNameIsNeverWrittenThrough) {
    struct Case {
        const char* name;
        std::function<void(const std::string& copyName)> plant;
        bool reloadFails;
    };
    ScratchFolder elsewhere("dxf-output-elsewhere");
    const std::string victim = elsewhere / "victim.txt";
    const Case cases[] = {
        {"a link to somebody's file", [&](const std::string& p) { fs::create_symlink(victim, p); }, false},
        {"a link to somebody's file, the reload failing", [&](const std::string& p) { fs::create_symlink(victim, p); },
         true},
        {"a file", [](const std::string& p) { WriteWholeFile(p, "somebody's notes"); }, false},
        {"a folder", [](const std::string& p) { fs::create_directory(p); }, false},
    };
    const std::string planted = folder_ / "imp.TMP";
    for (const Case& c : cases) {
        WriteWholeFile(victim, "somebody's file");
        c.plant(planted);
        const bool link = fs::is_symlink(fs::symlink_status(planted));
        const std::string plantedText = fs::is_regular_file(fs::symlink_status(planted)) ? FileText(planted) : "";
        OpenWithAnUnsavedChange();
        const std::string copy = deck_.SavedText();
        deck_.messages.ClearShown();
        deck_.messages.Script({MsgAnswer::No});
        std::string copyName;
        Run([&] {
            for (const std::string& name : folder_.Names())
                if (name.starts_with("imp.TMP.~")) copyName = folder_ / name;
            EXPECT_EQ(FileText(copyName), copy) << c.name;
            ExportSomethingElse();
            if (c.reloadFails) fs::remove(folder_ / "ARCHIMPA.AI0");
        });
        EXPECT_FALSE(copyName.empty()) << c.name << ": no copy beside the planted name";
        EXPECT_EQ(FileText(victim), "somebody's file") << c.name;
        EXPECT_EQ(fs::is_symlink(fs::symlink_status(planted)), link) << c.name;
        if (link) {
            EXPECT_EQ(fs::read_symlink(planted), victim) << c.name;
        }
        if (!plantedText.empty()) {
            EXPECT_EQ(FileText(planted), plantedText) << c.name;
        }
        std::vector<std::string> copies;
        for (const std::string& name : folder_.Names())
            if (name.starts_with("imp.TMP.~")) copies.push_back(folder_ / name);
        if (c.reloadFails) {
            ASSERT_EQ(copies.size(), 1u) << c.name;
            EXPECT_EQ(FileText(copies[0]), copy) << c.name;
            EXPECT_NE(deck_.messages.Shown().back().Text.find(copies[0]), std::string::npos) << deck_.Messages();
            fs::remove(copies[0]);
            folder_.CopyArchiveFrom("dimensioned");
        } else {
            EXPECT_TRUE(copies.empty()) << c.name << ": " << copies.front();
            EXPECT_EQ(deck_.shell.Document.CurrentFile, folder_ / "QUOTATO.CRP") << c.name;
            EXPECT_EQ(deck_.shell.Document.LoadStatus, 0) << c.name;
        }
        fs::remove(planted);
    }
}

TEST_F(DxfOutputCommandTest, ACopyThatDoesNotLoadAgainStaysWithTheUnsavedChanges) {
    OpenWithAnUnsavedChange();
    const std::string copy = deck_.SavedText();
    deck_.messages.Script({MsgAnswer::No});
    // The archive beside the data file goes while the dialog is open: the copy cannot be read back.
    int made = -1;
    Run([&] {
        made = ::open((folder_ / "imp.TMP").c_str(), O_RDONLY | O_CLOEXEC);
        fs::remove(folder_ / "ARCHIMPA.AI0");
    });
    EXPECT_EQ(deck_.shell.Document.CurrentFile, UnnamedDocument);
    EXPECT_EQ(deck_.model.NodeCount, 0);
    EXPECT_EQ(FileText(folder_ / "imp.TMP"), copy);
    struct stat kept {};
    ASSERT_EQ(::fstat(made, &kept), 0);
    ::close(made);
    EXPECT_EQ(kept.st_nlink, 1u) << "the copy that still holds the changes stays, not a new one";
    ASSERT_FALSE(deck_.messages.Shown().empty());
    EXPECT_NE(deck_.messages.Shown().back().Text.find(folder_ / "imp.TMP"), std::string::npos);
}

// When the copy does not load again, the document is emptied only once a copy holding its unsaved
// changes has a full name the user is told; a copy gone or changed meanwhile is written again beside
// it before the old one goes. Where no copy can be had the document stays open as it was.
TEST_F(DxfOutputCommandTest, AFailedReloadEmptiesTheDocumentOnlyWithTheCopyOfItsChangesNamed) {
    enum class Meanwhile { CopyRemoved, CopyChanged, FolderMoved, FolderMovedCopyRemoved };
    struct Case {
        const char* name;
        Meanwhile meanwhile;
        bool rewriteRefused;
        const char* keptAs;  // the copy's name, or the start of a new one; none: the document stays open
        const char* leftAs;  // the changed copy, left alone when the document stays open
    };
    const Case cases[] = {
        {"the copy removed", Meanwhile::CopyRemoved, false, "imp.TMP", nullptr},
        {"the copy changed", Meanwhile::CopyChanged, false, "imp.TMP.~", nullptr},
        {"the deck's folder renamed", Meanwhile::FolderMoved, false, "imp.TMP", nullptr},
        {"the copy removed, the rewrite refused", Meanwhile::CopyRemoved, true, nullptr, nullptr},
        {"the copy changed, the rewrite refused", Meanwhile::CopyChanged, true, nullptr, "imp.TMP"},
        {"the deck's folder renamed and the copy removed", Meanwhile::FolderMovedCopyRemoved, false, nullptr,
         nullptr},
    };
    const std::string home = fs::path(folder_ / "QUOTATO.CRP").parent_path();
    const std::string moved = home + "-moved";
    constexpr const char* Changed = "somebody's edit";
    for (const Case& c : cases) {
        OpenWithAnUnsavedChange();
        const std::string copy = deck_.SavedText();
        deck_.messages.ClearShown();
        deck_.messages.Script({MsgAnswer::No});
        int writes = 0;
        const NewFileWriter refusingRewrites = [&](const std::string& path, std::string_view text,
                                                   std::string& created, std::error_code& error) {
            if (++writes > 1 && c.rewriteRefused) {
                error = std::make_error_code(std::errc::no_space_on_device);
                return false;
            }
            return WriteNewFile(path, text, created, error);
        };
        Run(
            [&] {
                ExportSomethingElse();
                const bool folderMoved = c.meanwhile == Meanwhile::FolderMoved ||
                                         c.meanwhile == Meanwhile::FolderMovedCopyRemoved;
                if (folderMoved) fs::rename(home, moved);  // the archive goes with it: the reload fails
                else fs::remove(folder_ / "ARCHIMPA.AI0");
                const std::string copyNow = (folderMoved ? moved : home) + "/imp.TMP";
                if (c.meanwhile == Meanwhile::CopyRemoved || c.meanwhile == Meanwhile::FolderMovedCopyRemoved)
                    fs::remove(copyNow);
                if (c.meanwhile == Meanwhile::CopyChanged) std::ofstream(copyNow, std::ios::trunc) << Changed;
            },
            refusingRewrites);
        const std::string folder = fs::exists(moved) ? moved : home;
        std::vector<std::string> copies;
        for (const auto& entry : fs::directory_iterator(folder))
            if (entry.path().filename().string().starts_with("imp.TMP")) copies.push_back(entry.path().filename());
        const std::string told = deck_.messages.Shown().empty() ? "" : deck_.messages.Shown().back().Text;
        if (c.keptAs) {
            EXPECT_EQ(copies.size(), 1u) << c.name;
            const std::string kept = copies.empty() ? "" : folder + "/" + copies[0];
            EXPECT_TRUE(fs::path(kept).filename().string().starts_with(c.keptAs)) << c.name << ": " << kept;
            EXPECT_EQ(FileText(kept), copy) << c.name;
            EXPECT_NE(told.find("è rimasta nel file " + kept + "."), std::string::npos) << c.name << "\n" << told;
            EXPECT_EQ(deck_.shell.Document.CurrentFile, UnnamedDocument) << c.name;
            EXPECT_EQ(deck_.model.NodeCount, 0) << c.name;
        } else {
            EXPECT_EQ(copies, c.leftAs ? std::vector<std::string>{c.leftAs} : std::vector<std::string>{}) << c.name;
            if (c.leftAs) {
                EXPECT_EQ(FileText(folder + "/" + c.leftAs), Changed) << c.name;
            }
            EXPECT_NE(told.find("la sua copia non è stata scritta nel file " + home + "/imp.TMP ("),
                      std::string::npos)
                << c.name << "\n" << told;
            EXPECT_NE(told.find("resta aperto com'era"), std::string::npos) << c.name;
            EXPECT_EQ(deck_.shell.Document.CurrentFile, home + "/QUOTATO.CRP") << c.name;
            EXPECT_EQ(deck_.SavedText(), copy) << c.name << ": the unsaved changes are in the window";
            EXPECT_TRUE(DocumentChanged(deck_)) << c.name;
        }
        if (fs::exists(moved)) fs::rename(moved, home);
        for (const std::string& name : copies) fs::remove(folder_ / name);
        folder_.CopyArchiveFrom("dimensioned");
    }
}

TEST_F(DxfOutputCommandTest, AnUnnamedDocumentIsPutBackFromMemory) {
    LoadSettings(deck_, deck_.canvas);
    ASSERT_TRUE(deck_.Load(folder_ / "QUOTATO.CRP"));
    deck_.shell.Document.CurrentFile = UnnamedDocument;
    deck_.model.DimensionCount = 1;
    deck_.model.Dimensions.resize(1);
    deck_.model.Reinforcement.Clear();
    deck_.model.HatchLines.Keep({4, 5, 6}, {HatchSegment{0, 0, 1, 1}});
    MarkDocumentUnchanged(deck_);
    const std::string before = Dump();
    Run([&] {
        // Stored with the settings in the dialog: in force afterwards, as for a named document.
        deck_.drawing.LayerNames[10] = "STORED";
        ASSERT_TRUE(SaveSettings(deck_, deck_.messages));
        ExportSomethingElse();
    });
    EXPECT_TRUE(deck_.messages.Shown().empty());  // unchanged: no save offer, and unchanged after it
    EXPECT_FALSE(DocumentChanged(deck_));
    EXPECT_EQ(deck_.drawing.LayerNames[10], "STORED");
    EXPECT_NE(deck_.drawing.LayerNames[9], "CHANGED_IN_THE_DIALOG");
    EXPECT_NE(deck_.drawing.LayerScreenColours[3], 12345);
    EXPECT_EQ(Dump(), before);
    EXPECT_EQ(deck_.model.HatchLines.EntryCount(), 0u) << "the exported deck's hatch lines are dropped";
    EXPECT_EQ(deck_.shell.Document.LoadStatus, 0);
    EXPECT_EQ(deck_.shell.Document.CurrentFile, UnnamedDocument);
    EXPECT_FALSE(fs::exists(folder_ / "imp.TMP"));
    EXPECT_FALSE(fs::exists("imp.TMP"));
    EXPECT_EQ(window_.Drawings, 1);
}

TEST(DxfOutputStartFolder, ANamedDocumentsFolderElseTheDrawingsFolder) {
    DeckSession deck;
    deck.shell.Document.CurrentFile = "/decks/p1/PIANO.CRP";
    EXPECT_EQ(ExportDialogStartFolder(deck, deck.registry), "/decks/p1");
    deck.shell.Document.CurrentFile = "PIANO.CRP";  // named without a folder: the current folder
    EXPECT_EQ(ExportDialogStartFolder(deck, deck.registry), "");
    // No drawings folder of the analysis program: the current folder.
    deck.shell.Document.CurrentFile = "anonimo";
    EXPECT_EQ(ExportDialogStartFolder(deck, deck.registry), "");
}

}  // namespace
