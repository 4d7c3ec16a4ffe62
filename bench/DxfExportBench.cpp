// Exporting generated decks of about 1,000, 10,000 and 200,000 elements into a DXF file, in both
// dialects (the second argument: 0 DXF 2000, 1 R12):
// - the whole export as the export dialog runs it: load with the completion, drawing pass into the
//   spools and their scratch files, the file put together and written whole; its counter
//   "x_minimal" is its time over the minimal writer's below, timed on the file it wrote;
// - the minimal writer of the same group stream: the exported file's groups read once into typed
//   values (reals as 32-bit floats), then formatted with std::to_chars into one buffer and written
//   with one call, so that number formatting counts on both sides;
// - the file put together from spools kept in memory and written, beside one buffered write of the
//   same bytes.
// Each reports its entities per second and bytes per second. Targets: the 10,000-element export at
// most 3 times the minimal writer (x_minimal <= 3), and, as a whole process, at least 50 times
// faster than ezdxf writing the same entities; the whole export at most 12 times slower for 10,000
// elements than for 1,000.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

#include "bench/DeckGenerator.h"
#include "bench/DxfGroupStream.h"
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
int64_t EntityCount(std::string_view entities) {
    int64_t count = 0;
    for (size_t at = 0; (at = entities.find("  0\r\n", at)) != std::string_view::npos; at += 5)
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

// The entity records of a whole file's ENTITIES section.
int64_t FileEntityCount(const std::string& file) {
    const size_t entities = file.find("ENTITIES\r\n") + 10;
    const size_t end = file.find("  0\r\nENDSEC", entities);
    return EntityCount(std::string_view(file).substr(entities, end - entities));
}

// The exported file, read back.
std::string Exported(ExportedDeck& deck, benchmark::State& state) {
    const DxfExportResult result =
        NewSalvaDXF(deck, deck.platform, {deck.generated.DataFile}, deck.Out(), deck.options);
    if (result.Outcome != DxfExportOutcome::Written) state.SkipWithError(result.Message.c_str());
    std::string file;
    ReadWholeFile(deck.Out(), file);
    return file;
}

// The largest file the minimal writer is timed on.
constexpr size_t MinimalWriterMaxBytes = size_t{256} << 20;

// The minimal writer's median time over a few runs, in seconds.
double MinimalWriterSeconds(const DxfGroupStream& stream, const std::string& path) {
    std::string buffer;
    std::vector<double> times;
    for (int run = 0; run < 7; ++run) {
        const auto start = std::chrono::steady_clock::now();
        WriteDxfGroupStream(stream, buffer, path);
        times.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void BM_ExportDxf(benchmark::State& state) {
    ExportedDeck deck(state);
    double seconds = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const DxfExportResult result =
            NewSalvaDXF(deck, deck.platform, {deck.generated.DataFile}, deck.Out(), deck.options);
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (result.Outcome != DxfExportOutcome::Written) state.SkipWithError(result.Message.c_str());
    }
    std::string file;
    ReadWholeFile(deck.Out(), file);
    ReportRates(state, FileEntityCount(file), file.size());
    // The typed groups take several times the file's size: the largest deck goes without.
    if (file.size() > MinimalWriterMaxBytes) return;
    const double minimal = MinimalWriterSeconds(ReadDxfGroupStream(file), deck.folder + "/MINIMAL.DXF");
    state.counters["x_minimal"] = seconds / static_cast<double>(state.iterations()) / minimal;
}

void BM_MinimalWriterOfTheSameGroups(benchmark::State& state) {
    ExportedDeck deck(state);
    const std::string file = Exported(deck, state);
    const DxfGroupStream stream = ReadDxfGroupStream(file);
    const std::string path = deck.folder + "/MINIMAL.DXF";
    std::string buffer;
    size_t bytes = 0;
    for (auto _ : state)
        if ((bytes = WriteDxfGroupStream(stream, buffer, path)) == 0) state.SkipWithError("the file was not written");
    ReportRates(state, FileEntityCount(file), bytes);
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
        const WholeFileText whole[] = {
            {deck.Out(), {}, [&file](std::FILE* out, std::error_code& error) { return file.WriteTo(out, error); }}};
        std::error_code error;
        size_t failed = 0;
        if (!ReplaceWholeFiles(whole, error, failed)) state.SkipWithError(error.message().c_str());
        bytes = static_cast<size_t>(std::filesystem::file_size(deck.Out()));
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
BENCHMARK(BM_MinimalWriterOfTheSameGroups)
    ->ArgNames({"bays", "r12"})
    ->ArgsProduct({{16, 50}, {0, 1}})
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
