#include "model/files/WholeFiles.h"
#include "bench/DeckGenerator.h"

#include <cmath>
#include <filesystem>
#include <numbers>
#include <vector>

#include "model/files/DataFileWriter.h"

namespace {

constexpr float BaySize = 500;
// Coordinates of the analysis program, not yet shifted to 0.
constexpr float OriginX = 1250, OriginY = -730;

int NodeNumber(int baysX, int i, int j) { return 1 + j * (baysX + 1) + i; }

bool IsConcreteBay(int i, int j) { return (i + j) % 5 == 0; }

struct BeamRecord {
    int beam, nodeI, nodeJ;
};

void WriteDesignBlock(DataFileWriter& w) {
    w.Line("0  //n_nodi_aree");
    w.Int(0).Text("//flag 0=no  1=fondazione").EndLine();
    w.Int(30).Text("//Rck").EndLine();
    w.Int(2000).Text("//Sigma acciaio barre").EndLine();
    w.Real(3.0, 2).Text("//copriferro").EndLine();
    w.Real(20.0, 2).Text("//passo 1").EndLine();
    w.Int(12).Text("//diam 1").EndLine();
    w.Real(20.0, 2).Text("//passo 2").EndLine();
    w.Int(12).Text("//diam 2").EndLine();
    w.Int(0).Text("//DiaAgg1").EndLine();
    w.Int(0).Text("//DiaAgg2").EndLine();
    w.Real(0.0, 2).Text("//ango1").EndLine();
    w.Real(90.0, 2).Text("//ango12").EndLine();
}

}  // namespace

int GeneratedElementCount(int baysX, int baysY) {
    const int beams = baysX * (baysY + 1) + baysY * (baysX + 1);
    const int pillars = (baysX + 1) * (baysY + 1);
    const int walls = 2 * baysY;
    return beams + pillars + walls + baysX * baysY;
}

std::string GeneratedArchiveText() {
    DataFileWriter w;
    w.Line("VERSIONE 5").Line("SEZIONI").Int(3).EndLine();
    w.Line("0 1 30 50 0 0 0 0").Line("0 1 40 40 0 0 0 0").Line("0 1 20 24 0 0 0 0");
    w.Line("TIPI SOLAIO").Int(1).EndLine().Line("1 Laterocemento 20+4");
    w.Line("PLINTI").Line("1 /numero plinti").Line("1 0 /indice, eccentrico").Line("0 /forma");
    w.Line("150 150 /B, L").Line("60 60 /b, l").Line("50 30 /H, h").Line("0 0 /ex, ey").Line("0 0 /riservati").Line("0");
    w.Line("TABELLA_A").Line("0").Line("TABELLA_B").Line("0");
    return w.TakeOutput();
}

std::string GeneratedDeckText(int baysX, int baysY) {
    DataFileWriter w;
    w.Line("VERSIONE 9");
    w.Int(0).Real(300.0, 2).Real(600.0, 2).EndLine();

    w.Line("NODI").Int((baysX + 1) * (baysY + 1)).EndLine();
    for (int j = 0; j <= baysY; ++j)
        for (int i = 0; i <= baysX; ++i)
            w.Int(NodeNumber(baysX, i, j)).Real(OriginX + i * BaySize, 2).Real(OriginY + j * BaySize, 2).Int(1).EndLine();

    // One beam per grid line; the analysis program lists the elements bay by bay, so the elements
    // of a beam come interleaved with those of the others and backwards.
    std::vector<BeamRecord> beams;
    for (int i = baysX - 1; i >= 0; --i)
        for (int j = 0; j <= baysY; ++j) beams.push_back({1 + j, NodeNumber(baysX, i, j), NodeNumber(baysX, i + 1, j)});
    for (int j = baysY - 1; j >= 0; --j)
        for (int i = 0; i <= baysX; ++i)
            beams.push_back({baysY + 2 + i, NodeNumber(baysX, i, j), NodeNumber(baysX, i, j + 1)});
    w.Line("ELEMENTI_D2").Int(static_cast<int64_t>(beams.size())).EndLine();
    for (const BeamRecord& b : beams) w.Int(1).Int(b.beam).Int(b.nodeI).Int(b.nodeJ).Int(0).Real(0.0, 2).EndLine();

    w.Line("GRUPPO_D3_SEZIONE").Int(0).Int(2 * baysY).EndLine();
    for (int side = 0; side < 2; ++side) {
        const int i = side == 0 ? 0 : baysX;
        for (int j = 0; j < baysY; ++j) {
            w.Raw(std::to_string(side + 1)).Int(NodeNumber(baysX, i, j)).Int(NodeNumber(baysX, i, j + 1)).Int(1).Int(0).EndLine();
            w.Real(30.0, 2).EndLine();
        }
    }

    int concrete = 0, floor = 0;
    for (int j = 0; j < baysY; ++j)
        for (int i = 0; i < baysX; ++i) (IsConcreteBay(i, j) ? concrete : floor) += 1;
    auto bayCorners = [&](int i, int j) {
        return std::vector<int>{NodeNumber(baysX, i, j), NodeNumber(baysX, i + 1, j), NodeNumber(baysX, i + 1, j + 1),
                                NodeNumber(baysX, i, j + 1)};
    };

    w.Line("GRUPPO_D3_PIANTA").Int(concrete).Int(4).EndLine();
    int slabId = 0;
    for (int j = 0; j < baysY; ++j)
        for (int i = 0; i < baysX; ++i) {
            if (!IsConcreteBay(i, j)) continue;
            w.Int(++slabId).Int(0).Int(4).EndLine();
            w.Real(20.0, 2).EndLine();
            for (int node : bayCorners(i, j)) w.Int(node).EndLine();
            WriteDesignBlock(w);
        }

    w.Line("PILASTRI").Int((baysX + 1) * (baysY + 1)).EndLine();
    for (int j = 0; j <= baysY; ++j)
        for (int i = 0; i <= baysX; ++i)
            w.Int(2).Int(NodeNumber(baysX, i, j)).Int(NodeNumber(baysX, i, j)).Int(1).Int(0).Real(0.0, 2).EndLine();

    w.Line("SOLAI").Int(floor).Int(4).EndLine();
    int slabNumber = 0;
    for (int j = 0; j < baysY; ++j)
        for (int i = 0; i < baysX; ++i) {
            if (IsConcreteBay(i, j)) continue;
            w.Int(++slabNumber).EndLine();
            w.Int(4).Int(0).Real(90.0, 5).Int(0).Int(0).EndLine();
            for (int node : bayCorners(i, j)) w.Int(node).EndLine();
            w.Int(3).Int(1).Real(24.0, 2).EndLine();
            w.Real(50.0, 2).Real(50.0, 2).EndLine();
            const float x = OriginX + (i + 0.5f) * BaySize, y0 = OriginY + j * BaySize;
            w.Int(3).EndLine();
            w.Real(x, 2).Real(y0 + BaySize, 2).EndLine();
            w.Real(x, 2).Real(y0, 2).EndLine();
            w.Int(12).EndLine().Int(10).EndLine().Real(0.0, 2).EndLine().Real(0.0, 2).EndLine();
            for (int k = 0; k < 3; ++k) w.Real(k * BaySize / 2, 2).Real(1.5 + k, 2).Real(2.5 - k, 2).EndLine();
        }

    w.Int(0).Int(0).Int(0).Int(0).Int(0).Int(0).Int(0).Int(0).EndLine();
    w.Int(0).EndLine().Int(0).EndLine();
    return w.TakeOutput();
}

std::string GeneratedStarDeckText(int count, StarMembers members) {
    constexpr double Radius = 1000;
    DataFileWriter w;
    w.Line("VERSIONE 9");
    w.Int(0).Real(300.0, 2).Real(600.0, 2).EndLine();
    // Node 1 at the centre, nodes 2 .. count + 1 around it.
    w.Line("NODI").Int(count + 1).EndLine();
    w.Int(1).Real(OriginX, 2).Real(OriginY, 2).Int(-1).EndLine();
    for (int k = 0; k < count; ++k) {
        const double angle = 2 * std::numbers::pi * k / count;
        w.Int(k + 2).Real(OriginX + Radius * std::cos(angle), 2).Real(OriginY + Radius * std::sin(angle), 2).Int(-1).EndLine();
    }
    const int beams = members == StarMembers::Beams ? count : 0;
    const int walls = members == StarMembers::Walls ? count : 0;
    w.Line("ELEMENTI_D2").Int(beams).EndLine();
    for (int k = 0; k < beams; ++k) w.Int(1).Int(k + 1).Int(1).Int(k + 2).Int(0).Real(0.0, 2).EndLine();
    w.Line("GRUPPO_D3_SEZIONE").Int(0).Int(walls).EndLine();
    for (int k = 0; k < walls; ++k) {
        w.Raw(std::to_string(k + 1)).Int(1).Int(k + 2).Int(1).Int(0).EndLine();
        w.Real(30.0, 2).EndLine();
    }
    w.Line("GRUPPO_D3_PIANTA").Int(0).Int(0).EndLine();
    w.Line("PILASTRI").Int(0).EndLine();
    w.Line("SOLAI").Int(0).Int(0).EndLine();
    w.Int(0).Int(0).Int(0).Int(0).Int(0).Int(0).Int(0).Int(0).EndLine();
    w.Int(0).EndLine().Int(0).EndLine();
    return w.TakeOutput();
}

namespace {

GeneratedDeck WriteDeckFiles(const std::string& folder, const std::string& dataText, int elementCount) {
    std::filesystem::create_directories(folder);
    GeneratedDeck deck;
    deck.DataFile = (std::filesystem::path(folder) / "DECK.CRP").string();
    deck.ElementCount = elementCount;
    WriteWholeFile((std::filesystem::path(folder) / "ARCHIMPA.AI0").string(), GeneratedArchiveText());
    WriteWholeFile(deck.DataFile, dataText);
    return deck;
}

}  // namespace

GeneratedDeck WriteGeneratedDeck(const std::string& folder, int baysX, int baysY) {
    return WriteDeckFiles(folder, GeneratedDeckText(baysX, baysY), GeneratedElementCount(baysX, baysY));
}

GeneratedDeck WriteGeneratedStarDeck(const std::string& folder, int count, StarMembers members) {
    return WriteDeckFiles(folder, GeneratedStarDeckText(count, members), count);
}
