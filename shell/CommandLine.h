#pragma once
// The command line of a start: empty, a data file ending in ".CRP" (any case), or such a file
// followed by a signed concrete-slab number, which asks for the batch hand-off of that slab.
#include <cstdint>
#include <string>

struct CommandLineStart {
    // The data file as typed, cut after the first ".CRP"; empty for an empty command line. Its
    // case is kept, since the file system tells cases apart.
    std::string CurrentFile;
    // The absolute value of the number behind the path; 0 starts the window.
    int32_t SlabNumber = 0;
    // True unless a number of 0 or more follows the path: the hand-off then writes the slab file
    // without starting the slab-design program.
    bool SlabFileOnly = true;

    bool IsBatch() const { return SlabNumber != 0; }
};

// The start a command-line text asks for. The text is what follows the program's own name, its
// arguments joined by blanks; a leading double quote and then a trailing one left alone are
// removed first.
CommandLineStart ParseCommandLine(std::string text);

// The number at the start of `rest`: blanks skipped, an optional sign and the longest decimal
// number ("." as the point) behind it, rounded to an integer with halves to even; 0 when no
// digit is there.
int32_t ReadSlabNumber(const std::string& rest);
