#pragma once
// The canvas editor's values that the drawing and the shell read or set, one group per tool: the
// tool in force, the reference points of the dimension or rebar being placed, the dimension, section
// and rebar tools, the object snap, the vertex panel of the perimeter editor, the zoom window and
// pan, the hover highlight and the concrete-slab pick. Each group keeps the names its tool's
// routines are written in.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "state/InteractionModes.h"

// The two reference points of the dimension being placed or of the bar being edited with its grips,
// kept in canvas pixels and, across a change of the view, in model cm.
struct ReferencePoints {
    float RefP1ScreenX = 0, RefP1ScreenY = 0, RefP2ScreenX = 0, RefP2ScreenY = 0;  // canvas pixels
    float RefP1WorldX = 0, RefP1WorldY = 0, RefP2WorldX = 0, RefP2WorldY = 0;      // cm
    float RefDirCos = 1, RefDirSin = 0;  // the line through the two reference points, on the canvas
};

struct DimensionToolState {
    int32_t CurrentDimension = -1;  // the dimension picked to move or to continue from; -1 none
};

// The reinforcement-section tools: the floor slab whose span direction a new section follows, and
// the section a drag rebuilds.
struct SectionToolState {
    int32_t TargetSlab = 0;
    int32_t MovedSection = 0;
    double SpanDirCos = 1, SpanDirSin = 0;  // TargetSlab's span direction, y up: the preview's line
};

// The rebar tools: the rebar picked to edit or delete (its section, its index there and its table,
// not 0: the lower bars); the lengthening of its two ends that the rebar editor applies; the grip
// dragged and the ends the grips have moved since the graphic edit began (bit 0 the start, bit 1 the
// end); the target line of an extension.
struct RebarToolState {
    int32_t SelectedBarSection = 0, SelectedBar = 0, SelectedBarIsLower = 0;
    int32_t BarStretchStart = 0, BarStretchEnd = 0;
    int32_t ActiveGrip = 0;  // 0 none, 1 start, 2 end, 3 middle
    int32_t MovedBarEnds = 0;
    float PickedEdgeX1 = 0, PickedEdgeY1 = 0, PickedEdgeX2 = 0, PickedEdgeY2 = 0;  // cm
};

// The point the last committing object snap took, in canvas pixels; read only while SnapFound is 1.
struct SnapState {
    float SnapX = 0, SnapY = 0;
    int32_t SnapFound = 0;
};

struct VertexPanelState {
    int32_t VertexPanelMode = 0;  // 0: the panel is closed; otherwise a perimeter is being edited
    int32_t EditedSlab = 0;            // the slab's row in FloorSlabs, or in ConcreteSlabs when
    int32_t EditedSlabIsConcrete = 0;  // this is 1
    std::vector<int32_t> EditedVertices;  // PlanNodes indexes of the edited outline, 0 .. EditedVertexLast
    int32_t EditedVertexLast = -1;
    int32_t SelectedVertex = 0;
    std::array<std::string, 2> TypedCoordinates;  // the panel's x and y boxes as typed, "," or "." for decimals
    // The boxes' text, a palette number: 0 black, 12 light red for a clicked point.
    int32_t TypedCoordinatesColour = 0;
    std::string VertexCaption;  // names the vertex whose coordinates the boxes show
    // The plan points there were when the panel opened: those it adds go again when it is cancelled.
    int32_t PlanNodeCountAtOpen = -1;
    // A vertex was assigned, inserted or deleted since the panel opened: the slab's outline is not
    // what the panel shows until the perimeter is assigned.
    bool OutlineEdited = false;
};

// The zoom window's two corners and the rubber band drawn between them.
struct ZoomPanState {
    int32_t DragStartX = -1, DragStartY = 0, DragEndX = 0, DragEndY = 0;  // DragStartX -1: no corner yet
    std::array<int32_t, 4> RubberBandRect{};  // left, top, right, bottom
};

struct HoverState {
    int32_t LastHighlightedIndex = 0;  // what the hover routines lit last, -1 none; shared by them
};

// The concrete slabs the last concrete-slab pick found; only the first count entries mean anything.
struct ConcreteSlabPickState {
    std::vector<int32_t> FoundConcreteSlabs;
};

struct EditorState {
    int32_t InteractionState = Mode::Idle;  // the canvas tool in force
    int32_t SuspendedInteractionState = Mode::Idle;  // the tool a zoom window or a pan resumes
    ReferencePoints Reference;
    DimensionToolState Dimensions;
    SectionToolState Sections;
    RebarToolState Rebar;
    SnapState Snap;
    VertexPanelState VertexPanel;
    ZoomPanState ZoomPan;
    HoverState Hover;
    ConcreteSlabPickState SlabPick;
};

// The mark a rebar tool keeps over the plan: the bar with its grips while they are shown, the
// target line while bars are extended to it.
enum class CanvasOverlay { None, RebarGrips, PickedEdge };

inline CanvasOverlay ActiveOverlay(const EditorState& editor) {
    switch (editor.InteractionState) {
    case Mode::RebarGrips: return CanvasOverlay::RebarGrips;
    case Mode::RebarExtension: return CanvasOverlay::PickedEdge;
    default: return CanvasOverlay::None;
    }
}

// While the vertex panel is open, the perimeter it edits is filled under the plan and outlined over it.
inline bool PerimeterBeingEdited(const EditorState& editor) { return editor.VertexPanel.VertexPanelMode != 0; }
