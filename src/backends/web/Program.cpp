#include "Program.h"

#include "Page.h"

namespace tavrolin::web {

Program::Program() : session_(backend_) {}

template <class F> void Program::guarded(F&& f)
{
    try {
        f();
    } catch (...) {
        session_.fail(currentFailure());
    }
}

void Program::start()
{
    guarded([this] {
        backend_.build();
        reshape();
    });
    if (!session_.load()) return;
    guarded([] { page::focus(ControlId::cmdStart); });
}

void Program::post(ControlId control, Event event)
{
    guarded([&] { session_.post(control, event); });
}

void Program::reshape()
{
    if (session_.ended() || session_.busy()) return;
    guarded([this] {
        if (backend_.reshape(session_.toolkit().painted())) session_.toolkit().repaintPainted();
        backend_.flush();
    });
}

} // namespace tavrolin::web
