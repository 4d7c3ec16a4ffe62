#pragma once
// The HEADER section of an R12 file: a fixed set of system variables, the same for every export
// whatever the drawing holds, but for the handle seed: above every handle the hatch blocks and
// their inserts carry, so that a reader giving handles to the other records never repeats one.
#include <string>

void WriteDxf12Header(std::string& out, const std::string& handleSeed);
