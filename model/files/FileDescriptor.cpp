#include "model/files/FileDescriptor.h"

#include <unistd.h>

FileDescriptor& FileDescriptor::operator=(FileDescriptor&& other) noexcept {
    if (this != &other) {
        Close();
        descriptor_ = std::exchange(other.descriptor_, -1);
    }
    return *this;
}

void FileDescriptor::Close() {
    if (descriptor_ >= 0) ::close(descriptor_);
    descriptor_ = -1;
}

std::string DescriptorLink(int descriptor) { return "/proc/self/fd/" + std::to_string(descriptor); }
