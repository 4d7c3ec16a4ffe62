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

    // A file that may be written is saved as before.
    ::chmod(out.c_str(), 0644);
    const ToolRun writable =
        RunTool(Quoted(DRAVO_CRPDUMP) + " --save " + Quoted(out) + " " + Quoted(DeckFixture("fresh-frame/TELAIO.CRP")));
    EXPECT_EQ(writable.ExitCode, 0) << writable.Output;
    EXPECT_NE(FileText(out), "a deck kept read-only");
}
