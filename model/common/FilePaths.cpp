#include "model/common/FilePaths.h"

#include <cctype>

namespace {

// "C:" and the like: without its separator a drive names that drive's current folder.
bool IsDriveName(const std::string& folder) {
    return folder.size() == 2 && folder[1] == ':' && std::isalpha(static_cast<unsigned char>(folder[0]));
}

}  // namespace

std::string GetParentFolder(const std::string& path) {
    const size_t separator = path.find_last_of("/\\");
    if (separator == std::string::npos) return {};
    const std::string folder = path.substr(0, separator);
    return folder.empty() || IsDriveName(folder) ? path.substr(0, separator + 1) : folder;
}

std::string PathInFolder(const std::string& folder, const std::string& name) {
    if (folder.empty()) return name;
    return IsPathSeparator(folder.back()) ? folder + name : folder + "/" + name;
}
