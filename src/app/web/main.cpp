// The browser program: the page calls these from its own events.
#include "basics/Failure.h"
#include "text/Catalogue.h"
#include "web/Page.h"
#include "web/Program.h"

#include <emscripten.h>

#include <optional>

namespace {

tavrolin::web::Program& program()
{
    static tavrolin::web::Program instance;
    return instance;
}

} // namespace

namespace {

// The core's input from the page's numbers (tavrolinCore): the target is the
// page's where it knows it (the drawing, the sound button, a field one types
// into), else that of the control.
std::optional<tavrolin::Input> inputOf(int key, int target, int control, int flags)
{
    using namespace tavrolin;
    if (key < 0 || key > int(Key::Pointer) || target < 0 || target > int(Target::SoundButton)) return std::nullopt;
    Input input{Key(key), Target(target)};
    if (control > 0 && std::size_t(control) < controlCount) input.control = ControlId(control);
    if (input.target == Target::Other) input.target = targetOf(input.control);
    input.press = flags & 1;
    input.repeat = flags & 2;
    input.shift = flags & 4;
    input.shortcut = flags & 8;
    return input;
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

// flags: 1 press, 2 repeat, 4 Shift, 8 Ctrl, Alt or the system key.
EMSCRIPTEN_KEEPALIVE int tavrolin_input(int key, int target, int control, int flags)
{
    const auto input = inputOf(key, target, control, flags);
    return input && program().input(*input) ? 1 : 0;
}

EMSCRIPTEN_KEEPALIVE void tavrolin_hold_key(int number, int key, int flags)
{
    if (const auto input = inputOf(key, 0, 0, flags)) program().holdKey(number, *input);
}

EMSCRIPTEN_KEEPALIVE void tavrolin_reshape() { program().reshape(); }

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
