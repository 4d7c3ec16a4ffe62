// crpdump DECK.CRP                 loads a deck, completes it as every load does, and lists the
//                                  model and every message shown
// crpdump --save OUT.CRP DECK.CRP  loads and completes the deck, then saves it to OUT.CRP
// crpdump --design-all [--max-upper-bar M] [--save OUT.CRP] DECK.CRP
//                                  designs every designable floor slab as the automatic design
//                                  command does, with upper bars at most M cm long (500 to 1200,
//                                  1200 unless given), before the save; its warnings are listed
//                                  as messages
// Exit status 0 after a good load (and save), 1 otherwise, 2 for a wrong command line (an empty
// file name to save to included). A question the save asks (whether to overwrite a read-only file)
// is answered No: nobody is there to say Yes; standard error then names the file not saved. The
// deck's section archive goes along into a folder that has none; where anything else stands at
// its name there, nothing is saved and standard error names what stands there.
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <iostream>
#include <optional>
#include <string>
#include <system_error>

#include "design/DesignCommands.h"
#include "design/DesignOptionsSteps.h"
#include "model/files/ArchiveAlong.h"
#include "model/files/SaveCrpFile.h"
#include "tools/ModelDump.h"
#include "shell/HeadlessDeck.h"

namespace {

std::string OneLine(std::string text) {
    std::string out;
    for (char c : text) {
        if (c == '\r') continue;
        if (c == '\n') out += "\\n";
        else out += c;
    }
    return out;
}

// The tool's boxes, with No for every question: the save declines what it would ask a person about.
class DeclineQuestions : public MessageBoxes {
public:
    explicit DeclineQuestions(HeadlessMessageBoxes& boxes) : boxes_(boxes) {}
    MsgAnswer Show(const std::string& title, const std::string& text, MsgButtons buttons, MsgIcon icon) override {
        if (buttons == MsgButtons::YesNo || buttons == MsgButtons::YesNoCancel) boxes_.Script({MsgAnswer::No});
        return boxes_.Show(title, text, buttons, icon);
    }

private:
    HeadlessMessageBoxes& boxes_;
};

int Usage() {
    std::cerr << "usage: crpdump [--design-all [--max-upper-bar M]] [--save OUT.CRP] DECK.CRP\n";
    return 2;
}

// A save asked for with an empty file name would save nothing and say nothing.
int EmptySaveName() {
    std::cerr << "crpdump: --save needs the name of the file to save to, not an empty one\n";
    return Usage();
}

// What stands at the archive's name where it is not the deck's archive, as the refusal says it.
const char* StandingThere(ArchiveThere there) {
    switch (there) {
        case ArchiveThere::OtherArchive: return "a section archive that differs from the deck's";
        case ArchiveThere::Unreadable: return "a section archive that cannot be read";
        case ArchiveThere::Folder: return "a folder";
        case ArchiveThere::LinkToNothing: return "a link that leads to no file";
        case ArchiveThere::OtherThing: return "something that is not a regular file";
        case ArchiveThere::Nothing:
        case ArchiveThere::DecksArchive: break;
    }
    return "";
}

// Saves the deck to `path`, declining the read-only question; a declined save is said on standard
// error, since the listing only shows the question. The deck's archive goes along where the folder
// has none; where anything else stands at its name, nothing is saved, since the saved deck could
// not be opened there.
bool SaveDeck(HeadlessDeck& document, const std::string& path) {
    const ArchiveAlong archive = CheckArchiveAlong(document.shell.Document.ArchiveFolder, path);
    if (!ArchiveFits(archive)) {
        std::cerr << "crpdump: " << path << " was not saved: " << archive.TherePath << " is "
                  << StandingThere(archive.There) << ", and the deck needs its own archive there to be opened\n";
        return false;
    }
    DeclineQuestions declining(document.messages);
    const Platform& p = document.platform;
    Platform withoutYes{declining, p.server, p.canvas, p.dialogs, p.folders, p.registry, p.programs};
    const SaveOutcome outcome = WriteCrpFile(path, document, withoutYes);
    if (outcome == SaveOutcome::Declined)
        std::cerr << "crpdump: " << path << " was not saved: it is read-only, and overwriting it was declined\n";
    if (outcome != SaveOutcome::Written) return false;
    std::error_code error;
    if (PlaceArchiveAlong(archive, path, error)) return true;
    std::cerr << "crpdump: " << path << " was saved, but the deck's section archive could not be copied beside it ("
              << (archive.DeckArchiveRead ? error.message() : "the deck's own archive cannot be read")
              << "): the deck needs " << archive.TherePath << " to be opened\n";
    return false;
}

// The longest upper bar typed on the command line: a whole number of cm the design options admit.
std::optional<int32_t> LongestUpperBar(const std::string& text) {
    int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size() || value < ShortestUpperBarLength ||
        value > LongestUpperBarLength)
        return std::nullopt;
    return value;
}

// The window's automatic design command, the deck's sections cleared first, where the deck holds
// a floor-slab design to lay the bars from, as the window enables the command; a deck without one
// has nothing designable.
void DesignAll(HeadlessDeck& document, int32_t longest) {
    if (document.slabDesign != 1) {
        std::cerr << "crpdump: the deck holds no floor-slab design: nothing was designed\n";
        return;
    }
    document.design.MaxUpperBarLength = longest;
    DesignReinforcementAgain(document, document.platform);
}

}  // namespace

int main(int argc, char** argv) {
    std::string deck, saveTo;
    bool designAll = false;
    std::optional<std::string> longestText;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--save" && i + 1 < argc) {
            saveTo = argv[++i];
            if (saveTo.empty()) return EmptySaveName();
        } else if (arg == "--design-all") designAll = true;
        else if (arg == "--max-upper-bar" && i + 1 < argc) longestText = argv[++i];
        else if (!arg.empty() && arg[0] == '-') return Usage();
        else if (deck.empty()) deck = arg;
        else return Usage();
    }
    if (deck.empty()) return Usage();
    if (longestText && !designAll) {
        std::cerr << "crpdump: --max-upper-bar goes with --design-all\n";
        return Usage();
    }
    const std::optional<int32_t> longest = longestText ? LongestUpperBar(*longestText) : LongestUpperBarLength;
    if (!longest) {
        std::cerr << "crpdump: the longest upper bar is a whole number of cm from " << ShortestUpperBarLength
                  << " to " << LongestUpperBarLength << ", not \"" << *longestText << "\"\n";
        return Usage();
    }

    HeadlessDeck document;
    const bool loaded = document.Load(deck);
    if (loaded && designAll) DesignAll(document, *longest);
    bool saved = true;
    if (loaded && !saveTo.empty()) saved = SaveDeck(document, saveTo);

    std::cout << DumpModel(document.model) << DumpDeckOptions(document.shell.Options, document.drawing, document.design);
    std::cout << "LoadStatus=" << document.shell.Document.LoadStatus << "\n";
    std::cout << "SlabDesign=" << document.slabDesign << "\n";
    for (const ShownMessage& m : document.messages.Shown()) std::cout << "MESSAGE " << OneLine(m.Title) << " | " << OneLine(m.Text) << "\n";
    return loaded && saved ? 0 : 1;
}
