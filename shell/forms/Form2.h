#pragma once
// The settings dialog "Impostazioni": the screen side of the layer table (colours, screen and
// dimension-snap switches), the fill of each element kind, the canvas background, the lateral
// cover and the drawing language. It edits the settings in force directly; only the colour picks
// wait in DialogColours for OK or "Salva opzioni".
#include <QDialog>

#include <array>
#include <functional>

#include "model/Session.h"
#include "platform/Platform.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class Form2 : public QDialog {
    Q_OBJECT

public:
    static constexpr int EditedLayers = 24;

    // `drawPlan` draws the whole plan on the canvas of `platform`; OK calls it.
    Form2(Session& session, Platform& platform, std::function<void()> drawPlan, QWidget* parent = nullptr);

    // Dialog to settings: the switches, the colour picks, the fill modes, background, language and
    // cover. A cover that is no number keeps the one in force, after a message that says so.
    void LeggiF();
    // Settings to dialog, the cover box apart.
    void AggiornaForm2();
    // The English captions, for an English interface.
    void ItaEng();

    void Form_Load();
    void Command1_Click();  // OK: take over, repaint, close
    void Command2_Click();  // cancel
    void Command3_Click();  // "Salva opzioni": take over and write the settings file
    void Command4_Click();  // "Valori di default"
    void Command5_Click();  // "Colori default" for the background chosen in the dialog
    void Label8_Click(int index);

    std::array<ColourRef, EditedLayers> DialogColours{};

    QGroupBox* Frame4 = nullptr;
    std::array<QLabel*, 2> Label2{};  // "Nome" over each column of layers
    std::array<QLabel*, 2> Label1{};  // "Colore"
    std::array<QLabel*, 2> Label6{};  // "Attivo"
    QLabel* Label3 = nullptr;         // "Osnap quote"
    std::array<QLineEdit*, EditedLayers> Text2{};
    std::array<QLabel*, EditedLayers> Label8{};
    std::array<QCheckBox*, EditedLayers> Check4{};
    std::array<QCheckBox*, DimOsnapLayerCount> Check1{};
    QGroupBox* Frame1 = nullptr;
    QGroupBox* Frame2 = nullptr;
    QGroupBox* Frame3 = nullptr;
    QGroupBox* Frame5 = nullptr;
    std::array<QRadioButton*, 3> Option1{};  // concrete slabs
    std::array<QRadioButton*, 3> Option2{};  // floor slabs
    std::array<QRadioButton*, 3> Option3{};  // walls
    std::array<QRadioButton*, 3> Option4{};  // pillars
    QGroupBox* Frame7 = nullptr;
    std::array<QRadioButton*, 2> Option5{};  // black, white
    QPushButton* Command5 = nullptr;
    QGroupBox* Frame6 = nullptr;
    QLabel* Label7 = nullptr;
    QLineEdit* Text1 = nullptr;
    QGroupBox* Frame8 = nullptr;
    std::array<QRadioButton*, 2> Option6{};  // Italian, English
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
    QPushButton* Command4 = nullptr;

private:
    void BuildLayerRows();
    QGroupBox* FillGroup(const char* caption, std::array<QRadioButton*, 3>& options);
    void BuildOptions();
    void PaintSwatch(int index);

    Session& session_;
    Platform& platform_;
    std::function<void()> drawPlan_;
};
