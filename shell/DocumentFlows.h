#pragma once
// The flows that replace, write and empty the one document: the save question, Open with its file
// dialog, the loading steps, Save, Save As, the recent-file entries, the empty document and the
// question before the window closes. They run on the Session and the Platform; what only the
// window can do (its caption, the plan on its canvas, its File menu) they ask of a DocumentWindow.
#include <cstdint>
#include <string>

#include "model/Session.h"
#include "model/files/SaveCrpFile.h"
#include "platform/Platform.h"

class DocumentWindow {
public:
    virtual ~DocumentWindow() = default;
    // The caption from the document's name.
    virtual void TitoloFR1() = 0;
    // The whole plan drawn on the canvas.
    virtual void DrawPlan() = 0;
    // The File menu's recent-file entries from the list.
    virtual void RefreshRecentMenu() = 0;
    // The canvas tools ended with the document they worked on (EndToolsOfTheDocument): the prompt
    // of the one that was in force goes.
    virtual void ToolsEnded() = 0;
};

struct DocumentContext {
    Session& session;
    Platform& platform;
    DocumentWindow& window;
};

// True when a save would write another text than the one the document was loaded or last saved
// with. The options the data file's tail carries count like the deck's own values: the screen
// switches of the first ten layers, the dimension snap switches, the dimension unit, the optimal
// text size and the curb options. What only the view, the screen or the settings file hold is not
// written, so not counted. While no deck is loaded (the start without one, the empty document)
// nothing counts: there is no work to lose.
bool DocumentChanged(const Session& session);

// Asked before another deck replaces this one, when the document changed since it was loaded or
// last saved. Yes writes a named document where it is and sends an unnamed one through Salva
// under `unnamedSaveTitle`. False when the flow that asked must stop, because the save the
// user asked for could not be written: the document is then kept. A cancelled Save As, or No to
// overwriting a read-only file, lets the flow go on.
bool AskToSaveDeck(DocumentContext c, const std::string& unnamedSaveTitle);

// Save, Save As, Open, the recent-file entries and the close first ask, while the vertex panel
// holds an edited outline not yet assigned, whether to assign it (AssignEditedOutlineFirst).

// The Open command: the save question, Carica for "CRP", then, however it ended, the crosshair,
// the caption, the file dialogs' folder and the document at the head of the recent files.
void OpenCommand(DocumentContext c);
// The open dialog for data files with the extension `ext`, titled `title`. A cancel sets
// LoadStatus to -1 and changes nothing else; a chosen file is loaded by LoadDocument, with the case
// it has on disk.
void Carica(DocumentContext c, const std::string& ext, const std::string& title);
// The loading steps of the data file `path`, under the hourglass: the deck and the settings read
// again into a session of their own. A load that fails, after the reader's message, leaves
// everything as a cancelled Open does: LoadStatus -1, the crosshair, and the document, its view,
// its settings in force and an open vertex panel as they were. A good load ends the canvas tools,
// the vertex panel among them, replaces the document and names it after `path`; the deck is
// placed, titled and drawn, then its reinforcement state with its warning, and the recent list;
// the deck as drawn counts as unchanged.
void LoadDocument(DocumentContext c, const std::string& path);

// The Save command: a named document is written where it is, an unnamed one goes through Salva.
void SaveCommand(DocumentContext c);
// The Save As command.
void SaveAsCommand(DocumentContext c);
// The save dialog titled `title`, proposing CurrentFile. The chosen name becomes CurrentFile, and
// the caption follows, only once the deck was written there. A cancel is Declined. The deck's
// section archive goes along into a folder that has none (a warning when it cannot); a folder
// whose archive differs asks first, and No is Declined.
SaveOutcome Salva(DocumentContext c, const std::string& title);

// The recent-file entry of `slot` (0 to 3): the save question; an entry whose file has gone is
// dropped and nothing is loaded; otherwise its file is loaded as by Open.
void CaricaRece(DocumentContext c, int32_t slot);

enum class CloseDecision { Close, Keep };

// Asked before the window closes, when the document changed since it was loaded or last saved:
// the save question with Yes, No and Cancel. Yes writes a named document where it is and sends an
// unnamed one through Salva; the window closes only once the deck was written. No closes without a
// save; Cancel, or the question closed, keeps the window.
CloseDecision CloseDocumentFlow(DocumentContext c);

// The empty document, with its caption: what the DXF export leaves when its copy of the document
// does not load again.
void Vuota(DocumentContext c);
