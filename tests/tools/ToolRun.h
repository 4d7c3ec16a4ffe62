#pragma once
// A tool started as a script starts it, through the shell, with what it said on standard output
// and standard error.
#include <sys/wait.h>

#include <cstdlib>
#include <string>

#include "tests/support/DeckSession.h"

struct ToolRun {
    int ExitCode = -1;
    std::string Errors;
    std::string Output;
};

inline std::string Quoted(const std::string& text) { return "'" + text + "'"; }

// Runs `commandLine` in `sh` after `setup` (shell commands: variables, limits).
inline ToolRun RunTool(const std::string& commandLine, const std::string& setup = "") {
    ScratchFolder scratch("tool-run");
    const std::string errors = scratch / "stderr.txt", output = scratch / "stdout.txt";
    const std::string command = setup + (setup.empty() ? "" : "; ") + "exec " + commandLine + " >" + Quoted(output) +
                                " 2>" + Quoted(errors);
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, FileText(errors), FileText(output)};
}
