// The program itself, started as a user or a script starts it, without a display: its messages
// come as lines on standard error and every failure ends it with a non-zero code.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>

#include "tests/support/DeckSession.h"

namespace {

struct Outcome {
    int ExitCode = -1;
    std::string Errors;
};

std::string Quoted(const std::string& text) { return "'" + text + "'"; }

// Runs the program with `arguments`, with no display and a configuration folder of its own.
Outcome RunDravo(const std::string& arguments, const std::string& platform = "QT_QPA_PLATFORM=offscreen") {
    ScratchFolder scratch("program-run");
    const std::string errors = scratch / "stderr.txt";
    const std::string command = "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM " + platform +
                                " XDG_CONFIG_HOME=" + Quoted(scratch / "config") + " " + Quoted(DRAVO_PROGRAM) + " " +
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

TEST(DravoProgram, BatchHandOffIsNotThereYet) {
    const Outcome run = RunDravo(Quoted(DemoDeck()) + " 20");
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_NE(run.Errors.find("soletta 20"), std::string::npos) << run.Errors;
}

TEST(DravoProgram, WindowWithoutADisplaySaysHowToGetOne) {
    const Outcome run = RunDravo(Quoted(DemoDeck()), "");
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_NE(run.Errors.find("xvfb-run"), std::string::npos) << run.Errors;
}

}  // namespace
