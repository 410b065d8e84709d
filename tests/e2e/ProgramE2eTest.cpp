#include "ProgramE2eTest.h"

#include "PictureChecks.h"
#include "ProgramWindow.h"
#include "X11Session.h"
#include "layout/Layout.h"
#include "layout/SceneFit.h"

#include <QDir>
#include <QElapsedTimer>
#include <QPainter>
#include <QProcess>
#include <QtTest>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>
#include <vector>

using namespace tavrolin;
using X = X11Session;

namespace {

// Every wait below ends as soon as what it waits for holds. It fails only
// when that never comes: after a minute, which no machine of ours, however
// slow or busy, comes near. Only lower time bounds are checked.
constexpr int hangGuardMs = 60000;

std::unique_ptr<QProcess> program;
QString windowId;
picture::View view;

using program_window::clientRect;
void clickOn(ControlId id) { program_window::clickOn(view, id); }

// An option button's round indicator, at the button's left end.
QRect indicator(ControlId id)
{
    const QRect r = clientRect(id);
    return QRect(r.left(), r.top(), 13, r.height());
}

void save(const QImage& shot, const char* name)
{
    QDir().mkpath("e2e-screenshots");
    shot.save(QString("e2e-screenshots/%1.png").arg(name));
}

// Waits until the screen shows what changes, or the time is up; returns the
// last screenshot.
QImage waitUntil(const std::function<bool(const QImage&)>& holds, int timeoutMs = hangGuardMs)
{
    return X::waitFor(holds, timeoutMs).first;
}

bool indicatorsDiffer(const QImage& a, const QImage& b, std::initializer_list<ControlId> ids)
{
    for (ControlId id : ids)
        if (a.copy(view.toScreen(indicator(id))) == b.copy(view.toScreen(indicator(id)))) return false;
    return true;
}

// A run is under way once it has plotted a few points of its curve.
int curvePoints(const QImage& shot) { return picture::pointsFound(shot, view, {}, picture::green); }
void waitForRunUnderWay()
{
    waitUntil([](const QImage& s) { return curvePoints(s) >= 3; });
}

// Waits until the run has gone on by some steps: whatever input came
// before has reached the program by then.
void waitForRunProgress()
{
    const int now = curvePoints(X::screenshot());
    waitUntil([now](const QImage& s) { return curvePoints(s) >= now + 3 || picture::plateIsGlass(s, view); });
}

QString waitForQuestion(int timeoutMs = hangGuardMs) { return program_window::waitForQuestion(timeoutMs); }

// The closing picture, or a null image if the run never finished.
QImage waitForClosingPicture(bool hadGlass, int timeoutMs = hangGuardMs)
{
    auto [shot, done] = program_window::waitForClosingPicture(view, hadGlass, timeoutMs);
    if (!done) save(shot, "timeout");
    return done ? shot : QImage();
}

int plateRows(const QImage& shot) { return program_window::plateRows(shot, view); }
bool showsReadout(const QImage& shot) { return program_window::showsReadout(shot, view); }

} // namespace

void ProgramE2eTest::init()
{
    program = std::make_unique<QProcess>();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    // Czech, as a Czech school's PC has it. Wine takes the language of its
    // messages from LC_ALL where the system has no such locale installed.
    env.insert("LANG", "cs_CZ.UTF-8");
    env.insert("LC_ALL", "cs_CZ.UTF-8");
    env.remove("LC_NUMERIC");
    // A projector at 200 %: TAVROLIN_E2E_SCALE=2 runs the program scaled
    // (the Windows program takes the scale from its wine prefix's DPI).
    const QString scale = qEnvironmentVariable("TAVROLIN_E2E_SCALE", "1");
    view.scale = scale.toDouble();
    QVERIFY2(view.scale >= 1 && view.scale <= 3, qPrintable(scale));
    if (view.scale != 1) env.insert("QT_SCALE_FACTOR", scale);
    program->setProcessEnvironment(env);
    program->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    // The Windows program runs under wine: TAVROLIN_E2E_COMMAND="wine …/tavrolin.exe".
    QStringList command = qEnvironmentVariable("TAVROLIN_E2E_COMMAND").split(' ', Qt::SkipEmptyParts);
    if (command.isEmpty()) command = {TAVROLIN_EXE};
    program->start(command.takeFirst(), command);
    QVERIFY(program->waitForStarted());
    windowId = X::findWindow("^Tavrolin - ", hangGuardMs);
    if (windowId.isEmpty()) {
        // What the display has instead, for the message.
        save(X::screenshot(), "no-window");
        const QString windows = X::run("xwininfo", {"-root", "-tree"});
        QFAIL(qPrintable(QString("the window did not appear (the program is %1); the display has:\n%2")
                             .arg(program->state() == QProcess::Running ? "running" : "not running", windows)));
    }
    // Where that never comes, the scenario's own checks say what is wrong.
    program_window::waitUntilReady(windowId, view, hangGuardMs);
}

void ProgramE2eTest::cleanup()
{
    if (program->state() != QProcess::NotRunning) {
        program->kill();
        program->waitForFinished();
    }
    program.reset();
}

void ProgramE2eTest::opensMaximizedWithTheLayoutsControls()
{
    using enum ControlId;
    const QString state = X::property(windowId, "_NET_WM_STATE");
    QVERIFY2(state.contains("_NET_WM_STATE_MAXIMIZED_VERT") && state.contains("_NET_WM_STATE_MAXIMIZED_HORZ"),
             qPrintable(state));
    QVERIFY(X::property(windowId, "WM_NAME").contains("Tavrolin - https://tavrolin.example.org"));

    const QImage shot = X::screenshot();
    save(shot, "start-up");
    // The coloured option buttons, sampled at their right ends, clear of text.
    const std::pair<ControlId, QRgb> colours[] = {{op05, qRgb(255, 128, 128)}, {op1, qRgb(0, 255, 0)},
                                                  {op15, qRgb(192, 192, 255)}, {opCervena, qRgb(255, 0, 0)},
                                                  {opzelená, qRgb(0, 255, 0)}, {opModra, qRgb(192, 192, 255)}};
    for (const auto& [id, colour] : colours) {
        const QRect r = clientRect(id);
        QCOMPARE(shot.pixel(view.toScreen(r.right() - 1, r.center().y())), colour);
    }
    // The start-up caption is written, in letters of its font's size at the
    // screen's scale: two lines of 24-point Times, about 59 layout pixels
    // from the top of the K to the foot of "Start".
    QVERIFY(picture::count(shot, view, clientRect(labKlepnuti), qRgb(0, 0, 0)) > 300);
    const double ink = picture::inkHeight(shot, view, clientRect(labKlepnuti), qRgb(0, 0, 0));
    QVERIFY2(ink > 50 && ink < 70, qPrintable(QString::number(ink)));
    // The hidden controls leave only silver.
    for (ControlId hidden : {nSpomaleni, nPosunZdroje, frmAnimace, frmPosunZdroje, labDetektor, labZdroj})
        QVERIFY2(picture::allOf(shot, view, clientRect(hidden).adjusted(2, 2, -2, -2), picture::silver),
                 layoutOf(hidden).name.data());
    QVERIFY(picture::allOf(shot, view, QRect(176, 50, 16, 26), picture::silver)); // the image's free part
}

void ProgramE2eTest::restoredWindowHasTheLayoutsClientSize()
{
    X::run("wmctrl", {"-i", "-r", windowId, "-b", "remove,maximized_vert,maximized_horz"});
    QElapsedTimer t;
    t.start();
    const QSize size(std::lround(792 * view.scale), std::lround(516 * view.scale));
    while (X::clientSize(windowId) != size && t.elapsed() < hangGuardMs)
        QTest::qWait(50);
    QCOMPARE(X::clientSize(windowId), size);
}

void ProgramE2eTest::optionButtonsScrollBarAndKonecAnswerClicks()
{
    using enum ControlId;
    const QImage before = X::screenshot();
    clickOn(op15);
    const QImage after = waitUntil([&](const QImage& s) { return indicatorsDiffer(before, s, {opModra}); });
    save(after, "after-op15");
    // The chain selects the blue colour button: its indicator changes, and
    // the green one's too.
    for (ControlId id : {op15, opModra, opzelená, op1})
        QVERIFY2(before.copy(view.toScreen(indicator(id))) != after.copy(view.toScreen(indicator(id))),
                 layoutOf(id).name.data());

    // One click on the right arrow moves the thumb one step.
    const QRect bar = clientRect(HScroll1);
    X::click(view.toScreen(bar.right() - 6, bar.center().y()));
    const QImage scrolled =
        waitUntil([&](const QImage& s) { return after.copy(view.toScreen(bar)) != s.copy(view.toScreen(bar)); });
    QVERIFY(after.copy(view.toScreen(bar)) != scrolled.copy(view.toScreen(bar)));

    clickOn(cmdKonec);
    QVERIFY(program->waitForFinished(hangGuardMs));
    QCOMPARE(program->exitStatus(), QProcess::NormalExit);
    QCOMPARE(program->exitCode(), 0);
}

void ProgramE2eTest::startRunsTheWholeAnimationAtItsPace()
{
    // Timed from before the click, which the run cannot precede.
    QElapsedTimer timer;
    timer.start();
    clickOn(ControlId::cmdStart);
    // Mid-run the plate is dark, the curve partly drawn: the first look
    // past a few points, however soon or late the machine gets there.
    const QImage mid = waitUntil([](const QImage& s) { return curvePoints(s) > 5; });
    save(mid, "mid-run");
    QVERIFY(!picture::plateIsGlass(mid, view));
    const int midPoints = curvePoints(mid);
    QVERIFY2(midPoints > 5 && midPoints < 55, qPrintable(QString::number(midPoints)));

    const QImage done = waitForClosingPicture(false);
    QVERIFY(!done.isNull());
    const qint64 ms = timer.elapsed();
    save(done, "first-run");
    // 301 pauses of 10 ms at slow-down 1: never less, however busy the
    // machine (its time is for the benchmarks to measure).
    QVERIFY2(ms >= 3010, qPrintable(QString::number(ms)));
    checkFirstRun(done);
}

void ProgramE2eTest::checkFirstRun(const QImage& done)
{
    QVERIFY(picture::pointsFound(done, view, {}, picture::green) >= 58);
    // Between the final rays and the surface, where every step's ray to the
    // bottom surface passed and was drawn again in silver, nothing is left.
    QVERIFY(picture::allOf(done, view, QRect(76, 130, 14, 50), picture::silver));
    QVERIFY(picture::allOf(done, view, QRect(340, 130, 14, 50), picture::silver));
    // Those rays, drawn again in silver, also took the top surface's line
    // away left of the hit point, every pixel of it.
    QCOMPARE(picture::count(done, view, QRect(100, 189, 100, 4), picture::foreground), 0);
    QVERIFY(picture::count(done, view, QRect(25, 61, 41, 17), qRgb(0, 0, 0)) > 20);  // "Zdroj "
    QVERIFY(picture::count(done, view, QRect(360, 61, 65, 17), qRgb(0, 0, 0)) > 20); // "Detektor"
    // "odrazeného od spodního rozhraní" moved down from y 64 and uncovered
    // the lower half of "Relativní délka vektoru  světla", placed at y 55:
    // that half is painted again.
    QVERIFY(picture::count(done, view, QRect(600, 64, 177, 6), qRgb(0, 0, 0)) > 20);
}

void ProgramE2eTest::presentationModeFitsTheSceneToTheScreenAndEscapeReturns()
{
    const QSize screen = X::screenshot().size();
    const picture::View normal = view;
    X::key("F11");
    QElapsedTimer t;
    t.start();
    while (X::clientSize(windowId) != screen && t.elapsed() < hangGuardMs)
        QTest::qWait(50);
    QCOMPARE(X::clientSize(windowId), screen);
    // The scene at s = min(W / 800, H / 545), centred; the Windows program
    // takes s as a whole DPI, rounded down.
    const Fit fit = fitInto(wholeScene, screen.width(), screen.height());
    const bool windows = !qEnvironmentVariable("TAVROLIN_E2E_COMMAND").isEmpty();
    view.scale = windows ? std::floor(96 * fit.scale) / 96 : fit.scale;
    view.origin = X::clientOrigin(windowId) + QPoint(int(std::lround((screen.width() - 800 * view.scale) / 2)),
                                                     int(std::lround((screen.height() - 545 * view.scale) / 2)));
    const QRect green = clientRect(ControlId::op1);
    const QImage fitted = waitUntil([&](const QImage& s) {
        return s.pixel(view.toScreen(green.right() - 2, green.center().y())) == picture::green;
    });
    save(fitted, "presentation-start");
    // A one-line caption that the screen's font makes wider than at 1:1 is
    // drawn narrower, not cut: no ink in its box's last column.
    for (ControlId label : {ControlId::labOdrazeného, ControlId::labRelDelka}) {
        const QRect r = clientRect(label);
        QVERIFY2(picture::count(fitted, view, QRect(r.right(), r.top(), 1, r.height()), qRgb(0, 0, 0)) == 0,
                 layoutOf(label).name.data());
    }

    clickOn(ControlId::cmdStart);
    const QImage done = waitForClosingPicture(false);
    QVERIFY(!done.isNull());
    save(done, "presentation");
    checkFirstRun(done);
    if (QTest::currentTestFailed()) return;

    // Escape: the maximized window at 1:1 again; the picture kept, and the
    // start-up caption, which the run drew over, not painted back on top.
    X::key("Escape");
    view = normal;
    t.restart();
    while (X::clientSize(windowId) == screen && t.elapsed() < hangGuardMs)
        QTest::qWait(50);
    // Where the window's inside stands once it has settled.
    const QImage back = waitUntil([&](const QImage& s) {
        view.origin = X::clientOrigin(windowId);
        return s.pixel(view.toScreen(green.right() - 2, green.center().y())) == picture::green &&
               picture::plateIsGlass(s, view);
    });
    save(back, "presentation-left");
    QVERIFY(picture::plateIsGlass(back, view));
    QCOMPARE(picture::count(back, view, clientRect(ControlId::labKlepnuti), qRgb(0, 0, 0)), 0);
}

void ProgramE2eTest::laterRunsAskAndYesClearsTheGraphWhileNoKeepsIt()
{
    using enum ControlId;
    clickOn(cmdStart);
    QVERIFY(!waitForClosingPicture(false).isNull());

    // Blue light, and Yes (the default button) to clearing the graph.
    clickOn(op15);
    clickOn(cmdStart);
    QVERIFY(!waitForQuestion().isEmpty());
    save(X::screenshot(), "question");
    X::key("Return");
    QImage shot = waitForClosingPicture(true);
    QVERIFY(!shot.isNull());
    save(shot, "after-yes");
    QCOMPARE(picture::graphPixels(shot, view, picture::green), 0);
    // 1,5 in the Czech locale read back as 1.5: the blue curve's positions.
    QVERIFY(picture::pointsFound(shot, view, {1.5, 1}, picture::blue) >= 58);

    // Red light, and No: both curves stay for comparison.
    clickOn(op05);
    clickOn(cmdStart);
    QVERIFY(!waitForQuestion().isEmpty());
    // To the No button and press it: the keys of a Windows message box too,
    // which has no Escape for Yes and No.
    X::key("Tab");
    X::key("Return");
    shot = waitForClosingPicture(true);
    QVERIFY(!shot.isNull());
    save(shot, "after-no");
    QVERIFY(picture::pointsFound(shot, view, {1.5, 1}, picture::blue) >= 50);
    QVERIFY(picture::pointsFound(shot, view, {0.5, 1}, picture::red) >= 58);
}

void ProgramE2eTest::clicksDuringARunTakeEffectAfterItInOrder()
{
    using enum ControlId;
    clickOn(cmdStart);
    waitForRunUnderWay();
    const QImage before = X::screenshot();
    clickOn(op15);
    clickOn(cmdStart);
    waitForRunProgress();
    const QImage during = X::screenshot();
    // The run goes on with the old selection.
    QCOMPARE(during.copy(view.toScreen(indicator(op15))), before.copy(view.toScreen(indicator(op15))));
    QVERIFY(!picture::plateIsGlass(during, view));

    // The held Start runs after the first run, so its question comes then,
    // over a finished closing picture.
    QVERIFY(!waitForQuestion().isEmpty());
    const QImage asked = X::screenshot();
    QVERIFY(picture::plateIsGlass(asked, view));
    X::key("Return");
    // And the held op15 ran before it: the second run draws blue at 1.5.
    const QImage done = waitForClosingPicture(true);
    QVERIFY(!done.isNull());
    save(done, "held-input");
    QVERIFY(picture::pointsFound(done, view, {1.5, 1}, picture::blue) >= 58);
    QCOMPARE(picture::graphPixels(done, view, picture::green), 0);
}

void ProgramE2eTest::closingTheWindowDuringARunEndsTheProgramAfterTheRun()
{
    clickOn(ControlId::cmdStart);
    waitForRunUnderWay();
    // The window manager's close, as from the title bar's close button.
    X::run("wmctrl", {"-i", "-c", windowId});
    waitForRunProgress();
    QCOMPARE(program->state(), QProcess::Running);
    const QImage during = X::screenshot();
    QVERIFY(!picture::plateIsGlass(during, view));
    QVERIFY(program->waitForFinished(hangGuardMs));
    QCOMPARE(program->exitStatus(), QProcess::NormalExit);
    QCOMPARE(program->exitCode(), 0);
}

void ProgramE2eTest::konecHeldBehindASecondStartEndsTheProgramAfterThatRun()
{
    using enum ControlId;
    clickOn(cmdStart);
    waitForRunUnderWay();
    clickOn(cmdStart);
    clickOn(cmdKonec);
    // The held Start runs after the first run and asks; Konec waits for it.
    QVERIFY(!waitForQuestion().isEmpty());
    X::key("Tab");
    X::key("Return");
    QElapsedTimer second;
    second.start();
    QVERIFY(program->waitForFinished(hangGuardMs));
    QVERIFY2(second.elapsed() >= 3000, qPrintable(QString::number(second.elapsed())));
    QCOMPARE(program->exitStatus(), QProcess::NormalExit);
    QCOMPARE(program->exitCode(), 0);
}

void ProgramE2eTest::inputHeldBehindAStartWaitsForItsQuestionAndRun()
{
    using enum ControlId;
    clickOn(cmdStart);
    waitForRunUnderWay();
    const QImage before = X::screenshot();
    clickOn(cmdStart);
    clickOn(op15);
    X::key("Return");
    const QString question = waitForQuestion();
    QVERIFY(!question.isEmpty());
    // Neither the held Enter nor Escape nor the window manager's close
    // answers it: only Ano or Ne does. Tab, to Ne, shows once the box has
    // taken the keys before it.
    X::key("Escape");
    X::run("wmctrl", {"-i", "-c", question});
    const QImage asked = X::screenshot();
    X::key("Tab");
    waitUntil([&](const QImage& s) { return s != asked; });
    QVERIFY(!X::findWindow("^Tavrolin$", 100).isEmpty());
    save(X::screenshot(), "question-stays");
    X::key("Return");
    // The second run keeps green at 1; then the held click selects 1,5 and
    // its chain blue, and the held Enter, on 1,5 now, starts nothing.
    const QImage done = waitForClosingPicture(true);
    QVERIFY(!done.isNull());
    const QImage after = waitUntil([&](const QImage& s) { return indicatorsDiffer(before, s, {op15, opModra}); });
    save(after, "held-behind-start");
    QVERIFY(picture::pointsFound(done, view, {}, picture::green) >= 58);
    for (ControlId id : {op15, opModra})
        QVERIFY2(before.copy(view.toScreen(indicator(id))) != after.copy(view.toScreen(indicator(id))),
                 layoutOf(id).name.data());
    QVERIFY(picture::plateIsGlass(after, view));
    QVERIFY(X::findWindow("^Tavrolin$", 100).isEmpty());
}

void ProgramE2eTest::keyboardAloneChoosesSettingsAndStartsARun()
{
    using enum ControlId;
    const auto indicatorOf = [](const QImage& shot, ControlId id) { return shot.copy(view.toScreen(indicator(id))); };
    const QImage before = X::screenshot();
    // Start has the focus; Tab enters the colour group at its selection and
    // Right picks blue; Tab enters the frequency group and Left picks 0,5,
    // whose handler picks the red colour button.
    X::key("Tab");
    X::key("Right");
    X::key("Tab");
    X::key("Left");
    const QImage chosen = waitUntil([&](const QImage& s) {
        return indicatorsDiffer(before, s, {op05, op1, opCervena, opzelená});
    });
    save(chosen, "keyboard");
    for (ControlId id : {op05, op1, opCervena, opzelená})
        QVERIFY2(indicatorOf(before, id) != indicatorOf(chosen, id), layoutOf(id).name.data());
    // Konec, the length group, the scroll bar, and round to Start.
    for (int i = 0; i < 4; ++i)
        X::key("Tab");
    X::key("Return");
    const QImage done = waitForClosingPicture(false);
    QVERIFY(!done.isNull());
    QVERIFY(picture::pointsFound(done, view, {0.5, 1}, picture::red) >= 58);
}

QTEST_MAIN(ProgramE2eTest)

void ProgramE2eTest::aPausedSteppedRunEndsAsAnUnpausedOne()
{
    clickOn(ControlId::cmdStart);
    waitForRunUnderWay();
    X::key("space");
    const QImage paused = waitUntil(showsReadout);
    QVERIFY(showsReadout(paused));
    save(paused, "paused");
    const int rows = plateRows(paused);
    // Each step while paused grows the plate by exactly one row, and the
    // readout comes back for it.
    for (int step = 1; step <= 2; ++step) {
        X::key("Right");
        const QImage stepped =
            waitUntil([&](const QImage& s) { return plateRows(s) != rows + step - 1 && showsReadout(s); });
        QCOMPARE(plateRows(stepped), rows + step);
    }
    QVERIFY(!picture::plateIsGlass(X::screenshot(), view));
    // A click on the drawing goes on with the run.
    X::click(view.toScreen(200, 560));
    const QImage resumed = waitForClosingPicture(false);
    QVERIFY(!resumed.isNull());
    QVERIFY(!showsReadout(resumed));

    // The same run again, untouched: the very same picture.
    clickOn(ControlId::cmdStart);
    QVERIFY(!waitForQuestion().isEmpty());
    X::key("Return");
    const QImage unpaused = waitForClosingPicture(true);
    QVERIFY(!unpaused.isNull());
    // The buttons aside: after the keys, Windows shows the focus on Start.
    const auto scene = [](QImage shot) {
        QPainter p(&shot);
        for (ControlId id : {ControlId::cmdStart, ControlId::cmdKonec})
            p.fillRect(view.toScreen(clientRect(id)), Qt::black);
        p.end();
        return shot.copy(view.toScreen(QRect(0, 0, 800, 600)));
    };
    if (scene(resumed) != scene(unpaused)) {
        save(resumed, "paused-run-end");
        save(unpaused, "unpaused-run-end");
        QFAIL("the paused run's picture differs from the unpaused run's: see e2e-screenshots");
    }
}

// The real sound, recorded from the sound server's null output: through a
// whole run it glides over one octave, 220 to 440 Hz, without a click.
void ProgramE2eTest::theToneFollowsTheCurveWithoutClicks()
{
    const QString monitor = qEnvironmentVariable("TAVROLIN_E2E_SOUND_MONITOR");
    if (monitor.isEmpty()) QSKIP("no sound server to record from: SoundE2eTest runs this under with-sound.sh");
    X::key("z");
    QProcess recorder;
    // Into a file: the waits below do not read a pipe, which would fill.
    QDir().mkpath("e2e-screenshots");
    const QString recording = "e2e-screenshots/tone.raw";
    recorder.setStandardOutputFile(recording);
    recorder.start("parec", {"-d", monitor, "--raw", "--format=s16le", "--rate=44100", "--channels=1"});
    QVERIFY2(recorder.waitForStarted(), "parec did not start");
    // The monitor gives silence until the tone: once some has come, the
    // recorder is listening.
    const auto recorded = [&] { return QFileInfo(recording).size(); };
    QTRY_VERIFY2_WITH_TIMEOUT(recorded() >= 4410, "parec recorded nothing", hangGuardMs);
    clickOn(ControlId::cmdStart);
    const QImage done = waitForClosingPicture(false);
    QVERIFY(!done.isNull());
    // The tone's fade after the run, and the server's latency, are well
    // within a further half second of recording: 44100 bytes of samples.
    const qint64 atEnd = recorded();
    QTRY_VERIFY_WITH_TIMEOUT(recorded() >= atEnd + 44100, hangGuardMs);
    recorder.terminate();
    QVERIFY(recorder.waitForFinished(hangGuardMs));
    QFile file(recording);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray raw = file.readAll();
    std::vector<std::int16_t> samples(std::size_t(raw.size()) / 2);
    std::memcpy(samples.data(), raw.constData(), samples.size() * 2);

    // Where the machine is too busy to keep the sound server fed, the server
    // plays silence until the samples come: exact zeros, two or more in a
    // row, which the tone itself never has while it sounds. Such a gap is the
    // machine's pace, not the sound's shape, and is left out of both checks.
    std::vector<bool> dry(samples.size(), false);
    for (std::size_t i = 1; i < samples.size(); ++i)
        if (samples[i] == 0 && samples[i - 1] == 0) dry[i] = dry[i - 1] = true;

    // Each tenth of a second that sounds throughout (a sine at the tone's
    // loudness has an RMS of 0.2 / √2): its pitch by zero crossings.
    constexpr std::size_t window = 4410;
    std::vector<double> pitches;
    for (std::size_t at = 0; at + window <= samples.size(); at += window) {
        double energy = 0;
        int crossings = 0;
        bool gap = false;
        for (std::size_t i = at; i < at + window; ++i) {
            energy += double(samples[i]) * samples[i];
            gap = gap || dry[i];
            if (i > at && (samples[i - 1] < 0) != (samples[i] < 0)) ++crossings;
        }
        if (!gap && std::sqrt(energy / window) > 0.13 * 32767) pitches.push_back(crossings / 2.0 * 10);
    }
    QVERIFY2(pitches.size() >= 20, qPrintable(QString("%1 s of tone recorded").arg(pitches.size() / 10.0)));
    const auto [low, high] = std::minmax_element(pitches.begin(), pitches.end());
    QVERIFY2(*low >= 210 && *high <= 450, qPrintable(QString("%1 to %2 Hz").arg(*low).arg(*high)));
    QVERIFY2(*low < 240 && *high > 410, qPrintable(QString("only %1 to %2 Hz").arg(*low).arg(*high)));
    // A click is a jump far beyond the steepest step of a 440 Hz sine at the
    // tone's loudness.
    int steepest = 0, gaps = 0;
    for (std::size_t i = 1; i < samples.size(); ++i) {
        if (!dry[i - 1] && !dry[i]) steepest = std::max(steepest, std::abs(samples[i] - samples[i - 1]));
        // The tone fades into its own silence; the server breaks off.
        if (dry[i] && !dry[i - 1] && std::abs(samples[i - 1]) > 500) ++gaps;
    }
    if (gaps > 0) qInfo("the sound server ran dry %d times: the machine was busy", gaps);
    QVERIFY2(steepest < 2 * M_PI * 440 / 44100 * 32767 * 0.2 * 1.3, qPrintable(QString::number(steepest)));
}
