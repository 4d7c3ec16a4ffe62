#pragma once
// The vertex panel of the perimeter editor, without its window: the edited outline of one floor
// slab or concrete slab as a list of plan points, its selected vertex, the two coordinate fields
// and the steps of the panel's list, buttons and snap box. Nothing reaches the slab before the
// perimeter is assigned; the window shows the state after each step and redraws the plan.
#include <cstdint>
#include <string>
#include <vector>

#include "model/Session.h"
#include "platform/MessageBox.h"

// The panel's buttons.
namespace VertexButton {
constexpr int32_t Delete = 0;
constexpr int32_t Insert = 1;
constexpr int32_t AssignCoordinates = 2;
constexpr int32_t AssignPerimeter = 3;
constexpr int32_t Cancel = 4;
}  // namespace VertexButton

// Palette numbers of the fields' text.
constexpr int32_t FieldsShowVertex = 0;         // black: the selected vertex's coordinates
constexpr int32_t FieldsShowClickedPoint = 12;  // light red: a point clicked on the canvas

// Opens the panel on floor slab `slab` (concrete slab when `concrete`): the slab's outline becomes
// the edited list, with its first vertex selected. An edit in progress is dropped as by Cancel.
// False, with nothing changed, for a slab that is not in its table or has no outline.
bool OpenVertexPanel(Session& session, int32_t slab, bool concrete);

// The rows of the vertex list, one per edited vertex: " 3 - X = 120.0    Y = 45.5" (rows from 10 on
// without the leading blank).
std::vector<std::string> VertexListRows(const Session& session);

// A row of the list chosen: the vertex is selected and its coordinates fill the fields in black.
// A row outside the list changes nothing.
void List1_Click(Session& session, int32_t row);
// The snap box: whether clicks on the canvas take the snapped point.
void Check1_Click(Session& session, int32_t value);
// A point entered from the canvas: into the fields, in light red, to become a vertex by the
// assignment of coordinates.
void EnterPointIntoFields(Session& session, float x, float y);

// The buttons; an index of no button does nothing.
void Command1_Click(Session& session, MessageBoxes& messages, int32_t index);
// Asks, then removes the selected vertex; a triangle keeps its three vertices. Whatever the
// answer, the previous vertex becomes the selected one.
void DeleteSelectedVertex(Session& session, MessageBoxes& messages);
// Asks, then inserts after the selected vertex the midpoint of the edge that leaves it (the
// closing edge after the last vertex), and selects it.
void InsertVertexAfterSelected(Session& session, MessageBoxes& messages);
// The selected vertex becomes the plan point at the coordinates typed in the fields. A field that
// is not wholly a number ("," or "." for the decimal point) is refused with a message naming it,
// and nothing changes: the fields keep what was typed.
void AssignVertexCoordinates(Session& session, MessageBoxes& messages);
// The edited list becomes the slab's outline and the panel closes.
void AssignEditedPerimeter(Session& session);
// The panel closes; the plan points its edit added go again, and the slab stays as it was.
void CancelVertexPanel(Session& session);

// True while the panel is open on an outline edited in it (a vertex assigned, inserted or deleted)
// that its slab has not taken yet. Coordinates typed but not assigned are no edit.
bool HoldsUnassignedOutline(const Session& session);

// The panel closes as by Cancel when the model is reloaded or emptied: the edit is dropped without
// touching the model, which may already be another one.
void CloseVertexPanelAsCancel(Session& session);
