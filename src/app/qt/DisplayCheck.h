#pragma once

#include <optional>
#include <string>

namespace tavrolin::app {

// Why no window can be opened on the display the environment names (DISPLAY,
// WAYLAND_DISPLAY), found by connecting to it as Qt would; nothing if it can.
// Qt itself aborts the program with a platform-plugin trace in these cases.
std::optional<std::string> displayProblem();

} // namespace tavrolin::app
