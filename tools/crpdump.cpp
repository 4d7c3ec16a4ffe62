// crpdump DECK.CRP                 loads a deck, completes it as every load does, and lists the
//                                  model and every message shown
// crpdump --save OUT.CRP DECK.CRP  loads and completes the deck, then saves it to OUT.CRP
// Exit status 0 after a good load (and save), 1 otherwise, 2 for a wrong command line. A question
// the save asks (whether to overwrite a read-only file) is answered No: nobody is there to say Yes.
#include <cstdio>
#include <iostream>
#include <string>

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
    std::cerr << "usage: crpdump [--save OUT.CRP] DECK.CRP\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    std::string deck, saveTo;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--save" && i + 1 < argc) saveTo = argv[++i];
        else if (!arg.empty() && arg[0] == '-') return Usage();
        else if (deck.empty()) deck = arg;
        else return Usage();
    }
    if (deck.empty()) return Usage();

    HeadlessDeck document;
    const bool loaded = document.Load(deck);
    bool saved = true;
    if (loaded && !saveTo.empty()) {
        DeclineQuestions declining(document.messages);
        const Platform& p = document.platform;
        Platform withoutYes{declining, p.server, p.canvas, p.dialogs, p.folders, p.registry, p.programs};
        saved = SaveCrpFile(saveTo, document, withoutYes);
    }

    std::cout << DumpModel(document.model) << DumpDeckOptions(document.shell.Options, document.drawing, document.design);
    std::cout << "LoadStatus=" << document.shell.Document.LoadStatus << "\n";
    std::cout << "SlabDesign=" << document.slabDesign << "\n";
    for (const ShownMessage& m : document.messages.Shown()) std::cout << "MESSAGE " << OneLine(m.Title) << " | " << OneLine(m.Text) << "\n";
    return loaded && saved ? 0 : 1;
}
