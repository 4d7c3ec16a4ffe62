#pragma once
// Every command of the program by its id: captions in both interface languages, icon key, the rule
// that enables it, where the menu and the toolbar show it, and for the canvas tools the state they
// start with their prompt.
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "model/Session.h"

enum class EnableRule {
    Always,
    DocumentLoaded,   // SlabDesignState ≠ 0
    DesignPresent,    // SlabDesignState ≥ 2
    HasFloorSlabs,    // FloorSlabCount > 0
    HasConcreteSlabs  // ConcreteSlabCount > 0
};

struct CommandInfo {
    int32_t Id;
    const char* Italian;  // "&" marks the access key
    const char* English;
    const char* IconKey;  // empty: no icon
    EnableRule Rule;
};

constexpr int32_t FirstRecentFileCommand = 2031;
constexpr int32_t RecentFileCommandCount = 4;
constexpr int32_t DxfOutputCommand = 2035;
constexpr int32_t AboutCommand = 2036;
// In the bars' layouts: a separator before the next control.
constexpr int32_t BarSeparator = 0;

std::span<const CommandInfo> CommandTable();
const CommandInfo* FindCommand(int32_t id);
// The caption in the interface language; empty for an id without one (the recent files included).
std::string PulsText(int32_t id, const LanguageFlags& languages);

// What the bars show of a command before each display: ids 101 to 131 but Exit and Setting follow
// their rule (118 is also checked while the 1:50 text size is on); every other id is left as built.
struct CommandUpdate {
    bool Touched = false;
    bool Enabled = true;
    bool Checked = false;
};
CommandUpdate UpdateCommand(int32_t id, const Session& session);

// Whether the recent-file slot (0 to 3) holds a file of the list: its File-menu entry is shown.
bool RecentFileSlotInUse(int32_t slot, const Session& session);
// Whether the user could choose the command now: a command of the table, enabled by its rule and,
// for a recent file, with its entry shown.
bool CommandAvailable(int32_t id, const Session& session);

// The toolbar "Standard" and the "&File" popup, in order, with separators.
std::span<const int32_t> ToolbarLayout();
std::span<const int32_t> FileMenuLayout();

// A canvas tool's start: the state, the prompt of the status bar in each interface language (none
// when empty) and whether the hover highlight is forgotten.
struct ToolStart {
    int32_t State = 0;
    const char* PromptItalian = "";
    const char* PromptEnglish = "";
    bool ForgetHighlight = false;
};
std::optional<ToolStart> ToolStartOf(int32_t id);
