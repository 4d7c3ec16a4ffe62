#include "shell/forms/VertexPanel.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>

#include "drawing/LayerDefaults.h"
#include "editing/VertexPanel.h"
#include "shell/forms/Form1.h"

namespace {

constexpr int PanelPointSize = 8;
constexpr int PanelMargin = 4;

QColor PaletteColour(int32_t n) {
    const ColourRef c = StandardColour(n);
    return QColor(RedOf(c), GreenOf(c), BlueOf(c));
}

}  // namespace

VertexPanel::VertexPanel(Form1& form) : form_(form) {
    QFrame* frame = form.Frame1;
    auto* layout = qobject_cast<QVBoxLayout*>(frame->layout());
    // The docked panel is narrow: a small type lets a row show both coordinates.
    QFont font = frame->font();
    font.setPointSize(PanelPointSize);
    frame->setFont(font);
    layout->setContentsMargins(PanelMargin, PanelMargin, PanelMargin, PanelMargin);
    List1 = new QListWidget(frame);
    Label2 = new QLabel(frame);
    int at = layout->indexOf(form.Label1) + 1;
    layout->insertWidget(at++, List1, 1);
    layout->insertWidget(at++, Label2);
    for (size_t i = 0; i < Text1.size(); ++i) {
        Text1[i] = new QLineEdit(frame);
        layout->insertWidget(at++, Text1[i]);
        QObject::connect(Text1[i], &QLineEdit::textEdited, frame, [this, i](const QString& text) {
            form_.session().editor.VertexPanel.Text1[i] = text.toStdString();
        });
    }

    QObject::connect(List1, &QListWidget::currentRowChanged, frame, [this](int row) {
        if (row < 0) return;
        rowJustChanged_ = true;
        QTimer::singleShot(0, List1, [this] { rowJustChanged_ = false; });
        List1_Click();
    });
    QObject::connect(List1, &QListWidget::itemPressed, frame, [this](QListWidgetItem*) {
        if (!rowJustChanged_) List1_Click();
        rowJustChanged_ = false;
    });
    for (size_t i = 0; i < form.Command1.size(); ++i)
        QObject::connect(form.Command1[i], &QPushButton::clicked, frame,
                         [this, i] { Command1_Click(static_cast<int>(i)); });
    QObject::connect(form.OsnapCheck, &QCheckBox::clicked, frame, [this] { Check1_Click(); });
}

void VertexPanel::Refresh() {
    const Session& s = form_.session();
    const VertexPanelState& panel = s.editor.VertexPanel;
    {
        const QSignalBlocker blocker(List1);
        // Rows are rewritten in place while their number stays, so that a row's own click never
        // deletes the row it came from.
        const std::vector<std::string> rows = VertexListRows(s);
        if (static_cast<size_t>(List1->count()) != rows.size()) {
            List1->clear();
            for (const std::string& row : rows) List1->addItem(QString::fromStdString(row));
        } else {
            for (size_t i = 0; i < rows.size(); ++i) List1->item(static_cast<int>(i))->setText(QString::fromStdString(rows[i]));
        }
        if (panel.SelectedVertex >= 0 && panel.SelectedVertex < List1->count()) List1->setCurrentRow(panel.SelectedVertex);
    }
    for (size_t i = 0; i < Text1.size(); ++i) {
        Text1[i]->setText(QString::fromStdString(panel.Text1[i]));
        QPalette palette = Text1[i]->palette();
        palette.setColor(QPalette::Text, PaletteColour(panel.Text1Colour));
        Text1[i]->setPalette(palette);
    }
    Label2->setText(QString::fromStdString(panel.Label2));
    const QSignalBlocker blocker(form_.OsnapCheck);
    form_.OsnapCheck->setChecked(s.shell.Options.OsnapEnabled != 0);
}

void VertexPanel::List1_Click() {
    ::List1_Click(form_.session(), List1->currentRow());
    Changed();
}

void VertexPanel::Command1_Click(int index) {
    ::Command1_Click(form_.session(), form_.platform().messages, index);
    Changed();
}

void VertexPanel::Check1_Click() { ::Check1_Click(form_.session(), form_.OsnapCheck->isChecked() ? 1 : 0); }

void VertexPanel::Changed() {
    Refresh();
    form_.CommandBars_Resize();
    form_.Form_Activate();
}
