#include "text/Catalogue.h"

#include "text/CatalogueTable.h"

#include <algorithm>

namespace tavrolin {

namespace {

Language current = Language::Czech;

} // namespace

void setLanguage(Language language) { current = language; }

Language currentLanguage() { return current; }

std::string_view translated(Language language, std::string_view context, std::string_view czech)
{
    const auto entries = catalogueEntries();
    const auto key = [](const CatalogueEntry& e) { return std::pair(e.context, e.texts[0]); };
    const auto it = std::lower_bound(entries.begin(), entries.end(), std::pair(context, czech),
                                     [&](const CatalogueEntry& e, const auto& k) { return key(e) < k; });
    if (it == entries.end() || key(*it) != std::pair(context, czech)) return czech;
    const std::string_view text = it->texts[static_cast<std::size_t>(language)];
    return text.empty() ? czech : text;
}

std::string_view tr(std::string_view czech) { return translated(current, {}, czech); }

std::string_view tr(std::string_view context, std::string_view czech) { return translated(current, context, czech); }

std::string formatted(std::string_view message,
                      std::initializer_list<std::pair<std::string_view, std::string_view>> values)
{
    std::string text;
    for (std::size_t at = 0; at < message.size();) {
        const auto open = message.find('{', at);
        const auto close = open == std::string_view::npos ? open : message.find('}', open);
        if (close == std::string_view::npos) {
            text.append(message.substr(at));
            break;
        }
        text.append(message.substr(at, open - at));
        const std::string_view name = message.substr(open + 1, close - open - 1);
        const auto value = std::find_if(values.begin(), values.end(), [&](const auto& v) { return v.first == name; });
        text.append(value != values.end() ? value->second : message.substr(open, close - open + 1));
        at = close + 1;
    }
    return text;
}

} // namespace tavrolin
