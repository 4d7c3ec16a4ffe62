#pragma once
// Outside programs that are never started: each request is recorded and answered as told.
#include <vector>

#include "platform/Programs.h"

struct StartedProgram {
    std::string Program;
    std::vector<std::string> Arguments;
};

class HeadlessPrograms : public Programs {
public:
    bool Start(const std::string& program, const std::vector<std::string>& arguments) override {
        started_.push_back({program, arguments});
        return succeed_;
    }
    bool OpenTextFile(const std::string& path) override {
        opened_.push_back(path);
        return succeed_;
    }

    // Whether the requests report success (the default) or that nothing could be started.
    void SetSucceed(bool succeed) { succeed_ = succeed; }
    const std::vector<StartedProgram>& Started() const { return started_; }
    const std::vector<std::string>& OpenedTextFiles() const { return opened_; }

private:
    bool succeed_ = true;
    std::vector<StartedProgram> started_;
    std::vector<std::string> opened_;
};
