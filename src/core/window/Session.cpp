#include "window/Session.h"

#include "layout/Layout.h"
#include "layout/SceneFit.h"
#include "text/Catalogue.h"

#include <utility>

namespace tavrolin {

std::string failureText(const Failure& failure)
{
    return formatted(tr("Chyba č. {number}\n\n{description}"),
                     {{"number", std::to_string(failure.number())}, {"description", failure.description()}});
}

std::string_view runStartedText() { return tr("Animace běží."); }

std::string_view runEndedText() { return tr("Animace skončila."); }

std::string_view stoppedText() { return tr("Program se zastavil na vnitřní chybě a nemůže pokračovat."); }

Session::Session(Backend& backend) : backend_(backend), toolkit_(backend), window_(toolkit_), queue_(window_)
{
    toolkit_.setClickHandlerRunner([this](ControlId id) { window_.runHandler(id, Event::Click); });
    // The program's own close waits for the handler that asked for it.
    toolkit_.setCloseWindow([this] { queue_.closeAfterHandler(); });
    // The picture says when a run goes on; a screen reader's user hears it.
    queue_.onHandlerStart([this](ControlId control, Event event) {
        running_ = control == ControlId::cmdStart && event == Event::Click;
        if (!running_) return;
        toolkit_.lesson().runStarted();
        backend_.announce(runStartedText());
    });
    queue_.onHandlerDone([this] {
        backend_.flush();
        toolkit_.handlerDone();
        if (running_) {
            toolkit_.lesson().runEnded();
            backend_.announce(runEndedText());
        }
        running_ = false;
    });
    queue_.onClose([this] { end(0); });
    queue_.onHeldInputWaiting([this] { backend_.scheduleHeldInput(); });
}

bool Session::load()
{
    post(ControlId::Tavrolin, Event::Load);
    return !ended_;
}

void Session::post(ControlId control, Event event)
{
    if (ended_) return;
    if (const auto failure = queue_.post(control, event)) {
        fail(*failure);
        return;
    }
    if (pendingFit_ && !queue_.busy()) guard(std::exchange(pendingFit_, nullptr));
}

bool Session::lessonTakes(const Input& input)
{
    const auto lesson = lessonInputOf(input);
    return lesson && lessonInput(*lesson);
}

bool Session::carryOut(const Input& input, Platform platform)
{
    const Action action = actionFor(input, platform);
    const bool back = action.does == Does::PreviousStop || action.does == Does::PreviousOption;
    const auto onScreen = [this](ControlId id) { return toolkit_.onScreen(id) && backend_.hasControl(id); };
    switch (action.does) {
    case Does::Presentation: {
        const bool next = presentingAfter(presenting_, input.key == Key::F11 ? DesktopKey::F11 : DesktopKey::Escape);
        if (!present_ || next == presenting_) return false;
        presenting_ = next;
        present_(next);
        return true;
    }
    case Does::Scroll: {
        const int old = backend_.scrollValue(input.control);
        const int value = scrolled(windowLayout().scroll, old, action.step);
        if (value == old) return true;
        backend_.setScrollValue(input.control, value);
        post(input.control, Event::Change);
        return true;
    }
    case Does::Press:
        backend_.click(input.control);
        return true;
    case Does::NextStop:
    case Does::PreviousStop: {
        const auto from = input.control == ControlId::Tavrolin ? std::nullopt : std::optional(input.control);
        backend_.focus(nextTabStop(from, back, onScreen, [this](ControlId id) { return backend_.checked(id); }));
        return true;
    }
    case Does::NextOption:
    case Does::PreviousOption: {
        const ControlId next = nextOption(input.control, back, onScreen);
        backend_.focus(next);
        backend_.click(next);
        return true;
    }
    case Does::Type:
    case Does::Toolkit:
        break;
    }
    return false;
}

void Session::requestFit(std::function<void()> apply)
{
    if (ended_) return;
    if (queue_.busy()) {
        pendingFit_ = std::move(apply);
        return;
    }
    guard(apply);
}

void Session::fail(const Failure& failure)
{
    if (ended_) return;
    // Ended before the box shows: the desktop's modal loop goes on under it,
    // and may run nothing of a program that has failed.
    stop(1);
    backend_.showFailure(windowLayout().title, failureText(failure));
    backend_.close(1);
}

void Session::guard(const std::function<void()>& run) noexcept
{
    try {
        run();
    } catch (...) {
        fail(currentFailure());
    }
}

bool Session::mayClose(bool fromDesktop, std::function<void()> closeAgainLater)
{
    if (fromDesktop && queue_.holdsInput()) {
        queue_.hold(std::move(closeAgainLater));
        return false;
    }
    if (!fromDesktop && queue_.busy()) {
        queue_.closeAfterHandler();
        return false;
    }
    ended_ = true;
    toolkit_.lesson().end();
    queue_.windowClosed();
    return true;
}

void Session::end(int exitStatus)
{
    if (ended_) return;
    stop(exitStatus);
    backend_.close(exitStatus);
}

void Session::stop(int exitStatus)
{
    ended_ = true;
    exitStatus_ = exitStatus;
    toolkit_.lesson().end();
    queue_.windowClosed();
}

} // namespace tavrolin
