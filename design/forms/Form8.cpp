#include "design/forms/Form8.h"

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

#include "design/RebarEditor.h"
#include "design/forms/EndShapePictures.h"
#include "state/EditorState.h"
#include "state/Languages.h"

namespace {

constexpr Bilingual Caption{" Posizione superiore", " Upper rebars"};
constexpr Bilingual LowerCaption{" Posizione inferiore", " Lower rebars"};

QString Text(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

Form8::Form8(Session& session, QWidget* parent) : QDialog(parent), session_(session) {
    auto* left = new QVBoxLayout;
    Frame1[0] = MakeEndFrame(0, Option1);
    Frame1[1] = MakeEndFrame(1, Option2);
    left->addWidget(Frame1[0]);
    left->addWidget(Frame1[1]);

    auto* right = new QGridLayout;
    const char* labels[] = {"Numero ferri", "Diametro (mm)", "Lunghezza (cm)"};
    for (int i = 0; i < 3; ++i) {
        Label1[i] = new QLabel(labels[i], this);
        Text1[i] = new QLineEdit(this);
        Text1[i]->setObjectName(QString("Text1_%1").arg(i));
        Text1[i]->setMaximumWidth(70);
        Text1[i]->installEventFilter(this);
        right->addWidget(Label1[i], i, 0);
        right->addWidget(Text1[i], i, 1);
    }
    Text1[2]->setReadOnly(true);
    Command3 = new QPushButton("Edita graficamente", this);
    Command2 = new QPushButton("&Ok", this);
    Command1 = new QPushButton("&Annulla", this);
    Command2->setDefault(true);
    right->setRowStretch(3, 1);
    right->addWidget(Command3, 4, 0, 1, 2);
    right->addWidget(Command2, 5, 0, 1, 2);
    right->addWidget(Command1, 6, 0, 1, 2);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addSpacing(12);
    layout->addLayout(right);

    connect(Command2, &QPushButton::clicked, this, &Form8::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form8::Command3_Click);
    connect(Command1, &QPushButton::clicked, this, &Form8::Command1_Click);
    Form_Load();
}

QGroupBox* Form8::MakeEndFrame(int end, std::array<QRadioButton*, 2>& options) {
    auto* frame = new QGroupBox(end == 0 ? "Estremità iniziale" : "Estremità finale", this);
    auto* grid = new QGridLayout(frame);
    Label3[end] = new QLabel("Sagoma", frame);
    grid->addWidget(Label3[end], 0, 0, 1, 2);
    auto* group = new QButtonGroup(frame);
    for (int choice = 0; choice < 2; ++choice) {
        options[choice] = new QRadioButton(frame);
        options[choice]->setIconSize(QSize(EndShapePictureWidth, EndShapePictureHeight));
        group->addButton(options[choice], choice);
        grid->addWidget(options[choice], 1, choice, Qt::AlignLeft);
    }
    Label2[end] = new QLabel(end == 0 ? "Allungamento lato iniziale (cm)" : "Allungamento lato finale (cm)", frame);
    Text2[end] = new QLineEdit(frame);
    Text2[end]->setObjectName(QString("Text2_%1").arg(end));
    Text2[end]->setMaximumWidth(70);
    grid->addWidget(Label2[end], 2, 0);
    grid->addWidget(Text2[end], 2, 1);
    return frame;
}

void Form8::GiveEnglishCaptions() {
    Frame1[0]->setTitle("Ends left");
    Frame1[1]->setTitle("Ends right");
    for (QLabel* label : Label3) label->setText("Shape");
    Label2[0]->setText("Stretch of the left side (cm)");
    Label2[1]->setText("Stretch of the right side (cm)");
    Label1[0]->setText("Number of bars");
    Label1[1]->setText("Diameter (mm)");
    Label1[2]->setText("Length (cm)");
    Command3->setText("Stretches graphically");
    Command1->setText("Cancel");
}

void Form8::Form_Load() {
    const LanguageFlags& languages = session_.shell.Languages;
    if (languages.UiLanguage != 0) GiveEnglishCaptions();
    const std::optional<RebarEditorValues> values = LoadRebarEditor(session_);
    if (!values) return;
    Text2[0]->setText(Text(values->StretchStart));
    Text2[1]->setText(Text(values->StretchEnd));
    Text1[0]->setText(Text(values->BarCount));
    Text1[1]->setText(Text(values->Diameter));
    setWindowTitle(Text(UiText(values->IsLower ? LowerCaption : Caption, languages)));
    for (int choice = 0; choice < 2; ++choice) {
        Option1[choice]->setIcon(QPixmap::fromImage(EndShapePicture(values->IsLower, false, choice == 1)));
        Option2[choice]->setIcon(QPixmap::fromImage(EndShapePicture(values->IsLower, true, choice == 1)));
    }
    Option1[values->StartHooked ? 1 : 0]->setChecked(true);
    Option2[values->EndHooked ? 1 : 0]->setChecked(true);
    Text1[2]->setText(Text(values->Length));
}

void Form8::Command2_Click() {
    RebarEditorValues values;
    values.StretchStart = Text2[0]->text().toStdString();
    values.StretchEnd = Text2[1]->text().toStdString();
    values.BarCount = Text1[0]->text().toStdString();
    values.Diameter = Text1[1]->text().toStdString();
    values.StartHooked = Option1[1]->isChecked();
    values.EndHooked = Option2[1]->isChecked();
    ApplyRebarEditor(session_, values);
    accept();
}

void Form8::Command3_Click() {
    session_.editor.InteractionState = ToolRebarGraphicEdit;
    accept();
}

void Form8::Command1_Click() { reject(); }

bool Form8::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn)
        if (auto* field = qobject_cast<QLineEdit*>(watched))
            QTimer::singleShot(0, field, &QLineEdit::selectAll);
    return QDialog::eventFilter(watched, event);
}
