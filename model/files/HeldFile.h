#pragma once
// A file held open so that it is found again under whatever name it has later: a folder on its way
// may be renamed, the file moved or removed meanwhile, and its descriptor still says where it is.
#include <string>
#include <string_view>
#include <system_error>

#include "model/files/FileDescriptor.h"

class HeldFile {
public:
    HeldFile() = default;

    // Holds the regular file `path` names, never through a link at that name. False, with the cause,
    // when it cannot be opened.
    bool Open(const std::string& path, std::error_code& error);
    bool IsOpen() const { return static_cast<bool>(descriptor_); }
    // The name it was opened under.
    const std::string& OpenedName() const { return path_; }

    // The full name the file has now, wherever it was moved; empty when it has none any more, or
    // none that leads back to it.
    std::string FullName() const;
    // Whether the file, read through the descriptor whatever its name, holds exactly `text`.
    bool Holds(std::string_view text) const;
    // Removes the file's name when that name still leads to this file, and lets the file go.
    void Remove();

private:
    FileDescriptor descriptor_;
    std::string path_;  // the name it was opened under
};
