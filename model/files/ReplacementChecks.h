#pragma once
// What stands at a name a new file is to take, and what would refuse the new file that name.
#include <filesystem>
#include <string>
#include <system_error>

#include <sys/stat.h>
#include <sys/types.h>

#include "model/files/FileErrors.h"

// What the read-only check makes of a target nobody may write.
enum class ReadOnlyTarget {
    Refused,             // a read-only target is refused
    ReplacedWithConsent  // the user agreed to replace it: the new file is read-only in turn
};

// What would refuse `user` the replacement of the file `path` names (its links followed), checked
// before anything is written: the file is a folder, no regular file or read-only; it or its folder
// has the immutable or append-only attribute (where the file system tells); or the folder is
// sticky and neither it nor the file belongs to `user` (root is never refused that). Empty when
// nothing of that stands in the way.
std::error_code ReplacementRefusal(const std::string& path, uid_t user,
                                   ReadOnlyTarget readOnly = ReadOnlyTarget::Refused);
// As above, for the user this process runs as.
std::error_code ReplacementRefusal(const std::string& path, ReadOnlyTarget readOnly = ReadOnlyTarget::Refused);

// The file `path` ends at once its links are followed as a replacement follows them (a link to
// nothing included): the name that replacement writes, or `path` itself where it cannot be followed.
std::string ReplacedFileName(const std::string& path);

// Whether replacing `first` and replacing `second` would write one file: their links followed as a
// replacement follows them (a link to nothing included), they end in the same folder (told apart
// by device and inode) at names that are equal or differ only in ASCII letter case, which a file
// system that ignores case takes for one name and nobody gives two files on purpose. Two hard
// links are two names.
bool WouldBeOneFile(const std::string& first, const std::string& second);

// The file a name stands for once its links are followed: its name, and its status when it exists.
struct LinkEnd {
    std::filesystem::path Name;
    bool Exists = false;
    struct stat Status {};
};
// Follows the links of `path` to the name they end at. False, with the cause, when they cannot be.
bool FollowPath(const std::string& path, LinkEnd& end, std::error_code& error);
// The folder a name lies in: "." for a bare name.
std::string FolderOf(const std::filesystem::path& name);
// What would refuse `user` a new file at the end of these links: see ReplacementRefusal.
std::error_code RefusalAt(const LinkEnd& end, uid_t user, ReadOnlyTarget readOnly = ReadOnlyTarget::Refused);
// Whether the two ends are one name in one folder, letter case aside.
bool OneName(const LinkEnd& a, const LinkEnd& b);
