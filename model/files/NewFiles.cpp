#include "model/files/NewFiles.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdint>
#include <exception>
#include <string_view>
#include <utility>

#include "model/files/FileErrors.h"

namespace {

constexpr mode_t OwnerOnly = S_IRUSR | S_IWUSR;
constexpr mode_t PermissionBits = 0777;

std::mt19937_64 NameSource() {
    uint64_t entropy = 0;
    try {
        entropy = std::random_device{}();
    } catch (const std::exception&) {
        // The clock and the process number alone still make names that rarely meet.
    }
    std::seed_seq seed{static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()),
                       static_cast<uint64_t>(::getpid()), entropy};
    return std::mt19937_64(seed);
}

// Opens `name` as a new file, exclusively: never a file or a link that was there before, never
// followed.
int OpenExclusive(const std::string& name, int access, mode_t mode) {
    return ::open(name.c_str(), access | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
}

// Opens a file under a new name beside `target` (its name with a suffix of its own), exclusively:
// never a file or a link that was there before.
bool OpenNewBeside(const std::string& target, int access, mode_t mode, const char* fileMode, TemporaryFile& temporary,
                   std::error_code& error) {
    std::string name;
    FileDescriptor descriptor = OpenNewNamed(target, NewName::SuffixedAlways, access, mode, name, error);
    if (!descriptor) return false;
    temporary.Path = name;
    temporary.Target = target;
    return Adopt(std::move(descriptor), fileMode, temporary, error);
}

}  // namespace

SuffixedNames::SuffixedNames(std::string base) : base_(std::move(base)), source_(NameSource()) {}

std::string SuffixedNames::Next() {
    constexpr std::string_view Letters = "0123456789abcdefghijklmnopqrstuvwxyz";
    std::string name = base_ + ".~";
    for (int i = 0; i < 6; ++i) name += Letters[source_() % Letters.size()];
    return name;
}

FileDescriptor OpenNewNamed(const std::string& base, NewName choice, int access, mode_t mode, std::string& name,
                            std::error_code& error) {
    SuffixedNames names(base);
    for (int attempt = 0; attempt < MaxNameTries; ++attempt) {
        name = choice == NewName::BaseFirst && attempt == 0 ? base : names.Next();
        FileDescriptor descriptor(OpenExclusive(name, access, mode));
        if (descriptor) return descriptor;
        if (errno != EEXIST) {
            error = LastError();
            return {};
        }
    }
    error = std::make_error_code(std::errc::file_exists);
    return {};
}

FileDescriptor OpenNameless(const std::string& folder, int access, mode_t mode, NamelessUse use,
                            const CommitCalls& calls) {
#ifdef O_TMPFILE
    FileDescriptor descriptor(calls.OpenNameless ? calls.OpenNameless(folder.c_str(), O_TMPFILE | access | O_CLOEXEC, mode)
                                                 : ::open(folder.c_str(), O_TMPFILE | access | O_CLOEXEC, mode));
    if (!descriptor || use == NamelessUse::Kept) return descriptor;
    // The name is given through the process's own list of open files: without it, no name could be.
    struct stat status {};
    if (::stat(DescriptorLink(descriptor.get()).c_str(), &status) == 0) return descriptor;
#else
    (void)folder, (void)access, (void)mode, (void)use, (void)calls;
#endif
    return {};
}

bool MakesNamelessFiles(const std::string& folder) {
    return static_cast<bool>(OpenNameless(folder, O_RDWR, OwnerOnly, NamelessUse::Named));
}

TemporaryFile::TemporaryFile(TemporaryFile&& other) noexcept
    : File(std::exchange(other.File, nullptr)), Path(std::exchange(other.Path, {})), Target(std::move(other.Target)) {}

TemporaryFile& TemporaryFile::operator=(TemporaryFile&& other) noexcept {
    if (this != &other) {
        Discard(*this);
        File = std::exchange(other.File, nullptr);
        Path = std::exchange(other.Path, {});
        Target = std::move(other.Target);
    }
    return *this;
}

TemporaryFile::~TemporaryFile() { Discard(*this); }

void Discard(TemporaryFile& temporary) {
    if (temporary.File) std::fclose(temporary.File);
    temporary.File = nullptr;
    if (!temporary.Path.empty()) ::unlink(temporary.Path.c_str());
    temporary.Path.clear();
}

bool Close(TemporaryFile& temporary, std::error_code& error) {
    errno = 0;
    const bool closed = std::fclose(std::exchange(temporary.File, nullptr)) == 0;
    if (!closed) error = LastError();
    return closed;
}

bool Adopt(FileDescriptor descriptor, const char* fileMode, TemporaryFile& temporary, std::error_code& error) {
    temporary.File = ::fdopen(descriptor.get(), fileMode);
    if (temporary.File) {
        descriptor.Release();
        return true;
    }
    error = LastError();
    descriptor.Close();
    Discard(temporary);
    return false;
}

bool GiveMode(const CommitCalls& calls, int descriptor, mode_t mode, std::error_code& error) {
    errno = 0;
    if ((calls.ChangeMode ? calls.ChangeMode(descriptor, mode) : ::fchmod(descriptor, mode)) == 0) return true;
    if (errno == ENOSYS || errno == EPERM || errno == EOPNOTSUPP) return true;
    error = LastError();
    return false;
}

bool CreateBeside(const LinkEnd& end, const CommitCalls& calls, TemporaryFile& temporary, std::error_code& error) {
    // Made with the target's own bits (the umask can only take some away), so that it is never
    // looser than the file it replaces, and still has them where the file system refuses a mode
    // change; they are given exactly before any byte is written. A new file gets the bits any new
    // file gets.
    const mode_t createMode = end.Exists ? (end.Status.st_mode & PermissionBits) : 0666;
    // Without a name until it is committed where the file system allows it, under a new name else.
    // A nameless one is open for reading too, so that it can be copied where it cannot be named.
    if (FileDescriptor nameless = OpenNameless(FolderOf(end.Name), O_RDWR, createMode, NamelessUse::Named, calls)) {
        temporary.Target = end.Name.string();
        if (!Adopt(std::move(nameless), "w+b", temporary, error)) return false;
    } else if (!OpenNewBeside(end.Name.string(), O_WRONLY, createMode, "wb", temporary, error)) {
        return false;
    }
    if (end.Exists && !GiveMode(calls, ::fileno(temporary.File), end.Status.st_mode & PermissionBits, error)) {
        Discard(temporary);
        return false;
    }
    return true;
}

bool CreateTemporaryBeside(const std::string& path, TemporaryFile& temporary, std::error_code& error) {
    Discard(temporary);
    LinkEnd end;
    if (!FollowPath(path, end, error)) return false;
    error = RefusalAt(end, ::geteuid());
    return !error && CreateBeside(end, {}, temporary, error);
}

bool CreateScratchBeside(const std::string& path, TemporaryFile& scratch, std::error_code& error,
                         const CommitCalls& calls) {
    Discard(scratch);
    LinkEnd end;
    if (!FollowPath(path, end, error)) return false;
    if (FileDescriptor nameless = OpenNameless(FolderOf(end.Name), O_RDWR, OwnerOnly, NamelessUse::Kept, calls)) {
        scratch.Target = end.Name.string();
        return Adopt(std::move(nameless), "w+b", scratch, error);
    }
    // It keeps its name while it is open: Discard closes it and then removes that name.
    return OpenNewBeside(end.Name.string(), O_RDWR, OwnerOnly, "w+b", scratch, error);
}
