#include "dxf/file/DxfFileParts.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include <cerrno>

#include "tests/dxf/file/DxfFileRecords.h"
#include "model/files/NewFiles.h"
#include "tests/support/DeckSession.h"
#include "tests/support/RefusedCalls.h"

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

// A spool with a file is what the file holds, its buffer included, then its own text; the file is
// made at the first drain, beside the drawing, and has no name there, so that it goes with its
// owner however the process ends.
TEST(DxfFileParts, ASpoolWithAFileIsWhatTheFileHoldsThenItsOwnText) {
    ScratchFolder folder("dxf-parts-drained");
    const std::string target = folder / "PIANTA.DXF";
    {
        DxfSpoolFile drained(target), unended(target), splitLineEnd(target), untouched(target);
        drained.Append("  0\r\nLINE\r\n");
        EXPECT_TRUE(folder.Names().empty()) << "no file before the first drain";
        drained.Drain();
        if (MakesNamelessFiles(folder / "")) {
            EXPECT_TRUE(folder.Names().empty()) << "the scratch file has a name: " << folder.Names()[0];
        }
        drained.Append("  0\r\nCIRCLE\r\n");  // still in the buffer
        EXPECT_EQ(drained.Size(), 24u);
        unended.Append("  0\r\nTEXT");
        unended.Drain();
        splitLineEnd.Append("  0\r\nARC\r");
        splitLineEnd.Drain();
        splitLineEnd.Append("\n");
        const std::string own = "  0\r\nPOINT", none;

        DxfFileParts file;
        file.Text() += "A\r\n";
        file.Spool(own, &drained);
        file.Spool(none, &unended);
        file.Spool(none, &splitLineEnd);
        file.Spool(none, &untouched);
        file.Text() += "B\r\n";
        const std::string expected =
            "A\r\n  0\r\nLINE\r\n  0\r\nCIRCLE\r\n  0\r\nPOINT\r\n  0\r\nTEXT\r\n  0\r\nARC\r\nB\r\n";
        EXPECT_EQ(file.Joined(), expected);
        EXPECT_EQ(Written(file, folder / "OUT.DXF"), expected);
        std::remove((folder / "OUT.DXF").c_str());
    }
    EXPECT_TRUE(folder.Names().empty()) << "the spool files go with their owners";
}

// Where the file system makes no nameless files, the scratch file keeps a name of its own while it
// is open (a file removed while open would stay behind on a FAT stick through FUSE), and that name
// is removed once its owner is done with it.
TEST(DxfSpoolFile, WithoutNamelessFilesTheScratchFileIsRemovedByItsNameOnceDone) {
    ScratchFolder folder("dxf-spool-named");
    CommitCalls calls;
    calls.OpenNameless = Refused<const char*, int, mode_t>(EOPNOTSUPP);
    {
        DxfSpoolFile spool(folder / "PIANTA.DXF", DxfSpoolFile::DefaultDrainBytes, calls);
        spool.Append("  0\r\nLINE\r\n");
        spool.Drain();
        spool.Append("  0\r\nCIRCLE\r\n");
        const std::vector<std::string> names = folder.Names();
        ASSERT_EQ(names.size(), 1u);
        EXPECT_EQ(names[0].rfind("PIANTA.DXF.~", 0), 0u) << names[0];
        std::string text;
        std::error_code error;
        ASSERT_TRUE(spool.AppendTo(text, error)) << error.message();
        EXPECT_EQ(text, "  0\r\nLINE\r\n  0\r\nCIRCLE\r\n");
    }
    EXPECT_TRUE(folder.Names().empty()) << "left behind: " << folder.Names()[0];
}

TEST(DxfSpoolFile, AFolderThatCannotHoldItEndsTheDrainWithTheCause) {
    ScratchFolder folder("dxf-spool-nowhere");
    DxfSpoolFile file(folder / "no such folder/PIANTA.DXF");
    file.Append("  0\r\nLINE\r\n");
    try {
        file.Drain();
        ADD_FAILURE() << "a spool drained into a folder that does not exist";
    } catch (const DxfSpoolError& error) {
        EXPECT_EQ(error.code(), std::errc::no_such_file_or_directory);
    }
}
