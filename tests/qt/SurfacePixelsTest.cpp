#include "SurfacePixelsTest.h"

#include "basics/Failure.h"
#include "qt/Fonts.h"
#include "qt/Program.h"

#include <QApplication>
#include <QtTest>

#include <cmath>
#include <memory>
#include <new>
#include <random>

using namespace tavrolin;

namespace {

std::unique_ptr<qt::Program> program;

const QRgb silver = qRgb(192, 192, 192);
const QRgb foreground = qRgb(3, 0, 67);

int countPixels(const QImage& image, const QRect& area, QRgb colour)
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixel(x, y) == colour) ++n;
    return n;
}

// A clean area of the client surface, away from every control and label.
const QRect scratch(440, 200, 340, 300);

} // namespace

void SurfacePixelsTest::init()
{
    qt::loadFonts();
    program = std::make_unique<qt::Program>();
}

void SurfacePixelsTest::cleanup() { program.reset(); }

void SurfacePixelsTest::redrawInBackgroundLeavesNoPixel_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<QLineF>("line");
    QTest::newRow("half-pixel horizontal") << 1 << QLineF(450, 290.5, 770, 290.5);
    QTest::newRow("slanted fraction") << 1 << QLineF(470.3, 210.7, 717.9, 489.2);
    QTest::newRow("steep, width 2") << 2 << QLineF(590.25, 220.5, 591.75, 480.125);
    QTest::newRow("shallow, width 2") << 2 << QLineF(460, 300.5, 720.6, 320.1);
}

void SurfacePixelsTest::redrawInBackgroundLeavesNoPixel()
{
    QFETCH(int, width);
    QFETCH(QLineF, line);
    auto& tk = program->toolkit();
    tk.setPenWidth(std::int16_t(width));
    const auto draw = [&](std::optional<Colour> c) {
        tk.drawLine(float(line.x1()), float(line.y1()), float(line.x2()), float(line.y2()), c);
    };
    draw(std::nullopt);
    QVERIFY(countPixels(program->window().canvas(), scratch, foreground) > 20);
    draw(colSilver);
    QCOMPARE(countPixels(program->window().canvas(), scratch, silver), scratch.width() * scratch.height());
}

void SurfacePixelsTest::lineWithoutColourUsesTheForeground()
{
    auto& tk = program->toolkit();
    tk.setPenWidth(1);
    tk.drawLine(110, 250, 390, 250);
    tk.drawLine(110, 300, 390, 300, Colour{0});
    const QImage& canvas = program->window().canvas();
    QCOMPARE(canvas.pixel(200, 250), foreground);
    QCOMPARE(canvas.pixel(200, 300), qRgb(0, 0, 0));
}

void SurfacePixelsTest::drawingOutsideTheWindowIsClipped()
{
    program->window().resize(600, 400);
    auto& tk = program->toolkit();
    tk.setPenWidth(1);
    tk.drawLine(100, -19, 795, -19, colRed);
    tk.drawLine(100, 250.5, 795, 250.5, colRed);
    tk.drawLine(-50, -50, 1e5f, 1e5f, colRed);
    const QImage& canvas = program->window().canvas();
    const int row = canvas.pixel(300, 250) == qRgb(255, 0, 0) ? 250 : 251;
    QCOMPARE(canvas.pixel(300, row), qRgb(255, 0, 0));
    QCOMPARE(canvas.pixel(599, row), qRgb(255, 0, 0));
}

// The one-pixel rows take a way of their own past the painter: thousands of
// rows at random fractional places, ends beyond the canvas among them, must
// give every pixel that the painter gives them.
void SurfacePixelsTest::rowsGiveThePaintersPixels()
{
    auto& tk = program->toolkit();
    tk.setPenWidth(1);
    const QImage before = program->window().canvas().copy();
    QImage expected = before;
    std::mt19937 random(7);
    std::uniform_real_distribution<float> x(-40, 900), y(-20, 640);
    std::uniform_int_distribution<int> sixtyFourths(0, 63);
    {
        QPainter p(&expected);
        p.setRenderHint(QPainter::Antialiasing, false);
        for (int i = 0; i < 3000; ++i) {
            float x1 = x(random), x2 = x(random), row = y(random);
            if (i % 3 == 0) row = std::floor(row) + 0.5f;
            if (i % 3 == 1) x1 = std::floor(x1) + float(sixtyFourths(random)) / 64 + 1.0f / 128;
            const QColor colour = QColor::fromRgb(QRgb(random()) | 0xFF000000u);
            p.setPen(QPen(colour, 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
            p.drawLine(QPointF(x1, row), QPointF(x2, row));
            tk.drawLine(x1, row, x2, row, rgb(colour.red(), colour.green(), colour.blue()));
        }
    }
    const QImage drawn = program->window().canvas();
    QCOMPARE(drawn.size(), expected.size());
    int differing = 0;
    for (int py = 0; py < drawn.height(); ++py)
        for (int px = 0; px < drawn.width(); ++px)
            differing += drawn.pixel(px, py) != expected.pixel(px, py);
    QCOMPARE(differing, 0);
}

void SurfacePixelsTest::radiusOneAtWidthTwoIsASolidDot()
{
    auto& tk = program->toolkit();
    tk.setPenWidth(2);
    tk.drawCircle(200, 300.5f, 1, colBlue);
    const QImage& canvas = program->window().canvas();
    const QRect around(196, 296, 9, 9);
    const int blue = countPixels(canvas, around, qRgb(0, 0, 255));
    QVERIFY2(blue >= 4 && blue <= 25, qPrintable(QString::number(blue)));
    // Solid: no silver pixel is enclosed by blue ones.
    for (int y = around.top() + 1; y < around.bottom(); ++y)
        for (int x = around.left() + 1; x < around.right(); ++x)
            if (canvas.pixel(x, y) == silver)
                QVERIFY(!(canvas.pixel(x - 1, y) != silver && canvas.pixel(x + 1, y) != silver &&
                          canvas.pixel(x, y - 1) != silver && canvas.pixel(x, y + 1) != silver));
}

void SurfacePixelsTest::radiusFiveAtWidthOneIsARing()
{
    auto& tk = program->toolkit();
    tk.setPenWidth(1);
    tk.drawCircle(200, 300, 5);
    const QImage& canvas = program->window().canvas();
    QCOMPARE(canvas.pixel(200, 300), silver);
    QCOMPARE(canvas.pixel(201, 301), silver);
    const int ring = countPixels(canvas, QRect(193, 293, 15, 15), foreground);
    QVERIFY2(ring >= 24 && ring <= 40, qPrintable(QString::number(ring)));
}

void SurfacePixelsTest::buttonFaceIsResolvedWhenDrawn()
{
    auto& tk = program->toolkit();
    tk.setPenWidth(1);
    const QPalette original = QApplication::palette();
    QPalette palette = original;
    palette.setColor(QPalette::Button, QColor(10, 20, 30));
    QApplication::setPalette(palette);
    tk.drawLine(110, 250, 390, 250, colButtonFace);
    palette.setColor(QPalette::Button, QColor(40, 50, 60));
    QApplication::setPalette(palette);
    tk.drawLine(110, 260, 390, 260, colButtonFace);
    QApplication::setPalette(original);
    const QImage& canvas = program->window().canvas();
    QCOMPARE(canvas.pixel(200, 250), qRgb(10, 20, 30));
    QCOMPARE(canvas.pixel(200, 260), qRgb(40, 50, 60));
}

void SurfacePixelsTest::movedLabelLeavesBackgroundBehind()
{
    auto& tk = program->toolkit();
    tk.setPenWidth(1);
    for (int y = 50; y < 80; ++y)
        tk.drawLine(30, float(y), 120, float(y), colRed);
    tk.showControl(ControlId::labZdroj); // at 32, 56: paints over the red
    const QImage& before = program->window().canvas();
    QCOMPARE(before.pixel(33, 57), silver);
    QCOMPARE(before.pixel(31, 57), qRgb(255, 0, 0));
    tk.moveControl(ControlId::labZdroj, 25, 300.5f);
    const QImage& after = program->window().canvas();
    QCOMPARE(after.pixel(33, 57), silver); // uncovered: background, not the old red
    QCOMPARE(after.pixel(31, 57), qRgb(255, 0, 0));
    QVERIFY(countPixels(after, QRect(25, 300, 41, 17), qRgb(0, 0, 0)) > 10); // the text moved
}

void SurfacePixelsTest::drawingSurvivesARestoredWindow()
{
    auto& tk = program->toolkit();
    program->window().show();
    QVERIFY(QTest::qWaitForWindowExposed(&program->window()));
    program->window().resize(1200, 900);
    QTest::qWait(1);
    tk.drawLine(700, 650, 1100, 650, colRed);
    program->window().resize(792, 516);
    program->window().resize(1200, 900);
    QCOMPARE(program->window().canvas().pixel(900, 650), qRgb(255, 0, 0));
}

void SurfacePixelsTest::badPenWidthFails() { QVERIFY_THROWS_EXCEPTION(Failure, program->toolkit().setPenWidth(0)); }

// A scale whose canvas cannot be had (800 million pixels wide): the
// failure is memory's, and the picture drawn so far stays.
void SurfacePixelsTest::aCanvasThatCannotBeMadeFailsAndKeepsThePicture()
{
    program->toolkit().drawLine(100, 300, 200, 300, colRed);
    QVERIFY_THROWS_EXCEPTION(std::bad_alloc, program->window().setSceneFit(1e6, QPointF()));
    QCOMPARE(program->window().canvas().pixel(150, 300), qRgb(255, 0, 0));
}

QTEST_MAIN(SurfacePixelsTest)
