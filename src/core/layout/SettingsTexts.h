#pragma once

#include <string_view>

// The fixed texts that the settings fields hold.
namespace tavrolin::texts {

constexpr std::string_view modrá = "modrá";
constexpr std::string_view zelená = "zelená";
constexpr std::string_view červená = "červená";
constexpr std::string_view černá = "černá";

constexpr std::string_view firstRun = "Ano";
constexpr std::string_view laterRun = "Ne";

} // namespace tavrolin::texts
