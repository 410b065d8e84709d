#pragma once

#include "toolkit/Toolkit.h"
#include "window/MainWindow.h"

#include <span>

namespace tavrolin {

struct HandlerEntry {
    ControlId control;
    Event event;
    void (*run)(Toolkit&);
};

std::span<const HandlerEntry> handlerTable();

} // namespace tavrolin
