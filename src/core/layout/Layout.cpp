#include "layout/Layout.h"

#include "text/Catalogue.h"

#include <algorithm>

#include <array>
#include <cmath>
#include <stdexcept>

namespace tavrolin {

int FontStyle::pixelSize() const { return static_cast<int>(std::lround(points * 96.0 / 72.0)); }

namespace {

using enum ControlId;
using K = ControlKind;

constexpr FontStyle times(double points) { return {FontFamily::TimesNewRoman, points, true}; }
constexpr FontStyle sans(double points) { return {FontFamily::MsSansSerif, points, true}; }
constexpr std::nullopt_t defaultFont = std::nullopt;
constexpr ControlId onWindow = Tavrolin;
constexpr bool shown = true;
constexpr bool hidden = false;
constexpr int noTab = -1;
constexpr auto L = TextAlign::Left;

// clang-format off
constexpr std::array<ControlRow, controlCount - 1> controls{{
    // id                     name                      kind                container       caption                                  left top   w    h   font            background   at start tab  stop   align
    {HScroll1,               "HScroll1",               K::ScrollBar,     onWindow,       "",                                      384, 24, 145, 17, defaultFont,    colSilver,   shown,  35,  true,  L},
    {nZrcadleniDvouRozhrani, "nZrcadleniDvouRozhrani", K::TextField,     onWindow,       N_("Zrcadlení dvou rozhraní"),           360,  0, 209, 25, times(14.25),   colSilver,   shown,  34,  false, L},
    {frmAnimace,             "frmAnimace",             K::Frame,         onWindow,       N_("Animace"),                           176, 80,  81, 73, sans(8.25),     colSilver,   hidden, 30,  false, L},
    {nSpomaleni,             "nSpomaleni",             K::TextField,     onWindow,       "",                                      552, 24,  41, 19, defaultFont,    colSilver,   hidden, 29,  true,  L},
    {frmPosunZdroje,         "frmPosunZdroje",         K::Frame,         onWindow,       N_("Posun zdroje"),                      296, 56, 105, 49, times(12),      colSilver,   hidden, 26,  false, L},
    {nPosunZdroje,           "nPosunZdroje",           K::TextField,     onWindow,       "",                                      544, 72,  49, 19, defaultFont,    colSilver,   hidden, 25,  true,  L},
    {frmRelDelka,            "frmRelDelka",            K::Frame,         onWindow,       N_("Relat.délka"),                       640, 88,  97, 65, times(12),      colSilver,   shown,  15,  false, L},
    {cmdKonec,               "cmdKonec",               K::CommandButton, onWindow,       N_("Konec"),                             720,  8,  73, 33, times(14.25),   colSilver,   shown,  14,  true,  L},
    {frmFrekvence,           "frmFrekvence",           K::Frame,         onWindow,       N_("Relat. kmitočet světla"),             16,  0, 161, 49, times(12),      colSilver,   shown,  10,  false, L},
    {frmBarva1,              "frmBarva1",              K::Frame,         onWindow,       N_("Barva grafu"),                       192,  0, 137, 49, times(12),      colSilver,   shown,   5,  false, L},
    {nBarva,                 "nBarva",                 K::TextField,     onWindow,       "",                                      528, 48,  57, 19, sans(8.25),     colSilver,   hidden,  4,  true,  L},
    {nStartuje,              "nStartuje",              K::TextField,     onWindow,       "",                                      320, 24,  73, 25, defaultFont,    colSilver,   hidden,  3,  true,  L},
    {nFrekvence,             "nFrekvence",             K::TextField,     onWindow,       "",                                       96, 40,  33, 19, sans(8.25),     colSilver,   hidden,  2,  true,  L},
    {nNasob,                 "nNasob",                 K::TextField,     onWindow,       "",                                      600, 96,  33, 19, sans(8.25),     colSilver,   hidden,  1,  true,  L},
    {cmdStart,               "cmdStart",               K::CommandButton, onWindow,       N_("Start"),                             624,  8,  73, 33, times(15.75),   colSilver,   shown,   0,  true,  L},
    {labKlepnuti,            "labKlepnuti",            K::Label,         onWindow,       N_("Klepněte na tlačítko Start"),         96, 264, 321, 89, times(24),     colSilver,   shown,  24,  false, TextAlign::Centre},
    {labDetektor,            "labDetektor",            K::Label,         onWindow,       N_("Detektor"),                          232, 56,  65, 17, times(12),      colSilver,   hidden, 23,  false, L},
    {labZdroj,               "labZdroj",               K::Label,         onWindow,       N_("Zdroj "),                             32, 56,  41, 17, times(12),      colSilver,   hidden, 22,  false, L},
    {imSilaSkla,             "imSilaSkla",             K::Image,         onWindow,       "",                                      176,  8,  19, 68, defaultFont,    colSilver,   hidden, noTab, false, L},
    {labOdrazovost,          "labOdrazovost",          K::Label,         onWindow,       N_("Zrcadlení"),                         552,  0,  73, 17, times(12),      colSilver,   hidden, 21,  false, L},
    {labOdrazeného,          "labOdrazeného",          K::Label,         onWindow,       N_("odrazeného od spodního rozhraní"),   600, 64, 185, 17, times(9.75),    colSilver,   shown,  17,  false, L},
    {labRelDelka,            "labRelDelka",            K::Label,         onWindow,       N_("Relativní délka vektoru  světla"),   608, 48, 177, 17, times(9.75),    colSilver,   shown,  16,  false, L},
    {op05,                   "op05",                   K::OptionButton,  frmFrekvence,   N_("0,5 červená"),                         8, 16,  81, 17, defaultFont,    colLightRed, shown,  11,  true,  L},
    {op1,                    "op1",                    K::OptionButton,  frmFrekvence,   N_("1 zelená"),                           88, 16,  65, 13, defaultFont,    colGreen,    shown,  12,  true,  L},
    {op15,                   "op15",                   K::OptionButton,  frmFrekvence,   N_("1,5 modrá"),                           8, 32,  81, 13, defaultFont,    colLightBlue, shown, 13,  true,  L},
    {opCerna,                "opCerna",                K::OptionButton,  frmBarva1,      N_("černa"),                               8, 16,  49, 17, defaultFont,    colSilver,   shown,   6,  true,  L},
    {opCervena,              "opCervena",              K::OptionButton,  frmBarva1,      N_("červená"),                            64, 16,  65, 13, defaultFont,    colRed,      shown,   7,  true,  L},
    {opzelená,               "opzelená",               K::OptionButton,  frmBarva1,      N_("zelená"),                              8, 32,  57, 13, defaultFont,    colGreen,    shown,   8,  true,  L},
    {opModra,                "opModra",                K::OptionButton,  frmBarva1,      N_("modrá"),                              64, 32,  65, 13, defaultFont,    colLightBlue, shown,  9,  true,  L},
    {op05D,                  "op05D",                  K::OptionButton,  frmRelDelka,    N_("0,5"),                                24, 16,  49, 17, defaultFont,    colSilver,   shown,  18,  true,  L},
    {op1D,                   "op1D",                   K::OptionButton,  frmRelDelka,    N_("1"),                                  24, 32,  33, 13, defaultFont,    colSilver,   shown,  19,  true,  L},
    {op15D,                  "op15D",                  K::OptionButton,  frmRelDelka,    N_("1,5"),                                24, 48,  41, 13, defaultFont,    colSilver,   shown,  20,  true,  L},
    {op0,                    "op0",                    K::OptionButton,  frmPosunZdroje, N_("0"),                                  32, 16,  41, 13, defaultFont,    colSilver,   shown,  27,  true,  L},
    {op50,                   "op50",                   K::OptionButton,  frmPosunZdroje, N_("50"),                                 32, 32,  33, 13, defaultFont,    colSilver,   shown,  28,  true,  L},
    {opRychlá,               "opRychlá",               K::OptionButton,  frmAnimace,     N_("Rychlá"),                              8, 16,  57, 17, defaultFont,    colSilver,   shown,  31,  true,  L},
    {opPomalší,              "opPomalší",              K::OptionButton,  frmAnimace,     N_("Pomalejší"),                           8, 32,  65, 13, defaultFont,    colSilver,   shown,  32,  true,  L},
    {nPomalá,                "nPomalá",                K::OptionButton,  frmAnimace,     N_("Pomalá"),                              8, 48,  65, 17, defaultFont,    colSilver,   shown,  33,  true,  L},
}};
// clang-format on

constexpr WindowLayout window{
    "Tavrolin", 792, 516, colSilver, windowForeground, {FontFamily::MsSansSerif, 8.25, false}, {1, 30, 1, 1, 1}, 19, 68,
};

// The program name, " - " and the address of the program's web site.
constexpr std::string_view caption = "Tavrolin - https://tavrolin.example.org";

consteval bool tableIsIndexedById()
{
    for (std::size_t i = 0; i < controls.size(); ++i)
        if (indexOf(controls[i].id) != i + 1) return false;
    return true;
}
static_assert(tableIsIndexedById(), "layout rows must follow the ControlId order");

} // namespace

const WindowLayout& windowLayout() { return window; }

std::span<const ControlRow> layout() { return controls; }

const ControlRow& layoutOf(ControlId id)
{
    if (id == ControlId::Tavrolin) throw std::invalid_argument("the window has no control row");
    return controls[indexOf(id) - 1];
}

std::string_view controlName(ControlId id) { return id == ControlId::Tavrolin ? window.title : layoutOf(id).name; }

std::string_view windowCaption() { return caption; }

int scrolled(const ScrollRange& range, int value, ScrollStep step)
{
    if (step == ScrollStep::First) return range.minimum;
    if (step == ScrollStep::Last) return range.maximum;
    const bool line = step == ScrollStep::LineBack || step == ScrollStep::LineOn;
    const bool back = step == ScrollStep::LineBack || step == ScrollStep::PageBack;
    const int by = line ? range.smallChange : range.largeChange;
    return std::clamp(back ? value - by : value + by, range.minimum, range.maximum);
}

} // namespace tavrolin
