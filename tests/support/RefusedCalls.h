#pragma once
// Stand-ins for the system calls a file commit makes, failing as a file system, a security profile
// or a colleague's lock would, for the commit's CommitCalls.
#include <cerrno>
#include <cstdio>
#include <functional>

// A call that fails with `error`.
template <typename... Args>
std::function<int(Args...)> Refused(int error) {
    return [error](Args...) {
        errno = error;
        return -1;
    };
}

// A rename that works but for its `nth` call, which fails with `error`.
inline std::function<int(const char*, const char*)> RenameRefusedAt(int nth, int error) {
    return [nth, error, renames = 0](const char* from, const char* to) mutable {
        if (++renames == nth) {
            errno = error;
            return -1;
        }
        return std::rename(from, to);
    };
}
