// crp2dxf with a settings file whose layer names no DXF file holds as they are: characters a layer
// name cannot hold are mended, a name longer than 255 characters ends the run before any file.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "model/files/WholeFiles.h"
#include "tests/dxf/file/DxfFileRecords.h"
#include "tests/support/DeckSession.h"

namespace fs = std::filesystem;

namespace {

struct Outcome {
    int ExitCode = -1;
    std::string Errors;
};

std::string Quoted(const std::string& text) { return "'" + text + "'"; }

Outcome RunCrp2dxf(const ScratchFolder& scratch, const std::string& arguments) {
    const std::string errors = scratch / "stderr.txt";
    const std::string command = Quoted(DRAVO_CRP2DXF) + " " + arguments + " >/dev/null 2>" + Quoted(errors);
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, FileText(errors)};
}

// The settings fixture with the layer row named "QUOTE" renamed.
std::string SettingsWithDimensionLayer(const ScratchFolder& scratch, const std::string& name) {
    std::string text = FileText(std::string(DRAVO_FIXTURES) + "/settings/Dravo_Imp.ini");
    const std::string row = "\r\nQUOTE\r\n";
    const size_t at = text.find(row);
    EXPECT_NE(at, std::string::npos);
    if (at != std::string::npos) text.replace(at, row.size(), "\r\n" + name + "\r\n");
    const std::string path = scratch / "Dravo_Imp.ini";
    EXPECT_TRUE(WriteWholeFile(path, text));
    return path;
}

std::vector<std::string> LayerRecordNames(const std::string& file) {
    std::vector<std::string> names;
    for (const DxfRecord& r : RecordsOfKind(SectionRecords(file, "TABLES"), "LAYER")) names.push_back(r.Value(2));
    return names;
}

const std::string Deck = DeckFixture("masonry/MURATURA.CRP");

}  // namespace

TEST(Crp2dxfSettings, ALayerNameIsWrittenWithUnderscoresForTheBytesNoReaderDecodes) {
    ScratchFolder scratch("crp2dxf-layer-bytes");
    const std::string settings = SettingsWithDimensionLayer(scratch, "QUOTE\x81\x8D\x8F\x90\x9D\x01\x1F\x7F");
    for (const char* dialect : {"", "--r12"}) {
        const std::string name = std::string("crp2dxf-layer-bytes") + (*dialect ? "-r12" : "-2000") + ".dxf";
        fs::create_directories(DRAVO_DXF_OUT);
        const std::string out = (fs::path(DRAVO_DXF_OUT) / name).string();
        const Outcome run =
            RunCrp2dxf(scratch, std::string(dialect) + " --settings " + Quoted(settings) + " " + Quoted(out) + " " +
                                    Quoted(Deck));
        ASSERT_EQ(run.ExitCode, 0) << run.Errors;
        const std::vector<std::string> layers = LayerRecordNames(ReadBytes(out));
        EXPECT_NE(std::find(layers.begin(), layers.end(), "QUOTE________"), layers.end()) << name;
    }
}

TEST(Crp2dxfSettings, ALayerNameLongerThan255CharactersEndsTheRunBeforeAnyFile) {
    ScratchFolder scratch("crp2dxf-long-layer");
    const std::string longName = std::string(200, 'Q') + "\x81" + std::string(55, 'Q');
    const std::string settings = SettingsWithDimensionLayer(scratch, longName);
    const std::string out = scratch / "OUT.DXF";
    const Outcome run = RunCrp2dxf(scratch, "--settings " + Quoted(settings) + " " + Quoted(out) + " " + Quoted(Deck));
    EXPECT_NE(run.ExitCode, 0);
    EXPECT_NE(run.Errors.find(settings), std::string::npos) << run.Errors;
    EXPECT_NE(run.Errors.find("\"" + std::string(200, 'Q') + "\xC2\x81" + std::string(55, 'Q') + "\" (riga 10)"),
              std::string::npos)
        << run.Errors;
    EXPECT_NE(run.Errors.find("255"), std::string::npos) << run.Errors;
    EXPECT_FALSE(fs::exists(out));
    EXPECT_FALSE(fs::exists(scratch / "OUT.TXT"));
}
