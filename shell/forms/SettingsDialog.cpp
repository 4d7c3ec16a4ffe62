#include "shell/forms/SettingsDialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <span>

#include "model/common/Helpers.h"
#include "platform/TextEncoding.h"
#include "platform/qt/ClickableSwatch.h"
#include "shell/SettingsDialogSteps.h"
#include "shell/SettingsFile.h"
#include "shell/ShellMessages.h"

namespace {

constexpr int RowsPerColumn = 12;

// The button whose index is `index`; none for an index no button has.
void SelectOption(std::span<QRadioButton* const> options, int32_t index) {
    for (size_t i = 0; i < options.size(); ++i) {
        // A group with one button ticked keeps one ticked unless told otherwise.
        options[i]->setAutoExclusive(false);
        options[i]->setChecked(static_cast<int32_t>(i) == index);
        options[i]->setAutoExclusive(true);
    }
}

// The ticked button's index, or `unchanged` when none is ticked.
int32_t SelectedOption(std::span<QRadioButton* const> options, int32_t unchanged) {
    for (size_t i = 0; i < options.size(); ++i)
        if (options[i]->isChecked()) return static_cast<int32_t>(i);
    return unchanged;
}

int32_t Ticked(const QCheckBox* box) { return box->isChecked() ? 1 : 0; }

}  // namespace

SettingsDialog::SettingsDialog(Session& session, Platform& platform, std::function<void()> drawPlan, QWidget* parent)
    : QDialog(parent), session_(session), platform_(platform), drawPlan_(std::move(drawPlan)) {
    setWindowTitle(QStringLiteral("Impostazioni"));
    BuildLayerRows();
    BuildOptions();

    okButton = new QPushButton(QStringLiteral("&Ok"), this);
    cancelButton = new QPushButton(QStringLiteral("&Annulla"), this);
    saveButton = new QPushButton(QStringLiteral("Salva opzioni"), this);
    defaultsButton = new QPushButton(QStringLiteral("Valori di default"), this);
    okButton->setDefault(true);
    connect(okButton, &QPushButton::clicked, this, [this] { OkClicked(); });
    connect(cancelButton, &QPushButton::clicked, this, [this] { CancelClicked(); });
    connect(saveButton, &QPushButton::clicked, this, [this] { SaveClicked(); });
    connect(defaultsButton, &QPushButton::clicked, this, [this] { DefaultsClicked(); });
    connect(defaultColoursButton, &QPushButton::clicked, this, [this] { DefaultColoursClicked(); });

    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {defaultsButton, saveButton}) buttons->addWidget(button);
    buttons->addStretch();
    for (QPushButton* button : {okButton, cancelButton}) buttons->addWidget(button);

    auto* options = new QGridLayout;
    options->addWidget(concreteSlabFillGroup, 0, 0);
    options->addWidget(floorSlabFillGroup, 0, 1);
    options->addWidget(wallFillGroup, 1, 0);
    options->addWidget(pillarFillGroup, 1, 1);
    options->addWidget(backgroundGroup, 2, 0);
    options->addWidget(drawingLanguageGroup, 2, 1);
    options->addWidget(coverGroup, 3, 0, 1, 2);
    options->setRowStretch(4, 1);

    auto* top = new QHBoxLayout;
    top->addWidget(layerGroup);
    top->addLayout(options);
    auto* whole = new QVBoxLayout(this);
    whole->addLayout(top);
    whole->addLayout(buttons);
    whole->setSizeConstraint(QLayout::SetFixedSize);

    Form_Load();
}

void SettingsDialog::BuildLayerRows() {
    layerGroup = new QGroupBox(QStringLiteral("Layer"), this);
    auto* grid = new QGridLayout(layerGroup);
    grid->setVerticalSpacing(6);
    for (int column = 0; column < 2; ++column) {
        const int first = column * 5;
        nameHeaders[column] = new QLabel(QStringLiteral("Nome"), layerGroup);
        colourHeaders[column] = new QLabel(QStringLiteral("Colore"), layerGroup);
        shownHeaders[column] = new QLabel(QStringLiteral("Attivo"), layerGroup);
        grid->addWidget(nameHeaders[column], 0, first);
        grid->addWidget(colourHeaders[column], 0, first + 1);
        grid->addWidget(shownHeaders[column], 0, first + 2);
    }
    dimOsnapHeader = new QLabel(QStringLiteral("Osnap quote"), layerGroup);
    grid->addWidget(dimOsnapHeader, 0, 3);
    grid->setColumnMinimumWidth(4, 12);

    for (int i = 0; i < EditedLayers; ++i) {
        const int row = 1 + i % RowsPerColumn;
        const int first = i / RowsPerColumn * 5;
        layerNameEdits[i] = new QLineEdit(layerGroup);
        layerNameEdits[i]->setMinimumWidth(150);
        colourSwatches[i] = new ClickableSwatch(layerGroup, [this, i] { SwatchClicked(i); }, QSize(44, 18));
        layerShownChecks[i] = new QCheckBox(layerGroup);
        grid->addWidget(layerNameEdits[i], row, first);
        grid->addWidget(colourSwatches[i], row, first + 1);
        grid->addWidget(layerShownChecks[i], row, first + 2, Qt::AlignHCenter);
        if (i < DimOsnapLayerCount) {
            dimOsnapChecks[i] = new QCheckBox(layerGroup);
            grid->addWidget(dimOsnapChecks[i], row, first + 3, Qt::AlignHCenter);
        }
    }
    grid->setRowStretch(RowsPerColumn + 1, 1);
}

QGroupBox* SettingsDialog::FillGroup(const char* caption, std::array<QRadioButton*, 3>& options) {
    auto* frame = new QGroupBox(QString::fromUtf8(caption), this);
    auto* column = new QVBoxLayout(frame);
    const char* captions[] = {"Pieno", "Tratteggio", "Solo bordo"};
    for (size_t i = 0; i < options.size(); ++i) {
        options[i] = new QRadioButton(QString::fromUtf8(captions[i]), frame);
        column->addWidget(options[i]);
    }
    return frame;
}

void SettingsDialog::BuildOptions() {
    concreteSlabFillGroup = FillGroup("Visualizzazione  gusci", concreteSlabFillOptions);
    floorSlabFillGroup = FillGroup("Visualizzazione solai", floorSlabFillOptions);
    wallFillGroup = FillGroup("Visualizzazione setti", wallFillOptions);
    pillarFillGroup = FillGroup("Visualizzazione pilastri", pillarFillOptions);

    backgroundGroup = new QGroupBox(QStringLiteral("Colore sfondo"), this);
    auto* background = new QVBoxLayout(backgroundGroup);
    backgroundOptions[0] = new QRadioButton(QStringLiteral("Nero"), backgroundGroup);
    backgroundOptions[1] = new QRadioButton(QStringLiteral("Bianco"), backgroundGroup);
    defaultColoursButton = new QPushButton(QStringLiteral("Colori default"), backgroundGroup);
    for (QWidget* control : {static_cast<QWidget*>(backgroundOptions[0]),
                             static_cast<QWidget*>(backgroundOptions[1]),
                             static_cast<QWidget*>(defaultColoursButton)})
        background->addWidget(control);

    drawingLanguageGroup = new QGroupBox(QStringLiteral("Lingua disegno"), this);
    auto* language = new QVBoxLayout(drawingLanguageGroup);
    drawingLanguageOptions[0] = new QRadioButton(QStringLiteral("Italiano"), drawingLanguageGroup);
    drawingLanguageOptions[1] = new QRadioButton(QStringLiteral("English"), drawingLanguageGroup);
    language->addWidget(drawingLanguageOptions[0]);
    language->addWidget(drawingLanguageOptions[1]);
    language->addStretch();

    coverGroup = new QGroupBox(this);
    auto* cover = new QHBoxLayout(coverGroup);
    coverLabel = new QLabel(QStringLiteral("Copriferro laterale (cm)"), coverGroup);
    coverEdit = new QLineEdit(coverGroup);
    coverEdit->setMaximumWidth(60);
    cover->addWidget(coverLabel);
    cover->addWidget(coverEdit);
    cover->addStretch();
}

void SettingsDialog::PaintSwatch(int index) {
    const ColourRef colour = DialogColours[static_cast<size_t>(index)];
    colourSwatches[index]->setStyleSheet(QStringLiteral("background-color: rgb(%1, %2, %3); border: 1px solid gray;")
                                             .arg(RedOf(colour))
                                             .arg(GreenOf(colour))
                                             .arg(BlueOf(colour)));
}

void SettingsDialog::Form_Load() {
    ItaEng();
    ShowSettings();
    coverEdit->setText(QString::number(session_.shell.Options.LateralCover));
}

void SettingsDialog::ShowSettings() {
    DrawingState& d = session_.drawing;
    for (int i = 0; i < DimOsnapLayerCount; ++i) dimOsnapChecks[i]->setChecked(d.DimOsnapOn[i] != 0);
    for (int i = 0; i < EditedLayers; ++i) {
        layerNameEdits[i]->setText(QString::fromStdString(AnsiToUtf8(d.LayerNames[i])));
        DialogColours[i] = d.LayerScreenColours[i];
        PaintSwatch(i);
        layerShownChecks[i]->setChecked(d.LayerScreenOn[i] != 0);
    }
    SelectOption(concreteSlabFillOptions, d.Display.ConcreteSlabDisplayMode);
    SelectOption(floorSlabFillOptions, d.Display.FloorSlabDisplayMode);
    SelectOption(wallFillOptions, d.Display.WallDisplayMode);
    SelectOption(pillarFillOptions, d.Display.PillarDisplayMode);
    SelectOption(backgroundOptions, d.WhiteBackground);
    SelectOption(drawingLanguageOptions, session_.shell.Languages.DrawingLanguage);
}

bool SettingsDialog::LeggiF() {
    const std::string typed = coverEdit->text().toStdString();
    const std::optional<int32_t> cover = ReadLateralCover(typed);
    if (!cover) {
        const LanguageFlags& languages = session_.shell.Languages;
        const std::string kept = std::to_string(session_.shell.Options.LateralCover);
        platform_.messages.Show(GetWarningTitle(languages),
                                UiText(ShellMessages::CoverNotANumber, languages, {typed, kept}), MsgButtons::Ok,
                                MsgIcon::Exclamation);
        coverEdit->setFocus();
        coverEdit->selectAll();
        return false;
    }
    DrawingState& d = session_.drawing;
    for (int i = 0; i < DimOsnapLayerCount; ++i) d.DimOsnapOn[i] = Ticked(dimOsnapChecks[i]);
    for (int i = 0; i < EditedLayers; ++i) {
        d.LayerScreenColours[i] = DialogColours[i];
        d.LayerScreenOn[i] = Ticked(layerShownChecks[i]);
    }
    d.Display.ConcreteSlabDisplayMode = SelectedOption(concreteSlabFillOptions, d.Display.ConcreteSlabDisplayMode);
    d.Display.FloorSlabDisplayMode = SelectedOption(floorSlabFillOptions, d.Display.FloorSlabDisplayMode);
    d.Display.WallDisplayMode = SelectedOption(wallFillOptions, d.Display.WallDisplayMode);
    d.Display.PillarDisplayMode = SelectedOption(pillarFillOptions, d.Display.PillarDisplayMode);
    d.WhiteBackground = SelectedOption(backgroundOptions, d.WhiteBackground);
    LanguageFlags& languages = session_.shell.Languages;
    languages.DrawingLanguage = SelectedOption(drawingLanguageOptions, languages.DrawingLanguage);
    session_.shell.Options.LateralCover = *cover;
    return true;
}

void SettingsDialog::ItaEng() {
    if (session_.shell.Languages.UiLanguage == 0) return;
    defaultsButton->setText(QStringLiteral("Default file"));
    saveButton->setText(QStringLiteral("&Save setting"));
    cancelButton->setText(QStringLiteral("&Exit"));
    defaultColoursButton->setText(QStringLiteral("Default colors"));
    for (auto* options : {&concreteSlabFillOptions, &floorSlabFillOptions, &wallFillOptions, &pillarFillOptions}) {
        (*options)[0]->setText(QStringLiteral("Fill"));
        (*options)[1]->setText(QStringLiteral("Hatch"));
        (*options)[2]->setText(QStringLiteral("Only outline"));
    }
    concreteSlabFillGroup->setTitle(QStringLiteral("Drawing of the slabs"));
    wallFillGroup->setTitle(QStringLiteral("Drawing of the walls"));
    floorSlabFillGroup->setTitle(QStringLiteral("Drawing of the floor slabs"));
    pillarFillGroup->setTitle(QStringLiteral("Drawing of the pillars"));
    backgroundGroup->setTitle(QStringLiteral("Background color"));
    backgroundOptions[1]->setText(QStringLiteral("White"));
    backgroundOptions[0]->setText(QStringLiteral("Black"));
    coverLabel->setText(QStringLiteral("Lateral concrete cover (cm)"));
    for (QLabel* label : shownHeaders) label->setText(QStringLiteral("Show"));
    dimOsnapHeader->setText(QStringLiteral("Dim Osnap"));
    drawingLanguageGroup->setTitle(QStringLiteral("Language of the drawing"));
}

void SettingsDialog::OkClicked() {
    if (!LeggiF()) return;
    PaintCanvasBackground(session_.drawing, platform_.canvas);
    if (drawPlan_) drawPlan_();
    accept();
}

void SettingsDialog::CancelClicked() { reject(); }

void SettingsDialog::SaveClicked() {
    if (!LeggiF()) return;
    SaveSettings(session_, platform_.messages);
}

void SettingsDialog::DefaultsClicked() {
    RestoreAllDefaults(session_, platform_.canvas);
    ShowSettings();
}

void SettingsDialog::DefaultColoursClicked() {
    RestoreDefaultScreenColours(session_, platform_.canvas, backgroundOptions[0]->isChecked() ? 0 : 1);
    ShowSettings();
}

void SettingsDialog::SwatchClicked(int index) {
    if (index < 0 || index >= EditedLayers) return;
    ColourRef& colour = DialogColours[static_cast<size_t>(index)];
    colour = platform_.dialogs.PickColour(colour);
    PaintSwatch(index);
}
