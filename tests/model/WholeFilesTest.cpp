#include "model/files/WholeFiles.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "tests/support/DeckSession.h"

namespace fs = std::filesystem;
using ::testing::ElementsAre;

namespace {

mode_t ModeOf(const std::string& path) {
    struct stat status {};
    EXPECT_EQ(::stat(path.c_str(), &status), 0) << path;
    return status.st_mode & 07777;
}

std::string Replace(const std::string& path, const std::string& text) {
    std::string reason;
    return ReplaceWholeFile(path, text, reason) ? "" : reason.empty() ? "failed without a reason" : reason;
}

// The process's file-creation mask for the life of the object.
class Umask {
public:
    explicit Umask(mode_t mask) : previous_(::umask(mask)) {}
    ~Umask() { ::umask(previous_); }

private:
    mode_t previous_;
};

nlink_t LinkCount(std::FILE* file) {
    struct stat status {};
    EXPECT_EQ(::fstat(::fileno(file), &status), 0);
    return status.st_nlink;
}

}  // namespace

TEST(ReplaceWholeFile, ANamePlantedWhereTheTemporaryFileWentIsNeverWrittenThrough) {
    ScratchFolder scratch("whole-planted");
    const std::string target = scratch / "P.CRP";
    const std::string unrelated = scratch / "unrelated.txt";
    ASSERT_TRUE(WriteWholeFile(target, "old deck"));
    ASSERT_TRUE(WriteWholeFile(unrelated, "somebody else's file"));
    fs::create_symlink(unrelated, target + ".~tmp");

    EXPECT_EQ(Replace(target, "new deck"), "");
    EXPECT_EQ(FileText(unrelated), "somebody else's file");
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(target)));
    EXPECT_EQ(FileText(target), "new deck");
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(target + ".~tmp"))) << "a name that is not ours stays";
    EXPECT_THAT(scratch.Names(), ElementsAre("P.CRP", "P.CRP.~tmp", "unrelated.txt"));
}

TEST(ReplaceWholeFile, ALinkStaysALinkAndTheFileItEndsAtIsReplacedInItsOwnFolder) {
    ScratchFolder scratch("whole-linked");
    fs::create_directories(scratch / "decks");
    fs::create_directories(scratch / "links");
    const std::string real = scratch / "decks/P.CRP";
    ASSERT_TRUE(WriteWholeFile(real, "old deck"));
    fs::permissions(real, fs::perms(0640));
    // A relative link to a link: both are followed, from the folder each lies in.
    fs::create_symlink("../decks/P.CRP", scratch / "links/middle");
    fs::create_symlink("middle", scratch / "links/P.CRP");

    EXPECT_EQ(Replace(scratch / "links/P.CRP", "new deck"), "");
    EXPECT_EQ(fs::read_symlink(scratch / "links/P.CRP"), "middle");
    EXPECT_EQ(fs::read_symlink(scratch / "links/middle"), "../decks/P.CRP");
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(real)));
    EXPECT_EQ(FileText(real), "new deck");
    EXPECT_EQ(ModeOf(real), 0640u);
    EXPECT_THAT(scratch.Names("decks"), ElementsAre("P.CRP"));
    EXPECT_THAT(scratch.Names("links"), ElementsAre("P.CRP", "middle"));

    // A link to nothing yet makes the file it names.
    fs::create_symlink("../decks/NEW.CRP", scratch / "links/NEW.CRP");
    EXPECT_EQ(Replace(scratch / "links/NEW.CRP", "a new deck"), "");
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(scratch / "links/NEW.CRP")));
    EXPECT_EQ(FileText(scratch / "decks/NEW.CRP"), "a new deck");

    // A loop of links is refused.
    fs::create_symlink("LOOP.CRP", scratch / "links/LOOP.CRP");
    EXPECT_NE(Replace(scratch / "links/LOOP.CRP", "x"), "");
}

TEST(ReplaceWholeFile, TheReplacedFileKeepsItsPermissionBitsAndANewOneTakesTheUsualOnes) {
    ScratchFolder scratch("whole-modes");
    const Umask mask(022);
    for (mode_t mode : {0640u, 0600u, 0664u, 0200u}) {
        const std::string path = scratch / ("M" + std::to_string(mode));
        ASSERT_TRUE(WriteWholeFile(path, "old"));
        ::chmod(path.c_str(), mode);
        EXPECT_EQ(Replace(path, "new"), "") << std::oct << mode;
        EXPECT_EQ(ModeOf(path), mode) << std::oct << mode;
        ::chmod(path.c_str(), 0600);
        EXPECT_EQ(FileText(path), "new");
    }
    EXPECT_EQ(Replace(scratch / "FRESH", "new"), "");
    EXPECT_EQ(ModeOf(scratch / "FRESH"), 0644u);
}

TEST(ReplaceWholeFile, WhatCannotBeReplacedIsRefusedUntouchedAndNothingIsLeftBeside) {
    struct Case {
        const char* name;
        std::function<void(const std::string&)> plant;  // what stands at the target before
        std::error_code expected;
    };
    const Case cases[] = {
        {"a read-only file",
         [](const std::string& p) {
             WriteWholeFile(p, "kept");
             ::chmod(p.c_str(), 0444);
         },
         WholeFileError::ReadOnly},
        {"a folder", [](const std::string& p) { fs::create_directory(p); },
         std::make_error_code(std::errc::is_a_directory)},
        {"a pipe", [](const std::string& p) { ::mkfifo(p.c_str(), 0644); }, WholeFileError::NotARegularFile},
        {"a link to a read-only file",
         [](const std::string& p) {
             WriteWholeFile(p + ".real", "kept");
             ::chmod((p + ".real").c_str(), 0444);
             fs::create_symlink(p + ".real", p);
         },
         WholeFileError::ReadOnly},
    };
    for (const Case& c : cases) {
        ScratchFolder scratch("whole-refused");
        const std::string target = scratch / "T";
        c.plant(target);
        const std::vector<std::string> before = scratch.Names();
        std::error_code error;
        EXPECT_FALSE(ReplaceWholeFile(target, std::string("new"), error)) << c.name;
        EXPECT_EQ(error, c.expected) << c.name << ": " << error.message();
        EXPECT_EQ(scratch.Names(), before) << c.name;
        if (fs::is_regular_file(target)) {
            EXPECT_EQ(FileText(target), "kept") << c.name;
        }
    }
    ScratchFolder scratch("whole-read-only");
    ASSERT_TRUE(WriteWholeFile(scratch / "R.CRP", "kept"));
    ::chmod((scratch / "R.CRP").c_str(), 0444);
    EXPECT_EQ(Replace(scratch / "R.CRP", "new"), "the file is read-only");
    EXPECT_EQ(ModeOf(scratch / "R.CRP"), 0444u);

    // No folder to make the file in.
    EXPECT_NE(Replace(scratch / "missing/R.CRP", "new"), "");
    EXPECT_THAT(scratch.Names(), ElementsAre("R.CRP"));
}

TEST(ReplaceWholeFile, AWriteThatFailsHalfWayLeavesTheOldFileAndNoTemporaryOne) {
    ScratchFolder scratch("whole-too-large");
    const std::string target = scratch / "BIG.DXF";
    ASSERT_TRUE(WriteWholeFile(target, "old"));
    // A size limit stands in for a full disk, which fails the write even for root.
    rlimit kept{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &kept), 0);
    const auto keptSignal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = kept;
    small.rlim_cur = 1024;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    std::error_code error;
    const bool written = ReplaceWholeFile(target, std::string(1 << 20, 'x'), error);
    ::setrlimit(RLIMIT_FSIZE, &kept);
    std::signal(SIGXFSZ, keptSignal);

    EXPECT_FALSE(written);
    EXPECT_EQ(error, std::errc::file_too_large) << error.message();
    EXPECT_EQ(FileText(target), "old");
    EXPECT_THAT(scratch.Names(), ElementsAre("BIG.DXF"));
}

// Where the folder's file system makes files without a name, a temporary file has none until its
// text is whole; elsewhere it has a new name of its own beside its target.
TEST(TemporaryFile, EachIsANewFileBesideItsTargetRemovedUnlessCommitted) {
    ScratchFolder scratch("whole-temporary");
    const std::string target = scratch / "OUT.DXF";
    const bool nameless = MakesNamelessFiles(scratch / "");
    std::error_code error;
    {
        TemporaryFile first, second;
        ASSERT_TRUE(CreateTemporaryBeside(target, first, error)) << error.message();
        ASSERT_TRUE(CreateTemporaryBeside(target, second, error)) << error.message();
        EXPECT_EQ(first.Target, target);
        if (nameless) {
            EXPECT_EQ(LinkCount(first.File), 0u);
            EXPECT_TRUE(first.Path.empty()) << first.Path;
            EXPECT_TRUE(scratch.Names().empty());
        } else {
            EXPECT_NE(first.Path, second.Path);
            EXPECT_EQ(fs::path(first.Path).parent_path(), fs::path(target).parent_path());
            EXPECT_TRUE(fs::path(first.Path).filename().string().starts_with("OUT.DXF.~"));
            EXPECT_EQ(scratch.Names().size(), 2u);
        }

        ASSERT_GE(std::fputs("streamed", first.File), 0);
        ASSERT_TRUE(CommitTemporary(first, error)) << error.message();
        EXPECT_EQ(first.File, nullptr);
    }
    EXPECT_EQ(FileText(target), "streamed");
    EXPECT_THAT(scratch.Names(), ElementsAre("OUT.DXF")) << "the uncommitted one is gone";
}

// A scratch file lies where the file it serves will: beside the end of the target's links, for the
// owner alone, readable, and without a name from the start, so that it never outlives its owner
// however the process ends.
TEST(TemporaryFile, AScratchFileLiesBesideTheTargetLinkEndForTheOwnerAloneWithoutAName) {
    ScratchFolder scratch("whole-scratch");
    fs::create_directory(scratch / "drawings");
    ASSERT_TRUE(WriteWholeFile(scratch / "drawings/P.DXF", "the drawing"));
    fs::create_symlink(scratch / "drawings/P.DXF", scratch / "LINK.DXF");
    Umask open(0);
    std::error_code error;
    {
        TemporaryFile file;
        ASSERT_TRUE(CreateScratchBeside(scratch / "LINK.DXF", file, error)) << error.message();
        struct stat status {}, folder {};
        ASSERT_EQ(::fstat(::fileno(file.File), &status), 0);
        ASSERT_EQ(::stat((scratch / "drawings").c_str(), &folder), 0);
        EXPECT_EQ(status.st_nlink, 0u);
        EXPECT_EQ(status.st_dev, folder.st_dev);
        EXPECT_EQ(status.st_mode & 07777, 0600u);
        EXPECT_TRUE(file.Path.empty()) << file.Path;
        EXPECT_THAT(scratch.Names("drawings"), ElementsAre("P.DXF"));
        ASSERT_GE(std::fputs("records", file.File), 0);
        std::rewind(file.File);
        char read[8] = {};
        EXPECT_EQ(std::fread(read, 1, 7, file.File), 7u);
        EXPECT_STREQ(read, "records");
    }
    EXPECT_THAT(scratch.Names("drawings"), ElementsAre("P.DXF"));
    EXPECT_EQ(FileText(scratch / "drawings/P.DXF"), "the drawing");
}

TEST(ReplaceWholeFiles, NoneChangesWhenOneCannotBeWritten) {
    ScratchFolder scratch("whole-pair");
    ASSERT_TRUE(WriteWholeFile(scratch / "P.DXF", "old drawing"));
    ASSERT_TRUE(WriteWholeFile(scratch / "P.TXT", "old list"));
    ::chmod((scratch / "P.TXT").c_str(), 0444);
    const std::string_view drawing[] = {"new ", "drawing"};
    const std::string_view list[] = {"new list"};
    const WholeFileText files[] = {{scratch / "P.DXF", drawing}, {scratch / "P.TXT", list}};
    std::error_code error;
    size_t failed = 9;
    EXPECT_FALSE(ReplaceWholeFiles(files, error, failed));
    EXPECT_EQ(failed, 1u);
    EXPECT_EQ(error, WholeFileError::ReadOnly);
    EXPECT_EQ(FileText(scratch / "P.DXF"), "old drawing");
    EXPECT_EQ(FileText(scratch / "P.TXT"), "old list");
    EXPECT_THAT(scratch.Names(), ElementsAre("P.DXF", "P.TXT"));

    ::chmod((scratch / "P.TXT").c_str(), 0644);
    ASSERT_TRUE(ReplaceWholeFiles(files, error, failed)) << error.message();
    EXPECT_EQ(FileText(scratch / "P.DXF"), "new drawing");
    EXPECT_EQ(FileText(scratch / "P.TXT"), "new list");
}

// A text written by a function into the temporary file counts as its pieces do: the function's
// failure, with its cause, changes no file.
TEST(ReplaceWholeFiles, ATextWrittenByAFunctionIsCommittedWithTheOthersOrNotAtAll) {
    ScratchFolder scratch("whole-writer");
    ASSERT_TRUE(WriteWholeFile(scratch / "P.DXF", "old drawing"));
    const std::string_view list[] = {"new list"};
    bool fails = true;
    const WholeFileText files[] = {
        {scratch / "P.TXT", list},
        {scratch / "P.DXF", {}, [&](std::FILE* file, std::error_code& error) {
             if (fails) error = std::make_error_code(std::errc::no_space_on_device);
             return !fails && std::fputs("new drawing", file) >= 0;
         }}};
    std::error_code error;
    size_t failed = 9;
    EXPECT_FALSE(ReplaceWholeFiles(files, error, failed));
    EXPECT_EQ(failed, 1u);
    EXPECT_EQ(error, std::errc::no_space_on_device);
    EXPECT_THAT(scratch.Names(), ElementsAre("P.DXF"));
    EXPECT_EQ(FileText(scratch / "P.DXF"), "old drawing");

    fails = false;
    ASSERT_TRUE(ReplaceWholeFiles(files, error, failed)) << error.message();
    EXPECT_EQ(FileText(scratch / "P.DXF"), "new drawing");
    EXPECT_EQ(FileText(scratch / "P.TXT"), "new list");
}
