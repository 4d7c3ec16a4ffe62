// Deck texts holding bytes that code page 1252, the one the files declare, has no printable
// character for: each such byte of a text value is written as "?" and nothing else in the file moves.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "drawing/LayerDefaults.h"
#include "dxf/export/DxfExport.h"
#include "model/files/WholeFiles.h"
#include "tests/dxf/file/DxfFileRecords.h"
#include "tests/support/DeckSession.h"

namespace fs = std::filesystem;

namespace {

// The undefined bytes, control characters and a tab, between letters.
const std::string RawWallName = "Par\x81\x8D\x8F\x90\x9D" "e\x01\x1F\x7F\tte 1";
const std::string MendedWallName = "Par?????e????te 1";
const std::string RawBeamName = "Archi\x9D\x02trave";
const std::string MendedBeamName = "Archi??trave";

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    const size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos) text.replace(at, from.size(), to);
    return text;
}

// The masonry deck in its Isotex form, whose tables show the names of the walls and beams.
std::string IsotexDeck(const std::string& wallName, const std::string& beamName) {
    std::string text = FileText(DeckFixture("masonry/MURATURA.CRP"));
    text = Replaced(text, "Dati_Pareti_MA", "Dati_Pareti_Isotex");
    text = Replaced(text, "Dati_Travi_MA", "Dati_Travi_Isotex");
    text = Replaced(text, "Parete 1", wallName);
    return Replaced(text, "Architrave 1", beamName);
}

// The deck written to `folder` beside the masonry archive, under the fixture's own name.
std::string WriteDeck(const ScratchFolder& scratch, const std::string& folder, const std::string& text) {
    fs::create_directory(scratch / folder);
    fs::copy_file(DeckFixture("masonry/ARCHIMPA.AI0"), scratch / (folder + "/ARCHIMPA.AI0"));
    const std::string path = scratch / (folder + "/MURATURA.CRP");
    EXPECT_TRUE(WriteWholeFile(path, text));
    return path;
}

std::string Exported(const std::string& deck, int32_t r12, const std::string& path) {
    DeckSession s;
    SetDefaultLayersAndOptions(s.drawing, s.shell.Options, s.design, s.dxf);
    DxfOptions options = s.dxf;
    options.DxfR12 = r12;
    const DxfExportResult result = NewSalvaDXF(s, s.platform, {deck}, path, options);
    EXPECT_EQ(result.Outcome, DxfExportOutcome::Written) << result.Message;
    EXPECT_EQ(result.DecksDrawn, 1);
    return ReadBytes(path);
}

}  // namespace

TEST(DxfTextBytes, ByteNoReaderDecodesIsWrittenAsAQuestionMarkInBothDialects) {
    ScratchFolder scratch("dxf-text-bytes");
    const std::string raw = WriteDeck(scratch, "raw", IsotexDeck(RawWallName, RawBeamName));
    const std::string mended = WriteDeck(scratch, "mended", IsotexDeck(MendedWallName, MendedBeamName));
    for (int32_t r12 : {0, 1}) {
        SCOPED_TRACE(r12 ? "R12" : "2000");
        const std::string name = r12 ? "text-bytes-r12" : "text-bytes-2000";
        fs::create_directories(DRAVO_DXF_OUT);
        const std::string file = Exported(raw, r12, (fs::path(DRAVO_DXF_OUT) / (name + ".dxf")).string());
        std::vector<std::string> texts;
        for (const DxfRecord& r : RecordsOfKind(SectionRecords(file, "ENTITIES"), "TEXT")) texts.push_back(r.Value(1));
        EXPECT_NE(std::find(texts.begin(), texts.end(), MendedWallName), texts.end()) << "the wall's name is drawn";
        EXPECT_NE(std::find(texts.begin(), texts.end(), MendedBeamName), texts.end()) << "the beam's name is drawn";
        EXPECT_EQ(file, Exported(mended, r12, scratch / (name + ".dxf"))) << "nothing but those bytes differs";
    }
}
