#pragma once
// The main window's side of the commands: what the dispatcher asks of the window. The document
// flows, the dialogs, the design and the DXF export connect here as they come.
#include "shell/CommandDispatch.h"

class Form1;

class Form1Commands : public CommandActions {
public:
    explicit Form1Commands(Form1& form) : form_(form) {}

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

private:
    Form1& form_;
};
