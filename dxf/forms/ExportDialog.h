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

class ExportDialog : public QDialog {
    Q_OBJECT

public:
    // Opens on `startFolder`, or on the current folder when it is empty. `storeSettings` writes the
    // settings in force to the settings file; `runner` runs the colour picker.
    ExportDialog(Session& session, Platform& platform, const std::string& startFolder,
                 std::function<void()> storeSettings, ModalRunner runner = {}, QWidget* parent = nullptr);

    void Form_Load();
    // Dialog to state; false, after a message naming the field, when a value is refused.
    bool Leggi();
    // State to dialog.
    void AggiornaFormDXF();
    // The counts under the two lists: the data files of the folder, the files chosen.
    void ShowAvailableCount();
    void ShowSelectedCount();
    void ItaEng();

    void DriveChanged();
    void FolderChanged();
    void FileDoubleClicked();
    void TakeoffFileClicked();
    void SwatchClicked(int index);
    void GenerateClicked();
    void ExitClicked();
    void AddClicked();     // add the selected files
    void RemoveClicked();  // remove the first selected entry
    void AddAllClicked();
    void RemoveAllClicked();
    void SaveSettingsClicked();
    void DefaultsClicked();
    void ViewTakeoffClicked();     // show the take-off file
    void PrintRatioHelpClicked();  // explain the print ratio

    // The folder the lists show; DataFolder follows it.
    std::string Folder() const { return folder_; }
    void ShowFolder(const std::string& folder);
    const std::vector<std::string>& SelectedFiles() const { return selected_; }
    const DxfExportResult& LastExport() const { return lastExport_; }

    std::array<int32_t, DialogLayerRows> DialogLayerAci{};
    int32_t PickedAci = 0;

    QComboBox* driveCombo = nullptr;
    QListWidget* folderList = nullptr;
    QListWidget* fileList = nullptr;
    QLabel* availableCountLabel = nullptr;
    QListWidget* selectedList = nullptr;
    QLabel* selectedCountLabel = nullptr;
    QPushButton* addButton = nullptr;
    QPushButton* addAllButton = nullptr;
    QPushButton* removeButton = nullptr;
    QPushButton* removeAllButton = nullptr;
    QGroupBox* layerGroup = nullptr;
    std::array<QLabel*, 2> nameHeaders{};
    std::array<QLabel*, 2> colourHeaders{};
    std::array<QLabel*, 2> drawnHeaders{};  // "Disegna" over each column
    std::array<QLineEdit*, DialogLayerRows> layerNameEdits{};
    std::array<QLabel*, DialogLayerRows> colourSwatches{};
    std::array<QCheckBox*, DialogLayerRows> layerDrawnChecks{};
    QCheckBox* r12Check = nullptr;
    QGroupBox* scaleGroup = nullptr;
    std::array<QRadioButton*, 2> scaleOptions{};  // 1:100, 1:50
    QGroupBox* printRatioGroup = nullptr;
    std::array<QLineEdit*, 2> printRatioEdits{};  // millimetres, units
    QLabel* mmLabel = nullptr;
    QLabel* unitsLabel = nullptr;
    QPushButton* printRatioHelpButton = nullptr;
    QCheckBox* joistTypeCheck = nullptr;
    QCheckBox* beamSectionCheck = nullptr;
    QCheckBox* takeoffFileCheck = nullptr;
    QPushButton* viewTakeoffButton = nullptr;
    QCheckBox* takeoffInDrawingCheck = nullptr;
    QCheckBox* pillarAlignmentCheck = nullptr;
    QCheckBox* spanSymbolCheck = nullptr;
    QCheckBox* upperLowerBarsCheck = nullptr;
    QPushButton* generateButton = nullptr;
    QPushButton* saveSettingsButton = nullptr;
    QPushButton* defaultsButton = nullptr;
    QPushButton* exitButton = nullptr;

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
