#include "RunPictureTest.h"

#include "StartedProgram.h"
#include "qt/Program.h"

#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <cmath>
#include <memory>

using namespace tavrolin;

namespace {

std::unique_ptr<qt::Program> program;
QImage picture;

const QRgb foreground = qRgb(3, 0, 67);
const QRgb glass = qRgb(192, 255, 255);

// True if the colour is found within one pixel of (x, y): where a line or a
// dot lands on a half pixel is the rasterizer's choice.
bool near(const QImage& image, double x, double y, QRgb colour)
{
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (image.pixel(int(std::floor(x)) + dx, int(std::floor(y)) + dy) == colour) return true;
    return false;
}

} // namespace

void RunPictureTest::initTestCase()
{
    program = test::startProgram(true);
    QVERIFY(program);
    program->bridge().post(ControlId::cmdStart, Event::Click);
    QCOMPARE(program->toolkit().stepsShown(), 301);
    picture = program->window().canvas().copy();
}

void RunPictureTest::cleanupTestCase() { program.reset(); }

void RunPictureTest::plateIsGlassColouredWithTheLastRaysOverIt()
{
    QCOMPARE(picture.pixel(100, 300), glass);
    QCOMPARE(picture.pixel(390, 480), glass);
    QCOMPARE(picture.pixel(300, 489), glass);
    // Below the fill's last row (491.5) the glass side is background.
    QCOMPARE(picture.pixel(100, 494), qRgb(192, 192, 192));
    // The final rays meet at (215, 489.5), one pixel above the last bottom surface.
    for (double y = 200; y < 489; y += 37) {
        const double t = (y - 90.5) / (489.5 - 90.5);
        QVERIFY2(near(picture, 30 + 185 * t, y, foreground), qPrintable(QString::number(y)));
        QVERIFY2(near(picture, 400 - 185 * t, y, foreground), qPrintable(QString::number(y)));
    }
}

void RunPictureTest::axesAndReferenceLinesStand()
{
    for (double x : {420.0, 520.0, 620.0})
        QVERIFY(near(picture, x, 530, foreground));
    QVERIFY(near(picture, 700, 190.5, foreground));
    QVERIFY(near(picture, 30, 90.5 - 5, foreground));  // the source ring
    QVERIFY(near(picture, 400, 90.5 + 5, foreground)); // the detector ring
}

void RunPictureTest::curveFollowsTheInterferenceFormula()
{
    const double a = 50, b = 50, step = 1.57041 / 100 * 5;
    for (int t = 0; t <= 300; t += 7) {
        const double value = 0.02 * (a * a + b * b - 2 * a * b * std::cos(step * t));
        QVERIFY2(near(picture, 420 + value, 190.5 + t, qRgb(0, 255, 0)), qPrintable(QString::number(t)));
    }
}

void RunPictureTest::resultantsLeaveAPaleRedFan()
{
    int pale = 0;
    for (int y = 60; y < 161; ++y)
        for (int x = 420; x < 571; ++x)
            pale += picture.pixel(x, y) == qRgb(255, 192, 192);
    QVERIFY2(pale > 2000, qPrintable(QString::number(pale)));
}

void RunPictureTest::captionsStandAtTheirPlaces()
{
    const QImage label = qt::axisLabelImage();
    QCOMPARE(picture.copy(50, 400, 19, 68), label);
    const QRect labels[] = {QRect(25, 61, 41, 17), QRect(360, 61, 65, 17), QRect(620, 171, 73, 17),
                            QRect(600, 55, 177, 17), QRect(600, 70, 185, 17)};
    for (const QRect& l : labels) {
        int ink = 0, silver = 0;
        for (int y = l.top(); y <= l.bottom(); ++y)
            for (int x = l.left(); x <= l.right(); ++x) {
                ink += picture.pixel(x, y) == qRgb(0, 0, 0);
                silver += picture.pixel(x, y) == qRgb(192, 192, 192);
            }
        QVERIFY(ink > 20);
        QVERIFY(silver > ink);
    }
}

void RunPictureTest::laterRunAsksInATavrolinBoxWithYesAsDefault()
{
    QString seen;
    // Asked until the box is open, however long the run before it takes;
    // the post below returns without a box if the program never asks.
    QTimer answer;
    answer.setInterval(20);
    QObject::connect(&answer, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        answer.stop();
        seen = QStringList{box->windowTitle(),
                           box->text(),
                           box->button(QMessageBox::Yes)->text(),
                           box->button(QMessageBox::No)->text(),
                           box->defaultButton() == box->button(QMessageBox::Yes) ? "default Yes" : "?",
                           box->icon() == QMessageBox::NoIcon ? "no icon" : "icon"}
                   .join('|');
        box->button(QMessageBox::No)->click();
    });
    answer.start();
    program->bridge().post(ControlId::cmdStart, Event::Click);
    answer.stop();
    QCOMPARE(seen, QString("Tavrolin|Vymazat graf pro novou animaci?|Ano|Ne|default Yes|no icon"));
    QCOMPARE(program->toolkit().stepsShown(), 602);
}

QTEST_MAIN(RunPictureTest)
