#include "dxf/forms/ColourPicker.h"

#include <QColor>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The grid reaches x = 600 and y = 295; the frames stand 3 pixels beyond a swatch.
constexpr int GridWidth = 605;
constexpr int GridHeight = 300;
constexpr int PreviewSize = 77;

QColor ToQColor(ColourRef colour) { return QColor(RedOf(colour), GreenOf(colour), BlueOf(colour)); }

void Fill(QFrame* preview, ColourRef colour) {
    QPalette palette = preview->palette();
    palette.setColor(QPalette::Window, ToQColor(colour));
    preview->setPalette(palette);
}

// A one-pixel frame through the pixels (Left-2, Top-2) and (Right+3, Bottom+3).
void DrawFrame(QPainter& painter, const AciSwatch& swatch, const QColor& colour) {
    painter.setPen(QPen(colour, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(swatch.Left - 2, swatch.Top - 2, swatch.Right - swatch.Left + 5, swatch.Bottom - swatch.Top + 5);
}

}  // namespace

AciGridPicture::AciGridPicture(ColourPicker& picker, QWidget* parent) : QWidget(parent), picker_(picker) {
    setFixedSize(GridWidth, GridHeight);
    setMouseTracking(true);
}

QSize AciGridPicture::sizeHint() const { return QSize(GridWidth, GridHeight); }

void AciGridPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const AciSwatchTable& swatches = AciSwatches();
    // Right and Bottom belong to the swatch, as for the pointer.
    for (const AciSwatch& s : swatches)
        painter.fillRect(QRect(QPoint(s.Left, s.Top), QPoint(s.Right, s.Bottom)), ToQColor(s.Colour));
    if (picker_.HoverSwatch() >= 0) DrawFrame(painter, swatches[picker_.HoverSwatch()], QColor(0, 0, 255));
    // Last, so that the choice keeps its red frame under the pointer too.
    if (picker_.CurrentSwatch() >= 0) DrawFrame(painter, swatches[picker_.CurrentSwatch()], QColor(255, 0, 0));
}

void AciGridPicture::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    picker_.GridMouseMove(at.x(), at.y());
}

void AciGridPicture::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    picker_.GridMouseUp(at.x(), at.y());
}

ColourPicker::ColourPicker(int32_t& pickedAci, QWidget* parent)
    : QDialog(parent), pickedAci_(pickedAci) {
    setWindowTitle("Selettore colore");

    gridGroup = new QGroupBox(" CAD Color Index: ", this);
    grid = new AciGridPicture(*this, gridGroup);
    auto* frameLayout = new QVBoxLayout(gridGroup);
    frameLayout->addWidget(grid);

    chosenAciLabel = new QLabel(this);
    // Wide enough for any number of the palette, so that the dialog keeps its size as they change.
    chosenAciLabel->setMinimumWidth(chosenAciLabel->fontMetrics().horizontalAdvance("id colore =  888") + 8);
    pointedAciLabel = new QLabel(this);
    auto* labels = new QVBoxLayout;
    labels->addWidget(chosenAciLabel);
    labels->addWidget(pointedAciLabel);
    for (int i = 0; i < 3; ++i) {
        rgbLabels[i] = new QLabel(this);
        labels->addWidget(rgbLabels[i]);
    }
    labels->addStretch(1);

    auto* previews = new QHBoxLayout;
    for (int i = 0; i < 2; ++i) {
        colourPreviews[i] = new QFrame(this);
        colourPreviews[i]->setFixedSize(PreviewSize, PreviewSize);
        colourPreviews[i]->setFrameShape(QFrame::Box);
        colourPreviews[i]->setAutoFillBackground(true);
        previews->addWidget(colourPreviews[i]);
    }

    auto* buttons = new QVBoxLayout;
    okCancelButtons[0] = new QPushButton("Ok", this);
    okCancelButtons[1] = new QPushButton("Annulla", this);
    okCancelButtons[0]->setDefault(true);
    buttons->addWidget(okCancelButtons[0]);
    buttons->addWidget(okCancelButtons[1]);
    buttons->addStretch(1);
    for (int i = 0; i < 2; ++i)
        connect(okCancelButtons[i], &QPushButton::clicked, this, [this, i] { ButtonClicked(i); });

    auto* bottom = new QHBoxLayout;
    bottom->addLayout(labels);
    bottom->addSpacing(12);
    bottom->addLayout(previews);
    bottom->addStretch(1);
    bottom->addLayout(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(gridGroup);
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    Form_Load();
}

void ColourPicker::Form_Load() {
    initialAci_ = pickedAci_ == 0 ? 7 : pickedAci_;
    currentAci_ = initialAci_;
    currentSwatch_ = AciSwatchOf(AciSwatches(), currentAci_);
    hoverSwatch_ = -1;
    ShowChoice();
    Fill(colourPreviews[1], AciToColor(currentAci_));
    pointedAciLabel->setText(QString::number(currentAci_));
    grid->update();
}

void ColourPicker::GridMouseMove(int32_t x, int32_t y) {
    const AciSwatchTable& swatches = AciSwatches();
    const int32_t hit = AciSwatchAt(swatches, x, y);
    if (hit < 0) return;
    pointedAciLabel->setText(QString::number(swatches[hit].Aci));
    hoverSwatch_ = swatches[hit].Aci == currentAci_ ? -1 : hit;
    grid->update();
}

void ColourPicker::GridMouseUp(int32_t x, int32_t y) {
    const AciSwatchTable& swatches = AciSwatches();
    const int32_t hit = AciSwatchAt(swatches, x, y);
    if (hit < 0) return;
    pointedAciLabel->setText(QString::number(swatches[hit].Aci));
    currentSwatch_ = hit;
    currentAci_ = swatches[hit].Aci;
    ShowChoice();
    grid->update();
}

void ColourPicker::ButtonClicked(int index) {
    if (index == 0) {
        pickedAci_ = currentAci_;
        accept();
    } else {
        pickedAci_ = initialAci_;
        reject();
    }
}

// The labels and the first preview show the current choice.
void ColourPicker::ShowChoice() {
    AciRgb rgb;
    AciToRgb(currentAci_, rgb);
    chosenAciLabel->setText(QString("id colore =  %1").arg(currentAci_));
    rgbLabels[0]->setText(QString("R = %1").arg(rgb.R));
    rgbLabels[1]->setText(QString("G = %1").arg(rgb.G));
    rgbLabels[2]->setText(QString("B = %1").arg(rgb.B));
    Fill(colourPreviews[0], AciToColor(currentAci_));
}
