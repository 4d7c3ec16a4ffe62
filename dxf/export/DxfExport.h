#pragma once
// The DXF export: the chosen decks loaded one after another into the session's model through the
// same load as a document, drawn side by side into the spools of one writer state, and put
// together into one DXF 2000 or R12 file, with the take-off list beside it when asked for.
//
// A failure anywhere (a data file missing, a drawing or writing failure) ends the export with a
// message that says why: the session's LoadStatus becomes -1 and no file is written or changed.
// What would refuse the drawing or its list their new text (a read-only file, another user's file
// in a shared folder, a locked file or folder) is found before any deck loads. Only a rename
// refused after the drawing's went through leaves the new drawing beside the old list; the message
// then says so.
// The entity and block records drawn go to scratch files beside the DXF file as they come; the
// DXF file is written from them to a temporary name, and it and its take-off list take their names
// only once both are whole. No scratch or temporary file outlives the export.
//
// The model keeps the last deck that loaded; putting the user's document back is the caller's.
#include <cstdint>
#include <string>
#include <vector>

#include "model/Session.h"
#include "model/files/WholeFiles.h"
#include "platform/Platform.h"
#include "state/DxfOptions.h"

enum class DxfExportOutcome {
    Written,          // the DXF file and, when asked for, the take-off file
    NothingSelected,  // no data file given: a message, nothing else
    Cancelled,        // no destination given: nothing at all
    NoDeckLoaded,     // asked to write nothing then: each load told why, no file written or changed
    Failed,           // a message with the cause; nothing written but ReplacedFiles
};

struct DxfExportResult {
    DxfExportOutcome Outcome = DxfExportOutcome::Failed;
    std::string Message;          // the text of the box shown; empty when none was
    std::string TakeoffTextPath;  // where the take-off list goes (computed whether or not it is asked for)
    int32_t DecksDrawn = 0;
    // Decks whose load failed: each load told why; they are neither drawn nor given room.
    std::vector<std::string> SkippedDataFiles;
    // Files that took their new text though the export failed: the rename of a file after them was
    // refused, and the message says which file was not replaced and why.
    std::vector<std::string> ReplacedFiles;
};

// DxfUnitFactor from the CAD print ratio, DxfScaleFactor from it and the drawing scale.
void SetDxfScaleFactors(DxfOptions& options);

// The DXF path with its file name's extension replaced by "TXT" (a name without one gets ".TXT");
// the folders' names are left alone, whatever dots they hold.
std::string TakeoffTextPathOf(const std::string& dxfPath);

// What an export whose decks all failed to load writes: the dialog's export an empty drawing, a
// script nothing.
enum class WhenNoDeckLoads { WriteEmptyDrawing, WriteNothing };

// Exports `dataFiles` (paths of data files, in drawing order) to `dxfPath` with `options`, which
// become the session's DXF options; the layer table is the session's, with row 24 made to follow
// row 2 first. Messages go to `platform`'s message boxes. With the take-off list asked for, an
// export whose drawing and list would be one file (see WouldBeOneFile) fails before any deck
// loads. `calls` stand in for the system's in the files' commit where given.
DxfExportResult NewSalvaDXF(Session& session, Platform& platform, const std::vector<std::string>& dataFiles,
                            const std::string& dxfPath, const DxfOptions& options,
                            WhenNoDeckLoads whenNoDeckLoads = WhenNoDeckLoads::WriteEmptyDrawing,
                            const CommitCalls& calls = {});
