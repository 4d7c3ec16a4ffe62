#include "dxf/file/DxfFileParts.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "tests/dxf/file/DxfFileRecords.h"
#include "tests/support/DeckSession.h"

namespace {

// What WriteTo puts into a file of its own.
std::string Written(const DxfFileParts& parts, const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    std::error_code error;
    const bool written = parts.WriteTo(file, error);
    std::fclose(file);
    EXPECT_TRUE(written) << error.message();
    return ReadBytes(path);
}

}  // namespace

TEST(DxfFileParts, SpoolsFollowWhatWasWrittenAndEveryLineIsEnded) {
    ScratchFolder folder("dxf-parts");
    const std::string ended = "  0\r\nLINE\r\n";
    const std::string unended = "  0\r\nCIRCLE";
    const std::string empty;
    DxfFileParts file;
    file.Text() += "A\r\n";
    file.Spool(ended);
    file.Spool(unended);
    file.Spool(empty);
    file.Text() += "B\r\n";
    file.Prepend("HEAD\r\n");

    const std::string expected = "HEAD\r\nA\r\n" + ended + unended + "\r\nB\r\n";
    EXPECT_EQ(file.Joined(), expected);
    EXPECT_EQ(Written(file, folder / "OUT.DXF"), expected);
}

// A spool that drained is what its file holds, then its own text; the file is made at the first
// drain, beside the drawing, and gone once the spool file is.
TEST(DxfFileParts, ADrainedSpoolIsItsFileThenItsOwnText) {
    ScratchFolder folder("dxf-parts-drained");
    const std::string target = folder / "PIANTA.DXF";
    {
        DxfSpoolFile drained(target), unendedFile(target), untouched(target);
        EXPECT_TRUE(folder.Names().empty()) << "no file before the first drain";
        std::string spool = "  0\r\nLINE\r\n";
        drained.Drain(spool);
        EXPECT_TRUE(spool.empty());
        EXPECT_EQ(drained.Size(), 11u);
        ASSERT_EQ(folder.Names().size(), 1u);
        EXPECT_TRUE(folder.Names()[0].starts_with("PIANTA.DXF.~")) << folder.Names()[0];
        spool = "  0\r\nCIRCLE";
        std::string lastDrainUnended = "  0\r\nTEXT";
        unendedFile.Drain(lastDrainUnended);
        const std::string none;

        DxfFileParts file;
        file.Text() += "A\r\n";
        file.Spool(spool, &drained);
        file.Spool(none, &unendedFile);
        file.Spool(none, &untouched);
        file.Text() += "B\r\n";
        const std::string expected = "A\r\n  0\r\nLINE\r\n  0\r\nCIRCLE\r\n  0\r\nTEXT\r\nB\r\n";
        EXPECT_EQ(file.Joined(), expected);
        EXPECT_EQ(Written(file, folder / "OUT.DXF"), expected);
        std::remove((folder / "OUT.DXF").c_str());
    }
    EXPECT_TRUE(folder.Names().empty()) << "the spool files are removed with their owners";
}

TEST(DxfSpoolFile, AFolderThatCannotHoldItEndsTheDrainWithTheCause) {
    ScratchFolder folder("dxf-spool-nowhere");
    DxfSpoolFile file(folder / "no such folder/PIANTA.DXF");
    std::string spool = "  0\r\nLINE\r\n";
    try {
        file.Drain(spool);
        ADD_FAILURE() << "a spool drained into a folder that does not exist";
    } catch (const DxfSpoolError& error) {
        EXPECT_EQ(error.code(), std::errc::no_such_file_or_directory);
    }
}
