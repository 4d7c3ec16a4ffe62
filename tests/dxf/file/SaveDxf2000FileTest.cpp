#include "dxf/file/Dxf2000File.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "dxf/output/DxfPlanPass.h"
#include "tests/dxf/file/DxfExports.h"
#include "tests/support/DeckSession.h"

namespace fs = std::filesystem;

namespace {

size_t FilesIn(const fs::path& folder) {
    return static_cast<size_t>(std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

}  // namespace

TEST(SaveDxf2000File, ReplacesAFileWithTheWholeTextAndLeavesNothingElseBeside) {
    ScratchFolder folder("dxf-save");
    const std::string path = folder / "PIANTA.DXF";
    {
        std::ofstream(path, std::ios::binary) << "an older drawing, longer than nothing";
    }
    DxfExport e;
    DrawSmallPlan(e);
    DxfExport twin = e;
    std::string reason;
    ASSERT_TRUE(SaveDxf2000File(path, e.writer, e.drawing, e.options, reason)) << reason;
    EXPECT_EQ(ReadBytes(path), twin.File());
    EXPECT_EQ(FilesIn(fs::path(path).parent_path()), 1u);
}

TEST(SaveDxf2000File, AFailedSaveLeavesWhatStoodThereAndNoTemporaryFile) {
    ScratchFolder folder("dxf-save-fails");
    // A folder cannot be replaced by a file: the rename at the end fails.
    const std::string taken = folder / "TAKEN.DXF";
    fs::create_directory(taken);
    std::ofstream(fs::path(taken) / "inside.txt") << "kept";
    DxfExport e;
    std::string reason;
    EXPECT_FALSE(SaveDxf2000File(taken, e.writer, e.drawing, e.options, reason));
    EXPECT_FALSE(reason.empty());
    EXPECT_TRUE(fs::is_directory(taken));
    EXPECT_EQ(ReadBytes(fs::path(taken) / "inside.txt"), "kept");
    EXPECT_EQ(FilesIn(fs::path(taken).parent_path()), 1u);

    const std::string nowhere = (fs::path(folder / "no such folder") / "PIANTA.DXF").string();
    EXPECT_FALSE(SaveDxf2000File(nowhere, e.writer, e.drawing, e.options, reason));
    EXPECT_FALSE(fs::exists(nowhere));
}

// The whole road of an export: a deck loaded and drawn into the DXF output, its spools put
// together into a file at each drawing scale.
TEST(SaveDxf2000File, TheDemoDeckDrawnIntoAFileOpensInTheReader) {
    for (int32_t scaleIs50 : {1, 0}) {
        DeckSession deck;
        SetDefaultLayersAndOptions(deck.drawing, deck.shell.Options, deck.design, deck.dxf);
        ASSERT_TRUE(deck.Load(std::string(DRAVO_EXAMPLES) + "/frame/DEMO.CRP")) << deck.Messages();
        deck.dxf.DxfR12 = 0;
        deck.dxf.DxfScaleIs50 = scaleIs50;
        deck.dxf.DxfScaleFactor = scaleIs50 ? 2.0f : 1.0f;
        DxfWriterState writer;
        InitDxfHandles(writer);
        DrawPlanIntoDxf(deck, writer);
        ASSERT_FALSE(writer.EntitySpool.empty());

        const std::string name = scaleIs50 ? "demo-deck-50" : "demo-deck-100";
        std::string reason;
        fs::create_directories(DRAVO_DXF_OUT);
        ASSERT_TRUE(SaveDxf2000File(std::string(DRAVO_DXF_OUT) + "/" + name + ".dxf", writer, deck.drawing, deck.dxf,
                                    reason))
            << reason;
    }
}
