// The program itself, started as a user or a script starts it, without a display: its messages
// come as lines on standard error and every failure ends it with a non-zero code.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>

#include "tests/support/DeckSession.h"
#include "tests/support/SlabHandOffDeck.h"

namespace {

struct Outcome {
    int ExitCode = -1;
    std::string Errors;
};

std::string Quoted(const std::string& text) { return "'" + text + "'"; }

// Runs the program with `arguments`, with no display and a configuration folder of its own.
Outcome RunDravo(const std::string& arguments, const std::string& platform = "QT_QPA_PLATFORM=offscreen",
                 const std::string& program = DRAVO_PROGRAM) {
    ScratchFolder scratch("program-run");
    const std::string errors = scratch / "stderr.txt";
    const std::string command = "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM " + platform +
                                " XDG_CONFIG_HOME=" + Quoted(scratch / "config") + " " + Quoted(program) + " " +
                                arguments + " >/dev/null 2>" + Quoted(errors);
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, FileText(errors)};
}

std::string DemoDeck() { return std::string(DRAVO_EXAMPLES) + "/frame/DEMO.CRP"; }

TEST(DravoProgram, MissingDataFileEndsTheStart) {
    for (const std::string arguments : {"/nowhere/PIANO.CRP", "/nowhere/PIANO.CRP 7"}) {
        const Outcome run = RunDravo(arguments);
        EXPECT_EQ(run.ExitCode, 1) << arguments;
        EXPECT_EQ(run.Errors, "Load error!: File:\n/nowhere/PIANO.CRP\nnon trovato.\n") << arguments;
    }
}

TEST(DravoProgram, BatchOnASlabNoConcreteSlabCarriesFails) {
    const Outcome run = RunDravo(Quoted(DemoDeck()) + " 999");
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_EQ(run.Errors, "Attenzione!: Errore caricamento macro\n");
}

TEST(DravoProgram, BatchOnADeckThatDoesNotLoadFails) {
    const std::string deck = DeckFixture("fail-unknown-node/NODO99.CRP");
    const Outcome run = RunDravo(Quoted(deck) + " -1");
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_NE(run.Errors.find("Nodo 99 non definito"), std::string::npos) << run.Errors;
    EXPECT_TRUE(run.Errors.ends_with("Attenzione!: Errore caricamento file:\n" + deck + "\n")) << run.Errors;
}

// The program run from a folder of its own, beside a stand-in for the slab-design program that
// notes the arguments it was given; both folders have blanks in their names.
class BatchHandOffRun : public ::testing::Test {
protected:
    BatchHandOffRun() : place_("program-handoff") {
        namespace fs = std::filesystem;
        fs::create_directories(programFolder_);
        std::error_code linked;
        fs::create_hard_link(DRAVO_PROGRAM, program_, linked);
        if (linked) fs::copy_file(DRAVO_PROGRAM, program_);
        const std::string standIn = programFolder_ + "/Lastrix";
        WriteWholeFile(standIn, "#!/bin/sh\nprintf '%s\\n' \"$#\" \"$@\" > \"$(dirname \"$0\")/arguments.txt\"\n");
        fs::permissions(standIn, fs::perms::owner_all, fs::perm_options::add);
        fs::create_directories(deckFolder_);
        for (const char* name : {"DEMO.CRP", "ARCHIMPA.AI0"})
            fs::copy_file(std::string(DRAVO_EXAMPLES) + "/frame/" + name, deckFolder_ + "/" + name);
    }

    Outcome Run(const std::string& number) {
        return RunDravo(Quoted(deckFolder_ + "/DEMO.CRP") + " " + number, "QT_QPA_PLATFORM=offscreen", program_);
    }
    // What the stand-in noted, once it has run: the number of its arguments and each of them.
    std::string NotedArguments(std::chrono::milliseconds wait) const {
        const std::string noted = programFolder_ + "/arguments.txt";
        for (auto waited = std::chrono::milliseconds(0); waited < wait; waited += std::chrono::milliseconds(50)) {
            if (std::filesystem::exists(noted) && FileText(noted).ends_with(".LSX\n")) break;
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        return FileText(noted);
    }

    ScratchFolder place_;
    const std::string programFolder_ = place_ / "program folder";
    const std::string program_ = programFolder_ + "/dravo";
    const std::string deckFolder_ = place_ / "deck folder";
};

TEST_F(BatchHandOffRun, PositiveNumberStartsTheSlabDesignProgramOnTheFile) {
    WriteWholeFile(deckFolder_ + "/gus00020.mpi", "");
    const Outcome run = Run("20");
    EXPECT_EQ(run.ExitCode, 0);
    EXPECT_EQ(run.Errors, "");
    EXPECT_EQ(FileText(deckFolder_ + "/Soletta20.LSX"), FileText(SlabHandOffFixture("Soletta20.LSX")));
    EXPECT_EQ(NotedArguments(std::chrono::seconds(10)), "1\n" + deckFolder_ + "/Soletta20.LSX\n");
}

TEST_F(BatchHandOffRun, NegativeNumberOnlyWritesTheFile) {
    WriteWholeFile(deckFolder_ + "/gus00020.mpi", "");
    const Outcome run = Run("-20");
    EXPECT_EQ(run.ExitCode, 0);
    EXPECT_EQ(run.Errors, "");
    EXPECT_EQ(FileText(deckFolder_ + "/Soletta20.LSX"), FileText(SlabHandOffFixture("Soletta20.LSX")));
    EXPECT_EQ(NotedArguments(std::chrono::milliseconds(500)), "");
}

TEST_F(BatchHandOffRun, SlabWithoutResultFileFails) {
    const Outcome run = Run("20");
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_EQ(run.Errors, "Attenzione!: Soletta C.A. non progettata. Eseguire in Struvia il comando: "
                          "Contesto\\Esecuzione_progettazione\\Stati_limite\n");
    EXPECT_FALSE(std::filesystem::exists(deckFolder_ + "/Soletta20.LSX"));
    EXPECT_EQ(NotedArguments(std::chrono::milliseconds(500)), "");
}

TEST(DravoProgram, WindowWithoutADisplaySaysHowToGetOne) {
    const Outcome run = RunDravo(Quoted(DemoDeck()), "");
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_NE(run.Errors.find("xvfb-run"), std::string::npos) << run.Errors;
}

}  // namespace
