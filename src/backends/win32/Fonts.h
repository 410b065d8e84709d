#pragma once

#include "DeviceScale.h"
#include "layout/Layout.h"

#include <windows.h>

#include <string_view>

namespace tavrolin::win32 {

// A layout font at the screen's scale; the caller deletes it.
HFONT createFont(const FontStyle& font, const DeviceScale& scale);
// The same font turned a quarter to the right, its text read from top to
// bottom.
HFONT createTurnedFont(const FontStyle& font, const DeviceScale& scale);

// How wide the text is in the font, in device pixels.
int textWidth(HDC dc, HFONT font, std::wstring_view text);

// The font made narrower, so that the text is at most `width` pixels wide in
// it: for a text the screen's font makes wider than its box. The caller
// deletes it.
HFONT narrowedFont(HDC dc, const FontStyle& font, const DeviceScale& scale, HFONT normal, std::wstring_view text,
                   int width);

} // namespace tavrolin::win32
