#pragma once
// How the Qt backends run their modal dialogs. By default a dialog runs its own event loop until
// the user closes it; a test puts a runner in its place that looks at the dialog and answers it
// (clicks a button, selects a file, accepts or rejects) without showing anything. Either way the
// dialog is first fitted on the screen over the window it belongs to.
#include <QDialog>

#include <functional>

#include "platform/qt/ScreenFit.h"

using ModalRunner = std::function<void(QDialog&)>;

inline void RunModal(const ModalRunner& runner, QDialog& dialog) {
    FitWindowOnScreen(dialog, dialog.parentWidget());
    if (runner) runner(dialog);
    else dialog.exec();
}
