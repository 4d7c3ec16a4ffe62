#pragma once
// Mouse events on the main window's canvas as the platform delivers them, at model points of the
// view in force.
#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

#include "model/Session.h"
#include "model/geometry/ViewTransforms.h"

// The canvas point of the model point (x, y), to the nearest pixel.
inline QPoint CanvasPointOf(const Session& session, float x, float y) {
    const ViewWindow& v = session.drawing.View;
    return QPoint(qRound(WorldToScreenX(v, x)), qRound(WorldToScreenY(v, y)));
}

// A move to `at` with the buttons `held`.
inline void SendMouseMove(QWidget& canvas, QPoint at, Qt::MouseButtons held = Qt::NoButton) {
    QMouseEvent move(QEvent::MouseMove, at, canvas.mapToGlobal(at), Qt::NoButton, held, Qt::NoModifier);
    QApplication::sendEvent(&canvas, &move);
}
