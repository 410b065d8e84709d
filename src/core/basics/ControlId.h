#pragma once

#include <cstddef>

namespace tavrolin {

// Every control of the main window, the window itself first. The names are
// the controls' own names, accented letters included.
enum class ControlId {
    Tavrolin,
    HScroll1,
    nZrcadleniDvouRozhrani,
    frmAnimace,
    nSpomaleni,
    frmPosunZdroje,
    nPosunZdroje,
    frmRelDelka,
    cmdKonec,
    frmFrekvence,
    frmBarva1,
    nBarva,
    nStartuje,
    nFrekvence,
    nNasob,
    cmdStart,
    labKlepnuti,
    labDetektor,
    labZdroj,
    imSilaSkla,
    labOdrazovost,
    labOdrazeného,
    labRelDelka,
    op05,
    op1,
    op15,
    opCerna,
    opCervena,
    opzelená,
    opModra,
    op05D,
    op1D,
    op15D,
    op0,
    op50,
    opRychlá,
    opPomalší,
    nPomalá,
};

constexpr std::size_t controlCount = static_cast<std::size_t>(ControlId::nPomalá) + 1;

constexpr std::size_t indexOf(ControlId id) { return static_cast<std::size_t>(id); }

} // namespace tavrolin
