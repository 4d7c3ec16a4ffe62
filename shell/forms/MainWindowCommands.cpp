#include "shell/forms/MainWindowCommands.h"

#include <filesystem>
#include <system_error>

#include "design/DesignCommands.h"
#include "design/forms/DesignOptionsDialog.h"
#include "dxf/forms/ExportDialog.h"
#include "shell/DxfOutputCommand.h"
#include "shell/SettingsFile.h"
#include "shell/forms/AboutWindow.h"
#include "shell/forms/SettingsDialog.h"

namespace {

// The plan's drawing held on the window for as long as an object of it lives.
class PlanDrawingHeld {
public:
    explicit PlanDrawingHeld(CommandWindow& window) : window_(window) { window_.HoldPlanDrawing(true); }
    ~PlanDrawingHeld() { window_.HoldPlanDrawing(false); }
    PlanDrawingHeld(const PlanDrawingHeld&) = delete;
    PlanDrawingHeld& operator=(const PlanDrawingHeld&) = delete;

private:
    CommandWindow& window_;
};

}  // namespace

DocumentContext MainWindowCommands::Document() { return {session_, platform_, *this}; }

void MainWindowCommands::OpenCommand() { ::OpenCommand(Document()); }
void MainWindowCommands::SaveCommand() { ::SaveCommand(Document()); }
void MainWindowCommands::SaveAsCommand() { ::SaveAsCommand(Document()); }
void MainWindowCommands::CaricaRece(int32_t slot) { ::CaricaRece(Document(), slot); }

bool MainWindowCommands::MayClose() { return ::CloseDocumentFlow(Document()) == CloseDecision::Close; }

void MainWindowCommands::Exit() {
    // Bare names and temporary files depend on the current folder: it changes only once the
    // window goes.
    if (!MayClose()) return;
    const std::string& exeFolder = session_.shell.Folders.ExeFolder;
    std::error_code ignored;
    if (!exeFolder.empty()) std::filesystem::current_path(exeFolder, ignored);
    window_.CloseAsAgreed();
}

void MainWindowCommands::ShowSettingsDialog() {
    SettingsDialog settings(session_, platform_, [this] { window_.RedrawPlan(); }, window_.DialogParent());
    window_.RunDialog(settings);
}

void MainWindowCommands::ShowAbout() {
    AboutWindow about(session_.model, window_.DialogParent());
    window_.RunDialog(about);
}

void MainWindowCommands::ShowDesignOptionsDialog() {
    DesignOptionsDialog options(session_, platform_.messages, [this] { window_.RedrawPlan(); },
                                window_.DialogParent());
    window_.RunDialog(options);
}

void MainWindowCommands::RunDxfOutput() {
    // Not RunDialog: the deck the dialog exported last is still loaded when it closes. Whatever asks
    // for the plan meanwhile (an activation, a resize settling, the command's own redraw) is drawn
    // once the document is back.
    const PlanDrawingHeld held(window_);
    ::RunDxfOutput(Document(), [&] {
        ExportDialog dialog(session_, platform_, ExportDialogStartFolder(session_, platform_.registry),
                            [&] { SaveSettings(session_, platform_.messages); }, runner_, window_.DialogParent());
        RunModal(runner_, dialog);
    });
}

void MainWindowCommands::DesignReinforcementAgain() { ::DesignReinforcementAgain(session_, platform_); }

void MainWindowCommands::Redraw() { window_.RedrawPlan(); }

void MainWindowCommands::ShowPrompt(const std::string& prompt) { window_.ShowPrompt(prompt); }

void MainWindowCommands::TitoloFR1() { window_.ShowDocumentCaption(); }

void MainWindowCommands::DrawPlan() { window_.RedrawPlan(); }

void MainWindowCommands::RefreshRecentMenu() { window_.RefreshRecentMenu(); }

void MainWindowCommands::ToolsEnded() { window_.ShowPrompt(""); }
