#include "shell/forms/MainWindowCommands.h"

#include <filesystem>
#include <system_error>

#include "design/DesignCommands.h"
#include "design/forms/DesignOptionsDialog.h"
#include "dxf/forms/ExportDialog.h"
#include "shell/DxfOutputCommand.h"
#include "shell/SettingsFile.h"
#include "shell/forms/AboutWindow.h"
#include "shell/forms/MainWindow.h"
#include "shell/forms/SettingsDialog.h"

DocumentContext MainWindowCommands::Document() { return {form_.session(), form_.platform(), *this}; }

void MainWindowCommands::OpenCommand() { ::OpenCommand(Document()); }
void MainWindowCommands::SaveCommand() { ::SaveCommand(Document()); }
void MainWindowCommands::SaveAsCommand() { ::SaveAsCommand(Document()); }
void MainWindowCommands::CaricaRece(int32_t slot) { ::CaricaRece(Document(), slot); }

bool MainWindowCommands::MayClose() { return ::CloseDocumentFlow(Document()) == CloseDecision::Close; }

void MainWindowCommands::Exit() {
    // Bare names and temporary files depend on the current folder: it changes only once the
    // window goes.
    if (!MayClose()) return;
    const std::string& exeFolder = form_.session().shell.Folders.ExeFolder;
    std::error_code ignored;
    if (!exeFolder.empty()) std::filesystem::current_path(exeFolder, ignored);
    form_.CloseAsAgreed();
}

void MainWindowCommands::ShowSettingsDialog() {
    SettingsDialog settings(form_.session(), form_.platform(), [this] { form_.Form_Activate(); }, &form_);
    form_.RunDialog(settings);
}

void MainWindowCommands::ShowAbout() {
    AboutWindow about(form_.session().model, &form_);
    form_.RunDialog(about);
}

void MainWindowCommands::ShowDesignOptionsDialog() {
    DesignOptionsDialog options(form_.session(), form_.platform().messages, [this] { form_.Form_Activate(); },
                                &form_);
    form_.RunDialog(options);
}

void MainWindowCommands::RunDxfOutput() {
    Session& session = form_.session();
    Platform& platform = form_.platform();
    // Not RunDialog: the deck the dialog exported last is still loaded when it closes; the command
    // draws the document once it has put it back.
    ::RunDxfOutput(Document(), [&] {
        ExportDialog dialog(session, platform, ExportDialogStartFolder(session, platform.registry),
                            [&] { SaveSettings(session, platform.messages); }, form_.Runner(), &form_);
        RunModal(form_.Runner(), dialog);
    });
}

void MainWindowCommands::DesignAllFloorSlabs() { ::DesignAllFloorSlabs(form_.session(), form_.platform()); }

void MainWindowCommands::Redraw() { form_.Form_Activate(); }

void MainWindowCommands::ShowPrompt(const std::string& prompt) { form_.ShowPrompt(prompt); }

void MainWindowCommands::TitoloFR1() {
    // An emptied document closed the vertex panel before its caption is asked for.
    form_.SyncVertexPanel();
    form_.TitoloFR1();
}

void MainWindowCommands::DrawPlan() { form_.Form_Activate(); }

void MainWindowCommands::RefreshRecentMenu() { form_.RefreshRecentMenu(); }
