#pragma once
// Two texts for people: the deck's title from its elevations, in the drawing language, and the
// deck's block of the quantity take-off list. Their numbers take the user's decimal separator.
#include <string>

#include "model/tables/ModelTables.h"
#include "state/DxfOptions.h"
#include "state/Languages.h"
#include "state/ShellState.h"

std::string GetDeckTitle(const PlanHeader& header, const LanguageFlags& languages);

// Appends the deck's block to the take-off list (lines ended by CR LF): the title, an empty line,
// one line per floor slab (number, type, area in square metres) and an empty line. Nothing when
// the option is off or the deck has no floor slab.
void WriteFloorSlabTakeoff(const Model& model, const DxfOptions& dxf, const LanguageFlags& languages,
                           const ShellOptions& options, std::string& takeoff);
