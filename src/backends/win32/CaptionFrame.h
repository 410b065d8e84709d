#pragma once

#include <windows.h>

namespace tavrolin::win32 {

// A frame that groups option buttons, as a parent window of its buttons: an
// etched border whose top line runs through the middle of the caption, on
// the frame's background. It passes its buttons' notifications and colour
// requests on to the main window. (A BS_GROUPBOX is no parent: its inside
// is never painted and its buttons fall out of its z-order.)
void registerCaptionFrameClass(HINSTANCE instance);

HWND createCaptionFrame(HWND parent, const wchar_t* caption, RECT rect, int id, HBRUSH background, bool visible,
                        HINSTANCE instance);

// The scale the frame is shown at (the screen's, or presentation mode's),
// for the caption's indent.
void setCaptionFrameDpi(HWND frame, int dpi);

extern const wchar_t captionFrameClass[];

} // namespace tavrolin::win32
