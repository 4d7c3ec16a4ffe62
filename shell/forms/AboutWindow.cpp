#include "shell/forms/AboutWindow.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QTimer>

namespace {

constexpr int LabelLeftPx = 20;
constexpr int LabelTopPx = 16;

// A small structural plan in the picture's corner: axes, beams, a hatched slab bay and pillars.
void DrawPlanMotif(QPainter& painter) {
    const QPointF origin(250, 62);
    const double bay = 88, depth = 72;
    const auto at = [&](int i, int j) { return origin + QPointF(i * bay, j * depth); };

    painter.setPen(QPen(QColor(120, 170, 220, 90), 1, Qt::DashDotLine));
    for (int i = 0; i < 3; ++i) painter.drawLine(at(i, 0) - QPointF(0, 18), at(i, 2) + QPointF(0, 18));
    for (int j = 0; j < 3; ++j) painter.drawLine(at(0, j) - QPointF(18, 0), at(2, j) + QPointF(18, 0));

    painter.save();
    painter.setClipRect(QRectF(at(0, 0), at(1, 1)).adjusted(6, 6, -6, -6));
    painter.setPen(QPen(QColor(90, 200, 210, 110), 1));
    for (double x = -depth; x < bay; x += 9) painter.drawLine(at(0, 1) + QPointF(x, 0), at(0, 0) + QPointF(x + depth, 0));
    painter.restore();

    painter.setPen(QPen(QColor(240, 210, 70), 2));
    for (int j = 0; j < 3; ++j) painter.drawLine(at(0, j), at(2, j));
    for (int i = 0; i < 3; ++i) painter.drawLine(at(i, 0), at(i, 2));

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(235, 235, 245));
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) painter.drawRect(QRectF(at(i, j) - QPointF(6, 6), QSizeF(12, 12)));
}

}  // namespace

QImage AboutWindowPicture() {
    QImage picture(AboutWindow::WidthPx, AboutWindow::HeightPx, QImage::Format_RGB32);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, AboutWindow::HeightPx);
    sky.setColorAt(0, QColor(14, 36, 64));
    sky.setColorAt(1, QColor(30, 78, 122));
    painter.fillRect(picture.rect(), sky);
    DrawPlanMotif(painter);

    QFont title(QStringLiteral("Sans Serif"), 38, QFont::Bold);
    painter.setFont(title);
    painter.setPen(QColor(250, 250, 250));
    painter.drawText(QPointF(22, 150), QStringLiteral("Dravo"));
    QFont subtitle(QStringLiteral("Sans Serif"), 13);
    painter.setFont(subtitle);
    painter.setPen(QColor(180, 205, 230));
    painter.drawText(QPointF(24, 180), QStringLiteral("Carpenterie di piano"));
    painter.setPen(QPen(QColor(240, 210, 70), 3));
    painter.drawLine(QPointF(24, 196), QPointF(120, 196));
    return picture;
}

AboutWindow::AboutWindow(const Model& model, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), model_(model), picture_(AboutWindowPicture()) {
    buildLabel = new QLabel(QStringLiteral("Build 2023.10.0034"), this);
    QFont font(QStringLiteral("Calibri"), 1, QFont::Bold);
    font.setPointSizeF(14.25);
    buildLabel->setFont(font);
    buildLabel->setStyleSheet(QStringLiteral("color: rgb(250, 250, 250); background: transparent;"));
    buildLabel->adjustSize();
    buildLabel->installEventFilter(this);

    closeTimer = new QTimer(this);
    closeTimer->setInterval(TimerIntervalMs);
    connect(closeTimer, &QTimer::timeout, this, [this] { CloseTimerTimeout(); });
    closeTimer->start();
    Form_Activate();
}

void AboutWindow::Form_Activate() {
    setFixedSize(WidthPx, HeightPx);
    buildLabel->move(LabelLeftPx, LabelTopPx);
    const QScreen* shown = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!shown) return;
    const QRect area = shown->geometry();
    move(area.x() + (area.width() - WidthPx) / 2, area.y() + (area.height() - HeightPx) / 2);
}

void AboutWindow::Form_Click() { accept(); }

void AboutWindow::BuildLabelClicked() { accept(); }

void AboutWindow::CloseTimerTimeout() {
    if (model_.BeamElementCount == 0) accept();
}

bool AboutWindow::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) Form_Activate();
    return QDialog::event(event);
}

bool AboutWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == buildLabel && event->type() == QEvent::MouseButtonRelease) {
        BuildLabelClicked();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void AboutWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Form_Activate();
}

void AboutWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(rect(), picture_);
}

void AboutWindow::mouseReleaseEvent(QMouseEvent*) { Form_Click(); }
