#include "window/HandlerTable.h"

#include "animation/StartRun.h"
#include "window/SettingsHandlers.h"

#include <array>

namespace tavrolin {

namespace {

using enum ControlId;
using namespace handlers;

// op05 and op05D are the only members of indexed control groups; their
// handlers receive the index and ignore it.
constexpr std::array<HandlerEntry, 19> table{{
    {Tavrolin, Event::Load, Form_Load},
    {cmdStart, Event::Click, animation::cmdStart_Click},
    {cmdKonec, Event::Click, cmdKonec_Click},
    {HScroll1, Event::Change, HScroll1_Change},
    {op05, Event::Click, [](Toolkit& tk) { op05_Click(tk, 0); }},
    {op1, Event::Click, op1_Click},
    {op15, Event::Click, op15_Click},
    {opCerna, Event::Click, opCerna_Click},
    {opCervena, Event::Click, opCervena_Click},
    {opzelená, Event::Click, opzelená_Click},
    {opModra, Event::Click, opModra_Click},
    {op05D, Event::Click, [](Toolkit& tk) { op05D_Click(tk, 1); }},
    {op1D, Event::Click, op1D_Click},
    {op15D, Event::Click, op15D_Click},
    {op0, Event::Click, op0_Click},
    {op50, Event::Click, op50_Click},
    {opRychlá, Event::Click, opRychlá_Click},
    {opPomalší, Event::Click, opPomalší_Click},
    {nPomalá, Event::Click, nPomalá_Click},
}};

} // namespace

std::span<const HandlerEntry> handlerTable() { return table; }

} // namespace tavrolin
