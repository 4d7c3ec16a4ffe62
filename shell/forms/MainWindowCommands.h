#pragma once
// The main window's side of the commands: what the dispatcher asks of the window, and what the
// document flows ask of it (its caption, the plan on its canvas, its recent-file entries).
#include "shell/CommandDispatch.h"
#include "shell/DocumentFlows.h"

class MainWindow;

class MainWindowCommands : public CommandActions, public DocumentWindow {
public:
    explicit MainWindowCommands(MainWindow& form) : form_(form) {}

    void OpenCommand() override;
    void SaveCommand() override;
    void SaveAsCommand() override;
    void Exit() override;
    void ShowSettingsDialog() override;
    void ShowAbout() override;
    void ShowDesignOptionsDialog() override;
    void DesignAllFloorSlabs() override;
    void RunDxfOutput() override;
    void CaricaRece(int32_t slot) override;
    void Redraw() override;
    void ShowPrompt(const std::string& prompt) override;

    void TitoloFR1() override;
    void DrawPlan() override;
    void RefreshRecentMenu() override;

    // The question before the window closes: true when it may close.
    bool MayClose();

private:
    DocumentContext Document();

    MainWindow& form_;
};
