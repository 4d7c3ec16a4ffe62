// A FAT stick mounted through FUSE, as these machines mount one: no nameless files, no exclusive
// rename, no links, no modes, and a file removed while open kept under a hidden name that the FAT
// driver does not give back. The exports and the save leave exactly their files there.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "bench/DeckGenerator.h"
#include "dxf/writers/DxfSpoolFile.h"
#include "tests/support/DeckSession.h"
#include "tests/tools/ToolRun.h"

namespace fs = std::filesystem;
using ::testing::ElementsAre;

namespace {

// The mount points as the system lists them: octal escapes (a space as \040) turned back.
std::string Unescaped(const std::string& listed) {
    std::string name;
    for (size_t i = 0; i < listed.size(); ++i) {
        if (listed[i] == '\\' && i + 3 < listed.size()) {
            name += static_cast<char>(std::stoi(listed.substr(i + 1, 3), nullptr, 8));
            i += 3;
        } else {
            name += listed[i];
        }
    }
    return name;
}

// Whether something is mounted at `folder`, a name without links, as the system names it.
bool Mounted(const std::string& folder) {
    std::ifstream mounts("/proc/self/mounts");
    std::string device, point, rest;
    while (mounts >> device >> point && std::getline(mounts, rest))
        if (Unescaped(point) == folder) return true;
    return false;
}

// A mount or an unmount that hangs (a FUSE daemon that never answers) is given up after this.
const std::string Patiently = "timeout 30 ";

bool Quietly(const std::string& command) { return std::system((command + " >/dev/null 2>&1").c_str()) == 0; }

// A tool run on the stick, stopped (and failed) where the stick stops answering.
ToolRun RunOnStick(const std::string& commandLine) { return RunTool("timeout 300 " + commandLine); }

class FatStick : public ::testing::Test {
protected:
    void SetUp() override {
        if (!fs::exists("/dev/fuse")) GTEST_SKIP() << "no /dev/fuse here";
        if (!Quietly("command -v fusefat && command -v mkfs.vfat && command -v fusermount"))
            GTEST_SKIP() << "fusefat, mkfs.vfat or fusermount is not installed";
        image_ = scratch_ / "fat.img";
        fs::create_directory(scratch_ / "stick");
        // The system lists a mount under the name its links end at.
        stick_ = fs::canonical(scratch_ / "stick").string();
        if (!Quietly("truncate -s 120M " + Quoted(image_) + " && mkfs.vfat -F 32 " + Quoted(image_)))
            GTEST_SKIP() << "no FAT image could be made";
        // From here on the stick is unmounted at the end, whatever the mount said.
        mountTried_ = true;
        // One thread: the FAT driver has been seen to deadlock its own threads.
        Quietly(Patiently + "fusefat -s -o rw+ " + Quoted(image_) + " " + Quoted(stick_));
        for (int wait = 0; wait < 50 && !Mounted(stick_); ++wait)
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        if (!Mounted(stick_)) GTEST_SKIP() << "the FUSE mount was refused here";
    }
    void TearDown() override {
        if (!mountTried_ || !Mounted(stick_)) return;
        // Where something still holds the stick, it goes once that lets go.
        if (!Quietly(Patiently + "fusermount -u " + Quoted(stick_)))
            Quietly(Patiently + "fusermount -u -z " + Quoted(stick_));
    }

    ScratchFolder scratch_{"fat-stick"};
    std::string image_, stick_;
    bool mountTried_ = false;
};

}  // namespace

// Twice an export large enough to spool, then the deck saved beside it: the stick holds the
// drawing, the list, the deck and its archive, and nothing else.
TEST_F(FatStick, ExportsTwiceAndSavesWithItsArchiveLeavingOnlyTheirFiles) {
    ScratchFolder decks("fat-stick-deck");
    const GeneratedDeck deck = WriteGeneratedDeck(decks / "", 20, 20);
    const std::string drawing = stick_ + "/OUT.DXF", list = stick_ + "/OUT.TXT", saved = stick_ + "/DECK.CRP";
    const std::string local = decks / "LOCAL.DXF";
    const ToolRun reference = RunOnStick(Quoted(DRAVO_CRP2DXF) + " --takeoff-file 1 " + Quoted(local) + " " +
                                      Quoted(deck.DataFile));
    ASSERT_EQ(reference.ExitCode, 0) << reference.Errors;
    // Past the buffer the spools drain at: they went to their scratch files.
    ASSERT_GT(fs::file_size(local), 2 * DxfSpoolFile::DefaultDrainBytes);

    for (int run = 1; run <= 2; ++run) {
        SCOPED_TRACE("export " + std::to_string(run));
        const ToolRun exported = RunOnStick(Quoted(DRAVO_CRP2DXF) + " --takeoff-file 1 " + Quoted(drawing) + " " +
                                         Quoted(deck.DataFile));
        ASSERT_EQ(exported.ExitCode, 0) << exported.Errors;
        EXPECT_THAT(scratch_.Names("stick"), ElementsAre("OUT.DXF", "OUT.TXT"));
        EXPECT_TRUE(FileText(drawing) == FileText(local));
        EXPECT_TRUE(FileText(list) == FileText(decks / "LOCAL.TXT"));
    }

    const ToolRun save = RunOnStick(Quoted(DRAVO_CRPDUMP) + " --save " + Quoted(saved) + " " + Quoted(deck.DataFile));
    ASSERT_EQ(save.ExitCode, 0) << save.Errors;
    EXPECT_THAT(scratch_.Names("stick"), ElementsAre("ARCHIMPA.AI0", "DECK.CRP", "OUT.DXF", "OUT.TXT"));
    EXPECT_TRUE(FileText(stick_ + "/ARCHIMPA.AI0") == FileText(decks / "ARCHIMPA.AI0"));
    const ToolRun again = RunOnStick(Quoted(DRAVO_CRPDUMP) + " " + Quoted(saved));
    EXPECT_EQ(again.ExitCode, 0) << again.Output;
}
