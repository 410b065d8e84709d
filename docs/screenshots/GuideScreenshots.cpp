// Makes the teachers' guides' screenshots from the real program: each is a
// whole 800 × 600 screen with the program's maximized window, at a moment
// the guides describe. Runs in a display of that size (with-display.sh).
// Usage: guide-screenshots PROGRAM LOCALE OUT_DIR
#include "PictureChecks.h"
#include "ProgramWindow.h"
#include "X11Session.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QTextStream>

#include <cstdio>
#include <functional>
#include <optional>

using namespace tavrolin;
using X = X11Session;
using namespace program_window;

namespace {

// However slow the machine, nothing the program does takes a minute.
constexpr int timeoutMs = 60000;

struct Failed {
    QString what;
};

class Shots {
public:
    Shots(QString program, QString locale, QDir out) : program_(program), locale_(locale), out_(out) {}
    ~Shots() { stop(); }

    void start()
    {
        process_.setProgram(program_);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("LANG", locale_);
        env.insert("LC_ALL", locale_);
        env.remove("LANGUAGE");
        env.remove("TAVROLIN_LANG");
        process_.setProcessEnvironment(env);
        process_.setProcessChannelMode(QProcess::ForwardedChannels);
        process_.start();
        if (!process_.waitForStarted()) throw Failed{"the program did not start: " + program_};
        const QString window = X::findWindow("^Tavrolin - ", timeoutMs);
        if (window.isEmpty() || !waitUntilReady(window, view_, timeoutMs))
            throw Failed{"the program's window did not become ready"};
    }
    void stop()
    {
        if (process_.state() == QProcess::NotRunning) return;
        process_.kill();
        process_.waitForFinished();
    }

    void click(ControlId id) { clickOn(view_, id); }

    // Start, answering the question with Yes or No where a graph is there.
    // The pointer stays on Start, as a user's would: the button looks the
    // same in every picture.
    QImage run(std::optional<bool> clear)
    {
        click(ControlId::cmdStart);
        if (clear) {
            if (waitForQuestion(timeoutMs).isEmpty()) throw Failed{"the question did not come"};
            if (!*clear) X::key("Tab");
            X::key("Return");
        }
        auto [shot, done] = waitForClosingPicture(view_, clear.has_value(), timeoutMs);
        if (!done) throw Failed{"the run did not finish"};
        return shot;
    }

    QImage waitFor(const std::function<bool(const QImage&)>& holds, const QString& what)
    {
        auto [shot, held] = X::waitFor(holds, timeoutMs);
        if (!held) throw Failed{"the program never showed " + what};
        return shot;
    }

    void save(const QImage& shot, const QString& name)
    {
        // The screen is the window: 800 × 600, as the guides show it.
        const QString path = out_.filePath(name + ".png");
        if (!shot.convertToFormat(QImage::Format_RGB32).save(path)) throw Failed{"cannot write " + path};
        QTextStream(stdout) << path << "\n";
    }

    const picture::View& view() const { return view_; }

private:
    QString program_, locale_;
    QDir out_;
    QProcess process_;
    picture::View view_;
};

void makeAll(Shots& shots)
{
    using enum ControlId;
    shots.start();
    // One run at the settings the program starts with.
    shots.save(shots.run(std::nullopt), "run");

    // Blue light, then red light kept beside it: the periods compared.
    shots.click(op15);
    shots.run(true);
    shots.click(op05);
    shots.save(shots.run(false), "colours");

    // Equal arrows, then a shorter back-surface arrow drawn in black.
    shots.click(op1);
    shots.run(true);
    shots.click(op05D);
    shots.click(opCerna);
    shots.save(shots.run(false), "lengths");

    // Paused where the curve first comes back to nothing, at 80 px: the
    // slowest pace lets the pause come early, and each → adds one step.
    shots.click(op1D);
    shots.click(op1);
    shots.click(HScroll1);
    X::key("End");
    shots.click(cmdStart);
    if (waitForQuestion(timeoutMs).isEmpty()) throw Failed{"the question did not come"};
    X::key("Return");
    const picture::View& view = shots.view();
    shots.waitFor([&](const QImage& s) { return plateRows(s, view) >= 1 && !picture::plateIsGlass(s, view); },
                  "a run under way");
    X::key("space");
    QImage paused = shots.waitFor([&](const QImage& s) { return showsReadout(s, view); }, "the readout");
    constexpr int least = 80;
    for (int rows = plateRows(paused, view); rows < least; ++rows) {
        X::key("Right");
        paused = shots.waitFor([&](const QImage& s) { return plateRows(s, view) == rows + 1 && showsReadout(s, view); },
                               QString("the readout at %1 px").arg(rows + 1));
    }
    if (plateRows(paused, view) != least) throw Failed{"the pause came after 80 px"};
    shots.save(paused, "paused");
    shots.stop();
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 4) {
        std::fputs("usage: guide-screenshots PROGRAM LOCALE OUT_DIR\n", stderr);
        return 2;
    }
    Shots shots(args[1], args[2], QDir(args[3]));
    try {
        makeAll(shots);
    } catch (const Failed& failed) {
        std::fprintf(stderr, "guide-screenshots: %s\n", qPrintable(failed.what));
        return 1;
    }
    return 0;
}
