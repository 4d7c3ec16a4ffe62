#pragma once
// The texts the model and its files show the user, in both languages.
#include "state/Languages.h"

namespace ModelMessages {

inline constexpr Bilingual WarningTitle{"Attenzione!", "Warning!"};

// Data file
inline constexpr Bilingual NodeNotDefined{
    "Nodo %1 non definito.\n"
    "Effettuare una differente selezione dei piani prima di generare il file dell'impalcato.",
    "Node %1 undefined.\n"
    "Make a different selection of the plans before generating the file of the deck."};
inline constexpr Bilingual NewerFileTitle{"Lettura impossibile!", "Load abort!"};
inline constexpr Bilingual NewerDataFile{
    "Il file appartiene a una versione del programma più recente.\nAggiornare il software.",
    "The file was created by a newer program version.\nYou need update the software."};
inline constexpr Bilingual FileReadError{"Errore nella lettura del file %1:\n%2", "Error reading the file %1:\n%2"};
inline constexpr Bilingual FileCannotBeOpened{"il file non si può aprire", "the file cannot be opened"};
// Shown in Italian whatever the interface language.
inline constexpr const char* ArchiveNotFound = "File archivio 'ARCHIMPA.AI0' non trovato.";

// Read failures: what went wrong, then where.
inline constexpr Bilingual NoError{"nessun errore", "no error"};
inline constexpr Bilingual UnexpectedEnd{"fine del file inattesa", "unexpected end of file"};
inline constexpr Bilingual NumberExpected{"era atteso un numero", "a number was expected"};
inline constexpr Bilingual InvalidCount{"numero di elementi non valido", "invalid count"};
inline constexpr Bilingual UndefinedNode{"nodo non definito", "undefined node"};
inline constexpr Bilingual UnsupportedVersion{"versione non supportata", "unsupported version"};
inline constexpr Bilingual InvalidValue{"valore non valido", "invalid value"};
inline constexpr Bilingual NotATextFile{
    "il file non è un file di testo del tipo atteso (è scritto in UTF-16 o contiene dati binari)",
    "the file is not a text file of the expected kind (it is written in UTF-16 or holds binary data)"};
inline constexpr Bilingual InSection{", sezione ", ", section "};
inline constexpr Bilingual AtLine{", riga ", ", line "};

// Section archive
inline constexpr Bilingual NewerArchive{
    "Il file appartiene a una versione del programma più recente.\nAggiornare il software.",
    "The file was created by a newer program version.\nUpdating the software."};
// Shown in Italian whatever the interface language.
inline constexpr const char* OlderArchive =
    "Dravo Zidevuv Uvadadedu è utilizzabile con\n"
    "Struvia v.132 o superiore.\n"
    "Gli aggiornamenti si scaricano dall'area clienti del sito Orvane.\n"
    "Per informazioni rivolgersi all'assistenza tecnica Orvane.";
inline constexpr Bilingual ArchiveCannotBeRead{"Impossibile leggere l'archivio delle sezioni:\n%1\n%2",
                                               "The section archive cannot be read:\n%1\n%2"};
// Sections whose catalogue profile the section server does not know: one box after the load,
// one line per section.
inline constexpr Bilingual UnknownProfiles{
    "Il server delle sezioni non conosce il profilo di queste sezioni dell'archivio, "
    "caricate senza nome e con un ingombro di 1 x 1 cm:\n%1",
    "The section server does not know the profile of these archive sections, "
    "loaded without a name and with a 1 x 1 cm outline:\n%1"};
inline constexpr Bilingual UnknownProfileLine{"sezione %1 (codice %2, numero %3)", "section %1 (code %2, number %3)"};
inline constexpr Bilingual MoreUnknownProfiles{"e altre %1", "and %1 more"};
inline constexpr Bilingual ServerNotAnswering{"il server delle sezioni non risponde (sezione %1)",
                                              "the section server does not answer (section %1)"};
inline constexpr Bilingual ArchiveVersionSection{"VERSIONE", "VERSION"};
inline constexpr Bilingual ArchiveSectionsSection{"SEZIONI", "SECTIONS"};
inline constexpr Bilingual ArchiveSlabTypesSection{"TIPI DI SOLAIO", "SLAB TYPES"};
inline constexpr Bilingual ArchiveFootingsSection{"PLINTI", "FOOTINGS"};
inline constexpr Bilingual ArchiveTablesSection{"TABELLE", "TABLES"};

// Saving
inline constexpr Bilingual OverwriteReadOnly{"Il file risulta di sola lettura.\nVuoi sovrascriverlo?",
                                             "The file has the read-only attribute, do you want to overwrite it too?"};
// The step of a save or an export that failed, put before its cause.
inline constexpr Bilingual WritingStepFailed{"la scrittura del testo non è riuscita", "writing its text failed"};
inline constexpr Bilingual FlushStepFailed{"il testo non ha raggiunto il disco", "its text did not reach the disk"};
inline constexpr Bilingual NamingStepFailed{"il file nuovo non ha potuto avere un nome",
                                            "the new file could not be given a name"};
inline constexpr Bilingual RenameStepFailed{"il file nuovo non ha potuto prendere il posto del vecchio",
                                            "the new file could not take the old one's place"};
inline constexpr Bilingual SaveFailed{
    "Impossibile salvare il file %1 (%2).\nIl file precedente non è stato modificato.",
    "The file %1 could not be saved (%2).\nThe previous file has not been changed."};

}  // namespace ModelMessages
