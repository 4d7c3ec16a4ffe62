#pragma once
// A document's worth of state for the load and save tests: the model, the application state,
// headless message boxes and the built-in section server, tied together in one context whose loads
// end with the completion of the deck, as every load does.
#include <filesystem>
#include <string>
#include <unistd.h>

#include "design/DesignOptions.h"
#include "drawing/DrawingState.h"
#include "model/DataFileReader.h"
#include "model/LoadCrpFile.h"
#include "model/ModelDump.h"
#include "model/SaveCrpFile.h"
#include "plangeom/CompleteDeck.h"
#include "platform/BuiltinSectionServer.h"
#include "platform/headless/HeadlessMessageBoxes.h"
#include "shell/ShellState.h"

struct DeckSession {
    DeckSession() { UseDeckCompletion(context, measured); }
    DeckSession(const DeckSession&) = delete;
    DeckSession& operator=(const DeckSession&) = delete;

    Model model;
    ShellState shell;
    DrawingState drawing;
    DesignOptions design;
    HeadlessMessageBoxes messages;
    BuiltinSectionServer server;
    DeckFileContext context{model, shell, drawing, design, messages, server};
    MeasuredPoints measured;
    int32_t slabDesign = -2;

    // Loads as the document flows do: the tables they empty first, then the load.
    bool Load(const std::string& path) {
        model.ClearBeforeLoad();
        LoadCrpFile(path, slabDesign, context);
        return shell.Document.LoadStatus == 0;
    }
    // The data file's text given directly; the archive is the one beside `path`.
    bool LoadText(const std::string& path, const std::string& text) {
        model.ClearBeforeLoad();
        LoadCrpText(path, text, slabDesign, context);
        return shell.Document.LoadStatus == 0;
    }
    bool Save(const std::string& path) { return SaveCrpFile(path, context); }

    std::string Dump() const { return DumpModel(model) + DumpDeckOptions(shell.Options, drawing, design); }
    std::string SavedText() const { return FormatCrpText(model, ConstDeckOptions{shell.Options, drawing, design}); }
    std::string Messages() const {
        std::string all;
        for (const ShownMessage& m : messages.Shown()) all += m.Title + " | " + m.Text + "\n";
        return all;
    }
};

inline std::string DeckFixture(const std::string& relative) { return std::string(DRAVO_FIXTURES) + "/decks/" + relative; }

inline std::string FileText(const std::string& path) {
    std::string text;
    ReadWholeFile(path, text);
    return text;
}

// A folder of its own for one test, removed with everything in it at the end.
class ScratchFolder {
public:
    explicit ScratchFolder(const std::string& name)
        : path_(std::filesystem::temp_directory_path() / ("dravo-" + name + "-" + std::to_string(::getpid()))) {
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    std::string operator/(const std::string& name) const { return (path_ / name).string(); }
    // Puts a copy of a fixture folder's archive here.
    void CopyArchiveFrom(const std::string& fixtureFolder) const {
        std::filesystem::copy_file(DeckFixture(fixtureFolder + "/ARCHIMPA.AI0"), path_ / "ARCHIMPA.AI0",
                                   std::filesystem::copy_options::overwrite_existing);
    }

private:
    std::filesystem::path path_;
};
