// crp2dxf as a script runs it: a failure ends it with a non-zero status and leaves the files at the
// destination as they were; its texts for people follow the user's locale.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

#include <filesystem>
#include <functional>
#include <iostream>
#include <optional>
#include <string>

#include "bench/DeckGenerator.h"
#include "tests/support/DeckSession.h"
#include "tests/support/DrawingAndListCases.h"
#include "tests/support/FileLock.h"
#include "tests/support/DxfRecordLines.h"
#include "tests/support/ItalianNumericLocale.h"
#include "tests/tools/ToolRun.h"

namespace fs = std::filesystem;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

namespace {

const std::string Frame = DeckFixture("fresh-frame/TELAIO.CRP");
const std::string Unloadable = DeckFixture("fail-unknown-node/NODO99.CRP");

ToolRun Crp2dxf(const std::string& arguments, const std::string& setup = "") {
    return RunTool(Quoted(DRAVO_CRP2DXF) + " " + arguments, setup);
}

// DXF group codes whose values are reals.
bool IsRealGroup(int code) {
    return (code >= 10 && code <= 59) || (code >= 110 && code <= 149) || (code >= 210 && code <= 239) ||
           (code >= 1010 && code <= 1059);
}

}  // namespace

TEST(Crp2dxf, WhenNoDeckLoadsItFailsAndTheDestinationStaysAsItWas) {
    ScratchFolder folder("crp2dxf-none-loads");
    const std::string out = folder / "OUT.DXF";
    WriteWholeFile(out, "the drawing that stood here");
    const ToolRun run = Crp2dxf("--takeoff-file 1 " + Quoted(out) + " " + Quoted(Unloadable));
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_THAT(run.Errors, HasSubstr("Nodo 99"));
    EXPECT_THAT(run.Errors, HasSubstr("crp2dxf: no deck loaded\n"));
    EXPECT_TRUE(FileText(out) == "the drawing that stood here") << "the drawing was replaced";
    EXPECT_THAT(folder.Names(), ElementsAre("OUT.DXF"));
}

TEST(Crp2dxf, ATakeoffListThatCannotBeWrittenFailsTheExportAndChangesNeitherFile) {
    struct Case {
        const char* name;
        std::function<void(const std::string&)> plant;  // what stands where the list goes
    };
    const Case cases[] = {
        {"a read-only list",
         [](const std::string& p) {
             WriteWholeFile(p, "an earlier list");
             ::chmod(p.c_str(), 0444);
         }},
        {"a folder", [](const std::string& p) { fs::create_directory(p); }},
    };
    for (const Case& c : cases) {
        ScratchFolder folder("crp2dxf-takeoff");
        const std::string out = folder / "OUT.DXF", list = folder / "OUT.TXT";
        WriteWholeFile(out, "the drawing that stood here");
        c.plant(list);
        const ToolRun run = Crp2dxf("--takeoff-file 1 " + Quoted(out) + " " + Quoted(Frame));
        EXPECT_EQ(run.ExitCode, 1) << c.name;
        EXPECT_THAT(run.Errors, HasSubstr("Impossibile scrivere il file " + list)) << c.name;
        EXPECT_THAT(run.Errors, HasSubstr("crp2dxf: " + out + " and " + list + " not written\n")) << c.name;
        EXPECT_TRUE(FileText(out) == "the drawing that stood here") << c.name << ": the drawing was replaced";
        if (fs::is_regular_file(list)) {
            EXPECT_EQ(FileText(list), "an earlier list") << c.name;
        }
        EXPECT_THAT(folder.Names(), ElementsAre("OUT.DXF", "OUT.TXT")) << c.name;
    }
}

// What would refuse the list its rename is found before the drawing is touched: a list made
// immutable, and a colleague's list in a shared (sticky) folder, which the user, run here as
// another user than root, may not replace.
TEST(Crp2dxf, AListThatWouldRefuseItsRenameStopsTheExportBeforeTheDrawingChanges) {
    struct Case {
        const char* name;
        // Prepares the folder; the command line's prefix, or nothing when it cannot be done here.
        std::function<std::optional<std::string>(const ScratchFolder&, std::optional<FileLock>&)> prepare;
        std::string message;  // after the list's name
    };
    constexpr uid_t Nobody = 65534;
    const Case cases[] = {
        {"an immutable list",
         [](const ScratchFolder& f, std::optional<FileLock>& lock) -> std::optional<std::string> {
             lock.emplace(f / "shared/OUT.TXT", FS_IMMUTABLE_FL);
             if (!lock->IsSet()) return std::nullopt;
             return "";
         },
         " ha l'attributo immutabile e non può essere sostituito.\nOperazione annullata!\n"},
        {"a colleague's list in a shared folder",
         [](const ScratchFolder& f, std::optional<FileLock>&) -> std::optional<std::string> {
             if (::geteuid() != 0 || !fs::exists("/usr/bin/setpriv")) return std::nullopt;
             ::chmod((f / "").c_str(), 0755);
             ::chmod((f / "shared").c_str(), 01777);
             if (::chown((f / "shared/OUT.DXF").c_str(), Nobody, Nobody) != 0) return std::nullopt;
             return "setpriv --reuid=65534 --regid=65534 --clear-groups ";
         },
         " appartiene a un altro utente e la cartella condivisa in cui si trova permette di sostituirlo solo a "
         "lui o al proprietario della cartella.\nOperazione annullata!\n"},
    };
    for (const Case& c : cases) {
        ScratchFolder folder("crp2dxf-refused-rename");
        fs::create_directory(folder / "shared");
        const std::string out = folder / "shared/OUT.DXF", list = folder / "shared/OUT.TXT";
        WriteWholeFile(out, "the drawing that stood here");
        WriteWholeFile(list, "a colleague's list");
        std::optional<FileLock> lock;
        const std::optional<std::string> prefix = c.prepare(folder, lock);
        if (!prefix) {
            std::cout << c.name << ": cannot be set up here\n";
            continue;
        }
        const auto before = FolderState(folder / "shared");
        const ToolRun run =
            RunTool(*prefix + Quoted(DRAVO_CRP2DXF) + " --takeoff-file 1 " + Quoted(out) + " " + Quoted(Frame));
        EXPECT_EQ(run.ExitCode, 1) << c.name << "\n" << run.Errors;
        EXPECT_THAT(run.Errors, HasSubstr("Il file " + list + c.message)) << c.name;
        EXPECT_THAT(run.Errors, HasSubstr("crp2dxf: " + out + " and " + list + " not written\n")) << c.name;
        lock.reset();
        EXPECT_EQ(FolderState(folder / "shared"), before) << c.name;
    }
}

TEST(Crp2dxf, TextsForPeopleFollowTheUsersLocaleAndTheDrawingsNumbersDoNot) {
    {
        ItalianNumericLocale probe;
        if (!probe.WritesDecimalComma()) GTEST_SKIP() << "no Italian locale on this machine";
    }
    ScratchFolder folder("crp2dxf-locale");
    const std::string out = folder / "OUT.DXF";
    const ToolRun run = Crp2dxf("--takeoff-file 1 --print 2.5:10 " + Quoted(out) + " " + Quoted(Frame),
                                "export LC_ALL=it_IT.UTF-8 LANG=it_IT.UTF-8");
    ASSERT_EQ(run.ExitCode, 0) << run.Errors;
    EXPECT_EQ(FileText(folder / "OUT.TXT"),
              "Impalcato da quota +300,0 a quota +600,0\r\n\r\n"
              "S.1           Travetti ret. 30x50  i=24   23,1 mq\r\n\r\n");

    bool titleFound = false;
    int reals = 0;
    for (const auto& [code, value] : SplitGroups(FileText(out))) {
        titleFound = titleFound || value == "Impalcato da quota +300,0 a quota +600,0";
        if (!IsRealGroup(std::stoi(code))) continue;
        ++reals;
        EXPECT_EQ(value.find(','), std::string::npos) << "group " << code << ": " << value;
    }
    EXPECT_TRUE(titleFound) << "the deck's title in the drawing reads as the user writes numbers";
    EXPECT_GT(reals, 100);
}

TEST(Crp2dxf, ADrawingThatWouldBeItsOwnTakeoffListIsRefusedAndNothingChanges) {
    for (const DrawingAndListCase& c : DrawingAndListCases) {
        ScratchFolder folder("crp2dxf-same-file");
        c.Plant(folder);
        const auto before = FolderState(folder / "");
        const std::string drawing = folder / c.Drawing;
        const ToolRun run = Crp2dxf("--takeoff-file 1 " + Quoted(drawing) + " " + Quoted(Frame));
        if (!c.Refused) {
            EXPECT_EQ(run.ExitCode, 0) << c.Name << "\n" << run.Errors;
            EXPECT_NE(FileText(folder / "OUT.TXT"), FileText(drawing)) << c.Name;
            continue;
        }
        EXPECT_EQ(run.ExitCode, 1) << c.Name;
        EXPECT_THAT(run.Errors, HasSubstr("Il file DXF e il file del computo coincidono: " + drawing +
                                          ". Scegliere un altro nome.\n"))
            << c.Name;
        EXPECT_EQ(run.Output, "") << c.Name;
        EXPECT_EQ(FolderState(folder / ""), before) << c.Name;
    }
}

// A process that dies in the middle of an export (here of a size limit that its first spool drain
// passes) leaves the folder as it found it: the scratch files it had open go with it.
TEST(Crp2dxf, AnExportKilledWhileItSpoolsLeavesOnlyTheOldDrawing) {
    ScratchFolder decks("crp2dxf-killed-deck");
    const GeneratedDeck deck = WriteGeneratedDeck(decks / "", 20, 20);
    ScratchFolder folder("crp2dxf-killed");
    const std::string out = folder / "OUT.DXF";
    WriteWholeFile(out, "the drawing that stood here");
    constexpr rlim_t BelowOneDrain = 256 * 1024;

    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const rlimit size{BelowOneDrain, BelowOneDrain}, noCore{0, 0};
        ::setrlimit(RLIMIT_FSIZE, &size);
        ::setrlimit(RLIMIT_CORE, &noCore);
        std::signal(SIGXFSZ, SIG_DFL);
        const char* argv[] = {DRAVO_CRP2DXF, out.c_str(), deck.DataFile.c_str(), nullptr};
        ::execv(DRAVO_CRP2DXF, const_cast<char* const*>(argv));
        ::_exit(127);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status)) << "exit status " << WEXITSTATUS(status) << ": the export never spooled";
    EXPECT_EQ(WTERMSIG(status), SIGXFSZ);
    EXPECT_THAT(folder.Names(), ElementsAre("OUT.DXF"));
    EXPECT_EQ(FileText(out), "the drawing that stood here");
}
