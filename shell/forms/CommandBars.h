#pragma once
// The main window's command bars: the menu bar (the "&File" popup, the DXF output and the
// information window) and the toolbar "Standard", built from the command table in the interface
// language, with 24 × 24 icons. A chosen control reports its command id; before the File menu is
// shown every control takes its enabled and checked state from the document.
#include <QObject>

#include <cstdint>
#include <functional>
#include <map>

#include "model/Session.h"

class QAction;
class QMainWindow;
class QMenu;
class QToolBar;

class CommandBars : public QObject {
    Q_OBJECT

public:
    using Execute = std::function<void(int32_t id)>;
    // Builds the bars on `window`; `session` is read for the language, the recent files and, at
    // every update, the document's state.
    CommandBars(QMainWindow& window, const Session& session, Execute execute);

    // Every control enabled and checked as the document allows now.
    void Update();
    // The four recent-file entries: the file name as caption, the full path as tooltip, shown only
    // while their slot holds a file.
    void RefreshRecent();

    QAction* Action(int32_t id) const;
    QMenu* FileMenu() const { return fileMenu_; }
    QToolBar* Toolbar() const { return toolbar_; }

private:
    QAction* MakeAction(int32_t id);

    const Session& session_;
    Execute execute_;
    std::map<int32_t, QAction*> actions_;
    QMenu* fileMenu_ = nullptr;
    QToolBar* toolbar_ = nullptr;
};
