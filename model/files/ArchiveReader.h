#pragma once
// Reader of the section and footing archive "ARCHIMPA.AI0" that the analysis program writes
// beside every data file (versions 2 to 5): the section catalogue, with catalogue profiles
// completed by the section-properties server, the slab types, the footing types and the two
// tail tables.
#include <cstdint>
#include <string>

#include "model/tables/ModelTables.h"
#include "model/tables/SectionCatalogue.h"
#include "platform/MessageBox.h"
#include "platform/SectionPropertiesServer.h"
#include "state/ShellState.h"

inline constexpr const char* ArchiveFileName = "ARCHIMPA.AI0";

// Reads the archive at `path` into the catalogue. Sets shell.Document.LoadStatus to 0, or to -1
// when the archive is refused (another version), unreadable or malformed, or when the server
// cannot complete a profile; each of these shows its message box first. A refusal by version
// leaves the tables as they were (ServerSectionCount apart, which is always reset).
void ReadSectionArchive(const std::string& path, SectionCatalogue& catalogue, ShellState& shell,
                        MessageBoxes& messages, SectionPropertiesServer& server);

// True when floor slab `slab` (index into FloorSlabs) has a slab type of kind 1, whose
// reinforcement the system designs. Slabs and slab-type numbers outside the tables are not.
bool IsDesignableFloorSlab(const Model& model, int32_t slab);
