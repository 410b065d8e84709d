#pragma once

#include <windows.h>

#include <string>

namespace tavrolin::win32 {

// A modal Yes/No message box without an icon, Yes the default, whose buttons
// read "Ano" and "Ne" whatever the language of Windows. Returns IDYES or IDNO.
int askCzechYesNo(HWND owner, const std::wstring& prompt, const std::wstring& title);

} // namespace tavrolin::win32
