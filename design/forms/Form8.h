#pragma once
// The rebar editor: the number of bars, the diameter, the shape of each end and a lengthening of
// each end of the rebar picked on the canvas. OK writes them into the bar; "Edita graficamente"
// hands the unchanged bar to the graphic edit with grips; Cancel closes without a change.
#include <QDialog>

#include <array>

#include "model/Session.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class Form8 : public QDialog {
    Q_OBJECT

public:
    // Loaded on the rebar of session.editor's selection.
    explicit Form8(Session& session, QWidget* parent = nullptr);

    void Form_Load();
    void Command2_Click();  // OK
    void Command3_Click();  // the graphic edit
    void Command1_Click();  // Cancel

    std::array<QGroupBox*, 2> Frame1{};      // the start end, the end end
    std::array<QLabel*, 2> Label3{};         // "Sagoma" in each frame
    std::array<QRadioButton*, 2> Option1{};   // the start's shapes: without and with a hook
    std::array<QRadioButton*, 2> Option2{};   // the end's shapes
    std::array<QLabel*, 2> Label2{};
    std::array<QLineEdit*, 2> Text2{};       // the stretches of the start and of the end
    std::array<QLabel*, 3> Label1{};
    std::array<QLineEdit*, 3> Text1{};       // number of bars, diameter, length (shown only)
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QGroupBox* MakeEndFrame(int end, std::array<QRadioButton*, 2>& options);
    void GiveEnglishCaptions();

    Session& session_;
};
