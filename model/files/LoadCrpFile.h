#pragma once
// Loading a deck: the section archive "ARCHIMPA.AI0" beside the data file first, then the data
// file from its version line to its end, with node numbers turned into indexes, coordinates
// rounded and shifted so that the smallest node coordinates are 0, the beam elements of a fresh
// export grouped and chained (a saved deck keeps the order it was saved in), the walls of the
// other plan kind left out, the slab angles and design segments put in their normal form, the
// drawing data of a saved file and, at the end, the completion of the deck.
//
// Preconditions the callers meet (the loader does not reset these itself): the dimension,
// reinforcement and masonry tables and counts emptied (Model::ClearBeforeLoad).
//
// On return shell.Document.LoadStatus is 0 after a complete load and -1 after a failed one; every
// failure has shown one message box that says what was wrong. A failed load leaves in the tables
// what was read so far. Catalogue profiles that the section server does not know fail nothing:
// after a complete load one warning lists their sections.
#include <cstdint>
#include <functional>
#include <string>

#include "model/Session.h"
#include "platform/Platform.h"

// Completes a loaded deck with its derived plan geometry. Called at the end of every good load,
// with freshExport true for a file without drawing data (the whole derived geometry is to be
// built) and false for a saved file (only what is rebuilt on every load). The plan-geometry
// subsystem provides it; an empty one leaves the model as read.
using DeckCompletion = std::function<void(Model& model, bool freshExport)>;

// Index of the first node whose Id is `id`. When none is, shows "Nodo … non definito." (or its
// English text) and returns -1.
int32_t FindNodeIndex(const Model& model, int32_t id, const LanguageFlags& languages, MessageBoxes& messages);

// slabDesign: -1 when the deck has no floor slabs (or the load stopped before them), 0 when none
// carries design data, 1 when at least one does.
// What the load reads and changes: the model, the application state that travels in the data
// file's tail and the load status; the platform's message boxes and section server.
void LoadCrpFile(const std::string& path, int32_t& slabDesign, Session& session, Platform& platform,
                 const DeckCompletion& complete);

// As LoadCrpFile, with the data file's text already in memory; `path` still gives the folder of
// the archive and the name shown in messages.
void LoadCrpText(const std::string& path, const std::string& dataText, int32_t& slabDesign, Session& session,
                 Platform& platform, const DeckCompletion& complete);
