#pragma once
// The drawing data that follows the masonry block of a data file written by this program: the
// origin shift, "QUOTE", "SEZIONI", "NODI_S", the masonry borders, the beam and wall edge lines,
// "DATI_RETINI", "NODI_SOLAI", "NODI_SOLETTE" and the tail of display and design options.
//
// The drawing-data version d gates its parts: the band lines of the floor slabs from d > 1, the
// curb line from d > 2, the origin from d > 3, the measured points of the dimensions from d > 4,
// the second concrete-slab outline and model polygon from d > 5, the floor-slab outline counts
// from d > 6. The hook flags of the lower bars are there from FileVersion 3 on.
//
// These sections refer to records by table index. The reader checks every count and index against
// the tables it refers to, so that a damaged file fails the load instead of leaving an index that
// points outside its table.
#include <cstdint>

#include "state/DesignOptions.h"
#include "state/DrawingState.h"
#include "model/files/DataFileReader.h"
#include "model/files/DataFileWriter.h"
#include "model/tables/ModelTables.h"
#include "state/ShellState.h"

// The drawing-data version this program writes.
constexpr int32_t CurrentDrawingDataVersion = 7;

// The options that a saved deck carries in its tail (and `LowerAssemblyBarDiameter` after the
// reinforcement sections). Loading a saved deck puts them in force.
struct DeckOptions {
    ShellOptions& shell;
    DrawingState& drawing;
    DesignOptions& design;
};

struct ConstDeckOptions {
    const ShellOptions& shell;
    const DrawingState& drawing;
    const DesignOptions& design;
};

// Reads the drawing data under model.DrawingDataVersion (not 0) and model.FileVersion, with the
// model sections already read. Stops at the first failure with the reader's error record filled.
bool ReadDrawingDataSections(DataFileReader& reader, Model& model, const DeckOptions& options);

// Writes the drawing data of `drawingDataVersion` (the save passes CurrentDrawingDataVersion).
void WriteDrawingDataSections(DataFileWriter& writer, const Model& model, const ConstDeckOptions& options,
                              int32_t drawingDataVersion, int32_t fileVersion);
