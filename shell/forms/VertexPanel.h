#pragma once
// The vertex panel's controls in the main window's Frame1: beside the title, the five buttons and
// the snap box that the window puts there, the list of vertices List1, the label of the selected
// vertex Label2(2) and the coordinate fields Text1(0) and Text1(1). Each control runs its step of
// the perimeter editor; then the panel shows the editor's state and the plan is drawn again.
#include <array>

class Form1;
class QLabel;
class QLineEdit;
class QListWidget;

class VertexPanel {
public:
    explicit VertexPanel(Form1& form);

    // The controls take the editor's state: the rows, the selected row, the fields with their
    // colour, the vertex label and the snap box.
    void Refresh();

    void List1_Click();
    void Command1_Click(int index);
    void Check1_Click();

    QListWidget* List1 = nullptr;
    QLabel* Label2 = nullptr;
    std::array<QLineEdit*, 2> Text1{};

private:
    // After a step of the panel: the panel shown as it now stands (or gone), the canvas laid out
    // beside it and the plan drawn again.
    void Changed();

    Form1& form_;
    // A press on a new row changes the current row first: that press is then handled already.
    bool rowJustChanged_ = false;
};
