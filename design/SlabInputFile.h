#pragma once
// The input file of the slab-design program for one concrete slab of the deck: its outline turning
// counter-clockwise, the inner regions inside it, the pillars, wall and beam faces and circular
// footings inside it, its thickness and the name of the analysis program's result file for it.
// Positions are those of the analysis model: the deck's origin shift is added back.
#include <cstdint>
#include <optional>
#include <string>

#include "model/tables/ModelTables.h"

// "gus" + the identifier padded with zeros to five digits + ".mpi" (gus00007.mpi); longer
// identifiers keep all their digits, a negative one its sign before them.
std::string SlabResultFileName(int32_t id);

// "Soletta" + the identifier + ".LSX" (Soletta7.LSX).
std::string SlabInputFileName(int32_t id);

struct SlabInputFile {
    std::string Text;
    // True when the slab's stored outline turns clockwise (or has no area): the file lists it the
    // other way round, and the model takes that order once the file is written.
    bool OutlineReversed = false;
};

// The file of concrete slab `slab` (an index into ConcreteSlabs). Nothing when the slab or its
// outline cannot be read: an index outside the table, fewer than three vertices, or a vertex that
// names no plan point.
std::optional<SlabInputFile> FormatSlabInputFile(const Model& model, int32_t slab);

// Reverses vertices 0 .. n - 1 of the slab's first outline list and repeats the new first vertex at
// position n when the list holds that place.
void ReverseConcreteSlabOutline(Model& model, int32_t slab);
