#pragma once
// Starting outside programs without waiting for them. Paths and arguments are UTF-8.
#include <string>
#include <vector>

class Programs {
public:
    virtual ~Programs() = default;
    // Starts `program` with `arguments`, each handed over as one argument as it stands (no shell
    // splits or expands them), and returns at once. False when it could not be started.
    virtual bool Start(const std::string& program, const std::vector<std::string>& arguments) = 0;
    // Shows a text file in the desktop's viewer and returns at once. False when the file does not
    // exist or no viewer could be started.
    virtual bool OpenTextFile(const std::string& path) = 0;
};
