#include "Program.h"

#include <QApplication>

namespace tavrolin::qt {

Program::Program() : built_(buildWindow()), backend_(built_), session_(backend_), bridge_(session_, built_)
{
    backend_.setDeliverHeldInput([this] { session_.queue().deliverHeldInput(); });
    bridge_.connectControls();
    session_.toolkit().repaintPainted();
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
    const int status = QApplication::exec();
    return session_.exitStatus() != 0 ? session_.exitStatus() : status;
}

} // namespace tavrolin::qt
