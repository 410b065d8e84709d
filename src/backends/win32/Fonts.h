#pragma once

#include "DeviceScale.h"
#include "window/Layout.h"

#include <windows.h>

namespace tavrolin::win32 {

// A layout font at the screen's scale; the caller deletes it.
HFONT createFont(const FontStyle& font, const DeviceScale& scale);

} // namespace tavrolin::win32
