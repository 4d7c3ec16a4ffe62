#pragma once
// The application shell's state that the other subsystems read or write.
#include <array>
#include <cstdint>
#include <string>

#include "state/Languages.h"
#include "state/TextDigest.h"

struct DocumentState {
    std::string CurrentFile = "Anonimo";
    std::string DataFolder;
    int32_t LoadStatus = 0;       // 0 after a good load, -1 after a failed or refused one
    int32_t SlabDesignState = 0;  // 0 no document, 1 loaded without floor-slab design, 2 design present
    // How the process was started: -1 for interactive use, 0 for a batch hand-off of one slab.
    int32_t InteractiveStart = 0;
    // True: the slab hand-off writes the slab-design input file without starting that program.
    bool SlabFileOnly = true;
    // The folder the file dialogs open in; empty leaves the toolkit's choice.
    std::string DialogStartFolder;
    // False while the document holds no deck read from a file: the start without a deck and the
    // empty document. Apart from the name, since an unnamed document can hold a deck.
    bool DeckLoaded = false;
    // The folder whose section archive the deck was read with: the deck's archive, which a Save As
    // into another folder takes along. Meaningful while DeckLoaded.
    std::string ArchiveFolder;
    // The digest of what a save wrote, or would have written, when the deck was last loaded or
    // saved: the document has changed when a save would now write another text. The empty
    // text's until then.
    TextDigest UnchangedDigest;
};

// The folders the program works with, each without a trailing separator.
struct FolderSet {
    std::string ProgramFolder;   // the folder of the running executable
    std::string SettingsFolder;  // the user's profile folder, else the program folder
    std::string ExeFolder;       // the executable's folder as found at start-up
};

// Options kept in the settings file; some of them also travel in the data-file tail.
struct ShellOptions {
    int32_t JoistTypeLabels = 0;      // not 0: Italian joist labels carry the section number
    int32_t DimensionUnitMetres = 0;  // 1: dimension texts in metres
    int32_t SpareOption1 = 0;         // kept in the settings file only
    int32_t SpareOption2 = 1;         // kept in the settings file only
    int32_t SpareOption3 = 1;
    int32_t OptimalTextSize = 1;      // screen texts sized for 1:50
    int32_t LateralCover = 2;         // cm
    int32_t OsnapEnabled = 0;         // object snap of the vertex panel's clicks
    int32_t SpareOption4 = 0;         // kept in the settings file only
    int32_t SpareOption5 = 0;         // kept in the settings file only
    int32_t SpareOption6 = 0;         // kept in the settings file only
};

// The data files loaded last, slot 0 the most recent; a slot at or beyond the count is not in the
// list, whatever it still holds.
struct RecentFileList {
    std::array<std::string, 4> RecentFiles{};
    int32_t RecentFileCount = 0;
};

// Mouse-pointer shapes of the canvas.
enum CanvasPointerShape : int32_t { PointerCrosshair = 2, PointerHourglass = 11, PointerPan = 99 };

struct ShellState {
    LanguageFlags Languages;
    DocumentState Document;
    ShellOptions Options;
    FolderSet Folders;
    int32_t CanvasPointer = PointerCrosshair;
    RecentFileList Recent;
    // A settings file is there that the last read did not take whole (another version, cut short,
    // unreadable): written over with the settings in force, it would lose what it holds, so only a
    // save the user asks for replaces it.
    bool SettingsFileNotReadWhole = false;
    int32_t LastCommandId = 0;  // the command run last from the bars, 0 before the first
};
