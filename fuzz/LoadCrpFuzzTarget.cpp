// Fuzz target of the deck loader: any bytes as a data file, beside a valid section archive, loaded
// and completed as every load is. A deck that loads must also save, what it saved must load
// again, and saving that again must give the same bytes; anything else is a fault worth stopping
// for.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "model/files/WholeFiles.h"
#include "model/files/DataFileWriter.h"
#include "shell/HeadlessDeck.h"

namespace {

constexpr const char* ArchiveText =
    "VERSIONE 5\r\nSEZIONI\r\n4\r\n0 1 30 50 0 0 0 0\r\n0 1 40 40 0 0 0 0\r\n0 16 20 0 0 0 0 0\r\n1 1 300\r\n"
    "TIPI SOLAIO\r\n2\r\n1 Laterocemento 20+4\r\n0 Soletta piena\r\nPLINTI\r\n1\r\n/Plinto 1\r\n"
    "1 0 /indice, eccentrico\r\n0 /forma\r\n150 150 /B, L\r\n60 60 /b, l\r\n50 30 /H, h\r\n0 0 /ex, ey\r\n"
    "0 0 /riservati\r\n0\r\nTABELLA_A\r\n0\r\nTABELLA_B\r\n0\r\n";

// A folder of its own holding the archive, made once per process and removed at its end.
class ArchiveFolder {
public:
    ArchiveFolder() {
        char pattern[] = "/tmp/dravo-fuzz-XXXXXX";
        if (!::mkdtemp(pattern)) std::abort();
        folder_ = pattern;
        if (!WriteWholeFile(folder_ + "/ARCHIMPA.AI0", ArchiveText)) std::abort();
    }
    ~ArchiveFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    std::string DataFile() const { return folder_ + "/FUZZ.CRP"; }

private:
    std::string folder_;
};


}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const ArchiveFolder folder;
    HeadlessDeck deck;
    if (!deck.LoadText(folder.DataFile(), std::string(reinterpret_cast<const char*>(data), size))) return 0;
    const std::string saved = deck.SavedText();

    HeadlessDeck again;
    if (!again.LoadText(folder.DataFile(), saved)) {
        std::fprintf(stderr, "a saved deck did not load again:\n%s\n", again.messages.Shown().back().Text.c_str());
        std::abort();
    }
    if (again.SavedText() != saved) {
        std::fprintf(stderr, "a saved deck saved again differs from what it was loaded from\n");
        std::abort();
    }
    return 0;
}
