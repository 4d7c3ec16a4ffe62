#include "platform/qt/ScreenFit.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace {

// The frame the window system puts round `window`. Before a window is first shown the window
// system has not framed it yet; the frame of the window it belongs to stands in for its own.
QMargins FrameOf(const QWidget& window, const QWidget* owner) {
    if (window.windowFlags() & Qt::FramelessWindowHint) return {};
    if (const QWindow* handle = window.windowHandle(); handle && window.isVisible()) return handle->frameMargins();
    if (owner)
        if (const QWindow* handle = owner->windowHandle()) return handle->frameMargins();
    return {};
}

// `start` moved, as little as may be, to lie in [low, high - length]; at `low` when it cannot.
int Inside(int start, int length, int low, int high) { return std::max(low, std::min(start, high - length)); }

}  // namespace

void FitWindowOnScreen(QWidget& window, const QWidget* over) {
    // A message box takes its size from its text only as it is shown, and is then centred on its
    // window and kept on the screen by Qt as here.
    if (qobject_cast<QMessageBox*>(&window)) return;
    const QWidget* owner = over ? over->window() : nullptr;
    const QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    const QMargins frame = FrameOf(window, owner);

    // A window not sized by its code yet takes the size its layout asks for, as it would when shown.
    if (!window.testAttribute(Qt::WA_Resized)) window.adjustSize();
    window.resize(window.size().boundedTo(area.marginsRemoved(frame).size()));

    QRect framed = QRect(QPoint(), window.size()).marginsAdded(frame);
    // A window not shown yet has its place, not yet its frame: the place is enough to centre on.
    framed.moveCenter(owner ? owner->frameGeometry().center() : area.center());
    framed.moveTo(Inside(framed.left(), framed.width(), area.left(), area.left() + area.width()),
                  Inside(framed.top(), framed.height(), area.top(), area.top() + area.height()));
    // A top-level window's position is its frame's.
    window.move(framed.topLeft());
}
