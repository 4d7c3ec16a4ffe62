#include "drawing/Legends.h"

#include <cmath>
#include <string>

#include "model/common/Helpers.h"
#include "model/sections/SectionTexts.h"
#include "model/tables/TableAccess.h"
#include "state/LayerRows.h"

namespace {

const Bilingual LegendLines[] = {
    {"Significato delle sigle:", "Symbols caption:"},
    {"Tr. - travata", "B. - beam"},
    {"P. - pilastrata", "P. - pillar"},
    {"M. - parete in c.a.", "W. - concrete wall"},
    {"PL. - plinto", "I.F. - isolated footing"},
    {"S. - solaio", "S. - floor slab"},
};
constexpr Bilingual PillarListTitle{"Sezioni dei pilastri:", "Sections of the pillars:"};
constexpr Bilingual BeamListTitle{"Sezioni delle travi:", "Sections of the beams:"};
constexpr Bilingual BeamListRow{"Sezione tipo ", "Section type "};
constexpr Bilingual SlabTableTitle{"Solai:", "Floor slabs:"};
constexpr Bilingual SlabTypeHeading{"tipo solaio", "type"};
constexpr Bilingual SlabAreaHeading{"superficie", "area"};

// The lists stand on the pillar texts' row, whose switch gates them.
void Line(PlanPass& pass, float x, float y, const std::string& text, HAlign hAlign = HAlign::Left) {
    pass.out.Text(x, y, text, TextKind::Medium, LayerRow::PillarTexts, hAlign, VAlign::Top, 0);
}

std::string Text(PlanPass& pass, const Bilingual& text) { return PickText(text, pass.english()); }

float PillarList(PlanPass& pass, float y) {
    const Model& m = pass.model();
    const auto& lists = pass.Legend.PillarListBySection;
    Line(pass, 0, y, Text(pass, PillarListTitle));
    for (int32_t s = 0; s < UsableCount(m.Catalogue.ArchiveSectionCount, lists); ++s) {
        const std::string& entry = lists[static_cast<size_t>(s)];
        if (entry.empty()) continue;
        // The entry is ", 3, 5": without its comma the numbers keep their leading blank.
        const std::string numbers = entry.substr(1);
        const std::string section = GetSectionText(m.Catalogue, s, pass.languages());
        y -= pass.k.L;
        Line(pass, 0, y,
             pass.english() ? section + ", Pillars n. " + numbers : "Sezione " + section + ", Pil. n. " + numbers);
    }
    return y;
}

float BeamList(PlanPass& pass, float y) {
    const Model& m = pass.model();
    const auto& used = pass.Legend.BeamSectionUsed;
    y -= 40 * pass.k.f;
    Line(pass, 0, y, Text(pass, BeamListTitle));
    for (int32_t s = 0; s < UsableCount(m.Catalogue.ArchiveSectionCount, used); ++s) {
        if (used[static_cast<size_t>(s)] == 0) continue;
        const std::string n = std::to_string(s + 1);  // the number the section marks carry
        y -= pass.k.L;
        Line(pass, 0, y, Text(pass, BeamListRow) + n + "-" + n + ",  " + GetSectionText(m.Catalogue, s, pass.languages()));
    }
    return y;
}

float SlabTable(PlanPass& pass, float y) {
    const Model& m = pass.model();
    const float f = pass.k.f;
    // With the joist types named, the type column is wider and the areas stand further right.
    const float typeColumnWidth = pass.session.shell.Options.JoistTypeLabels != 0 ? 170 * f : 130 * f;
    const float typeX = (25 * f + 45) * f;
    y -= 40 * f;
    Line(pass, 0, y, Text(pass, SlabTableTitle));
    y -= pass.k.L;
    Line(pass, 0, y, "n.");
    Line(pass, typeX, y, Text(pass, SlabTypeHeading));
    Line(pass, (typeColumnWidth + 235) * f, y, Text(pass, SlabAreaHeading));
    for (int32_t i = 0; i < UsableCount(m.FloorSlabCount, m.FloorSlabs); ++i) {
        const FloorSlab& slab = m.FloorSlabs[static_cast<size_t>(i)];
        y -= pass.k.L;
        Line(pass, 0, y, "S." + std::to_string(slab.Number));
        Line(pass, typeX, y,
             GetFloorSlabTypeText(m.Catalogue, m.Catalogue.SectionIndexOf(slab.SectionNumber), slab.Thickness,
                                  pass.languages(), pass.session.shell.Options));
        Line(pass, (typeColumnWidth + 300) * f, y, FormatNum(std::fabs(slab.Area) / 10000.0f, 1) + " mq",
             HAlign::Right);
    }
    return y;
}

}  // namespace

float DrawLegendOfAbbreviations(PlanPass& pass) {
    float y = -210 - pass.k.L;
    for (size_t i = 0; i < std::size(LegendLines); ++i) {
        if (i > 0) y -= pass.k.L;
        Line(pass, 0, y, Text(pass, LegendLines[i]));
    }
    return y;
}

void DrawSectionListsAndSlabTable(PlanPass& pass, float runningY) {
    if (!pass.On(LayerRow::PillarTexts)) return;
    const Model& m = pass.model();
    float y = runningY;
    if (UsableCount(m.PillarCount, m.Pillars) > 0) y = PillarList(pass, y);
    if (UsableCount(m.BeamElementCount, m.BeamElements) > 0) y = BeamList(pass, y);
    if (UsableCount(m.FloorSlabCount, m.FloorSlabs) > 0) SlabTable(pass, y);
}
