#include "model/sections/SectionTexts.h"

#include <cmath>

#include "model/common/Helpers.h"
#include "state/ShellState.h"

namespace {

std::string N(float value) { return FormatForReading(value); }

// A whole number, halves away from zero.
std::string Whole(float value) { return FormatNum(value, 0); }

std::string CatalogueName(const SectionCatalogue& catalogue, int32_t sec) {
    const ServerSection* profile = catalogue.ServerSectionOf(sec);
    return profile ? profile->Name : std::string();
}

std::string ParametricText(int32_t code, const SectionParamRow& p, bool english) {
    const std::string P0 = N(p[0]), P1 = N(p[1]), P2 = N(p[2]), P3 = N(p[3]), P4 = N(p[4]), P5 = N(p[5]);
    switch (code) {
        case 1:
            return (english ? "Rectangular section: " : "rettangolare ") + P0 + "x" + P1;
        case 2:
            return (english ? "T section: bi=" : "T   bi=") + P0 + ", bs=" + P2 + ", ht=" + P1 + ", hs=" + P3;
        case 3:
            return (english ? "T inverted section: bi=" : "T rov.  bi=") + P0 + ", bs=" + P2 + ", ht=" + P1 +
                   ", hi=" + P3;
        case 5: case 6:
            return (english ? "L  section: bi=" : "L   bi=") + P0 + ", bs=" + P2 + ", ht=" + P1 + ", hs=" + P3;
        case 7: case 8:
            return (english ? "L inverted section: bi=" : "L rov.  bi=") + P0 + ", bs=" + P2 + ", ht=" + P1 +
                   ", hi=" + P3;
        case 10:
            return (english ? "Double T section: B inf=" : "doppio T  B inf=") + P0 + ", B anima=" + P1 +
                   ", B sup=" + P2 + ", H tot=" + P3 + "Sp inf=" + P4 + ", Sp sup=" + P5;
        case 16:
            return (english ? "Circular section: D=" : "circolare D=") + N(2 * p[0]);
        case 19:
            return (english ? "Circular hollow section: De=" : "circolare cava  De=") + N(2 * p[0]) +
                   ", Di=" + N(2 * p[1]);
        default:
            return {};
    }
}

struct SlabLabels {
    std::string Prefix, Rectangular, Slab, T, DoubleT;
};

SlabLabels LabelsFor(bool english, bool numbered, int32_t sec) {
    if (english) return {"Th. ", "Rect. joists", "Concrete slab th.=", "  joists b=", " double T="};
    if (!numbered)
        return {"Sp. ", "Travetti ret. ", "Soletta c.a. Sp.=", "  travetti b=", " trav. dopp.T="};
    int64_t number = static_cast<int64_t>(sec) + 1;
    const std::string label = (number >= 0 ? " " : "") + std::to_string(number);
    return {"Sp. ", "Travetti (tipo" + label + ") ret. ", "Soletta c.a. Sp.=",
            "  travetti (tipo" + label + ") b=", " trav. (tipo" + label + ") dopp.T="};
}

}  // namespace

std::string GetSectionText(const SectionCatalogue& catalogue, int32_t sec,
                           const LanguageFlags& languages) {
    if (!catalogue.HasSection(sec)) return {};
    switch (catalogue.SectionClass[sec]) {
        case ParametricSection:
            return ParametricText(catalogue.SectionShape[sec], catalogue.SectionParams[sec],
                                  languages.DrawingLanguage != 0);
        case CatalogueProfile:
            return CatalogueName(catalogue, sec);
        case CoupledProfiles: {
            const int32_t code = catalogue.SectionShape[sec];
            return (code == 5 || code == 6 ? "4 " : "2 ") + CatalogueName(catalogue, sec);
        }
        default:
            return {};
    }
}

std::string GetFloorSlabTypeText(const SectionCatalogue& catalogue, int32_t sec, float t,
                                 const LanguageFlags& languages, const ShellOptions& options) {
    const bool english = languages.DrawingLanguage != 0;
    const int32_t sectionClass = catalogue.HasSection(sec) ? catalogue.SectionClass[sec] : -1;
    if (sectionClass < 0 || sectionClass >= CoupledProfiles)
        return english ? "Undefined Section        " : "Sezione non definita     ";
    if (sectionClass == CatalogueProfile) return CatalogueName(catalogue, sec);

    const SlabLabels labels = LabelsFor(english, options.JoistTypeLabels != 0, sec);
    const SectionParamRow& p = catalogue.SectionParams[sec];
    switch (catalogue.SectionShape[sec]) {
        case 1:
            if (std::fabs(p[1] - t) < 0.0001f) return labels.Slab + N(p[0]) + " cm";
            return labels.Rectangular + N(p[0]) + "x" + N(p[1]) + "  i=" + Whole(t);
        case 2:
            return labels.Prefix + Whole(p[1] - p[3]) + "+" + Whole(p[3]) + labels.T + Whole(p[0]) +
                   "  i=" + Whole(t);
        case 10:
            // As for the T joists, the first number is the height without the top flange.
            return labels.Prefix + Whole(p[3] - p[5]) + "+" + Whole(p[3]) + labels.DoubleT + N(p[0]) + "x" +
                   N(p[1]) + "  i=" + Whole(t);
        default:
            return {};
    }
}
