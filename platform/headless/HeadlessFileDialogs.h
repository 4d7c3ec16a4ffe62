#pragma once
// File and colour dialogs without a screen: answers come from a script and every dialog is
// recorded. Once the script is used up, every dialog is cancelled.
#include <deque>
#include <vector>

#include "platform/FileDialogs.h"

enum class DialogKind { OpenFile, SaveFile, Colour };

struct AskedDialog {
    DialogKind Kind = DialogKind::OpenFile;
    FileDialogRequest Request;  // the file dialogs
    ColourRef StartColour = 0;  // the colour dialog
    std::string Path;           // the file dialogs' answer, empty when cancelled
    ColourRef Colour = 0;       // the colour dialog's answer
};

class HeadlessFileDialogs : public FileDialogs {
public:
    std::string OpenFile(const FileDialogRequest& request) override;
    std::string SaveFile(const FileDialogRequest& request) override;
    ColourRef PickColour(ColourRef start) override;

    // Answers of the next file dialogs, open and save alike, in order; an empty path cancels.
    void ScriptPaths(std::initializer_list<std::string> paths) { paths_.insert(paths_.end(), paths); }
    // Answers of the next colour dialogs, in order.
    void ScriptColours(std::initializer_list<ColourRef> colours) { colours_.insert(colours_.end(), colours); }
    const std::vector<AskedDialog>& Asked() const { return asked_; }

private:
    std::string AnswerFile(DialogKind kind, const FileDialogRequest& request);

    std::deque<std::string> paths_;
    std::deque<ColourRef> colours_;
    std::vector<AskedDialog> asked_;
};
