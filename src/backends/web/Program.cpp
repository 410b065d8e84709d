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

void Program::holdKey(int number, Input input)
{
    session_.queue().hold([this, number, input] { deliverKey(number, input); });
}

void Program::deliver(int number)
{
    page::deliverHeld(number);
    postDelivered();
}

void Program::deliverKey(int number, Input input)
{
    // For the control that has the focus now, which held clicks may have
    // moved; a key the program does not take is typed, if into a field.
    input.control = page::focused();
    input.target = targetOf(input.control);
    page::deliverHeld(number);
    session_.carryOut(input, Platform::Elsewhere);
    postDelivered();
}

void Program::postDelivered()
{
    for (int event; (event = page::nextDelivered()) >= 0;) {
        const int control = event / eventsPerControl, kind = event % eventsPerControl;
        if (std::size_t(control) < controlCount && kind <= int(Event::Change))
            session_.post(ControlId(control), Event(kind));
    }
}

void Program::deliverHeldInput()
{
    session_.guard([this] { session_.queue().deliverHeldInput(); });
}

bool Program::input(const Input& input)
{
    bool taken = false;
    session_.guard([&] {
        taken = session_.lessonTakes(input);
        page::showSound(session_.toolkit().lesson().soundOn());
        if (!taken && !session_.holdsInput() && actionFor(input, Platform::Elsewhere).does == Does::Scroll)
            taken = session_.carryOut(input, Platform::Elsewhere);
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
