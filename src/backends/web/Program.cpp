#include "Program.h"

#include "Page.h"
#include "window/Layout.h"

#include <exception>

namespace tavrolin::web {

namespace {

constexpr std::string_view endedMessage =
    "Program Tavrolin skončil. Znovu ho spustíte obnovením stránky (klávesa F5).";

} // namespace

Program::Program() : mainWindow_(toolkit_), queue_(mainWindow_)
{
    toolkit_.setClickHandlerRunner([this](ControlId id) { mainWindow_.runHandler(id, Event::Click); });
    toolkit_.setCloseWindow([this] { queue_.closeAfterHandler(); });
    queue_.onHandlerDone([this] {
        toolkit_.flush();
        toolkit_.handlerDone();
        page::handlerDone();
    });
    queue_.onClose([this] { end(); });
}

void Program::start()
{
    try {
        toolkit_.build();
    } catch (const std::exception& e) {
        report(Failure(error::toolkit, e.what()));
        return;
    }
    post(ControlId::Tavrolin, Event::Load);
    if (!ended_) page::focus(ControlId::cmdStart);
}

void Program::post(ControlId control, Event event)
{
    if (ended_) return;
    if (const auto failure = queue_.post(control, event)) report(*failure);
}

void Program::reshape()
{
    if (ended_ || queue_.busy()) return;
    // Called from the page's own event: nothing may be thrown back into it.
    try {
        toolkit_.reshape();
    } catch (const std::exception& e) {
        report(Failure(error::toolkit, e.what()));
    }
}

void Program::report(const Failure& failure)
{
    ended_ = true;
    queue_.windowClosed();
    toolkit_.flush();
    page::failure(windowLayout().title, "Chyba č. " + std::to_string(failure.number()) + "\n\n" + failure.description(),
                  endedMessage);
}

void Program::end()
{
    ended_ = true;
    queue_.windowClosed();
    toolkit_.flush();
    page::end(endedMessage);
}

} // namespace tavrolin::web
