#pragma once
// The HEADER section of an R12 file: a fixed set of system variables, the same for every export
// whatever the drawing holds.
#include <string>

void WriteDxf12Header(std::string& out);
