#pragma once
// The file open and save dialogs and the colour dialog. Paths are UTF-8, as the file system
// spells them.
#include <string>

#include "platform/Canvas.h"

// What a file dialog opens with. An empty field leaves the toolkit's choice: its own title, the
// current folder, no proposed name, every file.
struct FileDialogRequest {
    std::string Title;
    std::string Folder;    // the folder the dialog starts in
    std::string FileName;  // the proposed name; a pattern such as "*.CRP" proposes none
    // "Description|pattern" pairs separated by '|', e.g. "File dati (*.CRP)|*.CRP", or a bare
    // pattern such as "*.CRP"; several patterns of one entry are separated by ';'.
    std::string Filter;
    std::string DefaultExtension;  // without the dot; added to a typed name that has none
};

class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // The path of an existing file the user chose, or the empty text when cancelled.
    virtual std::string OpenFile(const FileDialogRequest& request) = 0;
    // The path to write, or the empty text when cancelled. Choosing an existing file asks first
    // whether to replace it.
    virtual std::string SaveFile(const FileDialogRequest& request) = 0;
    // The colour the user chose, or `start` when cancelled.
    virtual ColourRef PickColour(ColourRef start) = 0;
};
