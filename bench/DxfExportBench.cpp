// Exporting generated decks of about 1,000, 10,000 and 200,000 elements into a DXF file, in both
// dialects (the second argument: 0 DXF 2000, 1 R12):
// - the whole export as the export dialog runs it: load with the completion, drawing pass into the
//   spools, the file put together and written whole;
// - the file put together from the spools and written (what a general-purpose DXF library would
//   do with the same entities), beside one buffered write of the same bytes.
// Each reports its entities per second and bytes per second. Targets: the 10,000-element export at
// least 50 times faster per entity than ezdxf writing a LINE/TEXT mix of the same count
// (bench/ezdxf_line_text.py); the file put together and written within 5 times one buffered write
// of its bytes; the whole export at most 12 times slower for 10,000 elements than for 1,000.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <unistd.h>

#include "bench/DeckGenerator.h"
#include "drawing/LayerDefaults.h"
#include "dxf/export/DxfExport.h"
#include "dxf/file/DxfFile.h"
#include "dxf/output/DxfPlanPass.h"
#include "model/files/WholeFiles.h"
#include "shell/HeadlessDeck.h"

namespace {

// Bays per side: 16 × 16 gives 1,121 elements, 50 × 50 gives 10,301, 223 × 223 gives 200,255.
int Bays(const benchmark::State& state) { return static_cast<int>(state.range(0)); }
int32_t R12(const benchmark::State& state) { return static_cast<int32_t>(state.range(1)); }

// Entity records of a file or spool: each starts with the code line "  0" of its kind.
int64_t EntityCount(const std::string& entities) {
    int64_t count = 0;
    for (size_t at = 0; (at = entities.find("  0\r\n", at)) != std::string::npos; at += 5)
        if (at == 0 || entities[at - 1] == '\n') ++count;
    return count;
}

void ReportRates(benchmark::State& state, int64_t entities, size_t bytes) {
    state.counters["entities"] = static_cast<double>(entities);
    state.counters["entities_per_s"] =
        benchmark::Counter(static_cast<double>(entities), benchmark::Counter::kIsIterationInvariantRate);
    state.counters["MB"] = static_cast<double>(bytes) / 1e6;
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(bytes));
}

// A generated deck in a folder of its own, with a session at the defaults of a first start.
struct ExportedDeck : HeadlessDeck {
    std::string folder;
    GeneratedDeck generated;
    DxfOptions options;

    explicit ExportedDeck(benchmark::State& state)
        : folder((std::filesystem::temp_directory_path() /
                  ("dravo-dxfbench-" + std::to_string(::getpid()) + "-" + std::to_string(Bays(state))))
                     .string()) {
        generated = WriteGeneratedDeck(folder, Bays(state), Bays(state));
        SetDefaultLayersAndOptions(drawing, shell.Options, design, dxf);
        options = dxf;
        options.DxfR12 = R12(state);
        state.counters["elements"] = generated.ElementCount;
    }
    ~ExportedDeck() { std::filesystem::remove_all(folder); }
    std::string Out() const { return folder + "/PIANTA.DXF"; }

    // The spools of one drawing pass, for the steps after it.
    DxfWriterState Drawn(benchmark::State& state) {
        DxfWriterState writer;
        InitDxfHandles(writer);
        dxf = options;
        if (!Load(generated.DataFile)) state.SkipWithError("the generated deck did not load");
        DrawPlanIntoDxf(*this, writer);
        return writer;
    }
};

void BM_ExportDxf(benchmark::State& state) {
    ExportedDeck deck(state);
    for (auto _ : state) {
        const DxfExportResult result =
            NewSalvaDXF(deck, deck.platform, {deck.generated.DataFile}, deck.Out(), deck.options);
        if (result.Outcome != DxfExportOutcome::Written) state.SkipWithError(result.Message.c_str());
    }
    std::string file;
    ReadWholeFile(deck.Out(), file);
    const size_t entities = file.find("ENTITIES\r\n") + 10;
    const size_t end = file.find("  0\r\nENDSEC", entities);
    ReportRates(state, EntityCount(file.substr(entities, end - entities)), file.size());
}

void BM_WriteFileFromSpools(benchmark::State& state) {
    ExportedDeck deck(state);
    const DxfWriterState drawn = deck.Drawn(state);
    size_t bytes = 0;
    for (auto _ : state) {
        state.PauseTiming();
        DxfWriterState writer = drawn;
        state.ResumeTiming();
        const DxfFileParts file = DxfFileFor(writer, deck.drawing, deck.dxf);
        std::error_code error;
        if (!ReplaceWholeFile(deck.Out(), file.Views(), error)) state.SkipWithError(error.message().c_str());
        bytes = 0;
        for (std::string_view part : file.Views()) bytes += part.size();
    }
    ReportRates(state, EntityCount(drawn.EntitySpool), bytes);
}

// The same bytes in one write through the C library's buffer, with no check that they reached
// the disk: the floor under any way of writing the file.
void BM_BufferedWriteOfTheSameBytes(benchmark::State& state) {
    ExportedDeck deck(state);
    DxfWriterState writer = deck.Drawn(state);
    const int64_t entities = EntityCount(writer.EntitySpool);
    const std::string file = DxfFileText(writer, deck.drawing, deck.dxf);
    for (auto _ : state)
        if (!WriteWholeFile(deck.Out(), file)) state.SkipWithError("the file was not written");
    ReportRates(state, entities, file.size());
}

}  // namespace

// Wall-clock time: the writes wait for the disk.
BENCHMARK(BM_ExportDxf)
    ->ArgNames({"bays", "r12"})
    ->ArgsProduct({{16, 50, 223}, {0, 1}})
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteFileFromSpools)
    ->ArgNames({"bays", "r12"})
    ->ArgsProduct({{16, 50, 223}, {0, 1}})
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BufferedWriteOfTheSameBytes)
    ->ArgNames({"bays", "r12"})
    ->ArgsProduct({{16, 50, 223}, {0, 1}})
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
