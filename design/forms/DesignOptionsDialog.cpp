#include "design/forms/DesignOptionsDialog.h"

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

DesignOptionsDialog::DesignOptionsDialog(Session& session, MessageBoxes& messages, std::function<void()> drawPlan,
                                         QWidget* parent)
    : QDialog(parent), session_(session), messages_(messages), drawPlan_(std::move(drawPlan)) {
    setWindowTitle(QStringLiteral("Progetto Solai"));
    assemblyBarLabel = new QLabel(QStringLiteral("Ferri di confezione inferiori"), this);
    assemblyBarCombo = new QComboBox(this);
    maxUpperBarLabel = new QLabel(QStringLiteral("Lunghezza massima dei ferri superiori (cm)"), this);
    maxUpperBarEdit = new QLineEdit(this);
    groupLowerBarsCheck = new QCheckBox(QStringLiteral("Raggruppa ferri inferiore in un'unica posizione"), this);
    curbCheck = new QCheckBox(QStringLiteral("Cordolo di ripartizione  per solai con  L >"), this);
    curbSpanEdit = new QLineEdit(this);
    curbWidthLabel = new QLabel(QStringLiteral("Larghezza del cordolo (cm)"), this);
    curbWidthEdit = new QLineEdit(this);
    okButton = new QPushButton(QStringLiteral("&Ok"), this);
    cancelButton = new QPushButton(QStringLiteral("&Annulla"), this);
    okButton->setDefault(true);
    for (QLineEdit* box : {maxUpperBarEdit, curbSpanEdit, curbWidthEdit}) box->setMaximumWidth(90);
    maxUpperBarEdit->installEventFilter(this);

    auto* grid = new QGridLayout;
    grid->addWidget(assemblyBarLabel, 0, 0);
    grid->addWidget(assemblyBarCombo, 0, 1);
    grid->addWidget(maxUpperBarLabel, 1, 0);
    grid->addWidget(maxUpperBarEdit, 1, 1);
    grid->addWidget(groupLowerBarsCheck, 2, 0, 1, 2);
    grid->addWidget(curbCheck, 3, 0);
    grid->addWidget(curbSpanEdit, 3, 1);
    grid->addWidget(curbWidthLabel, 4, 0);
    grid->addWidget(curbWidthEdit, 4, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cancelButton);
    buttons->addStretch(1);
    buttons->addWidget(okButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(8);
    layout->addLayout(buttons);

    connect(assemblyBarCombo, &QComboBox::activated, this, [this] { AssemblyBarChosen(); });
    connect(curbCheck, &QCheckBox::clicked, this, [this] { CurbClicked(); });
    connect(okButton, &QPushButton::clicked, this, [this] { OkClicked(); });
    connect(cancelButton, &QPushButton::clicked, this, [this] { CancelClicked(); });
    Form_Load();
}

void DesignOptionsDialog::Form_Load() {
    const LanguageFlags& languages = session_.shell.Languages;
    if (languages.UiLanguage != 0) {
        setWindowTitle(QStringLiteral("Floor slabs design"));
        assemblyBarLabel->setText(QStringLiteral("Lower rebar of the joists"));
        maxUpperBarLabel->setText(QStringLiteral("Maximum bars length (cm)"));
        groupLowerBarsCheck->setText(QStringLiteral("Unifies lower bars in a single label"));
        curbCheck->setText(QStringLiteral("Curb distribution for floor slabs with L>"));
        curbWidthLabel->setText(QStringLiteral("Width of the curb (cm)"));
        cancelButton->setText(QStringLiteral("Cancel"));
    }
    DesignOptions& options = session_.design;
    ApplyCurbDefaults(options);
    assemblyBarCombo->clear();
    const auto entries = AssemblyBarEntries(languages);
    for (int32_t k = 0; k < AssemblyBarEntryCount; ++k) assemblyBarCombo->addItem(Text(entries[k]), k);

    const DesignOptionsEntry entry = DesignOptionsEntryOf(options);
    // A diameter no entry shows leaves the list blank and is kept unless another entry is chosen.
    AssemblyBarItem = entry.AssemblyBarItem;
    assemblyBarCombo->setCurrentIndex(assemblyBarCombo->findData(AssemblyBarItem));
    maxUpperBarEdit->setText(Text(entry.MaxUpperBarLength));
    curbSpanEdit->setText(Text(entry.CurbSpanThreshold));
    curbWidthEdit->setText(Text(entry.CurbWidth));
    groupLowerBarsCheck->setChecked(entry.GroupLowerBars != 0);
    curbCheck->setChecked(entry.CurbEnabled != 0);
    VedDatiCordolo();
}

void DesignOptionsDialog::VedDatiCordolo() {
    curbWidthEdit->setEnabled(curbCheck->isChecked());
    curbSpanEdit->setEnabled(curbCheck->isChecked());
}

void DesignOptionsDialog::AssemblyBarChosen() {
    if (assemblyBarCombo->currentIndex() >= 0) AssemblyBarItem = assemblyBarCombo->currentData().toInt();
}

void DesignOptionsDialog::CurbClicked() { VedDatiCordolo(); }

void DesignOptionsDialog::OkClicked() {
    DesignOptionsEntry entry;
    entry.AssemblyBarItem = AssemblyBarItem;
    entry.GroupLowerBars = groupLowerBarsCheck->isChecked() ? 1 : 0;
    entry.MaxUpperBarLength = maxUpperBarEdit->text().toStdString();
    entry.CurbEnabled = curbCheck->isChecked() ? 1 : 0;
    entry.CurbSpanThreshold = curbSpanEdit->text().toStdString();
    entry.CurbWidth = curbWidthEdit->text().toStdString();
    const LanguageFlags& languages = session_.shell.Languages;
    if (const auto refusal = StoreDesignOptions(entry, session_.design, languages)) {
        messages_.Show(GetWarningTitle(languages), *refusal, MsgButtons::Ok, MsgIcon::Exclamation);
        maxUpperBarEdit->setFocus();
        return;
    }
    if (drawPlan_) drawPlan_();
    accept();
}

void DesignOptionsDialog::CancelClicked() { reject(); }

bool DesignOptionsDialog::eventFilter(QObject* watched, QEvent* event) {
    // The whole length is selected on entry, so typing replaces it.
    if (watched == maxUpperBarEdit && event->type() == QEvent::FocusIn)
        QTimer::singleShot(0, maxUpperBarEdit, [this] { maxUpperBarEdit->selectAll(); });
    return QDialog::eventFilter(watched, event);
}
