#include "dxf/export/DxfExport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "drawing/DeckTitle.h"
#include "drawing/LayerDefaults.h"
#include "dxf/export/DxfExportMessages.h"
#include "model/common/Helpers.h"
#include "tests/dxf/file/DxfFileRecords.h"
#include "tests/support/DeckSession.h"
#include "tests/support/DrawingAndListCases.h"
#include "tests/support/FileLock.h"
#include "tests/support/RefusedCalls.h"

namespace fs = std::filesystem;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::StartsWith;

namespace {

const std::string Frame = DeckFixture("fresh-frame/TELAIO.CRP");
const std::string Saved = DeckFixture("saved-d5/SALVATO5.CRP");
const std::string Demo = std::string(DRAVO_EXAMPLES) + "/frame/DEMO.CRP";
const std::string Unloadable = DeckFixture("fail-unknown-node/NODO99.CRP");

// A session at the defaults of a first start, exporting with the take-off list on.
struct ExportSession : DeckSession {
    DxfOptions options;

    explicit ExportSession(int32_t r12 = 0) {
        SetDefaultLayersAndOptions(drawing, shell.Options, design, dxf);
        options = dxf;
        options.DxfR12 = r12;
        options.TakeoffTextFile = 1;
    }
    DxfExportResult Export(const std::vector<std::string>& decks, const std::string& path) {
        return NewSalvaDXF(*this, platform, decks, path, options);
    }
    // The frame deck exported to `path` through system calls that may refuse.
    DxfExportResult ExportThrough(const std::string& path, const CommitCalls& calls) {
        return NewSalvaDXF(*this, platform, {Frame}, path, options, WhenNoDeckLoads::WriteEmptyDrawing, calls);
    }
};

// A drawing P.DXF and its list P.TXT that stood in `folder` before the export.
struct EarlierPair {
    std::string drawing, list;
};
EarlierPair PlantEarlierPair(const ScratchFolder& folder) {
    EarlierPair pair{folder / "P.DXF", folder / "P.TXT"};
    std::ofstream(pair.drawing, std::ios::binary) << "the drawing that stood here";
    std::ofstream(pair.list, std::ios::binary) << "an earlier list";
    return pair;
}

// One deck loaded alone: its width with the room after it, and its block of the take-off list.
struct LoneDeck {
    float Room = 0;
    std::string Takeoff;
};

LoneDeck LoadAlone(const std::string& path) {
    ExportSession deck;
    EXPECT_TRUE(deck.Load(path)) << deck.Messages();
    const PlanHeader& h = deck.model.Header;
    LoneDeck lone{h.ModelMaxX + 550.0f - h.ModelMinX, {}};
    WriteFloorSlabTakeoff(deck.model, deck.options, deck.shell.Languages, deck.shell.Options, lone.Takeoff);
    return lone;
}

// The x of each deck's title, which stands at the deck's own x = 0, in model cm.
std::vector<float> TitleXs(const std::string& file, float scale) {
    std::vector<float> xs;
    for (const DxfRecord& r : RecordsOfKind(SectionRecords(file, "ENTITIES"), "TEXT"))
        if (r.Value(1).starts_with("Impalcato")) xs.push_back(std::stof(r.Value(10)) / scale);
    return xs;
}

std::vector<std::string> FilesIn(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::string OutPath(const std::string& name) {
    fs::create_directories(DRAVO_DXF_OUT);
    return (fs::path(DRAVO_DXF_OUT) / name).string();
}

}  // namespace

TEST(NewSalvaDXF, OneTwoAndThreeDecksLieSideBySideInBothDialectsWithTheirTakeoffList) {
    const std::vector<std::string> decks{Frame, Saved, Demo};
    std::vector<LoneDeck> lone;
    for (const std::string& d : decks) lone.push_back(LoadAlone(d));
    for (int32_t r12 : {0, 1}) {
        for (size_t count = 1; count <= decks.size(); ++count) {
            const std::string name = "export-" + std::to_string(count) + (r12 ? "-r12" : "-2000");
            ExportSession s(r12);
            const std::string path = OutPath(name + ".dxf");
            const DxfExportResult result = s.Export({decks.begin(), decks.begin() + count}, path);
            ASSERT_EQ(result.Outcome, DxfExportOutcome::Written) << name << ": " << result.Message;
            EXPECT_EQ(result.DecksDrawn, static_cast<int32_t>(count));
            EXPECT_EQ(s.messages.Shown().size(), 0u) << s.Messages();

            const std::string file = ReadBytes(path);
            EXPECT_TRUE(file.find(r12 ? "AC1009" : "AC1015") < 200) << name;
            std::vector<float> offsets;
            std::string takeoff;
            float offset = 0;
            for (size_t i = 0; i < count; ++i) {
                offsets.push_back(offset);
                offset = offset + lone[i].Room;
                takeoff += lone[i].Takeoff;
            }
            EXPECT_THAT(TitleXs(file, s.options.DxfScaleFactor), ElementsAreArray(offsets)) << name;
            EXPECT_EQ(s.dxf.DxfOffsetX, offset) << "where a further deck would go";
            EXPECT_EQ(result.TakeoffTextPath, OutPath(name + ".TXT"));
            EXPECT_EQ(ReadBytes(result.TakeoffTextPath), takeoff) << name;
        }
    }
}

TEST(NewSalvaDXF, ADeckThatDoesNotLoadIsLeftOutAndTakesNoRoom) {
    ScratchFolder folder("dxf-export-skip");
    ExportSession withFailure, without;
    const DxfExportResult skipped = withFailure.Export({Frame, Unloadable, Demo}, folder / "A.DXF");
    ASSERT_EQ(skipped.Outcome, DxfExportOutcome::Written) << skipped.Message;
    EXPECT_EQ(skipped.DecksDrawn, 2);
    EXPECT_THAT(skipped.SkippedDataFiles, ElementsAre(Unloadable));
    EXPECT_THAT(withFailure.Messages(), ::testing::HasSubstr("Nodo 99")) << "the load says why";

    ASSERT_EQ(without.Export({Frame, Demo}, folder / "B.DXF").Outcome, DxfExportOutcome::Written);
    EXPECT_EQ(ReadBytes(folder / "A.DXF"), ReadBytes(folder / "B.DXF"));
    EXPECT_EQ(ReadBytes(folder / "A.TXT"), ReadBytes(folder / "B.TXT"));
}

TEST(NewSalvaDXF, ExportingAgainWritesTheSameFile) {
    ScratchFolder folder("dxf-export-again");
    for (int32_t r12 : {0, 1}) {
        ExportSession s(r12);
        ASSERT_EQ(s.Export({Demo, Frame}, folder / "FIRST.DXF").Outcome, DxfExportOutcome::Written);
        ASSERT_EQ(s.Export({Demo, Frame}, folder / "SECOND.DXF").Outcome, DxfExportOutcome::Written);
        EXPECT_EQ(ReadBytes(folder / "FIRST.DXF"), ReadBytes(folder / "SECOND.DXF")) << "R12: " << r12;
    }
}

TEST(NewSalvaDXF, TheTakeoffFileIsNamedAfterTheDxfFileAndWrittenOnlyWhenAskedFor) {
    struct Case {
        const char* dxf;
        const char* takeoff;
    };
    const Case cases[] = {
        {"C:\\Disegni\\PIANTA.DXF", "C:\\Disegni\\PIANTA.TXT"},
        {"/home/studio/piante.2024/PIANTA.dxf", "/home/studio/piante.2024/PIANTA.TXT"},
        {"/home/studio/piante.2024/PIANTA", "/home/studio/piante.2024/PIANTA.TXT"},
        {"C:\\v1.2\\PIANTA.DEF.DXF", "C:\\v1.2\\PIANTA.DEF.TXT"},
        {"PIANTA.DXF", "PIANTA.TXT"},
    };
    for (const Case& c : cases) EXPECT_EQ(TakeoffTextPathOf(c.dxf), c.takeoff) << c.dxf;

    // A folder with a "." in its name: the list lies beside the file, not beside the folder.
    ScratchFolder folder("dxf-export-takeoff");
    fs::create_directory(folder / "piante.2024");
    ExportSession s;
    ASSERT_EQ(s.Export({Frame}, folder / "piante.2024/PIANTA.DXF").Outcome, DxfExportOutcome::Written);
    EXPECT_THAT(FilesIn(folder / "piante.2024"), ElementsAre("PIANTA.DXF", "PIANTA.TXT"));
    EXPECT_THAT(FilesIn(folder / ""), ElementsAre("piante.2024"));

    // Asked for no list: an earlier list stays as it was.
    std::ofstream(folder / "piante.2024/PIANTA.TXT", std::ios::binary) << "an earlier list";
    s.options.TakeoffTextFile = 0;
    ASSERT_EQ(s.Export({Frame}, folder / "piante.2024/PIANTA.DXF").Outcome, DxfExportOutcome::Written);
    EXPECT_EQ(ReadBytes(folder / "piante.2024/PIANTA.TXT"), "an earlier list");
}

namespace {

// What an export is asked to do.
struct Request {
    std::vector<std::string> Decks;
    std::string Destination;
};

// Enough decks that both spools go to their scratch files as they are drawn, then `more`.
std::vector<std::string> DecksThatDrain(std::vector<std::string> more = {}) {
    std::vector<std::string> decks(24, Demo);
    decks.insert(decks.end(), more.begin(), more.end());
    return decks;
}

struct FailureCase {
    const char* name;
    int32_t english;
    // Prepares the folder and the session; nothing when the case cannot be set up here.
    std::function<std::optional<Request>(ScratchFolder&, ExportSession&)> prepare;
    std::function<std::string(const Request&, const LanguageFlags&)> message;
};

const FailureCase Failures[] = {
    {"a data file missing", 0,
     [](ScratchFolder& f, ExportSession&) { return std::optional<Request>({{Frame, f / "MANCA.CRP"}, f / "P.DXF"}); },
     [](const Request& r, const LanguageFlags& l) {
         return UiText(DxfExportMessages::DataFileMissing, l, {r.Decks.back()});
     }},
    {"a destination that is a folder", 0,
     [](ScratchFolder& f, ExportSession&) {
         fs::create_directory(f / "P.DXF");
         return std::optional<Request>({{Frame, Demo}, f / "P.DXF"});
     },
     [](const Request& r, const LanguageFlags& l) {
         return UiText(DxfExportMessages::FileNotWritten, l,
                       {r.Destination, std::make_error_code(std::errc::is_a_directory).message()});
     }},
    {"a folder that cannot be written", 1,
     [](ScratchFolder& f, ExportSession&) -> std::optional<Request> {
         const auto folder = UnwritableFolder(f);
         if (!folder) return std::nullopt;
         return Request{{Frame}, *folder + "/P.DXF"};
     },
     [](const Request&, const LanguageFlags& l) { return UiText(DxfExportMessages::FolderNotPermitted, l); }},
    {"a take-off list that is a folder", 0,
     [](ScratchFolder& f, ExportSession&) {
         fs::create_directory(f / "P.TXT");
         return std::optional<Request>({{Frame}, f / "P.DXF"});
     },
     [](const Request& r, const LanguageFlags& l) {
         return UiText(DxfExportMessages::FileNotWritten, l,
                       {TakeoffTextPathOf(r.Destination), std::make_error_code(std::errc::is_a_directory).message()});
     }},
    {"a read-only take-off list", 1,
     [](ScratchFolder& f, ExportSession&) {
         std::ofstream(f / "P.TXT", std::ios::binary) << "an earlier list";
         ::chmod((f / "P.TXT").c_str(), 0444);
         return std::optional<Request>({{Frame}, f / "P.DXF"});
     },
     [](const Request& r, const LanguageFlags& l) {
         return UiText(DxfExportMessages::FileNotWritten, l, {TakeoffTextPathOf(r.Destination), "the file is read-only"});
     }},
    {"a data file missing once the records went to scratch files", 0,
     [](ScratchFolder& f, ExportSession&) {
         return std::optional<Request>({DecksThatDrain({f / "MANCA.CRP"}), f / "P.DXF"});
     },
     [](const Request& r, const LanguageFlags& l) {
         return UiText(DxfExportMessages::DataFileMissing, l, {r.Decks.back()});
     }},
    {"a destination that is a folder, the records in scratch files", 1,
     [](ScratchFolder& f, ExportSession&) {
         fs::create_directory(f / "P.DXF");
         return std::optional<Request>({DecksThatDrain(), f / "P.DXF"});
     },
     [](const Request& r, const LanguageFlags& l) {
         return UiText(DxfExportMessages::FileNotWritten, l,
                       {r.Destination, std::make_error_code(std::errc::is_a_directory).message()});
     }},
    {"a folder that cannot be written, met at the first scratch file", 0,
     [](ScratchFolder& f, ExportSession&) -> std::optional<Request> {
         const auto folder = UnwritableFolder(f);
         if (!folder) return std::nullopt;
         return Request{DecksThatDrain(), *folder + "/P.DXF"};
     },
     [](const Request&, const LanguageFlags& l) { return UiText(DxfExportMessages::FolderNotPermitted, l); }},
    {"a take-off list that is a folder, the drawing written from scratch files", 0,
     [](ScratchFolder& f, ExportSession&) {
         fs::create_directory(f / "P.TXT");
         return std::optional<Request>({DecksThatDrain(), f / "P.DXF"});
     },
     [](const Request& r, const LanguageFlags& l) {
         return UiText(DxfExportMessages::FileNotWritten, l,
                       {TakeoffTextPathOf(r.Destination), std::make_error_code(std::errc::is_a_directory).message()});
     }},
    {"a drawing that overflows the numbers", 0,
     [](ScratchFolder& f, ExportSession& s) {
         s.options.DxfScaleFactor = 3e38f;
         return std::optional<Request>({{Frame}, f / "P.DXF"});
     },
     [](const Request&, const LanguageFlags& l) {
         return UiText(DxfExportMessages::ExportStopped, l, {"a DXF coordinate overflows a 32-bit float"});
     }},
};

}  // namespace

TEST(NewSalvaDXF, AFailureLeavesNoFileBehindAndSaysWhy) {
    for (const FailureCase& c : Failures) {
        ScratchFolder folder("dxf-export-failure");
        ExportSession s;
        s.shell.Languages.UiLanguage = c.english;
        const auto prepared = c.prepare(folder, s);
        if (!prepared) {
            ADD_FAILURE() << c.name << ": no folder that cannot be written is to be had here";
            continue;
        }
        const std::string& destination = prepared->Destination;
        const bool destinationInScratch = destination.starts_with(folder / "");
        if (destinationInScratch && !fs::exists(destination))
            std::ofstream(destination, std::ios::binary) << "the drawing that stood here";
        const std::vector<std::string> before = FilesIn(folder / "");
        const std::string earlierList = fs::is_regular_file(folder / "P.TXT") ? ReadBytes(folder / "P.TXT") : "";

        const DxfExportResult result = s.Export(prepared->Decks, destination);
        EXPECT_EQ(result.Outcome, DxfExportOutcome::Failed) << c.name;
        const std::string expected = c.message(*prepared, s.shell.Languages);
        EXPECT_EQ(result.Message, expected) << c.name;
        ASSERT_EQ(s.messages.Shown().size(), 1u) << c.name << "\n" << s.Messages();
        EXPECT_EQ(s.messages.Shown()[0].Text, expected);
        EXPECT_EQ(s.messages.Shown()[0].Title, GetWarningTitle(s.shell.Languages));
        EXPECT_EQ(s.messages.Shown()[0].Icon, MsgIcon::Exclamation);
        EXPECT_EQ(s.shell.Document.LoadStatus, -1) << c.name;

        EXPECT_EQ(FilesIn(folder / ""), before) << c.name << ": no take-off list, no temporary file";
        if (destinationInScratch && fs::is_regular_file(destination)) {
            EXPECT_EQ(ReadBytes(destination), "the drawing that stood here") << c.name;
        }
        if (fs::is_regular_file(folder / "P.TXT")) {
            EXPECT_EQ(ReadBytes(folder / "P.TXT"), earlierList) << c.name;
        }
        for (const auto& entry : fs::directory_iterator(fs::path(destination).parent_path()))
            EXPECT_FALSE(entry.path().filename().string().starts_with(fs::path(destination).filename().string() + "."))
                << c.name << ": " << entry.path() << " left beside the destination";
    }
}

// The records of a large export go to scratch files beside the drawing while the decks are drawn;
// once the drawing and its list are written, nothing else is left there.
TEST(NewSalvaDXF, ALargeExportLeavesItsTwoFilesAndNothingElse) {
    ScratchFolder folder("dxf-export-large");
    ExportSession s;
    ASSERT_EQ(s.Export(DecksThatDrain(), folder / "P.DXF").Outcome, DxfExportOutcome::Written) << s.Messages();
    EXPECT_THAT(FilesIn(folder / ""), ElementsAre("P.DXF", "P.TXT"));
    const std::string file = ReadBytes(folder / "P.DXF");
    const auto sectionBytes = [&](const std::string& name) {
        const size_t start = file.find("  2\r\n" + name + "\r\n");
        return file.find("  0\r\nENDSEC\r\n", start) - start;
    };
    EXPECT_GT(sectionBytes("BLOCKS"), size_t{1} << 20) << "the block records went to their scratch file";
    EXPECT_GT(sectionBytes("ENTITIES"), size_t{1} << 20) << "the entity records went to their scratch file";
    EXPECT_EQ(RecordsOfKind(SectionRecords(file, "ENTITIES"), "TEXT").size() % 24, 0u);
    EXPECT_TRUE(file.ends_with("  0\r\nEOF\r\n"));
}

TEST(NewSalvaDXF, NoDataFileIsToldInTheInterfaceLanguageOnceRow24FollowsRow2) {
    for (int32_t english : {0, 1}) {
        ExportSession s;
        s.shell.Languages.UiLanguage = english;
        s.drawing.LayerNames[2] = "PILASTRI";
        s.drawing.LayerAci[2] = 6;
        s.drawing.LayerDxfOn[2] = 0;
        s.drawing.LayerNames[PillarTopLayer] = "altro";
        const DxfExportResult result = s.Export({}, "/nowhere/P.DXF");
        EXPECT_EQ(result.Outcome, DxfExportOutcome::NothingSelected);
        EXPECT_EQ(s.Messages(), english ? "Warning! | Files not selected.\n"
                                        : "Attenzione! | Non sono stati selezionati i file dati.\n"
                                          "Generazione file DXF impossibile!\n");
        EXPECT_EQ(s.drawing.LayerNames[PillarTopLayer], "PILASTRI_SUP");
        EXPECT_EQ(s.drawing.LayerAci[PillarTopLayer], 6);
        EXPECT_EQ(s.drawing.LayerDxfOn[PillarTopLayer], 0);
    }
}

// The dialog's export writes an empty drawing when no deck loads; a script may ask for nothing.
TEST(NewSalvaDXF, WhenNoDeckLoadsTheDrawingIsEmptyOrNotWrittenAsAsked) {
    ScratchFolder folder("dxf-export-none-loads");
    ExportSession dialog;
    const DxfExportResult empty = dialog.Export({Unloadable}, folder / "EMPTY.DXF");
    EXPECT_EQ(empty.Outcome, DxfExportOutcome::Written);
    EXPECT_EQ(empty.DecksDrawn, 0);
    EXPECT_TRUE(fs::is_regular_file(folder / "EMPTY.DXF"));

    ExportSession script;
    std::ofstream(folder / "KEPT.DXF", std::ios::binary) << "the drawing that stood here";
    const DxfExportResult none = NewSalvaDXF(script, script.platform, {Unloadable, Unloadable}, folder / "KEPT.DXF",
                                             script.options, WhenNoDeckLoads::WriteNothing);
    EXPECT_EQ(none.Outcome, DxfExportOutcome::NoDeckLoaded);
    EXPECT_EQ(none.SkippedDataFiles.size(), 2u);
    EXPECT_THAT(script.Messages(), ::testing::HasSubstr("Nodo 99")) << "each load says why";
    EXPECT_EQ(ReadBytes(folder / "KEPT.DXF"), "the drawing that stood here");
    EXPECT_THAT(FilesIn(folder / ""), ElementsAre("EMPTY.DXF", "EMPTY.TXT", "KEPT.DXF"));
}

TEST(NewSalvaDXF, NoDestinationEndsSilently) {
    ExportSession s;
    const DxfExportResult result = s.Export({Frame}, "");
    EXPECT_EQ(result.Outcome, DxfExportOutcome::Cancelled);
    EXPECT_TRUE(s.messages.Shown().empty());
    EXPECT_EQ(s.shell.Document.LoadStatus, 0);
}

// The drawing and its list are committed one after the other: were they one file, the list would
// take the drawing's place. Such an export is refused before any deck loads; two names of one file
// (hard links) are two files to the commit and are written as any other pair.
TEST(NewSalvaDXF, ADrawingThatWouldBeItsOwnTakeoffListIsRefusedAndNothingChanges) {
    int english = 0;
    for (const DrawingAndListCase& c : DrawingAndListCases) {
        ScratchFolder folder("dxf-export-same-file");
        c.Plant(folder);
        const auto before = FolderState(folder / "");
        ExportSession s;
        s.shell.Languages.UiLanguage = english = 1 - english;
        const std::string drawing = folder / c.Drawing;
        const DxfExportResult result = s.Export({Frame}, drawing);
        if (!c.Refused) {
            ASSERT_EQ(result.Outcome, DxfExportOutcome::Written) << c.Name << "\n" << s.Messages();
            EXPECT_THAT(ReadBytes(drawing), StartsWith("  0\r\nSECTION\r\n")) << c.Name;
            const std::string list = ReadBytes(result.TakeoffTextPath);
            EXPECT_FALSE(list.empty() || list.starts_with("  0\r\n")) << c.Name << ": the list is the drawing";
            continue;
        }
        EXPECT_EQ(result.Outcome, DxfExportOutcome::Failed) << c.Name;
        const std::string expected =
            english != 0 ? "The DXF file and the take-off list are the same file: " + drawing + ". Choose another name."
                         : "Il file DXF e il file del computo coincidono: " + drawing + ". Scegliere un altro nome.";
        EXPECT_EQ(result.Message, expected) << c.Name;
        ASSERT_EQ(s.messages.Shown().size(), 1u) << c.Name << "\n" << s.Messages();
        EXPECT_EQ(s.messages.Shown()[0].Text, expected) << c.Name;
        EXPECT_EQ(s.model.NodeCount, 0) << c.Name << ": a deck was loaded";
        EXPECT_EQ(FolderState(folder / ""), before) << c.Name;

        // Without the list, the same drawing is written as it always was.
        s.options.TakeoffTextFile = 0;
        EXPECT_EQ(s.Export({Frame}, drawing).Outcome, DxfExportOutcome::Written) << c.Name << "\n" << s.Messages();
    }
}

// What would refuse the drawing or its list its new text is told before any deck loads, in the
// user's terms, and nothing changes. A locked folder is named, the one the drawing's link leads
// into included.
TEST(NewSalvaDXF, ALockedListOrFolderIsToldBeforeAnyDeckLoadsAndNothingChanges) {
    struct Case {
        const char* locked;  // in the export's folder; empty for the folder itself
        int flag;
        int32_t english;
        bool throughLink;  // the drawing is exported through a link from another folder into this one
        std::function<std::string(const std::string& folder, const std::string& drawing, const std::string& list)>
            message;
    };
    const Case cases[] = {
        {"P.TXT", FS_IMMUTABLE_FL, 0, false,
         [](const std::string&, const std::string&, const std::string& list) {
             return "Il file " + list + " ha l'attributo immutabile e non può essere sostituito.\nOperazione annullata!";
         }},
        {"P.TXT", FS_APPEND_FL, 1, false,
         [](const std::string&, const std::string&, const std::string& list) {
             return "The file " + list + " has the append-only attribute and cannot be replaced.";
         }},
        {"", FS_IMMUTABLE_FL, 1, false,
         [](const std::string& folder, const std::string& drawing, const std::string&) {
             return "The folder " + folder + " has the immutable attribute, so the file " + drawing +
                    " cannot be written there.";
         }},
        {"", FS_APPEND_FL, 0, false,
         [](const std::string& folder, const std::string& drawing, const std::string&) {
             return "La cartella " + folder + " ha l'attributo di sola aggiunta: il file " + drawing +
                    " non può esservi scritto.\nOperazione annullata!";
         }},
        {"", FS_IMMUTABLE_FL, 1, true,
         [](const std::string& folder, const std::string& drawing, const std::string&) {
             return "The folder " + folder + " has the immutable attribute, so the file " + drawing +
                    " cannot be written there.";
         }},
    };
    for (const Case& c : cases) {
        ScratchFolder folder("dxf-export-locked"), links("dxf-export-locked-links");
        const std::string lockedFolder = fs::path(folder / "P.DXF").parent_path().string();
        auto [drawing, list] = PlantEarlierPair(folder);
        if (c.throughLink) {
            fs::create_symlink(drawing, links / "P.DXF");
            fs::create_symlink(list, links / "P.TXT");
            drawing = links / "P.DXF";
            list = links / "P.TXT";
        }
        const auto before = FolderState(folder / "");
        const FileLock lock(folder / c.locked, c.flag);
        if (!lock.IsSet()) GTEST_SKIP() << "the file system or the user sets no such attribute here";
        ExportSession s;
        s.shell.Languages.UiLanguage = c.english;
        const DxfExportResult result = s.Export({Frame}, drawing);
        const std::string expected = c.message(lockedFolder, drawing, list);
        EXPECT_EQ(result.Outcome, DxfExportOutcome::Failed);
        EXPECT_EQ(result.Message, expected);
        EXPECT_EQ(s.Messages(), GetWarningTitle(s.shell.Languages) + " | " + expected + "\n");
        EXPECT_EQ(s.model.NodeCount, 0) << "a deck was loaded";
        EXPECT_TRUE(result.ReplacedFiles.empty());
        EXPECT_EQ(FolderState(folder / ""), before);
    }
}

// A drawing named without its folder, in a locked folder: the message names that folder in full,
// not as ".".
TEST(NewSalvaDXF, ALockedFolderOfADrawingNamedAloneIsNamedInFull) {
    ScratchFolder folder("dxf-export-locked-bare");
    const CurrentFolderScope inside(folder / "");
    const std::string lockedFolder = fs::current_path().string();
    const FileLock lock(folder / "", FS_IMMUTABLE_FL);
    if (!lock.IsSet()) GTEST_SKIP() << "the file system or the user sets no such attribute here";
    ExportSession s;
    s.shell.Languages.UiLanguage = 1;
    const DxfExportResult result = s.Export({Frame}, "P.DXF");
    EXPECT_EQ(result.Outcome, DxfExportOutcome::Failed);
    EXPECT_EQ(result.Message, "The folder " + lockedFolder +
                                  " has the immutable attribute, so the file P.DXF cannot be written there.");
}

// A rename refused once the drawing has its new text (a cause no check before could see) is told
// as it is: which file was replaced, which was not, and why.
TEST(NewSalvaDXF, AListRenameRefusedAfterTheDrawingsSaysWhichFileWasReplacedAndWhichNot) {
    for (int32_t english : {0, 1}) {
        ScratchFolder folder("dxf-export-half");
        const auto [drawing, list] = PlantEarlierPair(folder);
        ExportSession s;
        s.shell.Languages.UiLanguage = english;
        CommitCalls calls;
        calls.Rename = RenameRefusedAt(2, EPERM);
        const DxfExportResult result = s.ExportThrough(drawing, calls);
        EXPECT_EQ(result.Outcome, DxfExportOutcome::Failed);
        EXPECT_THAT(result.ReplacedFiles, ElementsAre(drawing));
        const std::string cause = std::strerror(EPERM);
        EXPECT_EQ(result.Message, english != 0 ? "The file " + drawing + " was replaced, the file " + list +
                                                     " was not (" + cause + "): the two files no longer match."
                                               : "Il file " + drawing + " è stato sostituito, il file " + list +
                                                     " no (" + cause +
                                                     "): i due file non corrispondono più.\nOperazione incompleta!");
        ASSERT_EQ(s.messages.Shown().size(), 1u) << s.Messages();
        EXPECT_EQ(s.messages.Shown()[0].Text, result.Message);
        EXPECT_EQ(s.shell.Document.LoadStatus, -1);
        EXPECT_THAT(ReadBytes(drawing), StartsWith("  0\r\nSECTION\r\n"));
        EXPECT_EQ(ReadBytes(list), "an earlier list");
        EXPECT_THAT(FilesIn(folder / ""), ElementsAre("P.DXF", "P.TXT"));
    }
}

// On a disk without nameless files, an export whose drawing could not take its name says that step
// and its cause, and changes nothing.
TEST(NewSalvaDXF, AFailedStepIsNamedOnADiskWithoutNamelessFiles) {
    for (int32_t english : {0, 1}) {
        ScratchFolder folder("dxf-export-step");
        const auto [drawing, list] = PlantEarlierPair(folder);
        ExportSession s;
        s.shell.Languages.UiLanguage = english;
        CommitCalls calls;
        calls.OpenNameless = Refused<const char*, int, mode_t>(EOPNOTSUPP);
        calls.Rename = RenameRefusedAt(1, EIO);
        const DxfExportResult result = s.ExportThrough(drawing, calls);
        EXPECT_EQ(result.Outcome, DxfExportOutcome::Failed);
        const std::string cause = std::strerror(EIO);
        EXPECT_EQ(result.Message,
                  english != 0 ? "The file " + drawing + " could not be written (the new file could not take the old "
                                                         "one's place: " + cause + ")."
                               : "Impossibile scrivere il file " + drawing + " (il file nuovo non ha potuto prendere "
                                                                             "il posto del vecchio: " + cause +
                                     ").\nOperazione annullata!");
        EXPECT_EQ(ReadBytes(drawing), "the drawing that stood here");
        EXPECT_EQ(ReadBytes(list), "an earlier list");
        EXPECT_THAT(FilesIn(folder / ""), ElementsAre("P.DXF", "P.TXT"));
    }
}

// A file system or sandbox that refuses to link a nameless file to a name, or to take the old
// file's permission bits, still gets the export, byte for byte.
TEST(NewSalvaDXF, ALinkAndAModeTheFileSystemRefusesGiveTheBytesOfAPlainExport) {
    ScratchFolder plain("dxf-export-plain"), refused("dxf-export-link-refused");
    for (const ScratchFolder* folder : {&plain, &refused}) {
        std::ofstream(*folder / "P.DXF", std::ios::binary) << "the drawing that stood here";
        std::ofstream(*folder / "P.TXT", std::ios::binary) << "an earlier list";
    }
    ExportSession s;
    ASSERT_EQ(s.Export({Demo, Frame}, plain / "P.DXF").Outcome, DxfExportOutcome::Written) << s.Messages();
    CommitCalls calls;
    calls.Link = Refused<int, const char*>(EPERM);
    calls.ChangeMode = Refused<int, mode_t>(ENOSYS);
    const DxfExportResult result = NewSalvaDXF(s, s.platform, {Demo, Frame}, refused / "P.DXF", s.options,
                                               WhenNoDeckLoads::WriteEmptyDrawing, calls);
    ASSERT_EQ(result.Outcome, DxfExportOutcome::Written) << s.Messages();
    EXPECT_TRUE(ReadBytes(plain / "P.DXF") == ReadBytes(refused / "P.DXF")) << "the drawings differ";
    EXPECT_EQ(ReadBytes(plain / "P.TXT"), ReadBytes(refused / "P.TXT"));
    EXPECT_THAT(FilesIn(refused / ""), ElementsAre("P.DXF", "P.TXT"));
}
