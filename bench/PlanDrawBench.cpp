// Redrawing the plan of generated decks of about 1,000, 10,000 and 200,000 elements, the whole deck
// in view: onto the recording canvas (the cost of the drawing code alone) and onto the window's Qt
// canvas (what a user waits for after every zoom, pan or edit); and zoomed in by 24 steps of the
// zoom-in command, where most of the plan lies off the canvas and the texts of that scale appear.
// Targets: the 10,000-element deck redraws on the Qt canvas in under 50 ms, zoomed in in at most half
// the time of the whole view, and the time grows at most 12 times from 1,000 to 10,000 elements.
// The hatch sweep of every floor slab alone is timed too, as it made much of a redraw before the
// lines were kept from one redraw to the next.
#include <QApplication>

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>
#include <unistd.h>

#include "bench/DeckGenerator.h"
#include "drawing/Hatch.h"
#include "drawing/LayerDefaults.h"
#include "drawing/PlanDriver.h"
#include "drawing/PlanOutlines.h"
#include "platform/headless/RecordingCanvas.h"
#include "platform/qt/QtCanvas.h"
#include "shell/HeadlessDeck.h"
#include "shell/ViewNavigation.h"

namespace {

constexpr int CanvasWidth = 1600, CanvasHeight = 1000;

// Bays per side: 16 × 16 gives 1,121 elements, 50 × 50 gives 10,301, 223 × 223 gives 200,255.
int Bays(const benchmark::State& state) { return static_cast<int>(state.range(0)); }

// Steps of the window's zoom-in command from the whole deck.
constexpr int ZoomInSteps = 24;

struct DrawnDeck : HeadlessDeck {
    GeneratedDeck generated;
    std::string folder;

    explicit DrawnDeck(benchmark::State& state)
        : folder((std::filesystem::temp_directory_path() /
                  ("dravo-drawbench-" + std::to_string(::getpid()) + "-" + std::to_string(Bays(state))))
                     .string()) {
        generated = WriteGeneratedDeck(folder, Bays(state), Bays(state));
        SetDefaultScreenColors(drawing);
        SetDefaultLayersAndOptions(drawing, shell.Options, design, dxf);
        if (!Load(generated.DataFile)) state.SkipWithError("the generated deck did not load");
        drawing.View.CanvasWidthPx = CanvasWidth;
        drawing.View.CanvasHeightPx = CanvasHeight;
        ZoomToModelExtents(drawing.View, model.Header);
        state.counters["elements"] = generated.ElementCount;
    }
    ~DrawnDeck() { std::filesystem::remove_all(folder); }
};

void BM_DrawPlanRecorded(benchmark::State& state) {
    DrawnDeck deck(state);
    for (auto _ : state) {
        state.PauseTiming();
        RecordingCanvas canvas(CanvasWidth, CanvasHeight);
        state.ResumeTiming();
        DrawPlanOnCanvas(deck, canvas);
        benchmark::DoNotOptimize(canvas.Records().data());
    }
}

void DrawOnQtCanvas(benchmark::State& state, DrawnDeck& deck) {
    QtCanvas canvas;
    canvas.resize(CanvasWidth, CanvasHeight);
    for (auto _ : state) {
        DrawPlanOnCanvas(deck, canvas);
        benchmark::ClobberMemory();
    }
}

void BM_DrawPlanQtCanvas(benchmark::State& state) {
    DrawnDeck deck(state);
    DrawOnQtCanvas(state, deck);
}

void BM_DrawPlanQtCanvasZoomedIn(benchmark::State& state) {
    DrawnDeck deck(state);
    for (int i = 0; i < ZoomInSteps; ++i) ZoomIn(deck.drawing.View, deck.editor);
    DrawOnQtCanvas(state, deck);
}

// The generated joists are too wide to pair, so each slab gets single lines its thickness apart.
void BM_FloorSlabHatchSweep(benchmark::State& state) {
    DrawnDeck deck(state);
    const Model& m = deck.model;
    std::vector<HatchOutline> outlines;
    for (int32_t i = 0; i < m.FloorSlabCount; ++i)
        outlines.push_back(OutlineOfRecord(m, m.FloorSlabOutline, m.FloorSlabOutlineCount, i));
    size_t segments = 0;
    for (auto _ : state) {
        segments = 0;
        for (size_t i = 0; i < outlines.size(); ++i) {
            const FloorSlab& s = m.FloorSlabs[i];
            segments += ComputeHatchSegments({&outlines[i], 1}, s.Thickness, s.SpanAngle, 0).size();
        }
        benchmark::DoNotOptimize(segments);
    }
    state.counters["segments"] = static_cast<double>(segments);
}

}  // namespace

BENCHMARK(BM_FloorSlabHatchSweep)->Arg(16)->Arg(50)->Arg(223)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DrawPlanRecorded)->Arg(16)->Arg(50)->Arg(223)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DrawPlanQtCanvas)->Arg(16)->Arg(50)->Arg(223)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DrawPlanQtCanvasZoomedIn)->Arg(16)->Arg(50)->Arg(223)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
