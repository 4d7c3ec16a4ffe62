#pragma once
// The start's checks and the batch hand-off: the data file of the command line must exist; a
// batch start loads it, finds the concrete slab the command line names and hands it to the
// slab-design program, then the process ends. Every failure ends it with a non-zero code.
#include <cstdint>

#include "model/Session.h"
#include "platform/Platform.h"
#include "shell/CommandLine.h"

inline constexpr int ExitSucceeded = 0;
inline constexpr int ExitFailed = 1;

// False, after "File:" / the path / "non trovato." under "Load error!", when the command line names
// a data file that is not there (a folder does not count).
bool DataFileOfStartExists(const CommandLineStart& start, MessageBoxes& messages);

// Index of the first concrete slab whose Id is `id`; -1 when none is.
int32_t FindConcreteSlabById(const Model& model, int32_t id);

// The batch hand-off of slab `slabNumber` of the data file in session.shell.Document.CurrentFile,
// after the start-up state is in place. Returns the process's exit code.
int RunBatchHandOff(Session& session, Platform& platform, int32_t slabNumber);
