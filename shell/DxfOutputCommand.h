#pragma once
// The DXF output command. The export dialog loads the decks it exports into the one model, so the
// command keeps the document first: a named one in a copy "imp.TMP" beside its data file, checked
// before the dialog opens, an unnamed one in memory. After the dialog the document comes back as
// it was, unsaved changes included, with the screen settings it had; a named one also re-reads the
// settings file, as a load does.
#include <functional>
#include <string>

#include "shell/DocumentFlows.h"

// The folder the export dialog opens in: a named document's, else the analysis program's drawings
// folder, else the empty text for the current folder.
std::string ExportDialogStartFolder(const Session& session, const RegistryValues& registry);

// Runs the command; `showExportDialog` shows the export dialog and returns once it is closed.
void RunDxfOutput(DocumentContext c, const std::function<void()>& showExportDialog);
