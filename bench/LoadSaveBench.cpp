// Loading and saving generated decks of about 1,000, 10,000 and 200,000 elements. A load includes
// the completion that every load ends with: for the fresh export the whole derived plan geometry.
// The cost of a load and of a save should grow in proportion to the deck: compare the time per
// element of the sizes. BM_LoadGrowth measures the two larger sizes in one run, side by side: the
// time per element of the 200,000-element load, and of its completion alone, should stay within
// 1.15 times that of the 10,000-element one ("growth" at most 1.15, "within_bound" 1). A fresh
// load of 5,000 walls or beams meeting at one node should take well under a second.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <unistd.h>
#include <vector>

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

// Bays per side: 16 × 16 gives 1,121 elements, 50 × 50 gives 10,301, 223 × 223 gives 200,255.
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

double SecondsOf(const std::function<void()>& step) {
    const auto start = std::chrono::steady_clock::now();
    step();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Seconds per element of a load, with its completion, and of the completion alone.
struct PerElement {
    double Load = 0, Complete = 0;
};

// One side of BM_LoadGrowth: a generated deck, and the deck as read for the completion alone.
struct GrowthSide {
    GeneratedDeck Generated;
    Deck Read;

    GrowthSide(benchmark::State& state, int bays)
        : Generated(WriteGeneratedDeck(Folder("growth-" + std::to_string(bays)), bays, bays)) {
        Read.Load(state, Generated.DataFile, false);
    }

    PerElement Measure(benchmark::State& state, int times) {
        double load = 0, complete = 0;
        for (int k = 0; k < times; ++k) {
            Deck deck;
            load += SecondsOf([&] { deck.Load(state, Generated.DataFile); });
            Model model = Read.model;
            complete += SecondsOf([&] { CompleteLoadedDeck(model, true, Read.shell.Options, Read.measured); });
        }
        const double elements = static_cast<double>(Generated.ElementCount) * times;
        return {load / elements, complete / elements};
    }
};

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n == 0 ? 0 : n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

constexpr double GrowthBound = 1.15;

// The 10,000- and 200,000-element decks taken in turn: in each iteration the large deck once, with
// as many elements of the small one before and after it, so that the load of the machine weighs
// alike on both. The medians over the iterations of the time per element of each, in microseconds,
// and of the ratio of the large deck's to the small one's.
void BM_LoadGrowth(benchmark::State& state) {
    GrowthSide small(state, 50), large(state, 223);
    const int smallPerLarge = large.Generated.ElementCount / small.Generated.ElementCount;
    std::vector<double> load10k, load200k, loadGrowth, complete10k, complete200k, completeGrowth;
    for (auto _ : state) {
        const PerElement before = small.Measure(state, smallPerLarge / 2);
        const PerElement big = large.Measure(state, 1);
        const PerElement after = small.Measure(state, smallPerLarge / 2);
        const PerElement little{(before.Load + after.Load) / 2, (before.Complete + after.Complete) / 2};
        load10k.push_back(little.Load * 1e6);
        load200k.push_back(big.Load * 1e6);
        loadGrowth.push_back(big.Load / little.Load);
        complete10k.push_back(little.Complete * 1e6);
        complete200k.push_back(big.Complete * 1e6);
        completeGrowth.push_back(big.Complete / little.Complete);
    }
    state.counters["load_10k_us"] = Median(load10k);
    state.counters["load_200k_us"] = Median(load200k);
    state.counters["load_growth"] = Median(loadGrowth);
    state.counters["complete_10k_us"] = Median(complete10k);
    state.counters["complete_200k_us"] = Median(complete200k);
    state.counters["complete_growth"] = Median(completeGrowth);
    state.counters["within_bound"] = Median(loadGrowth) <= GrowthBound && Median(completeGrowth) <= GrowthBound;
    std::filesystem::remove_all(Folder("growth-50"));
    std::filesystem::remove_all(Folder("growth-223"));
}

}  // namespace

BENCHMARK(BM_LoadCrowdedNode)->ArgNames({"members", "beams"})->Args({5000, 0})->Args({5000, 1})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadFreshExport)->Arg(16)->Arg(50)->Arg(223)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CompleteFreshExport)->Arg(16)->Arg(50)->Arg(223)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveDeck)->Arg(16)->Arg(50)->Arg(223)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadSavedDeck)->Arg(16)->Arg(50)->Arg(223)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadGrowth)->Iterations(7)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
