// The design of the whole deck on generated decks whose floor slabs span along y in columns of
// bays, each column cut into rows by the concrete slabs of every fifth bay: one section a row.
// 15 × 30 bays (1,951 elements) is the largest generated deck whose design fits the section tables:
// 99 sections, no line crossing more than 24 slabs. 4 × 9 bays (189 elements) is a tenth of it.
// Every placement crosses its line with every slab of the deck, so the time grows with the square
// of the deck: compare the two sizes. Both the sections alone and the whole command, which ends
// with a redraw on the recording canvas, are timed.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "bench/DeckGenerator.h"
#include "design/DesignCommands.h"
#include "drawing/LayerDefaults.h"
#include "shell/HeadlessDeck.h"

namespace {

struct DesignedDeck : HeadlessDeck {
    GeneratedDeck generated;
    std::string folder;
    Model loaded;

    explicit DesignedDeck(benchmark::State& state)
        : folder((std::filesystem::temp_directory_path() /
                  ("dravo-designbench-" + std::to_string(::getpid()) + "-" + std::to_string(state.range(0)) + "x" +
                   std::to_string(state.range(1))))
                     .string()) {
        generated = WriteGeneratedDeck(folder, static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
        SetDefaultScreenColors(drawing);
        SetDefaultLayersAndOptions(drawing, shell.Options, design, dxf);
        if (!Load(generated.DataFile)) state.SkipWithError("the generated deck did not load");
        loaded = model;
    }
    ~DesignedDeck() { std::filesystem::remove_all(folder); }

    // The deck as loaded, its section tables empty as the design-all command leaves them.
    void Reset() { model = loaded; }

    void Report(benchmark::State& state) {
        state.counters["elements"] = generated.ElementCount;
        state.counters["sections"] = model.Reinforcement.ReinforcementSectionCount;
        if (!messages.Shown().empty()) state.SkipWithError(messages.Shown().front().Text.c_str());
    }
};

void BM_LayAllFloorSlabSections(benchmark::State& state) {
    DesignedDeck deck(state);
    for (auto _ : state) {
        state.PauseTiming();
        deck.Reset();
        state.ResumeTiming();
        if (LayAllFloorSlabSections(deck, deck.messages).Any()) state.SkipWithError("a table limit was met");
    }
    deck.Report(state);
}

void BM_DesignAllFloorSlabs(benchmark::State& state) {
    DesignedDeck deck(state);
    for (auto _ : state) {
        state.PauseTiming();
        deck.Reset();
        deck.canvas.ClearRecords();
        state.ResumeTiming();
        DesignAllFloorSlabs(deck, deck.platform);
    }
    deck.Report(state);
}

}  // namespace

BENCHMARK(BM_LayAllFloorSlabSections)
    ->ArgNames({"baysX", "baysY"})
    ->Args({4, 9})
    ->Args({15, 30})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DesignAllFloorSlabs)
    ->ArgNames({"baysX", "baysY"})
    ->Args({4, 9})
    ->Args({15, 30})
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
