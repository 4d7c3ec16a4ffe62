#include "shell/RecentFiles.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <string_view>

#include "model/common/Helpers.h"
#include "model/files/WholeFiles.h"
#include "shell/DocumentTitle.h"
#include "shell/ProgramFolders.h"

namespace {

std::string_view Trimmed(std::string_view text) {
    const size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) return {};
    const size_t last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

std::optional<int32_t> CountOf(std::string_view line) {
    line = Trimmed(line);
    int32_t count = 0;
    const auto [end, error] = std::from_chars(line.data(), line.data() + line.size(), count);
    if (error != std::errc{} || end != line.data() + line.size()) return std::nullopt;
    return count;
}

// A path line as written: between double quotes; a line without them is taken as it stands.
std::string PathOf(std::string_view line) {
    line = Trimmed(line);
    if (line.empty() || line.front() != '"') return std::string(line);
    line.remove_prefix(1);
    const size_t closing = line.rfind('"');
    return std::string(closing == std::string_view::npos ? line : line.substr(0, closing));
}

int32_t CountInUse(const RecentFileList& list) { return std::clamp(list.RecentFileCount, 0, MaxRecentFiles); }

}  // namespace

std::string RecentFilesPath(const FolderSet& folders) { return PathInFolder(folders.SettingsFolder, RecentFilesFileName); }

std::string FormatRecentFilesText(const RecentFileList& list) {
    const int32_t count = CountInUse(list);
    std::string text = std::to_string(count) + "\r\n";
    for (int32_t slot = 0; slot < count; ++slot) text += "\"" + list.RecentFiles[static_cast<size_t>(slot)] + "\"\r\n";
    return text;
}

RecentFileList ReadRecentFilesText(const std::string& text) {
    RecentFileList list;
    std::string_view rest = text;
    std::optional<int32_t> wanted;
    bool firstLine = true;
    while (!rest.empty()) {
        const size_t end = rest.find('\n');
        const std::string_view line = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
        if (firstLine) {
            firstLine = false;
            wanted = CountOf(line);
            continue;
        }
        const int32_t limit = wanted ? std::clamp(*wanted, 0, MaxRecentFiles) : MaxRecentFiles;
        if (list.RecentFileCount >= limit) break;
        std::string path = PathOf(line);
        if (path.empty()) continue;
        list.RecentFiles[static_cast<size_t>(list.RecentFileCount++)] = std::move(path);
    }
    return list;
}

void LoadRecentFiles(Session& session) {
    const std::string path = RecentFilesPath(session.shell.Folders);
    std::string text;
    if (!FileExists(path) || !ReadWholeFile(path, text)) return;
    session.shell.Recent = ReadRecentFilesText(text);
}

bool SaveRecentFiles(const Session& session) {
    // The file lives beside the settings; before the folders are known there is nowhere to put it.
    if (session.shell.Folders.SettingsFolder.empty()) return false;
    std::string reason;
    return ReplaceWholeFile(RecentFilesPath(session.shell.Folders), FormatRecentFilesText(session.shell.Recent), reason);
}

bool AddRecentFile(Session& session, const std::string& path) {
    if (path.empty() || IsUnnamed(path)) return false;
    RecentFileList& list = session.shell.Recent;
    const int32_t count = CountInUse(list);
    // Paths are told apart by their case, as the file system tells them apart.
    int32_t found = 0;
    while (found < count && list.RecentFiles[static_cast<size_t>(found)] != path) ++found;
    if (found == 0 && count > 0) return false;
    const int32_t last = found < count ? found : std::min(count, MaxRecentFiles - 1);
    for (int32_t slot = last; slot > 0; --slot)
        list.RecentFiles[static_cast<size_t>(slot)] = std::move(list.RecentFiles[static_cast<size_t>(slot - 1)]);
    list.RecentFiles[0] = path;
    list.RecentFileCount = found < count ? count : last + 1;
    return true;
}

bool DropRecentFile(Session& session, int32_t slot) {
    RecentFileList& list = session.shell.Recent;
    const int32_t count = CountInUse(list);
    if (slot < 0 || slot >= count) return false;
    for (int32_t next = slot; next + 1 < count; ++next)
        list.RecentFiles[static_cast<size_t>(next)] = std::move(list.RecentFiles[static_cast<size_t>(next + 1)]);
    list.RecentFiles[static_cast<size_t>(count - 1)].clear();
    list.RecentFileCount = count - 1;
    return true;
}
