#pragma once
// A DXF file as the parts it is written from, in order: the texts its sections write and, between
// them, the spools of the drawing pass, referred to rather than copied (they run to tens of
// megabytes), each with the file it has drained into, if any. The parts refer to the spools and
// their files, which must outlive them.
#include <cstdio>
#include <string>
#include <system_error>
#include <vector>

#include "dxf/writers/DxfSpoolFile.h"

class DxfFileParts {
public:
    // The text being written: the sections append their lines here.
    std::string& Text();
    // The spool follows what was written so far: what its file holds, then its own text. A spool
    // whose last line is not ended gets its CR LF, so that what follows starts a line of its own.
    void Spool(const std::string& spool, const DxfSpoolFile* file = nullptr);
    // A text that goes in front of every part (the head of a DXF 2000 file, written last).
    void Prepend(std::string text);

    // Writes the parts one after the other into `file`. False, with the cause, when it failed.
    bool WriteTo(std::FILE* file, std::error_code& error) const;
    // The whole file as one text; throws std::system_error when a spool file cannot be read.
    std::string Joined() const;

private:
    struct Part {
        std::string Text;
        const std::string* Spool = nullptr;
        const DxfSpoolFile* File = nullptr;
    };
    std::vector<Part> parts_;
};
