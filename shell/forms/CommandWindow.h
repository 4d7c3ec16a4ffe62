#pragma once
// What the window's side of the commands asks of the main window, which implements it privately:
// the parent and the running of the commands' dialogs, the plan drawn again or held back, the
// caption, the File menu's recent entries, the status bar's prompt and the close that the save
// question agreed to.
#include <string>

class QDialog;
class QWidget;

class CommandWindow {
public:
    virtual ~CommandWindow() = default;
    // The window the commands' dialogs stand over.
    virtual QWidget* DialogParent() = 0;
    // Runs a modal dialog and draws the plan again once it has closed.
    virtual void RunDialog(QDialog& dialog) = 0;
    // The whole plan drawn again on the canvas.
    virtual void RedrawPlan() = 0;
    // While held, the session holds decks other than the document (those the DXF export loads):
    // the plan is not drawn on the canvas, and a draw asked for meanwhile comes once the hold ends.
    virtual void HoldPlanDrawing(bool hold) = 0;
    // The vertex panel as the document now has it, then the caption from the document's name.
    virtual void ShowDocumentCaption() = 0;
    // The File menu's recent-file entries from the list.
    virtual void RefreshRecentMenu() = 0;
    // The status bar's second panel.
    virtual void ShowPrompt(const std::string& prompt) = 0;
    // Closes the window without the question before closing, which was answered already.
    virtual void CloseAsAgreed() = 0;
};
