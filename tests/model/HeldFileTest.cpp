#include "model/files/HeldFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "tests/support/DeckSession.h"

namespace fs = std::filesystem;

namespace {

// The held file is found under its folder's new name, and is no longer found once its name is gone.
TEST(HeldFile, ItsFullNameFollowsItsFolderUntilItIsRemoved) {
    ScratchFolder scratch("held-file");
    fs::create_directory(scratch / "deck");
    WriteWholeFile(scratch / "deck/imp.TMP", "the copy");
    HeldFile held;
    std::error_code error;
    ASSERT_TRUE(held.Open(scratch / "deck/imp.TMP", error)) << error.message();
    EXPECT_EQ(held.FullName(), scratch / "deck/imp.TMP");
    EXPECT_TRUE(held.Holds("the copy"));
    EXPECT_FALSE(held.Holds("the cop"));
    EXPECT_FALSE(held.Holds("the copy and more"));

    fs::rename(scratch / "deck", scratch / "moved");
    EXPECT_EQ(held.FullName(), scratch / "moved/imp.TMP");
    EXPECT_TRUE(held.Holds("the copy"));

    std::ofstream(scratch / "moved/imp.TMP", std::ios::app) << ", changed";  // the same file, other text
    EXPECT_EQ(held.FullName(), scratch / "moved/imp.TMP");
    EXPECT_FALSE(held.Holds("the copy"));

    fs::remove(scratch / "moved/imp.TMP");
    EXPECT_EQ(held.FullName(), "");
}

// A file that took the held file's name meanwhile is somebody else's: removing the held one leaves it.
TEST(HeldFile, RemovingItLeavesAFileThatTookItsName) {
    ScratchFolder scratch("held-file-taken");
    const std::string name = scratch / "imp.TMP";
    WriteWholeFile(name, "the copy");
    HeldFile held;
    std::error_code error;
    ASSERT_TRUE(held.Open(name, error)) << error.message();
    WriteWholeFile(scratch / "other", "somebody's file");
    fs::rename(scratch / "other", name);
    EXPECT_EQ(held.FullName(), "");
    held.Remove();
    EXPECT_EQ(FileText(name), "somebody's file");

    HeldFile own;
    ASSERT_TRUE(own.Open(name, error)) << error.message();
    own.Remove();
    EXPECT_FALSE(fs::exists(name));
    EXPECT_FALSE(own.IsOpen());
}

// A link or a folder at the name is never held.
TEST(HeldFile, OnlyARegularFileIsHeldNeverThroughALink) {
    ScratchFolder scratch("held-file-link");
    WriteWholeFile(scratch / "target", "text");
    fs::create_symlink(scratch / "target", scratch / "link");
    HeldFile held;
    std::error_code error;
    EXPECT_FALSE(held.Open(scratch / "link", error));
    EXPECT_FALSE(held.Open(scratch / "", error));
    EXPECT_FALSE(held.IsOpen());
}

}  // namespace

// The text is read to the file's end, past the size the file system tells: nothing may follow it.
// A file of the system's own list (its size told as 0, its text longer) shows it.
TEST(HeldFile, HoldsOnlyATextThatNothingFollows) {
    HeldFile file;
    std::error_code error;
    ASSERT_TRUE(file.Open("/proc/self/status", error)) << error.message();
    EXPECT_FALSE(file.Holds(""));
}
