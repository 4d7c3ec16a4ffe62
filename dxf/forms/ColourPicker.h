#pragma once
// The colour picker "Selettore colore": the 255 DXF colour numbers as a grid of swatches. It opens
// on the number in `pickedAci` (7 for 0); "Ok" leaves the number clicked last there, "Annulla" the
// number it opened on, and the close box leaves `pickedAci` as the caller set it.
#include <QDialog>
#include <QWidget>

#include <array>
#include <cstdint>

#include "dxf/export/AciPalette.h"

class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;

class ColourPicker;

// The grid picture: paints the swatches and the frames, and reports the pointer to the picker.
class AciGridPicture : public QWidget {
public:
    explicit AciGridPicture(ColourPicker& picker, QWidget* parent = nullptr);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    ColourPicker& picker_;
};

class ColourPicker : public QDialog {
public:
    ColourPicker(int32_t& pickedAci, QWidget* parent = nullptr);

    void Form_Load();
    void GridMouseMove(int32_t x, int32_t y);
    void GridMouseUp(int32_t x, int32_t y);
    void ButtonClicked(int index);  // 0 "Ok", 1 "Annulla"

    int32_t InitialAci() const { return initialAci_; }
    int32_t CurrentAci() const { return currentAci_; }
    // Swatch indexes of the red frame (current choice) and the blue one (under the pointer); -1
    // for none.
    int32_t CurrentSwatch() const { return currentSwatch_; }
    int32_t HoverSwatch() const { return hoverSwatch_; }

    QGroupBox* gridGroup = nullptr;
    AciGridPicture* grid = nullptr;
    QLabel* pointedAciLabel = nullptr;
    QLabel* chosenAciLabel = nullptr;
    std::array<QLabel*, 3> rgbLabels{};
    std::array<QFrame*, 2> colourPreviews{};  // the choice, the number it opened on
    std::array<QPushButton*, 2> okCancelButtons{};

private:
    void ShowChoice();

    int32_t& pickedAci_;
    int32_t initialAci_ = 7;
    int32_t currentAci_ = 7;
    int32_t currentSwatch_ = -1;
    int32_t hoverSwatch_ = -1;
};
