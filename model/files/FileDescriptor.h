#pragma once
// An open file or folder, closed when it goes: the one holder of a descriptor in the file code.
#include <string>
#include <utility>

class FileDescriptor {
public:
    FileDescriptor() = default;
    explicit FileDescriptor(int descriptor) : descriptor_(descriptor) {}
    FileDescriptor(FileDescriptor&& other) noexcept : descriptor_(std::exchange(other.descriptor_, -1)) {}
    FileDescriptor& operator=(FileDescriptor&& other) noexcept;
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() { Close(); }

    int get() const { return descriptor_; }
    explicit operator bool() const { return descriptor_ >= 0; }
    // Gives the descriptor up to a new holder, which closes it.
    int Release() { return std::exchange(descriptor_, -1); }
    void Close();

private:
    int descriptor_ = -1;
};

// The name of the open file `descriptor` in the process's own list of open files.
std::string DescriptorLink(int descriptor);
