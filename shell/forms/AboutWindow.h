#pragma once
// The program's picture with its build label, shown modally as the splash of an empty start and as
// the information window. A click closes it; its timer closes it while the model has no beam
// elements, so the splash of an empty start goes by itself after two seconds.
#include <QDialog>
#include <QImage>

#include "model/tables/ModelTables.h"

class QLabel;
class QTimer;

class AboutWindow : public QDialog {
    Q_OBJECT

public:
    static constexpr int WidthPx = 455;
    static constexpr int HeightPx = 265;
    static constexpr int TimerIntervalMs = 2000;

    explicit AboutWindow(const Model& model, QWidget* parent = nullptr);

    // The window's size, the label's place and the window centred on the screen, at every
    // activation.
    void Form_Activate();
    void Form_Click();
    void BuildLabelClicked();
    void CloseTimerTimeout();

    QLabel* buildLabel = nullptr;
    QTimer* closeTimer = nullptr;

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    const Model& model_;
    QImage picture_;
};

// The picture the window shows, WidthPx × HeightPx.
QImage AboutWindowPicture();
