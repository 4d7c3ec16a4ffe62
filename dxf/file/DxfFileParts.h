#pragma once
// A DXF file as the parts it is written from, in order: the texts its sections write and, between
// them, the spools of the drawing pass, referred to rather than copied (they run to tens of
// megabytes). The parts refer to the spools, which must outlive them.
#include <string>
#include <string_view>
#include <vector>

class DxfFileParts {
public:
    // The text being written: the sections append their lines here.
    std::string& Text();
    // The spool follows what was written so far; a spool whose last line is not ended gets its
    // CR LF, so that what follows starts a line of its own.
    void Spool(const std::string& spool);
    // A text that goes in front of every part (the head of a DXF 2000 file, written last).
    void Prepend(std::string text);

    std::vector<std::string_view> Views() const;
    std::string Joined() const;

private:
    struct Part {
        std::string Text;
        const std::string* Spool = nullptr;
    };
    std::vector<Part> parts_;
};
