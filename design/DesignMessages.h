#pragma once
// The texts the reinforcement design shows the user, in both languages.
#include "state/Languages.h"

namespace DesignMessages {

// The question asked before a second section is laid on a row that one already covers.
inline constexpr Bilingual AlreadyDesignedTitle{"Attenzione", "Attenzione"};
inline constexpr Bilingual AlreadyDesigned{
    "Il solaio selezionato è già stato progettato.\nVuoi inserire una nuova sezione?",
    "The selected floor slabs has already been designed.\nDo you want to insert a new section?"};

// The limits of the section tables.
inline constexpr Bilingual SectionTableFull{
    "Non è possibile inserire altre sezioni di armatura: il limite è di %1 sezioni.",
    "No more reinforcement sections can be inserted: the limit is %1 sections."};
inline constexpr Bilingual TooManySlabs{
    "La linea della sezione attraversa più di %1 solai della stessa orditura: la sezione non è stata inserita.",
    "The section line crosses more than %1 floor slabs of the same span direction: the section was not inserted."};
inline constexpr Bilingual TooManyCrossings{
    "La linea della sezione attraversa il contorno di un solaio più di %1 volte: la sezione non è stata inserita.",
    "The section line crosses the outline of a floor slab more than %1 times: the section was not inserted."};
inline constexpr Bilingual TooManyRebars{
    "Una sezione richiede più di %1 ferri superiori o inferiori: i ferri in eccesso non sono stati inseriti.",
    "A section needs more than %1 upper or lower rebars: the rebars beyond them were not inserted."};
// After the text above, one line for each section whose upper bars were cut short: the floor slab
// where the last upper bar written ends, and the length left without upper bars after it.
inline constexpr Bilingual UpperBarsCutShort{
    "In una sezione i ferri superiori finiscono nel solaio %1: gli ultimi %2 cm della sezione sono rimasti senza "
    "ferri superiori.",
    "In one section the upper rebars end in floor slab %1: the last %2 cm of the section were left without upper "
    "rebars."};
inline constexpr Bilingual BarCountShort{
    "Nessun numero di ferri fino a %1 copre l'armatura richiesta: sono stati inseriti %1 ferri del diametro "
    "maggiore.\nVerificare i diametri dei solai.",
    "No number of bars up to %1 covers the required steel: %1 bars of the larger diameter were inserted.\n"
    "Check the bar diameters of the floor slabs."};

// The concrete-slab hand-off. The analysis program's and the list's texts are in Italian whatever
// the interface language.
inline constexpr const char* SlabNotDesigned =
    "Soletta C.A. non progettata. Eseguire in Struvia il comando: Contesto\\Esecuzione_progettazione\\Stati_limite";
inline constexpr const char* SeveralSlabFiles =
    "La selezione ha individuato più di una soletta. Sono stati prdotti i seguenti file nella cartella: ";
inline constexpr const char* SlabFileWrittenTitle = "Progetto solette CA";
inline constexpr Bilingual SlabFileWritten{"Scrittura file: \n%1\nregolarmente eseguita",
                                           "Writing file:\n%1\nregularly performed"};
inline constexpr Bilingual SlabFileNotWritten{"Impossibile scrivere il file:\n%1\n%2",
                                              "The file could not be written:\n%1\n%2"};
inline constexpr Bilingual SlabOutlineUnreadable{"il contorno della soletta non è leggibile",
                                                 "the outline of the slab cannot be read"};
inline constexpr Bilingual SlabDesignProgramNotStarted{
    "Impossibile avviare il programma di progetto delle solette:\n%1",
    "The slab-design program could not be started:\n%1"};

// The design options dialog.
inline constexpr Bilingual NoAssemblyBars{"Nessuno", "None"};
inline constexpr Bilingual UpperBarLengthOutOfRange{"Lunghezza max non corretta. (500 min, 1200 max)",
                                                    "Length wrong. (500 min, 1200 max)"};

// The rebar editor's OK refusing a field; the bar stays as it was and the editor open.
inline constexpr Bilingual StartStretchNotANumber{
    "L'allungamento del lato iniziale \"%1\" non è un numero: il ferro non è stato modificato.",
    "The stretch of the left side \"%1\" is not a number: the bar was not changed."};
inline constexpr Bilingual EndStretchNotANumber{
    "L'allungamento del lato finale \"%1\" non è un numero: il ferro non è stato modificato.",
    "The stretch of the right side \"%1\" is not a number: the bar was not changed."};
inline constexpr Bilingual BarCountNotWhole{
    "Il numero di ferri \"%1\" non è un numero intero maggiore di 0: il ferro non è stato modificato.",
    "The number of bars \"%1\" is not a whole number above 0: the bar was not changed."};
inline constexpr Bilingual DiameterNotWhole{
    "Il diametro \"%1\" non è un numero intero di mm maggiore di 0: il ferro non è stato modificato.",
    "The diameter \"%1\" is not a whole number of mm above 0: the bar was not changed."};

}  // namespace DesignMessages
