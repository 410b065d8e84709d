// The browser program: the page calls these from its own events.
#include "basics/Failure.h"
#include "text/Catalogue.h"
#include "web/Page.h"
#include "web/Program.h"

#include <emscripten.h>

namespace {

tavrolin::web::Program& program()
{
    static tavrolin::web::Program instance;
    return instance;
}

} // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE void tavrolin_post(int control, int event)
{
    if (control < 0 || std::size_t(control) >= tavrolin::controlCount || event < 0 || event > 2) return;
    program().post(tavrolin::ControlId(control), tavrolin::Event(event));
}

EMSCRIPTEN_KEEPALIVE int tavrolin_busy() { return program().holdsInput() ? 1 : 0; }

EMSCRIPTEN_KEEPALIVE void tavrolin_hold(int number) { program().hold(number); }

EMSCRIPTEN_KEEPALIVE void tavrolin_deliver_held() { program().deliverHeldInput(); }

// key: a LessonKey.
EMSCRIPTEN_KEEPALIVE int tavrolin_lesson(int key, int press, int repeat, int intoText, int modified)
{
    if (key < 0 || key > int(tavrolin::LessonKey::Drawing)) return 0;
    return program().lessonInput({tavrolin::LessonKey(key), press != 0, repeat != 0, intoText != 0, modified != 0}) ? 1
                                                                                                                    : 0;
}

EMSCRIPTEN_KEEPALIVE void tavrolin_reshape() { program().reshape(); }

// The slider's value after a step (a ScrollStep) from the value given.
EMSCRIPTEN_KEEPALIVE int tavrolin_scrolled(int value, int step)
{
    using tavrolin::ScrollStep;
    if (step < int(ScrollStep::LineBack) || step > int(ScrollStep::Last)) return value;
    return tavrolin::scrolled(tavrolin::windowLayout().scroll, value, ScrollStep(step));
}

} // extern "C"

int main()
{
    // The language comes first: the window is made in it. Should the page
    // fail to say which it wants, the program starts in Czech and reports
    // the page's failure when it builds its window.
    try {
        const tavrolin::web::page::LanguagesWanted wanted = tavrolin::web::page::languagesWanted();
        tavrolin::setLanguage(tavrolin::chooseLanguage(wanted.named, wanted.preferred));
    } catch (const tavrolin::Failure&) {
    }
    program().start();
    return 0;
}
