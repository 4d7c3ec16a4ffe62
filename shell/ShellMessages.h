#pragma once
// The texts the application shell shows the user.
#include "state/Languages.h"

namespace ShellMessages {

// Start-up: always in Italian, under their own titles.
inline constexpr const char* LoadErrorTitle = "Load error!";
inline constexpr const char* StartWarningTitle = "Attenzione!";
inline constexpr const char* FileLabel = "File:";
inline constexpr const char* NotFound = "non trovato.";
inline constexpr const char* LoadFailed = "Errore caricamento file:";
inline constexpr const char* NoSuchSlab = "Errore caricamento macro";

inline constexpr Bilingual DrawingLanguageQuestion{
    "Il programma ha rilevato una differente impostazione per la lingua del disegno, vuoi adeguarla?",
    "The program has detected a different setting for the language of drawing, do you want to adapt it?"};
inline constexpr Bilingual FloorSlabsNotDesigned{"Il programma non ha rilevato il progetto delle armature dei solai.",
                                                 "Floor slabs reinforcing bars not designed."};

inline constexpr Bilingual SettingsFileKept{
    "Il file delle impostazioni %1 non è stato letto per intero ed è rimasto com'era: la lingua del disegno "
    "cambia solo fino alla chiusura del programma.",
    "The settings file %1 was not read whole and has been left as it was: the language of drawing changes only "
    "until the program is closed."};
inline constexpr Bilingual SettingsNotSaved{
    "Impossibile salvare le impostazioni nel file %1 (%2).",
    "The settings could not be saved to the file %1 (%2)."};

// The document flows.
inline constexpr Bilingual SaveQuestion{"Vuoi salvare l'attuale impalcato?", "Do you want to save the current file?"};
inline constexpr Bilingual OpenTitle{"Apri", "Open"};
inline constexpr Bilingual SaveAsTitle{"Salva con nome", "Save as"};
// The Save of an unnamed document and the save question of a recent-file entry, in both
// languages; the save questions of Open and of closing the window speak the interface language.
inline constexpr const char* SaveTitle = "Salva";
inline constexpr Bilingual SaveBeforeOpenTitle{"Salva", "Save"};
inline constexpr const char* SaveFilter = "File Dati (*.CRP)|*.CRP";
// A Save As into a folder whose section archive is not the deck's, or that has none.
inline constexpr Bilingual OtherArchiveQuestion{
    "Nella cartella scelta c'è un archivio delle sezioni, %1, diverso da quello dell'impalcato.\nL'impalcato "
    "salvato lì, quando verrà aperto, leggerà le sezioni di quella cartella.\nVuoi salvarlo lo stesso?",
    "The chosen folder holds a section archive, %1, that differs from the deck's.\nThe deck saved there will "
    "read that folder's sections when it is opened.\nDo you want to save it all the same?"};
inline constexpr Bilingual NoArchiveQuestion{
    "Nella cartella scelta, al posto dell'archivio delle sezioni %1, c'è %2.\nL'impalcato salvato lì non potrà "
    "essere aperto finché al suo posto non ci sarà il suo archivio.\nVuoi salvarlo lo stesso?",
    "In the chosen folder, where the section archive %1 would go, there is %2.\nThe deck saved there cannot be "
    "opened until its archive stands in its place.\nDo you want to save it all the same?"};
inline constexpr Bilingual ArchiveNameFolder{"una cartella", "a folder"};
inline constexpr Bilingual ArchiveNameLinkToNothing{"un collegamento che non porta a nessun file",
                                                    "a link that leads to no file"};
inline constexpr Bilingual ArchiveNameOtherThing{"qualcosa che non è un file ordinario",
                                                 "something that is not a regular file"};
inline constexpr Bilingual ArchiveNotCopied{
    "Il file %1 è stato salvato, ma l'archivio delle sezioni dell'impalcato non è stato copiato accanto ad esso "
    "(%2).\nPer essere aperto, l'impalcato ha bisogno del suo archivio %3.",
    "The file %1 has been saved, but the deck's section archive could not be copied beside it (%2).\nThe deck "
    "needs its archive %3 to be opened."};
inline constexpr Bilingual ArchiveUnreadable{"l'archivio dell'impalcato %1 non si può leggere",
                                             "the deck's archive %1 cannot be read"};

// Before the document is saved, closed, replaced or exported with the vertex panel open.
inline constexpr Bilingual AssignEditedOutlineQuestion{
    "Il perimetro modificato nel pannello dei vertici non è ancora stato assegnato.\nVuoi assegnarlo prima di "
    "proseguire?",
    "The perimeter edited in the vertex panel has not been assigned yet.\nDo you want to assign it before going "
    "on?"};

// The DXF export command.
inline constexpr Bilingual SaveBeforeDxfQuestion{
    "Per poter inserire nel file DXF le modifiche apportate\nè indispensabile salvare i dati.\nVuoi salvare?",
    "In order to enter in the DXF file changes made\nit is essential to save the data.\nDo you want to save?"};
inline constexpr Bilingual DxfCopyNotWritten{
    "Impossibile scrivere la copia temporanea %1 dell'impalcato (%2).\nGenerazione file DXF annullata: l'impalcato è "
    "rimasto com'era.",
    "The temporary copy %1 of the deck could not be written (%2).\nDXF output cancelled: the deck is as it was."};
inline constexpr Bilingual DxfCopyKept{
    "L'impalcato non è stato ricaricato dopo la generazione del file DXF.\nLa sua copia con le modifiche non "
    "salvate è rimasta nel file %1.",
    "The deck could not be loaded again after the DXF output.\nIts copy with the unsaved changes is kept in the "
    "file %1."};
inline constexpr Bilingual DxfCopyNotRewritten{
    "L'impalcato non è stato ricaricato dopo la generazione del file DXF e la sua copia non è stata scritta nel "
    "file %1 (%2).\nL'impalcato resta aperto com'era, con le modifiche non salvate: salvalo con nome.",
    "The deck could not be loaded again after the DXF output, and its copy could not be written to the file %1 "
    "(%2).\nThe deck stays open as it was, with the unsaved changes: save it with Save as."};
inline constexpr const char* DxfCopyName = "imp.TMP";

// The settings dialog.
inline constexpr Bilingual CoverNotANumber{"Il copriferro laterale \"%1\" non è un numero: resta di %2 cm.",
                                           "The lateral concrete cover \"%1\" is not a number: it stays %2 cm."};

// Commands of the dimension tools.
inline constexpr const char* ContinuedDimensionPrompt = "Seleziona la quota base a cui agganciarsi";
inline constexpr Bilingual NoDimensionToContinue{"Non sono presenti quote a cui agganciarsi",
                                                 "There are no dimensions to snap"};
inline constexpr Bilingual AutoDimensionsReplaceQuestion{
    "La quotatura automatica annullerà le quote esistenti.\nProcedere?",
    "The automatic dimensioning cancel the dimensions already arranged.\nDo you want to proceed?"};

// The window without a display to show it on.
inline constexpr const char* NoDisplay =
    "Dravo: there is no display to open the window on. Run it on a desktop, or under a virtual "
    "display with xvfb-run (see the README).";

}  // namespace ShellMessages
