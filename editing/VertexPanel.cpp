#include "editing/VertexPanel.h"

#include <algorithm>
#include <array>
#include <optional>

#include "editing/SlabPerimeter.h"
#include "model/common/Helpers.h"
#include "model/common/TypedNumbers.h"
#include "model/tables/TableAccess.h"
#include "plangeom/PlanPoints.h"

namespace {

constexpr Bilingual DeleteQuestion{"Vuoi eliminare il vertice %1?", "Do you want to erase the vertex %1?"};
constexpr Bilingual InsertQuestion{"Vuoi inserire un nuovo vertice dopo il vertice %1?",
                                   "Do you want to insert a new vertex after the vertex %1?"};
constexpr Bilingual VertexLabel{"Vertice %1:", "Vertex %1:"};
constexpr Bilingual CoordinateNotANumber{"La coordinata %1 \"%2\" non è un numero: il vertice resta dov'è.",
                                         "The %1 coordinate \"%2\" is not a number: the vertex stays where it is."};
constexpr const char* AxisNames[] = {"X", "Y"};

// A triangle is the smallest outline the panel leaves.
constexpr int32_t FewestVertices = 3;

VertexPanelState& PanelOf(Session& session) { return session.editor.VertexPanel; }

int32_t VertexCount(const VertexPanelState& panel) {
    return static_cast<int32_t>(std::clamp<int64_t>(int64_t{panel.EditedVertexLast} + 1, 0,
                                                    static_cast<int64_t>(panel.EditedVertices.size())));
}

// The list and its last index agree, and the selection lies in the list.
void KeepListConsistent(VertexPanelState& panel) {
    panel.EditedVertices.resize(static_cast<size_t>(VertexCount(panel)));
    panel.EditedVertexLast = static_cast<int32_t>(panel.EditedVertices.size()) - 1;
    panel.SelectedVertex = std::clamp(panel.SelectedVertex, 0, std::max(panel.EditedVertexLast, 0));
}

// A vertex whose plan point does not exist stands at the origin.
PlanPoint VertexPoint(const Session& session, int32_t position) {
    const VertexPanelState& panel = session.editor.VertexPanel;
    if (position < 0 || position >= VertexCount(panel)) return {};
    const int32_t point = panel.EditedVertices[static_cast<size_t>(position)];
    return IsPlanPointIndex(session.model, point) ? session.model.PlanNodes[static_cast<size_t>(point)] : PlanPoint{};
}

void ShowInFields(VertexPanelState& panel, float x, float y, int32_t colour) {
    panel.TypedCoordinates[0] = FormatNum(x, 1);
    panel.TypedCoordinates[1] = FormatNum(y, 1);
    panel.TypedCoordinatesColour = colour;
}

bool Asked(Session& session, MessageBoxes& messages, const Bilingual& question) {
    const std::string n = std::to_string(session.editor.VertexPanel.SelectedVertex + 1);
    const LanguageFlags& languages = session.shell.Languages;
    return messages.Show(GetWarningTitle(languages), UiText(question, languages, {n}), MsgButtons::YesNo,
                         MsgIcon::Question) == MsgAnswer::Yes;
}

// The plan points added since the panel opened are used by nothing but the edit: while the panel
// is open nothing else adds plan points.
void DropAddedPlanPoints(Session& session) {
    VertexPanelState& panel = PanelOf(session);
    Model& m = session.model;
    const int32_t atOpen = panel.PlanNodeCountAtOpen;
    panel.PlanNodeCountAtOpen = -1;
    if (atOpen < 0 || m.PlanNodeCount <= atOpen) return;
    m.PlanNodeCount = atOpen;
    m.PlanNodes.resize(static_cast<size_t>(atOpen));
}

void Close(VertexPanelState& panel) {
    panel.VertexPanelMode = 0;
    panel.PlanNodeCountAtOpen = -1;
    panel.OutlineEdited = false;
}

}  // namespace

bool OpenVertexPanel(Session& session, int32_t slab, bool concrete) {
    const Model& m = session.model;
    const int32_t slabs = concrete ? UsableCount(m.ConcreteSlabCount, m.ConcreteSlabs)
                                   : UsableCount(m.FloorSlabCount, m.FloorSlabs);
    const IndexRows& outlines = concrete ? m.ConcreteSlabOutline : m.FloorSlabOutline;
    const std::vector<int32_t>& counts = concrete ? m.ConcreteSlabOutlineCount : m.FloorSlabOutlineCount;
    const auto s = static_cast<size_t>(slab);
    if (slab < 0 || slab >= slabs || s >= outlines.size() || s >= counts.size()) return false;
    const int32_t count = UsableCount(counts[s], outlines[s]);
    if (count < 1) return false;

    VertexPanelState& panel = PanelOf(session);
    if (panel.VertexPanelMode != 0) DropAddedPlanPoints(session);
    panel.VertexPanelMode = 1;
    panel.EditedSlab = slab;
    panel.EditedSlabIsConcrete = concrete ? 1 : 0;
    panel.EditedVertices.assign(outlines[s].begin(), outlines[s].begin() + count);
    panel.EditedVertexLast = count - 1;
    panel.PlanNodeCountAtOpen = UsableCount(m.PlanNodeCount, m.PlanNodes);
    panel.OutlineEdited = false;
    List1_Click(session, 0);
    return true;
}

std::vector<std::string> VertexListRows(const Session& session) {
    std::vector<std::string> rows;
    const int32_t count = VertexCount(session.editor.VertexPanel);
    for (int32_t i = 0; i < count; ++i) {
        const PlanPoint p = VertexPoint(session, i);
        rows.push_back((i < 9 ? " " : "") + std::to_string(i + 1) + " - X = " + FormatNum(p.X, 1) +
                       "    Y = " + FormatNum(p.Y, 1));
    }
    return rows;
}

void List1_Click(Session& session, int32_t row) {
    VertexPanelState& panel = PanelOf(session);
    if (row < 0 || row >= VertexCount(panel)) return;
    const PlanPoint p = VertexPoint(session, row);
    ShowInFields(panel, p.X, p.Y, FieldsShowVertex);
    panel.VertexCaption = UiText(VertexLabel, session.shell.Languages, {std::to_string(row + 1)});
    panel.SelectedVertex = row;
}

void Check1_Click(Session& session, int32_t value) { session.shell.Options.OsnapEnabled = value; }

void EnterPointIntoFields(Session& session, float x, float y) { ShowInFields(PanelOf(session), x, y, FieldsShowClickedPoint); }

void Command1_Click(Session& session, MessageBoxes& messages, int32_t index) {
    switch (index) {
    case VertexButton::Delete: DeleteSelectedVertex(session, messages); break;
    case VertexButton::Insert: InsertVertexAfterSelected(session, messages); break;
    case VertexButton::AssignCoordinates: AssignVertexCoordinates(session, messages); break;
    case VertexButton::AssignPerimeter: AssignEditedPerimeter(session); break;
    case VertexButton::Cancel: CancelVertexPanel(session); break;
    default: break;
    }
}

void DeleteSelectedVertex(Session& session, MessageBoxes& messages) {
    VertexPanelState& panel = PanelOf(session);
    KeepListConsistent(panel);
    if (panel.EditedVertexLast < FewestVertices) return;
    if (Asked(session, messages, DeleteQuestion)) {
        panel.EditedVertices.erase(panel.EditedVertices.begin() + panel.SelectedVertex);
        --panel.EditedVertexLast;
        panel.OutlineEdited = true;
    }
    List1_Click(session, std::max(panel.SelectedVertex - 1, 0));
}

void InsertVertexAfterSelected(Session& session, MessageBoxes& messages) {
    VertexPanelState& panel = PanelOf(session);
    KeepListConsistent(panel);
    if (panel.EditedVertices.empty() || !Asked(session, messages, InsertQuestion)) return;
    const int32_t selected = panel.SelectedVertex;
    const PlanPoint a = VertexPoint(session, selected);
    const PlanPoint b = VertexPoint(session, selected == panel.EditedVertexLast ? 0 : selected + 1);
    const int32_t point = FindOrAddPlanNode(session.model, (a.X + b.X) / 2, (a.Y + b.Y) / 2);
    panel.EditedVertices.insert(panel.EditedVertices.begin() + selected + 1, point);
    ++panel.EditedVertexLast;
    panel.OutlineEdited = true;
    List1_Click(session, selected + 1);
}

void AssignVertexCoordinates(Session& session, MessageBoxes& messages) {
    VertexPanelState& panel = PanelOf(session);
    KeepListConsistent(panel);
    if (panel.EditedVertices.empty()) return;
    std::array<float, 2> typed{};
    for (size_t axis = 0; axis < typed.size(); ++axis) {
        const std::optional<double> value = ReadTypedNumber(panel.TypedCoordinates[axis]);
        if (!value) {
            const LanguageFlags& languages = session.shell.Languages;
            messages.Show(GetWarningTitle(languages),
                          UiText(CoordinateNotANumber, languages, {AxisNames[axis], panel.TypedCoordinates[axis]}),
                          MsgButtons::Ok, MsgIcon::Exclamation);
            return;
        }
        typed[axis] = static_cast<float>(*value);
    }
    panel.EditedVertices[static_cast<size_t>(panel.SelectedVertex)] = FindOrAddPlanNode(session.model, typed[0], typed[1]);
    panel.OutlineEdited = true;
    List1_Click(session, panel.SelectedVertex);
}

void AssignEditedPerimeter(Session& session) {
    VertexPanelState& panel = PanelOf(session);
    KeepListConsistent(panel);
    if (panel.EditedSlabIsConcrete == 0) AssignFloorSlabPerimeter(session.model, panel.EditedSlab, panel.EditedVertices);
    else AssignConcreteSlabPerimeter(session.model, panel.EditedSlab, panel.EditedVertices);
    Close(panel);
    session.model.HatchLines.Clear();
}

void CancelVertexPanel(Session& session) {
    DropAddedPlanPoints(session);
    Close(PanelOf(session));
    session.model.HatchLines.Clear();
}

bool HoldsUnassignedOutline(const Session& session) {
    const VertexPanelState& panel = session.editor.VertexPanel;
    return panel.VertexPanelMode != 0 && panel.OutlineEdited;
}

void CloseVertexPanelAsCancel(Session& session) {
    Close(PanelOf(session));
    session.model.HatchLines.Clear();
}
