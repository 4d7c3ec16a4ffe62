#pragma once
// Handing concrete slabs to the slab-design program: the slab input file beside the data file,
// written only when the analysis program's result file for the slab is there, and the program
// started on it, without waiting, unless only the file is wanted.
#include <cstdint>
#include <string>
#include <vector>

#include "model/Session.h"
#include "platform/Platform.h"

// The slab-design program's file in the program folder, looked for under these names in turn.
inline constexpr const char* SlabDesignProgramNames[] = {"Lastrix", "Lastrix.exe"};

enum class SlabHandOffResult {
    NotDesigned,  // no result file for the slab: nothing written
    NotWritten,   // the input file could not be made: nothing written, nothing started
    Written,      // the input file is written; the program was not to be started, or is missing
    Started,      // the input file is written and the program started on it
    NotStarted,   // the input file is written but the program could not be started
};

// True for the results in which the input file was written and nothing went wrong.
bool HandOffSucceeded(SlabHandOffResult result);

// The input file's full path for slab `slab` (an index into ConcreteSlabs) of the current document.
std::string SlabInputFilePath(const Session& session, int32_t slab);

// Hands off slab `slab`; `count` is how many slabs the same click picked (0 from batch mode). The
// program is started only while SlabFileOnly is false and count is below 2. Every failure is told
// in a message box. A clockwise outline is stored counter-clockwise once the file is written.
SlabHandOffResult ExportConcreteSlabDesign(Session& session, Platform& platform, int32_t slab, int32_t count);

// The canvas hand-off of the slabs one click found (the first `count` of `found`): one slab is
// handed off alone; several have their files written and listed in one box, and no program is
// started. SlabFileOnly becomes false first.
void HandOffPickedConcreteSlabs(Session& session, Platform& platform, const std::vector<int32_t>& found,
                                int32_t count);
