#include "window/Accessibility.h"

#include "window/Layout.h"

namespace tavrolin {

std::string_view accessibleName(ControlId id)
{
    switch (id) {
    case ControlId::HScroll1:
        return "Zpomalení animace";
    case ControlId::nZrcadleniDvouRozhrani:
        return "Nadpis";
    default:
        return {};
    }
}

std::string accessibleDescription(ControlId id)
{
    if (id != ControlId::frmRelDelka) return {};
    // "Relativní délka vektoru  světla" with its double blank, then
    // "odrazeného od spodního rozhraní": read as one sentence.
    std::string heading(layoutOf(ControlId::labRelDelka).caption);
    if (const auto gap = heading.find("  "); gap != std::string::npos) heading.erase(gap, 1);
    return heading + " " + std::string(layoutOf(ControlId::labOdrazeného).caption);
}

std::string desktopWindowDescription()
{
    return std::string(drawingDescription) +
           " Klávesa F11 zvětší obraz na celou obrazovku, F11 nebo Esc ho vrátí zpět.";
}

} // namespace tavrolin
