#pragma once
// Outside programs on the desktop: started detached, text files shown by the desktop's viewer.
#include "platform/Programs.h"

class QtPrograms : public Programs {
public:
    bool Start(const std::string& program, const std::vector<std::string>& arguments) override;
    bool OpenTextFile(const std::string& path) override;
};
