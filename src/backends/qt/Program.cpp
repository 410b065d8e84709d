#include "Program.h"

#include <QApplication>

namespace tavrolin::qt {

Program::Program() : built_(buildWindow()), backend_(built_), session_(backend_), bridge_(session_, built_)
{
    backend_.setDeliverHeldInput([this] { session_.queue().deliverHeldInput(); });
    bridge_.connectControls();
    session_.onPresent([this](bool presenting) { session_.guard([&] { present(presenting); }); });
    window().onResize = [this] {
        session_.guard([this] { window().fitCanvas(); });
        session_.requestFit([this] { refit(); });
    };
    session_.toolkit().repaintPainted();
}

void Program::show()
{
    window().showMaximized();
    if (QWidget* start = widget(ControlId::cmdStart)) start->setFocus(Qt::OtherFocusReason);
}

void Program::present(bool presenting)
{
    if (presenting == presenting_) return;
    presenting_ = presenting;
    if (presenting)
        window().showFullScreen();
    else
        window().showMaximized();
    session_.requestFit([this] { refit(); });
}

void Program::refit()
{
    const Fit fit = desktopFit(presenting_, window().width(), window().height());
    const Fit& now = built_.fit;
    if (fit.scale == now.scale && fit.left == now.left && fit.top == now.top) return;
    applyFit(built_, fit);
    // The labels on top of the drawing painted sharp at the new scale.
    session_.toolkit().repaintUncovered();
    window().flush();
}

int Program::run()
{
    if (!load()) return 1;
    show();
    const int status = QApplication::exec();
    return session_.exitStatus() != 0 ? session_.exitStatus() : status;
}

} // namespace tavrolin::qt
