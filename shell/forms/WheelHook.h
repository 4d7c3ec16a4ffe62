#pragma once
// The mouse wheel over the canvas. Each notch (120 eighths of a degree; finer wheels and touchpads
// are summed until they make one) is reported with its direction and the cursor's position in
// canvas pixels. The hook lasts as long as this object.
#include <QObject>
#include <QPointF>

#include <functional>

class QWidget;

class WheelHook : public QObject {
public:
    // `awayFromUser`: the wheel turned away from the user, which zooms in.
    using Notch = std::function<void(bool awayFromUser, QPointF position)>;
    WheelHook(QWidget& canvas, Notch notch);
    ~WheelHook() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& canvas_;
    Notch notch_;
    int pendingDelta_ = 0;
};
