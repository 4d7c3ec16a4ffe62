// crpdump --save as a script runs it: with nobody to answer, it declines what the window would
// ask a person about.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <string>

#include "tests/support/DeckSession.h"
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
