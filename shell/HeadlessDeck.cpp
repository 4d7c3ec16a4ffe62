#include "shell/HeadlessDeck.h"

#include "model/files/SaveCrpFile.h"
#include "plangeom/CompleteDeck.h"

HeadlessDeck::HeadlessDeck(bool echoMessages) : HeadlessPlatform(echoMessages) {}

bool HeadlessDeck::Load(const std::string& path) { return Load(path, SessionCompletion(*this)); }

bool HeadlessDeck::Load(const std::string& path, const DeckCompletion& complete) {
    model.ClearBeforeLoad();
    LoadCrpFile(path, slabDesign, *this, platform, complete);
    return shell.Document.LoadStatus == 0;
}

bool HeadlessDeck::LoadText(const std::string& path, const std::string& text) {
    return LoadText(path, text, SessionCompletion(*this));
}

bool HeadlessDeck::LoadText(const std::string& path, const std::string& text, const DeckCompletion& complete) {
    model.ClearBeforeLoad();
    LoadCrpText(path, text, slabDesign, *this, platform, complete);
    return shell.Document.LoadStatus == 0;
}

bool HeadlessDeck::Save(const std::string& path) { return SaveCrpFile(path, *this, platform); }

std::string HeadlessDeck::SavedText() const { return FormatSessionText(*this); }
