#include "shell/HeadlessDeck.h"

#include "model/common/FilePaths.h"
#include "model/files/SaveCrpFile.h"
#include "plangeom/CompleteDeck.h"

HeadlessDeck::HeadlessDeck(bool echoMessages) : HeadlessPlatform(echoMessages) {}

bool HeadlessDeck::TookDeck(const std::string& path) {
    DocumentState& document = shell.Document;
    document.DeckLoaded = document.LoadStatus == 0;
    document.ArchiveFolder = document.DeckLoaded ? GetParentFolder(path) : std::string();
    return document.DeckLoaded;
}

bool HeadlessDeck::Load(const std::string& path) { return Load(path, SessionCompletion(*this)); }

bool HeadlessDeck::Load(const std::string& path, const DeckCompletion& complete) {
    model.ClearBeforeLoad();
    LoadCrpFile(path, slabDesign, *this, platform, complete);
    return TookDeck(path);
}

bool HeadlessDeck::LoadText(const std::string& path, const std::string& text) {
    return LoadText(path, text, SessionCompletion(*this));
}

bool HeadlessDeck::LoadText(const std::string& path, const std::string& text, const DeckCompletion& complete) {
    model.ClearBeforeLoad();
    LoadCrpText(path, text, slabDesign, *this, platform, complete);
    return TookDeck(path);
}

bool HeadlessDeck::Save(const std::string& path) { return SaveCrpFile(path, *this, platform); }

std::string HeadlessDeck::SavedText() const { return FormatSessionText(*this); }
