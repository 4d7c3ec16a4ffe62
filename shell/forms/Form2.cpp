#include "shell/forms/Form2.h"

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

Form2::Form2(Session& session, Platform& platform, std::function<void()> drawPlan, QWidget* parent)
    : QDialog(parent), session_(session), platform_(platform), drawPlan_(std::move(drawPlan)) {
    setWindowTitle(QStringLiteral("Impostazioni"));
    BuildLayerRows();
    BuildOptions();

    Command1 = new QPushButton(QStringLiteral("&Ok"), this);
    Command2 = new QPushButton(QStringLiteral("&Annulla"), this);
    Command3 = new QPushButton(QStringLiteral("Salva opzioni"), this);
    Command4 = new QPushButton(QStringLiteral("Valori di default"), this);
    Command1->setDefault(true);
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(Command3, &QPushButton::clicked, this, [this] { Command3_Click(); });
    connect(Command4, &QPushButton::clicked, this, [this] { Command4_Click(); });
    connect(Command5, &QPushButton::clicked, this, [this] { Command5_Click(); });

    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {Command4, Command3}) buttons->addWidget(button);
    buttons->addStretch();
    for (QPushButton* button : {Command1, Command2}) buttons->addWidget(button);

    auto* options = new QGridLayout;
    options->addWidget(Frame1, 0, 0);
    options->addWidget(Frame2, 0, 1);
    options->addWidget(Frame3, 1, 0);
    options->addWidget(Frame5, 1, 1);
    options->addWidget(Frame7, 2, 0);
    options->addWidget(Frame8, 2, 1);
    options->addWidget(Frame6, 3, 0, 1, 2);
    options->setRowStretch(4, 1);

    auto* top = new QHBoxLayout;
    top->addWidget(Frame4);
    top->addLayout(options);
    auto* whole = new QVBoxLayout(this);
    whole->addLayout(top);
    whole->addLayout(buttons);
    whole->setSizeConstraint(QLayout::SetFixedSize);

    Form_Load();
}

void Form2::BuildLayerRows() {
    Frame4 = new QGroupBox(QStringLiteral("Layer"), this);
    auto* grid = new QGridLayout(Frame4);
    grid->setVerticalSpacing(6);
    for (int column = 0; column < 2; ++column) {
        const int first = column * 5;
        Label2[column] = new QLabel(QStringLiteral("Nome"), Frame4);
        Label1[column] = new QLabel(QStringLiteral("Colore"), Frame4);
        Label6[column] = new QLabel(QStringLiteral("Attivo"), Frame4);
        grid->addWidget(Label2[column], 0, first);
        grid->addWidget(Label1[column], 0, first + 1);
        grid->addWidget(Label6[column], 0, first + 2);
    }
    Label3 = new QLabel(QStringLiteral("Osnap quote"), Frame4);
    grid->addWidget(Label3, 0, 3);
    grid->setColumnMinimumWidth(4, 12);

    for (int i = 0; i < EditedLayers; ++i) {
        const int row = 1 + i % RowsPerColumn;
        const int first = i / RowsPerColumn * 5;
        Text2[i] = new QLineEdit(Frame4);
        Text2[i]->setMinimumWidth(150);
        Label8[i] = new ClickableSwatch(Frame4, [this, i] { Label8_Click(i); }, QSize(44, 18));
        Check4[i] = new QCheckBox(Frame4);
        grid->addWidget(Text2[i], row, first);
        grid->addWidget(Label8[i], row, first + 1);
        grid->addWidget(Check4[i], row, first + 2, Qt::AlignHCenter);
        if (i < DimOsnapLayerCount) {
            Check1[i] = new QCheckBox(Frame4);
            grid->addWidget(Check1[i], row, first + 3, Qt::AlignHCenter);
        }
    }
    grid->setRowStretch(RowsPerColumn + 1, 1);
}

QGroupBox* Form2::FillGroup(const char* caption, std::array<QRadioButton*, 3>& options) {
    auto* frame = new QGroupBox(QString::fromUtf8(caption), this);
    auto* column = new QVBoxLayout(frame);
    const char* captions[] = {"Pieno", "Tratteggio", "Solo bordo"};
    for (size_t i = 0; i < options.size(); ++i) {
        options[i] = new QRadioButton(QString::fromUtf8(captions[i]), frame);
        column->addWidget(options[i]);
    }
    return frame;
}

void Form2::BuildOptions() {
    Frame1 = FillGroup("Visualizzazione  gusci", Option1);
    Frame2 = FillGroup("Visualizzazione solai", Option2);
    Frame3 = FillGroup("Visualizzazione setti", Option3);
    Frame5 = FillGroup("Visualizzazione pilastri", Option4);

    Frame7 = new QGroupBox(QStringLiteral("Colore sfondo"), this);
    auto* background = new QVBoxLayout(Frame7);
    Option5[0] = new QRadioButton(QStringLiteral("Nero"), Frame7);
    Option5[1] = new QRadioButton(QStringLiteral("Bianco"), Frame7);
    Command5 = new QPushButton(QStringLiteral("Colori default"), Frame7);
    for (QWidget* control : {static_cast<QWidget*>(Option5[0]), static_cast<QWidget*>(Option5[1]),
                             static_cast<QWidget*>(Command5)})
        background->addWidget(control);

    Frame8 = new QGroupBox(QStringLiteral("Lingua disegno"), this);
    auto* language = new QVBoxLayout(Frame8);
    Option6[0] = new QRadioButton(QStringLiteral("Italiano"), Frame8);
    Option6[1] = new QRadioButton(QStringLiteral("English"), Frame8);
    language->addWidget(Option6[0]);
    language->addWidget(Option6[1]);
    language->addStretch();

    Frame6 = new QGroupBox(this);
    auto* cover = new QHBoxLayout(Frame6);
    Label7 = new QLabel(QStringLiteral("Copriferro laterale (cm)"), Frame6);
    Text1 = new QLineEdit(Frame6);
    Text1->setMaximumWidth(60);
    cover->addWidget(Label7);
    cover->addWidget(Text1);
    cover->addStretch();
}

void Form2::PaintSwatch(int index) {
    const ColourRef colour = DialogColours[static_cast<size_t>(index)];
    Label8[index]->setStyleSheet(QStringLiteral("background-color: rgb(%1, %2, %3); border: 1px solid gray;")
                                     .arg(RedOf(colour))
                                     .arg(GreenOf(colour))
                                     .arg(BlueOf(colour)));
}

void Form2::Form_Load() {
    ItaEng();
    AggiornaForm2();
    Text1->setText(QString::number(session_.shell.Options.LateralCover));
}

void Form2::AggiornaForm2() {
    DrawingState& d = session_.drawing;
    for (int i = 0; i < DimOsnapLayerCount; ++i) Check1[i]->setChecked(d.DimOsnapOn[i] != 0);
    for (int i = 0; i < EditedLayers; ++i) {
        Text2[i]->setText(QString::fromStdString(AnsiToUtf8(d.LayerNames[i])));
        DialogColours[i] = d.LayerScreenColours[i];
        PaintSwatch(i);
        Check4[i]->setChecked(d.LayerScreenOn[i] != 0);
    }
    SelectOption(Option1, d.Display.ConcreteSlabDisplayMode);
    SelectOption(Option2, d.Display.FloorSlabDisplayMode);
    SelectOption(Option3, d.Display.WallDisplayMode);
    SelectOption(Option4, d.Display.PillarDisplayMode);
    SelectOption(Option5, d.WhiteBackground);
    SelectOption(Option6, session_.shell.Languages.DrawingLanguage);
}

void Form2::LeggiF() {
    DrawingState& d = session_.drawing;
    for (int i = 0; i < DimOsnapLayerCount; ++i) d.DimOsnapOn[i] = Ticked(Check1[i]);
    for (int i = 0; i < EditedLayers; ++i) {
        d.LayerScreenColours[i] = DialogColours[i];
        d.LayerScreenOn[i] = Ticked(Check4[i]);
    }
    d.Display.ConcreteSlabDisplayMode = SelectedOption(Option1, d.Display.ConcreteSlabDisplayMode);
    d.Display.FloorSlabDisplayMode = SelectedOption(Option2, d.Display.FloorSlabDisplayMode);
    d.Display.WallDisplayMode = SelectedOption(Option3, d.Display.WallDisplayMode);
    d.Display.PillarDisplayMode = SelectedOption(Option4, d.Display.PillarDisplayMode);
    d.WhiteBackground = SelectedOption(Option5, d.WhiteBackground);
    LanguageFlags& languages = session_.shell.Languages;
    languages.DrawingLanguage = SelectedOption(Option6, languages.DrawingLanguage);

    const std::string typed = Text1->text().toStdString();
    int32_t& cover = session_.shell.Options.LateralCover;
    if (const std::optional<int32_t> read = ReadLateralCover(typed)) {
        cover = *read;
        return;
    }
    platform_.messages.Show(GetWarningTitle(languages),
                            UiText(ShellMessages::CoverNotANumber, languages, {typed, std::to_string(cover)}),
                            MsgButtons::Ok, MsgIcon::Exclamation);
}

void Form2::ItaEng() {
    if (session_.shell.Languages.UiLanguage == 0) return;
    Command4->setText(QStringLiteral("Default file"));
    Command3->setText(QStringLiteral("&Save setting"));
    Command2->setText(QStringLiteral("&Exit"));
    Command5->setText(QStringLiteral("Default colors"));
    for (auto* options : {&Option1, &Option2, &Option3, &Option4}) {
        (*options)[0]->setText(QStringLiteral("Fill"));
        (*options)[1]->setText(QStringLiteral("Hatch"));
        (*options)[2]->setText(QStringLiteral("Only outline"));
    }
    Frame1->setTitle(QStringLiteral("Drawing of the slabs"));
    Frame3->setTitle(QStringLiteral("Drawing of the walls"));
    Frame2->setTitle(QStringLiteral("Drawing of the floor slabs"));
    Frame5->setTitle(QStringLiteral("Drawing of the pillars"));
    Frame7->setTitle(QStringLiteral("Background color"));
    Option5[1]->setText(QStringLiteral("White"));
    Option5[0]->setText(QStringLiteral("Black"));
    Label7->setText(QStringLiteral("Lateral concrete cover (cm)"));
    for (QLabel* label : Label6) label->setText(QStringLiteral("Show"));
    Label3->setText(QStringLiteral("Dim Osnap"));
    Frame8->setTitle(QStringLiteral("Language of the drawing"));
}

void Form2::Command1_Click() {
    LeggiF();
    PaintCanvasBackground(session_.drawing, platform_.canvas);
    if (drawPlan_) drawPlan_();
    accept();
}

void Form2::Command2_Click() { reject(); }

void Form2::Command3_Click() {
    LeggiF();
    SaveSettings(session_, platform_.messages);
}

void Form2::Command4_Click() {
    RestoreAllDefaults(session_, platform_.canvas);
    AggiornaForm2();
}

void Form2::Command5_Click() {
    RestoreDefaultScreenColours(session_, platform_.canvas, Option5[0]->isChecked() ? 0 : 1);
    AggiornaForm2();
}

void Form2::Label8_Click(int index) {
    if (index < 0 || index >= EditedLayers) return;
    ColourRef& colour = DialogColours[static_cast<size_t>(index)];
    colour = platform_.dialogs.PickColour(colour);
    PaintSwatch(index);
}
