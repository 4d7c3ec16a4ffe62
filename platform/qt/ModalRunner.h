#pragma once
// How the Qt backends run their modal dialogs. By default a dialog runs its own event loop until
// the user closes it; a test puts a runner in its place that looks at the dialog and answers it
// (clicks a button, selects a file, accepts or rejects) without showing anything.
#include <QDialog>

#include <functional>

using ModalRunner = std::function<void(QDialog&)>;

inline void RunModal(const ModalRunner& runner, QDialog& dialog) {
    if (runner) runner(dialog);
    else dialog.exec();
}
