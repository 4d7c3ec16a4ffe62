#pragma once
// The canvas of the window: a widget showing a persistent image with a transparent temporary
// layer over it. Both images hold device pixels (the widget's size times the screen's pixel
// ratio) and are drawn on in logical pixels, so the plan stays sharp on high-density screens. It
// also works without ever being shown: give it a size with resize() and read Image().
#include <QImage>
#include <QLineF>
#include <QFont>
#include <QPainter>
#include <QPen>
#include <QPolygonF>
#include <QWidget>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "platform/CanvasState.h"

class QPainter;

// The canvas's mouse events as the editor takes them: the button (1 left, 2 right, 4 middle; for
// a move the set of those held), the shift state (1 shift, 2 control, 4 alt) and the position in
// canvas pixels. Presses and releases of other buttons are not passed on.
struct CanvasMouseHandlers {
    std::function<void(int16_t button, int16_t shift, float x, float y)> Down, Move, Up;
};

class QtCanvas : public QWidget, public StatefulCanvas {
    Q_OBJECT

public:
    explicit QtCanvas(QWidget* parent = nullptr);
    ~QtCanvas() override;

    int32_t WidthPx() const override { return width(); }
    int32_t HeightPx() const override { return height(); }

    void Clear() override;
    void ClearTemporary() override;
    void Line(float x1, float y1, float x2, float y2, ColourRef colour) override;
    void Box(float x1, float y1, float x2, float y2, ColourRef colour, BoxInside inside) override;
    void Circle(float cx, float cy, float radius, ColourRef colour) override;
    void Polygon(std::span<const PixelPoint> points) override;
    void Text(int32_t x, int32_t y, const CanvasFont& font, const std::string& text) override;

    void SetPointer(CanvasPointer pointer) override;

    // Moves are passed on whether a button is held or not.
    void SetMouseHandlers(CanvasMouseHandlers handlers);

    // The persistent image with the temporary layer over it, in device pixels.
    QImage Image();
    // Image() as a PNG file; false when it could not be written.
    bool SaveImage(const QString& pngPath);
    // True while the persistent image is whole at the widget's size now: cleared at this size and
    // neither cropped nor widened since by a size taken in between.
    bool HoldsWholePicture() const { return wholeAt_.isValid() && wholeAt_ == size(); }
    // Counts the clears and the drawing calls: the same count, the same picture.
    uint64_t Changes() const { return changes_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // The pen a drawing call strokes with.
    struct PenKey {
        ColourRef colour = 0;
        int width = 0;
        DrawStyle style = DrawStyle::Solid;
        bool operator==(const PenKey&) const = default;
    };

    // Reallocates both images when the widget's size or pixel ratio changed, keeping what they
    // held at the top left.
    void FitImages();
    // The image that AutoRedraw chooses, fitted to the widget; null for a canvas of no size.
    QImage* Target();
    // Runs `draw` with a painter on the image that AutoRedraw chooses, with the pen of `colour`
    // in the current draw style and width, then schedules a repaint. Lines and texts take no
    // brush; the calls that fill set theirs.
    template <class DrawCall>
    void Draw(ColourRef colour, DrawCall&& draw);
    // The painter stays open on its image from one drawing call to the next, since a plan is
    // thousands of calls; it is closed before the images are read, filled, resized or shown.
    QPainter& PainterOn(QImage& target, const PenKey& pen);
    // The pen of the key, from the few made last: a plan goes back and forth between a handful.
    // Flat caps, since any other cap grows every dot by the pen's width and closes the gaps.
    const QPen& PenFor(const PenKey& key);
    void EndPainting();
    // Lines wait to be stroked together, since a painter call per line costs more than its
    // pixels; anything else drawn, read or resized strokes them first. The painter strokes a line
    // of a batch exactly as a line alone (its dots start afresh, no pixel is shared with the line
    // before) only while nothing of it is clipped, its pen is one pixel on one device pixel, and
    // no line before it in the batch may run the other way (down against up, right against left):
    // a line turned back on an earlier one gains a pixel at its start. Lines that differ so start
    // a new batch, or are drawn alone.
    bool Batchable(const PenKey& pen, float x1, float y1, float x2, float y2) const;
    void FlushLines();
    void AskRepaint();
    const QFont& FontFor(const CanvasFont& cell);

    QImage persistent_;
    QImage temporary_;
    QSize fittedFor_;  // the widget size the images were last fitted to
    QSize wholeAt_;    // the widget size the persistent image was cleared at; invalid once refitted
    uint64_t changes_ = 0;
    std::unique_ptr<QPainter> painter_;
    QImage* painterTarget_ = nullptr;
    PenKey penKey_;  // the pen of the open painter
    struct MadePen {
        PenKey key;
        QPen pen;
    };
    std::array<MadePen, 8> pens_;
    size_t nextPen_ = 0;  // the one to make over next
    std::vector<QLineF> pendingLines_, strokingLines_;
    QPolygonF polygon_;  // the last polygon's corners, its room kept for the next
    QImage* pendingTarget_ = nullptr;
    PenKey pendingPen_;
    int pendingWays_ = 0;  // the ways the lines waiting may run, as WaysOf gives them
    CanvasFont fontCell_;
    QFont font_;
    qreal fontAscent_ = 0;
    bool fontKnown_ = false;
    qreal ratio_ = 0;          // the device pixel ratio the images were made for
    bool repaintAsked_ = false;
    CanvasMouseHandlers mouse_;
};
