#pragma once

#include "qt/Program.h"

#include <memory>

namespace tavrolin::test {

// The Qt program as the user meets it: loaded, shown and exposed. With
// instantPauses the run's pauses take no time.
std::unique_ptr<qt::Program> startProgram(bool instantPauses);

} // namespace tavrolin::test
