#include "design/forms/Form7.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "design/DesignOptionsSteps.h"
#include "model/common/Helpers.h"

namespace {

QString Text(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

Form7::Form7(Session& session, MessageBoxes& messages, std::function<void()> drawPlan, QWidget* parent)
    : QDialog(parent), session_(session), messages_(messages), drawPlan_(std::move(drawPlan)) {
    setWindowTitle(QStringLiteral("Progetto Solai"));
    Label1 = new QLabel(QStringLiteral("Ferri di confezione inferiori"), this);
    Combo1 = new QComboBox(this);
    Label2 = new QLabel(QStringLiteral("Lunghezza massima dei ferri superiori (cm)"), this);
    Text1 = new QLineEdit(this);
    Check1 = new QCheckBox(QStringLiteral("Raggruppa ferri inferiore in un'unica posizione"), this);
    Check4 = new QCheckBox(QStringLiteral("Cordolo di ripartizione  per solai con  L >"), this);
    Text3 = new QLineEdit(this);
    Label3 = new QLabel(QStringLiteral("Larghezza del cordolo (cm)"), this);
    Text2 = new QLineEdit(this);
    Command1 = new QPushButton(QStringLiteral("&Ok"), this);
    Command2 = new QPushButton(QStringLiteral("&Annulla"), this);
    Command1->setDefault(true);
    for (QLineEdit* box : {Text1, Text3, Text2}) box->setMaximumWidth(90);
    Text1->installEventFilter(this);

    auto* grid = new QGridLayout;
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(Combo1, 0, 1);
    grid->addWidget(Label2, 1, 0);
    grid->addWidget(Text1, 1, 1);
    grid->addWidget(Check1, 2, 0, 1, 2);
    grid->addWidget(Check4, 3, 0);
    grid->addWidget(Text3, 3, 1);
    grid->addWidget(Label3, 4, 0);
    grid->addWidget(Text2, 4, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Command2);
    buttons->addStretch(1);
    buttons->addWidget(Command1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(8);
    layout->addLayout(buttons);

    connect(Combo1, &QComboBox::activated, this, [this] { Combo1_Click(); });
    connect(Check4, &QCheckBox::clicked, this, [this] { Check4_Click(); });
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    Form_Load();
}

void Form7::Form_Load() {
    const LanguageFlags& languages = session_.shell.Languages;
    if (languages.UiLanguage != 0) {
        setWindowTitle(QStringLiteral("Floor slabs design"));
        Label1->setText(QStringLiteral("Lower rebar of the joists"));
        Label2->setText(QStringLiteral("Maximum bars length (cm)"));
        Check1->setText(QStringLiteral("Unifies lower bars in a single label"));
        Check4->setText(QStringLiteral("Curb distribution for floor slabs with L>"));
        Label3->setText(QStringLiteral("Width of the curb (cm)"));
        Command2->setText(QStringLiteral("Cancel"));
    }
    DesignOptions& options = session_.design;
    ApplyCurbDefaults(options);
    Combo1->clear();
    const auto entries = AssemblyBarEntries(languages);
    for (int32_t k = 0; k < AssemblyBarEntryCount; ++k) Combo1->addItem(Text(entries[k]), k);

    const DesignOptionsEntry entry = DesignOptionsEntryOf(options);
    // A diameter no entry shows leaves the list blank and is kept unless another entry is chosen.
    AssemblyBarItem = entry.AssemblyBarItem;
    Combo1->setCurrentIndex(Combo1->findData(AssemblyBarItem));
    Text1->setText(Text(entry.MaxUpperBarLength));
    Text3->setText(Text(entry.CurbSpanThreshold));
    Text2->setText(Text(entry.CurbWidth));
    Check1->setChecked(entry.GroupLowerBars != 0);
    Check4->setChecked(entry.CurbEnabled != 0);
    VedDatiCordolo();
}

void Form7::VedDatiCordolo() {
    Text2->setEnabled(Check4->isChecked());
    Text3->setEnabled(Check4->isChecked());
}

void Form7::Combo1_Click() {
    if (Combo1->currentIndex() >= 0) AssemblyBarItem = Combo1->currentData().toInt();
}

void Form7::Check4_Click() { VedDatiCordolo(); }

void Form7::Command1_Click() {
    DesignOptionsEntry entry;
    entry.AssemblyBarItem = AssemblyBarItem;
    entry.GroupLowerBars = Check1->isChecked() ? 1 : 0;
    entry.MaxUpperBarLength = Text1->text().toStdString();
    entry.CurbEnabled = Check4->isChecked() ? 1 : 0;
    entry.CurbSpanThreshold = Text3->text().toStdString();
    entry.CurbWidth = Text2->text().toStdString();
    const LanguageFlags& languages = session_.shell.Languages;
    if (const auto refusal = StoreDesignOptions(entry, session_.design, languages)) {
        messages_.Show(GetWarningTitle(languages), *refusal, MsgButtons::Ok, MsgIcon::Exclamation);
        Text1->setFocus();
        return;
    }
    if (drawPlan_) drawPlan_();
    accept();
}

void Form7::Command2_Click() { reject(); }

bool Form7::eventFilter(QObject* watched, QEvent* event) {
    // The whole length is selected on entry, so typing replaces it.
    if (watched == Text1 && event->type() == QEvent::FocusIn) QTimer::singleShot(0, Text1, [this] { Text1->selectAll(); });
    return QDialog::eventFilter(watched, event);
}
