// Loading and saving generated decks of about 1,000 and 10,000 elements. A load includes the
// completion that every load ends with: for the fresh export the whole derived plan geometry. The
// cost of a load and of a save should grow in proportion to the deck: compare the time per element
// of the two sizes. A fresh load of 5,000 walls or beams meeting at one node should take well under
// a second.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <unistd.h>

#include "bench/DeckGenerator.h"
#include "model/files/SaveCrpFile.h"
#include "plangeom/CompleteDeck.h"
#include "shell/HeadlessDeck.h"

namespace {

struct Deck : HeadlessDeck {
    void Load(benchmark::State& state, const std::string& path, bool complete = true) {
        const bool loaded = complete ? HeadlessDeck::Load(path) : HeadlessDeck::Load(path, DeckCompletion{});
        if (!loaded) state.SkipWithError("the generated deck did not load");
    }
};

// Bays per side: 16 × 16 gives 1,121 elements, 50 × 50 gives 10,301.
int Bays(const benchmark::State& state) { return static_cast<int>(state.range(0)); }

std::string Folder(const std::string& tag) {
    return (std::filesystem::temp_directory_path() / ("dravo-bench-" + std::to_string(::getpid()) + "-" + tag)).string();
}
std::string Folder(int bays) { return Folder(std::to_string(bays)); }

// The deck's size and the time per element, to compare the two sizes.
void ReportPerElement(benchmark::State& state, const GeneratedDeck& generated) {
    state.counters["elements"] = generated.ElementCount;
    state.counters["per_element"] = benchmark::Counter(static_cast<double>(generated.ElementCount),
                                                       benchmark::Counter::kIsIterationInvariantRate |
                                                           benchmark::Counter::kInvert);
}

void BM_LoadFreshExport(benchmark::State& state) {
    const GeneratedDeck generated = WriteGeneratedDeck(Folder(Bays(state)), Bays(state), Bays(state));
    for (auto _ : state) {
        Deck deck;
        deck.Load(state, generated.DataFile);
        benchmark::DoNotOptimize(deck.model.BeamElements.data());
    }
    ReportPerElement(state, generated);
    std::filesystem::remove_all(Folder(Bays(state)));
}

// The completion alone: the derived plan geometry of the fresh export, on a copy of the deck as read.
void BM_CompleteFreshExport(benchmark::State& state) {
    const GeneratedDeck generated = WriteGeneratedDeck(Folder(Bays(state)), Bays(state), Bays(state));
    Deck read;
    read.Load(state, generated.DataFile, false);
    for (auto _ : state) {
        state.PauseTiming();
        Model model = read.model;
        state.ResumeTiming();
        CompleteLoadedDeck(model, true, read.shell.Options, read.measured);
        benchmark::DoNotOptimize(model.PlanNodes.data());
    }
    ReportPerElement(state, generated);
    std::filesystem::remove_all(Folder(Bays(state)));
}

void BM_SaveDeck(benchmark::State& state) {
    const GeneratedDeck generated = WriteGeneratedDeck(Folder(Bays(state)), Bays(state), Bays(state));
    Deck deck;
    deck.Load(state, generated.DataFile);
    const std::string saved = Folder(Bays(state)) + "/SAVED.CRP";
    for (auto _ : state)
        if (!SaveCrpFile(saved, deck, deck.platform)) state.SkipWithError("the deck was not saved");
    ReportPerElement(state, generated);
    std::filesystem::remove_all(Folder(Bays(state)));
}

void BM_LoadSavedDeck(benchmark::State& state) {
    const GeneratedDeck generated = WriteGeneratedDeck(Folder(Bays(state)), Bays(state), Bays(state));
    const std::string saved = Folder(Bays(state)) + "/SAVED.CRP";
    {
        Deck deck;
        deck.Load(state, generated.DataFile);
        SaveCrpFile(saved, deck, deck.platform);
    }
    for (auto _ : state) {
        Deck deck;
        deck.Load(state, saved);
        benchmark::DoNotOptimize(deck.model.BeamElements.data());
    }
    ReportPerElement(state, generated);
    std::filesystem::remove_all(Folder(Bays(state)));
}

// Members at one node: range(0) of them, walls when range(1) is 0, beams otherwise.
void BM_LoadCrowdedNode(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    const StarMembers members = state.range(1) == 0 ? StarMembers::Walls : StarMembers::Beams;
    const std::string folder = Folder("star-" + std::to_string(count) + "-" + std::to_string(state.range(1)));
    const GeneratedDeck generated = WriteGeneratedStarDeck(folder, count, members);
    for (auto _ : state) {
        Deck deck;
        deck.Load(state, generated.DataFile);
        benchmark::DoNotOptimize(deck.model.PlanNodes.data());
    }
    ReportPerElement(state, generated);
    std::filesystem::remove_all(folder);
}

}  // namespace

BENCHMARK(BM_LoadCrowdedNode)->ArgNames({"members", "beams"})->Args({5000, 0})->Args({5000, 1})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadFreshExport)->Arg(16)->Arg(50)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CompleteFreshExport)->Arg(16)->Arg(50)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveDeck)->Arg(16)->Arg(50)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadSavedDeck)->Arg(16)->Arg(50)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
