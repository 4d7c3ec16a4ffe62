#pragma once
// The vertex panel docked beside the canvas while a perimeter is edited: its title, the list of
// vertices, the label of the selected vertex, the two coordinate fields, the five buttons and the
// snap box. Each control runs its step of the perimeter editor; then the panel shows the editor's
// state and asks its window to lay out the canvas and draw the plan again. Its width is what its
// captions need in the interface language.
#include <QFrame>

#include <array>
#include <cstdint>

#include "model/Session.h"
#include "platform/MessageBox.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// What the panel asks of the window it is docked in.
class VertexPanelHost {
public:
    virtual ~VertexPanelHost() = default;
    // The canvas laid out beside the panel as the editor left it, or on the whole width once the
    // panel has closed.
    virtual void LayOutCanvasBesidePanel() = 0;
    // The whole plan drawn again.
    virtual void RedrawPlan() = 0;
};

class VertexPanel : public QFrame {
public:
    VertexPanel(Session& session, MessageBoxes& messages, VertexPanelHost& host, QWidget* parent = nullptr);

    // The controls take the editor's state: the rows, the selected row, the fields with their
    // colour, the vertex label and the snap box.
    void Refresh();
    // The title and the buttons in English; the snap box keeps its caption.
    void UseEnglishCaptions();

    QLabel* titleLabel() const { return titleLabel_; }
    QListWidget* vertexList() const { return vertexList_; }
    QLabel* vertexLabel() const { return vertexLabel_; }
    QLineEdit* coordinateEdit(int axis) const { return coordinateEdits_[static_cast<size_t>(axis)]; }
    // A button by its VertexButton index.
    QPushButton* button(int32_t index) const { return buttons_[static_cast<size_t>(index)]; }
    QCheckBox* osnapCheck() const { return osnapCheck_; }

private:
    void RowChosen();
    void ButtonClicked(int32_t index);
    void SnapClicked();
    // After a step of the panel: the panel shown as it now stands (or gone), the canvas laid out
    // beside it and the plan drawn again.
    void Changed();

    Session& session_;
    MessageBoxes& messages_;
    VertexPanelHost& host_;
    QLabel* titleLabel_ = nullptr;
    QListWidget* vertexList_ = nullptr;
    QLabel* vertexLabel_ = nullptr;
    std::array<QLineEdit*, 2> coordinateEdits_{};
    std::array<QPushButton*, 5> buttons_{};
    QCheckBox* osnapCheck_ = nullptr;
    // A press on a new row changes the current row first: that press is then handled already.
    bool rowJustChanged_ = false;
};
