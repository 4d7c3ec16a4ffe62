#include "platform/qt/QtCanvas.h"

#include <QEvent>
#include <QMouseEvent>
#include <QFontMetricsF>
#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <cmath>

#include "platform/TextEncoding.h"

namespace {

// Lines waiting to be stroked together, at most.
constexpr size_t MostPendingLines = 1024;

// The ways a line may run as the painter reckons it, down, up, right or left, by the signs of its
// steps: one bit each.
constexpr int Down = 1, Up = 2, Right = 4, Left = 8;

int WaysOf(float x1, float y1, float x2, float y2) {
    return (y2 > y1 ? Down : 0) | (y2 < y1 ? Up : 0) | (x2 > x1 ? Right : 0) | (x2 < x1 ? Left : 0);
}

int Reversed(int ways) {
    return (ways & Down ? Up : 0) | (ways & Up ? Down : 0) | (ways & Right ? Left : 0) | (ways & Left ? Right : 0);
}

QColor ToQColor(ColourRef colour) { return QColor(RedOf(colour), GreenOf(colour), BlueOf(colour)); }

// The inside of circles and polygons by the fill style: none while it is transparent.
void SetFillBrush(QPainter& p, const CanvasState& state) {
    if (state.Filling == FillStyle::Solid) p.setBrush(ToQColor(state.Fill));
    else if (state.Filling == FillStyle::CrossHatch) p.setBrush(QBrush(ToQColor(state.Fill), Qt::CrossPattern));
    else p.setBrush(Qt::NoBrush);
}

QImage NewImage(QSize devicePixels, qreal ratio, QImage::Format format, const QColor& fill) {
    QImage image(devicePixels, format);
    image.setDevicePixelRatio(ratio);
    image.fill(fill);
    return image;
}

// `old` copied into `image` at the top left, over whatever `image` holds there.
void KeepTopLeft(QImage& image, const QImage& old) {
    if (old.isNull() || image.isNull()) return;
    QPainter painter(&image);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(QPointF(0, 0), old);
}

// The font of a text cell: `Height` pixels, stretched so that its average character is `Width`
// pixels wide (0 keeps the face's own width).
QFont FontOf(const CanvasFont& cell) {
    QFont font(QString::fromUtf8(AnsiToUtf8(cell.Face)));
    font.setPixelSize(cell.Height);
    if (cell.Width > 0) {
        const qreal natural = QFontMetricsF(font).averageCharWidth();
        if (natural > 0) font.setStretch(std::clamp(int(std::lround(100.0 * cell.Width / natural)), 1, 4000));
    }
    return font;
}

// The editor's bits: buttons 1 left, 2 right, 4 middle; shift state 1 shift, 2 control, 4 alt.
int16_t ButtonsOf(Qt::MouseButtons b) {
    return int16_t((b & Qt::LeftButton ? 1 : 0) | (b & Qt::RightButton ? 2 : 0) | (b & Qt::MiddleButton ? 4 : 0));
}

int16_t ShiftOf(Qt::KeyboardModifiers m) {
    return int16_t((m & Qt::ShiftModifier ? 1 : 0) | (m & Qt::ControlModifier ? 2 : 0) | (m & Qt::AltModifier ? 4 : 0));
}

using MouseHandler = std::function<void(int16_t, int16_t, float, float)>;

// Hands the event to the handler with `button`; a press or release of a button the editor does
// not take (button 0) is not handed on.
void Forward(const MouseHandler& handler, int16_t button, bool isMove, QMouseEvent& event) {
    if (handler && (isMove || button != 0))
        handler(button, ShiftOf(event.modifiers()), float(event.position().x()), float(event.position().y()));
    event.accept();
}

}  // namespace

QtCanvas::QtCanvas(QWidget* parent) : QWidget(parent) {
    // Decks name their texts' face "Arial"; Linux desktops carry its metric twin.
    QFont::insertSubstitution("Arial", "Liberation Sans");
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

QtCanvas::~QtCanvas() { EndPainting(); }

void QtCanvas::FitImages() {
    // Asking the screen for its ratio costs more than a line: it is asked again only when the
    // widget changes size or screen.
    if (ratio_ > 0 && fittedFor_ == size()) return;
    const qreal ratio = ratio_ = devicePixelRatioF();
    fittedFor_ = size();
    const QSize devicePixels(int(std::ceil(width() * ratio)), int(std::ceil(height() * ratio)));
    if (persistent_.size() == devicePixels && persistent_.devicePixelRatio() == ratio) return;
    EndPainting();
    QImage persistent = NewImage(devicePixels, ratio, QImage::Format_RGB32, ToQColor(state_.Back));
    QImage temporary = NewImage(devicePixels, ratio, QImage::Format_ARGB32_Premultiplied, Qt::transparent);
    KeepTopLeft(persistent, persistent_);
    KeepTopLeft(temporary, temporary_);
    persistent_ = std::move(persistent);
    temporary_ = std::move(temporary);
    wholeAt_ = QSize();
}

QImage* QtCanvas::Target() {
    ++changes_;
    FitImages();
    if (fittedFor_.isEmpty()) return nullptr;  // a canvas of no size shows nothing
    return state_.AutoRedraw ? &persistent_ : &temporary_;
}

QPainter& QtCanvas::PainterOn(QImage& target, const PenKey& pen) {
    if (painterTarget_ != &target) {
        EndPainting();
        painter_ = std::make_unique<QPainter>(&target);
        painterTarget_ = &target;
        penKey_ = PenKey{};  // of no width, unlike every pen asked for, so the first is always set
    }
    if (!(penKey_ == pen)) {
        painter_->setPen(PenFor(pen));
        penKey_ = pen;
    }
    return *painter_;
}

const QPen& QtCanvas::PenFor(const PenKey& key) {
    for (const MadePen& made : pens_)
        if (made.key == key) return made.pen;
    MadePen& made = pens_[nextPen_];
    nextPen_ = (nextPen_ + 1) % pens_.size();
    made.key = key;
    made.pen = QPen(ToQColor(key.colour), key.width, key.style == DrawStyle::Dotted ? Qt::DotLine : Qt::SolidLine,
                    Qt::FlatCap, Qt::RoundJoin);
    return made.pen;
}

void QtCanvas::EndPainting() {
    FlushLines();
    if (painter_) painter_->end();
    painter_.reset();
    painterTarget_ = nullptr;
}

void QtCanvas::FlushLines() {
    if (pendingLines_.empty()) return;
    // Emptied before the painter is asked for, since ending another painter flushes again.
    std::swap(pendingLines_, strokingLines_);
    PainterOn(*pendingTarget_, pendingPen_).drawLines(strokingLines_.data(), int(strokingLines_.size()));
    strokingLines_.clear();
}

void QtCanvas::AskRepaint() {
    if (!repaintAsked_) {
        repaintAsked_ = true;
        update();
    }
}

template <class DrawCall>
void QtCanvas::Draw(ColourRef colour, DrawCall&& draw) {
    QImage* target = Target();
    if (target == nullptr) return;
    FlushLines();
    draw(PainterOn(*target, PenKey{colour, std::max(state_.DrawWidth, 1), state_.Drawing}));
    AskRepaint();
}

const QFont& QtCanvas::FontFor(const CanvasFont& cell) {
    if (!fontKnown_ || cell.Height != fontCell_.Height || cell.Width != fontCell_.Width || cell.Face != fontCell_.Face) {
        font_ = FontOf(cell);
        fontAscent_ = QFontMetricsF(font_).ascent();
        fontCell_ = cell;
        fontKnown_ = true;
    }
    return font_;
}

void QtCanvas::Clear() {
    ++changes_;
    FitImages();
    EndPainting();
    persistent_.fill(ToQColor(state_.Back));
    temporary_.fill(Qt::transparent);
    wholeAt_ = size();
    update();
}

void QtCanvas::ClearTemporary() {
    ++changes_;
    FitImages();
    EndPainting();
    temporary_.fill(Qt::transparent);
    update();
}

void QtCanvas::Line(float x1, float y1, float x2, float y2, ColourRef colour) {
    QImage* target = Target();
    if (target == nullptr) return;
    const PenKey pen{colour, std::max(state_.DrawWidth, 1), state_.Drawing};
    if (!Batchable(pen, x1, y1, x2, y2)) {
        Draw(colour, [&](QPainter& p) { p.drawLine(QLineF(x1, y1, x2, y2)); });
        return;
    }
    const int ways = WaysOf(x1, y1, x2, y2);
    if (!pendingLines_.empty() &&
        (pendingTarget_ != target || !(pendingPen_ == pen) || (Reversed(ways) & pendingWays_) != 0))
        FlushLines();
    if (pendingLines_.empty()) pendingWays_ = 0;
    pendingTarget_ = target;
    pendingPen_ = pen;
    pendingWays_ |= ways;
    pendingLines_.emplace_back(x1, y1, x2, y2);
    if (pendingLines_.size() >= MostPendingLines) FlushLines();
    AskRepaint();
}

bool QtCanvas::Batchable(const PenKey& pen, float x1, float y1, float x2, float y2) const {
    if (pen.width != 1 || ratio_ != 1) return false;
    const float w = float(fittedFor_.width()), h = float(fittedFor_.height());
    const auto inside = [w, h](float x, float y) { return x >= 0 && x <= w && y >= 0 && y <= h; };
    return inside(x1, y1) && inside(x2, y2);
}

void QtCanvas::Box(float x1, float y1, float x2, float y2, ColourRef colour, BoxInside inside) {
    Draw(colour, [&](QPainter& p) {
        if (inside == BoxInside::Colour) p.setBrush(ToQColor(colour));
        else if (inside == BoxInside::FillState) SetFillBrush(p, state_);
        else p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(QPointF(x1, y1), QPointF(x2, y2)).normalized());
    });
}

void QtCanvas::Circle(float cx, float cy, float radius, ColourRef colour) {
    Draw(colour, [&](QPainter& p) {
        SetFillBrush(p, state_);
        p.drawEllipse(QPointF(cx, cy), radius, radius);
    });
}

void QtCanvas::Polygon(std::span<const PixelPoint> points) {
    if (points.empty()) return;
    polygon_.clear();
    for (const PixelPoint& point : points) polygon_ << QPointF(point.X, point.Y);
    Draw(state_.Fore, [&](QPainter& p) {
        SetFillBrush(p, state_);
        p.drawPolygon(polygon_, Qt::OddEvenFill);
    });
}

void QtCanvas::Text(int32_t x, int32_t y, const CanvasFont& font, const std::string& text) {
    if (font.Height <= 0 || text.empty()) return;
    const QFont& qfont = FontFor(font);
    const QString unicode = QString::fromUtf8(AnsiToUtf8(text));
    Draw(state_.Fore, [&](QPainter& p) {
        p.setFont(qfont);
        // (x, y) is the top left of the cell, so the baseline lies one ascent below it.
        p.translate(x, y);
        p.rotate(-font.Escapement / 10.0);
        p.drawText(QPointF(0, fontAscent_), unicode);
        p.resetTransform();
    });
}

void QtCanvas::SetPointer(CanvasPointer pointer) {
    switch (pointer) {
    case CanvasPointer::Arrow: setCursor(Qt::ArrowCursor); break;
    case CanvasPointer::Crosshair: setCursor(Qt::CrossCursor); break;
    case CanvasPointer::Hourglass: setCursor(Qt::WaitCursor); break;
    case CanvasPointer::Pan: setCursor(Qt::OpenHandCursor); break;
    }
}

QImage QtCanvas::Image() {
    FitImages();
    EndPainting();
    QImage composed = persistent_;
    if (!composed.isNull()) {
        QPainter painter(&composed);
        painter.drawImage(QPointF(0, 0), temporary_);
    }
    return composed;
}

bool QtCanvas::SaveImage(const QString& pngPath) { return Image().save(pngPath, "PNG"); }

void QtCanvas::paintEvent(QPaintEvent*) {
    repaintAsked_ = false;
    FitImages();
    EndPainting();
    QPainter painter(this);
    painter.drawImage(QPointF(0, 0), persistent_);
    painter.drawImage(QPointF(0, 0), temporary_);
}

void QtCanvas::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ScreenChangeInternal) {
        ratio_ = 0;
        FitImages();
    }
    QWidget::changeEvent(event);
}

void QtCanvas::resizeEvent(QResizeEvent* event) {
    FitImages();
    QWidget::resizeEvent(event);
}

void QtCanvas::SetMouseHandlers(CanvasMouseHandlers handlers) { mouse_ = std::move(handlers); }

void QtCanvas::mousePressEvent(QMouseEvent* event) { Forward(mouse_.Down, ButtonsOf(event->button()), false, *event); }

void QtCanvas::mouseMoveEvent(QMouseEvent* event) { Forward(mouse_.Move, ButtonsOf(event->buttons()), true, *event); }

void QtCanvas::mouseReleaseEvent(QMouseEvent* event) { Forward(mouse_.Up, ButtonsOf(event->button()), false, *event); }
