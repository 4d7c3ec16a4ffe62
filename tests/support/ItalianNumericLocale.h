#pragma once
// Switches LC_NUMERIC to Italian (decimal comma) for the life of the object, so tests can show
// that file texts do not depend on the process locale.
#include <clocale>
#include <cstdio>
#include <string>

class ItalianNumericLocale {
public:
    ItalianNumericLocale() {
        previous_ = std::setlocale(LC_NUMERIC, nullptr);
        for (const char* name : {"it_IT.UTF-8", "it_IT.utf8", "it_IT"})
            if (std::setlocale(LC_NUMERIC, name)) {
                active_ = true;
                break;
            }
    }
    ~ItalianNumericLocale() { std::setlocale(LC_NUMERIC, previous_.c_str()); }
    ItalianNumericLocale(const ItalianNumericLocale&) = delete;
    ItalianNumericLocale& operator=(const ItalianNumericLocale&) = delete;
    bool Active() const { return active_; }
    // Whether printf now really writes "1,5": the proof that a test runs under a decimal comma.
    bool WritesDecimalComma() const {
        char probe[16];
        std::snprintf(probe, sizeof probe, "%.1f", 1.5);
        return std::string(probe) == "1,5";
    }

private:
    std::string previous_;
    bool active_ = false;
};
