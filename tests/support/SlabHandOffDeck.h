#pragma once
// A deck copied into a folder of its own, loaded headless, with a program folder beside it: the
// slab hand-off writes its input files next to the copy and looks for the slab-design program in
// the program folder.
#include <filesystem>
#include <string>

#include "model/files/WholeFiles.h"
#include "tests/support/DeckSession.h"

inline std::string SlabHandOffFixture(const std::string& name) {
    return std::string(DRAVO_FIXTURES) + "/slab-handoff/" + name;
}

struct SlabHandOffDeck : DeckSession {
    // `deck` is a data file beside its archive; `folderName` keeps the folders of decks open at
    // the same time apart. Without `load` the copy is only named the current file.
    SlabHandOffDeck(const std::string& deck, const std::string& folderName, bool load = true) : folder(folderName) {
        const std::filesystem::path source(deck);
        std::filesystem::copy_file(source, folder / source.filename().string());
        std::filesystem::copy_file(source.parent_path() / "ARCHIMPA.AI0", folder / "ARCHIMPA.AI0");
        std::filesystem::create_directories(folder / "program");
        path = folder / source.filename().string();
        loaded = load && Load(path);
        shell.Document.CurrentFile = path;
        shell.Folders.ProgramFolder = folder / "program";
    }

    // The analysis program's result file of slab `id` beside the data file.
    void AddResultFile(const std::string& name) { WriteWholeFile(folder / name, ""); }
    void AddProgram(const std::string& name) { WriteWholeFile(folder / ("program/" + name), ""); }
    std::string Written(const std::string& name) const { return FileText(folder / name); }
    bool Exists(const std::string& name) const { return std::filesystem::exists(folder / name); }

    ScratchFolder folder;
    std::string path;
    bool loaded = false;
};
