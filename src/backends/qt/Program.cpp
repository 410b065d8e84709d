#include "Program.h"

#include <QApplication>

namespace tavrolin::qt {

Program::Program() : built_(buildWindow()), toolkit_(built_), mainWindow_(toolkit_), bridge_(mainWindow_, built_)
{
    toolkit_.setClickHandlerRunner([this](ControlId id) { mainWindow_.runHandler(id, Event::Click); });
    bridge_.onHandlerDone([this] { toolkit_.handlerDone(); });
    bridge_.connectControls();
}

bool Program::load()
{
    bridge_.post(ControlId::Tavrolin, Event::Load);
    return !bridge_.failed();
}

void Program::show()
{
    window().showMaximized();
    if (QWidget* start = widget(ControlId::cmdStart)) start->setFocus(Qt::OtherFocusReason);
}

int Program::run()
{
    if (!load()) return 1;
    show();
    return QApplication::exec();
}

} // namespace tavrolin::qt
