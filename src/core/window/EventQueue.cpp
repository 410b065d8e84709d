#include "window/EventQueue.h"

namespace tavrolin {

std::optional<Failure> EventQueue::post(ControlId control, Event event)
{
    if (failed_) return std::nullopt;
    queue_.emplace_back(control, event);
    if (busy_) return std::nullopt;

    busy_ = true;
    std::optional<Failure> failure;
    while (!queue_.empty() && !failure) {
        const auto [c, e] = queue_.front();
        queue_.pop_front();
        if (start_) start_(c, e);
        failure = window_.dispatch(c, e);
        if (done_) done_();
    }
    busy_ = false;
    if (failure) {
        failed_ = true;
        queue_.clear();
        held_.clear();
        return failure;
    }
    if (closePending_) {
        closePending_ = false;
        if (close_) close_();
    } else if (!held_.empty() && scheduleHeld_) {
        scheduleHeld_();
    }
    return std::nullopt;
}

void EventQueue::hold(std::function<void()> deliverInput)
{
    if (!failed_ && !closed_) held_.push_back(std::move(deliverInput));
}

void EventQueue::windowClosed()
{
    closed_ = true;
    held_.clear();
}

void EventQueue::deliverHeldInput()
{
    // A delivered input that starts a run comes back here when the run has
    // ended; the outer call goes on with the rest.
    if (delivering_) return;
    while (!held_.empty() && !busy_ && !failed_ && !closed_) {
        auto deliver = std::move(held_.front());
        held_.pop_front();
        // Cleared however the input ends: were it left set by an input that
        // threw, nothing held would ever be delivered again.
        struct Delivering {
            bool& flag;
            explicit Delivering(bool& f) : flag(f) { flag = true; }
            ~Delivering() { flag = false; }
        } delivering(delivering_);
        deliver();
    }
}

} // namespace tavrolin
