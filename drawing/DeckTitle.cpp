#include "drawing/DeckTitle.h"

#include <algorithm>
#include <cmath>

#include "model/common/Helpers.h"
#include "model/files/DataFileWriter.h"
#include "model/sections/SectionTexts.h"

namespace {

std::string Level(float z) { return FormatFixedForReading(z, 1); }

// A level with "+" in front when above 0.
std::string SignedLevel(float z) { return (z > 0 ? "+" : "") + Level(z); }

}  // namespace

std::string GetDeckTitle(const PlanHeader& header, const LanguageFlags& languages) {
    const float from = header.ElevationFrom, to = header.ElevationTo;
    const bool english = languages.DrawingLanguage != 0;
    const float span = std::fabs(from - to);
    if (span < 0.1f) return (english ? "Share of the floor: " : "Impalcato a quota ") + SignedLevel(from);
    if (english) return "Share of the floor: from " + SignedLevel(from) + " to " + SignedLevel(to);
    return "Impalcato da quota " + SignedLevel(from) + " a quota " + SignedLevel(to);
}

void WriteFloorSlabTakeoff(const Model& model, const DxfOptions& dxf, const LanguageFlags& languages,
                           const ShellOptions& options, std::string& takeoff) {
    if (model.FloorSlabCount < 1 || dxf.TakeoffTextFile == 0) return;
    DataFileWriter out;
    out.Line(GetDeckTitle(model.Header, languages));
    out.EndLine();
    const int32_t count = std::min<int64_t>(model.FloorSlabCount, static_cast<int64_t>(model.FloorSlabs.size()));
    for (int32_t i = 0; i < count; ++i) {
        const FloorSlab& slab = model.FloorSlabs[static_cast<size_t>(i)];
        out.Raw("S." + std::to_string(slab.Number));
        const int32_t sec = model.Catalogue.SectionIndexOf(slab.SectionNumber);
        out.Raw(GetFloorSlabTypeText(model.Catalogue, sec, slab.Thickness, languages, options));
        out.Raw(FormatFixedForReading(std::fabs(slab.Area) / 10000.0f, 1) + " mq");
        out.EndLine();
    }
    out.EndLine();
    takeoff += out.Output();
}
