#include "dxf/forms/Form5.h"

#include <QApplication>
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
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "drawing/LayerDefaults.h"
#include "dxf/export/AciPalette.h"
#include "dxf/forms/Form_Selettore_Colore.h"
#include "model/common/Helpers.h"
#include "platform/TextEncoding.h"
#include "platform/qt/ClickableSwatch.h"

namespace {

namespace fs = std::filesystem;

constexpr int RowsPerColumn = 12;
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

Form5::Form5(Session& session, Platform& platform, const std::string& startFolder,
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

    Command1 = new QPushButton(QStringLiteral("Genera File &DXF"), this);
    Command7 = new QPushButton(QStringLiteral("Salva impostazioni"), this);
    Command8 = new QPushButton(QStringLiteral("Impostazioni di default"), this);
    Command2 = new QPushButton(QStringLiteral("&Esci"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Command8);
    buttons->addWidget(Command7);
    buttons->addStretch(1);
    buttons->addWidget(Command1);
    buttons->addWidget(Command2);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(BuildOptions());
    layout->addLayout(buttons);

    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(Command3, &QPushButton::clicked, this, [this] { Command3_Click(); });
    connect(Command4, &QPushButton::clicked, this, [this] { Command4_Click(); });
    connect(Command5, &QPushButton::clicked, this, [this] { Command5_Click(); });
    connect(Command6, &QPushButton::clicked, this, [this] { Command6_Click(); });
    connect(Command7, &QPushButton::clicked, this, [this] { Command7_Click(); });
    connect(Command8, &QPushButton::clicked, this, [this] { Command8_Click(); });
    connect(Command9, &QPushButton::clicked, this, [this] { Command9_Click(); });
    connect(Command10, &QPushButton::clicked, this, [this] { Command10_Click(); });
    connect(Check1, &QCheckBox::toggled, this, [this] { Check1_Click(); });
    connect(Drive1, &QComboBox::activated, this, [this] { Drive1_Change(); });
    // The folder list is filled again once the activation is over: its items belong to that signal.
    connect(Dir1, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        const std::string folder = item->data(Qt::UserRole).toString().toStdString();
        QMetaObject::invokeMethod(this, [this, folder] { ShowFolder(folder); }, Qt::QueuedConnection);
    });
    connect(File1, &QListWidget::itemDoubleClicked, this, [this] { File1_DblClick(); });
    Form_Load();
}

QWidget* Form5::BuildFileLists() {
    auto* box = new QWidget(this);
    Drive1 = new QComboBox(box);
    for (const QFileInfo& drive : QDir::drives()) Drive1->addItem(drive.absolutePath());
    Dir1 = new QListWidget(box);
    File1 = new QListWidget(box);
    File1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    label3 = new QLabel(box);
    List1 = new QListWidget(box);
    List1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    Label4 = new QLabel(box);
    Command3 = new QPushButton(QStringLiteral("Aggiungi  >>"), box);
    Command5 = new QPushButton(QStringLiteral("Aggiungi tutti >>"), box);
    Command4 = new QPushButton(QStringLiteral("<< Rimuovi"), box);
    Command6 = new QPushButton(QStringLiteral("<< Rimuovi tutti"), box);
    for (QListWidget* list : {Dir1, File1, List1}) list->setMinimumWidth(190);

    auto* browse = new QVBoxLayout;
    browse->addWidget(Drive1);
    browse->addWidget(Dir1, 1);
    browse->addWidget(File1, 1);
    browse->addWidget(label3);
    auto* moves = new QVBoxLayout;
    moves->addStretch(1);
    for (QPushButton* button : {Command3, Command5, Command4, Command6}) moves->addWidget(button);
    moves->addStretch(1);
    auto* chosen = new QVBoxLayout;
    chosen->addWidget(List1, 1);
    chosen->addWidget(Label4);
    auto* layout = new QHBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(browse);
    layout->addLayout(moves);
    layout->addLayout(chosen);
    return box;
}

QGroupBox* Form5::BuildLayerRows() {
    Frame1 = new QGroupBox(QStringLiteral("Layer"), this);
    auto* grid = new QGridLayout(Frame1);
    grid->setVerticalSpacing(2);
    for (int column = 0; column < 2; ++column) {
        const int at = column * 4;
        LabelNome[column] = new QLabel(QStringLiteral("Nome"), Frame1);
        LabelColore[column] = new QLabel(QStringLiteral("Colore"), Frame1);
        Label6[column] = new QLabel(QStringLiteral("Disegna"), Frame1);
        grid->addWidget(LabelNome[column], 0, at);
        grid->addWidget(LabelColore[column], 0, at + 1);
        grid->addWidget(Label6[column], 0, at + 2);
    }
    grid->setColumnMinimumWidth(3, 14);
    for (int i = 0; i < DialogLayerRows; ++i) {
        const int row = 1 + i % RowsPerColumn, at = (i / RowsPerColumn) * 4;
        Text1[i] = new QLineEdit(Frame1);
        Text1[i]->setObjectName(QStringLiteral("Text1_%1").arg(i));
        Text1[i]->setMinimumWidth(150);
        Label5[i] = new ClickableSwatch(Frame1, [this, i] { Label5_Click(i); }, QSize(40, 20));
        Label5[i]->setAlignment(Qt::AlignCenter);
        Check2[i] = new QCheckBox(Frame1);
        grid->addWidget(Text1[i], row, at);
        grid->addWidget(Label5[i], row, at + 1);
        grid->addWidget(Check2[i], row, at + 2, Qt::AlignCenter);
    }
    return Frame1;
}

QWidget* Form5::BuildOptions() {
    auto* box = new QWidget(this);
    Check4 = new QCheckBox(QStringLiteral("DXF vers. R12"), box);
    Frame4 = new QGroupBox(QStringLiteral("Scala del disegno"), box);
    Option2[0] = new QRadioButton(QStringLiteral("1:100"), Frame4);
    Option2[1] = new QRadioButton(QStringLiteral("1:50"), Frame4);
    auto* scale = new QHBoxLayout(Frame4);
    scale->addWidget(Option2[0]);
    scale->addWidget(Option2[1]);

    Frame5 = new QGroupBox(QStringLiteral("Scala di stampa programma CAD"), box);
    Text2[0] = new QLineEdit(Frame5);
    Label7 = new QLabel(QStringLiteral("mm ="), Frame5);
    Text2[1] = new QLineEdit(Frame5);
    Label9 = new QLabel(QStringLiteral("unità"), Frame5);
    Command10 = new QPushButton(QStringLiteral("?"), Frame5);
    for (QLineEdit* field : Text2) field->setMaximumWidth(60);
    Command10->setMaximumWidth(30);
    auto* print = new QHBoxLayout(Frame5);
    print->addWidget(Text2[0]);
    print->addWidget(Label7);
    print->addWidget(Text2[1]);
    print->addWidget(Label9);
    print->addWidget(Command10);

    Check5 = new QCheckBox(QStringLiteral("Tipologia travetti dei solai"), box);
    Check3 = new QCheckBox(QStringLiteral("Dimensione sezione travi rettangolari"), box);
    Check1 = new QCheckBox(QStringLiteral("File di testo computo ( *.TXT )"), box);
    Command9 = new QPushButton(QStringLiteral("Vedi computo TXT"), box);
    Check7 = new QCheckBox(QStringLiteral("Computo nel disegno DXF"), box);
    Check11 = new QCheckBox(QStringLiteral("Filo pilastri"), box);
    Check10 = new QCheckBox(QStringLiteral("Simbolo orditura solai"), box);
    Check8 = new QCheckBox(QStringLiteral("Indica ferri sup. e inf."), box);

    auto* scales = new QVBoxLayout;
    scales->addWidget(Check4);
    scales->addWidget(Frame4);
    scales->addWidget(Frame5);
    auto* labels = new QVBoxLayout;
    labels->addWidget(Check5);
    labels->addWidget(Check3);
    labels->addWidget(Check11);
    labels->addWidget(Check10);
    auto* more = new QVBoxLayout;
    more->addWidget(Check8);
    more->addWidget(Check7);
    auto* takeoff = new QHBoxLayout;
    takeoff->addWidget(Check1);
    takeoff->addWidget(Command9);
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

void Form5::Form_Load() {
    ItaEng();
    ShowFolder(startFolder_);
    AggiornaFormDXF();
    adjustSize();
    if (const QScreen* screen = QApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move((area.width() - width()) / 2, (area.height() - height()) / 2);
    }
    LLabe4();
    LLabe3();
}

void Form5::ItaEng() {
    if (session_.shell.Languages.UiLanguage == 0) return;
    Command8->setText(QStringLiteral("Default file"));
    Command7->setText(QStringLiteral("&Save setting"));
    Command1->setText(QStringLiteral("File &DXF"));
    Command2->setText(QStringLiteral("&Exit"));
    Command3->setText(QStringLiteral("Add >"));
    Command5->setText(QStringLiteral("Add all >>"));
    Command4->setText(QStringLiteral("< Remove"));
    Command6->setText(QStringLiteral("<< Remove all"));
    Frame4->setTitle(QStringLiteral("Drawing scale"));
    Frame5->setTitle(QStringLiteral("Print scale of the CAD program"));
    Check10->setText(QStringLiteral("Symbol indicating the warping of the floor slabs"));
    Check11->setText(QStringLiteral("Pillar alignments"));
    Check8->setText(QStringLiteral("Note upper and lower rebars"));
    Check1->setText(QStringLiteral("Txt file computation"));
    Check7->setText(QStringLiteral("Include computation in DXF file"));
    Check3->setText(QStringLiteral("Section size for rect. beams"));
    Command9->setText(QStringLiteral("View TXT computation"));
    Label9->setText(QStringLiteral("units"));
    for (QLabel* label : Label6) label->setText(QStringLiteral("Draw"));
}

void Form5::ShowFolder(const std::string& folder) {
    folder_ = PlainFolder(folder);
    const QString drive = Text(DriveOf(folder_));
    if (const int at = Drive1->findText(drive); at >= 0) Drive1->setCurrentIndex(at);
    // The folder's ancestors, each one step further in, then its subfolders.
    Dir1->clear();
    const fs::path path(folder_);
    fs::path walked;
    int depth = 0;
    for (const fs::path& part : path) {
        walked /= part;
        if (part.empty()) continue;
        auto* item = new QListWidgetItem(QString(depth * 2, ' ') + Text(part.string()), Dir1);
        item->setData(Qt::UserRole, Text(walked.string()));
        ++depth;
    }
    Dir1->setCurrentRow(Dir1->count() - 1);
    std::vector<std::string> children;
    std::error_code error;
    for (fs::directory_iterator it(path, error), end; !error && it != end; it.increment(error)) {
        std::error_code kind;
        if (it->is_directory(kind)) children.push_back(it->path().filename().string());
    }
    std::sort(children.begin(), children.end());
    for (const std::string& child : children) {
        auto* item = new QListWidgetItem(QString(depth * 2, ' ') + Text(child), Dir1);
        item->setData(Qt::UserRole, Text((path / child).string()));
    }
    Dir1_Change();
}

void Form5::Dir1_Change() {
    File1->clear();
    for (const std::string& name : DataFilesIn(folder_)) File1->addItem(Text(name));
    session_.shell.Document.DataFolder = folder_;
    LLabe3();
}

void Form5::Drive1_Change() {
    const std::string drive = Drive1->currentText().toStdString();
    std::error_code error;
    const std::string current = fs::current_path(error).string();
    const std::string target = !error && current.starts_with(drive) ? current : drive;
    if (!IsReadableFolder(target)) {
        Warn(DriveError);
        if (const int at = Drive1->findText(Text(DriveOf(folder_))); at >= 0) Drive1->setCurrentIndex(at);
        return;
    }
    ShowFolder(target);
}

void Form5::File1_DblClick() { Command3_Click(); }

void Form5::LLabe3() {
    label3->setText(" " + QString::number(File1->count()) + Text(UiText(AvailableFiles, session_.shell.Languages)));
}

void Form5::LLabe4() {
    Label4->setText(" " + QString::number(List1->count()) + Text(UiText(SelectedFilesText, session_.shell.Languages)));
}

void Form5::ShowSelected() {
    List1->clear();
    for (const std::string& name : selected_) List1->addItem(Text(name));
    LLabe4();
}

void Form5::Command3_Click() {
    std::vector<std::string> names;
    for (int row = 0; row < File1->count(); ++row)
        if (File1->item(row)->isSelected()) names.push_back(File1->item(row)->text().toStdString());
    AddSelectedDataFiles(selected_, names);
    ShowSelected();
}

void Form5::Command5_Click() {
    std::vector<std::string> names;
    for (int row = 0; row < File1->count(); ++row) names.push_back(File1->item(row)->text().toStdString());
    selected_.clear();
    AddSelectedDataFiles(selected_, names);
    ShowSelected();
}

void Form5::Command4_Click() {
    for (int row = 0; row < List1->count(); ++row) {
        if (!List1->item(row)->isSelected()) continue;
        selected_.erase(selected_.begin() + row);
        break;
    }
    ShowSelected();
}

void Form5::Command6_Click() {
    selected_.clear();
    ShowSelected();
}

void Form5::AggiornaFormDXF() {
    const ExportDialogValues values = ExportDialogValuesOf(session_);
    for (int i = 0; i < DialogLayerRows; ++i) {
        Text1[i]->setText(Text(AnsiToUtf8(values.LayerNames[i])));
        DialogLayerAci[i] = values.LayerAci[i];
        PaintColour(i);
        Check2[i]->setChecked(values.LayerDxfOn[i] != 0);
    }
    Option2[values.DxfScaleIs50 != 0 ? 1 : 0]->setChecked(true);
    Check5->setChecked(values.JoistTypeLabels != 0);
    Check8->setChecked(values.DxfMarkUpperLowerBars != 0);
    Check3->setChecked(values.BeamSectionLabels != 0);
    Check10->setChecked(values.DxfSpanSymbol != 0);
    Check11->setChecked(values.PillarAlignment != 0);
    Check7->setChecked(values.DxfTakeoffInDrawing != 0);
    Check1->setChecked(values.TakeoffTextFile != 0);
    Check1_Click();
    Text2[0]->setText(Text(values.CadPrintMm));
    Text2[1]->setText(Text(values.CadPrintUnits));
    Check4->setChecked(values.DxfR12 != 0);
}

ExportDialogValues Form5::DialogValues() const {
    ExportDialogValues values;
    for (int i = 0; i < DialogLayerRows; ++i) {
        values.LayerNames[i] = Utf8ToAnsi(Text1[i]->text().toStdString());
        values.LayerAci[i] = DialogLayerAci[i];
        values.LayerDxfOn[i] = Ticked(Check2[i]);
    }
    values.DxfScaleIs50 = Option2[0]->isChecked() ? 0 : 1;
    values.DxfMarkUpperLowerBars = Ticked(Check8);
    values.DxfSpanSymbol = Ticked(Check10);
    values.PillarAlignment = Ticked(Check11);
    values.DxfTakeoffInDrawing = Ticked(Check7);
    values.TakeoffTextFile = Ticked(Check1);
    values.BeamSectionLabels = Ticked(Check3);
    values.JoistTypeLabels = Ticked(Check5);
    values.CadPrintMm = Text2[0]->text().toStdString();
    values.CadPrintUnits = Text2[1]->text().toStdString();
    values.DxfR12 = Ticked(Check4);
    return values;
}

bool Form5::Leggi() {
    const std::optional<ExportDialogRefusal> refusal = TakeExportDialogValues(DialogValues(), session_);
    if (!refusal) return true;
    Warn(refusal->Message);
    QLineEdit* field = nullptr;
    switch (refusal->Field) {
        case ExportDialogField::LayerName: field = Text1[refusal->Row]; break;
        case ExportDialogField::CadPrintMm:
            field = Text2[0];
            field->setText(Text(FormatRounded(session_.dxf.CadPrintMm, 3)));
            break;
        case ExportDialogField::CadPrintUnits:
            field = Text2[1];
            field->setText(Text(FormatRounded(session_.dxf.CadPrintUnits, 3)));
            break;
    }
    field->setFocus();
    field->selectAll();
    return false;
}

void Form5::Command1_Click() {
    if (!Leggi()) return;
    setCursor(Qt::WaitCursor);
    lastExport_ = ExportSelectedDataFiles(session_, platform_, selected_, folder_);
    unsetCursor();
}

void Form5::Command2_Click() { reject(); }

void Form5::Command7_Click() {
    if (Leggi() && storeSettings_) storeSettings_();
}

void Form5::Command8_Click() {
    SetDefaultLayersAndOptions(session_.drawing, session_.shell.Options, session_.design, session_.dxf);
    AggiornaFormDXF();
}

void Form5::Command9_Click() {
    const std::string& path = session_.dxf.TakeoffTextPath;
    if (path.empty() || !FileExists(path)) return;
    if (!platform_.programs.OpenTextFile(path)) Warn(UiText(ViewerNotStarted, session_.shell.Languages, {path}));
}

void Form5::Command10_Click() {
    platform_.messages.Show(PrintHelpTitle, UiText(PrintHelp, session_.shell.Languages), MsgButtons::Ok,
                            MsgIcon::Information);
}

void Form5::Check1_Click() { Command9->setEnabled(Check1->isChecked()); }

void Form5::Label5_Click(int index) {
    HighlightName(index, true);
    PickedAci = DialogLayerAci[index];
    Form_Selettore_Colore picker(PickedAci, this);
    RunModal(runner_, picker);
    DialogLayerAci[index] = PickedAci;
    PaintColour(index);
    HighlightName(index, false);
}

void Form5::PaintColour(int index) {
    const int32_t aci = DialogLayerAci[index];
    const ColourRef colour = AciToColor(aci);
    // The number stays readable on dark and light swatches alike.
    const int luminance = (299 * RedOf(colour) + 587 * GreenOf(colour) + 114 * BlueOf(colour)) / 1000;
    Label5[index]->setText(QString::number(aci));
    Label5[index]->setStyleSheet(QStringLiteral("background-color: rgb(%1, %2, %3); color: %4; border: 1px solid gray;")
                                     .arg(RedOf(colour))
                                     .arg(GreenOf(colour))
                                     .arg(BlueOf(colour))
                                     .arg(luminance < 128 ? "white" : "black"));
}

void Form5::HighlightName(int index, bool on) {
    Text1[index]->setStyleSheet(on ? QStringLiteral("background-color: #000080; color: white;") : QString());
}

void Form5::Warn(const std::string& text) {
    platform_.messages.Show(GetWarningTitle(session_.shell.Languages), text, MsgButtons::Ok, MsgIcon::Exclamation);
}
