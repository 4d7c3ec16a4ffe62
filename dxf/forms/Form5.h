#pragma once
// The DXF export dialog "DXF": the data files to export, picked from a folder; rows 0 to 23 of the
// layer table as the DXF sees them (name, colour number, written or not); the export options, the
// drawing scale, the dialect and the print ratio of the CAD program. Generate takes the values over
// and exports; "Salva impostazioni" takes them over and has the settings file written by the
// function the window gives. A value that would make a bad file is refused with a message that
// names it, and nothing is taken over.
#include <QDialog>

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "dxf/export/DxfExport.h"
#include "dxf/export/ExportDialogValues.h"
#include "model/Session.h"
#include "platform/Platform.h"
#include "platform/qt/ModalRunner.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

class Form5 : public QDialog {
    Q_OBJECT

public:
    // Opens on `startFolder`, or on the current folder when it is empty. `storeSettings` writes the
    // settings in force to the settings file; `runner` runs the colour picker.
    Form5(Session& session, Platform& platform, const std::string& startFolder, std::function<void()> storeSettings,
          ModalRunner runner = {}, QWidget* parent = nullptr);

    void Form_Load();
    // Dialog to state; false, after a message naming the field, when a value is refused.
    bool Leggi();
    // State to dialog.
    void AggiornaFormDXF();
    void LLabe3();
    void LLabe4();
    void ItaEng();

    void Drive1_Change();
    void Dir1_Change();
    void File1_DblClick();
    void Check1_Click();
    void Label5_Click(int index);
    void Command1_Click();   // generate
    void Command2_Click();   // exit
    void Command3_Click();   // add the selected files
    void Command4_Click();   // remove the first selected entry
    void Command5_Click();   // add all
    void Command6_Click();   // remove all
    void Command7_Click();   // store the settings
    void Command8_Click();   // default values
    void Command9_Click();   // show the take-off file
    void Command10_Click();  // explain the print ratio

    // The folder the lists show; DataFolder follows it.
    std::string Folder() const { return folder_; }
    void ShowFolder(const std::string& folder);
    const std::vector<std::string>& SelectedFiles() const { return selected_; }
    const DxfExportResult& LastExport() const { return lastExport_; }

    std::array<int32_t, DialogLayerRows> DialogLayerAci{};
    int32_t PickedAci = 0;

    QComboBox* Drive1 = nullptr;
    QListWidget* Dir1 = nullptr;
    QListWidget* File1 = nullptr;
    QLabel* label3 = nullptr;
    QListWidget* List1 = nullptr;
    QLabel* Label4 = nullptr;
    QPushButton* Command3 = nullptr;
    QPushButton* Command5 = nullptr;
    QPushButton* Command4 = nullptr;
    QPushButton* Command6 = nullptr;
    QGroupBox* Frame1 = nullptr;
    std::array<QLabel*, 2> LabelNome{};
    std::array<QLabel*, 2> LabelColore{};
    std::array<QLabel*, 2> Label6{};  // "Disegna" over each column
    std::array<QLineEdit*, DialogLayerRows> Text1{};
    std::array<QLabel*, DialogLayerRows> Label5{};
    std::array<QCheckBox*, DialogLayerRows> Check2{};
    QCheckBox* Check4 = nullptr;
    QGroupBox* Frame4 = nullptr;
    std::array<QRadioButton*, 2> Option2{};  // 1:100, 1:50
    QGroupBox* Frame5 = nullptr;
    std::array<QLineEdit*, 2> Text2{};       // millimetres, units
    QLabel* Label7 = nullptr;
    QLabel* Label9 = nullptr;
    QPushButton* Command10 = nullptr;
    QCheckBox* Check5 = nullptr;
    QCheckBox* Check3 = nullptr;
    QCheckBox* Check1 = nullptr;
    QPushButton* Command9 = nullptr;
    QCheckBox* Check7 = nullptr;
    QCheckBox* Check11 = nullptr;
    QCheckBox* Check10 = nullptr;
    QCheckBox* Check8 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command7 = nullptr;
    QPushButton* Command8 = nullptr;
    QPushButton* Command2 = nullptr;

private:
    QWidget* BuildFileLists();
    QGroupBox* BuildLayerRows();
    QWidget* BuildOptions();
    ExportDialogValues DialogValues() const;
    void PaintColour(int index);
    void HighlightName(int index, bool on);
    void ShowSelected();
    void Warn(const std::string& text);

    Session& session_;
    Platform& platform_;
    std::function<void()> storeSettings_;
    ModalRunner runner_;
    std::string folder_;
    std::string startFolder_;
    std::vector<std::string> selected_;
    DxfExportResult lastExport_;
};
