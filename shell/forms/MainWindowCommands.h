#pragma once
// The main window's side of the commands: what the dispatcher asks of the window, and what the
// document flows ask of it (its caption, the plan on its canvas, its recent-file entries). It
// reaches the window itself through CommandWindow only.
#include "model/Session.h"
#include "platform/Platform.h"
#include "platform/qt/ModalRunner.h"
#include "shell/CommandDispatch.h"
#include "shell/DocumentFlows.h"
#include "shell/forms/CommandWindow.h"

class MainWindowCommands : public CommandActions, public DocumentWindow {
public:
    // `runner` runs the dialogs that the window's RunDialog does not (the DXF export's).
    MainWindowCommands(Session& session, Platform& platform, const ModalRunner& runner, CommandWindow& window)
        : session_(session), platform_(platform), runner_(runner), window_(window) {}

    void OpenCommand() override;
    void SaveCommand() override;
    void SaveAsCommand() override;
    void Exit() override;
    void ShowSettingsDialog() override;
    void ShowAbout() override;
    void ShowDesignOptionsDialog() override;
    void DesignReinforcementAgain() override;
    void RunDxfOutput() override;
    void CaricaRece(int32_t slot) override;
    void Redraw() override;
    void ShowPrompt(const std::string& prompt) override;

    void TitoloFR1() override;
    void DrawPlan() override;
    void RefreshRecentMenu() override;
    void ToolsEnded() override;

    // The question before the window closes: true when it may close.
    bool MayClose();

private:
    DocumentContext Document();

    Session& session_;
    Platform& platform_;
    const ModalRunner& runner_;
    CommandWindow& window_;
};
