#include "model/files/ArchiveCopy.h"
#include "model/files/NewFiles.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cerrno>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "tests/support/DeckSession.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/RefusedCalls.h"

namespace fs = std::filesystem;
using ::testing::ElementsAre;

namespace {

constexpr const char* Archive = "ARCHIMPA.AI0";

mode_t CreationMask() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

// The ways a new file takes its name: linked as a nameless file where the system makes one; where
// that link is refused (a security profile, another mount), under a temporary name of its own then
// renamed; and where the file system has no nameless files, no exclusive rename and no links (a FAT
// stick through FUSE), renamed once its name was found free.
struct Way {
    const char* Case;
    CommitCalls Calls;
};
// `refusals` counts the links refused.
std::vector<Way> Ways(int& refusals) {
    return {{"linked", {}},
            {"renamed, the link refused", [&refusals] {
                 CommitCalls calls;
                 calls.Link = [&refusals](int, const char*) {
                     ++refusals;
                     errno = EPERM;
                     return -1;
                 };
                 return calls;
             }()},
            {"renamed where found free, as on FAT", [] {
                 CommitCalls calls;
                 calls.OpenNameless = Refused<const char*, int, mode_t>(EOPNOTSUPP);
                 calls.RenameWhereFree = Refused<const char*, const char*>(EINVAL);
                 calls.LinkNamed = Refused<const char*, const char*>(EPERM);
                 return calls;
             }()}};
}

}  // namespace

TEST(CreateFileWhereFree, MakesTheFileWholeUnderItsNameAndNothingBeside) {
    int refusals = 0;
    for (const Way& way : Ways(refusals)) {
        SCOPED_TRACE(way.Case);
        ScratchFolder scratch("archive-copy-new");
        std::error_code error;
        ASSERT_TRUE(CreateFileWhereFree(scratch / "", Archive, "sections\n", error, way.Calls)) << error.message();
        EXPECT_EQ(FileText(scratch / Archive), "sections\n");
        EXPECT_THAT(scratch.Names(), ElementsAre(Archive));
        struct stat status {};
        ASSERT_EQ(::lstat((scratch / Archive).c_str(), &status), 0);
        EXPECT_TRUE(S_ISREG(status.st_mode));
        EXPECT_EQ(status.st_nlink, 1u);
        EXPECT_EQ(status.st_mode & 0777, 0666 & ~CreationMask());  // as any new file
        EXPECT_EQ(ArchivePathIn(scratch / "x"), scratch / "x/ARCHIMPA.AI0");
    }
    // Where the system makes nameless files, the second way was taken for the refusal.
    EXPECT_EQ(refusals, MakesNamelessFiles(ScratchFolder("archive-copy-nameless") / "") ? 1 : 0);
}

// Whatever stands under the name stays as it was, a link included, and the file it points to (or
// would point to) is not written, whichever way the new file would have taken the name.
TEST(CreateFileWhereFree, NeverOverOrThroughWhatStandsThere) {
    ScratchFolder scratch("archive-copy-taken");
    const std::string name = scratch / Archive;
    const struct {
        const char* Case;
        std::function<void()> Plant;
    } cases[] = {
        {"a file", [&] { ASSERT_TRUE(WriteWholeFile(name, "theirs")); }},
        {"a link to nothing", [&] { fs::create_symlink(scratch / "nowhere", name); }},
        {"a link to a file", [&] {
             ASSERT_TRUE(WriteWholeFile(scratch / "nowhere", "theirs"));
             fs::create_symlink(scratch / "nowhere", name);
         }},
        {"a folder", [&] { fs::create_directory(name); }},
    };
    int refusals = 0;
    for (const Way& way : Ways(refusals)) {
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(way.Case) + ", " + c.Case);
            for (const auto& entry : fs::directory_iterator(scratch / "")) fs::remove_all(entry.path());
            c.Plant();
            const auto before = scratch.Names();
            const fs::file_type kind = fs::symlink_status(name).type();
            std::error_code error;
            EXPECT_FALSE(CreateFileWhereFree(scratch / "", Archive, "ours", error, way.Calls));
            EXPECT_EQ(error, std::errc::file_exists) << error.message();
            EXPECT_EQ(scratch.Names(), before);
            EXPECT_EQ(fs::symlink_status(name).type(), kind);
            if (fs::exists(scratch / "nowhere")) {
                EXPECT_EQ(FileText(scratch / "nowhere"), "theirs");
            }
            if (fs::is_regular_file(name)) {
                EXPECT_EQ(FileText(name), "theirs");
            }
        }
    }
}

TEST(CreateFileWhereFree, WhatCannotBeWrittenLeavesNothing) {
    ScratchFolder scratch("archive-copy-fails");
    std::error_code error;
    EXPECT_FALSE(CreateFileWhereFree(scratch / "missing", Archive, "ours", error));
    EXPECT_EQ(error, std::errc::no_such_file_or_directory) << error.message();

    {
        const FileSizeLimit fullDisk(1024);
        EXPECT_FALSE(CreateFileWhereFree(scratch / "", Archive, std::string(1 << 16, 'x'), error));
    }
    EXPECT_EQ(error, std::errc::file_too_large) << error.message();
    EXPECT_TRUE(scratch.Names().empty());
}
