#pragma once
// The cause of a failed save or export in the user's words: the step that failed where the cause
// alone would not tell it (a permission refused to a write is no folder's permission).
#include <string>
#include <system_error>

#include "model/files/FileErrors.h"
#include "state/Languages.h"

// Whether the cause of a failed `step` concerns the folder that was to hold the file: the new file
// was made, or took a name, there.
bool StepMeetsTheFolder(FileStep step);
// "writing its text failed: <cause>" and the like for a step past making the file; the cause alone
// for the others.
std::string StepAndCause(FileStep step, const std::error_code& error, const LanguageFlags& languages);
