#pragma once
// The rebar editor: the number of bars, the diameter, the shape of each end and a lengthening of
// each end of the rebar picked on the canvas. OK writes them into the bar; "Edita graficamente"
// hands the unchanged bar to the graphic edit with grips; Cancel closes without a change. An OK
// whose field holds no number the bar can take says so and leaves the dialog open as typed.
#include <QDialog>

#include <array>

#include "design/RebarEditor.h"
#include "model/Session.h"
#include "platform/MessageBox.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class RebarEditorDialog : public QDialog {
    Q_OBJECT

public:
    // Loaded on the rebar of session.editor's selection; a refused field is told through `messages`.
    RebarEditorDialog(Session& session, MessageBoxes& messages, QWidget* parent = nullptr);

    void Form_Load();
    void OkClicked();
    void GraphicEditClicked();
    void CancelClicked();

    std::array<QGroupBox*, 2> endGroups{};             // the start end, the end end
    std::array<QLabel*, 2> shapeLabels{};              // "Sagoma" in each group
    std::array<QRadioButton*, 2> startShapeOptions{};  // the start's shapes: without and with a hook
    std::array<QRadioButton*, 2> endShapeOptions{};    // the end's shapes
    std::array<QLabel*, 2> stretchLabels{};
    std::array<QLineEdit*, 2> stretchEdits{};  // the stretches of the start and of the end
    std::array<QLabel*, 3> barValueLabels{};
    std::array<QLineEdit*, 3> barValueEdits{};  // number of bars, diameter, length (shown only)
    QPushButton* cancelButton = nullptr;
    QPushButton* okButton = nullptr;
    QPushButton* graphicEditButton = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QGroupBox* MakeEndFrame(int end, std::array<QRadioButton*, 2>& options);
    void GiveEnglishCaptions();
    QLineEdit* FieldOf(RebarEditorField field) const;

    Session& session_;
    MessageBoxes& messages_;
};
