#include "Fonts.h"

namespace tavrolin::win32 {

HFONT createFont(const FontStyle& f, const DeviceScale& scale)
{
    const wchar_t* family = f.family == FontFamily::TimesNewRoman ? L"Times New Roman" : L"MS Sans Serif";
    // Sized in pixels, as the layout is drawn for 96 dpi, times the screen's
    // scale; the Central European character set for the Czech letters.
    return CreateFontW(-scale.size(f.pixelSize()), 0, 0, 0, f.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                       EASTEUROPE_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH | FF_DONTCARE, family);
}

} // namespace tavrolin::win32
