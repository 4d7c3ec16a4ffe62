// What telling a changed document costs, on generated decks of about 10,000 and 200,000 elements.
// BM_OpenAndClose takes in turn a plain load of the deck, its open through the document flow (the
// load and the digest of the text a save would write) and the close decision on the opened deck,
// and gives the medians in milliseconds, with the flow's open and the close decision against the
// plain load.
// BM_PeakMemory runs each in a process of its own (this program again) and compares their peak
// resident memory: a plain load against an open through the flow followed by one close decision,
// which should stay within 1.15 times the plain load ("within_bound" 1). The 150 × 150 deck, of
// about 14 MB, is measured too.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <string>
#include <unistd.h>
#include <vector>

#include "bench/DeckGenerator.h"
#include "shell/DocumentFlows.h"
#include "shell/DocumentSteps.h"
#include "shell/HeadlessDeck.h"

namespace {

constexpr double PeakBound = 1.15;
constexpr const char* ChildFlag = "--peak-child";

// Bays per side: 50 × 50 gives 10,301 elements, 150 × 150 gives 90,901, 223 × 223 gives 200,255.
int Bays(const benchmark::State& state) { return static_cast<int>(state.range(0)); }

std::string Folder(const std::string& tag) {
    return (std::filesystem::temp_directory_path() / ("dravo-changedbench-" + std::to_string(::getpid()) + "-" + tag))
        .string();
}

// The window's side of the flows: nothing to draw or show here.
struct NoWindow : DocumentWindow {
    void TitoloFR1() override {}
    void DrawPlan() override {}
    void RefreshRecentMenu() override {}
    void ToolsEnded() override {}
};

// A document as the window has it at start: empty and unchanged, its settings file in `folder`.
struct Document : HeadlessDeck {
    NoWindow window;
    explicit Document(const std::string& folder) {
        shell.Folders.SettingsFolder = folder;
        MarkDocumentUnchanged(*this);
    }
    DocumentContext Context() { return {*this, platform, window}; }
    bool Open(const std::string& path) {
        LoadDocument(Context(), path);
        return shell.Document.LoadStatus == 0;
    }
    // The close decision on the untouched deck: no question, the window closes.
    bool CloseWithoutQuestion() {
        return CloseDocumentFlow(Context()) == CloseDecision::Close && messages.Shown().empty();
    }
};

bool PlainLoad(const std::string& path) {
    HeadlessDeck deck;
    return deck.Load(path);
}

double SecondsOf(const std::function<void()>& step) {
    const auto start = std::chrono::steady_clock::now();
    step();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n == 0 ? 0 : n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

void BM_OpenAndClose(benchmark::State& state) {
    const std::string folder = Folder(std::to_string(Bays(state)));
    const GeneratedDeck generated = WriteGeneratedDeck(folder, Bays(state), Bays(state));
    std::vector<double> plain, open, close, openRatio, closeRatio;
    for (auto _ : state) {
        bool good = true;
        plain.push_back(SecondsOf([&] { good = PlainLoad(generated.DataFile); }) * 1e3);
        Document document(folder);
        open.push_back(SecondsOf([&] { good = good && document.Open(generated.DataFile); }) * 1e3);
        close.push_back(SecondsOf([&] { good = good && document.CloseWithoutQuestion(); }) * 1e3);
        openRatio.push_back(open.back() / plain.back());
        closeRatio.push_back(close.back() / plain.back());
        if (!good) state.SkipWithError("the deck did not open, or its close asked");
    }
    state.counters["elements"] = generated.ElementCount;
    state.counters["plain_load_ms"] = Median(plain);
    state.counters["flow_open_ms"] = Median(open);
    state.counters["close_decision_ms"] = Median(close);
    state.counters["open_vs_load"] = Median(openRatio);
    state.counters["close_vs_load"] = Median(closeRatio);
    std::filesystem::remove_all(folder);
}

// The peak resident memory, in kilobytes, of this program run again as a child on one step;
// 0 when the child failed. The child tells it itself: the peak that the system keeps for a process
// starts from its parent's at the spawn.
long ChildPeakKb(const std::string& step, const std::string& deck, const std::string& folder) {
    const auto quoted = [](const std::string& text) { return "'" + text + "'"; };
    const std::string command = quoted(std::filesystem::read_symlink("/proc/self/exe").string()) + " " + ChildFlag +
                                " " + step + " " + quoted(deck) + " " + quoted(folder);
    FILE* child = ::popen(command.c_str(), "r");
    if (child == nullptr) return 0;
    long peak = 0;
    if (std::fscanf(child, "%ld", &peak) != 1) peak = 0;
    return ::pclose(child) == 0 ? peak : 0;
}

// This process's own peak resident memory in kilobytes, from the kernel's status of it.
long OwnPeakKb() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0) return std::atol(line.c_str() + 6);
    return 0;
}

void BM_PeakMemory(benchmark::State& state) {
    const std::string folder = Folder("peak-" + std::to_string(Bays(state)));
    const GeneratedDeck generated = WriteGeneratedDeck(folder, Bays(state), Bays(state));
    long plain = 0, flow = 0;
    for (auto _ : state) {
        plain = ChildPeakKb("load", generated.DataFile, folder);
        flow = ChildPeakKb("flow", generated.DataFile, folder);
        if (plain == 0 || flow == 0) state.SkipWithError("a measuring run failed");
    }
    state.counters["elements"] = generated.ElementCount;
    state.counters["deck_mb"] = static_cast<double>(std::filesystem::file_size(generated.DataFile)) / 1e6;
    state.counters["plain_load_peak_mb"] = static_cast<double>(plain) / 1024;
    state.counters["flow_and_close_peak_mb"] = static_cast<double>(flow) / 1024;
    const double ratio = plain > 0 ? static_cast<double>(flow) / static_cast<double>(plain) : 0;
    state.counters["peak_ratio"] = ratio;
    state.counters["within_bound"] = ratio > 0 && ratio <= PeakBound;
    std::filesystem::remove_all(folder);
}

// One measured step in a process of its own, "load" or "flow"; prints the peak memory.
int RunChild(const std::string& step, const std::string& deck, const std::string& folder) {
    bool good = false;
    if (step == "load") {
        good = PlainLoad(deck);
    } else if (step == "flow") {
        Document document(folder);
        good = document.Open(deck) && document.CloseWithoutQuestion();
    }
    std::cout << OwnPeakKb() << "\n";
    return good ? 0 : 1;
}

}  // namespace

BENCHMARK(BM_OpenAndClose)->Arg(50)->Arg(223)->Iterations(5)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PeakMemory)->Arg(50)->Arg(150)->Arg(223)->Iterations(1)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    if (argc == 5 && std::strcmp(argv[1], ChildFlag) == 0) return RunChild(argv[2], argv[3], argv[4]);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
