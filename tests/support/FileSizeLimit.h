#pragma once
// A limit on the size of the files the process writes, for the life of the object: it stands in
// for a full disk, which fails a write even for root. The signal the limit raises is ignored, so
// that the write fails with "file too large" instead of ending the process.
#include <sys/resource.h>

#include <csignal>

class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) : keptSignal_(std::signal(SIGXFSZ, SIG_IGN)) {
        ::getrlimit(RLIMIT_FSIZE, &kept_);
        rlimit limited = kept_;
        limited.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &kept_);
        std::signal(SIGXFSZ, keptSignal_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit kept_{};
    void (*keptSignal_)(int);
};
