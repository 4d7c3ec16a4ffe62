#pragma once
// File and colour dialogs of the window: QFileDialog and QColorDialog, modal over `parent`.
#include <QStringList>

#include "platform/FileDialogs.h"
#include "platform/qt/ModalRunner.h"

class QWidget;

class QtFileDialogs : public FileDialogs {
public:
    explicit QtFileDialogs(QWidget* parent = nullptr, ModalRunner runner = {})
        : parent_(parent), runner_(std::move(runner)) {}

    std::string OpenFile(const FileDialogRequest& request) override;
    std::string SaveFile(const FileDialogRequest& request) override;
    ColourRef PickColour(ColourRef start) override;

private:
    std::string AskFile(const FileDialogRequest& request, bool save);

    QWidget* parent_;
    ModalRunner runner_;
};

// A request's filter as QFileDialog takes it: "File dati (*.CRP)|*.CRP" gives "File dati (*.CRP)",
// "Drawings|*.DXF;*.DWG" gives "Drawings (*.DXF *.DWG)", a bare "*.CRP" gives "*.CRP".
QStringList QtNameFilters(const std::string& filter);
