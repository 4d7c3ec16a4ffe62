#include "model/files/WholeFiles.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "tests/support/DeckSession.h"
#include "tests/support/FileLock.h"
#include "tests/support/RefusedCalls.h"

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

// A folder holding an old drawing and its old list.
struct OldPair {
    ScratchFolder folder;
    std::string drawing = folder / "P.DXF", list = folder / "P.TXT";

    explicit OldPair(const std::string& name, mode_t drawingMode = 0644, mode_t listMode = 0644) : folder(name) {
        WriteWholeFile(drawing, "old drawing");
        WriteWholeFile(list, "old list");
        ::chmod(drawing.c_str(), drawingMode);
        ::chmod(list.c_str(), listMode);
    }
    bool Untouched() const {
        return FileText(drawing) == "old drawing" && FileText(list) == "old list" &&
               folder.Names() == std::vector<std::string>{"P.DXF", "P.TXT"};
    }
};

// The system's own naming of an open nameless file, for calls that stand in for it.
int SystemLink(int descriptor, const char* name) {
    const std::string open = "/proc/self/fd/" + std::to_string(descriptor);
    return ::linkat(AT_FDCWD, open.c_str(), AT_FDCWD, name, AT_SYMLINK_FOLLOW);
}

// Whether some descriptor of this process is open on the file `status` describes.
bool HeldOpen(const struct stat& status) {
    for (const auto& entry : fs::directory_iterator("/proc/self/fd")) {
        struct stat open {};
        if (::stat(entry.path().c_str(), &open) == 0 && open.st_dev == status.st_dev && open.st_ino == status.st_ino)
            return true;
    }
    return false;
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

// The commit's texts are whole on the disk before any file is named: a process killed before then
// (here by SIGKILL, which no clean-up survives) leaves nothing but the old pair.
TEST(ReplaceWholeFiles, AProcessKilledBeforeTheFilesAreNamedLeavesOnlyTheOldPair) {
    enum class Stop { BeforeTheListIsWritten, AfterTheListIsWritten, AtTheFirstName };
    struct Case {
        const char* name;
        Stop stop;
    };
    const Case cases[] = {
        {"the drawing whole on the disk, the list not begun", Stop::BeforeTheListIsWritten},
        {"the list written", Stop::AfterTheListIsWritten},
        {"both whole, as the first is to be named", Stop::AtTheFirstName},
    };
    for (const Case& c : cases) {
        const OldPair pair("whole-killed");
        if (!MakesNamelessFiles(pair.folder / "")) GTEST_SKIP() << "a temporary file here has a name from the start";
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            const std::string drawing(1 << 20, 'd');
            const std::string_view drawingPieces[] = {drawing};
            CommitCalls calls;
            calls.Link = [&](int descriptor, const char* name) {
                if (c.stop == Stop::AtTheFirstName) std::raise(SIGKILL);
                return SystemLink(descriptor, name);
            };
            const WholeFileText files[] = {{pair.drawing, drawingPieces},
                                           {pair.list, {}, [&](std::FILE* file, std::error_code&) {
                                                if (c.stop == Stop::BeforeTheListIsWritten) std::raise(SIGKILL);
                                                std::fputs("new list", file);
                                                std::fflush(file);
                                                if (c.stop == Stop::AfterTheListIsWritten) std::raise(SIGKILL);
                                                return true;
                                            }}};
            WholeFilesCommit commit;
            ReplaceWholeFiles(files, commit, calls);
            ::_exit(0);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status)) << c.name << ": the commit went through";
        EXPECT_EQ(WTERMSIG(status), SIGKILL) << c.name;
        EXPECT_THAT(pair.folder.Names(), ElementsAre("P.DXF", "P.TXT")) << c.name;
        EXPECT_TRUE(pair.Untouched()) << c.name;
    }
}

// The renames follow one another with the old files held open, so that none of them frees an old
// file's room; that happens once the last is done.
TEST(ReplaceWholeFiles, TheOldFilesAreHeldOpenFromBeforeTheFirstRenameUntilAfterTheLast) {
    const OldPair pair("whole-held");
    struct stat oldDrawing {}, oldList {};
    ASSERT_EQ(::stat(pair.drawing.c_str(), &oldDrawing), 0);
    ASSERT_EQ(::stat(pair.list.c_str(), &oldList), 0);
    int renames = 0, heldAtRenames = 0;
    CommitCalls calls;
    calls.Rename = [&](const char* from, const char* to) {
        ++renames;
        heldAtRenames += HeldOpen(oldDrawing) && HeldOpen(oldList);
        return ::rename(from, to);
    };
    const std::string_view drawing[] = {"new drawing"}, list[] = {"new list"};
    const WholeFileText files[] = {{pair.drawing, drawing}, {pair.list, list}};
    WholeFilesCommit commit;
    ASSERT_TRUE(ReplaceWholeFiles(files, commit, calls)) << commit.Error.message();
    EXPECT_EQ(commit.Replaced, 2u);
    EXPECT_EQ(renames, 2);
    EXPECT_EQ(heldAtRenames, 2);
    EXPECT_FALSE(HeldOpen(oldDrawing) || HeldOpen(oldList)) << "an old file is still held";
    EXPECT_EQ(FileText(pair.drawing), "new drawing");
    EXPECT_EQ(FileText(pair.list), "new list");
}

// Two targets that would end as one file are refused before any is named, whether they were so
// from the start or a link made them so while the texts were written.
TEST(ReplaceWholeFiles, TargetsThatWouldBeOneFileAreRefusedBeforeAnyIsNamed) {
    enum class Plant { Nothing, BeforeTheCommit, WhileTheDrawingIsWritten };
    struct Case {
        const char* name;
        const char* list;
        Plant plant;  // when the list's name is made a link to the drawing
    };
    const Case cases[] = {
        {"a list named like the drawing but for case", "p.dxf", Plant::Nothing},
        {"the list made a link to the drawing before the commit", "P.TXT", Plant::BeforeTheCommit},
        {"the list made a link to the drawing while the drawing is written", "P.TXT", Plant::WhileTheDrawingIsWritten},
    };
    for (const Case& c : cases) {
        const OldPair pair("whole-one-file");
        const std::string list = pair.folder / c.list;
        const auto makeLink = [&] {
            fs::remove(pair.list);
            fs::create_symlink("P.DXF", pair.list);
        };
        if (c.plant == Plant::BeforeTheCommit) makeLink();
        EXPECT_EQ(WouldBeOneFile(pair.drawing, list), c.plant != Plant::WhileTheDrawingIsWritten) << c.name;
        const std::string_view listText[] = {"new list"};
        const WholeFileText files[] = {{pair.drawing, {}, [&](std::FILE* file, std::error_code&) {
                                            if (c.plant == Plant::WhileTheDrawingIsWritten) makeLink();
                                            return std::fputs("new drawing", file) >= 0;
                                        }},
                                       {list, listText}};
        WholeFilesCommit commit;
        EXPECT_FALSE(ReplaceWholeFiles(files, commit)) << c.name;
        EXPECT_EQ(commit.Error, WholeFileError::OneFile) << c.name << ": " << commit.Error.message();
        EXPECT_EQ(commit.Failed, 1u) << c.name;
        EXPECT_EQ(commit.Replaced, 0u) << c.name;
        EXPECT_EQ(FileText(pair.drawing), "old drawing") << c.name;
        EXPECT_THAT(pair.folder.Names(), ElementsAre("P.DXF", "P.TXT")) << c.name;
    }
}

// A file or folder whose attribute will refuse the rename stops the commit before anything is
// written; one locked while the texts are written stops it before anything is named.
TEST(ReplaceWholeFiles, ALockedFileOrFolderStopsTheCommitBeforeAnyFileChanges) {
    struct Case {
        const char* name;
        const char* locked;  // in the pair's folder; empty for the folder itself
        int flag;
        bool whileWriting;
        std::error_code expected;
        size_t failed;
    };
    const Case cases[] = {
        {"an immutable list", "P.TXT", FS_IMMUTABLE_FL, false, WholeFileError::ImmutableFile, 1},
        {"an append-only list", "P.TXT", FS_APPEND_FL, false, WholeFileError::AppendOnlyFile, 1},
        {"an immutable folder", "", FS_IMMUTABLE_FL, false, WholeFileError::ImmutableFolder, 0},
        {"an append-only folder", "", FS_APPEND_FL, false, WholeFileError::AppendOnlyFolder, 0},
        {"a list made immutable while the drawing is written", "P.TXT", FS_IMMUTABLE_FL, true,
         WholeFileError::ImmutableFile, 1},
    };
    for (const Case& c : cases) {
        const OldPair pair("whole-locked");
        std::optional<FileLock> lock;
        const auto takeLock = [&] { lock.emplace(pair.folder / c.locked, c.flag); };
        if (!c.whileWriting) takeLock();
        if (lock && !lock->IsSet()) GTEST_SKIP() << "the file system or the user sets no such attribute here";
        int written = 0;
        const std::string_view list[] = {"new list"};
        const WholeFileText files[] = {{pair.drawing, {}, [&](std::FILE* file, std::error_code&) {
                                            ++written;
                                            if (c.whileWriting) takeLock();
                                            return std::fputs("new drawing", file) >= 0;
                                        }},
                                       {pair.list, list}};
        WholeFilesCommit commit;
        EXPECT_FALSE(ReplaceWholeFiles(files, commit)) << c.name;
        ASSERT_TRUE(lock.has_value()) << c.name << ": nothing was written";
        if (!lock->IsSet()) GTEST_SKIP() << "the file system or the user sets no such attribute here";
        EXPECT_EQ(commit.Error, c.expected) << c.name << ": " << commit.Error.message();
        EXPECT_EQ(commit.Failed, c.failed) << c.name;
        EXPECT_EQ(commit.Replaced, 0u) << c.name;
        EXPECT_EQ(written, c.whileWriting ? 1 : 0) << c.name;
        lock.reset();
        EXPECT_TRUE(pair.Untouched()) << c.name;
    }
}

// A sticky folder lets only the owner of a file or of the folder remove or replace the file; the
// check takes the user as given, so that it is shown for users other than the one running it.
TEST(ReplacementRefusal, AnotherUsersFileInAStickyFolderIsRefusedUnlessTheFolderIsTheUsers) {
    ScratchFolder scratch("whole-sticky");
    const std::string shared = scratch / "shared", plain = scratch / "plain";
    fs::create_directory(shared);
    fs::create_directory(plain);
    ::chmod(shared.c_str(), 01777);
    ::chmod(plain.c_str(), 0777);
    WriteWholeFile(shared + "/OUT.TXT", "a colleague's list");
    WriteWholeFile(plain + "/OUT.TXT", "a colleague's list");
    struct stat file {};
    ASSERT_EQ(::stat((shared + "/OUT.TXT").c_str(), &file), 0);
    const uid_t colleague = file.st_uid;
    const uid_t user = colleague + 1000;
    EXPECT_EQ(ReplacementRefusal(shared + "/OUT.TXT", user), WholeFileError::StickyFolder);
    EXPECT_EQ(ReplacementRefusal(shared + "/OUT.TXT", colleague), std::error_code()) << "the file's owner";
    EXPECT_EQ(ReplacementRefusal(shared + "/OUT.TXT", 0), std::error_code()) << "root";
    EXPECT_EQ(ReplacementRefusal(shared + "/OUT.DXF", user), std::error_code()) << "a new file";
    EXPECT_EQ(ReplacementRefusal(plain + "/OUT.TXT", user), std::error_code()) << "a folder not sticky";
    if (::chown(shared.c_str(), user, static_cast<gid_t>(-1)) == 0) {
        EXPECT_EQ(ReplacementRefusal(shared + "/OUT.TXT", user), std::error_code()) << "the folder's owner";
    }
}

TEST(ReplaceWholeFiles, ARenameRefusedAfterTheFirstLeavesTheFirstReplacedAndSaysSo) {
    const OldPair pair("whole-half");
    CommitCalls calls;
    calls.Rename = RenameRefusedAt(2, EPERM);
    const std::string_view drawing[] = {"new drawing"}, list[] = {"new list"};
    const WholeFileText files[] = {{pair.drawing, drawing}, {pair.list, list}};
    WholeFilesCommit commit;
    EXPECT_FALSE(ReplaceWholeFiles(files, commit, calls));
    EXPECT_EQ(commit.Error, std::errc::operation_not_permitted) << commit.Error.message();
    EXPECT_EQ(commit.Failed, 1u);
    EXPECT_EQ(commit.Replaced, 1u);
    EXPECT_EQ(FileText(pair.drawing), "new drawing");
    EXPECT_EQ(FileText(pair.list), "old list");
    EXPECT_THAT(pair.folder.Names(), ElementsAre("P.DXF", "P.TXT")) << "the list's temporary file is gone";
}

// Where the nameless file cannot be linked to a name (a sandbox, another file system), a named copy
// beside the target takes its place; a clash of names is only a reason to try another. The files
// end as a plain commit leaves them, byte for byte and bit for bit.
TEST(ReplaceWholeFiles, ALinkRefusedForAnyCauseButAClashIsMadeUpByANamedCopy) {
    std::string drawing;
    for (int i = 0; drawing.size() < (3u << 20); ++i) drawing += std::to_string(i * 7919) + '\0' + "\r\n";
    const std::string_view drawingPieces[] = {drawing}, listPieces[] = {"new list"};
    const auto commitInto = [&](const OldPair& pair, const CommitCalls& calls) {
        const WholeFileText files[] = {{pair.drawing, drawingPieces}, {pair.list, listPieces}};
        WholeFilesCommit commit;
        EXPECT_TRUE(ReplaceWholeFiles(files, commit, calls)) << commit.Error.message();
    };
    const Umask mask(022);
    const OldPair plain("whole-linked-plain", 0640, 0604);
    commitInto(plain, {});
    if (!MakesNamelessFiles(plain.folder / "")) GTEST_SKIP() << "a temporary file here has a name from the start";

    int clashes = 0;
    const std::function<int(int, const char*)> links[] = {
        Refused<int, const char*>(EPERM),
        Refused<int, const char*>(EACCES),
        Refused<int, const char*>(EXDEV),
        [&](int descriptor, const char* name) {
            if (++clashes % 3 != 0) {
                errno = EEXIST;
                return -1;
            }
            return SystemLink(descriptor, name);
        },
    };
    for (const auto& link : links) {
        const OldPair pair("whole-linked-refused", 0640, 0604);
        CommitCalls calls;
        calls.Link = link;
        commitInto(pair, calls);
        EXPECT_TRUE(FileText(pair.drawing) == FileText(plain.drawing)) << "the drawing differs";
        EXPECT_EQ(FileText(pair.list), FileText(plain.list));
        EXPECT_EQ(ModeOf(pair.drawing), ModeOf(plain.drawing));
        EXPECT_EQ(ModeOf(pair.list), ModeOf(plain.list));
        EXPECT_THAT(pair.folder.Names(), ElementsAre("P.DXF", "P.TXT"));
    }
    EXPECT_GE(clashes, 6);
}

// Giving the new file the old one's permission bits is what a file system keeping no bits (a FAT
// stick through FUSE) refuses: the file then keeps what it has. Any other failure stops the commit.
TEST(ReplaceWholeFiles, AModeTheFileSystemRefusesIsLeftToItAndAnyOtherFailureStopsTheCommit) {
    const Umask mask(022);
    for (const int refusal : {ENOSYS, EPERM, EOPNOTSUPP}) {
        for (const bool linked : {true, false}) {
            const OldPair pair("whole-mode-refused", 0640, 0640);
            CommitCalls calls;
            calls.ChangeMode = Refused<int, mode_t>(refusal);
            if (!linked) calls.Link = Refused<int, const char*>(EPERM);
            const std::string_view drawing[] = {"new drawing"}, list[] = {"new list"};
            const WholeFileText files[] = {{pair.drawing, drawing}, {pair.list, list}};
            WholeFilesCommit commit;
            EXPECT_TRUE(ReplaceWholeFiles(files, commit, calls)) << refusal << ": " << commit.Error.message();
            EXPECT_EQ(FileText(pair.drawing), "new drawing") << refusal;
            EXPECT_EQ(FileText(pair.list), "new list") << refusal;
            // Colleagues keep reading what they could read before.
            EXPECT_EQ(ModeOf(pair.drawing), 0640u) << refusal;
            EXPECT_EQ(ModeOf(pair.list), 0640u) << refusal;
            EXPECT_THAT(pair.folder.Names(), ElementsAre("P.DXF", "P.TXT"));
        }
    }
    const OldPair pair("whole-mode-failed", 0640, 0640);
    CommitCalls calls;
    calls.ChangeMode = Refused<int, mode_t>(EIO);
    const std::string_view drawing[] = {"new drawing"}, list[] = {"new list"};
    const WholeFileText files[] = {{pair.drawing, drawing}, {pair.list, list}};
    WholeFilesCommit commit;
    EXPECT_FALSE(ReplaceWholeFiles(files, commit, calls));
    EXPECT_EQ(commit.Error, std::errc::io_error) << commit.Error.message();
    EXPECT_EQ(commit.Failed, 0u);
    EXPECT_TRUE(pair.Untouched());
}

// A failed commit says which step its cause stopped, with or without nameless files, so that a
// refusal met by a write is never taken for one of the folder's.
TEST(ReplaceWholeFiles, AFailureSaysTheStepItStopped) {
    ScratchFolder scratch("whole-steps");
    const std::string target = scratch / "P.DXF";
    const std::string_view text[] = {"new drawing"};
    const auto refusedWrite = [](std::FILE*, std::error_code& error) {
        error = std::make_error_code(std::errc::operation_not_permitted);
        return false;
    };
    struct Case {
        const char* Name;
        std::string Path;
        std::function<bool(std::FILE*, std::error_code&)> Write;
        std::function<void(CommitCalls&)> Refuse;
        FileStep Step;
        std::errc Cause;
        bool OnlyNameless;  // the step is met only by a file that is made without a name
    };
    const Case cases[] = {
        {"a folder that is not there", scratch / "missing/P.DXF", nullptr, [](CommitCalls&) {}, FileStep::Create,
         std::errc::no_such_file_or_directory, false},
        {"a refused write", target, refusedWrite, [](CommitCalls&) {}, FileStep::Write,
         std::errc::operation_not_permitted, false},
        {"every name taken", target, nullptr,
         [](CommitCalls& calls) { calls.Link = Refused<int, const char*>(EEXIST); }, FileStep::Name,
         std::errc::file_exists, true},
        {"a refused rename", target, nullptr,
         [](CommitCalls& calls) { calls.Rename = Refused<const char*, const char*>(EPERM); }, FileStep::Rename,
         std::errc::operation_not_permitted, false},
    };
    const bool nameless = MakesNamelessFiles(scratch / "");
    for (const bool withoutNameless : {false, true}) {
        for (const Case& c : cases) {
            if (c.OnlyNameless && (withoutNameless || !nameless)) continue;
            SCOPED_TRACE(std::string(c.Name) + (withoutNameless ? ", without nameless files" : ""));
            ASSERT_TRUE(WriteWholeFile(target, "old drawing"));
            CommitCalls calls;
            if (withoutNameless) calls.OpenNameless = Refused<const char*, int, mode_t>(EOPNOTSUPP);
            c.Refuse(calls);
            const WholeFileText files[] = {{c.Path, text, c.Write}};
            WholeFilesCommit commit;
            EXPECT_FALSE(ReplaceWholeFiles(files, commit, calls));
            EXPECT_EQ(commit.Step, c.Step);
            EXPECT_EQ(commit.Error, c.Cause) << commit.Error.message();
            EXPECT_EQ(FileText(target), "old drawing");
            EXPECT_THAT(scratch.Names(), ElementsAre("P.DXF"));
        }
    }
}
