#pragma once

#include "text/Catalogue.h"

// What the page says where the program cannot say it: before the program has
// started, and in a browser that runs no script. The page carries these in
// every language; the catalogue's build writes them out by their context.
namespace tavrolin::page_notices {

constexpr std::string_view notStarted =
    NC_("page-not-started", "Program Tavrolin se nepodařilo spustit ({reason}). Obnovte stránku "
                            "(klávesa F5), nebo ji otevřete v jiném prohlížeči.");
constexpr std::string_view noScript = NC_("page-noscript", "Tavrolin potřebuje prohlížeč se zapnutým JavaScriptem.");

} // namespace tavrolin::page_notices
