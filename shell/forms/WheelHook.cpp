#include "shell/forms/WheelHook.h"

#include <QWheelEvent>
#include <QWidget>

namespace {
constexpr int DeltaPerNotch = 120;
}

WheelHook::WheelHook(QWidget& canvas, Notch notch) : canvas_(canvas), notch_(std::move(notch)) {
    canvas_.installEventFilter(this);
}

WheelHook::~WheelHook() { canvas_.removeEventFilter(this); }

bool WheelHook::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &canvas_ || event->type() != QEvent::Wheel) return QObject::eventFilter(watched, event);
    const auto* wheel = static_cast<QWheelEvent*>(event);
    pendingDelta_ += wheel->angleDelta().y();
    while (pendingDelta_ >= DeltaPerNotch || pendingDelta_ <= -DeltaPerNotch) {
        const bool away = pendingDelta_ > 0;
        pendingDelta_ += away ? -DeltaPerNotch : DeltaPerNotch;
        notch_(away, wheel->position());
    }
    return true;
}
