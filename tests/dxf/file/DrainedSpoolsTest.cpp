// A drawing whose spools drain into scratch files gives the same file, byte for byte, as one
// whose spools stay in memory, wherever the drains fall.
#include <gtest/gtest.h>

#include <string>

#include "dxf/file/DxfFile.h"
#include "dxf/writers/DxfBlockEntities.h"
#include "dxf/writers/DxfBlockFrames.h"
#include "dxf/writers/DxfDimensions.h"
#include "dxf/writers/DxfSpoolFile.h"
#include "tests/dxf/file/DxfExports.h"
#include "tests/support/DeckSession.h"

namespace {

// A hatch block of a few lines and its INSERT, as the hatch writer makes them in either dialect.
void DrawHatch(DxfExport& e, float offset) {
    DxfWriterState& w = e.writer;
    const bool dxf2000 = e.options.DxfR12 == 0;
    const std::string name = GetNextHatchBlockName(w);
    std::string owner;
    if (dxf2000) {
        owner = GetNextHandle(w);
        SetHatchBlockRecordHandle(w, owner);
        WriteBlockBegin(w, 0, name, e.Layer(20), owner);
    } else {
        WriteDxf12BlockBegin(w, name);
    }
    for (int i = 0; i < 5; ++i) {
        const float y = offset + 10.0f * static_cast<float>(i) + 0.123456f;
        if (dxf2000) WriteBlockLine(w, -50.5f, y, 49.75f, y, 3, 0, e.Layer(20), owner);
        else WriteDxf12BlockLine(w, -50.5f, y, 49.75f, y, 3, 0, e.Layer(20));
    }
    if (dxf2000) WriteBlockEnd(w, owner);
    else WriteDxf12BlockEnd(w);
    WriteHatchInsert(w, dxf2000, name, offset, -offset / 3, e.Layer(20));
}

void DrawPlanWithBlocks(DxfExport& e) {
    for (int copy = 0; copy < 3; ++copy) {
        DrawSmallPlan(e);
        DrawHatch(e, 100.0f * static_cast<float>(copy));
        if (e.options.DxfR12 != 0) continue;
        Dxf2000Dimension d;
        d.TextHeight = 20;
        d.X2 = 250.5f + static_cast<float>(copy);
        d.MY1 = d.MY2 = -50;
        d.MX2 = d.X2;
        d.StyleName = "SC50";
        WriteDxf2000Dimension(e.writer, e.options, e.drawing, d);
    }
}

}  // namespace

TEST(DrainedSpools, GiveTheFileOfSpoolsKeptInMemoryInBothDialects) {
    ScratchFolder folder("dxf-drained");
    const std::string target = folder / "PIANTA.DXF";
    for (int32_t r12 : {0, 1}) {
        DxfExport inMemory;
        inMemory.options.DxfR12 = r12;
        DrawPlanWithBlocks(inMemory);
        const std::string expected = DxfFileText(inMemory.writer, inMemory.drawing, inMemory.options);

        // A drain after every line, after a few records, and one too large to come.
        for (size_t drainBytes : {size_t{1}, size_t{700}, size_t{1} << 30}) {
            SCOPED_TRACE("R12 " + std::to_string(r12) + ", drains at " + std::to_string(drainBytes));
            DxfSpoolFile entities(target, drainBytes), blocks(target, drainBytes);
            DxfExport drained;
            drained.options.DxfR12 = r12;
            AttachDxfSpoolFiles(drained.writer, entities, blocks);
            DrawPlanWithBlocks(drained);
            EXPECT_LE(drained.writer.EntitySpool.size(), drainBytes + 256);
            if (drainBytes == 1) {
                EXPECT_TRUE(drained.writer.EntitySpool.empty());
            }

            const DxfFileParts parts = DxfFileFor(drained.writer, drained.drawing, drained.options);
            EXPECT_EQ(parts.Joined(), expected);
            std::FILE* out = std::fopen(target.c_str(), "wb");
            std::error_code error;
            EXPECT_TRUE(parts.WriteTo(out, error)) << error.message();
            std::fclose(out);
            EXPECT_EQ(ReadBytes(target), expected);
        }
        EXPECT_EQ(folder.Names(), std::vector<std::string>{"PIANTA.DXF"}) << "no spool file is left";
    }
}
