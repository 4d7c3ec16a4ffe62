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
inline constexpr Bilingual ExportStopped{"Generazione file DXF interrotta (%1).\nOperazione annullata!",
                                         "The DXF export stopped (%1)."};

}  // namespace DxfExportMessages
