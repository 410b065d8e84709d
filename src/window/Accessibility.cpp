#include "window/Accessibility.h"

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

} // namespace tavrolin
