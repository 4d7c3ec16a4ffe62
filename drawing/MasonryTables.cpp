#include "drawing/MasonryTables.h"

#include <algorithm>
#include <array>
#include <string>

#include "model/common/Helpers.h"
#include "model/tables/TableAccess.h"
#include "state/LayerRows.h"

namespace {

constexpr float BeamTableX = 500;  // before scaling by f
constexpr std::array<float, 4> ColumnX{0, 80, 200, 320};
const std::string Phi = "\xD8";  // "Ø"

// On the pillar texts' row, with the section lists.
void Cell(PlanPass& pass, float x, float y, const std::string& text, TextKind kind) {
    pass.out.Text(x, y, text, kind, LayerRow::PillarTexts, HAlign::Left, VAlign::Top, 0);
}

void Row(PlanPass& pass, float x0, float y, float f, const std::array<std::string, 4>& texts, TextKind kind) {
    for (size_t c = 0; c < texts.size(); ++c) Cell(pass, (x0 + ColumnX[c]) * f, y, texts[c], kind);
}

std::string Num(int64_t n) { return std::to_string(n); }

std::string WithSignRoom(int64_t n) { return (n >= 0 ? " " : "") + Num(n); }

std::string BlockText(const MasonryElement& e, bool isotex) {
    if (isotex) return e.Name;
    return FormatNum(e.Dim1, 0) + "x" + FormatNum(e.Thickness, 0) + "x" + FormatNum(e.Dim2, 0);
}

// G sets of the end bars and the n intermediate ones: with two diameters the end bars (B) are
// named apart from the intermediate ones (A), with one they are all counted together.
std::string VerticalText(const MasonryElement& e, bool twoDiameters, int32_t oneDiameter) {
    const int32_t g = e.VerticalGroupCount;
    const int64_t n = e.VerticalBarCount;
    if (twoDiameters) {
        const std::string bars = "2" + Phi + Num(e.VerticalBarDiameterB) + " + " + Num(n) + Phi +
                                 Num(e.VerticalBarDiameterA);
        return g > 1 ? Num(g) + " x ( " + bars + ")" : bars;
    }
    const std::string bars = Num(n + 2) + Phi + Num(oneDiameter);
    return g > 1 ? Num(g) + " x (" + bars + ")" : bars;
}

}  // namespace

void DrawMasonryWallTable(PlanPass& pass, int32_t index, float x0, float& y, float f) {
    const Model& m = pass.model();
    if (index < 0 || index >= UsableCount(m.MasonryWallCount, m.MasonryWalls)) return;
    const MasonryElement& w = m.MasonryWalls[static_cast<size_t>(index)];
    const bool isotex = m.MasonryIsIsotex != 0;
    const std::string horizontal =
        isotex ? "1" + Phi + Num(w.HorizontalBarDiameter) + " / " + FormatNum(w.HorizontalBarSpacing, 0)
               : Num(w.HorizontalBarCount) + Phi + Num(w.HorizontalBarDiameter) + " / " +
                     FormatNum(w.HorizontalBarSpacing, 0) + " corsi";
    const bool twoDiameters = w.VerticalBarDiameterB != w.VerticalBarDiameterA;
    Row(pass, x0, y, f,
        {WithSignRoom(w.Number), BlockText(w, isotex), VerticalText(w, twoDiameters, w.VerticalBarDiameterB),
         horizontal},
        TextKind::Small);
    y -= 20 * f;
}

void DrawMasonryBeamTable(PlanPass& pass, int32_t index, float x0, float& y, float f) {
    const Model& m = pass.model();
    if (index < 0 || index >= UsableCount(m.MasonryBeamCount, m.MasonryBeams)) return;
    const MasonryElement& b = m.MasonryBeams[static_cast<size_t>(index)];
    const bool isotex = m.MasonryIsIsotex != 0;
    const bool twoDiameters = b.VerticalBarDiameterB != b.VerticalBarDiameterA && b.VerticalBarDiameterB != 0;
    Row(pass, x0, y, f,
        {WithSignRoom(b.Number), BlockText(b, isotex), VerticalText(b, twoDiameters, b.VerticalBarDiameterA),
         Num(b.BeamBarCount) + Phi + Num(b.BeamBarDiameter)},
        TextKind::Small);
    y -= 20 * f;
}

float DrawMasonryTables(PlanPass& pass) {
    const Model& m = pass.model();
    const bool isotex = m.MasonryIsIsotex != 0;
    const float f = pass.k.f, L = pass.k.L;
    const float y0 = -210 - L;
    const float headsY = y0 - 32 * f;
    const std::string block = isotex ? "Blocco" : "Blocco LxTxH";

    Cell(pass, 0, y0, isotex ? "Pareti ISOTEX:" : "Pareti muratura armata:", TextKind::Medium);
    Row(pass, 0, headsY, f, {isotex ? "Parete n." : "Parete MA", block, "Armatura vert.", "Armatura oriz."},
        TextKind::Small);
    float y = headsY - L;
    for (int32_t i = 0; i < UsableCount(m.MasonryWallCount, m.MasonryWalls); ++i)
        DrawMasonryWallTable(pass, i, 0, y, f);
    if (m.MasonryBeamCount <= 0) return y;

    Cell(pass, BeamTableX * f, y0, isotex ? "Architravi ISOTEX:" : "Fasce muratura armata:", TextKind::Medium);
    Row(pass, BeamTableX, headsY, f, {isotex ? "Architrave" : "Trave MA", block, "Armatura vert.", "Armatura oriz."},
        TextKind::Small);
    float yB = headsY - L;
    for (int32_t i = 0; i < UsableCount(m.MasonryBeamCount, m.MasonryBeams); ++i)
        DrawMasonryBeamTable(pass, i, BeamTableX, yB, f);
    return std::min(y, yB);
}
