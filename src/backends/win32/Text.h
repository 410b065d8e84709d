#pragma once

#include <string>
#include <string_view>

namespace tavrolin::win32 {

// The core's texts are UTF-8; Windows' wide functions take UTF-16.
std::wstring widen(std::string_view utf8);
std::string narrow(std::wstring_view utf16);

} // namespace tavrolin::win32
