#include "StartedProgram.h"

#include "qt/Fonts.h"

#include <QtTest>

namespace tavrolin::test {

std::unique_ptr<qt::Program> startProgram(bool instantPauses)
{
    qt::loadFonts();
    auto program = std::make_unique<qt::Program>();
    if (!program->load()) return nullptr;
    program->show();
    if (!QTest::qWaitForWindowExposed(&program->window())) return nullptr;
    if (instantPauses) program->backend().setWait([](std::chrono::nanoseconds) {});
    return program;
}

} // namespace tavrolin::test
