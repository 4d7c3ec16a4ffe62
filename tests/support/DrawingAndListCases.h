#pragma once
// Folders in which an export's drawing and its take-off list would, or would not, end up as one
// file, and the state of a folder to show that a refused export changed nothing in it.
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <map>
#include <string>

#include "tests/support/DeckSession.h"

struct DrawingAndListCase {
    const char* Name;
    const char* Drawing;  // the drawing's name in the folder; its list is the name with TXT
    std::function<void(const ScratchFolder&)> Plant;
    bool Refused;  // the two would be one file
};

inline const DrawingAndListCase DrawingAndListCases[] = {
    {"a drawing named like its list", "PLAN.TXT",
     [](const ScratchFolder& f) { WriteWholeFile(f / "PLAN.TXT", "the file that stood here"); }, true},
    {"a drawing named like its list but for case", "Plan.txt", [](const ScratchFolder&) {}, true},
    {"the list a link to the drawing", "OUT.dxf",
     [](const ScratchFolder& f) {
         WriteWholeFile(f / "OUT.dxf", "the drawing that stood here");
         std::filesystem::create_symlink("OUT.dxf", f / "OUT.TXT");
     },
     true},
    {"the drawing a link to the list", "OUT.dxf",
     [](const ScratchFolder& f) {
         WriteWholeFile(f / "OUT.TXT", "the list that stood here");
         std::filesystem::create_symlink("OUT.TXT", f / "OUT.dxf");
     },
     true},
    {"the list a link to a drawing not yet there", "OUT.dxf",
     [](const ScratchFolder& f) { std::filesystem::create_symlink("OUT.dxf", f / "OUT.TXT"); }, true},
    {"the list a link to the drawing through another name of the folder", "OUT.dxf",
     [](const ScratchFolder& f) {
         WriteWholeFile(f / "OUT.dxf", "the drawing that stood here");
         std::filesystem::create_directory_symlink(".", f / "here");
         std::filesystem::create_symlink("here/OUT.dxf", f / "OUT.TXT");
     },
     true},
    {"two hard links", "OUT.dxf",
     [](const ScratchFolder& f) {
         WriteWholeFile(f / "OUT.dxf", "the drawing that stood here");
         ::link((f / "OUT.dxf").c_str(), (f / "OUT.TXT").c_str());
     },
     false},
};

// Each name of a folder with what it holds: a link's target, a file's text.
inline std::map<std::string, std::string> FolderState(const std::string& folder) {
    std::map<std::string, std::string> state;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (entry.is_symlink()) state[name] = "-> " + std::filesystem::read_symlink(entry.path()).string();
        else if (entry.is_regular_file()) state[name] = FileText(entry.path());
        else state[name] = "(folder)";
    }
    return state;
}
