#include "design/forms/RebarEditorDialog.h"

#include <QButtonGroup>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>
#include <QRadioButton>
#include <QVBoxLayout>

#include "design/forms/EndShapePictures.h"
#include "model/common/Helpers.h"
#include "state/EditorState.h"
#include "state/Languages.h"

namespace {

constexpr Bilingual Caption{" Posizione superiore", " Upper rebars"};
constexpr Bilingual LowerCaption{" Posizione inferiore", " Lower rebars"};

QString Text(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

RebarEditorDialog::RebarEditorDialog(Session& session, MessageBoxes& messages, QWidget* parent)
    : QDialog(parent), session_(session), messages_(messages) {
    auto* left = new QVBoxLayout;
    endGroups[0] = MakeEndFrame(0, startShapeOptions);
    endGroups[1] = MakeEndFrame(1, endShapeOptions);
    left->addWidget(endGroups[0]);
    left->addWidget(endGroups[1]);

    auto* right = new QGridLayout;
    const char* labels[] = {"Numero ferri", "Diametro (mm)", "Lunghezza (cm)"};
    for (int i = 0; i < 3; ++i) {
        barValueLabels[i] = new QLabel(labels[i], this);
        barValueEdits[i] = new QLineEdit(this);
        barValueEdits[i]->setObjectName(QString("barValueEdit%1").arg(i));
        barValueEdits[i]->setMaximumWidth(70);
        barValueEdits[i]->installEventFilter(this);
        right->addWidget(barValueLabels[i], i, 0);
        right->addWidget(barValueEdits[i], i, 1);
    }
    barValueEdits[2]->setReadOnly(true);
    graphicEditButton = new QPushButton("Edita graficamente", this);
    okButton = new QPushButton("&Ok", this);
    cancelButton = new QPushButton("&Annulla", this);
    okButton->setDefault(true);
    right->setRowStretch(3, 1);
    right->addWidget(graphicEditButton, 4, 0, 1, 2);
    right->addWidget(okButton, 5, 0, 1, 2);
    right->addWidget(cancelButton, 6, 0, 1, 2);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addSpacing(12);
    layout->addLayout(right);

    connect(okButton, &QPushButton::clicked, this, &RebarEditorDialog::OkClicked);
    connect(graphicEditButton, &QPushButton::clicked, this, &RebarEditorDialog::GraphicEditClicked);
    connect(cancelButton, &QPushButton::clicked, this, &RebarEditorDialog::CancelClicked);
    Form_Load();
}

QGroupBox* RebarEditorDialog::MakeEndFrame(int end, std::array<QRadioButton*, 2>& options) {
    auto* frame = new QGroupBox(end == 0 ? "Estremità iniziale" : "Estremità finale", this);
    auto* grid = new QGridLayout(frame);
    shapeLabels[end] = new QLabel("Sagoma", frame);
    grid->addWidget(shapeLabels[end], 0, 0, 1, 2);
    auto* group = new QButtonGroup(frame);
    for (int choice = 0; choice < 2; ++choice) {
        options[choice] = new QRadioButton(frame);
        options[choice]->setIconSize(QSize(EndShapePictureWidth, EndShapePictureHeight));
        group->addButton(options[choice], choice);
        grid->addWidget(options[choice], 1, choice, Qt::AlignLeft);
    }
    stretchLabels[end] =
        new QLabel(end == 0 ? "Allungamento lato iniziale (cm)" : "Allungamento lato finale (cm)", frame);
    stretchEdits[end] = new QLineEdit(frame);
    stretchEdits[end]->setObjectName(QString("stretchEdit%1").arg(end));
    stretchEdits[end]->setMaximumWidth(70);
    grid->addWidget(stretchLabels[end], 2, 0);
    grid->addWidget(stretchEdits[end], 2, 1);
    return frame;
}

void RebarEditorDialog::GiveEnglishCaptions() {
    endGroups[0]->setTitle("Ends left");
    endGroups[1]->setTitle("Ends right");
    for (QLabel* label : shapeLabels) label->setText("Shape");
    stretchLabels[0]->setText("Stretch of the left side (cm)");
    stretchLabels[1]->setText("Stretch of the right side (cm)");
    barValueLabels[0]->setText("Number of bars");
    barValueLabels[1]->setText("Diameter (mm)");
    barValueLabels[2]->setText("Length (cm)");
    graphicEditButton->setText("Stretches graphically");
    cancelButton->setText("Cancel");
}

void RebarEditorDialog::Form_Load() {
    const LanguageFlags& languages = session_.shell.Languages;
    if (languages.UiLanguage != 0) GiveEnglishCaptions();
    const std::optional<RebarEditorValues> values = LoadRebarEditor(session_);
    if (!values) return;
    stretchEdits[0]->setText(Text(values->StretchStart));
    stretchEdits[1]->setText(Text(values->StretchEnd));
    barValueEdits[0]->setText(Text(values->BarCount));
    barValueEdits[1]->setText(Text(values->Diameter));
    setWindowTitle(Text(UiText(values->IsLower ? LowerCaption : Caption, languages)));
    for (int choice = 0; choice < 2; ++choice) {
        startShapeOptions[choice]->setIcon(QPixmap::fromImage(EndShapePicture(values->IsLower, false, choice == 1)));
        endShapeOptions[choice]->setIcon(QPixmap::fromImage(EndShapePicture(values->IsLower, true, choice == 1)));
    }
    startShapeOptions[values->StartHooked ? 1 : 0]->setChecked(true);
    endShapeOptions[values->EndHooked ? 1 : 0]->setChecked(true);
    barValueEdits[2]->setText(Text(values->Length));
}

void RebarEditorDialog::OkClicked() {
    RebarEditorValues values;
    values.StretchStart = stretchEdits[0]->text().toStdString();
    values.StretchEnd = stretchEdits[1]->text().toStdString();
    values.BarCount = barValueEdits[0]->text().toStdString();
    values.Diameter = barValueEdits[1]->text().toStdString();
    values.StartHooked = startShapeOptions[1]->isChecked();
    values.EndHooked = endShapeOptions[1]->isChecked();
    if (const std::optional<RebarEditorRefusal> refusal = ApplyRebarEditor(session_, values)) {
        messages_.Show(GetWarningTitle(session_.shell.Languages), refusal->Message, MsgButtons::Ok,
                       MsgIcon::Exclamation);
        QLineEdit* field = FieldOf(refusal->Field);
        field->setFocus();
        field->selectAll();
        return;
    }
    accept();
}

QLineEdit* RebarEditorDialog::FieldOf(RebarEditorField field) const {
    switch (field) {
    case RebarEditorField::StretchStart: return stretchEdits[0];
    case RebarEditorField::StretchEnd: return stretchEdits[1];
    case RebarEditorField::BarCount: return barValueEdits[0];
    case RebarEditorField::Diameter: break;
    }
    return barValueEdits[1];
}

void RebarEditorDialog::GraphicEditClicked() {
    session_.editor.InteractionState = Mode::RebarGrips;
    accept();
}

void RebarEditorDialog::CancelClicked() { reject(); }

bool RebarEditorDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn)
        if (auto* field = qobject_cast<QLineEdit*>(watched))
            QTimer::singleShot(0, field, &QLineEdit::selectAll);
    return QDialog::eventFilter(watched, event);
}
