#pragma once
// The DXF output command. The export dialog loads the decks it exports into the one model, so the
// command keeps the document first: a named one in a copy "imp.TMP" beside its data file, checked
// before the dialog opens, an unnamed one in memory. After the dialog the document comes back as
// it was, unsaved changes included, with the screen settings it had; a named one also re-reads the
// settings file, as a load does. When the copy does not load again, the document is emptied only
// once a copy the user is told of holds its changes; else it stays open as it was.
#include <functional>
#include <string>
#include <string_view>
#include <system_error>

#include "model/files/WholeFiles.h"
#include "shell/DocumentFlows.h"

// How the command writes its copy as a new file (WriteNewFile; tests stand in for it).
using NewFileWriter = std::function<bool(const std::string& path, std::string_view text, std::string& created,
                                         std::error_code& error)>;

// The folder the export dialog opens in: a named document's, else the analysis program's drawings
// folder, else the empty text for the current folder.
std::string ExportDialogStartFolder(const Session& session, const RegistryValues& registry);

// Runs the command, after the question on an outline edited in the vertex panel and not yet
// assigned (its Cancel stops the command); `showExportDialog` shows the export dialog and returns
// once it is closed.
void RunDxfOutput(DocumentContext c, const std::function<void()>& showExportDialog,
                  const NewFileWriter& writeNewFile = WriteNewFile);
