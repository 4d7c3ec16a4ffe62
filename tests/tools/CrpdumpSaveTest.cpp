// crpdump --save as a script runs it: with nobody to answer, it declines what the window would
// ask a person about.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <functional>
#include <string>

#include "tests/support/DeckSession.h"
#include "tests/support/DrawingAndListCases.h"
#include "tests/tools/ToolRun.h"

using ::testing::HasSubstr;

TEST(CrpdumpSave, AReadOnlyFileIsNotOverwrittenAndTheQuestionIsListed) {
    ScratchFolder folder("crpdump-read-only");
    const std::string out = folder / "OUT.CRP";
    WriteWholeFile(out, "a deck kept read-only");
    ::chmod(out.c_str(), 0444);
    const ToolRun run =
        RunTool(Quoted(DRAVO_CRPDUMP) + " --save " + Quoted(out) + " " + Quoted(DeckFixture("fresh-frame/TELAIO.CRP")));
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_EQ(FileText(out), "a deck kept read-only");
    struct stat status {};
    ASSERT_EQ(::stat(out.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0444u);
    EXPECT_THAT(run.Output, HasSubstr("NodeCount=8\n")) << "the listing is printed all the same";
    EXPECT_THAT(run.Output,
                HasSubstr("\nMESSAGE Attenzione! | Il file risulta di sola lettura.\\nVuoi sovrascriverlo?\n"));
    EXPECT_THAT(folder.Names(), ::testing::ElementsAre("OUT.CRP"));
    EXPECT_EQ(run.Errors, "crpdump: " + out + " was not saved: it is read-only, and overwriting it was declined\n");

    // A file that may be written is saved as before.
    ::chmod(out.c_str(), 0644);
    const ToolRun writable =
        RunTool(Quoted(DRAVO_CRPDUMP) + " --save " + Quoted(out) + " " + Quoted(DeckFixture("fresh-frame/TELAIO.CRP")));
    EXPECT_EQ(writable.ExitCode, 0) << writable.Output;
    EXPECT_NE(FileText(out), "a deck kept read-only");
}

TEST(CrpdumpSave, AnEmptyFileNameIsAWrongCommandLine) {
    ScratchFolder folder("crpdump-empty-name");
    const ToolRun run = RunTool(Quoted(DRAVO_CRPDUMP) + " --save '' " + Quoted(DeckFixture("fresh-frame/TELAIO.CRP")),
                                "cd " + Quoted(folder / ""));
    EXPECT_EQ(run.ExitCode, 2);
    EXPECT_THAT(run.Errors, HasSubstr("crpdump: --save needs the name of the file to save to, not an empty one\n"));
    EXPECT_THAT(run.Errors, HasSubstr("usage: crpdump"));
    EXPECT_EQ(run.Output, "") << "nothing loaded, nothing listed";
    EXPECT_TRUE(folder.Names().empty());
}

// A deck saved into another folder takes its archive along and opens again from there; where
// anything but the deck's archive stands at the archive's name, nothing is saved and the tool says
// what stands there.
TEST(CrpdumpSave, TheDecksArchiveGoesAlongOrNothingIsSaved) {
    namespace fs = std::filesystem;
    const std::string deck = DeckFixture("fresh-frame/TELAIO.CRP");
    const std::string deckArchive = FileText(DeckFixture("fresh-frame/ARCHIMPA.AI0"));
    const struct {
        const char* Case;
        std::function<void(const std::string& archive)> Plant;
        const char* Standing;  // what the refusal names; empty where the deck is saved
    } cases[] = {
        {"no archive", [](const std::string&) {}, ""},
        {"the deck's archive", [&](const std::string& archive) { WriteWholeFile(archive, deckArchive); }, ""},
        {"another archive", [](const std::string& archive) { WriteWholeFile(archive, "another archive\r\n"); },
         "a section archive that differs from the deck's"},
        {"a folder", [](const std::string& archive) { fs::create_directory(archive); }, "a folder"},
        {"a link to nothing",
         [](const std::string& archive) { fs::create_symlink(fs::path(archive).parent_path() / "nowhere", archive); },
         "a link that leads to no file"},
        {"a pipe", [](const std::string& archive) { ::mkfifo(archive.c_str(), 0644); },
         "something that is not a regular file"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Case);
        ScratchFolder folder("crpdump-archive");
        const std::string out = folder / "D.CRP", archive = folder / "ARCHIMPA.AI0";
        c.Plant(archive);
        const auto before = FolderState(folder / "");
        const ToolRun run = RunTool(Quoted(DRAVO_CRPDUMP) + " --save " + Quoted(out) + " " + Quoted(deck));
        if (*c.Standing != '\0') {
            EXPECT_EQ(run.ExitCode, 1);
            EXPECT_EQ(run.Errors, "crpdump: " + out + " was not saved: " + archive + " is " + c.Standing +
                                      ", and the deck needs its own archive there to be opened\n");
            EXPECT_EQ(FolderState(folder / ""), before);
            continue;
        }
        EXPECT_EQ(run.ExitCode, 0) << run.Errors;
        EXPECT_EQ(run.Errors, "");
        EXPECT_THAT(folder.Names(), ::testing::ElementsAre("ARCHIMPA.AI0", "D.CRP"));
        EXPECT_TRUE(FileText(archive) == deckArchive);
        const ToolRun again = RunTool(Quoted(DRAVO_CRPDUMP) + " " + Quoted(out));
        EXPECT_EQ(again.ExitCode, 0) << again.Output;
        EXPECT_THAT(again.Output, HasSubstr("LoadStatus=0\n"));
    }
}
