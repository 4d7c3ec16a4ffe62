#include "shell/RecentFiles.h"

#include <gtest/gtest.h>

#include <vector>

#include "model/files/WholeFiles.h"
#include "tests/support/Golden.h"
#include "tests/support/DeckSession.h"

namespace {


std::vector<std::string> Listed(const RecentFileList& list) {
    std::vector<std::string> paths;
    for (int32_t slot = 0; slot < list.RecentFileCount; ++slot) paths.push_back(list.RecentFiles[slot]);
    return paths;
}

class RecentFilesTest : public ::testing::Test {
protected:
    RecentFilesTest() : folder_("recent") {
        s_.shell.Folders.SettingsFolder = folder_ / "";
        s_.shell.Folders.SettingsFolder.pop_back();
    }

    void Add(std::initializer_list<std::string> paths) {
        for (const std::string& path : paths) AddRecentFile(s_, path);
    }
    std::vector<std::string> List() const { return Listed(s_.shell.Recent); }
    std::string FileHere() const { return folder_ / "Tessal.MEM"; }

    ScratchFolder folder_;
    Session s_;
};

TEST_F(RecentFilesTest, OpenedFileMovesToTheFrontAndTheListKeepsFour) {
    Add({"/d/A.CRP", "/d/B.CRP", "/d/C.CRP"});
    EXPECT_EQ(List(), (std::vector<std::string>{"/d/C.CRP", "/d/B.CRP", "/d/A.CRP"}));

    EXPECT_TRUE(AddRecentFile(s_, "/d/A.CRP"));  // from the last slot to the front
    EXPECT_EQ(List(), (std::vector<std::string>{"/d/A.CRP", "/d/C.CRP", "/d/B.CRP"}));
    EXPECT_FALSE(AddRecentFile(s_, "/d/A.CRP"));  // already first: nothing changes

    Add({"/d/D.CRP", "/d/E.CRP"});  // a fifth file pushes the oldest out
    EXPECT_EQ(List(), (std::vector<std::string>{"/d/E.CRP", "/d/D.CRP", "/d/A.CRP", "/d/C.CRP"}));
    EXPECT_TRUE(AddRecentFile(s_, "/d/A.CRP"));  // slot 2 to the front, slot 3 stays
    EXPECT_EQ(List(), (std::vector<std::string>{"/d/A.CRP", "/d/E.CRP", "/d/D.CRP", "/d/C.CRP"}));

    // The unnamed document and the empty name are never listed; a name differing in case is
    // another file.
    for (const char* ignored : {"", "Anonimo", "ANONIMO", "anonimo"}) EXPECT_FALSE(AddRecentFile(s_, ignored));
    EXPECT_TRUE(AddRecentFile(s_, "/d/a.crp"));
    EXPECT_EQ(List(), (std::vector<std::string>{"/d/a.crp", "/d/A.CRP", "/d/E.CRP", "/d/D.CRP"}));
}

TEST_F(RecentFilesTest, DroppedEntryLeavesTheOthersInOrder) {
    Add({"/d/A.CRP", "/d/B.CRP", "/d/C.CRP"});
    EXPECT_FALSE(DropRecentFile(s_, 3));
    EXPECT_FALSE(DropRecentFile(s_, -1));
    EXPECT_TRUE(DropRecentFile(s_, 1));
    EXPECT_EQ(List(), (std::vector<std::string>{"/d/C.CRP", "/d/A.CRP"}));
    EXPECT_TRUE(DropRecentFile(s_, 0));
    EXPECT_TRUE(DropRecentFile(s_, 0));
    EXPECT_EQ(s_.shell.Recent.RecentFileCount, 0);
    EXPECT_FALSE(DropRecentFile(s_, 0));
}

TEST_F(RecentFilesTest, FileEqualsTheGoldenCopyAndReadsBack) {
    Add({"/home/studio/decks/COPERTURA.CRP", "/home/studio/decks/primo.crp", "/home/studio/decks/PIANO TERRA.CRP"});
    ASSERT_TRUE(SaveRecentFiles(s_));
    EXPECT_TRUE(MatchesGolden(FileText(FileHere()), "recent/Tessal.MEM"));

    Session read;
    read.shell.Folders = s_.shell.Folders;
    LoadRecentFiles(read);
    EXPECT_EQ(Listed(read.shell.Recent), List());

    // The list emptied is written as a count of 0, so a dropped entry does not come back.
    while (DropRecentFile(s_, 0)) {}
    ASSERT_TRUE(SaveRecentFiles(s_));
    EXPECT_EQ(FileText(FileHere()), "0\r\n");
    LoadRecentFiles(read);
    EXPECT_EQ(read.shell.Recent.RecentFileCount, 0);
}

TEST_F(RecentFilesTest, MissingFileOrUnknownFolderLeaveEverythingAsItIs) {
    Add({"/d/A.CRP"});
    LoadRecentFiles(s_);  // no file yet
    EXPECT_EQ(List(), std::vector<std::string>{"/d/A.CRP"});

    Session noFolders;
    noFolders.shell.Recent = s_.shell.Recent;
    EXPECT_FALSE(SaveRecentFiles(noFolders));
}

TEST(RecentFilesText, DamagedFileReadsWhatItCan) {
    struct Case {
        const char* Text;
        std::vector<std::string> Paths;
    };
    const Case cases[] = {
        {"", {}},
        {"0\r\n\"/d/A.CRP\"\r\n", {}},
        {"2\n\"/d/A.CRP\"\n\"/d/B.CRP\"\n", {"/d/A.CRP", "/d/B.CRP"}},      // line feeds alone
        {"3\r\n\"/d/A.CRP\"\r\n", {"/d/A.CRP"}},                            // fewer paths than counted
        {"9\r\n\"1\"\r\n\"2\"\r\n\"3\"\r\n\"4\"\r\n\"5\"\r\n", {"1", "2", "3", "4"}},  // count above 4
        {"due\r\n\"/d/A.CRP\"\r\n\"/d/B.CRP\"\r\n", {"/d/A.CRP", "/d/B.CRP"}},  // no readable count
        {"-1\r\n\"/d/A.CRP\"\r\n", {}},
        {"3\r\n\r\n\"\"\r\n\"/d/A.CRP\"\r\n", {"/d/A.CRP"}},  // blank and empty paths left out
        {"2\r\n  \"/d/x \"y\".CRP\"  \r\n/d/B.CRP\r\n", {"/d/x \"y\".CRP", "/d/B.CRP"}},
        {"1\r\n\"/d/unclosed.CRP\r\n", {"/d/unclosed.CRP"}},
    };
    for (const Case& c : cases) EXPECT_EQ(Listed(ReadRecentFilesText(c.Text)), c.Paths) << c.Text;
}

}  // namespace
