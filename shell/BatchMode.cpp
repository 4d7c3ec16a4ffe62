#include "shell/BatchMode.h"

#include <string>

#include "design/ConcreteSlabHandOff.h"
#include "model/common/Helpers.h"
#include "model/files/LoadCrpFile.h"
#include "model/tables/TableAccess.h"
#include "plangeom/CompleteDeck.h"
#include "shell/ShellMessages.h"

using namespace ShellMessages;

bool DataFileOfStartExists(const CommandLineStart& start, MessageBoxes& messages) {
    if (start.CurrentFile.empty() || FileExists(start.CurrentFile)) return true;
    messages.Show(LoadErrorTitle, std::string(FileLabel) + "\n" + start.CurrentFile + "\n" + NotFound);
    return false;
}

int32_t FindConcreteSlabById(const Model& model, int32_t id) {
    for (int32_t i = 0; i < UsableCount(model.ConcreteSlabCount, model.ConcreteSlabs); ++i)
        if (model.ConcreteSlabs[static_cast<size_t>(i)].Id == id) return i;
    return -1;
}

int RunBatchHandOff(Session& session, Platform& platform, int32_t slabNumber) {
    const std::string& path = session.shell.Document.CurrentFile;
    int32_t slabDesign = -1;
    LoadCrpFile(path, slabDesign, session, platform, SessionCompletion(session));
    if (session.shell.Document.LoadStatus == -1) {
        platform.messages.Show(StartWarningTitle, std::string(LoadFailed) + "\n" + path, MsgButtons::Ok,
                               MsgIcon::Critical);
        return ExitFailed;
    }
    const int32_t slab = FindConcreteSlabById(session.model, slabNumber);
    if (slab < 0) {
        platform.messages.Show(StartWarningTitle, NoSuchSlab, MsgButtons::Ok, MsgIcon::Critical);
        return ExitFailed;
    }
    return HandOffSucceeded(ExportConcreteSlabDesign(session, platform, slab, 0)) ? ExitSucceeded : ExitFailed;
}
