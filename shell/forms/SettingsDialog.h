#pragma once
// The settings dialog "Impostazioni": the screen side of the layer table (colours, screen and
// dimension-snap switches), the fill of each element kind, the canvas background, the lateral
// cover and the drawing language. Its two default buttons edit the settings in force directly;
// the rest, the colour picks in DialogColours among it, waits for OK or "Salva opzioni".
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

class SettingsDialog : public QDialog {
    Q_OBJECT

public:
    static constexpr int EditedLayers = 24;

    // `drawPlan` draws the whole plan on the canvas of `platform`; OK calls it.
    SettingsDialog(Session& session, Platform& platform, std::function<void()> drawPlan, QWidget* parent = nullptr);

    // Dialog to settings: the switches, the colour picks, the fill modes, background, language and
    // cover. A cover that is no number takes nothing over: a message says so, and the cover box is
    // selected with what was typed. False then.
    bool LeggiF();
    // Settings to dialog, the cover box apart.
    void ShowSettings();
    // The English captions, for an English interface.
    void ItaEng();

    void Form_Load();
    void OkClicked();              // take over, repaint, close; a refused cover keeps the dialog open
    void CancelClicked();
    void SaveClicked();            // "Salva opzioni": take over and write the settings file
    void DefaultsClicked();        // "Valori di default"
    void DefaultColoursClicked();  // "Colori default" for the background chosen in the dialog
    void SwatchClicked(int index);

    std::array<ColourRef, EditedLayers> DialogColours{};

    QGroupBox* layerGroup = nullptr;
    std::array<QLabel*, 2> nameHeaders{};    // "Nome" over each column of layers
    std::array<QLabel*, 2> colourHeaders{};  // "Colore"
    std::array<QLabel*, 2> shownHeaders{};   // "Attivo"
    QLabel* dimOsnapHeader = nullptr;        // "Osnap quote"
    std::array<QLineEdit*, EditedLayers> layerNameEdits{};
    std::array<QLabel*, EditedLayers> colourSwatches{};
    std::array<QCheckBox*, EditedLayers> layerShownChecks{};
    std::array<QCheckBox*, DimOsnapLayerCount> dimOsnapChecks{};
    QGroupBox* concreteSlabFillGroup = nullptr;
    QGroupBox* floorSlabFillGroup = nullptr;
    QGroupBox* wallFillGroup = nullptr;
    QGroupBox* pillarFillGroup = nullptr;
    std::array<QRadioButton*, 3> concreteSlabFillOptions{};  // full, hatched, outline only
    std::array<QRadioButton*, 3> floorSlabFillOptions{};
    std::array<QRadioButton*, 3> wallFillOptions{};
    std::array<QRadioButton*, 3> pillarFillOptions{};
    QGroupBox* backgroundGroup = nullptr;
    std::array<QRadioButton*, 2> backgroundOptions{};  // black, white
    QPushButton* defaultColoursButton = nullptr;
    QGroupBox* coverGroup = nullptr;
    QLabel* coverLabel = nullptr;
    QLineEdit* coverEdit = nullptr;
    QGroupBox* drawingLanguageGroup = nullptr;
    std::array<QRadioButton*, 2> drawingLanguageOptions{};  // Italian, English
    QPushButton* okButton = nullptr;
    QPushButton* cancelButton = nullptr;
    QPushButton* saveButton = nullptr;
    QPushButton* defaultsButton = nullptr;

private:
    void BuildLayerRows();
    QGroupBox* FillGroup(const char* caption, std::array<QRadioButton*, 3>& options);
    void BuildOptions();
    void PaintSwatch(int index);

    Session& session_;
    Platform& platform_;
    std::function<void()> drawPlan_;
};
