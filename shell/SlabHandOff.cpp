#include "shell/SlabHandOff.h"

#include <string>

#include "model/common/Helpers.h"
#include "model/tables/TableAccess.h"
#include "shell/ShellMessages.h"

bool HandOffConcreteSlab(Session& session, Platform& platform, int32_t slab, int32_t) {
    const Model& m = session.model;
    const std::string id = slab >= 0 && slab < UsableCount(m.ConcreteSlabCount, m.ConcreteSlabs)
                               ? std::to_string(m.ConcreteSlabs[static_cast<size_t>(slab)].Id)
                               : std::to_string(slab);
    platform.messages.Show(GetWarningTitle(session.shell.Languages),
                           UiText(ShellMessages::HandOffNotAvailable, session.shell.Languages, {id}), MsgButtons::Ok,
                           MsgIcon::Exclamation);
    return false;
}
