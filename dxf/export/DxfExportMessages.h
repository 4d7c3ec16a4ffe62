#pragma once
// The texts the DXF export shows the user.
#include "state/Languages.h"

namespace DxfExportMessages {

inline constexpr Bilingual NoDataFiles{"Non sono stati selezionati i file dati.\nGenerazione file DXF impossibile!",
                                       "Files not selected."};
inline constexpr Bilingual FileAlreadyOpen{"Il file è attualmente aperto.\nOperazione annullata!",
                                           "File already open."};
inline constexpr Bilingual FolderNotPermitted{
    "Il programma sta cercando di operare su una cartella per la quale l'utente non dispone di autorizzazione.\n"
    "\n"
    "Operazione annullata!\n"
    "Contattare l'amministratore di rete.",
    "The program is trying to operate on the folder for which the user does not have permission."};

// Failures the texts above do not name, each with its cause.
inline constexpr Bilingual DataFileMissing{"Il file dati %1 non è stato trovato.\nOperazione annullata!",
                                           "The data file %1 was not found."};
inline constexpr Bilingual FileNotWritten{"Impossibile scrivere il file %1 (%2).\nOperazione annullata!",
                                          "The file %1 could not be written (%2)."};
inline constexpr Bilingual DrawingIsTakeoffList{
    "Il file DXF e il file del computo coincidono: %1. Scegliere un altro nome.",
    "The DXF file and the take-off list are the same file: %1. Choose another name."};
inline constexpr Bilingual FileOfAnotherUser{
    "Il file %1 appartiene a un altro utente e la cartella condivisa in cui si trova permette di sostituirlo "
    "solo a lui o al proprietario della cartella.\nOperazione annullata!",
    "The file %1 belongs to another user, and the shared folder it lies in lets only that user or the folder's "
    "owner replace it."};
// %2 is one of the two attributes below.
inline constexpr Bilingual FileLocked{"Il file %1 ha l'attributo %2 e non può essere sostituito.\nOperazione annullata!",
                                      "The file %1 has the %2 attribute and cannot be replaced."};
inline constexpr Bilingual FolderLocked{
    "La cartella %1 ha l'attributo %2: il file %3 non può esservi scritto.\nOperazione annullata!",
    "The folder %1 has the %2 attribute, so the file %3 cannot be written there."};
inline constexpr Bilingual ImmutableAttribute{"immutabile", "immutable"};
inline constexpr Bilingual AppendOnlyAttribute{"di sola aggiunta", "append-only"};
// A rename refused once the files before it had taken their new text: %1 the files replaced, %2
// the files not, %3 the cause.
inline constexpr Bilingual FilesPartlyReplaced{
    "Il file %1 è stato sostituito, il file %2 no (%3): i due file non corrispondono più.\nOperazione incompleta!",
    "The file %1 was replaced, the file %2 was not (%3): the two files no longer match."};
inline constexpr Bilingual ExportStopped{"Generazione file DXF interrotta (%1).\nOperazione annullata!",
                                         "The DXF export stopped (%1)."};

}  // namespace DxfExportMessages
