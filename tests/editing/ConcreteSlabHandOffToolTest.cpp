#include "editing/ConcreteSlabHandOffTool.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "model/files/LoadCrpFile.h"
#include "plangeom/CompleteDeck.h"
#include "tests/editing/EditorFixture.h"
#include "tests/support/DeckSession.h"

namespace {

// The slab hand-off fixture deck copied into a folder of its own and loaded on the editor's canvas:
// slab 7 from (-15, -15) to (615, 515), slab 8 from (500, 200) to (900, 600) over it, both with the
// analysis program's result files; a slab-design program stands in the program folder.
struct HandOffCanvas : EditorFixture {
    ScratchFolder folder{"handoff-canvas"};

    HandOffCanvas() {
        namespace fs = std::filesystem;
        for (const char* name : {"LASTRA.CRP", "ARCHIMPA.AI0"})
            fs::copy_file(DeckFixture(std::string("slab-handoff/") + name), folder / name);
        for (const char* name : {"gus00007.mpi", "gus00008.mpi", "program/Lastrix"}) {
            fs::create_directories(fs::path(folder / name).parent_path());
            WriteWholeFile(folder / name, "");
        }
        shell.Document.CurrentFile = folder / "LASTRA.CRP";
        shell.Folders.ProgramFolder = folder / "program";
        int32_t slabDesign = 0;
        LoadCrpFile(shell.Document.CurrentFile, slabDesign, *this, platform, SessionCompletion(*this));
        shell.Document.SlabFileOnly = true;  // as a batch start with a negative number leaves it
        editor.InteractionState = Mode::ConcreteSlabHandOff;
    }
    void ClickAt(float x, float y) { Click(LeftButton, x, 600 - y); }
};

TEST(ConcreteSlabHandOffTool, OneSlabIsHandedOffAndTheProgramStarted) {
    HandOffCanvas c;
    ASSERT_EQ(c.shell.Document.LoadStatus, 0);
    c.ClickAt(100, 100);
    EXPECT_EQ(FileText(c.folder / "Soletta7.LSX"), FileText(std::string(DRAVO_FIXTURES) + "/slab-handoff/Soletta7.LSX"));
    EXPECT_FALSE(std::filesystem::exists(c.folder / "Soletta8.LSX"));
    ASSERT_EQ(c.programs.Started().size(), 1u);
    EXPECT_EQ(c.programs.Started()[0].Arguments, std::vector<std::string>{c.folder / "Soletta7.LSX"});
    EXPECT_TRUE(c.messages.Shown().empty());
    EXPECT_FALSE(c.shell.Document.SlabFileOnly);
    EXPECT_EQ(c.mode(), Mode::Idle);
    EXPECT_EQ(c.canvas.RecordsOf(CanvasCall::ClearTemporary).size(), 1u);
}

TEST(ConcreteSlabHandOffTool, OverlappingSlabsAreWrittenAndListed) {
    HandOffCanvas c;
    c.ClickAt(550, 250);
    EXPECT_TRUE(std::filesystem::exists(c.folder / "Soletta7.LSX"));
    EXPECT_TRUE(std::filesystem::exists(c.folder / "Soletta8.LSX"));
    EXPECT_TRUE(c.programs.Started().empty());
    ASSERT_EQ(c.messages.Shown().size(), 1u);
    EXPECT_TRUE(c.messages.Shown()[0].Text.ends_with("\nSoletta7.LSX\nSoletta8.LSX\n")) << c.messages.Shown()[0].Text;
    EXPECT_EQ(c.mode(), Mode::Idle);
}

// A click in the opening of slab 7, or outside every slab, only ends the tool.
TEST(ConcreteSlabHandOffTool, ClickOutsideEverySlabOnlyEndsTheTool) {
    for (const auto& [x, y] : {std::pair{450.f, 350.f}, {700.f, 100.f}}) {
        HandOffCanvas c;
        c.ClickAt(x, y);
        EXPECT_EQ(c.mode(), Mode::Idle);
        EXPECT_TRUE(c.messages.Shown().empty());
        EXPECT_TRUE(c.shell.Document.SlabFileOnly);
        EXPECT_FALSE(std::filesystem::exists(c.folder / "Soletta7.LSX"));
        EXPECT_EQ(c.canvas.RecordsOf(CanvasCall::ClearTemporary).size(), 1u);
    }
}

}  // namespace
