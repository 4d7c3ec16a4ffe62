#include "model/files/WholeFiles.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <new>
#include <span>
#include <string_view>
#include <system_error>
#include <utility>
#include <vector>

#include "model/files/FileDescriptor.h"
#include "model/files/FileNaming.h"
#include "model/files/FileWrites.h"

namespace fs = std::filesystem;

namespace {

// The system's calls where the commit's own are not given.
int RenameTo(const CommitCalls& calls, const char* from, const char* to) {
    return calls.Rename ? calls.Rename(from, to) : ::rename(from, to);
}

// Follows each of the commit's targets to the file it ends at, as the renames will meet it, and
// checks it; no two may be one file. False, with the cause in `commit`.
bool ResolveTargets(std::span<const std::string> paths, ReadOnlyTarget readOnly, std::vector<LinkEnd>& ends,
                    WholeFilesCommit& commit) {
    ends.assign(paths.size(), {});
    commit.Step = FileStep::Check;
    for (commit.Failed = 0; commit.Failed < paths.size(); ++commit.Failed) {
        const size_t i = commit.Failed;
        if (!FollowPath(paths[i], ends[i], commit.Error)) return false;
        commit.Error = RefusalAt(ends[i], ::geteuid(), readOnly);
        if (commit.Error) return false;
        for (size_t earlier = 0; earlier < i; ++earlier) {
            if (OneName(ends[earlier], ends[i])) {
                commit.Error = WholeFileError::OneFile;
                return false;
            }
        }
    }
    return true;
}

// Old targets held open from before the first rename until after the last, so that a rename only
// takes a name away and an old file's room is given back when this goes, after the commit.
class HeldTargets {
public:
    explicit HeldTargets(const std::vector<LinkEnd>& ends) {
        for (const LinkEnd& end : ends) {
            if (!end.Exists) continue;
            // Only kept open, never read: a target nobody may read is held as well.
            FileDescriptor descriptor(::open(end.Name.c_str(), O_PATH | O_NOFOLLOW | O_CLOEXEC));
            if (descriptor) held_.push_back(std::move(descriptor));
        }
    }

private:
    std::vector<FileDescriptor> held_;
};

// Commits temporary files whose texts are whole on the disk, each to the target `paths` names at
// the same index: see ReplaceWholeFiles.
bool CommitWhole(std::span<TemporaryFile> temporaries, std::span<const std::string> paths, const CommitCalls& calls,
                 ReadOnlyTarget readOnly, WholeFilesCommit& commit) {
    std::vector<LinkEnd> ends;
    if (!ResolveTargets(paths, readOnly, ends, commit)) return false;
    const HeldTargets held(ends);
    commit.Step = FileStep::Name;
    for (commit.Failed = 0; commit.Failed < temporaries.size(); ++commit.Failed) {
        TemporaryFile& temporary = temporaries[commit.Failed];
        temporary.Target = ends[commit.Failed].Name.string();
        if (temporary.Path.empty() && !GiveName(temporary, calls, commit.Error)) return false;
        // Closed before it is renamed: a file system through FUSE may keep writing an open file's
        // entry where its old name was.
        if (!Close(temporary, commit.Error)) return false;
    }
    // Nothing between the renames: each takes no more than the time to change a name.
    commit.Step = FileStep::Rename;
    for (commit.Failed = 0; commit.Failed < temporaries.size(); ++commit.Failed) {
        TemporaryFile& temporary = temporaries[commit.Failed];
        errno = 0;
        if (RenameTo(calls, temporary.Path.c_str(), temporary.Target.c_str()) != 0) {
            commit.Error = LastError();
            commit.Replaced = commit.Failed;
            return false;
        }
        temporary.Path.clear();
    }
    commit.Replaced = temporaries.size();
    return true;
}

}  // namespace

bool CommitTemporary(TemporaryFile& temporary, std::error_code& error) {
    const std::string target = temporary.Target;
    WholeFilesCommit commit;
    if (PutOnDisk(temporary.File, error) &&
        CommitWhole({&temporary, 1}, {&target, 1}, {}, ReadOnlyTarget::Refused, commit))
        return true;
    if (commit.Error) error = commit.Error;
    Discard(temporary);
    return false;
}

bool ReadWholeFile(const std::string& path, std::string& text) {
    // Far beyond any deck (a million elements stay under 100 MB); a larger file, or a device that
    // never ends, is refused rather than read until memory runs out.
    constexpr std::uintmax_t MaxFileBytes = std::uintmax_t{1} << 30;
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    try {
        // A regular file is read up to its size into a string reserved for it, so that a saved
        // deck of megabytes is neither copied as the string grows nor filled before it is read;
        // anything else (no regular file) up to the limit.
        std::error_code error;
        const std::uintmax_t size =
            fs::is_regular_file(path, error) ? fs::file_size(path, error) : 0;
        if (!error && size > MaxFileBytes) return false;
        const bool sized = size > 0 && !error;
        text.clear();
        if (sized) text.reserve(static_cast<size_t>(size));
        char chunk[1 << 16];
        for (std::uintmax_t left = sized ? size : MaxFileBytes + 1; left > 0;) {
            in.read(chunk, static_cast<std::streamsize>(std::min<std::uintmax_t>(left, sizeof chunk)));
            const std::streamsize got = in.gcount();
            if (got <= 0) break;
            text.append(chunk, static_cast<size_t>(got));
            left -= static_cast<std::uintmax_t>(got);
        }
        if (text.size() > MaxFileBytes) return false;
        return !in.bad();
    } catch (const std::bad_alloc&) {
        text.clear();
        return false;
    }
}

bool WriteWholeFile(const std::string& path, const std::string& text) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    std::error_code error;
    const std::string_view pieces[] = {text};
    const bool written = WritePieces(file, pieces, error);
    return std::fclose(file) == 0 && written;
}

bool ReplaceWholeFile(const std::string& path, std::span<const std::string_view> pieces, std::error_code& error) {
    const WholeFileText file[] = {{path, pieces}};
    size_t failed = 0;
    return ReplaceWholeFiles(file, error, failed);
}

bool ReplaceWholeFile(const std::string& path, const std::string& text, std::error_code& error) {
    const std::string_view pieces[] = {text};
    return ReplaceWholeFile(path, pieces, error);
}

bool ReplaceWholeFile(const std::string& path, const std::string& text, std::string& reason) {
    std::error_code error;
    if (ReplaceWholeFile(path, text, error)) return true;
    reason = error.message();
    return false;
}

bool ReplaceWholeFiles(std::span<const WholeFileText> files, WholeFilesCommit& commit, const CommitCalls& calls,
                       ReadOnlyTarget readOnly) {
    commit = {};
    std::vector<std::string> paths;
    for (const WholeFileText& file : files) paths.push_back(file.Path);
    // Nothing is written for a commit that a target would refuse.
    std::vector<LinkEnd> ends;
    if (!ResolveTargets(paths, readOnly, ends, commit)) return false;
    // Files not yet renamed are removed with their temporary files when this returns.
    std::vector<TemporaryFile> temporaries(files.size());
    for (commit.Failed = 0; commit.Failed < files.size(); ++commit.Failed) {
        const WholeFileText& file = files[commit.Failed];
        TemporaryFile& temporary = temporaries[commit.Failed];
        std::error_code& error = commit.Error;
        commit.Step = FileStep::Create;
        if (!CreateBeside(ends[commit.Failed], calls, temporary, error)) return false;
        commit.Step = FileStep::Write;
        errno = 0;
        bool written =
            file.Write ? file.Write(temporary.File, error) : WritePieces(temporary.File, file.Pieces, error);
        // What the file's buffer still holds is written with the rest.
        if (written) written = std::fflush(temporary.File) == 0;
        if (!written) {
            if (!error) error = LastError();
            return false;
        }
        commit.Step = FileStep::Flush;
        if (!PutOnDisk(::fileno(temporary.File), error)) return false;
    }
    return CommitWhole(temporaries, paths, calls, readOnly, commit);
}

bool ReplaceWholeFiles(std::span<const WholeFileText> files, std::error_code& error, size_t& failed) {
    WholeFilesCommit commit;
    const bool replaced = ReplaceWholeFiles(files, commit);
    error = commit.Error;
    failed = commit.Failed;
    return replaced;
}

bool WriteNewFileAs(const std::string& path, NewName choice, std::string_view text, std::string& created,
                  std::error_code& error) {
    error.clear();
    std::string name;
    FileDescriptor descriptor = OpenNewNamed(path, choice, O_WRONLY, 0666, name, error);
    if (!descriptor) return false;
    TemporaryFile file;  // removed unless the text is whole
    file.Path = name;
    const std::string_view pieces[] = {text};
    if (!Adopt(std::move(descriptor), "wb", file, error) || !WritePieces(file.File, pieces, error) ||
        !PutOnDisk(file.File, error) || !Close(file, error)) {
        Discard(file);
        return false;
    }
    created = std::exchange(file.Path, {});
    return true;
}

bool WriteNewFile(const std::string& path, std::string_view text, std::string& created, std::error_code& error) {
    return WriteNewFileAs(path, NewName::BaseFirst, text, created, error);
}
