#include "window/Accessibility.h"

#include "lesson/Lesson.h"
#include "text/Catalogue.h"

namespace tavrolin {

std::string_view accessibleName(ControlId id)
{
    switch (id) {
    case ControlId::HScroll1:
        return tr("Zpomalení animace");
    case ControlId::nZrcadleniDvouRozhrani:
        return tr("Nadpis");
    default:
        return {};
    }
}

std::string accessibleDescription(ControlId id)
{
    if (id != ControlId::frmRelDelka) return {};
    // The two painted lines of the heading, read as one sentence.
    return std::string(tr("Relativní délka vektoru světla odrazeného od spodního rozhraní"));
}

std::string drawingDescription()
{
    return std::string(sceneDescription()) + " " + std::string(pauseHelpText()) + " " + std::string(soundHelpText());
}

std::string_view sceneDescription()
{
    return tr("Animace: světlo ze zdroje se odráží k detektoru na horním a dolním rozhraní skleněné desky. "
              "Fázový diagram ukazuje vektory obou odrazů a jejich výslednici; graf vpravo ukazuje "
              "odrazivost v závislosti na tloušťce desky.");
}

std::string desktopWindowDescription()
{
    return drawingDescription() + " " +
           std::string(tr("Klávesa F11 zvětší obraz na celou obrazovku, F11 nebo Esc ho vrátí zpět."));
}

} // namespace tavrolin
