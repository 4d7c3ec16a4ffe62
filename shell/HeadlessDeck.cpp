#include "shell/HeadlessDeck.h"

#include "model/LoadCrpFile.h"
#include "model/SaveCrpFile.h"
#include "plangeom/CompleteDeck.h"

HeadlessDeck::HeadlessDeck(bool echoMessages) : messages(echoMessages) { UseDeckCompletion(context, measured); }

bool HeadlessDeck::Load(const std::string& path) {
    model.ClearBeforeLoad();
    LoadCrpFile(path, slabDesign, context);
    return shell.Document.LoadStatus == 0;
}

bool HeadlessDeck::LoadText(const std::string& path, const std::string& text) {
    model.ClearBeforeLoad();
    LoadCrpText(path, text, slabDesign, context);
    return shell.Document.LoadStatus == 0;
}

bool HeadlessDeck::Save(const std::string& path) { return SaveCrpFile(path, context); }

std::string HeadlessDeck::SavedText() const {
    return FormatCrpText(model, ConstDeckOptions{shell.Options, drawing, design});
}
