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
        failure = window_.dispatch(c, e);
        if (done_) done_();
    }
    busy_ = false;
    if (failure) {
        failed_ = true;
        queue_.clear();
    }
    return failure;
}

} // namespace tavrolin
