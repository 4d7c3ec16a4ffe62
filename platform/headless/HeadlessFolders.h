#pragma once
// Folders without a machine to look at: the paths given.
#include <utility>

#include "platform/Folders.h"

class HeadlessFolders : public Folders {
public:
    explicit HeadlessFolders(std::string program = {}, std::string profile = {})
        : program_(std::move(program)), profile_(std::move(profile)) {}

    std::string ProgramFolder() override { return program_; }
    std::string ProfileFolder() override { return profile_; }
    void SetProgramFolder(std::string folder) { program_ = std::move(folder); }
    void SetProfileFolder(std::string folder) { profile_ = std::move(folder); }

private:
    std::string program_, profile_;
};
