#pragma once
// One deck's document without a window: a Session with the headless platform (message boxes that
// answer by themselves, a recording canvas, the built-in section server), loading and saving
// through the same flows as the window, every load ending with the completion of the deck. Batch
// runs, the developer tools and the tests use it.
#include <string>

#include "model/Session.h"
#include "model/files/LoadCrpFile.h"
#include "platform/headless/HeadlessPlatform.h"

struct HeadlessDeck : Session, HeadlessPlatform {
    explicit HeadlessDeck(bool echoMessages = false);
    HeadlessDeck(const HeadlessDeck&) = delete;
    HeadlessDeck& operator=(const HeadlessDeck&) = delete;

    // Loads as the document flows do: the tables they empty first, then the load with the deck's
    // completion. True when `LoadStatus` is 0 afterwards; the document then holds a deck.
    bool Load(const std::string& path);
    // As Load, with another completion (an empty one keeps the deck as read).
    bool Load(const std::string& path, const DeckCompletion& complete);
    // The data file's text given directly; the archive is the one beside `path`.
    bool LoadText(const std::string& path, const std::string& text);
    bool LoadText(const std::string& path, const std::string& text, const DeckCompletion& complete);
    // False when nothing was saved.
    bool Save(const std::string& path);
    // The text a save would write.
    std::string SavedText() const;

    int32_t slabDesign = -1;  // what the last load said of the floor-slab design

private:
    // After a load of `path`: the document holds a deck, read with the archive beside `path`, when
    // it loaded. True then.
    bool TookDeck(const std::string& path);
};
