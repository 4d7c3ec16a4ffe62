#pragma once
// A headless deck for the load and save tests, with a dump and the messages as text.
#include <algorithm>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>
#include <sys/stat.h>
#include <unistd.h>

#include "model/files/WholeFiles.h"
#include "model/files/DataFileReader.h"
#include "tools/ModelDump.h"
#include "shell/HeadlessDeck.h"

struct DeckSession : HeadlessDeck {
    DeckSession() { slabDesign = -2; }

    std::string Dump() const { return DumpModel(model) + DumpDeckOptions(shell.Options, drawing, design); }
    std::string Messages() const {
        std::string all;
        for (const ShownMessage& m : messages.Shown()) all += m.Title + " | " + m.Text + "\n";
        return all;
    }
};

inline std::string DeckFixture(const std::string& relative) { return std::string(DRAVO_FIXTURES) + "/decks/" + relative; }

inline std::string FileText(const std::string& path) {
    std::string text;
    ReadWholeFile(path, text);
    return text;
}

// A folder of its own for one test, removed with everything in it at the end.
class ScratchFolder {
public:
    explicit ScratchFolder(const std::string& name)
        : path_(std::filesystem::temp_directory_path() / ("dravo-" + name + "-" + std::to_string(::getpid()))) {
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    std::string operator/(const std::string& name) const { return (path_ / name).string(); }
    // The names in the folder, or in one of its subfolders, sorted.
    std::vector<std::string> Names(const std::string& subfolder = "") const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(path_ / subfolder))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    // Puts a copy of a fixture folder's archive here.
    void CopyArchiveFrom(const std::string& fixtureFolder) const {
        std::filesystem::copy_file(DeckFixture(fixtureFolder + "/ARCHIMPA.AI0"), path_ / "ARCHIMPA.AI0",
                                   std::filesystem::copy_options::overwrite_existing);
    }

private:
    std::filesystem::path path_;
};

// Makes `folder` the current folder of the process until the end of the scope, for the runs that
// name their files without a folder. Declare it after the ScratchFolder it enters, so the folder is
// left before it is removed.
class CurrentFolderScope {
public:
    explicit CurrentFolderScope(const std::string& folder) : previous_(std::filesystem::current_path()) {
        std::filesystem::current_path(folder);
    }
    ~CurrentFolderScope() {
        std::error_code ignored;
        std::filesystem::current_path(previous_, ignored);
    }
    CurrentFolderScope(const CurrentFolderScope&) = delete;
    CurrentFolderScope& operator=(const CurrentFolderScope&) = delete;

private:
    std::filesystem::path previous_;
};

// A folder in which no file can be made, even by root (sysfs refuses new files to everybody); none
// when this machine has no such folder.
inline std::optional<std::string> UnwritableFolder(const ScratchFolder& scratch) {
    if (::geteuid() != 0) {
        const std::string locked = scratch / "locked";
        std::filesystem::create_directory(locked);
        ::chmod(locked.c_str(), 0555);
        return locked;
    }
    if (std::filesystem::is_directory("/sys/kernel")) return std::string("/sys/kernel");
    return std::nullopt;
}
