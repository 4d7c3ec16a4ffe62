#pragma once
// The immutable or append-only attribute of a file or folder, set for the life of the object where
// the file system keeps it and the user may set it (as a rule, root only). Declare it after the
// ScratchFolder it locks something in, so that it is lifted before the folder is removed.
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <string>
#include <utility>

class FileLock {
public:
    // `flag` is FS_IMMUTABLE_FL or FS_APPEND_FL.
    FileLock(std::string path, int flag) : path_(std::move(path)), flag_(flag), set_(Change(true)) {}
    ~FileLock() {
        if (set_) Change(false);
    }
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    bool IsSet() const { return set_; }

private:
    bool Change(bool on) const {
        const int descriptor = ::open(path_.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        if (descriptor < 0) return false;
        int flags = 0;
        bool changed = ::ioctl(descriptor, FS_IOC_GETFLAGS, &flags) == 0;
        if (changed) {
            flags = on ? flags | flag_ : flags & ~flag_;
            changed = ::ioctl(descriptor, FS_IOC_SETFLAGS, &flags) == 0;
        }
        ::close(descriptor);
        return changed;
    }

    std::string path_;
    int flag_;
    bool set_;
};
