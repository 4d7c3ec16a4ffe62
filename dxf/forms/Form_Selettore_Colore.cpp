#include "dxf/forms/Form_Selettore_Colore.h"

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

AciGridPicture::AciGridPicture(Form_Selettore_Colore& picker, QWidget* parent) : QWidget(parent), picker_(picker) {
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
    picker_.Picture1_MouseMove(at.x(), at.y());
}

void AciGridPicture::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    picker_.Picture1_MouseUp(at.x(), at.y());
}

Form_Selettore_Colore::Form_Selettore_Colore(int32_t& pickedAci, QWidget* parent)
    : QDialog(parent), pickedAci_(pickedAci) {
    setWindowTitle("Selettore colore");

    Frame1 = new QGroupBox(" CAD Color Index: ", this);
    Picture1 = new AciGridPicture(*this, Frame1);
    auto* frameLayout = new QVBoxLayout(Frame1);
    frameLayout->addWidget(Picture1);

    Label1 = new QLabel(this);
    // Wide enough for any number of the palette, so that the dialog keeps its size as they change.
    Label1->setMinimumWidth(Label1->fontMetrics().horizontalAdvance("id colore =  888") + 8);
    Indice_Colore = new QLabel(this);
    auto* labels = new QVBoxLayout;
    labels->addWidget(Label1);
    labels->addWidget(Indice_Colore);
    for (int i = 0; i < 3; ++i) {
        Label2[i] = new QLabel(this);
        labels->addWidget(Label2[i]);
    }
    labels->addStretch(1);

    auto* previews = new QHBoxLayout;
    for (int i = 0; i < 2; ++i) {
        Pict_Sel[i] = new QFrame(this);
        Pict_Sel[i]->setFixedSize(PreviewSize, PreviewSize);
        Pict_Sel[i]->setFrameShape(QFrame::Box);
        Pict_Sel[i]->setAutoFillBackground(true);
        previews->addWidget(Pict_Sel[i]);
    }

    auto* buttons = new QVBoxLayout;
    Command1[0] = new QPushButton("Ok", this);
    Command1[1] = new QPushButton("Annulla", this);
    Command1[0]->setDefault(true);
    buttons->addWidget(Command1[0]);
    buttons->addWidget(Command1[1]);
    buttons->addStretch(1);
    for (int i = 0; i < 2; ++i)
        connect(Command1[i], &QPushButton::clicked, this, [this, i] { Command1_Click(i); });

    auto* bottom = new QHBoxLayout;
    bottom->addLayout(labels);
    bottom->addSpacing(12);
    bottom->addLayout(previews);
    bottom->addStretch(1);
    bottom->addLayout(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Frame1);
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    Form_Load();
}

void Form_Selettore_Colore::Form_Load() {
    initialAci_ = pickedAci_ == 0 ? 7 : pickedAci_;
    currentAci_ = initialAci_;
    currentSwatch_ = AciSwatchOf(AciSwatches(), currentAci_);
    hoverSwatch_ = -1;
    ShowChoice();
    Fill(Pict_Sel[1], AciToColor(currentAci_));
    Indice_Colore->setText(QString::number(currentAci_));
    Picture1->update();
}

void Form_Selettore_Colore::Picture1_MouseMove(int32_t x, int32_t y) {
    const AciSwatchTable& swatches = AciSwatches();
    const int32_t hit = AciSwatchAt(swatches, x, y);
    if (hit < 0) return;
    Indice_Colore->setText(QString::number(swatches[hit].Aci));
    hoverSwatch_ = swatches[hit].Aci == currentAci_ ? -1 : hit;
    Picture1->update();
}

void Form_Selettore_Colore::Picture1_MouseUp(int32_t x, int32_t y) {
    const AciSwatchTable& swatches = AciSwatches();
    const int32_t hit = AciSwatchAt(swatches, x, y);
    if (hit < 0) return;
    Indice_Colore->setText(QString::number(swatches[hit].Aci));
    currentSwatch_ = hit;
    currentAci_ = swatches[hit].Aci;
    ShowChoice();
    Picture1->update();
}

void Form_Selettore_Colore::Command1_Click(int index) {
    if (index == 0) {
        pickedAci_ = currentAci_;
        accept();
    } else {
        pickedAci_ = initialAci_;
        reject();
    }
}

// The labels and the first preview show the current choice.
void Form_Selettore_Colore::ShowChoice() {
    AciRgb rgb;
    AciToRgb(currentAci_, rgb);
    Label1->setText(QString("id colore =  %1").arg(currentAci_));
    Label2[0]->setText(QString("R = %1").arg(rgb.R));
    Label2[1]->setText(QString("G = %1").arg(rgb.G));
    Label2[2]->setText(QString("B = %1").arg(rgb.B));
    Fill(Pict_Sel[0], AciToColor(currentAci_));
}
