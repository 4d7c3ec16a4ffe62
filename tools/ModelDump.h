#pragma once
// A plain-text listing of a loaded deck, for the developer tool crpdump and for tests that
// compare two loads: one line per scalar as "Name=value" and one line per record as
// "Table[i] Field=value Field=value …", with the model's own names. Only the records in use are
// listed (indexes below each count); reals are written in their shortest exact form.
#include <string>

#include "state/DesignOptions.h"
#include "state/DrawingState.h"
#include "model/tables/ModelTables.h"
#include "state/ShellState.h"

std::string DumpModel(const Model& model);

// The options that travel with a saved deck (the data file's tail).
std::string DumpDeckOptions(const ShellOptions& shell, const DrawingState& drawing, const DesignOptions& design);
