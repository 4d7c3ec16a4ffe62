#include "platform/qt/QtCanvas.h"

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <optional>
#include <random>
#include <vector>

namespace {

const ColourRef White = PackRgb(255, 255, 255);
const ColourRef Black = PackRgb(0, 0, 0);
const ColourRef Red = PackRgb(255, 0, 0);
const ColourRef Green = PackRgb(0, 160, 0);
const ColourRef Blue = PackRgb(0, 0, 255);
const ColourRef Yellow = PackRgb(255, 255, 0);

ColourRef At(const QImage& image, double x, double y) {
    const qreal ratio = image.devicePixelRatio();
    const QColor c = image.pixelColor(int(x * ratio), int(y * ratio));
    return PackRgb(c.red(), c.green(), c.blue());
}

bool IsInk(const QImage& image, double x, double y) {
    const qreal ratio = image.devicePixelRatio();
    return image.pixelColor(int(x * ratio), int(y * ratio)).lightness() < 128;
}

// Whether `colour` lies within a pixel of (x, y): thin outlines may fall on either side of it.
bool Near(const QImage& image, double x, double y, ColourRef colour) {
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy)
            if (At(image, x + dx, y + dy) == colour) return true;
    return false;
}

// The logical-pixel box of the dark pixels inside `area`, if any.
std::optional<QRect> InkBox(const QImage& image, QRect area) {
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (IsInk(image, x, y)) box |= QRect(x, y, 1, 1);
    if (box.isEmpty()) return std::nullopt;
    return box;
}

class QtCanvasTest : public ::testing::Test {
protected:
    QtCanvasTest() {
        canvas.resize(200, 150);
        canvas.SetBackColour(White);
        canvas.Clear();
    }

    QString OutputPng(const QString& name) const {
        const qreal ratio = canvas.devicePixelRatioF();
        return QString(DRAVO_TEST_OUTPUT) + "/" + name + (ratio == 1 ? "" : QString("@%1x").arg(ratio)) + ".png";
    }

    QtCanvas canvas;
};

TEST_F(QtCanvasTest, ImagesHoldDevicePixelsOfTheWidgetsSize) {
    const qreal expected = qEnvironmentVariable("QT_SCALE_FACTOR", "1").toDouble();
    EXPECT_EQ(canvas.devicePixelRatioF(), expected);
    EXPECT_EQ(canvas.WidthPx(), 200);
    EXPECT_EQ(canvas.HeightPx(), 150);
    const QImage image = canvas.Image();
    EXPECT_EQ(image.size(), QSize(200, 150) * expected);
    EXPECT_EQ(image.devicePixelRatio(), expected);
}

TEST_F(QtCanvasTest, ASceneLandsWhereItWasDrawn) {
    canvas.SetDrawWidth(3);
    canvas.Line(10, 20, 190, 20, Red);
    canvas.SetDrawWidth(1);

    // A square with a square hole, as one outline through both rings: the even-odd rule leaves
    // the hole empty.
    const std::array<PixelPoint, 10> ringWithHole{{{30, 40}, {90, 40}, {90, 100}, {30, 100}, {30, 40},
                                                   {50, 60}, {70, 60}, {70, 80}, {50, 80}, {50, 60}}};
    canvas.SetForeColour(Blue);
    canvas.SetFillColour(Blue);
    canvas.SetFillStyle(FillStyle::Solid);
    canvas.Polygon(ringWithHole);

    // An open ring, then a small circle inside it filled with the fill colour.
    canvas.SetFillStyle(FillStyle::Transparent);
    canvas.Circle(150, 70, 25, Green);
    canvas.SetFillStyle(FillStyle::Solid);
    canvas.SetFillColour(Yellow);
    canvas.Circle(150, 70, 8, Green);

    canvas.SetForeColour(Black);
    canvas.Text(20, 115, {20, 0, 0, "Arial"}, "Pilastro 30x30");

    const QString png = OutputPng("qtcanvas-scene");
    ASSERT_TRUE(canvas.SaveImage(png));
    QImage saved(png);
    ASSERT_FALSE(saved.isNull());
    ASSERT_EQ(saved.size(), canvas.Image().size());
    saved.setDevicePixelRatio(canvas.devicePixelRatioF());  // a PNG keeps no pixel ratio

    EXPECT_EQ(At(saved, 100, 20), Red);
    EXPECT_EQ(At(saved, 12, 20), Red);
    EXPECT_EQ(At(saved, 100, 24), White);
    EXPECT_EQ(At(saved, 194, 20), White);

    EXPECT_EQ(At(saved, 35, 45), Blue);
    EXPECT_EQ(At(saved, 85, 95), Blue);
    EXPECT_EQ(At(saved, 40, 70), Blue);
    EXPECT_EQ(At(saved, 60, 70), White);  // the hole
    EXPECT_EQ(At(saved, 25, 70), White);
    EXPECT_EQ(At(saved, 95, 70), White);

    EXPECT_TRUE(Near(saved, 175, 70, Green));
    EXPECT_TRUE(Near(saved, 150, 45, Green));
    EXPECT_EQ(At(saved, 150, 55), White);  // inside the open ring
    EXPECT_EQ(At(saved, 150, 70), Yellow);  // inside the filled circle

    // The text hangs from the top of its cell at y = 115 and starts at x = 20.
    const auto ink = InkBox(saved, QRect(0, 101, 200, 49));
    ASSERT_TRUE(ink);
    EXPECT_GE(ink->top(), 115);
    EXPECT_LE(ink->top(), 122);
    EXPECT_LE(ink->bottom(), 135);
    EXPECT_GE(ink->left(), 20);
    EXPECT_LE(ink->left(), 24);
    EXPECT_GT(ink->width(), 100);
}

TEST_F(QtCanvasTest, TextTurnsCounterClockwiseAboutTheTopLeftOfItsCell) {
    canvas.SetForeColour(Black);
    canvas.Text(100, 140, {20, 0, 900, "Arial"}, "TESTO");
    const auto ink = InkBox(canvas.Image(), canvas.rect());
    ASSERT_TRUE(ink);
    // Read upwards from (100, 140), the glyphs hanging to the right of x = 100.
    EXPECT_GE(ink->left(), 100);
    EXPECT_LE(ink->right(), 122);
    EXPECT_LE(ink->bottom(), 140);
    EXPECT_LT(ink->top(), 100);
}

TEST_F(QtCanvasTest, TheCellWidthStretchesTheText) {
    canvas.SetForeColour(Black);
    canvas.Text(5, 10, {20, 5, 0, "Arial"}, "MMMM");
    canvas.Text(5, 60, {20, 15, 0, "Arial"}, "MMMM");
    canvas.Text(5, 110, {0, 15, 0, "Arial"}, "MMMM");  // no height: nothing drawn
    const QImage image = canvas.Image();
    const auto narrow = InkBox(image, QRect(0, 5, 200, 35));
    const auto wide = InkBox(image, QRect(0, 55, 200, 35));
    ASSERT_TRUE(narrow && wide);
    EXPECT_NEAR(double(wide->width()) / narrow->width(), 3.0, 0.5);
    EXPECT_FALSE(InkBox(image, QRect(0, 100, 200, 50)));
}

TEST_F(QtCanvasTest, ClearingTheTemporaryLayerKeepsThePersistentImage) {
    canvas.Box(20, 20, 80, 80, Red, BoxInside::Colour);
    canvas.SetAutoRedraw(false);
    canvas.Box(50, 50, 120, 120, Blue, BoxInside::Colour);
    canvas.Line(10, 140, 190, 140, Black);

    QImage image = canvas.Image();
    EXPECT_EQ(At(image, 30, 30), Red);
    EXPECT_EQ(At(image, 60, 60), Blue);  // the temporary layer lies over the persistent image
    EXPECT_EQ(At(image, 100, 100), Blue);
    EXPECT_TRUE(Near(image, 100, 140, Black));

    canvas.ClearTemporary();
    image = canvas.Image();
    EXPECT_EQ(At(image, 30, 30), Red);
    EXPECT_EQ(At(image, 60, 60), Red);
    EXPECT_EQ(At(image, 100, 100), White);
    EXPECT_FALSE(Near(image, 100, 140, Black));

    canvas.SetAutoRedraw(true);
    canvas.SetBackColour(Yellow);
    canvas.Clear();
    image = canvas.Image();
    EXPECT_EQ(At(image, 60, 60), Yellow);
    EXPECT_EQ(At(image, 199, 149), Yellow);
}

// Which columns of a horizontal line at y carry ink, within a pixel above or below it.
std::vector<bool> InkAlong(const QImage& image, int y, int from, int to) {
    std::vector<bool> ink;
    for (int x = from; x < to; ++x)
        ink.push_back(IsInk(image, x, y - 1) || IsInk(image, x, y) || IsInk(image, x, y + 1));
    return ink;
}

TEST_F(QtCanvasTest, DottedLinesHaveGapsAndSolidLinesNone) {
    canvas.SetDrawStyle(DrawStyle::Dotted);
    canvas.Line(10, 50, 190, 50, Black);
    canvas.SetDrawStyle(DrawStyle::Solid);
    canvas.Line(10, 100, 190, 100, Black);
    const QImage image = canvas.Image();

    const std::vector<bool> dotted = InkAlong(image, 50, 20, 180);
    int changes = 0;
    for (size_t i = 1; i < dotted.size(); ++i) changes += dotted[i] != dotted[i - 1];
    EXPECT_GT(changes, 40);  // a dot and a gap at least every few pixels
    const std::vector<bool> solid = InkAlong(image, 100, 20, 180);
    EXPECT_EQ(std::count(solid.begin(), solid.end(), false), 0);
}

// Lines as one painter call each would draw them, in the canvas's pen: the picture the canvas
// must give however it groups its lines.
struct PaintedLine {
    float x1, y1, x2, y2;
    ColourRef colour;
    DrawStyle style;
};

QImage PaintedOneByOne(QSize size, qreal ratio, const std::vector<PaintedLine>& lines) {
    QImage image(size * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    QPainter painter(&image);
    QPen pen;
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::RoundJoin);
    for (const PaintedLine& l : lines) {
        pen.setColor(QColor(RedOf(l.colour), GreenOf(l.colour), BlueOf(l.colour)));
        pen.setStyle(l.style == DrawStyle::Dotted ? Qt::DotLine : Qt::SolidLine);
        painter.setPen(pen);
        painter.drawLine(QLineF(l.x1, l.y1, l.x2, l.y2));
    }
    return image;
}

TEST_F(QtCanvasTest, ManyLinesGiveThePixelsOfOnePainterCallPerLine) {
    std::vector<PaintedLine> lines{
        // A chain that turns back on itself: the second line must not gain a pixel from the first.
        {41.067f, 93.333f, 41.667f, 94.167f, Green, DrawStyle::Solid},
        {41.667f, 94.167f, 41.667f, 89.167f, Green, DrawStyle::Solid},
        {41.667f, 89.167f, 30.25f, 89.167f, Green, DrawStyle::Solid},
        // A point, and lines reaching off the canvas.
        {60, 60, 60, 60, Blue, DrawStyle::Solid},
        {-20.5f, 10.25f, 30.5f, 12.75f, Blue, DrawStyle::Solid},
        {190.5f, 140.5f, 230, 170, Blue, DrawStyle::Dotted},
    };
    // Chains of short steps in both pens and three colours, straight on and turning back, and runs
    // of parallel lines as a hatch gives them.
    std::mt19937 random(7);
    std::uniform_real_distribution<float> along(2, 196), across(2, 146), step(-6, 6);
    const ColourRef colours[] = {Red, Green, Black};
    for (int chain = 0; chain < 300; ++chain) {
        float x = along(random), y = across(random);
        const float dx = step(random), dy = step(random);
        const ColourRef colour = colours[chain % 3];
        const DrawStyle style = chain % 4 == 0 ? DrawStyle::Dotted : DrawStyle::Solid;
        for (int k = 0; k < 5; ++k) {
            const float sign = (chain % 5 == 0 && k % 2 == 1) ? -1.0f : 1.0f;
            const float nx = std::clamp(x + sign * dx * (1 + 0.3f * k), 0.0f, 200.0f);
            const float ny = std::clamp(y + sign * dy * (1 + 0.2f * k), 0.0f, 150.0f);
            lines.push_back({x, y, nx, ny, colour, style});
            x = nx, y = ny;
        }
    }
    for (int k = 0; k < 40; ++k)
        lines.push_back({10.3f + 4.7f * k, 20.1f, 5.2f + 4.7f * k, 130.6f, Red, DrawStyle::Dotted});

    for (const PaintedLine& l : lines) {
        canvas.SetDrawStyle(l.style);
        canvas.Line(l.x1, l.y1, l.x2, l.y2, l.colour);
    }
    canvas.SetDrawStyle(DrawStyle::Solid);
    const QImage expected = PaintedOneByOne(canvas.size(), canvas.devicePixelRatioF(), lines);
    EXPECT_TRUE(canvas.Image() == expected);
}

TEST_F(QtCanvasTest, ResizingKeepsTheDrawingAtTheTopLeft) {
    canvas.Box(5, 5, 15, 15, Red, BoxInside::Colour);
    canvas.SetAutoRedraw(false);
    canvas.Box(20, 5, 30, 15, Blue, BoxInside::Colour);
    canvas.resize(300, 220);
    EXPECT_EQ(canvas.WidthPx(), 300);
    EXPECT_EQ(canvas.HeightPx(), 220);
    const QImage image = canvas.Image();
    EXPECT_EQ(image.size(), QSize(300, 220) * canvas.devicePixelRatioF());
    EXPECT_EQ(At(image, 10, 10), Red);
    EXPECT_EQ(At(image, 25, 10), Blue);
    EXPECT_EQ(At(image, 250, 200), White);

    canvas.ClearTemporary();
    EXPECT_EQ(At(canvas.Image(), 25, 10), White);
}

TEST_F(QtCanvasTest, PointerShapes) {
    const std::pair<CanvasPointer, Qt::CursorShape> cases[] = {
        {CanvasPointer::Crosshair, Qt::CrossCursor},
        {CanvasPointer::Hourglass, Qt::WaitCursor},
        {CanvasPointer::Pan, Qt::OpenHandCursor},
        {CanvasPointer::Arrow, Qt::ArrowCursor},
    };
    for (const auto& [pointer, shape] : cases) {
        canvas.SetPointer(pointer);
        EXPECT_EQ(canvas.cursor().shape(), shape);
    }
}

// Mouse events reach the editor as its numbers: buttons 1, 2, 4 (for a move, those held), shift
// state 1, 2, 4 for shift, control and alt. Other buttons' presses are not passed on.
TEST_F(QtCanvasTest, MouseEventsArePassedOnAsTheEditorsNumbers) {
    std::vector<std::array<float, 5>> calls;  // kind (0 down, 1 move, 2 up), button, shift, x, y
    auto record = [&calls](float kind) {
        return [&calls, kind](int16_t button, int16_t shift, float x, float y) {
            calls.push_back({kind, float(button), float(shift), x, y});
        };
    };
    canvas.SetMouseHandlers({record(0), record(1), record(2)});
    auto send = [&](QEvent::Type type, QPointF at, Qt::MouseButton button, Qt::MouseButtons held,
                    Qt::KeyboardModifiers keys) {
        QMouseEvent event(type, at, canvas.mapToGlobal(at), button, held, keys);
        QApplication::sendEvent(&canvas, &event);
    };
    send(QEvent::MouseButtonPress, {10.5, 20}, Qt::MiddleButton, Qt::MiddleButton,
         Qt::ShiftModifier | Qt::ControlModifier);
    send(QEvent::MouseMove, {11, 21}, Qt::NoButton, Qt::LeftButton | Qt::MiddleButton, Qt::AltModifier);
    send(QEvent::MouseButtonPress, {11, 21}, Qt::BackButton, Qt::BackButton, Qt::NoModifier);
    send(QEvent::MouseButtonRelease, {12, 22}, Qt::RightButton, Qt::NoButton, Qt::NoModifier);
    send(QEvent::MouseMove, {13, 23}, Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    const std::vector<std::array<float, 5>> expected = {
        {0, 4, 3, 10.5f, 20}, {1, 5, 4, 11, 21}, {2, 2, 0, 12, 22}, {1, 0, 0, 13, 23}};
    EXPECT_EQ(calls, expected);
}

}  // namespace
