#include "dxf/forms/ExportDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "drawing/LayerDefaults.h"
#include "dxf/export/AciPalette.h"
#include "dxf/forms/ColourPicker.h"
#include "model/common/Helpers.h"
#include "platform/TextEncoding.h"
#include "platform/qt/ClickableSwatch.h"

namespace {

namespace fs = std::filesystem;

constexpr int RowsPerColumn = 12;
// The lists' width: narrow enough for the whole dialog to fit a screen 1024 pixels wide beside the
// layer rows, whose names are shown whole; longer file names scroll.
constexpr int FileListMinimumWidth = 130;
constexpr int LayerNameMinimumWidth = 150;
constexpr const char* DriveError = "Errore di unità";
constexpr Bilingual AvailableFiles{" file dati disponibili", " available files"};
constexpr Bilingual SelectedFilesText{" file dati per generazione DXF", " selected files to dxf"};
constexpr const char* PrintHelpTitle = "Guida stampa";
constexpr Bilingual PrintHelp{
    "Rapporto di scala con cui si eseguirà la stampa dal programma CAD.\n"
    "Utilizzando il rapporto 1 mm = 10 unità, nella finestra di stampa del CAD, si otterrà un disegno stampato in "
    "scala 1:50, se ho scelto nella casella superiore (Scala del disegno) l'opzione 1:50, altrimenti 1:100.\n"
    "Es: 1 mm = 5 unità, con 'Scala del disegno' 1:50 -> otterrò che nel CAD un metro misurerà 100 unità.",
    "Scaleratio with which you will print from the CAD program.\n"
    "Using this report, in the CAD Print window, you'll get a printed drawing scale of 1:50, if I chose in the box "
    "(Drawing scale) 1:50 option, as an alternative to 1:100.\n"
    "Example: 1 mm = 5 units -> I'll get that in a CAD meter will measure 100 units."};
constexpr Bilingual ViewerNotStarted{"Impossibile mostrare il file %1.", "The file %1 could not be shown."};

QString Text(const std::string& text) { return QString::fromStdString(text); }
int32_t Ticked(const QCheckBox* box) { return box->isChecked() ? 1 : 0; }

// The folder as the lists show it: absolute, without a trailing separator but at the root.
std::string PlainFolder(const std::string& folder) {
    std::error_code error;
    fs::path path = fs::absolute(folder.empty() ? fs::current_path(error) : fs::path(folder), error);
    path = path.lexically_normal();
    std::string text = path.string();
    while (text.size() > 1 && text.back() == '/') text.pop_back();
    return text;
}

std::string DriveOf(const std::string& folder) { return fs::path(folder).root_path().string(); }

bool IsReadableFolder(const std::string& folder) {
    std::error_code error;
    fs::directory_iterator it(folder, error);
    return !error;
}

}  // namespace

ExportDialog::ExportDialog(Session& session, Platform& platform, const std::string& startFolder,
                           std::function<void()> storeSettings, ModalRunner runner, QWidget* parent)
    : QDialog(parent),
      session_(session),
      platform_(platform),
      storeSettings_(std::move(storeSettings)),
      runner_(std::move(runner)),
      startFolder_(startFolder) {
    setWindowTitle(QStringLiteral("DXF"));
    auto* top = new QHBoxLayout;
    top->addWidget(BuildFileLists(), 0);
    top->addWidget(BuildLayerRows(), 1);

    generateButton = new QPushButton(QStringLiteral("Genera File &DXF"), this);
    saveSettingsButton = new QPushButton(QStringLiteral("Salva impostazioni"), this);
    defaultsButton = new QPushButton(QStringLiteral("Impostazioni di default"), this);
    exitButton = new QPushButton(QStringLiteral("&Esci"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(defaultsButton);
    buttons->addWidget(saveSettingsButton);
    buttons->addStretch(1);
    buttons->addWidget(generateButton);
    buttons->addWidget(exitButton);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(BuildOptions());
    layout->addLayout(buttons);

    connect(generateButton, &QPushButton::clicked, this, [this] { GenerateClicked(); });
    connect(exitButton, &QPushButton::clicked, this, [this] { ExitClicked(); });
    connect(addButton, &QPushButton::clicked, this, [this] { AddClicked(); });
    connect(removeButton, &QPushButton::clicked, this, [this] { RemoveClicked(); });
    connect(addAllButton, &QPushButton::clicked, this, [this] { AddAllClicked(); });
    connect(removeAllButton, &QPushButton::clicked, this, [this] { RemoveAllClicked(); });
    connect(saveSettingsButton, &QPushButton::clicked, this, [this] { SaveSettingsClicked(); });
    connect(defaultsButton, &QPushButton::clicked, this, [this] { DefaultsClicked(); });
    connect(viewTakeoffButton, &QPushButton::clicked, this, [this] { ViewTakeoffClicked(); });
    connect(printRatioHelpButton, &QPushButton::clicked, this, [this] { PrintRatioHelpClicked(); });
    connect(takeoffFileCheck, &QCheckBox::toggled, this, [this] { TakeoffFileClicked(); });
    connect(driveCombo, &QComboBox::activated, this, [this] { DriveChanged(); });
    // The folder list is filled again once the activation is over: its items belong to that signal.
    connect(folderList, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        const std::string folder = item->data(Qt::UserRole).toString().toStdString();
        QMetaObject::invokeMethod(this, [this, folder] { ShowFolder(folder); }, Qt::QueuedConnection);
    });
    connect(fileList, &QListWidget::itemDoubleClicked, this, [this] { FileDoubleClicked(); });
    Form_Load();
}

QWidget* ExportDialog::BuildFileLists() {
    auto* box = new QWidget(this);
    driveCombo = new QComboBox(box);
    for (const QFileInfo& drive : QDir::drives()) driveCombo->addItem(drive.absolutePath());
    folderList = new QListWidget(box);
    fileList = new QListWidget(box);
    fileList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    availableCountLabel = new QLabel(box);
    selectedList = new QListWidget(box);
    selectedList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    selectedCountLabel = new QLabel(box);
    addButton = new QPushButton(QStringLiteral("Aggiungi  >>"), box);
    addAllButton = new QPushButton(QStringLiteral("Aggiungi tutti >>"), box);
    removeButton = new QPushButton(QStringLiteral("<< Rimuovi"), box);
    removeAllButton = new QPushButton(QStringLiteral("<< Rimuovi tutti"), box);
    for (QListWidget* list : {folderList, fileList, selectedList}) list->setMinimumWidth(FileListMinimumWidth);
    // The counts go on two lines rather than widen the lists.
    for (QLabel* count : {availableCountLabel, selectedCountLabel}) count->setWordWrap(true);

    auto* browse = new QVBoxLayout;
    browse->addWidget(driveCombo);
    browse->addWidget(folderList, 1);
    browse->addWidget(fileList, 1);
    browse->addWidget(availableCountLabel);
    auto* moves = new QVBoxLayout;
    moves->addStretch(1);
    for (QPushButton* button : {addButton, addAllButton, removeButton, removeAllButton}) moves->addWidget(button);
    moves->addStretch(1);
    auto* chosen = new QVBoxLayout;
    chosen->addWidget(selectedList, 1);
    chosen->addWidget(selectedCountLabel);
    auto* layout = new QHBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(browse);
    layout->addLayout(moves);
    layout->addLayout(chosen);
    return box;
}

QGroupBox* ExportDialog::BuildLayerRows() {
    layerGroup = new QGroupBox(QStringLiteral("Layer"), this);
    auto* grid = new QGridLayout(layerGroup);
    grid->setVerticalSpacing(2);
    for (int column = 0; column < 2; ++column) {
        const int at = column * 4;
        nameHeaders[column] = new QLabel(QStringLiteral("Nome"), layerGroup);
        colourHeaders[column] = new QLabel(QStringLiteral("Colore"), layerGroup);
        drawnHeaders[column] = new QLabel(QStringLiteral("Disegna"), layerGroup);
        grid->addWidget(nameHeaders[column], 0, at);
        grid->addWidget(colourHeaders[column], 0, at + 1);
        grid->addWidget(drawnHeaders[column], 0, at + 2);
    }
    grid->setColumnMinimumWidth(3, 14);
    for (int i = 0; i < DialogLayerRows; ++i) {
        const int row = 1 + i % RowsPerColumn, at = (i / RowsPerColumn) * 4;
        layerNameEdits[i] = new QLineEdit(layerGroup);
        layerNameEdits[i]->setObjectName(QStringLiteral("layerNameEdit%1").arg(i));
        layerNameEdits[i]->setMinimumWidth(LayerNameMinimumWidth);
        colourSwatches[i] = new ClickableSwatch(layerGroup, [this, i] { SwatchClicked(i); }, QSize(40, 20));
        colourSwatches[i]->setAlignment(Qt::AlignCenter);
        layerDrawnChecks[i] = new QCheckBox(layerGroup);
        grid->addWidget(layerNameEdits[i], row, at);
        grid->addWidget(colourSwatches[i], row, at + 1);
        grid->addWidget(layerDrawnChecks[i], row, at + 2, Qt::AlignCenter);
    }
    return layerGroup;
}

QWidget* ExportDialog::BuildOptions() {
    auto* box = new QWidget(this);
    r12Check = new QCheckBox(QStringLiteral("DXF vers. R12"), box);
    scaleGroup = new QGroupBox(QStringLiteral("Scala del disegno"), box);
    scaleOptions[0] = new QRadioButton(QStringLiteral("1:100"), scaleGroup);
    scaleOptions[1] = new QRadioButton(QStringLiteral("1:50"), scaleGroup);
    auto* scale = new QHBoxLayout(scaleGroup);
    scale->addWidget(scaleOptions[0]);
    scale->addWidget(scaleOptions[1]);

    printRatioGroup = new QGroupBox(QStringLiteral("Scala di stampa programma CAD"), box);
    printRatioEdits[0] = new QLineEdit(printRatioGroup);
    mmLabel = new QLabel(QStringLiteral("mm ="), printRatioGroup);
    printRatioEdits[1] = new QLineEdit(printRatioGroup);
    unitsLabel = new QLabel(QStringLiteral("unità"), printRatioGroup);
    printRatioHelpButton = new QPushButton(QStringLiteral("?"), printRatioGroup);
    for (QLineEdit* field : printRatioEdits) field->setMaximumWidth(60);
    printRatioHelpButton->setMaximumWidth(30);
    auto* print = new QHBoxLayout(printRatioGroup);
    print->addWidget(printRatioEdits[0]);
    print->addWidget(mmLabel);
    print->addWidget(printRatioEdits[1]);
    print->addWidget(unitsLabel);
    print->addWidget(printRatioHelpButton);

    joistTypeCheck = new QCheckBox(QStringLiteral("Tipologia travetti dei solai"), box);
    beamSectionCheck = new QCheckBox(QStringLiteral("Dimensione sezione travi rettangolari"), box);
    takeoffFileCheck = new QCheckBox(QStringLiteral("File di testo computo ( *.TXT )"), box);
    viewTakeoffButton = new QPushButton(QStringLiteral("Vedi computo TXT"), box);
    takeoffInDrawingCheck = new QCheckBox(QStringLiteral("Computo nel disegno DXF"), box);
    pillarAlignmentCheck = new QCheckBox(QStringLiteral("Filo pilastri"), box);
    spanSymbolCheck = new QCheckBox(QStringLiteral("Simbolo orditura solai"), box);
    upperLowerBarsCheck = new QCheckBox(QStringLiteral("Indica ferri sup. e inf."), box);

    auto* scales = new QVBoxLayout;
    scales->addWidget(r12Check);
    scales->addWidget(scaleGroup);
    scales->addWidget(printRatioGroup);
    auto* labels = new QVBoxLayout;
    labels->addWidget(joistTypeCheck);
    labels->addWidget(beamSectionCheck);
    labels->addWidget(pillarAlignmentCheck);
    labels->addWidget(spanSymbolCheck);
    auto* more = new QVBoxLayout;
    more->addWidget(upperLowerBarsCheck);
    more->addWidget(takeoffInDrawingCheck);
    auto* takeoff = new QHBoxLayout;
    takeoff->addWidget(takeoffFileCheck);
    takeoff->addWidget(viewTakeoffButton);
    more->addLayout(takeoff);
    more->addStretch(1);
    auto* layout = new QHBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(scales);
    layout->addSpacing(16);
    layout->addLayout(labels);
    layout->addSpacing(16);
    layout->addLayout(more);
    layout->addStretch(1);
    return box;
}

void ExportDialog::Form_Load() {
    ItaEng();
    ShowFolder(startFolder_);
    AggiornaFormDXF();
    adjustSize();
    ShowSelectedCount();
    ShowAvailableCount();
}

void ExportDialog::ItaEng() {
    if (session_.shell.Languages.UiLanguage == 0) return;
    defaultsButton->setText(QStringLiteral("Default file"));
    saveSettingsButton->setText(QStringLiteral("&Save setting"));
    generateButton->setText(QStringLiteral("File &DXF"));
    exitButton->setText(QStringLiteral("&Exit"));
    addButton->setText(QStringLiteral("Add >"));
    addAllButton->setText(QStringLiteral("Add all >>"));
    removeButton->setText(QStringLiteral("< Remove"));
    removeAllButton->setText(QStringLiteral("<< Remove all"));
    scaleGroup->setTitle(QStringLiteral("Drawing scale"));
    printRatioGroup->setTitle(QStringLiteral("Print scale of the CAD program"));
    spanSymbolCheck->setText(QStringLiteral("Symbol indicating the warping of the floor slabs"));
    pillarAlignmentCheck->setText(QStringLiteral("Pillar alignments"));
    upperLowerBarsCheck->setText(QStringLiteral("Note upper and lower rebars"));
    takeoffFileCheck->setText(QStringLiteral("Txt file computation"));
    takeoffInDrawingCheck->setText(QStringLiteral("Include computation in DXF file"));
    beamSectionCheck->setText(QStringLiteral("Section size for rect. beams"));
    viewTakeoffButton->setText(QStringLiteral("View TXT computation"));
    unitsLabel->setText(QStringLiteral("units"));
    for (QLabel* label : drawnHeaders) label->setText(QStringLiteral("Draw"));
}

void ExportDialog::ShowFolder(const std::string& folder) {
    folder_ = PlainFolder(folder);
    const QString drive = Text(DriveOf(folder_));
    if (const int at = driveCombo->findText(drive); at >= 0) driveCombo->setCurrentIndex(at);
    // The folder's ancestors, each one step further in, then its subfolders.
    folderList->clear();
    const fs::path path(folder_);
    fs::path walked;
    int depth = 0;
    for (const fs::path& part : path) {
        walked /= part;
        if (part.empty()) continue;
        auto* item = new QListWidgetItem(QString(depth * 2, ' ') + Text(part.string()), folderList);
        item->setData(Qt::UserRole, Text(walked.string()));
        ++depth;
    }
    folderList->setCurrentRow(folderList->count() - 1);
    std::vector<std::string> children;
    std::error_code error;
    for (fs::directory_iterator it(path, error), end; !error && it != end; it.increment(error)) {
        std::error_code kind;
        if (it->is_directory(kind)) children.push_back(it->path().filename().string());
    }
    std::sort(children.begin(), children.end());
    for (const std::string& child : children) {
        auto* item = new QListWidgetItem(QString(depth * 2, ' ') + Text(child), folderList);
        item->setData(Qt::UserRole, Text((path / child).string()));
    }
    FolderChanged();
}

void ExportDialog::FolderChanged() {
    fileList->clear();
    for (const std::string& name : DataFilesIn(folder_)) fileList->addItem(Text(name));
    session_.shell.Document.DataFolder = folder_;
    ShowAvailableCount();
}

void ExportDialog::DriveChanged() {
    const std::string drive = driveCombo->currentText().toStdString();
    std::error_code error;
    const std::string current = fs::current_path(error).string();
    const std::string target = !error && current.starts_with(drive) ? current : drive;
    if (!IsReadableFolder(target)) {
        Warn(DriveError);
        if (const int at = driveCombo->findText(Text(DriveOf(folder_))); at >= 0) driveCombo->setCurrentIndex(at);
        return;
    }
    ShowFolder(target);
}

void ExportDialog::FileDoubleClicked() { AddClicked(); }

void ExportDialog::ShowAvailableCount() {
    availableCountLabel->setText(" " + QString::number(fileList->count()) +
                                 Text(UiText(AvailableFiles, session_.shell.Languages)));
}

void ExportDialog::ShowSelectedCount() {
    selectedCountLabel->setText(" " + QString::number(selectedList->count()) +
                                Text(UiText(SelectedFilesText, session_.shell.Languages)));
}

void ExportDialog::ShowSelected() {
    selectedList->clear();
    for (const std::string& name : selected_) selectedList->addItem(Text(name));
    ShowSelectedCount();
}

void ExportDialog::AddClicked() {
    std::vector<std::string> names;
    for (int row = 0; row < fileList->count(); ++row)
        if (fileList->item(row)->isSelected()) names.push_back(fileList->item(row)->text().toStdString());
    AddSelectedDataFiles(selected_, names);
    ShowSelected();
}

void ExportDialog::AddAllClicked() {
    std::vector<std::string> names;
    for (int row = 0; row < fileList->count(); ++row) names.push_back(fileList->item(row)->text().toStdString());
    selected_.clear();
    AddSelectedDataFiles(selected_, names);
    ShowSelected();
}

void ExportDialog::RemoveClicked() {
    for (int row = 0; row < selectedList->count(); ++row) {
        if (!selectedList->item(row)->isSelected()) continue;
        selected_.erase(selected_.begin() + row);
        break;
    }
    ShowSelected();
}

void ExportDialog::RemoveAllClicked() {
    selected_.clear();
    ShowSelected();
}

void ExportDialog::AggiornaFormDXF() {
    const ExportDialogValues values = ExportDialogValuesOf(session_);
    for (int i = 0; i < DialogLayerRows; ++i) {
        layerNameEdits[i]->setText(Text(AnsiToUtf8(values.LayerNames[i])));
        DialogLayerAci[i] = values.LayerAci[i];
        PaintColour(i);
        layerDrawnChecks[i]->setChecked(values.LayerDxfOn[i] != 0);
    }
    scaleOptions[values.DxfScaleIs50 != 0 ? 1 : 0]->setChecked(true);
    joistTypeCheck->setChecked(values.JoistTypeLabels != 0);
    upperLowerBarsCheck->setChecked(values.DxfMarkUpperLowerBars != 0);
    beamSectionCheck->setChecked(values.BeamSectionLabels != 0);
    spanSymbolCheck->setChecked(values.DxfSpanSymbol != 0);
    pillarAlignmentCheck->setChecked(values.PillarAlignment != 0);
    takeoffInDrawingCheck->setChecked(values.DxfTakeoffInDrawing != 0);
    takeoffFileCheck->setChecked(values.TakeoffTextFile != 0);
    TakeoffFileClicked();
    printRatioEdits[0]->setText(Text(values.CadPrintMm));
    printRatioEdits[1]->setText(Text(values.CadPrintUnits));
    r12Check->setChecked(values.DxfR12 != 0);
}

ExportDialogValues ExportDialog::DialogValues() const {
    ExportDialogValues values;
    for (int i = 0; i < DialogLayerRows; ++i) {
        values.LayerNames[i] = Utf8ToAnsi(layerNameEdits[i]->text().toStdString());
        values.LayerAci[i] = DialogLayerAci[i];
        values.LayerDxfOn[i] = Ticked(layerDrawnChecks[i]);
    }
    values.DxfScaleIs50 = scaleOptions[0]->isChecked() ? 0 : 1;
    values.DxfMarkUpperLowerBars = Ticked(upperLowerBarsCheck);
    values.DxfSpanSymbol = Ticked(spanSymbolCheck);
    values.PillarAlignment = Ticked(pillarAlignmentCheck);
    values.DxfTakeoffInDrawing = Ticked(takeoffInDrawingCheck);
    values.TakeoffTextFile = Ticked(takeoffFileCheck);
    values.BeamSectionLabels = Ticked(beamSectionCheck);
    values.JoistTypeLabels = Ticked(joistTypeCheck);
    values.CadPrintMm = printRatioEdits[0]->text().toStdString();
    values.CadPrintUnits = printRatioEdits[1]->text().toStdString();
    values.DxfR12 = Ticked(r12Check);
    return values;
}

bool ExportDialog::Leggi() {
    const std::optional<ExportDialogRefusal> refusal = TakeExportDialogValues(DialogValues(), session_);
    if (!refusal) return true;
    Warn(refusal->Message);
    QLineEdit* field = nullptr;
    switch (refusal->Field) {
        case ExportDialogField::LayerName: field = layerNameEdits[refusal->Row]; break;
        case ExportDialogField::CadPrintMm:
            field = printRatioEdits[0];
            field->setText(Text(FormatRounded(session_.dxf.CadPrintMm, 3)));
            break;
        case ExportDialogField::CadPrintUnits:
            field = printRatioEdits[1];
            field->setText(Text(FormatRounded(session_.dxf.CadPrintUnits, 3)));
            break;
    }
    field->setFocus();
    field->selectAll();
    return false;
}

void ExportDialog::GenerateClicked() {
    if (!Leggi()) return;
    setCursor(Qt::WaitCursor);
    lastExport_ = ExportSelectedDataFiles(session_, platform_, selected_, folder_);
    unsetCursor();
}

void ExportDialog::ExitClicked() { reject(); }

void ExportDialog::SaveSettingsClicked() {
    if (Leggi() && storeSettings_) storeSettings_();
}

void ExportDialog::DefaultsClicked() {
    SetDefaultLayersAndOptions(session_.drawing, session_.shell.Options, session_.design, session_.dxf);
    AggiornaFormDXF();
}

void ExportDialog::ViewTakeoffClicked() {
    const std::string& path = session_.dxf.TakeoffTextPath;
    if (path.empty() || !FileExists(path)) return;
    if (!platform_.programs.OpenTextFile(path)) Warn(UiText(ViewerNotStarted, session_.shell.Languages, {path}));
}

void ExportDialog::PrintRatioHelpClicked() {
    platform_.messages.Show(PrintHelpTitle, UiText(PrintHelp, session_.shell.Languages), MsgButtons::Ok,
                            MsgIcon::Information);
}

void ExportDialog::TakeoffFileClicked() { viewTakeoffButton->setEnabled(takeoffFileCheck->isChecked()); }

void ExportDialog::SwatchClicked(int index) {
    HighlightName(index, true);
    PickedAci = DialogLayerAci[index];
    ColourPicker picker(PickedAci, this);
    RunModal(runner_, picker);
    DialogLayerAci[index] = PickedAci;
    PaintColour(index);
    HighlightName(index, false);
}

void ExportDialog::PaintColour(int index) {
    const int32_t aci = DialogLayerAci[index];
    const ColourRef colour = AciToColor(aci);
    // The number stays readable on dark and light swatches alike.
    const int luminance = (299 * RedOf(colour) + 587 * GreenOf(colour) + 114 * BlueOf(colour)) / 1000;
    colourSwatches[index]->setText(QString::number(aci));
    colourSwatches[index]->setStyleSheet(
        QStringLiteral("background-color: rgb(%1, %2, %3); color: %4; border: 1px solid gray;")
            .arg(RedOf(colour))
            .arg(GreenOf(colour))
            .arg(BlueOf(colour))
            .arg(luminance < 128 ? "white" : "black"));
}

void ExportDialog::HighlightName(int index, bool on) {
    layerNameEdits[index]->setStyleSheet(on ? QStringLiteral("background-color: #000080; color: white;") : QString());
}

void ExportDialog::Warn(const std::string& text) {
    platform_.messages.Show(GetWarningTitle(session_.shell.Languages), text, MsgButtons::Ok, MsgIcon::Exclamation);
}
