#pragma once
// New files beside the file they are for: without a name where the file system makes such files,
// else under a name of their own that nothing had before.
#include <cstdio>
#include <random>
#include <string>
#include <system_error>

#include <sys/types.h>

#include "model/files/FileCalls.h"
#include "model/files/FileDescriptor.h"
#include "model/files/ReplacementChecks.h"

// What a new file without a name is for.
enum class NamelessUse {
    Named,  // it takes a name once whole: only where the process's list of open files can give one
    Kept    // it never takes one
};

// A file without a name in `folder`, where the file system makes such files; none otherwise.
FileDescriptor OpenNameless(const std::string& folder, int access, mode_t mode, NamelessUse use,
                            const CommitCalls& calls = {});

// New names beside `base`: `base` with a suffix of its own each time (`base.~xxxxxx`).
class SuffixedNames {
public:
    explicit SuffixedNames(std::string base);
    std::string Next();

private:
    std::string base_;
    std::mt19937_64 source_;
};
// New names tried before the folder is taken to refuse new files for another reason.
inline constexpr int MaxNameTries = 100;

// Which name a new named file tries first.
enum class NewName {
    BaseFirst,      // `base` itself where it is free, else `base` with a suffix of its own
    SuffixedAlways  // always `base` with a suffix of its own (`base.~xxxxxx`)
};
// Opens a new file under a name `choice` makes of `base`; `name` is the name made. Never a file or
// a link that was there before, never followed. None, with the cause, when it could not.
FileDescriptor OpenNewNamed(const std::string& base, NewName choice, int access, mode_t mode, std::string& name,
                            std::error_code& error);

// Whether temporary files made in `folder` have no name until their text is whole: the file
// system makes nameless files and the process's own list of open files can name them.
bool MakesNamelessFiles(const std::string& folder);

// A new file, open for writing, beside the file it is to replace. Closed and removed when it goes
// out of scope without having been committed.
struct TemporaryFile {
    std::FILE* File = nullptr;
    std::string Path;    // its own name, in the folder of Target
    std::string Target;  // the file it replaces: where the links of the name given end, never a link

    TemporaryFile() = default;
    TemporaryFile(TemporaryFile&& other) noexcept;
    TemporaryFile& operator=(TemporaryFile&& other) noexcept;
    ~TemporaryFile();
};
// Closes the file and removes its name, if it has one.
void Discard(TemporaryFile& temporary);
// Closes the file, which keeps its name. False, with the cause, when the close reported a failure.
bool Close(TemporaryFile& temporary, std::error_code& error);
// Makes `descriptor` the open file of `temporary`, with the stdio `fileMode`.
bool Adopt(FileDescriptor descriptor, const char* fileMode, TemporaryFile& temporary, std::error_code& error);

// Creates an empty temporary file in the folder of the file `path` names (following the links of
// `path` to the file they end at), under a new name of its own: it is never a file or a link that
// was there before. It has the permission bits of the file it will replace (where the file system
// lets them be given), or the usual ones of a new file. Where the file system allows it, it has no
// name at all until it is committed (`Path` is empty meanwhile), so that a process killed before
// then leaves nothing behind. False, with the cause, when the replacement would be refused (see
// ReplacementRefusal) or the temporary file cannot be made.
bool CreateTemporaryBeside(const std::string& path, TemporaryFile& temporary, std::error_code& error);
// Makes the temporary file beside `end`, which may be replaced, as above.
bool CreateBeside(const LinkEnd& end, const CommitCalls& calls, TemporaryFile& temporary, std::error_code& error);
// A scratch file beside the file `path` names (following its links), for a large text kept out of
// memory until it is copied into that file: open for reading and writing, for the owner alone.
// Where the file system makes nameless files it has no name from the moment it exists (`Path`
// empty), so that it goes with the process however that ends. Elsewhere it keeps a name of its own
// until it goes out of scope and is removed by that name once closed: a file system that cannot
// keep a file without a name (FUSE hides one removed while open under a name of its own, which a
// FAT stick does not give back) would otherwise be left with it.
bool CreateScratchBeside(const std::string& path, TemporaryFile& scratch, std::error_code& error,
                         const CommitCalls& calls = {});

// Gives the new file the permission bits of the file it replaces. Some file systems keep no bits
// of their own (a FAT stick through FUSE) and refuse them: the file then has what they give it.
bool GiveMode(const CommitCalls& calls, int descriptor, mode_t mode, std::error_code& error);
