#include "Program.h"

#include "Page.h"

namespace tavrolin::web {

Program::Program() : session_(backend_) {}

void Program::start()
{
    // Called from the page's events: nothing may be thrown back into them.
    session_.guard([this] {
        backend_.build();
        reshape();
    });
    if (!session_.load()) return;
    session_.guard([this] {
        page::focus(ControlId::cmdStart);
        backend_.ready();
    });
}

void Program::post(ControlId control, Event event)
{
    session_.guard([&] { session_.post(control, event); });
}

void Program::hold(int number)
{
    session_.queue().hold([this, number] { deliver(number); });
}

void Program::deliver(int number)
{
    page::deliverHeld(number);
    for (int event; (event = page::nextDelivered()) >= 0;) {
        const int control = event / 4, kind = event % 4;
        if (std::size_t(control) < controlCount && kind <= int(Event::Change))
            session_.post(ControlId(control), Event(kind));
    }
}

void Program::deliverHeldInput()
{
    session_.guard([this] { session_.queue().deliverHeldInput(); });
}

bool Program::lessonInput(const LessonInput& input)
{
    bool taken = false;
    session_.guard([&] {
        taken = session_.lessonInput(input);
        page::showSound(session_.toolkit().lesson().soundOn());
    });
    return taken;
}

void Program::reshape()
{
    session_.requestFit([this] {
        if (backend_.reshape(session_.toolkit().painted())) session_.toolkit().repaintUncovered();
        backend_.flush();
    });
}

} // namespace tavrolin::web
