// plan2png leaves no picture, empty or cut short, where it could not write one; it zooms in as the
// window does and times its redraws.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>

#include "tests/support/DeckSession.h"
#include "tests/tools/ToolRun.h"

namespace fs = std::filesystem;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

namespace {

const std::string Demo = std::string(DRAVO_EXAMPLES) + "/frame/DEMO.CRP";

ToolRun Plan2png(const std::string& png, const std::string& setup = "", const std::string& options = "") {
    return RunTool(Quoted(DRAVO_PLAN2PNG) + " --size 400x300 " + options + Quoted(Demo) + " " + Quoted(png),
                   "export QT_QPA_PLATFORM=offscreen" + (setup.empty() ? "" : "; " + setup));
}

}  // namespace

TEST(Plan2png, AFolderThatCannotBeWrittenGetsNoPicture) {
    ScratchFolder scratch("plan2png-locked");
    const std::optional<std::string> folder = UnwritableFolder(scratch);
    if (!folder) GTEST_SKIP() << "no folder that cannot be written is to be had here";
    const ToolRun run = Plan2png(*folder + "/PLAN.PNG");
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_THAT(run.Errors, HasSubstr("plan2png: could not write " + *folder + "/PLAN.PNG"));
    EXPECT_FALSE(fs::exists(*folder + "/PLAN.PNG"));
}

TEST(Plan2png, AWriteCutShortLeavesThePictureThatStoodThere) {
    ScratchFolder scratch("plan2png-cut");
    const std::string png = scratch / "PLAN.PNG";
    WriteWholeFile(png, "the picture that stood here");
    // A file size limit stands in for a full disk: the write fails half-way, even for root.
    const ToolRun run = Plan2png(png, "trap '' XFSZ; ulimit -f 1");
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_THAT(run.Errors, HasSubstr("plan2png: could not write " + png));
    EXPECT_TRUE(FileText(png) == "the picture that stood here") << "the picture was replaced";
    EXPECT_THAT(scratch.Names(), ElementsAre("PLAN.PNG"));
}

TEST(Plan2png, ZoomedInPicturesDifferAndTheMedianRedrawIsTheLastLine) {
    ScratchFolder scratch("plan2png-zoom");
    const ToolRun fitted = Plan2png(scratch / "FIT.PNG");
    const ToolRun zoomed = Plan2png(scratch / "ZOOM.PNG", "", "--zoom-in 3 --time 5 ");
    ASSERT_EQ(fitted.ExitCode, 0) << fitted.Errors;
    ASSERT_EQ(zoomed.ExitCode, 0) << zoomed.Errors;
    EXPECT_NE(FileText(scratch / "FIT.PNG"), FileText(scratch / "ZOOM.PNG"));
    EXPECT_THAT(zoomed.Output, ::testing::MatchesRegex("redraw median [0-9]+\\.[0-9] ms\n"));
    EXPECT_EQ(fitted.Output, "");

    for (const char* wrong : {"--zoom-in -1 ", "--zoom-in x ", "--time 0 ", "--time "})
        EXPECT_EQ(Plan2png(scratch / "NO.PNG", "", wrong).ExitCode, 2) << wrong;
    EXPECT_FALSE(fs::exists(scratch / "NO.PNG"));
}
