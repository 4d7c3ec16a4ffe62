#pragma once
// Reader of the section and footing archive "ARCHIMPA.AI0" that the analysis program writes
// beside every data file (versions 2 to 5): the section catalogue, with catalogue profiles
// completed by the section-properties server, the slab types, the footing types and the two
// tail tables.
#include <cstdint>
#include <string>
#include <vector>

#include "model/tables/ModelTables.h"
#include "model/tables/SectionCatalogue.h"
#include "platform/MessageBox.h"
#include "platform/SectionPropertiesServer.h"
#include "state/ShellState.h"

inline constexpr const char* ArchiveFileName = "ARCHIMPA.AI0";

// A section of the archive whose catalogue profile the section server does not know.
struct UnknownProfileSection {
    int32_t Section;       // 1-based section number
    int32_t Code, Number;  // as the archive gives them
    bool operator==(const UnknownProfileSection&) const = default;
};

// Reads the archive at `path` into the catalogue. Sets shell.Document.LoadStatus to 0, or to -1
// when the archive is refused (another version), unreadable or malformed, or when the server
// does not answer; each of these shows its message box first. A refusal by version leaves the
// tables as they were (ServerSectionCount apart, which is always reset). A profile the server does
// not know is no reason to refuse: its section gets the record of a refused profile (empty name,
// 1 × 1 cm), and the sections concerned are returned, in archive order, for the caller to report.
std::vector<UnknownProfileSection> ReadSectionArchive(const std::string& path, SectionCatalogue& catalogue,
                                                      ShellState& shell, MessageBoxes& messages,
                                                      SectionPropertiesServer& server);

// One warning that lists the sections (the first ones, when there are many); none for an empty list.
void ShowUnknownProfiles(const std::vector<UnknownProfileSection>& sections, const LanguageFlags& languages,
                         MessageBoxes& messages);

// True when floor slab `slab` (index into FloorSlabs) has a slab type of kind 1, whose
// reinforcement the system designs. Slabs and slab-type numbers outside the tables are not.
bool IsDesignableFloorSlab(const Model& model, int32_t slab);
