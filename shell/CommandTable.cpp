#include "shell/CommandTable.h"

#include <algorithm>
#include <array>

namespace {

using R = EnableRule;

constexpr std::array<CommandInfo, 36> Commands{{
    {100, "&Apri", "&Open", "open", R::Always},
    {101, "&Salva", "&Save", "save", R::DocumentLoaded},
    {102, "Salva con &Nome", "Save &As", "saveas", R::DocumentLoaded},
    {103, "&Esci", "&Exit", "exit", R::Always},
    {104, "Zoom", "Zoom windows", "zoom", R::DocumentLoaded},
    {105, "Vista precedente", "Previous view", "zprec", R::DocumentLoaded},
    {106, "Avvicina", "Zoom in", "zpiu", R::DocumentLoaded},
    {107, "Allontana", "Zoom out", "zmeno", R::DocumentLoaded},
    {108, "Vista estesa", "Extended view", "zest", R::DocumentLoaded},
    {109, "Pan", "Pan", "pan", R::DocumentLoaded},
    {110, "Impostazioni", "Setting", "opz", R::Always},
    {111, "Quota orizzontale", "Horizontal dimension", "qor", R::DocumentLoaded},
    {112, "Quota verticale", "Vertical dimension", "qver", R::DocumentLoaded},
    {113, "Quota allineata", "Aligned dimension", "qallin", R::DocumentLoaded},
    {114, "Cancella quota", "Delete dimension", "qcanc", R::DocumentLoaded},
    {115, "Quotatura continua", "Continue", "qcont", R::DocumentLoaded},
    {116, "Sposta quota", "Move dimension", "qspost", R::DocumentLoaded},
    {117, "Quotatura automatica", "Automatic dimensioning", "qauto", R::DocumentLoaded},
    {118, "Dimensioni ottimali del testo per scala 1:50", "Optimal text size for 1:50 scale", "q50",
     R::DocumentLoaded},
    {119, "Impostazioni solai", "Floor slabs design criteria", "SolPrg", R::DesignPresent},
    {120, "Disegno automatico armature", "Automatic reinforcements design", "solDis", R::DesignPresent},
    {121, "Nuova armatura solaio", "New reinforcement", "newsol", R::DesignPresent},
    {122, "Sposta armatura", "Move reinforcement", "solSpo", R::DesignPresent},
    {123, "Cancella armatura", "Delete reinforcement", "solCanc", R::DesignPresent},
    {124, "Edita ferro", "Edit reinforcement rebar", "edFe", R::DesignPresent},
    {125, "Estendi lunghezza di un ferro", "Extend the length of a rebar", "feStira", R::DesignPresent},
    {126, "Cancella un ferro", "Delete a rebar", "feCanc", R::DesignPresent},
    {127, "Modifica perimetro solai", "Edit perimeter of soles", "nodiSolai", R::HasFloorSlabs},
    {128, "Modifica perimetro solette", "Edit perimeter of concrete slabs", "NodiSolette", R::HasConcreteSlabs},
    {131, "Progetto solette c.a.", "Concrete slabs design", "CA", R::HasConcreteSlabs},
    {2031, "", "", "", R::Always},
    {2032, "", "", "", R::Always},
    {2033, "", "", "", R::Always},
    {2034, "", "", "", R::Always},
    {DxfOutputCommand, "&Genera file DXF", "&DXF output", "", R::Always},
    {AboutCommand, "&Informazioni su...", "&Info about..", "", R::Always},
}};

constexpr int32_t S = BarSeparator;
constexpr std::array<int32_t, 35> Toolbar{100, 101, 102, S,   104, 106, 107, 108, 105, 109, S,   110,
                                          S,   111, 112, 113, 114, 115, 116, 117, 118, S,   119, 120,
                                          121, 123, 122, 124, 125, 126, S,   127, 128, S,   131};
constexpr std::array<int32_t, 12> FileMenu{100, 101, 102, S, 110, S, 2031, 2032, 2033, 2034, S, 103};

bool RuleHolds(EnableRule rule, const Session& s) {
    const int32_t design = s.shell.Document.SlabDesignState;
    switch (rule) {
        case R::Always: return true;
        case R::DocumentLoaded: return design != 0;
        case R::DesignPresent: return design >= 2;
        case R::HasFloorSlabs: return s.model.FloorSlabCount > 0;
        case R::HasConcreteSlabs: return s.model.ConcreteSlabCount > 0;
    }
    return true;
}

}  // namespace

std::span<const CommandInfo> CommandTable() { return Commands; }

const CommandInfo* FindCommand(int32_t id) {
    const auto it = std::find_if(Commands.begin(), Commands.end(), [id](const CommandInfo& c) { return c.Id == id; });
    return it == Commands.end() ? nullptr : &*it;
}

std::string PulsText(int32_t id, const LanguageFlags& languages) {
    const CommandInfo* c = FindCommand(id);
    if (c == nullptr) return {};
    return languages.UiLanguage != 0 ? c->English : c->Italian;
}

CommandUpdate UpdateCommand(int32_t id, const Session& session) {
    CommandUpdate update;
    const CommandInfo* c = FindCommand(id);
    if (c == nullptr || id < 101 || id > 131 || c->Rule == EnableRule::Always) return update;
    update.Touched = true;
    update.Checked = id == 118 && session.shell.Options.OptimalTextSize != 0;
    update.Enabled = RuleHolds(c->Rule, session);
    return update;
}

bool RecentFileSlotInUse(int32_t slot, const Session& session) {
    const RecentFileList& recent = session.shell.Recent;
    return slot >= 0 && slot < RecentFileCommandCount && slot < recent.RecentFileCount &&
           !recent.RecentFiles[static_cast<size_t>(slot)].empty();
}

bool CommandAvailable(int32_t id, const Session& session) {
    if (FindCommand(id) == nullptr) return false;
    const int32_t slot = id - FirstRecentFileCommand;
    if (slot >= 0 && slot < RecentFileCommandCount && !RecentFileSlotInUse(slot, session)) return false;
    return UpdateCommand(id, session).Enabled;
}

std::span<const int32_t> ToolbarLayout() { return Toolbar; }

std::span<const int32_t> FileMenuLayout() { return FileMenu; }

std::optional<ToolStart> ToolStartOf(int32_t id) {
    switch (id) {
        case 111: return ToolStart{2000};
        case 112: return ToolStart{3000};
        case 113: return ToolStart{4000};
        case 114: return ToolStart{6000, "", "", true};
        case 116: return ToolStart{7000, "", "", true};
        case 121: return ToolStart{1002, "Seleziona il solaio da progettare", "Seleziona il solaio da progettare"};
        case 122:
            return ToolStart{1000, "Seleziona la sezione da spostare", "Seleziona la sezione da spostare", true};
        case 123:
            return ToolStart{1300, "Seleziona la sezione da cancellare", "Seleziona la sezione da cancellare", true};
        case 124: return ToolStart{8000, "Seleziona il ferro da editare", "Select the rebar to edit"};
        case 125: return ToolStart{9000};
        case 126: return ToolStart{9500, "Seleziona il ferro da cancellare", "Select the rebar to delete"};
        case 127: return ToolStart{9600, "Seleziona il solaio da modificare", "Seleziona il solaio da modificare"};
        case 128:
            return ToolStart{9605, "Seleziona la soletta da modificare", "Seleziona la soletta da modificare"};
        case 131: return ToolStart{9550, "Seleziona la soletta da progettare", "Select the concrete slab to design"};
        default: return std::nullopt;
    }
}
