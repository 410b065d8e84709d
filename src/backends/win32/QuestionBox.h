#pragma once

#include <windows.h>

#include <string>

namespace tavrolin::win32 {

// A modal Yes/No message box without an icon, Yes the default, whose buttons
// have the captions given whatever the language of Windows. Returns IDYES or
// IDNO.
int askQuestion(HWND owner, const std::wstring& prompt, const std::wstring& title, const std::wstring& yes,
                const std::wstring& no);

} // namespace tavrolin::win32
