// plan2png [options] DECK.CRP OUT.PNG   loads a deck as crpdump does, draws its plan on the window's
//                                       canvas without a screen and saves the picture
//   --size WxH     the picture's size in pixels (default 1600x1000)
//   --english      texts of the drawing in English (default Italian)
//   --white        white background (default black)
//   --all          fit the whole drawing, titles, legends and tables included (default: the
//                  model's extents with a tenth around them, as the window opens a deck)
//   --zoom-in N    N steps of the window's zoom-in command applied to the fitted view
//   --time N       draws the plan N times and prints the median redraw as its last line
// Exit status 0 when the picture was written, 1 when the deck did not load or the picture could
// not be written (a file already there then stays as it was), 2 for a wrong command line.
#include <QApplication>
#include <QBuffer>
#include <QByteArray>
#include <QString>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstdio>
#include <iostream>
#include <limits>
#include <string>
#include <vector>

#include "drawing/LayerDefaults.h"
#include "drawing/PlanDriver.h"
#include "model/files/WholeFiles.h"
#include "model/geometry/ViewTransforms.h"
#include "platform/headless/RecordingCanvas.h"
#include "platform/qt/QtCanvas.h"
#include "shell/HeadlessDeck.h"
#include "shell/ViewNavigation.h"

namespace {

struct Options {
    int width = 1600, height = 1000;
    bool english = false, white = false, all = false;
    int zoomInSteps = 0, timedDraws = 0;
    std::string deck, png;
};

constexpr const char* UsageText =
    "usage: plan2png [--size WxH] [--english] [--white] [--all] [--zoom-in N] [--time N] DECK.CRP OUT.PNG\n"
    "  --size WxH  the picture's size in pixels (default 1600x1000)\n"
    "  --english   texts of the drawing in English (default Italian)\n"
    "  --white     white background (default black)\n"
    "  --all       the whole drawing, titles, legends and tables included (default: the model\n"
    "              with a tenth around it, as the window opens a deck)\n"
    "  --zoom-in N N steps of the window's zoom-in command applied to the fitted view\n"
    "  --time N    draw the plan N times after the load and print the median redraw in\n"
    "              milliseconds as the last line (\"redraw median 12.3 ms\")\n";

int Usage() {
    std::cerr << UsageText;
    return 2;
}

// A count of 0 to `most`.
bool ParseCount(const std::string& text, int most, int& count) {
    char* end = nullptr;
    const long value = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || value < 0 || value > most) return false;
    count = static_cast<int>(value);
    return true;
}

// Draws the plan `draws` times and gives the median time of one draw in milliseconds.
double MedianRedrawMs(HeadlessDeck& deck, QtCanvas& canvas, int draws) {
    std::vector<double> times;
    for (int i = 0; i < draws; ++i) {
        const auto start = std::chrono::steady_clock::now();
        DrawPlanOnCanvas(deck, canvas);
        times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    const size_t n = times.size();
    return n % 2 == 1 ? times[n / 2] : (times[n / 2 - 1] + times[n / 2]) / 2;
}

bool ParseSize(const std::string& text, int& width, int& height) {
    int w = 0, h = 0;
    char x = 0, rest = 0;
    if (std::sscanf(text.c_str(), "%d%c%d%c", &w, &x, &h, &rest) != 3 || (x != 'x' && x != 'X')) return false;
    if (w < 16 || h < 16 || w > 16000 || h > 16000) return false;
    width = w, height = h;
    return true;
}

// The world box of everything a canvas pass draws, found from a pass onto a recording canvas at a
// known view, with what lies off that canvas drawn too: lines, boxes, circles, polygons and the
// text cells.
bool DrawingExtents(HeadlessDeck& deck, float& x0, float& y0, float& x1, float& y1) {
    const PlanHeader& h = deck.model.Header;
    ViewWindow& view = deck.drawing.View;
    const ViewWindow kept = view;
    ViewWindow known;
    known.ViewScale = 0.25f;
    known.ViewXMin = h.ModelMinX - 20000;
    known.ViewYMin = h.ModelMinY - 20000;
    known.CanvasHeightPx = 20000;
    view = known;
    RecordingCanvas recorder(20000, 20000);
    DrawPlanOnCanvas(deck, recorder, OffCanvasPrimitives::Drawn);
    view = kept;

    float left = std::numeric_limits<float>::max(), top = left, right = -left, bottom = -left;
    auto take = [&](float x, float y) {
        left = std::min(left, x), right = std::max(right, x);
        top = std::min(top, y), bottom = std::max(bottom, y);
    };
    for (const CanvasRecord& r : recorder.Records()) {
        switch (r.Call) {
            case CanvasCall::Line: case CanvasCall::Box:
                take(r.X1, r.Y1), take(r.X2, r.Y2);
                break;
            case CanvasCall::Circle:
                take(r.X1 - r.Radius, r.Y1 - r.Radius), take(r.X1 + r.Radius, r.Y1 + r.Radius);
                break;
            case CanvasCall::Polygon:
                for (const PixelPoint& p : r.Points) take(float(p.X), float(p.Y));
                break;
            case CanvasCall::Text:
                take(r.X1, r.Y1), take(r.X1 + r.Font.Width * float(r.Text.size()), r.Y1 + r.Font.Height);
                break;
            default:
                break;
        }
    }
    if (left > right) return false;
    x0 = ScreenToWorldX(known, left), x1 = ScreenToWorldX(known, right);
    y0 = ScreenToWorldY(known, bottom), y1 = ScreenToWorldY(known, top);
    return true;
}

void FitBox(ViewWindow& view, float x0, float y0, float x1, float y1) {
    const float mx = (x1 - x0) / 40, my = (y1 - y0) / 40;
    x0 -= mx, x1 += mx, y0 -= my, y1 += my;
    view.ViewScale = GetFitScale(view, x0, y0, x1, y1);
    // Centre the slack of either axis.
    const float slackX = view.CanvasWidthPx / view.ViewScale - (x1 - x0);
    const float slackY = view.CanvasHeightPx / view.ViewScale - (y1 - y0);
    view.ViewXMin = x0 - slackX / 2, view.ViewXMax = x1 + slackX / 2;
    view.ViewYMin = y0 - slackY / 2, view.ViewYMax = y1 + slackY / 2;
}

}  // namespace

int main(int argc, char** argv) {
    Options o;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help") {
            std::cout << UsageText;
            return 0;
        } else if (arg == "--size" && i + 1 < argc) {
            if (!ParseSize(argv[++i], o.width, o.height)) return Usage();
        } else if (arg == "--english") {
            o.english = true;
        } else if (arg == "--white") {
            o.white = true;
        } else if (arg == "--all") {
            o.all = true;
        } else if (arg == "--zoom-in" && i + 1 < argc) {
            if (!ParseCount(argv[++i], 200, o.zoomInSteps)) return Usage();
        } else if (arg == "--time" && i + 1 < argc) {
            if (!ParseCount(argv[++i], 100000, o.timedDraws) || o.timedDraws == 0) return Usage();
        } else if (!arg.empty() && arg[0] == '-') {
            return Usage();
        } else if (o.deck.empty()) {
            o.deck = arg;
        } else if (o.png.empty()) {
            o.png = arg;
        } else {
            return Usage();
        }
    }
    if (o.deck.empty() || o.png.empty()) return Usage();

    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);

    HeadlessDeck deck(true);
    deck.drawing.WhiteBackground = o.white ? 1 : 0;
    SetDefaultScreenColors(deck.drawing);
    SetDefaultLayersAndOptions(deck.drawing, deck.shell.Options, deck.design, deck.dxf);
    deck.shell.Languages.DrawingLanguage = o.english ? 1 : 0;
    if (!deck.Load(o.deck)) {
        std::cerr << "plan2png: " << o.deck << " did not load\n";
        return 1;
    }

    QtCanvas canvas;
    canvas.resize(o.width, o.height);
    ViewWindow& view = deck.drawing.View;
    view.CanvasWidthPx = float(o.width);
    view.CanvasHeightPx = float(o.height);
    float x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    if (o.all && DrawingExtents(deck, x0, y0, x1, y1))
        FitBox(view, x0, y0, x1, y1);
    else
        ZoomToModelExtents(view, deck.model.Header);
    for (int i = 0; i < o.zoomInSteps; ++i) ZoomIn(view, deck.editor);

    DrawPlanOnCanvas(deck, canvas);
    if (o.timedDraws > 0) {
        const double median = MedianRedrawMs(deck, canvas, o.timedDraws);
        std::printf("redraw median %.1f ms\n", median);
    }
    // Encoded in memory first, so that a failed write leaves no partial picture behind.
    QByteArray png;
    QBuffer buffer(&png);
    std::string reason = "the picture could not be encoded";
    if (!buffer.open(QIODevice::WriteOnly) || !canvas.Image().save(&buffer, "PNG") ||
        !ReplaceWholeFile(o.png, png.toStdString(), reason)) {
        std::cerr << "plan2png: could not write " << o.png << " (" << reason << ")\n";
        return 1;
    }
    return 0;
}
