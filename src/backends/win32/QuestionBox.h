#pragma once

#include "primitives/Backend.h"

#include <windows.h>

namespace tavrolin::win32 {

// The question as a modal Yes/No message box without an icon, whose buttons
// have the question's captions whatever the language of Windows. Returns
// IDYES, IDNO, or IDCANCEL for a question dismissed.
int askQuestion(HWND owner, const Question& question);

} // namespace tavrolin::win32
