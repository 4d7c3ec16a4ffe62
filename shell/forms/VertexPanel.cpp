#include "shell/forms/VertexPanel.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

#include "drawing/LayerDefaults.h"
#include "editing/VertexPanel.h"
#include "platform/Canvas.h"

namespace {

constexpr int PanelPointSize = 8;
constexpr int PanelMargin = 4;
// A row as wide as the rows of a deck some tens of metres across get: the list is kept that wide.
constexpr const char* WideRow = "99 - X = 8888.8    Y = 8888.8";

// The buttons by their VertexButton index, in Italian and in English.
constexpr std::array<const char*, 5> ItalianButtons = {"Elimina vertice", "Inserisci vertice",
                                                       "Assegna coordinate al vertice", "Assegna perimetro",
                                                       "Annulla"};
constexpr std::array<const char*, 5> EnglishButtons = {"Delete vertex", "Insert vertex", "Assign vertex coordinates",
                                                       "Assign new perimeter", "Cancel"};

QColor PaletteColour(int32_t n) {
    const ColourRef c = StandardColour(n);
    return QColor(RedOf(c), GreenOf(c), BlueOf(c));
}

}  // namespace

VertexPanel::VertexPanel(Session& session, MessageBoxes& messages, VertexPanelHost& host, QWidget* parent)
    : QFrame(parent), session_(session), messages_(messages), host_(host) {
    setFrameShape(QFrame::StyledPanel);
    // The panel takes the width its widest caption needs; the canvas has the rest.
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    // A small type keeps the docked panel narrow.
    QFont small = font();
    small.setPointSize(PanelPointSize);
    setFont(small);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(PanelMargin, PanelMargin, PanelMargin, PanelMargin);

    titleLabel_ = new QLabel("Coordinate dei vertici", this);
    layout->addWidget(titleLabel_);
    vertexList_ = new QListWidget(this);
    // The list is as wide as a common row, whatever rows it holds now; a longer row scrolls.
    vertexList_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Expanding);
    const int rowMargins = 2 * (vertexList_->frameWidth() + vertexList_->spacing()) + 8;
    vertexList_->setMinimumWidth(vertexList_->fontMetrics().horizontalAdvance(WideRow) + rowMargins +
                                 vertexList_->style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    layout->addWidget(vertexList_, 1);
    vertexLabel_ = new QLabel(this);
    layout->addWidget(vertexLabel_);
    for (size_t i = 0; i < coordinateEdits_.size(); ++i) {
        coordinateEdits_[i] = new QLineEdit(this);
        layout->addWidget(coordinateEdits_[i]);
        connect(coordinateEdits_[i], &QLineEdit::textEdited, this, [this, i](const QString& text) {
            session_.editor.VertexPanel.TypedCoordinates[i] = text.toStdString();
        });
    }
    for (size_t i = 0; i < buttons_.size(); ++i) {
        buttons_[i] = new QPushButton(ItalianButtons[i], this);
        layout->addWidget(buttons_[i]);
        connect(buttons_[i], &QPushButton::clicked, this, [this, i] { ButtonClicked(static_cast<int32_t>(i)); });
    }
    osnapCheck_ = new QCheckBox("Osnap", this);
    layout->addWidget(osnapCheck_);
    layout->addStretch();

    connect(vertexList_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row < 0) return;
        rowJustChanged_ = true;
        QTimer::singleShot(0, vertexList_, [this] { rowJustChanged_ = false; });
        RowChosen();
    });
    connect(vertexList_, &QListWidget::itemPressed, this, [this](QListWidgetItem*) {
        if (!rowJustChanged_) RowChosen();
        rowJustChanged_ = false;
    });
    connect(osnapCheck_, &QCheckBox::clicked, this, [this] { SnapClicked(); });
}

void VertexPanel::UseEnglishCaptions() {
    titleLabel_->setText("Vertex coordinates:");
    for (size_t i = 0; i < buttons_.size(); ++i) buttons_[i]->setText(EnglishButtons[i]);
}

void VertexPanel::Refresh() {
    const VertexPanelState& panel = session_.editor.VertexPanel;
    {
        const QSignalBlocker blocker(vertexList_);
        // Rows are rewritten in place while their number stays, so that a row's own click never
        // deletes the row it came from.
        const std::vector<std::string> rows = VertexListRows(session_);
        if (static_cast<size_t>(vertexList_->count()) != rows.size()) {
            vertexList_->clear();
            for (const std::string& row : rows) vertexList_->addItem(QString::fromStdString(row));
        } else {
            for (size_t i = 0; i < rows.size(); ++i)
                vertexList_->item(static_cast<int>(i))->setText(QString::fromStdString(rows[i]));
        }
        if (panel.SelectedVertex >= 0 && panel.SelectedVertex < vertexList_->count())
            vertexList_->setCurrentRow(panel.SelectedVertex);
    }
    for (size_t i = 0; i < coordinateEdits_.size(); ++i) {
        coordinateEdits_[i]->setText(QString::fromStdString(panel.TypedCoordinates[i]));
        QPalette palette = coordinateEdits_[i]->palette();
        palette.setColor(QPalette::Text, PaletteColour(panel.TypedCoordinatesColour));
        coordinateEdits_[i]->setPalette(palette);
    }
    vertexLabel_->setText(QString::fromStdString(panel.VertexCaption));
    const QSignalBlocker blocker(osnapCheck_);
    osnapCheck_->setChecked(session_.shell.Options.OsnapEnabled != 0);
}

void VertexPanel::RowChosen() {
    ::List1_Click(session_, vertexList_->currentRow());
    Changed();
}

void VertexPanel::ButtonClicked(int32_t index) {
    ::Command1_Click(session_, messages_, index);
    Changed();
}

void VertexPanel::SnapClicked() { ::Check1_Click(session_, osnapCheck_->isChecked() ? 1 : 0); }

void VertexPanel::Changed() {
    Refresh();
    host_.LayOutCanvasBesidePanel();
    host_.RedrawPlan();
}
