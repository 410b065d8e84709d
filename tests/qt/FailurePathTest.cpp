#include "FailurePathTest.h"

#include "StartedProgram.h"
#include "qt/Program.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>

#include <memory>

using namespace tavrolin;

namespace {

std::unique_ptr<qt::Program> program;

} // namespace

void FailurePathTest::init()
{
    program = test::startProgram(true);
    QVERIFY(program);
}

void FailurePathTest::cleanup() { program.reset(); }

void FailurePathTest::unreadableSettingShowsTheErrorAndExitsNonZero()
{
    program->toolkit().setText(ControlId::nSpomaleni, "pomalu");
    QString shown;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            shown = box->windowTitle() + "|" + box->text();
            box->button(QMessageBox::Ok)->click();
        }
    });
    poll.start(10);
    QTimer::singleShot(0, [] { program->bridge().post(ControlId::cmdStart, Event::Click); });
    const int status = QApplication::exec();
    QCOMPARE(status, 1);
    QVERIFY(program->bridge().failed());
    QVERIFY2(shown.startsWith("Tavrolin|Chyba č. 13"), qPrintable(shown));
    QVERIFY2(shown.contains("pomalu"), qPrintable(shown));
    // The run stopped at the first step's pause: nothing was shown as done.
    QCOMPARE(program->toolkit().stepsShown(), 0);
    // Later events are not handled any more.
    program->bridge().post(ControlId::op15, Event::Click);
    QCOMPARE(program->toolkit().getText(ControlId::nFrekvence), std::string("1"));
}

void FailurePathTest::closingTheWindowDuringARunWaitsForTheRunsEnd()
{
    int steps = 0;
    program->backend().setWait([&](std::chrono::nanoseconds) {
        if (++steps == 10) QVERIFY(!program->window().close());
        QVERIFY(program->window().isVisible());
    });
    program->bridge().post(ControlId::cmdStart, Event::Click);
    QCOMPARE(steps, 301);
    QVERIFY(!program->window().isVisible());
}

void FailurePathTest::clicksDuringARunRunAfterItInOrder()
{
    using enum ControlId;
    int steps = 0;
    program->backend().setWait([&](std::chrono::nanoseconds) {
        if (++steps == 5) {
            QTest::mouseClick(program->widget(op15), Qt::LeftButton);
            QTest::mouseClick(program->widget(opCerna), Qt::LeftButton);
        }
        // Settings cannot change under a run.
        QCOMPARE(program->toolkit().getText(nBarva), std::string("zelená"));
        QCOMPARE(program->toolkit().getText(nFrekvence), std::string("1"));
    });
    program->bridge().post(cmdStart, Event::Click);
    QCOMPARE(steps, 301);
    QCOMPARE(program->toolkit().getText(nFrekvence), std::string("1.5"));
    QCOMPARE(program->toolkit().getText(nBarva), std::string("černá"));
}

QTEST_MAIN(FailurePathTest)
