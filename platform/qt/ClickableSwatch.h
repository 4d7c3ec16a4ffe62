#pragma once
// A colour swatch of a dialog that answers a left click released over it.
#include <QLabel>
#include <QMouseEvent>

#include <functional>
#include <utility>

class ClickableSwatch : public QLabel {
public:
    ClickableSwatch(QWidget* parent, std::function<void()> clicked, QSize size)
        : QLabel(parent), clicked_(std::move(clicked)) {
        setFixedSize(size);
    }

protected:
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) clicked_();
    }

private:
    std::function<void()> clicked_;
};
