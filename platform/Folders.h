#pragma once
// The folders the program works with. Paths are UTF-8 and end without a separator.
#include <string>

class Folders {
public:
    virtual ~Folders() = default;
    // The folder of the running executable.
    virtual std::string ProgramFolder() = 0;
    // The folder of the user's own settings, created when missing; the empty text when there is
    // none and none can be made (the caller then keeps its settings in the program folder).
    virtual std::string ProfileFolder() = 0;
};
