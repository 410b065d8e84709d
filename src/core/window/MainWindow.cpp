#include "window/MainWindow.h"

#include "window/HandlerTable.h"

#include <algorithm>

namespace tavrolin {

namespace {

const HandlerEntry* find(ControlId control, Event event)
{
    const auto table = handlerTable();
    const auto it = std::find_if(table.begin(), table.end(),
                                 [&](const HandlerEntry& e) { return e.control == control && e.event == event; });
    return it == table.end() ? nullptr : &*it;
}

} // namespace

bool MainWindow::handles(ControlId control, Event event) const { return find(control, event) != nullptr; }

void MainWindow::runHandler(ControlId control, Event event)
{
    if (const HandlerEntry* entry = find(control, event)) entry->run(toolkit_);
}

std::optional<Failure> MainWindow::dispatch(ControlId control, Event event) noexcept
{
    try {
        runHandler(control, event);
        return std::nullopt;
    } catch (...) {
        return currentFailure();
    }
}

} // namespace tavrolin
